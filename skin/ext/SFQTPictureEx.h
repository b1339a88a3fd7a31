// The animated picture: a label that plays an animated picture file (such as an animated GIF)
// from the skin folder, centred on a filled background.
//
// Create reads its rectangle as inclusive corners, MoveWindow(RECT*) one past, Win32-style;
// MoveWindow(x, y, w, h) does nothing.
#pragma once

#include "skin/ext/SFInterfaceExt.h"

#include <QLabel>

class QMovie;

class CSFQTPictureEx : public QLabel, public CSFPictureEx
{
    Q_OBJECT

public:
    explicit CSFQTPictureEx(ISFPictureExEvent* pEvent);
    ~CSFQTPictureEx() override;

    CSFQTPictureEx(const CSFQTPictureEx&) = delete;
    CSFQTPictureEx& operator=(const CSFQTPictureEx&) = delete;

    // Text and id are ignored; shown at once when style has WS_VISIBLE. Returns 1.
    BOOL Create(const wchar_t* text, DWORD style, const RECT& rc, void* parentUI, UINT id) override;
    void SetCursor() override;
    BOOL SetSkin() override;                               // 0
    void ShowWindow(int show) override;                    // shows and plays, or hides and stops
    void MoveWindow(RECT* rc) override;                    // one past
    void MoveWindow(int x, int y, int w, int h) override;  // nothing
    BOOL Draw() override;                                  // 0
    // Plays skin folder + file from its first frame. Returns 1 also when the file does not
    // load; the label then shows nothing.
    BOOL Load(const wchar_t* file, int unused) override;
    // Starts (non-zero) or stops the movie and returns 1; 0 while nothing playable is loaded.
    BOOL SetAnimation(int on) override;

    QMovie* Movie() const { return m_pMovie; }

private:
    QMovie* m_pMovie;
};
