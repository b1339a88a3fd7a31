// The image button: the picture of each state, the road of a click (sink, then the parent's
// message map), text read-out bounds, text alignment and colour, and the fade.
#include "skin/SFEntry.h"
#include "skin/SFMsgMap.h"
#include "skin/SFQTButton.h"
#include "skin/SFSkinString.h"
#include "tests/common/widget_test_util.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPointer>
#include <QPropertyAnimation>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using testutil::SendEnter;
using testutil::SendLeave;

// Four solid pictures of distinct colours: [0] normal, [1] hover, [2] pressed, [3] disabled.
const QColor kPicColour[4] = {QColor(200, 0, 0), QColor(0, 200, 0), QColor(0, 0, 200), QColor(90, 90, 90)};
const char* const kPicName[4] = {"n.png", "h.png", "p.png", "d.png"};

class SkinFolder
{
public:
    SkinFolder()
    {
        m_previous = GetSkinPath();
        for (int i = 0; i < 4; ++i) {
            QImage img(8, 8, QImage::Format_RGB32);
            img.fill(kPicColour[i]);
            img.save(m_dir.filePath(QString::fromLatin1(kPicName[i])));
        }
        SetSkinPath(QStringToWide(m_dir.path() + QLatin1Char('/')));
    }
    ~SkinFolder() { SetSkinPath(QStringToWide(m_previous)); }

    static ImageButtonStyle Style()
    {
        ImageButtonStyle s;
        for (int i = 0; i < 4; ++i)
            s[i] = QStringToWide(QString::fromLatin1(kPicName[i]));
        return s;
    }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Records every sink call in order, into a log shared with the parent's map.
class CButtonSink : public ISFButtonEvent
{
public:
    explicit CButtonSink(std::vector<std::string>* log) : m_log(log) {}
    void BTN_OnLButtonDown(int id, UINT, POINT) override { Add("down", id); }
    void BTN_OnLButtonUp(int id, UINT, POINT) override { Add("up", id); }
    void BTN_OnMouseMove(int id, UINT, POINT) override { Add("move", id); }
    void BTN_OnMouseLeave(int id, UINT, LPARAM) override { Add("leave", id); }
    void BTN_OnClicked(int id) override { Add("clicked", id); }

private:
    void Add(const char* what, int id) { m_log->push_back(std::string(what) + ":" + std::to_string(id)); }
    std::vector<std::string>* m_log;
};

// The parent window's sink with a message map that knows command 77.
class CParentSink : public ISFViewEvent
{
public:
    SF_DECLARE_MSGMAP()
    void OnCommand77() { log->push_back("map:77"); }
    std::vector<std::string>* log = nullptr;
};

SF_BEGIN_MSGMAP(CParentSink)
    SF_ON_COMMAND(77, OnCommand77)
SF_END_MSGMAP()

// A parent window that routes custom events through its sink's map, as the framework's
// windows do, and remembers the raw command it received.
class CParentWindow : public QWidget
{
public:
    explicit CParentWindow(CSFEventBase* sink) : m_sink(sink) { resize(300, 200); }
    int commands = 0;
    int lastMsg = -1, lastCode = -1;
    WPARAM lastW = 99;
    LPARAM lastL = -1;

protected:
    void customEvent(QEvent* e) override
    {
        if (e->type() == CSFCustomEvent::EventType()) {
            const CSFCustomEvent* ev = static_cast<CSFCustomEvent*>(e);
            ++commands;
            lastMsg = ev->nMsg;
            lastCode = ev->nCode;
            lastW = ev->wParam;
            lastL = ev->lParam;
            EXPECT_FALSE(e->spontaneous());
        }
        SF_DispatchCustomEvent(m_sink, e);
    }

private:
    CSFEventBase* m_sink;
};

class SkinButtonTest : public ::testing::Test
{
protected:
    SkinButtonTest() : sink(&log), parent(&parentSink) { parentSink.log = &log; }

