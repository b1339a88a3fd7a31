#include "skin/SFQTFrame.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFSkinString.h"

CSFQTFrame::CSFQTFrame() : CSFQTFrame(nullptr) {}

CSFQTFrame::CSFQTFrame(ISFFrameEvent* pEvent) : QFrame(nullptr), CSFFrameWnd(pEvent)
{
    if (m_pEvent)
        m_pEvent->m_pUIWnd = static_cast<CSFFrameWnd*>(this);
}

CSFQTFrame::~CSFQTFrame() = default;

BOOL CSFQTFrame::Create(const wchar_t* /*className*/, const wchar_t* title, DWORD /*style*/, const RECT& rc,
                        void* parent, const wchar_t* /*menuName*/, DWORD /*exStyle*/, void* /*context*/)
{
    setParent(static_cast<QWidget*>(parent));
    setWindowTitle(WideToQString(title));
    setGeometry(OnePastRectToQRect(rc));
    return TRUE;
}

int CSFQTFrame::CreateChildWnd() { return 0; }

void CSFQTFrame::ShowWindow(int show) { setVisible(show != 0); }
