// Date/time control, driven through its factory and facade and by keys: the format of each
// type, a report for every change of the value (the owner's too) and none without one, the
// read-outs touching only their fields, wrapping, the date range, and the skin's style sheet
// and what it paints. The tests run with TZ=UTC, so no local-time gap moves a value.
#include "skin/SFSkinString.h"
#include "skin/ext/SFEntryExt.h"
#include "skin/ext/SFQTDateTimeCtrl.h"
#include "tests/common/test_files.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Report
{
    UINT id;
    _SF_SYSTEMTIME time;
};

class DateTimeSink : public ISFDateTimeCtrlEvent
{
public:
    std::vector<Report> reports;
    void DTN_DateTimeChange(UINT id, _SF_SYSTEMTIME time) override { reports.push_back({id, time}); }
};

_SF_SYSTEMTIME Date(int y, int m, int d) { return _SF_SYSTEMTIME{WORD(y), WORD(m), 0, WORD(d), 0, 0, 0, 0}; }
_SF_SYSTEMTIME Time(int h, int m, int s) { return _SF_SYSTEMTIME{0, 0, 0, 0, WORD(h), WORD(m), WORD(s), 0}; }

// year-month-day hour:minute:second plus the two fields without meaning.
std::string Text(const _SF_SYSTEMTIME& t)
{
    return std::to_string(t.wYear) + "-" + std::to_string(t.wMonth) + "-" + std::to_string(t.wDay) + " " +
           std::to_string(t.wHour) + ":" + std::to_string(t.wMinute) + ":" + std::to_string(t.wSecond) + " " +
           std::to_string(t.wDayOfWeek) + "/" + std::to_string(t.wMilliseconds);
}

class DateTimeCtrlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SF_SetSkinPath(QStringLiteral(TESSALY_EXT_SKIN_DIR).toStdWString());
        parent.resize(300, 100);
        parent.show();
    }

    CSFQTDateTimeCtrl* Make(int type, UINT id = 3)
    {
        CSFDateTimeCtrl* facade = SF_CreateDateTimeCtrl(&sink, type);
        EXPECT_NE(facade, nullptr);
        auto* ctrl = dynamic_cast<CSFQTDateTimeCtrl*>(facade);
        EXPECT_NE(ctrl, nullptr);
        if (ctrl) {
            EXPECT_EQ(ctrl->Create(0, RECT{10, 10, 141, 37}, &parent, id), 1);
        }
        return ctrl;
    }

    QWidget parent;
    DateTimeSink sink;
};

TEST_F(DateTimeCtrlTest, CreateFollowsTheParentAndReadsTheRectangleOnePast)
{
    CSFQTDateTimeCtrl* ctrl = Make(0);
    EXPECT_EQ(ctrl->geometry(), QRect(10, 10, 131, 27));
    EXPECT_TRUE(ctrl->isVisible());  // the style (0 here) is not consulted
    EXPECT_TRUE(ctrl->wrapping());
    EXPECT_FALSE(ctrl->hasFrame());
    RECT rc{};
    ctrl->GetWindowRect(&rc);
    EXPECT_EQ(rc.left, 0);
    EXPECT_EQ(rc.right, 130);
    EXPECT_EQ(rc.bottom, 26);
    RECT moved{0, 0, 99, 19};
    ctrl->MoveWindow(&moved);
    EXPECT_EQ(ctrl->geometry(), QRect(0, 0, 100, 20));
    ctrl->ShowWindow(0);
    EXPECT_FALSE(ctrl->isVisible());

    // Made for a parent not shown yet, it appears with it.
    QWidget later;
    CSFDateTimeCtrl* second = SF_CreateDateTimeCtrl(nullptr, 1);
    second->Create(0, RECT{0, 0, 100, 24}, &later, 4);
    later.show();
    EXPECT_TRUE(dynamic_cast<QWidget*>(second)->isVisible());
}

