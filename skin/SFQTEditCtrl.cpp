#include "skin/SFQTEditCtrl.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFSkinString.h"

#include <QApplication>
#include <QBrush>
#include <QFocusEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <string>

CSFQTEditCtrl::CSFQTEditCtrl(ISFEditCtrlEvent* pEvent)
    : QLineEdit(nullptr),
      CSFEditCtrl(pEvent),
      m_nEnterSuppress(0),
      m_pValidator(nullptr)
{
    setAutoFillBackground(true);
    setFrame(false);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_MacShowFocusRect, false);

    connect(this, &QLineEdit::textChanged, this, &CSFQTEditCtrl::OnTextChange);
    connect(this, &QLineEdit::returnPressed, this, &CSFQTEditCtrl::OnKeyPressed);
}

CSFQTEditCtrl::~CSFQTEditCtrl() = default;

int CSFQTEditCtrl::Create(DWORD style, const RECT& rc, void* parentUI, UINT id, bool password)
{
    setParent(static_cast<QWidget*>(parentUI));
    setGeometry(OnePastRectToQRect(rc));
    m_nID = id;
    setVisible((style & WS_VISIBLE) != 0);
    if (password)
        setEchoMode(QLineEdit::Password);
    return 1;
}

void CSFQTEditCtrl::SetCursor() {}

int CSFQTEditCtrl::SetSkin(const wchar_t* picture)
{
    const QPixmap pixmap = LoadSkinPicture(SkinFilePath(picture));
    const QBrush brush = pixmap.isNull() ? QBrush() : QBrush(pixmap);
    // Once skinned, the field's own sheet keeps the style from filling the text area over
    // the skin; until then the style fills it with the palette's Base like any line edit.
    if (styleSheet().isEmpty())
        setStyleSheet(QStringLiteral("QLineEdit{background:transparent;border:none;}"));
    QPalette pal = palette();
    pal.setBrush(QPalette::All, QPalette::Base, brush);
    setPalette(pal);
    m_skinBrush = brush;
    update();
    return 1;
}

void CSFQTEditCtrl::ShowWindow(int show) { setVisible(show != 0); }

void CSFQTEditCtrl::MoveWindow(RECT* rc)
{
    if (!rc)
        return;
    setGeometry(InclusiveRectToQRect(*rc));
}

void CSFQTEditCtrl::MoveWindow(int x, int y, int w, int h) { setGeometry(x, y, w, h); }

int CSFQTEditCtrl::GetWindowTextW(wchar_t* buf, int size) const
{
    const std::wstring wide = QStringToWide(text());
    CopyWideOut(wide, buf, size);
    return static_cast<int>(wide.size());
}

void CSFQTEditCtrl::SetWindowTextW(const wchar_t* text) { setText(WideToQString(text)); }

void CSFQTEditCtrl::EnableWindow(int enable) { setEnabled(enable != 0); }

void CSFQTEditCtrl::SetReadOnly(int readOnly)
{
    setEnabled(true);
    setReadOnly(readOnly != 0);
}

void CSFQTEditCtrl::GetEditCtrolPos(RECT& rc) { rc = QRectToInclusiveRect(geometry()); }

void CSFQTEditCtrl::SetRegExp() { SetPatternValidator(QStringLiteral("[A-Za-z0-9]+$")); }

void CSFQTEditCtrl::InputNumberOnly() { SetPatternValidator(QStringLiteral("^[1-9]\\d+$")); }

void CSFQTEditCtrl::SetPatternValidator(const QString& pattern)
{
    QValidator* previous = m_pValidator;
    m_pValidator = new QRegularExpressionValidator(QRegularExpression(pattern), this);
    setValidator(m_pValidator);
    delete previous;
}

void CSFQTEditCtrl::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (m_nEnterSuppress > 0)
        return;
    // Focus taken by the field's own context menu is no confirmation.
    if (event->reason() == Qt::PopupFocusReason) {
        QWidget* popup = QApplication::activePopupWidget();
        if (popup && popup->parentWidget() == this)
            return;
    }
    if (!hasAcceptableInput())
        return;
    editingFinishe();
    OnEditingFinished();
}

void CSFQTEditCtrl::paintEvent(QPaintEvent* event)
{
    if (m_skinBrush.style() != Qt::NoBrush) {
        QPainter painter(this);
        painter.fillRect(rect(), m_skinBrush);
    }
    QLineEdit::paintEvent(event);
}

void CSFQTEditCtrl::OnTextChange(const QString& text)
{
    if (!m_pEvent)
        return;
    std::wstring wide = QStringToWide(text);
    m_pEvent->EDIT_OnTextChange(m_nID, &wide[0]);
}

void CSFQTEditCtrl::OnKeyPressed()
{
    // Only acceptable input gets here: the toolkit reports Return for nothing else.
    ++m_nEnterSuppress;
    if (m_pEvent) {
        std::wstring wide = QStringToWide(text());
        m_pEvent->EDIT_OnEnterPressed(m_nID, &wide[0]);
    }
    clearFocus();
    --m_nEnterSuppress;
    OnEditingFinished();
}

void CSFQTEditCtrl::editingFinishe()
{
    if (m_nEnterSuppress > 0 || !m_pEvent)
        return;
    std::wstring wide = QStringToWide(text());
    m_pEvent->EDIT_OnEnterPressed(m_nID, &wide[0]);
}

void CSFQTEditCtrl::OnEditingFinished()
{
    if (!m_pEvent)
        return;
    std::wstring wide = QStringToWide(text());
    m_pEvent->EDIT_OnEditingFinished(m_nID, &wide[0]);
}
