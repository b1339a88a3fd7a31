#include "skin/ext/SFQTDateTimeCtrl.h"

#include "skin/SFQTControlHelpers.h"
#include "skin/SFSkinString.h"
#include "skin/ext/SFSpinBoxStyleSheet.h"

#include <QDate>
#include <QSignalBlocker>
#include <QTime>

CSFQTDateTimeCtrl::CSFQTDateTimeCtrl(ISFDateTimeCtrlEvent* pEvent, int type)
    : QDateTimeEdit(nullptr),
      CSFDateTimeCtrl(pEvent),
      m_nType(type),
      m_nID(static_cast<UINT>(-1)),
      m_nOriginStyle(0),
      m_reports(this)
{
    // The toolkit ignores an empty format, so another type keeps its own.
    const QString format = FormatOfType(type);
    if (!format.isEmpty())
        setDisplayFormat(format);
    setWrapping(true);
    setFrame(false);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    connect(this, &QDateTimeEdit::dateTimeChanged, this, &CSFQTDateTimeCtrl::OnDateTimeChanged);
}

CSFQTDateTimeCtrl::~CSFQTDateTimeCtrl() = default;

QString CSFQTDateTimeCtrl::FormatOfType(int type)
{
    switch (type) {
    case 0:
        return QStringLiteral("yyyy-MM-dd");
    case 1:
        return QStringLiteral("hh:mm:ss");
    case 2:
        return QStringLiteral("hh:mm");
    default:
        return QString();
    }
}

QString CSFQTDateTimeCtrl::SkinStyleSheet(const ImageDateTimeStyle& style)
{
    const auto url = [&style](int i) { return SkinFilePath(style[i]); };
    return SFSpinBoxStyleSheet(QStringLiteral("QDateTimeEdit"),
                               {url(1), url(6), url(7), url(8), url(9), url(2), url(3), url(4), url(5)});
}

int CSFQTDateTimeCtrl::Create(DWORD /*style*/, const RECT& rc, void* parentUI, UINT id)
{
    QWidget* parent = static_cast<QWidget*>(parentUI);
    setParent(parent);
    setGeometry(OnePastRectToQRect(rc));
    m_nID = id;
    // Shown with its parent, whether that is on screen yet or not; with no parent it stays a
    // hidden window.
    if (parent)
        show();
    return 1;
}

void CSFQTDateTimeCtrl::SetCursor() {}

int CSFQTDateTimeCtrl::SetSkin(ImageDateTimeStyle* style)
{
    if (m_nOriginStyle == 1 || !style)
        return 0;
    setStyleSheet(SkinStyleSheet(*style));
    return 1;
}

void CSFQTDateTimeCtrl::ShowWindow(int show) { setVisible(show != 0); }

void CSFQTDateTimeCtrl::MoveWindow(RECT* rc)
{
    if (rc)
        setGeometry(InclusiveRectToQRect(*rc));
}

void CSFQTDateTimeCtrl::MoveWindow(int x, int y, int w, int h) { setGeometry(x, y, w, h); }

void CSFQTDateTimeCtrl::EnableWindow(int enable) { setEnabled(enable != 0); }

void CSFQTDateTimeCtrl::GetWindowRect(RECT* rc)
{
    if (rc)
        *rc = WidgetClientRect(*this);
}

int CSFQTDateTimeCtrl::GetTime(_SF_SYSTEMTIME* time) const
{
    if (!time)
        return 0;
    const QTime t = this->time();
    time->wHour = static_cast<WORD>(t.hour());
    time->wMinute = static_cast<WORD>(t.minute());
    time->wSecond = static_cast<WORD>(t.second());
    return 1;
}

int CSFQTDateTimeCtrl::GetDate(_SF_SYSTEMTIME* date) const
{
    if (!date)
        return 0;
    const QDate d = this->date();
    date->wYear = static_cast<WORD>(d.year());
    date->wMonth = static_cast<WORD>(d.month());
    date->wDay = static_cast<WORD>(d.day());
    return 1;
}

int CSFQTDateTimeCtrl::SetTime(_SF_SYSTEMTIME* time)
{
    if (!time)
        return 0;
    const CSFQTHeldReports::Hold hold(m_reports);
    setTime(QTime(time->wHour, time->wMinute, time->wSecond));
    return 1;
}

// A field that shows only the time keeps its time of day: the toolkit narrows its range to the
// new day first, which (as the field wraps) would move the time to the end of that day. The
// change is reported once, with the final value.
int CSFQTDateTimeCtrl::SetDate(_SF_SYSTEMTIME* date)
{
    if (!date)
        return 0;
    const QDate day(date->wYear, date->wMonth, date->wDay);
    const CSFQTHeldReports::Hold hold(m_reports);
    if (displayedSections() & QDateTimeEdit::DateSections_Mask) {
        setDate(day);
        return 1;
    }
    const QDateTime before = dateTime();
    {
        const QSignalBlocker quiet(this);
        setDate(day);
        setTime(before.time());
    }
    if (dateTime() != before)
        OnDateTimeChanged(dateTime());
    return 1;
}

void CSFQTDateTimeCtrl::SetOriginStyle(int style) { m_nOriginStyle = style; }

void CSFQTDateTimeCtrl::SetDateRange(_SF_SYSTEMTIME* const& from, _SF_SYSTEMTIME* const& to)
{
    if (!from || !to)
        return;
    const CSFQTHeldReports::Hold hold(m_reports);
    setDateRange(QDate(from->wYear, from->wMonth, from->wDay), QDate(to->wYear, to->wMonth, to->wDay));
}

bool CSFQTDateTimeCtrl::event(QEvent* event)
{
    const CSFQTHeldReports::Hold hold(m_reports);
    return QDateTimeEdit::event(event);
}

// The fields that carry no meaning in the report are 0, so the record is the same for the
// same value.
void CSFQTDateTimeCtrl::OnDateTimeChanged(const QDateTime& value)
{
    m_reports.Send([this, value] { Report(value); });
}

void CSFQTDateTimeCtrl::Report(const QDateTime& value)
{
    if (!m_pEvent)
        return;
    const QDate d = value.date();
    const QTime t = value.time();
    _SF_SYSTEMTIME record{static_cast<WORD>(d.year()),
                          static_cast<WORD>(d.month()),
                          0,
                          static_cast<WORD>(d.day()),
                          static_cast<WORD>(t.hour()),
                          static_cast<WORD>(t.minute()),
                          static_cast<WORD>(t.second()),
                          0};
    m_pEvent->DTN_DateTimeChange(m_nID, record);
}