// Each owner change that moves the value reports it once, with the control's id, the new
// value and 0 in the fields without meaning; a change to the same value or to one the
// toolkit cannot take reports nothing.
TEST_F(DateTimeCtrlTest, EveryChangeOfTheValueIsReportedOnce)
{
    const struct
    {
        int type;
        bool setDate;
        _SF_SYSTEMTIME value;
        const char* shown;
        const char* reported;
    } cases[] = {
        {1, false, Time(9, 5, 0), "09:05:00", "2000-1-1 9:5:0 0/0"},
        {2, false, Time(9, 5, 0), "09:05", "2000-1-1 9:5:0 0/0"},
        {0, true, Date(2012, 2, 29), "2012-02-29", "2012-2-29 0:0:0 0/0"},
        {0, false, Time(23, 59, 58), "2000-01-01", "2000-1-1 23:59:58 0/0"},  // a hidden part reports too
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        sink.reports.clear();
        CSFQTDateTimeCtrl* ctrl = Make(c.type, 40 + c.type);
        _SF_SYSTEMTIME v = c.value;
        v.wDayOfWeek = 6;
        v.wMilliseconds = 999;  // never read
        EXPECT_EQ(c.setDate ? ctrl->SetDate(&v) : ctrl->SetTime(&v), 1);
        EXPECT_EQ(ctrl->text(), QString::fromLatin1(c.shown));
        ASSERT_EQ(sink.reports.size(), 1u);
        EXPECT_EQ(sink.reports[0].id, UINT(40 + c.type));
        EXPECT_EQ(Text(sink.reports[0].time), c.reported);
        c.setDate ? ctrl->SetDate(&v) : ctrl->SetTime(&v);  // the same value again
        EXPECT_EQ(sink.reports.size(), 1u);
    }

    // A time field takes a date as well, says so once, and keeps its time of day.
    CSFQTDateTimeCtrl* timeField = Make(1);
    _SF_SYSTEMTIME nine = Time(9, 5, 0), leapDay = Date(2012, 2, 29);
    timeField->SetTime(&nine);
    sink.reports.clear();
    timeField->SetDate(&leapDay);
    EXPECT_EQ(timeField->text(), QStringLiteral("09:05:00"));
    ASSERT_EQ(sink.reports.size(), 1u);
    EXPECT_EQ(Text(sink.reports[0].time), "2012-2-29 9:5:0 0/0");
    timeField->SetDate(&leapDay);
    EXPECT_EQ(sink.reports.size(), 1u);

    sink.reports.clear();
    CSFQTDateTimeCtrl* ctrl = Make(0);
    _SF_SYSTEMTIME month13 = Date(2012, 13, 1), hour25 = Time(25, 0, 0);
    ctrl->SetDate(&month13);
    ctrl->SetTime(&hour25);
    EXPECT_EQ(ctrl->text(), QStringLiteral("2000-01-01"));
    EXPECT_TRUE(sink.reports.empty());
    EXPECT_EQ(ctrl->SetDate(nullptr), 0);
    EXPECT_EQ(ctrl->GetTime(nullptr), 0);
}

TEST_F(DateTimeCtrlTest, ReadOutsWriteOnlyTheirThreeFields)
{
    CSFQTDateTimeCtrl* ctrl = Make(1);
    _SF_SYSTEMTIME in{2012, 2, 0, 29, 9, 5, 7, 0};
    ctrl->SetDate(&in);
    ctrl->SetTime(&in);

    _SF_SYSTEMTIME t{1111, 11, 6, 11, 11, 11, 11, 999};
    EXPECT_EQ(ctrl->GetTime(&t), 1);
    EXPECT_EQ(Text(t), "1111-11-11 9:5:7 6/999");
    _SF_SYSTEMTIME d{1111, 11, 6, 11, 11, 11, 11, 999};
    EXPECT_EQ(ctrl->GetDate(&d), 1);
    EXPECT_EQ(Text(d), "2012-2-29 11:11:11 6/999");
}

