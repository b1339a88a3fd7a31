#include "skin/SFQTComboBox.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFQTOwnerChange.h"
#include "skin/SFSkinString.h"

#include <QAbstractItemView>
#include <QColor>
#include <QCommonStyle>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QPoint>
#include <QScreen>
#include <QSize>
#include <QWheelEvent>

#include <algorithm>
#include <string>

namespace {

// Mode field of each cell field [1]..[7], in part order.
const int kModeField[CSFQTComboBox::PartCount] = {8, 9, 11, 10, 12, 13, 14};

}  // namespace

const char* CSFQTComboBox::ListStyleSheet()
{
    return "QComboBox {subcontrol-position: bottom;}"
           "QComboBox QAbstractItemView {border: 1px solid darkgray;border-top-width: 0px;outline:0px;"
           "background-color: rgb(227,227,227);"
           "selection-background-color: rgb(132,144,167);"
           "subcontrol-origin: content;"
           "background-clip:content;"
           "position: absolute;}"
           "QComboBox QAbstractItemView::item:selected {Background: rgba(255,0,0,50%);}";
}

CSFQTComboBox::CSFQTComboBox(ISFComboBoxEvent* pEvent)
    : QComboBox(nullptr),
      CSFComboBox(pEvent),
      m_nState(StateNormal),
      m_bListOpen(0),
      m_nOriginStyle(0),
      m_nOwnerChange(0)
{
    // A plain style of the control's own keeps the list opening below the control.
    QCommonStyle* own = new QCommonStyle;
    own->setParent(this);
    setStyle(own);
    setFrame(false);
    view()->viewport()->setFocusPolicy(Qt::NoFocus);
    connect(this, &QComboBox::currentIndexChanged, this, &CSFQTComboBox::OnSelectChanged);
}

CSFQTComboBox::~CSFQTComboBox() = default;

int CSFQTComboBox::Create(DWORD style, const RECT& rc, void* parentUI, UINT id)
{
    setParent(static_cast<QWidget*>(parentUI));
    setGeometry(OnePastRectToQRect(rc));
    m_nID = id;
    setVisible((style & WS_VISIBLE) != 0);
    return 1;
}

void CSFQTComboBox::SetCursor() {}

int CSFQTComboBox::SetSkin(ImageComboBoxStyle* skin)
{
    if (!skin || m_nOriginStyle == 1)
        return 0;
    m_skin = LoadSkinPicture(SkinFilePath((*skin)[0]));
    for (int part = 0; part < PartCount; ++part) {
        const std::wstring& cell = (*skin)[part + 1];
        if (cell.empty())
            continue;
        m_parts[part].loaded = true;
        m_parts[part].stretch = (*skin)[kModeField[part]] == L"stretch";
        m_parts[part].source = StringToQRect(cell);
    }
    setStyleSheet(QString::fromLatin1(ListStyleSheet()));
    update();
    return 1;
}

void CSFQTComboBox::ShowWindow(int show) { setVisible(show != 0); }

void CSFQTComboBox::MoveWindow(RECT* rc)
{
    if (!rc)
        return;
    const QRect g = InclusiveRectToQRect(*rc);
    MoveWindow(g.x(), g.y(), g.width(), g.height());
}

void CSFQTComboBox::MoveWindow(int x, int y, int w, int h) { setGeometry(x, y, w, h); }

int CSFQTComboBox::AddString(const wchar_t* text)
{
    const CSFQTOwnerChange change(m_nOwnerChange);
    // A transparent 1 x 25 icon on every item fixes the row height of the list.
    QPixmap spacer(1, ItemHeight);
    spacer.fill(Qt::transparent);
    setIconSize(QSize(1, ItemHeight));
    addItem(QIcon(spacer), WideToQString(text));
    return count() - 1;
}

int CSFQTComboBox::DeleteString(UINT index)
{
    if (index >= static_cast<UINT>(count()))
        return -1;
    const CSFQTOwnerChange change(m_nOwnerChange);
    removeItem(static_cast<int>(index));
    return count();
}

int CSFQTComboBox::GetLBText(int index, wchar_t* buf) const
{
    if (index < 0 || index >= count())
        return -1;
    const std::wstring wide = QStringToWide(itemText(index));
    if (buf) {
        std::copy(wide.begin(), wide.end(), buf);
        buf[wide.size()] = L'\0';
    }
    return static_cast<int>(wide.size());
}

