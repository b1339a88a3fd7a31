#include "skin/SFQTChildWnd.h"

#include "skin/SFSkinString.h"

CSFQTChildWnd::CSFQTChildWnd() : CSFQTChildWnd(nullptr) {}

CSFQTChildWnd::CSFQTChildWnd(ISFChildWndEvent* pEvent) : QWidget(nullptr), CSFChildWnd(pEvent)
{
    if (m_pEvent)
        m_pEvent->m_pUIWnd = static_cast<CSFChildWnd*>(this);
}

CSFQTChildWnd::~CSFQTChildWnd() = default;

BOOL CSFQTChildWnd::Create(UINT /*id*/, const char* title, int show)
{
    setWindowTitle(Utf8ToQString(title));
    setVisible(show != 0);
    return TRUE;
}

void CSFQTChildWnd::ShowWindow(int show) { setVisible(show != 0); }
