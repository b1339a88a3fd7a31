// The edit field: geometry, bounded text read-out, validators, and the events its sink gets
// for typing, Return and leaving the field.
#include "skin/SFEntry.h"
#include "skin/SFQTEditCtrl.h"
#include "skin/SFSkinString.h"
#include "tests/common/test_rect.h"
#include "tests/common/widget_test_util.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPalette>
#include <QPointer>
#include <QRegularExpressionValidator>
#include <QTemporaryDir>
#include <QTest>
#include <QValidator>
#include <QWidget>

#include <algorithm>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

namespace {

using testutil::Rect;

struct EditEvent
{
    char kind;  // 'T' text change, 'E' enter pressed, 'F' editing finished
    UINT id;
    std::wstring text;

    bool operator==(const EditEvent& o) const { return kind == o.kind && id == o.id && text == o.text; }
};

std::ostream& operator<<(std::ostream& os, const EditEvent& e)
{
    return os << e.kind << "(" << e.id << ",\"" << QString::fromStdWString(e.text).toStdString() << "\")";
}

class RecordingSink : public ISFEditCtrlEvent
{
public:
    void EDIT_OnTextChange(UINT id, wchar_t* text) override { events.push_back({'T', id, text}); }
    void EDIT_OnEnterPressed(UINT id, wchar_t* text) override { events.push_back({'E', id, text}); }
    void EDIT_OnEditingFinished(UINT id, wchar_t* text) override { events.push_back({'F', id, text}); }

    std::vector<EditEvent> events;
};

// The search page's rule for its channel fields: a number above 256 becomes 1, any other
// non-zero number is written back in plain form, from inside the change report.
class ChannelRuleSink : public RecordingSink
{
public:
    void EDIT_OnTextChange(UINT id, wchar_t* text) override
    {
        RecordingSink::EDIT_OnTextChange(id, text);
        if (++depth > 8)
            return;  // a loop: the test fails on the event count
        int b = static_cast<int>(std::wcstol(text, nullptr, 10));
        if (b > 256)
            b = 1;
        if (b != 0 && edit)
            edit->SetWindowTextW(std::to_wstring(b).c_str());
        --depth;
    }

    CSFEditCtrl* edit = nullptr;
    int depth = 0;
};

QLineEdit* Widget(CSFEditCtrl* edit) { return dynamic_cast<QLineEdit*>(edit); }

// A shown, active window with the edit under test (id 148) and a second field to Tab to.
class SkinEditFocus : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host.reset(new QWidget);
        host->resize(300, 100);
        edit = SF_CreateEditCtrl(&sink);
        ASSERT_NE(edit, nullptr);
        edit->Create(WS_VISIBLE, Rect(10, 10, 110, 40), host.get(), 148, false);
        other = new QLineEdit(host.get());
        other->setGeometry(150, 10, 100, 30);
        host->show();
        host->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
    }

    void FocusEdit()
    {
        Widget(edit)->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(Widget(edit)->hasFocus());
    }

    RecordingSink sink;
    std::unique_ptr<QWidget> host;
    CSFEditCtrl* edit = nullptr;  // owned by host
    QLineEdit* other = nullptr;   // owned by host
};

}  // namespace

TEST(SkinEditGeometry, CreateReadsExclusiveCornersMoveAndPositionInclusive)
{
    QWidget host;
    CSFEditCtrl* edit = SF_CreateEditCtrl(nullptr);
    ASSERT_NE(edit, nullptr);
    RECT rc = Rect(10, 10, 110, 40);
    EXPECT_EQ(edit->Create(0, rc, &host, 7, false), 1);
    QLineEdit* w = Widget(edit);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->parentWidget(), &host);
    EXPECT_EQ(w->geometry(), QRect(10, 10, 100, 30));
    EXPECT_FALSE(w->isVisibleTo(&host));
    EXPECT_FALSE(w->hasFrame());
    EXPECT_EQ(w->focusPolicy(), Qt::StrongFocus);

    RECT pos = Rect(0, 0, 0, 0);
    edit->GetEditCtrolPos(pos);
    EXPECT_EQ(pos.left, 10);
    EXPECT_EQ(pos.top, 10);
    EXPECT_EQ(pos.right, 109);
    EXPECT_EQ(pos.bottom, 39);

    edit->MoveWindow(&rc);
    EXPECT_EQ(w->geometry(), QRect(10, 10, 101, 31));
    edit->MoveWindow(5, 6, 70, 20);
    EXPECT_EQ(w->geometry(), QRect(5, 6, 70, 20));

    edit->ShowWindow(1);
    EXPECT_TRUE(w->isVisibleTo(&host));
    edit->ShowWindow(0);
    EXPECT_FALSE(w->isVisibleTo(&host));

    CSFEditCtrl* shown = SF_CreateEditCtrl(nullptr);
    shown->Create(0x10810000, rc, &host, 8, false);
    EXPECT_TRUE(Widget(shown)->isVisibleTo(&host));
    SF_DestroyEditCtrl(shown);  // a child: left to its parent
    EXPECT_EQ(Widget(shown)->parentWidget(), &host);
}