// A user's step is reported like an owner's change; a section wraps at its end without
// carrying into the next.
TEST_F(DateTimeCtrlTest, KeyStepsWrapAndReport)
{
    CSFQTDateTimeCtrl* ctrl = Make(1);
    _SF_SYSTEMTIME t = Time(9, 59, 0);
    ctrl->SetTime(&t);
    sink.reports.clear();
    ctrl->setFocus();
    ctrl->setCurrentSection(QDateTimeEdit::MinuteSection);
    QTest::keyClick(ctrl, Qt::Key_Up);
    EXPECT_EQ(ctrl->text(), QStringLiteral("09:00:00"));
    ASSERT_EQ(sink.reports.size(), 1u);
    EXPECT_EQ(Text(sink.reports[0].time), "2000-1-1 9:0:0 0/0");
    QTest::keyClick(ctrl, Qt::Key_Down);
    EXPECT_EQ(ctrl->text(), QStringLiteral("09:59:00"));
    EXPECT_EQ(sink.reports.size(), 2u);
}

// The field wraps, so a date past the end of the range comes in at its start.
TEST_F(DateTimeCtrlTest, DatesOutsideTheRangeAreBroughtIntoItAndReportedOnce)
{
    CSFQTDateTimeCtrl* ctrl = Make(0);
    _SF_SYSTEMTIME from = Date(2012, 1, 1), to = Date(2012, 12, 31), late = Date(2013, 5, 5);
    ctrl->SetDateRange(&from, &to);
    sink.reports.clear();
    ctrl->SetDate(&late);
    EXPECT_EQ(ctrl->text(), QStringLiteral("2012-01-01"));
    ASSERT_EQ(sink.reports.size(), 1u);
    EXPECT_EQ(Text(sink.reports[0].time), "2012-1-1 0:0:0 0/0");
    _SF_SYSTEMTIME inside = Date(2012, 6, 30);
    ctrl->SetDate(&inside);
    EXPECT_EQ(ctrl->text(), QStringLiteral("2012-06-30"));
    EXPECT_EQ(sink.reports.size(), 2u);
}

TEST_F(DateTimeCtrlTest, SkinSetsTheNineRulesUnlessTheOriginStyleIsOn)
{
    ImageDateTimeStyle skin;
    skin[0] = L"unused.png";
    for (int i = 1; i < 10; ++i)
        skin[i] = L"p" + std::to_wstring(i) + L".png";
    const std::string dir = TESSALY_EXT_SKIN_DIR;
    const auto url = [&dir](int i) { return "url(" + dir + "p" + std::to_string(i) + ".png);}"; };
    const std::string expected = "QDateTimeEdit { padding: 0 8px; border-image: " + url(1) +
                                 "QDateTimeEdit::up-button {width: 21px; border-image: " + url(6) +
                                 "QDateTimeEdit::up-button:hover {border-image: " + url(7) +
                                 "QDateTimeEdit::up-button:pressed {border-image: " + url(8) +
                                 "QDateTimeEdit::up-button:disabled {border-image: " + url(9) +
                                 "QDateTimeEdit::down-button {width: 21px; border-image: " + url(2) +
                                 "QDateTimeEdit::down-button:hover {border-image: " + url(3) +
                                 "QDateTimeEdit::down-button:pressed {border-image: " + url(4) +
                                 "QDateTimeEdit::down-button:disabled {border-image: " + url(5);

    CSFQTDateTimeCtrl* origin = Make(0);
    origin->SetOriginStyle(1);
    EXPECT_EQ(origin->SetSkin(&skin), 0);
    EXPECT_TRUE(origin->styleSheet().isEmpty());
    origin->SetOriginStyle(0);
    EXPECT_EQ(origin->SetSkin(&skin), 1);
    EXPECT_EQ(origin->styleSheet().toStdString(), expected);
    // Turning the origin style on later keeps the skin it has.
    origin->SetOriginStyle(1);
    EXPECT_EQ(origin->SetSkin(nullptr), 0);
    EXPECT_EQ(origin->styleSheet().toStdString(), expected);
}

