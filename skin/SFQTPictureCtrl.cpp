#include "skin/SFQTPictureCtrl.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFSkinString.h"

#include <QPainter>

CSFQTPictureCtrl::CSFQTPictureCtrl(ISFPictureCtrlEvent* pEvent) : QLabel(nullptr), CSFPictureCtrl(pEvent) {}

CSFQTPictureCtrl::~CSFQTPictureCtrl() = default;

int CSFQTPictureCtrl::Create(const wchar_t* text, DWORD style, const RECT& rc, void* parentUI, UINT id)
{
    setParent(static_cast<QWidget*>(parentUI));
    setGeometry(OnePastRectToQRect(rc));
    setText(WideToQString(text));
    setAlignment(Qt::AlignCenter);
    m_nID = id;
    setVisible((style & WS_VISIBLE) != 0);
    return 1;
}

void CSFQTPictureCtrl::SetCursor() {}

int CSFQTPictureCtrl::SetSkin() { return 1; }

void CSFQTPictureCtrl::ShowWindow(int show) { setVisible(show != 0); }

void CSFQTPictureCtrl::MoveWindow(RECT* rc)
{
    if (!rc)
        return;
    setGeometry(InclusiveRectToQRect(*rc));
}

void CSFQTPictureCtrl::MoveWindow(int x, int y, int w, int h) { setGeometry(x, y, w, h); }

void CSFQTPictureCtrl::SetImage(const wchar_t* name)
{
    m_picture = CSFSkinPicture::FromName(name);  // decoded when first painted
    update();
}

void CSFQTPictureCtrl::SetDrawPicture(int /*draw*/) {}

void* CSFQTPictureCtrl::GetHWnd() { return static_cast<void*>(static_cast<QWidget*>(this)); }

void CSFQTPictureCtrl::SetWindowTextW(const wchar_t* text)
{
    setText(WideToQString(text));
    update();
}

void CSFQTPictureCtrl::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QPixmap& picture = m_picture.Pixmap();
    if (!picture.isNull())
        painter.drawPixmap(rect(), picture);
    painter.drawText(rect(), Qt::AlignCenter, text());
}
