// The frame window: a Qt frame behind the CSFFrameWnd facade, giving a titled, positioned
// window that can be shown and hidden. Child creation, docking and skinning are accepted and
// do nothing, and the sink is never called.
//
// With a sink, the sink's UI window pointer holds this window's CSFFrameWnd part, not its
// QWidget: it must not be handed to another control's Create as a parent.
#pragma once

#include "skin/SFInterface.h"

#include <QFrame>

class CSFQTFrame : public QFrame, public CSFFrameWnd
{
    Q_OBJECT

public:
    // No Qt parent and default window flags: a top-level window until Create gives it one.
    CSFQTFrame();
    // The same, and the sink's UI window pointer set to the facade part.
    explicit CSFQTFrame(ISFFrameEvent* pEvent);
    ~CSFQTFrame() override;
    CSFQTFrame(const CSFQTFrame&) = delete;
    CSFQTFrame& operator=(const CSFQTFrame&) = delete;

    // Parent (a QWidget*, may be NULL), title, and geometry with rc read Win32-style (width
    // right - left). The class and menu names, style, extended style and context are not
    // read. Returns TRUE.
    BOOL Create(const wchar_t* className, const wchar_t* title, DWORD style, const RECT& rc, void* parent,
                const wchar_t* menuName, DWORD exStyle, void* context) override;
    // Creates nothing: 0.
    int CreateChildWnd() override;
    void ShowWindow(int show) override;
};
