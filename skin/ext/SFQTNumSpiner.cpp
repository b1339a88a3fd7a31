#include "skin/ext/SFQTNumSpiner.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFSkinString.h"

#include <QString>

CSFQTNumSpiner::CSFQTNumSpiner(ISFNumSpinerEvent* pEvent)
    : QSpinBox(nullptr),
      CSFNumSpiner(pEvent),
      m_nID(static_cast<UINT>(-1)),
      m_nOriginStyle(0)
{
    setFrame(false);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    connect(this, &QSpinBox::valueChanged, this, &CSFQTNumSpiner::OnValueChanged);
}

CSFQTNumSpiner::~CSFQTNumSpiner() = default;

BOOL CSFQTNumSpiner::Create(const wchar_t* /*text*/, const RECT& rc, void* parentUI, UINT id)
{
    setParent(static_cast<QWidget*>(parentUI));
    setGeometry(OnePastRectToQRect(rc));
    m_nID = id;
    // Hidden on purpose: a child never hidden explicitly would appear with its parent.
    hide();
    return TRUE;
}

void CSFQTNumSpiner::SetRange(int min, int max) { setRange(min, max); }

void CSFQTNumSpiner::GetRange(int& min, int& max)
{
    min = minimum();
    max = maximum();
}

void CSFQTNumSpiner::SetStep(int step) { setSingleStep(step); }

int CSFQTNumSpiner::GetStep() { return singleStep(); }

void CSFQTNumSpiner::SetCurrentNum(int value) { setValue(value); }

int CSFQTNumSpiner::GetCurrentNum() { return value(); }

void CSFQTNumSpiner::StepUp() { stepUp(); }

void CSFQTNumSpiner::StepDown() { stepDown(); }

BOOL CSFQTNumSpiner::SetSkin(ImageNumSpinerStyle* style)
{
    if (m_nOriginStyle == 1 || !style)
        return FALSE;
    const auto url = [style](int i) { return SkinFilePath((*style)[i]); };
    QString sheet;
    sheet += QStringLiteral("QSpinBox { padding: 0 8px; border-image: url(") + url(0) + QStringLiteral(");}");
    sheet += QStringLiteral("QSpinBox::up-button {width: 21px; border-image: url(") + url(8) +
             QStringLiteral(");}");
    // A hovered button keeps its normal picture.
    sheet += QStringLiteral("QSpinBox::up-button:hover {border-image: url(") + url(8) + QStringLiteral(");}");
    sheet +=
        QStringLiteral("QSpinBox::up-button:pressed {border-image: url(") + url(10) + QStringLiteral(");}");
    sheet +=
        QStringLiteral("QSpinBox::up-button:disabled {border-image: url(") + url(11) + QStringLiteral(");}");
    sheet += QStringLiteral("QSpinBox::down-button {width: 21px; border-image: url(") + url(1) +
             QStringLiteral(");}");
    sheet +=
        QStringLiteral("QSpinBox::down-button:hover {border-image: url(") + url(1) + QStringLiteral(");}");
    sheet +=
        QStringLiteral("QSpinBox::down-button:pressed {border-image: url(") + url(3) + QStringLiteral(");}");
    sheet +=
        QStringLiteral("QSpinBox::down-button:disabled {border-image: url(") + url(4) + QStringLiteral(");}");
    setStyleSheet(sheet);
    return TRUE;
}

void CSFQTNumSpiner::ShowWindow(int show) { setVisible(show != 0); }

void CSFQTNumSpiner::MoveWindow(RECT* rc)
{
    if (!rc)
        return;
    setGeometry(InclusiveRectToQRect(*rc));
}

void CSFQTNumSpiner::MoveWindow(int x, int y, int cx, int cy) { setGeometry(x, y, cx, cy); }

void CSFQTNumSpiner::EnableWindow(int enable) { setEnabled(enable != 0); }

void CSFQTNumSpiner::SetCircleStep(int on) { setWrapping(on != 0); }

void CSFQTNumSpiner::SetOriginStyle(int style) { m_nOriginStyle = style; }

void CSFQTNumSpiner::OnValueChanged(int value)
{
    if (m_pEvent)
        m_pEvent->OnCurrentNumChanged(m_nID, value);
}
