#include "skin/ext/SFQTNumSpiner.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFSkinString.h"
#include "skin/ext/SFSpinBoxStyleSheet.h"

#include <QString>

CSFQTNumSpiner::CSFQTNumSpiner(ISFNumSpinerEvent* pEvent)
    : QSpinBox(nullptr),
      CSFNumSpiner(pEvent),
      m_nID(static_cast<UINT>(-1)),
      m_nOriginStyle(0),
      m_reports(this)
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

void CSFQTNumSpiner::SetRange(int min, int max)
{
    const CSFQTHeldReports::Hold hold(m_reports);
    setRange(min, max);
}

void CSFQTNumSpiner::GetRange(int& min, int& max)
{
    min = minimum();
    max = maximum();
}

void CSFQTNumSpiner::SetStep(int step) { setSingleStep(step); }

int CSFQTNumSpiner::GetStep() { return singleStep(); }

void CSFQTNumSpiner::SetCurrentNum(int value)
{
    const CSFQTHeldReports::Hold hold(m_reports);
    setValue(value);
}

int CSFQTNumSpiner::GetCurrentNum() { return value(); }

void CSFQTNumSpiner::StepUp()
{
    const CSFQTHeldReports::Hold hold(m_reports);
    stepUp();
}

void CSFQTNumSpiner::StepDown()
{
    const CSFQTHeldReports::Hold hold(m_reports);
    stepDown();
}

BOOL CSFQTNumSpiner::SetSkin(ImageNumSpinerStyle* style)
{
    if (m_nOriginStyle == 1 || !style)
        return FALSE;
    const auto url = [style](int i) { return SkinFilePath((*style)[i]); };
    // A hovered button keeps its normal picture.
    setStyleSheet(SFSpinBoxStyleSheet(QStringLiteral("QSpinBox"), {url(0), url(8), url(8), url(10), url(11),
                                                                   url(1), url(1), url(3), url(4)}));
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

bool CSFQTNumSpiner::event(QEvent* event)
{
    const CSFQTHeldReports::Hold hold(m_reports);
    return QSpinBox::event(event);
}

void CSFQTNumSpiner::OnValueChanged(int value)
{
    m_reports.Send([this, value] {
        if (m_pEvent)
            m_pEvent->OnCurrentNumChanged(m_nID, value);
    });
}