    // A visible button at (10, 10), 60 x 30, made through the factory.
    CSFQTButton* MakeButton(UINT id, QWidget* parentWidget, const wchar_t* text = L"")
    {
        CSFButton* facade = SF_CreateButton(&sink);
        EXPECT_NE(facade, nullptr);
        CSFQTButton* b = dynamic_cast<CSFQTButton*>(facade);
        EXPECT_NE(b, nullptr);
        if (!b)
            return nullptr;
        owned.emplace_back(b);
        RECT rc{10, 10, 70, 40};
        EXPECT_EQ(b->Create(text, WS_VISIBLE, rc, parentWidget, id), TRUE);
        ImageButtonStyle style = SkinFolder::Style();
        EXPECT_EQ(b->SetSkin(&style), TRUE);
        return b;
    }

    SkinFolder skin;
    std::vector<std::string> log;
    CButtonSink sink;
    CParentSink parentSink;
    CParentWindow parent;
    // Buttons are deleted before the parent window (declared after it).
    std::vector<QPointer<QWidget>> owned;
    ~SkinButtonTest() override
    {
        for (auto& w : owned)
            delete w.data();
    }
};

QColor Centre(const QPixmap& pm)
{
    const QImage img = pm.toImage();
    return img.pixelColor(img.width() / 2, img.height() / 2);
}

// ---- Pictures per state -----------------------------------------------------------------

TEST_F(SkinButtonTest, PicturePerStateFollowsTheMouseAndDisabling)
{
    parent.show();
    CSFQTButton* b = MakeButton(77, &parent);
    ASSERT_NE(b, nullptr);

    enum Step
    {
        Fresh,
        EnterIt,
        Press,
        Release,
        LeaveIt,
        Disable,
        EnterDisabled,
        PressDisabled,
        LeaveDisabled,
        Enable
    };
    const struct
    {
        Step step;
        int picture;  // index into the skin record
        int state;
    } table[] = {
        {Fresh, 0, 2},   {EnterIt, 1, 0},       {Press, 2, 1},         {Release, 1, 4},       {LeaveIt, 0, 2},
        {Disable, 3, 2}, {EnterDisabled, 3, 0}, {PressDisabled, 3, 0}, {LeaveDisabled, 3, 2}, {Enable, 0, 2},
    };
    for (const auto& row : table) {
        switch (row.step) {
        case Fresh:
            break;
        case EnterIt:
        case EnterDisabled:
            SendEnter(b, QPointF(5, 5));
            break;
        case Press:
        case PressDisabled:
            QTest::mousePress(b, Qt::LeftButton);
            break;
        case Release:
            QTest::mouseRelease(b, Qt::LeftButton);
            break;
        case LeaveIt:
        case LeaveDisabled:
            SendLeave(b);
            break;
        case Disable:
            b->EnableWindow(0);
            break;
        case Enable:
            b->EnableWindow(1);
            break;
        }
        EXPECT_EQ(b->GetBtnState(), row.state) << "step " << row.step;
        EXPECT_EQ(Centre(b->CurrentPicture()), kPicColour[row.picture]) << "step " << row.step;
        // What is painted is that picture, stretched over the whole button.
        const QImage shot = b->grab().toImage();
        EXPECT_EQ(shot.pixelColor(shot.width() / 2, shot.height() / 2), kPicColour[row.picture])
            << "step " << row.step;
        EXPECT_EQ(shot.pixelColor(0, 0), kPicColour[row.picture]) << "step " << row.step;
        EXPECT_EQ(shot.pixelColor(shot.width() - 1, shot.height() - 1), kPicColour[row.picture])
            << "step " << row.step;
    }
    EXPECT_EQ(b->IsEnabled(), TRUE);
}

TEST_F(SkinButtonTest, SkinRecordNamesAndFailures)
{
    CSFQTButton* b = MakeButton(1, &parent);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->SetSkin(nullptr), FALSE);
    EXPECT_EQ(Centre(b->CurrentPicture()), kPicColour[0]);  // unchanged