TEST(SkinEditText, ReadOutIsBoundedTerminatedAndReturnsTheWholeLength)
{
    QWidget host;
    CSFEditCtrl* edit = SF_CreateEditCtrl(nullptr);
    edit->Create(0, Rect(0, 0, 80, 24), &host, 1, false);

    struct Case
    {
        const wchar_t* text;
        int size;
        const wchar_t* want;  // NULL: nothing written
        int ret;
    };
    // U+1F600 is one wchar_t.
    const Case cases[] = {
        {L"abcdefgh", 5, L"abcd", 8},    {L"abc", 20, L"abc", 3},  {L"abcdefgh", 9, L"abcdefgh", 8},
        {L"abcdefgh", 8, L"abcdefg", 8}, {L"abcdefgh", 1, L"", 8}, {L"abcdefgh", 0, nullptr, 8},
        {L"abcdefgh", -3, nullptr, 8},   {L"", 4, L"", 0},         {L"a\U0001F600b", 3, L"a\U0001F600", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromWCharArray(c.text).toStdString() + " size " + std::to_string(c.size));
        edit->SetWindowTextW(c.text);
        const int guard = 8;
        std::vector<wchar_t> buf(static_cast<size_t>(guard + 32 + guard), L'#');
        wchar_t* p = buf.data() + guard;
        EXPECT_EQ(edit->GetWindowTextW(p, c.size), c.ret);
        // Only the copied characters and their terminator are written.
        const int written = c.size > 0 ? std::min(c.ret, c.size - 1) + 1 : 0;
        for (int i = -guard; i < 32 + guard; ++i) {
            if (i < 0 || i >= written) {
                EXPECT_EQ(p[i], L'#') << "index " << i;
            }
        }
        if (c.want) {
            EXPECT_EQ(std::wstring(p), std::wstring(c.want));
        }
    }
    EXPECT_EQ(edit->GetWindowTextW(nullptr, 10), 3);
}

TEST(SkinEditValidators, NumberAndLetterPatternsAcceptAndRefuse)
{
    QWidget host;
    CSFEditCtrl* edit = SF_CreateEditCtrl(nullptr);
    edit->Create(0, Rect(0, 0, 80, 24), &host, 1, false);
    QLineEdit* w = Widget(edit);

    // Until a validator is installed anything goes.
    QTest::keyClicks(w, "0x-7");
    EXPECT_EQ(w->text(), "0x-7");
    EXPECT_TRUE(w->hasAcceptableInput());

    struct Case
    {
        const char* text;
        QValidator::State want;
    };
    edit->InputNumberOnly();
    const Case numbers[] = {
        {"0", QValidator::Invalid},      {"7", QValidator::Intermediate}, {"10", QValidator::Acceptable},
        {"705", QValidator::Acceptable}, {"07", QValidator::Invalid},     {"1a", QValidator::Invalid},
        {"-3", QValidator::Invalid},     {"", QValidator::Intermediate},  {"256", QValidator::Acceptable},
    };
    ASSERT_NE(w->validator(), nullptr);
    for (const Case& c : numbers) {
        QString s = QString::fromLatin1(c.text);
        int pos = static_cast<int>(s.size());
        EXPECT_EQ(w->validator()->validate(s, pos), c.want) << c.text;
    }

    // Typing goes through the validator.
    w->clear();
    QTest::keyClicks(w, "0");
    EXPECT_EQ(w->text(), "");
    QTest::keyClicks(w, "7");
    EXPECT_EQ(w->text(), "7");
    EXPECT_FALSE(w->hasAcceptableInput());
    QTest::keyClicks(w, "0x5");
    EXPECT_EQ(w->text(), "705");
    EXPECT_TRUE(w->hasAcceptableInput());
    w->clear();
    QTest::keyClicks(w, "10");
    EXPECT_TRUE(w->hasAcceptableInput());

    // The letter pattern replaces the number pattern.
    edit->SetRegExp();
    const Case letters[] = {
        {"abc123", QValidator::Acceptable}, {"Z", QValidator::Acceptable}, {"0", QValidator::Acceptable},
        {"ab-c", QValidator::Invalid},      {"a b", QValidator::Invalid},  {"\xc3\xa9", QValidator::Invalid},
    };
    for (const Case& c : letters) {
        QString s = QString::fromUtf8(c.text);
        int pos = static_cast<int>(s.size());
        EXPECT_EQ(w->validator()->validate(s, pos), c.want) << c.text;
    }
    w->clear();
    QTest::keyClicks(w, "a-b 0");
    EXPECT_EQ(w->text(), "ab0");
}

