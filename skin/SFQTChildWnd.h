// The child window: a plain Qt widget behind the CSFChildWnd facade, a titled window that can
// be shown and hidden. The sink is never called.
//
// With a sink, the sink's UI window pointer holds this window's CSFChildWnd part, not its
// QWidget: it must not be handed to another control's Create as a parent.
#pragma once

#include "skin/SFInterface.h"

#include <QWidget>

class CSFQTChildWnd : public QWidget, public CSFChildWnd
{
    Q_OBJECT

public:
    // No Qt parent and default window flags: a top-level window.
    CSFQTChildWnd();
    // The same, and the sink's UI window pointer set to the facade part.
    explicit CSFQTChildWnd(ISFChildWndEvent* pEvent);
    ~CSFQTChildWnd() override;
    CSFQTChildWnd(const CSFQTChildWnd&) = delete;
    CSFQTChildWnd& operator=(const CSFQTChildWnd&) = delete;

    // The title from UTF-8 text (NULL: empty); visible iff show is non-zero. The first
    // argument is not read. Returns TRUE.
    BOOL Create(UINT id, const char* title, int show) override;
    void ShowWindow(int show) override;
};