    // Empty names keep the previous pictures; a missing file leaves a null picture.
    ImageButtonStyle partial;
    partial[0] = L"no-such-picture.png";
    EXPECT_EQ(b->SetSkin(&partial), TRUE);
    EXPECT_TRUE(b->CurrentPicture().isNull());
    b->SetBtnState(0);
    EXPECT_EQ(Centre(b->CurrentPicture()), kPicColour[1]);
    b->SetBtnState(1);
    EXPECT_EQ(Centre(b->CurrentPicture()), kPicColour[2]);
    b->SetBtnState(4);
    EXPECT_EQ(Centre(b->CurrentPicture()), kPicColour[1]);
    b->SetBtnState(7);  // unknown states show the normal picture
    EXPECT_TRUE(b->CurrentPicture().isNull());
}

TEST_F(SkinButtonTest, RightPressShowsPressedAndTellsNobody)
{
    parent.show();
    CSFQTButton* b = MakeButton(77, &parent);
    ASSERT_NE(b, nullptr);
    log.clear();
    QTest::mousePress(b, Qt::RightButton);
    EXPECT_EQ(b->GetBtnState(), 1);
    EXPECT_EQ(Centre(b->CurrentPicture()), kPicColour[2]);
    QTest::mouseRelease(b, Qt::RightButton);
    for (const std::string& entry : log) {
        EXPECT_NE(entry, "down:77");
        EXPECT_NE(entry, "clicked:77");
        EXPECT_NE(entry, "map:77");
    }
    EXPECT_EQ(parent.commands, 0);
}

// ---- Click road -------------------------------------------------------------------------

TEST_F(SkinButtonTest, ClickReachesTheSinkThenTheParentsMapBeforeReturning)
{
    parent.show();
    CSFQTButton* b = MakeButton(77, &parent);
    ASSERT_NE(b, nullptr);
    log.clear();
    QTest::mouseClick(b, Qt::LeftButton);
    // Synchronous: everything has happened when the click returns.
    const std::vector<std::string> want = {"down:77", "up:77", "clicked:77", "map:77"};
    EXPECT_EQ(log, want);
    EXPECT_EQ(parent.commands, 1);
    EXPECT_EQ(parent.lastMsg, 0x111);
    EXPECT_EQ(parent.lastCode, 0);
    EXPECT_EQ(parent.lastW, 0u);
    EXPECT_EQ(parent.lastL, 77);

    // Programmatic clicks take the same road.
    log.clear();
    b->click();
    EXPECT_EQ(log, (std::vector<std::string>{"clicked:77", "map:77"}));
}

TEST_F(SkinButtonTest, CommandOutsideTheMapAndButtonWithoutParent)
{
    parent.show();
    CSFQTButton* other = MakeButton(78, &parent);
    ASSERT_NE(other, nullptr);
    log.clear();
    other->click();
    EXPECT_EQ(log, (std::vector<std::string>{"clicked:78"}));
    EXPECT_EQ(parent.commands, 1);  // sent, but the map has no entry for 78
    EXPECT_EQ(parent.lastL, 78);

    CSFQTButton* orphan = MakeButton(77, nullptr);
    ASSERT_NE(orphan, nullptr);
    log.clear();
    orphan->click();
    EXPECT_EQ(log, (std::vector<std::string>{"clicked:77"}));
    EXPECT_EQ(parent.commands, 1);

    // A button without a sink still sends its command.
    CSFQTButton quiet(nullptr);
    RECT rc{0, 0, 10, 10};
    quiet.Create(L"", 0, rc, &parent, 77);
    log.clear();
    quiet.click();
    EXPECT_EQ(log, (std::vector<std::string>{"map:77"}));
}

// ---- Text -------------------------------------------------------------------------------