TEST(SkinEditEvents, ProgramTextChangeIsReportedOnce)
{
    QWidget host;
    RecordingSink sink;
    CSFEditCtrl* edit = SF_CreateEditCtrl(&sink);
    edit->Create(0, Rect(0, 0, 80, 24), &host, 148, false);
    edit->SetWindowTextW(L"ab");
    ASSERT_EQ(sink.events.size(), 1u);
    EXPECT_EQ(sink.events[0], (EditEvent{'T', 148, L"ab"}));
}

TEST_F(SkinEditFocus, ReturnConfirmsOnceAndDropsTheFocus)
{
    edit->SetWindowTextW(L"16");
    FocusEdit();
    sink.events.clear();

    QTest::keyClick(Widget(edit), Qt::Key_Return);
    const std::vector<EditEvent> want{{'E', 148, L"16"}, {'F', 148, L"16"}};
    EXPECT_EQ(sink.events, want);
    EXPECT_FALSE(Widget(edit)->hasFocus());
    QApplication::processEvents();
    EXPECT_EQ(sink.events, want);

    // Edit again and leave with Tab: one confirmation, after the typing.
    sink.events.clear();
    FocusEdit();
    Widget(edit)->end(false);
    QTest::keyClicks(Widget(edit), "5");
    QTest::keyClick(Widget(edit), Qt::Key_Tab);
    EXPECT_TRUE(other->hasFocus());
    const std::vector<EditEvent> want2{{'T', 148, L"165"}, {'E', 148, L"165"}, {'F', 148, L"165"}};
    EXPECT_EQ(sink.events, want2);

    // A second Return right after a first one still confirms exactly once.
    sink.events.clear();
    FocusEdit();
    QTest::keyClick(Widget(edit), Qt::Key_Return);
    FocusEdit();
    QTest::keyClick(Widget(edit), Qt::Key_Return);
    const std::vector<EditEvent> want3{
        {'E', 148, L"165"}, {'F', 148, L"165"}, {'E', 148, L"165"}, {'F', 148, L"165"}};
    EXPECT_EQ(sink.events, want3);
}

TEST_F(SkinEditFocus, LeavingAnUneditedFieldConfirmsIt)
{
    edit->SetWindowTextW(L"42");
    FocusEdit();
    sink.events.clear();
    QTest::keyClick(Widget(edit), Qt::Key_Tab);
    EXPECT_TRUE(other->hasFocus());
    const std::vector<EditEvent> want{{'E', 148, L"42"}, {'F', 148, L"42"}};
    EXPECT_EQ(sink.events, want);

    // Leaving by a click elsewhere counts the same.
    sink.events.clear();
    FocusEdit();
    other->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(sink.events, want);
}

TEST_F(SkinEditFocus, UnacceptableInputIsNeverConfirmed)
{
    edit->InputNumberOnly();
    edit->SetWindowTextW(L"7");
    FocusEdit();
    sink.events.clear();

    QTest::keyClick(Widget(edit), Qt::Key_Return);
    EXPECT_TRUE(sink.events.empty());
    EXPECT_TRUE(Widget(edit)->hasFocus());

    QTest::keyClick(Widget(edit), Qt::Key_Tab);
    EXPECT_TRUE(other->hasFocus());
    EXPECT_TRUE(sink.events.empty());

    // Once acceptable, Return confirms.
    FocusEdit();
    Widget(edit)->end(false);
    QTest::keyClicks(Widget(edit), "0");
    sink.events.clear();
    QTest::keyClick(Widget(edit), Qt::Key_Return);
    const std::vector<EditEvent> want{{'E', 148, L"70"}, {'F', 148, L"70"}};
    EXPECT_EQ(sink.events, want);
}