// The field's picture fills the control behind its padding, the buttons' pictures their
// 21-px strip at the right.
TEST_F(DateTimeCtrlTest, SkinPicturesPaintTheFieldAndButtons)
{
    testutil::TempDir dir;
    ASSERT_FALSE(dir.Path().empty());
    const auto write = [&dir](const char* name, QColor colour) {
        QImage img(8, 8, QImage::Format_ARGB32);
        img.fill(colour);
        ASSERT_TRUE(img.save(QString::fromStdString(dir / name)));
    };
    write("field.png", QColor(200, 0, 0));
    write("button.png", QColor(0, 0, 200));
    SF_SetSkinPath(QString::fromStdString(dir.Path() + "/").toStdWString());
    ImageDateTimeStyle skin;
    skin[1] = L"field.png";
    for (int i = 2; i < 10; ++i)
        skin[i] = L"button.png";

    CSFQTDateTimeCtrl* ctrl = Make(1);
    ASSERT_EQ(ctrl->SetSkin(&skin), 1);
    const QImage shot = ctrl->grab().toImage();
    EXPECT_EQ(shot.pixelColor(3, shot.height() / 2), QColor(200, 0, 0));
    EXPECT_EQ(shot.pixelColor(shot.width() - 4, 3), QColor(0, 0, 200));
    EXPECT_EQ(shot.pixelColor(shot.width() - 4, shot.height() - 4), QColor(0, 0, 200));
    EXPECT_EQ(shot.pixelColor(shot.width() - 30, shot.height() / 2), QColor(200, 0, 0));
}

}  // namespace

namespace {

// An owner that deletes the control when told of a change.
class Closer : public ISFDateTimeCtrlEvent
{
public:
    void DTN_DateTimeChange(UINT /*id*/, _SF_SYSTEMTIME time) override
    {
        heard.push_back(Text(time));
        delete std::exchange(victim, nullptr);
    }
    CSFDateTimeCtrl* victim = nullptr;
    std::vector<std::string> heard;
};

}  // namespace

// Whatever made the change, the owner hears it once and may delete the control there: nothing
// touches the control afterwards (the sanitizer build checks).
TEST_F(DateTimeCtrlTest, OwnerMayDeleteTheControlFromTheNotification)
{
    const auto setLeapDay = [](CSFQTDateTimeCtrl* c) {
        _SF_SYSTEMTIME d = Date(2024, 2, 29);
        c->SetDate(&d);
    };
    const struct
    {
        const char* what;
        int type;
        std::function<void(CSFQTDateTimeCtrl*)> act;
        std::string heard;
    } ways[] = {
        {"time set by the owner", 1,
         [](CSFQTDateTimeCtrl* c) {
             _SF_SYSTEMTIME t = Time(11, 30, 0);
             c->SetTime(&t);
         },
         "2000-1-1 11:30:0 0/0"},
        {"date set by the owner", 0, setLeapDay, "2024-2-29 9:59:0 0/0"},
        {"date set on a time field", 1, setLeapDay, "2024-2-29 9:59:0 0/0"},
        {"key up", 1,
         [](CSFQTDateTimeCtrl* c) {
             c->setCurrentSection(QDateTimeEdit::MinuteSection);
             QKeyEvent press(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
             QApplication::sendEvent(c, &press);
         },
         "2000-1-1 9:0:0 0/0"},
        {"wheel", 1,
         [](CSFQTDateTimeCtrl* c) {
             c->setCurrentSection(QDateTimeEdit::HourSection);
             QWheelEvent wheel(QPointF(10, 10), c->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 120),
                               Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
             QApplication::sendEvent(c, &wheel);
         },
         "2000-1-1 10:59:0 0/0"},
    };
    for (const auto& way : ways) {
        Closer closer;
        auto* ctrl = dynamic_cast<CSFQTDateTimeCtrl*>(SF_CreateDateTimeCtrl(&closer, way.type));
        ASSERT_NE(ctrl, nullptr);
        ctrl->Create(0, RECT{10, 10, 141, 37}, &parent, 5);
        _SF_SYSTEMTIME t = Time(9, 59, 0);
        ctrl->SetTime(&t);
        closer.heard.clear();
        closer.victim = ctrl;
        QPointer<QWidget> alive(ctrl);
        way.act(ctrl);
        EXPECT_TRUE(alive.isNull()) << way.what;
        EXPECT_EQ(closer.heard, std::vector<std::string>{way.heard}) << way.what;
        delete alive.data();
    }
}