TEST_F(SkinButtonTest, GetWindowTextNeverWritesPastTheBuffer)
{
    CSFQTButton* b = MakeButton(1, &parent, L"Search");
    ASSERT_NE(b, nullptr);
    const std::wstring nonBmp = L"\U0001D11Eabc";  // one wchar_t outside the BMP, then three
    const struct
    {
        const wchar_t* text;
        int size;
        bool nullBuf;
        int want;
        const wchar_t* wantText;  // NULL: the buffer is untouched
    } table[] = {
        {L"Search", 4, false, 3, L"Sea"},
        {L"Search", 64, false, 6, L"Search"},
        {L"Search", 7, false, 6, L"Search"},
        {L"Search", 6, false, 5, L"Searc"},
        {L"Search", 1, false, 0, L""},
        {L"Search", 0, false, 0, nullptr},
        {L"Search", -5, false, 0, nullptr},
        {L"Search", 64, true, 0, nullptr},
        {nonBmp.c_str(), 3, false, 2, L"\U0001D11Ea"},
        {nonBmp.c_str(), 64, false, 4, nonBmp.c_str()},
        {L"", 8, false, 0, L""},
    };
    constexpr int kGuard = 8;
    constexpr wchar_t kCanary = 0x5A5A;
    for (const auto& row : table) {
        b->SetWindowTextW(row.text);
        std::vector<wchar_t> mem(static_cast<size_t>(std::max(row.size, 0) + kGuard), kCanary);
        const int got = b->GetWindowTextW(row.nullBuf ? nullptr : mem.data(), row.size);
        EXPECT_EQ(got, row.want) << "size " << row.size;
        if (row.wantText) {
            EXPECT_EQ(std::wstring(mem.data()), std::wstring(row.wantText)) << "size " << row.size;
            for (size_t i = static_cast<size_t>(row.want) + 1; i < mem.size(); ++i)
                EXPECT_EQ(mem[i], kCanary) << "size " << row.size << " index " << i;
        } else {
            for (wchar_t c : mem)
                EXPECT_EQ(c, kCanary) << "size " << row.size;
        }
    }
}

TEST_F(SkinButtonTest, AlignmentAndEliding)
{
    CSFQTButton* b = MakeButton(1, &parent, L"A rather long caption that cannot fit");
    ASSERT_NE(b, nullptr);
    const int base = Qt::AlignVCenter | Qt::TextSingleLine;
    EXPECT_EQ(b->TextFlags(), base | Qt::AlignHCenter);
    EXPECT_EQ(b->TextToDraw(), b->text());  // no eliding at first

    b->SetTextAlign(1 | 0x8000);
    EXPECT_EQ(b->TextFlags(), base | Qt::AlignHCenter);
    const QString want = QFontMetrics(b->font()).elidedText(b->text(), Qt::ElideRight, b->TextRect().width());
    EXPECT_EQ(b->TextToDraw(), want);
    EXPECT_NE(b->TextToDraw(), b->text());

    // The text rectangle loses 2 pixels left and right and (H - 1 - fh) / 2 above and below.
    const int fh = QFontMetrics(b->font()).height();
    const QRect r = b->TextRect();
    EXPECT_EQ(r.left(), 2);
    EXPECT_EQ(r.right(), b->width() - 3);
    EXPECT_EQ(r.top(), (b->height() - 1 - fh) / 2);

    // Later alignments keep eliding on; right wins over nothing, centre over right.
    const struct
    {
        UINT flags;
        int align;
    } table[] = {{2, Qt::AlignRight}, {0, Qt::AlignLeft}, {3, Qt::AlignHCenter}, {0x10, Qt::AlignLeft}};
    for (const auto& row : table) {
        b->SetTextAlign(row.flags);
        EXPECT_EQ(b->TextFlags(), base | row.align) << row.flags;
        EXPECT_EQ(b->TextToDraw(), want) << row.flags;
    }
}

// Whether the image holds a pixel of exactly this colour.
bool HasColour(const QImage& img, QRgb rgb)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFFu) == (rgb & 0xFFFFFFu))
                return true;
    return false;
}

