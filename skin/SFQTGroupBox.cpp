#include "skin/SFQTGroupBox.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFSkinString.h"

CSFQTGroupBox::CSFQTGroupBox(ISFGroupBoxEvent* pEvent) : QGroupBox(nullptr), CSFGroupBox(pEvent) {}

CSFQTGroupBox::~CSFQTGroupBox() = default;

int CSFQTGroupBox::Create(const wchar_t* text, DWORD style, const RECT& rc, void* parentUI, UINT /*id*/)
{
    setParent(static_cast<QWidget*>(parentUI));
    setGeometry(OnePastRectToQRect(rc));
    setTitle(WideToQString(text));
    setVisible((style & WS_VISIBLE) != 0);
    return 1;
}

void CSFQTGroupBox::SetCursor() {}

int CSFQTGroupBox::SetSkin() { return 0; }

void CSFQTGroupBox::ShowWindow(int /*show*/) {}

void CSFQTGroupBox::MoveWindow(RECT* rc)
{
    if (!rc)
        return;
    setGeometry(InclusiveRectToQRect(*rc));
}

void CSFQTGroupBox::MoveWindow(int x, int y, int w, int h) { setGeometry(x, y, w, h); }

void CSFQTGroupBox::SetWindowTextW(const wchar_t* text) { setTitle(WideToQString(text)); }

int CSFQTGroupBox::GetWindowTextW(wchar_t* /*buf*/, int /*size*/) { return -1; }
