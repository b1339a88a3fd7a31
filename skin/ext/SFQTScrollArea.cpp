#include "skin/ext/SFQTScrollArea.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFSkinString.h"

#include <QBrush>
#include <QPalette>
#include <QPixmap>

#include <algorithm>

namespace {

int ClampedSize(UINT n) { return static_cast<int>(std::min<UINT>(n, QWIDGETSIZE_MAX)); }

}  // namespace

CSFQTScrollArea::CSFQTScrollArea(ISFScrollAreaEvent* pEvent)
    : QScrollArea(nullptr),
      CSFScrollArea(pEvent),
      m_nID(static_cast<UINT>(-1)),
      m_pPanel(new QWidget)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(m_pPanel);
}

CSFQTScrollArea::~CSFQTScrollArea() = default;

int CSFQTScrollArea::Create(DWORD style, const RECT& rc, UINT cx, UINT cy, void* parentUI, UINT id)
{
    setParent(static_cast<QWidget*>(parentUI));
    setGeometry(OnePastRectToQRect(rc));
    const int w = ClampedSize(cx), h = ClampedSize(cy);
    m_pPanel->setGeometry(0, 0, w, h);
    m_pPanel->setMinimumSize(w, h);
    m_nID = id;
    setVisible((style & WS_VISIBLE) != 0);
    return 1;
}

void CSFQTScrollArea::ShowWindow(int show) { setVisible(show != 0); }

void CSFQTScrollArea::MoveWindow(RECT* rc)
{
    if (rc)
        setGeometry(InclusiveRectToQRect(*rc));
}

void CSFQTScrollArea::MoveWindow(int x, int y, int w, int h) { setGeometry(x, y, w, h); }

void CSFQTScrollArea::SetTooltipEnable(int /*enable*/) {}

void CSFQTScrollArea::SetToolTipText(const wchar_t* text) { setToolTip(WideToQString(text)); }

int CSFQTScrollArea::IsWindowVisible() { return isVisible() ? 1 : 0; }

int CSFQTScrollArea::IsWindow() { return 1; }

void CSFQTScrollArea::SetEnabled(int enable) { setEnabled(enable != 0); }

void* CSFQTScrollArea::GetUIWnd() { return m_pPanel; }

void CSFQTScrollArea::SetSkin(ScrollAreaStyle* style)
{
    if (!style || (*style)[0].empty())
        return;
    const QString path = SkinFilePath((*style)[0]);
    const QPixmap picture = LoadSkinPicture(path);
    if (picture.isNull())
        return;
    m_strBackground = path;
    // The area's palette with its background role brushed with the picture, which the brush
    // tiles; the panel fills its background (the scroll area turned that on).
    QPalette palette = this->palette();
    palette.setBrush(QPalette::All, backgroundRole(), QBrush(picture));
    m_pPanel->setPalette(palette);
}
