// The skinned message box: its results through keys, buttons and the close button, its
// layout rules, its life time, and the UTF-8 set-text helpers.
#include "tests/app/dialog_test_support.h"
#include "tests/common/widget_test_util.h"

#include "app/MessageBox.h"
#include "app/MsgDlgEventImp.h"
#include "skin/SFQTButton.h"
#include "skin/SFQTStatic.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include <ostream>
#include <string>
#include <vector>

namespace {

class MsgBoxTest : public AppFolderFixture
{};

struct BoxParts
{
    CSFQTStatic* text = nullptr;
    CSFQTButton* ok = nullptr;
    CSFQTButton* cancel = nullptr;
    CSFQTButton* close = nullptr;
};

BoxParts FindParts(QWidget* dlg, const QString& okText, const QString& cancelText)
{
    BoxParts parts;
    const auto statics = dlg->findChildren<CSFQTStatic*>();
    if (statics.size() == 1)
        parts.text = statics.front();
    for (CSFQTButton* b : dlg->findChildren<CSFQTButton*>()) {
        if (b->text() == okText)
            parts.ok = b;
        else if (b->text() == cancelText)
            parts.cancel = b;
        else if (b->text().isEmpty())
            parts.close = b;
    }
    return parts;
}

using testutil::Click;

// ---- Results -------------------------------------------------------------------------------

enum class Answer
{
    Enter,
    Escape,
    ClickOk,
    ClickCancel,
    ClickClose
};

struct ResultCase
{
    const char* name;
    int type;
    Answer answer;
    int expected;
};

void PrintTo(const ResultCase& c, std::ostream* os) { *os << c.name; }

class MsgBoxResultTest : public AppFolderFixture, public ::testing::WithParamInterface<ResultCase>
{};

TEST_P(MsgBoxResultTest, AnswerGivesItsResult)
{
    const ResultCase& c = GetParam();
    const QString okText = LangQ(L"OK");
    const QString cancelText = LangQ(L"Cancel");
    QPointer<QWidget> seen;
    bool cancelShown = false;
    ModalAnswer answer([&](QWidget* dlg) {
        seen = dlg;
        BoxParts parts = FindParts(dlg, okText, cancelText);
        ASSERT_NE(parts.ok, nullptr);
        ASSERT_NE(parts.cancel, nullptr);
        ASSERT_NE(parts.close, nullptr);
        cancelShown = parts.cancel->isVisible();
        switch (c.answer) {
        case Answer::Enter:
            QTest::keyClick(dlg, Qt::Key_Return);
            break;
        case Answer::Escape:
            QTest::keyClick(dlg, Qt::Key_Escape);
            break;
        case Answer::ClickOk:
            Click(parts.ok);
            break;
        case Answer::ClickCancel:
            Click(parts.cancel);
            break;
        case Answer::ClickClose:
            Click(parts.close);
            break;
        }
    });
    const int result = ShowSFMessageBox(L"Are you sure?", L"Prompt", nullptr, c.type, 0);
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(result, c.expected);
    EXPECT_EQ(cancelShown, c.type == kMsgBoxOkCancel);
    // The dialog (and with it every control) is gone when the call returns.
    EXPECT_TRUE(seen.isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Answers, MsgBoxResultTest,
    ::testing::Values(ResultCase{"NoticeEnter", kMsgBoxOk, Answer::Enter, 1},
                      ResultCase{"NoticeClickOk", kMsgBoxOk, Answer::ClickOk, 1},
                      ResultCase{"NoticeEscape", kMsgBoxOk, Answer::Escape, 2},
                      ResultCase{"NoticeCloseButton", kMsgBoxOk, Answer::ClickClose, 2},
                      ResultCase{"QuestionEnter", kMsgBoxOkCancel, Answer::Enter, 1},
                      ResultCase{"QuestionClickOk", kMsgBoxOkCancel, Answer::ClickOk, 1},
                      ResultCase{"QuestionClickCancel", kMsgBoxOkCancel, Answer::ClickCancel, 2},
                      ResultCase{"QuestionEscape", kMsgBoxOkCancel, Answer::Escape, 2},
                      ResultCase{"QuestionCloseButton", kMsgBoxOkCancel, Answer::ClickClose, 2}),
    [](const ::testing::TestParamInfo<ResultCase>& info) { return std::string(info.param.name); });

// ---- Layout --------------------------------------------------------------------------------

struct Layout
{
    QRect dialog, text, ok, cancel, close;
    bool okVisible = false, cancelVisible = false;
    QString caption;
    QString shownText;
};

// Shows a box, reads its layout and answers it with Escape.
Layout ShowAndMeasure(const wchar_t* text, const wchar_t* caption, int type, const QString& okText,
                      const QString& cancelText)
{
    Layout layout;
    ModalAnswer answer([&](QWidget* dlg) {
        BoxParts parts = FindParts(dlg, okText, cancelText);
        layout.dialog = dlg->geometry();
        if (parts.text) {
            layout.text = parts.text->geometry();
            layout.shownText = parts.text->text();
        }
        if (parts.ok) {
            layout.ok = parts.ok->geometry();
            layout.okVisible = parts.ok->isVisible();
        }
        if (parts.cancel) {
            layout.cancel = parts.cancel->geometry();
            layout.cancelVisible = parts.cancel->isVisible();
        }
        if (parts.close)
            layout.close = parts.close->geometry();
        for (QLabel* label : dlg->findChildren<QLabel*>()) {
            if (!qobject_cast<CSFQTStatic*>(label) && !label->text().isEmpty())
                layout.caption = label->text();
        }
        QTest::keyClick(dlg, Qt::Key_Escape);
    });
    EXPECT_EQ(ShowSFMessageBox(text, caption, nullptr, type, 0), 2);
    EXPECT_TRUE(answer.Answered());
    return layout;
}

// Rules shared by every box: the text starts at (20, 37), at least 310 x 68 (its start
// rectangle); the button row is 10 below the text; the box is 351 wide (inclusive corners
// 0..350) and ends 10 below the buttons' inclusive bottom; the close button is 24 x 19
// at (321, 5); the box is centred on the screen's work area.
void ExpectCommonRules(const Layout& l)
{
    EXPECT_EQ(l.text.topLeft(), QPoint(20, 37));
    EXPECT_GE(l.text.width(), 310);
    EXPECT_GE(l.text.height(), 68);
    const int textBottom = l.text.y() + l.text.height();  // exclusive
    EXPECT_EQ(l.ok.y(), textBottom + 10);
    EXPECT_EQ(l.dialog.width(), 351);
    EXPECT_EQ(l.dialog.height(), l.ok.bottom() + 10 + 1);
    EXPECT_EQ(l.close, QRect(321, 5, 24, 19));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(l.dialog.x(), area.x() + (area.width() - l.dialog.width()) / 2);
    EXPECT_EQ(l.dialog.y(), area.y() + (area.height() - l.dialog.height()) / 2);
}

TEST_F(MsgBoxTest, NoticeCentresOkUnderTheText)
{
    const Layout l = ShowAndMeasure(L"One line.", L"Help", kMsgBoxOk, LangQ(L"OK"), LangQ(L"Cancel"));
    ExpectCommonRules(l);
    EXPECT_TRUE(l.okVisible);
    EXPECT_FALSE(l.cancelVisible);
    // OK spans 139..211 (its rectangle is placed with inclusive corners).
    EXPECT_EQ(l.ok.left(), 139);
    EXPECT_EQ(l.ok.right(), 211);
    EXPECT_EQ(l.shownText, QStringLiteral("One line."));
    EXPECT_EQ(l.caption, QStringLiteral("Help"));
}

// A one-line notice: the text keeps its 310 x 68 start rectangle, OK sits 10 below it at
// y 115, and the box is 151 high.
TEST_F(MsgBoxTest, OneLineNoticeIs151HighWithOkAt115)
{
    const Layout l = ShowAndMeasure(L"One line.", L"Help", kMsgBoxOk, LangQ(L"OK"), LangQ(L"Cancel"));
    EXPECT_EQ(l.text, QRect(20, 37, 310, 68));
    EXPECT_EQ(l.ok, QRect(139, 115, 73, 26));
    EXPECT_EQ(l.dialog.size(), QSize(351, 151));
}

TEST_F(MsgBoxTest, QuestionPutsOkAndCancelSideBySide)
{
    const Layout l = ShowAndMeasure(L"Close?", L"Prompt", kMsgBoxOkCancel, LangQ(L"OK"), LangQ(L"Cancel"));
    ExpectCommonRules(l);
    EXPECT_TRUE(l.okVisible);
    EXPECT_TRUE(l.cancelVisible);
    EXPECT_EQ(l.ok.left(), 93);
    EXPECT_EQ(l.ok.right(), 165);
    EXPECT_EQ(l.cancel.left(), 185);
    EXPECT_EQ(l.cancel.right(), 257);
    EXPECT_EQ(l.cancel.y(), l.ok.y());
}

TEST_F(MsgBoxTest, LongTextWrapsAndPushesTheButtonsDown)
{
    std::wstring text;
    for (int i = 0; i < 12; ++i)
        text += L"This sentence is long enough to wrap in the box. ";
    const Layout shortBox = ShowAndMeasure(L"Short.", L"", kMsgBoxOk, LangQ(L"OK"), LangQ(L"Cancel"));
    const Layout longBox = ShowAndMeasure(text.c_str(), L"", kMsgBoxOk, LangQ(L"OK"), LangQ(L"Cancel"));
    ExpectCommonRules(longBox);
    // Wrapped, not widened: the text keeps the box's width and grows downwards.
    EXPECT_EQ(longBox.text.width(), shortBox.text.width());
    EXPECT_GT(longBox.text.height(), shortBox.text.height());
    EXPECT_GT(longBox.dialog.height(), shortBox.dialog.height());
}

TEST_F(MsgBoxTest, NullTextAndCaptionShowEmpty)
{
    const Layout l = ShowAndMeasure(nullptr, nullptr, kMsgBoxOkCancel, LangQ(L"OK"), LangQ(L"Cancel"));
    ExpectCommonRules(l);
    EXPECT_TRUE(l.shownText.isEmpty());
    EXPECT_TRUE(l.caption.isEmpty());
}

TEST_F(MsgBoxTest, PressTurnsTheButtonTextWhiteUntilRelease)
{
    const QString okText = LangQ(L"OK");
    QColor pressed, released;
    ModalAnswer answer([&](QWidget* dlg) {
        BoxParts parts = FindParts(dlg, okText, LangQ(L"Cancel"));
        ASSERT_NE(parts.cancel, nullptr);
        const QPoint c = parts.cancel->rect().center();
        QTest::mousePress(parts.cancel, Qt::LeftButton, Qt::NoModifier, c);
        pressed = parts.cancel->TextColor();
        // Released outside the button: no click, the box stays up.
        QTest::mouseRelease(parts.cancel, Qt::LeftButton, Qt::NoModifier, QPoint(-50, -50));
        released = parts.cancel->TextColor();
        QTest::keyClick(dlg, Qt::Key_Return);
    });
    EXPECT_EQ(ShowSFMessageBox(L"Text", L"Caption", nullptr, kMsgBoxOkCancel, 0), 1);
    EXPECT_EQ(pressed, QColor(255, 255, 255));
    EXPECT_EQ(released, QColor(0, 0, 0));
}

TEST_F(MsgBoxTest, SinkKeepsTextCaptionAndType)
{
    CMsgDlgEventImp sink(nullptr, L"Caption", 1, 7);
    EXPECT_EQ(sink.GetText(), L"");
    EXPECT_EQ(sink.GetCaption(), L"Caption");
    EXPECT_EQ(sink.GetType(), 1);
    // No dialog yet: the keys and the close command have nothing to end.
    sink.OnDlgKeyDown(0, 27);
    sink.OnCloseButton();
    EXPECT_EQ(sink.GetDlg(), nullptr);
}

// ---- Set-text helpers ----------------------------------------------------------------------

class RecordingEdit : public CSFEditCtrl
{
public:
    RecordingEdit() : CSFEditCtrl(nullptr) {}
    void SetWindowTextW(const wchar_t* text) override { texts.emplace_back(text); }
    std::vector<std::wstring> texts;
};

class RecordingStatic : public CSFStatic
{
public:
    RecordingStatic() : CSFStatic(nullptr) {}
    void SetStaticText(const wchar_t* text) override { texts.emplace_back(text); }
    std::vector<std::wstring> texts;
};

class RecordingList : public CSFListCtrl
{
public:
    RecordingList() : CSFListCtrl(nullptr) {}
    int SetItemText(int row, int col, const wchar_t* text) override
    {
        cells.push_back(std::to_wstring(row) + L"," + std::to_wstring(col) + L":" + text);
        return 1;
    }
    std::vector<std::wstring> cells;
};

TEST(ControlTextHelpers, ConvertUtf8AndKeepAtMost64Bytes)
{
    struct Case
    {
        std::string utf8;
        std::wstring expected;
    };
    const std::string sixtyFour(64, 'a');
    // 63 ASCII bytes and a 3-byte character: the character would end past byte 64.
    const std::string straddling = std::string(63, 'b') + "\xE4\xB8\xAD";
    const Case cases[] = {
        {"", L""},
        {"Search", L"Search"},
        {"\xE6\x90\x9C\xE7\xB4\xA2 \xF0\x9F\x98\x80", L"\u641C\u7D22 \U0001F600"},
        {sixtyFour + "tail", std::wstring(64, L'a')},
        {straddling, std::wstring(63, L'b')},
        {std::string(61, 'c') + "\xE4\xB8\xAD" + "d", std::wstring(61, L'c') + L"\u4E2D"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ControlTextFromUtf8(c.utf8.c_str()), c.expected) << c.utf8;
    EXPECT_EQ(ControlTextFromUtf8(nullptr), L"");
}

TEST(ControlTextHelpers, ReachTheControlsSetTextOperations)
{
    RecordingEdit edit;
    RecordingStatic label;
    RecordingList list;
    SetControlText(&edit, "\xE4\xB8\xAD"
                          "x");
    SetControlInt(&edit, -42);
    SetControlText(&label, "abc");
    SetControlInt(&label, 7);
    const std::string longText(100, 'z');
    SetItemText(&list, 2, 3, longText.c_str());  // a cell takes the whole text
    SetItemInt(&list, 0, 1, 2147483647);
    EXPECT_EQ(edit.texts, (std::vector<std::wstring>{L"\u4E2Dx", L"-42"}));
    EXPECT_EQ(label.texts, (std::vector<std::wstring>{L"abc", L"7"}));
    EXPECT_EQ(list.cells, (std::vector<std::wstring>{L"2,3:" + std::wstring(100, L'z'), L"0,1:2147483647"}));

    // Null controls are ignored.
    SetControlText(static_cast<CSFEditCtrl*>(nullptr), "x");
    SetControlInt(static_cast<CSFStatic*>(nullptr), 1);
    SetItemText(nullptr, 0, 0, "x");
    SetItemInt(nullptr, 0, 0, 1);
}

}  // namespace