TEST_F(SkinEditFocus, ChannelRuleRewritingFromTheCallbackSettles)
{
    ChannelRuleSink rule;
    CSFEditCtrl* field = SF_CreateEditCtrl(&rule);
    field->Create(WS_VISIBLE, Rect(10, 50, 110, 80), host.get(), 155, false);
    rule.edit = field;
    QLineEdit* w = Widget(field);

    struct Case
    {
        const char* typed;
        const char* result;
        size_t events;
    };
    const Case cases[] = {
        {"300", "1", 4},  // "3", "30", "300", then the rewrite to "1"
        {"007", "7", 4},  // "0", "00", "007", then "7"
        {"257", "1", 4},   {"256", "256", 3},
        {"12ab", "12", 6},  // "1", "12", "12a" and its rewrite "12", "12b" and its rewrite
        {"-3", "-3", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        w->clear();
        rule.events.clear();
        w->setFocus();
        QTest::keyClicks(w, c.typed);
        EXPECT_EQ(w->text(), QString::fromLatin1(c.result));
        EXPECT_EQ(rule.depth, 0);
        EXPECT_EQ(rule.events.size(), c.events);
    }

    // The number field as the page builds it.
    field->SetWindowTextW(L"");
    field->InputNumberOnly();
    field->SetWindowTextW(L"1");
    EXPECT_EQ(w->text(), "1");
    w->clear();
    QTest::keyClicks(w, "257");
    EXPECT_EQ(w->text(), "1");
}

TEST(SkinEditState, ReadOnlyPasswordSkinAndNullSink)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage picture(80, 24, QImage::Format_ARGB32);
    picture.fill(QColor(10, 200, 30));
    ASSERT_TRUE(picture.save(dir.filePath("bg_edit.png")));
    SetSkinPath((dir.path() + "/").toStdWString());

    QWidget host;
    CSFEditCtrl* edit = SF_CreateEditCtrl(nullptr);
    edit->Create(WS_VISIBLE, Rect(0, 0, 80, 24), &host, 3, true);
    QLineEdit* w = Widget(edit);
    EXPECT_EQ(w->echoMode(), QLineEdit::Password);
    edit->SetWindowTextW(L"secret");
    EXPECT_EQ(w->text(), "secret");
    EXPECT_FALSE(w->displayText().contains("secret"));

    edit->EnableWindow(0);
    EXPECT_FALSE(w->isEnabled());
    edit->SetReadOnly(1);
    EXPECT_TRUE(w->isEnabled());
    EXPECT_TRUE(w->isReadOnly());
    edit->EnableWindow(0);
    edit->SetReadOnly(0);
    EXPECT_TRUE(w->isEnabled());
    EXPECT_FALSE(w->isReadOnly());

    EXPECT_EQ(edit->SetSkin(L"bg_edit.png"), 1);
    const QBrush base = w->palette().brush(QPalette::Inactive, QPalette::Base);
    EXPECT_EQ(base.style(), Qt::TexturePattern);
    EXPECT_EQ(base.texture().size(), QSize(80, 24));
    EXPECT_EQ(w->palette().brush(QPalette::Disabled, QPalette::Base).texture().size(), QSize(80, 24));
    EXPECT_EQ(edit->SetSkin(L"missing.png"), 1);
    EXPECT_EQ(w->palette().brush(QPalette::Active, QPalette::Base).style(), Qt::NoBrush);

    // No sink: typing, Return and leaving do nothing harmful.
    host.show();
    w->setFocus();
    QTest::keyClicks(w, "x");
    QTest::keyClick(w, Qt::Key_Return);
    w->setFocus();
    w->clearFocus();
    SetSkinPath(L"");
}