int CSFQTComboBox::GetCurSel() const { return currentIndex(); }

int CSFQTComboBox::SetCurSel(int index)
{
    if (index < 0 || index >= count())
        return -1;
    {
        const CSFQTOwnerChange change(m_nOwnerChange);
        setCurrentIndex(index);
    }
    return GetCurSel();
}

int CSFQTComboBox::GetCount() const { return count(); }

void CSFQTComboBox::EnableWindow(int enable) { setEnabled(enable != 0); }

void CSFQTComboBox::SetOriginStyle(int style)
{
    m_nOriginStyle = style;
    update();
}

void CSFQTComboBox::Clear()
{
    const CSFQTOwnerChange change(m_nOwnerChange);
    clear();
}

void CSFQTComboBox::ResetContent()
{
    for (int i = count() - 1; i >= 0; --i)
        DeleteString(static_cast<UINT>(i));
}

void CSFQTComboBox::OnSelectChanged(int sel)
{
    if (CSFQTOwnerChange::Running(m_nOwnerChange))
        return;
    if (m_pEvent)
        m_pEvent->SelectChanged(static_cast<int>(m_nID), sel);
}

// ---- Paint state ------------------------------------------------------------------------

void CSFQTComboBox::SetState(int state)
{
    m_nState = state;
    update();
}

bool CSFQTComboBox::ListActive() const
{
    const QWidget* list = view()->window();
    return list && list != window() && list->isActiveWindow();
}

bool CSFQTComboBox::ListFitsBelow() const
{
    const QScreen* s = screen();
    if (!s)
        return true;
    const int rows = std::min(maxVisibleItems(), count());
    const int needed = rows * ItemHeight + mapToGlobal(QPoint(0, 0)).y() + height();
    return !(s->geometry().bottom() < needed);
}

void CSFQTComboBox::showPopup()
{
    m_nState = StatePressed;
    m_bListOpen = 1;
    update();
    QComboBox::showPopup();
}

void CSFQTComboBox::hidePopup()
{
    QComboBox::hidePopup();
    if (m_nState != StateNormal)
        m_nState = StateNormal;
    m_bListOpen = 0;
    update();
}

void CSFQTComboBox::mousePressEvent(QMouseEvent* event)
{
    SetState(StatePressed);
    QComboBox::mousePressEvent(event);
}

void CSFQTComboBox::mouseReleaseEvent(QMouseEvent* event)
{
    SetState(StateNormal);
    QComboBox::mouseReleaseEvent(event);
}

void CSFQTComboBox::enterEvent(QEnterEvent* event)
{
    if (!ListActive() && m_nState != StateHover)
        SetState(StateHover);
    QComboBox::enterEvent(event);
}

void CSFQTComboBox::leaveEvent(QEvent* event)
{
    if (!ListActive() && m_nState != StateNormal)
        SetState(StateNormal);
    QComboBox::leaveEvent(event);
}

void CSFQTComboBox::focusInEvent(QFocusEvent* event)
{
    m_nState = StateNormal;
    m_bListOpen = 0;
    update();
    QComboBox::focusInEvent(event);
}

void CSFQTComboBox::wheelEvent(QWheelEvent* event)
{
    // The wheel never steps through the items.
    event->ignore();
}

void CSFQTComboBox::paintEvent(QPaintEvent* event)
{
    if (m_nOriginStyle == 1) {
        QComboBox::paintEvent(event);
        return;
    }

    int state = m_nState;
    if (!isEnabled())
        state = StateDisabled;
    else if (m_bListOpen)
        state = StatePressed;

    int part = PartNormal;
    switch (state) {
    case StateHover:
        part = PartHover;
        break;
    case StatePressed:
        part = ListFitsBelow() ? PartOpenBelow : PartOpenAbove;
        break;
    case StateDisabled:
        part = PartDisabled;
        break;
    default:
        break;
    }

    QPainter painter(this);
    const SkinPart& cell = m_parts[part];
    if (cell.loaded && !m_skin.isNull())
        painter.drawPixmap(rect(), m_skin, cell.source);

    const QRect textArea(0, 0, std::max(0, width() - height()), height());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.drawText(textArea, Qt::AlignCenter, currentText());
}