TEST_F(SkinButtonTest, TextColourAndDisabledGrey)
{
    CSFQTButton* b = MakeButton(1, &parent, L"HHH");
    ASSERT_NE(b, nullptr);
    ImageButtonStyle white;
    for (int i = 0; i < 4; ++i)
        white[i] = L"missing.png";  // no pictures: only the text is drawn
    b->SetSkin(&white);
    QFont f = b->font();
    f.setPixelSize(26);  // thick stems, so some pixels carry the pen colour exactly
    b->setFont(f);
    b->MoveWindow(0, 0, 120, 40);
    b->SetTextColor(255);
    EXPECT_EQ(b->TextColor(), QColor(255, 0, 0));

    const QImage enabled = b->grab().toImage();
    EXPECT_TRUE(HasColour(enabled, qRgb(255, 0, 0)));
    EXPECT_FALSE(HasColour(enabled, qRgb(0x6B, 0x6B, 0x6B)));

    b->EnableWindow(0);
    const QImage disabled = b->grab().toImage();
    EXPECT_TRUE(HasColour(disabled, qRgb(0x6B, 0x6B, 0x6B)));
    EXPECT_FALSE(HasColour(disabled, qRgb(255, 0, 0)));
}

// ---- Geometry ---------------------------------------------------------------------------

TEST_F(SkinButtonTest, RectangleReadings)
{
    parent.move(100, 50);
    parent.show();
    CSFQTButton* b = MakeButton(1, &parent);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->geometry(), QRect(10, 10, 60, 30));  // Create: right and bottom exclusive
    EXPECT_TRUE(b->isVisible());

    RECT rc{5, 6, 29, 30};
    b->MoveWindow(&rc);  // inclusive corners
    EXPECT_EQ(b->geometry(), QRect(5, 6, 25, 25));
    b->MoveWindow(1, 2, 3, 4);
    EXPECT_EQ(b->geometry(), QRect(1, 2, 3, 4));

    b->MoveWindow(20, 30, 40, 10);
    RECT screen{};
    b->GetBTNWindowRect(&screen);
    const QPoint tl = b->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(screen.left, tl.x());
    EXPECT_EQ(screen.top, tl.y());
    EXPECT_EQ(screen.right, tl.x() + 39);
    EXPECT_EQ(screen.bottom, tl.y() + 9);

    CSFQTButton hidden(nullptr);
    RECT r2{0, 0, 10, 10};
    hidden.Create(L"x", 0, r2, &parent, 3);
    EXPECT_FALSE(hidden.isVisible());
    hidden.ShowWindow(1);
    EXPECT_TRUE(hidden.isVisible());
}

// ---- Fade -------------------------------------------------------------------------------

TEST_F(SkinButtonTest, FadeDipsAndReturnsAndNeverPilesUp)
{
    parent.show();
    CSFQTButton* b = MakeButton(1, &parent);
    ASSERT_NE(b, nullptr);

    SendEnter(b, QPointF(5, 5));  // fade off: nothing animates
    EXPECT_EQ(b->FadeAnimation(), nullptr);
    SendLeave(b);

    b->EnableAnimation(1);
    SendEnter(b, QPointF(5, 5));
    ASSERT_NE(b->FadeAnimation(), nullptr);
    float lowest = 1.0f;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            lowest = std::min(lowest, b->picTransparence());
            return b->FadeAnimation() == nullptr;
        },
        10000));
    EXPECT_LT(lowest, 1.0f);
    EXPECT_GE(lowest, 0.4f);
    EXPECT_FLOAT_EQ(b->picTransparence(), 1.0f);

    // Ten quick entries: each new fade replaces the running one.
    for (int i = 0; i < 10; ++i) {
        SendLeave(b);
        SendEnter(b, QPointF(5, 5));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(b->findChildren<QPropertyAnimation*>().size(), 1);
    QPropertyAnimation* running = b->FadeAnimation();
    ASSERT_NE(running, nullptr);

    // A disabled button starts no fade over a running one.
    b->EnableWindow(0);
    QTest::mousePress(b, Qt::LeftButton);
    SendEnter(b, QPointF(5, 5));
    EXPECT_EQ(b->FadeAnimation(), running);
    b->EnableWindow(1);

    EXPECT_TRUE(QTest::qWaitFor([&] { return b->FadeAnimation() == nullptr; }, 10000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(b->findChildren<QPropertyAnimation*>().isEmpty());
    EXPECT_FLOAT_EQ(b->picTransparence(), 1.0f);
}

}  // namespace