// An application style sheet (even one that only dresses tool tips and menus) hands the
// drawing of every widget to the style-sheet style; the skin picture must still fill the
// field, tiled from its top-left corner, whatever the state and whenever the sheet came.
TEST(SkinEditState, SkinIsPaintedUnderAnApplicationStyleSheet)
{
    QFile css(QStringLiteral(TESSALY_DATA_DIR "/Style.css"));
    ASSERT_TRUE(css.open(QIODevice::ReadOnly));
    const QString shipped = QString::fromUtf8(css.readAll());
    ASSERT_FALSE(shipped.isEmpty());

    // A 10-px tile: red on the left half, blue on the right.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage picture(10, 24, QImage::Format_ARGB32);
    picture.fill(QColor(200, 20, 20));
    for (int y = 0; y < 24; ++y)
        for (int x = 5; x < 10; ++x)
            picture.setPixelColor(x, y, QColor(20, 20, 200));
    ASSERT_TRUE(picture.save(dir.filePath("two_tone.png")));
    SetSkinPath((dir.path() + "/").toStdWString());

    struct Case
    {
        const char* name;
        QString sheet;
        bool sheetAfterShow;  // false: set before the field exists
        bool enabled;
        bool readOnly;
    };
    const Case cases[] = {
        {"no sheet", QString(), false, true, false},
        {"shipped sheet first", shipped, false, true, false},
        {"shipped sheet after show", shipped, true, true, false},
        {"one tool-tip rule, disabled", QStringLiteral("QToolTip { color: red; }"), false, false, false},
        {"shipped sheet, read-only", shipped, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.sheetAfterShow)
            qApp->setStyleSheet(c.sheet);

        QWidget host;
        host.resize(200, 60);
        host.setAutoFillBackground(true);
        QPalette hostPal = host.palette();
        hostPal.setColor(QPalette::Window, QColor(255, 255, 0));
        host.setPalette(hostPal);
        CSFEditCtrl* edit = SF_CreateEditCtrl(nullptr);
        edit->Create(WS_VISIBLE, Rect(10, 10, 90, 34), &host, 5, false);
        ASSERT_EQ(edit->SetSkin(L"two_tone.png"), 1);
        edit->SetWindowTextW(L"16");
        edit->EnableWindow(c.enabled ? 1 : 0);
        if (c.readOnly)
            edit->SetReadOnly(1);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        if (c.sheetAfterShow)
            qApp->setStyleSheet(c.sheet);

        // Right of the text: the tiles of the picture.
        const QImage shot = Widget(edit)->grab().toImage();
        ASSERT_EQ(shot.size(), QSize(80, 24));
        const int xs[] = {77, 72, 67, 62};  // blue, red, blue, red
        for (int i = 0; i < 4; ++i) {
            const QColor want = (i % 2 == 0) ? QColor(20, 20, 200) : QColor(200, 20, 20);
            for (int y : {0, 12, 23})
                EXPECT_EQ(shot.pixelColor(xs[i], y).name().toStdString(), want.name().toStdString())
                    << "x " << xs[i] << " y " << y;
        }
        // The palette holds the skin as SetSkin left it (a later sheet re-dresses the
        // palette; the painting above does not rely on it).
        if (!c.sheetAfterShow) {
            EXPECT_EQ(Widget(edit)->palette().brush(QPalette::Active, QPalette::Base).style(),
                      Qt::TexturePattern);
        }
        qApp->setStyleSheet(QString());
    }
    SetSkinPath(L"");
}

// A field that was never skinned is filled as a plain frameless line edit is (its palette's
// Base), with or without an application style sheet, in each state: nothing behind it
// shows through.
TEST(SkinEditState, UnskinnedFieldFillsItsBackgroundLikeAPlainLineEdit)
{
    QFile css(QStringLiteral(TESSALY_DATA_DIR "/Style.css"));
    ASSERT_TRUE(css.open(QIODevice::ReadOnly));
    const QString shipped = QString::fromUtf8(css.readAll());

    struct Case
    {
        const char* name;
        QString sheet;
        bool enabled;
        bool readOnly;
    };
    const Case cases[] = {
        {"no sheet", QString(), true, false},           {"no sheet, disabled", QString(), false, false},
        {"shipped sheet", shipped, true, false},        {"shipped sheet, disabled", shipped, false, false},
        {"no sheet, read-only", QString(), true, true},
    };
    const QRgb behind = qRgb(255, 0, 255);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        qApp->setStyleSheet(c.sheet);
        QWidget host;
        host.resize(200, 60);
        CSFEditCtrl* edit = SF_CreateEditCtrl(nullptr);
        edit->Create(WS_VISIBLE, Rect(10, 10, 90, 34), &host, 5, false);
        edit->SetWindowTextW(L"16");
        edit->EnableWindow(c.enabled ? 1 : 0);
        if (c.readOnly)
            edit->SetReadOnly(1);
        QLineEdit plain(&host);
        plain.setFrame(false);
        plain.setGeometry(100, 10, 80, 24);
        plain.setText(QStringLiteral("16"));
        plain.setEnabled(c.enabled);
        plain.setReadOnly(c.readOnly);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));

        const QImage shot = testutil::Render(Widget(edit), behind);
        const QImage want = testutil::Render(&plain, behind);
        ASSERT_EQ(shot.size(), QSize(80, 24));
        // Right of the text, and the four corners.
        for (const QPoint& p :
             {QPoint(60, 12), QPoint(79, 12), QPoint(0, 0), QPoint(79, 0), QPoint(0, 23), QPoint(79, 23)}) {
            SCOPED_TRACE(testing::Message() << "at " << p.x() << "," << p.y());
            EXPECT_EQ(qAlpha(want.pixel(p)), 255);
            EXPECT_NE(want.pixel(p), behind);
            EXPECT_EQ(shot.pixelColor(p).name(QColor::HexArgb).toStdString(),
                      want.pixelColor(p).name(QColor::HexArgb).toStdString());
        }
        qApp->setStyleSheet(QString());
    }
}
