// Check box and radio box: picture choice, toggling by mouse, keyboard and facade, the
// reports to the sink and the parent, picture fitting, painting and re-skinning.
#include "skin/SFEntry.h"
#include "skin/SFMsgMap.h"
#include "skin/SFQTCheckBox.h"
#include "skin/SFQTRadioBox.h"
#include "skin/SFQTToggleHelpers.h"
#include "skin/SFSkinString.h"
#include "tests/common/test_rect.h"
#include "tests/common/widget_test_util.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace {

using testutil::Rect;
using testutil::SendEnter;
using testutil::SendLeave;
using testutil::SendMouse;

typedef std::vector<std::string> Log;

std::string Str(const char* tag, int a, int b, int x, int y)
{
    return std::string(tag) + "(" + std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(x) +
           "," + std::to_string(y) + ")";
}

// A parent window that records the commands its children send it.
class CommandParent : public QWidget
{
public:
    explicit CommandParent(Log* log) : m_log(log) {}

protected:
    void customEvent(QEvent* event) override
    {
        if (event->type() != CSFCustomEvent::EventType())
            return;
        const CSFCustomEvent* ev = static_cast<const CSFCustomEvent*>(event);
        m_log->push_back(
            Str("cmd", ev->nMsg, ev->nCode, static_cast<int>(ev->wParam), static_cast<int>(ev->lParam)));
    }

private:
    Log* m_log;
};

class CheckSink : public ISFCheckBoxEvent
{
public:
    explicit CheckSink(Log* log) : m_log(log) {}
    void BTN_OnLButtonDown() override { m_log->push_back("down"); }
    void BTN_OnLButtonUp() override { m_log->push_back("up"); }
    void Check_OnCheckStateChanged(int check, int id, POINT pt) override
    {
        m_log->push_back(Str("check", check, id, pt.x, pt.y));
    }

private:
    Log* m_log;
};

class RadioSink : public ISFRadioBoxEvent
{
public:
    explicit RadioSink(Log* log) : m_log(log) {}
    void RADIO_OnClicked(int check, int id, POINT pt) override
    {
        m_log->push_back(Str("radio", check, id, pt.x, pt.y));
    }

private:
    Log* m_log;
};

// Eight distinct opaque colours, one per picture number.
const QRgb kColors[8] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00,
                         0xFF00FFFF, 0xFFFF00FF, 0xFF804000, 0xFF004080};
const QRgb kSentinel = 0xFF123456;

// The widget painted alone onto a sentinel colour (no window background).
QImage Render(QWidget* w) { return testutil::Render(w, kSentinel); }

// Skin pictures written into a fresh folder that becomes the skin folder.
class SkinFolder
{
public:
    SkinFolder() { SetSkinPath(QStringToWide(m_dir.path() + "/")); }
    bool IsValid() const { return m_dir.isValid(); }

    void Solid(const QString& name, QSize size, QRgb color) const
    {
        QImage img(size, QImage::Format_ARGB32);
        img.fill(color);
        img.save(m_dir.filePath(name), "PNG");
    }
    // Every pixel distinct, with a partly transparent alpha, so misplaced pixels show.
    QImage Pattern(const QString& name, QSize size) const
    {
        QImage img(size, QImage::Format_ARGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                img.setPixel(x, y, qRgba(x * 9 + 3, y * 11 + 5, (x * 7 + y * 3) & 0xFF, 200 + (x + y) % 50));
        img.save(m_dir.filePath(name), "PNG");
        return img;
    }
    // "p0.png" .. "p7.png" in the eight colours.
    void EightSolids(QSize size) const
    {
        for (int i = 0; i < 8; ++i)
            Solid(QString("p%1.png").arg(i), size, kColors[i]);
    }

private:
    QTemporaryDir m_dir;
};

template <class Record>
Record EightNames()
{
    Record r;
    for (int i = 0; i < 8; ++i)
        r[i] = L"p" + std::to_wstring(i) + L".png";
    return r;
}

// The pixel of the source that an expanded picture shows at x (or y): the quadrants keep
// their own pixels, everything between them repeats the middle column (row).
int SourceCoord(int x, int outSize, int picSize)
{
    const int half = picSize / 2;
    const int rest = picSize - half;
    if (x < half)
        return x;
    if (x >= outSize - rest)
        return x - (outSize - rest) + half;
    return half;
}

// ---- Check box ---------------------------------------------------------------------------------

class SkinCheckBox : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(skin.IsValid());
        skin.EightSolids(QSize(16, 16));
        parent.reset(new CommandParent(&log));
        parent->resize(200, 100);
        box = new CSFQTCheckBox(&sink);
        ASSERT_EQ(box->Create("Disk \xC3\xA9", 0, Rect(214, 10, 230, 26), parent.get(), 165), TRUE);
        ASSERT_EQ(box->text(), QString::fromUtf8("Disk \xC3\xA9"));
        // Text would cover the sampled pixels with some fonts.
        box->SetWindowTextW(L"");
        ImageCheckBox names = EightNames<ImageCheckBox>();
        ASSERT_EQ(box->SetSkin(&names), TRUE);
        parent->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(parent.get()));
        log.clear();
    }

    QRgb Shown() { return Render(box).pixel(1, 1); }
    int Check()
    {
        int c = -1;
        EXPECT_EQ(box->GetCheck(&c), 0);
        return c;
    }

    SkinFolder skin;
    Log log;
    CheckSink sink{&log};
    std::unique_ptr<CommandParent> parent;
    CSFQTCheckBox* box = nullptr;  // owned by parent
};

TEST_F(SkinCheckBox, CreateReadsExclusiveRectAndLeavesStateAlone)
{
    EXPECT_EQ(box->geometry(), QRect(214, 10, 16, 16));
    EXPECT_EQ(box->parentWidget(), parent.get());
    EXPECT_EQ(box->ControlId(), 165u);
    EXPECT_EQ(Check(), 0);
    EXPECT_EQ(box->MouseState(), CSFQTCheckBox::StateNormal);
    RECT rc = Rect(5, 6, 24, 20);
    box->MoveWindow(&rc);
    EXPECT_EQ(box->geometry(), QRect(5, 6, 20, 15));
    EXPECT_EQ(box->GetCheck(nullptr), 0);
}

TEST_F(SkinCheckBox, PictureFollowsCheckMouseAndEnableStates)
{
    for (int check = 0; check <= 1; ++check) {
        box->SetCheck(check);
        const int on = check ? 0 : 3;
        SendLeave(box);
        EXPECT_EQ(box->CurrentPictureIndex(), on + 0);
        EXPECT_EQ(Shown(), kColors[on + 0]);
        SendEnter(box, QPointF(1, 1));
        EXPECT_EQ(box->CurrentPictureIndex(), on + 1);
        EXPECT_EQ(Shown(), kColors[on + 1]);
        SendMouse(box, QEvent::MouseButtonPress, QPoint(4, 4));
        EXPECT_EQ(box->CurrentPictureIndex(), on + 2);
        EXPECT_EQ(Shown(), kColors[on + 2]);
        // Released outside: the pointer is still treated as over it until it leaves.
        SendMouse(box, QEvent::MouseButtonRelease, QPoint(100, 100));
        EXPECT_EQ(box->CurrentPictureIndex(), on + 1);
        box->EnableWindow(0);
        EXPECT_EQ(box->CurrentPictureIndex(), check ? 6 : 7);
        EXPECT_EQ(Shown(), kColors[check ? 6 : 7]);
        box->EnableWindow(1);
    }
}

TEST_F(SkinCheckBox, ClickInsideTogglesThenReportsToSinkAndParent)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(Check(), 1);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(Check(), 0);
    const Log expected = {"down", "up", "check(1,165,0,0)", "cmd(273,0,0,165)",
                          "down", "up", "check(0,165,0,0)", "cmd(273,0,0,165)"};
    EXPECT_EQ(log, expected);
}

TEST_F(SkinCheckBox, ReleaseOutsideKeepsStateAndReportsNothing)
{
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(60, 60));
    SendLeave(box);
    EXPECT_EQ(Check(), 0);
    EXPECT_EQ(box->CurrentPictureIndex(), 3);
    EXPECT_EQ(Shown(), kColors[3]);
    const Log expected = {"down", "up"};
    EXPECT_EQ(log, expected);

    // A right-button click inside toggles nothing either.
    log.clear();
    QTest::mouseClick(box, Qt::RightButton, {}, QPoint(8, 8));
    EXPECT_EQ(Check(), 0);
    for (const std::string& entry : log)
        EXPECT_EQ(entry.find("check"), std::string::npos) << entry;
}

TEST_F(SkinCheckBox, SpaceKeyTogglesAndReportsLikeAClick)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(Check(), 1);
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(Check(), 0);
    const Log expected = {"check(1,165,0,0)", "cmd(273,0,0,165)", "check(0,165,0,0)", "cmd(273,0,0,165)"};
    EXPECT_EQ(log, expected);
}

TEST_F(SkinCheckBox, SetCheckIsSilentAndRepaints)
{
    box->SetCheck(1);
    EXPECT_EQ(Check(), 1);
    EXPECT_EQ(Shown(), kColors[0]);
    box->SetCheck(5);
    EXPECT_EQ(Check(), 1);
    box->SetCheck(0);
    EXPECT_EQ(Check(), 0);
    EXPECT_EQ(Shown(), kColors[3]);
    EXPECT_TRUE(log.empty());
}

TEST_F(SkinCheckBox, WithoutSinkStillTogglesAndSendsCommand)
{
    CSFQTCheckBox* bare = new CSFQTCheckBox(nullptr);
    bare->Create(nullptr, 0, Rect(0, 0, 16, 16), parent.get(), 7);
    bare->show();
    QTest::mouseClick(bare, Qt::LeftButton, {}, QPoint(3, 3));
    int c = 0;
    bare->GetCheck(&c);
    EXPECT_EQ(c, 1);
    const Log expected = {"cmd(273,0,0,7)"};
    EXPECT_EQ(log, expected);
}

TEST_F(SkinCheckBox, ReadOutNeverWritesPastTheBuffer)
{
    box->SetWindowTextW(L"Filter");
    struct Case
    {
        int size;
        const wchar_t* expected;  // nullptr: buffer untouched
        int result;
    };
    const Case cases[] = {
        {20, L"Filter", 6}, {7, L"Filter", 6}, {4, L"Fil", 3}, {1, L"", 0}, {0, nullptr, 0}};
    for (const Case& c : cases) {
        wchar_t buf[32];
        std::fill(std::begin(buf), std::end(buf), L'#');
        EXPECT_EQ(box->GetWindowTextW(buf, c.size), c.result) << c.size;
        if (c.expected) {
            EXPECT_EQ(std::wstring(buf), std::wstring(c.expected)) << c.size;
        } else {
            EXPECT_EQ(buf[0], L'#');
        }
        for (int i = c.size; i < 32; ++i)
            ASSERT_EQ(buf[i], L'#') << "size " << c.size << " wrote index " << i;
    }
    EXPECT_EQ(box->GetWindowTextW(nullptr, 10), 0);
}

TEST_F(SkinCheckBox, PicturesKeptWhenPictureOneHasTheBoxSize)
{
    // Picture 1 is exactly the box size; the larger picture 0 is then left whole too.
    skin.Pattern("p0.png", QSize(32, 32));
    skin.Pattern("p1.png", QSize(16, 16));
    const QImage big = QPixmap(SkinFilePath(L"p0.png")).toImage();
    const QImage exact = QPixmap(SkinFilePath(L"p1.png")).toImage();
    CSFQTCheckBox* b = new CSFQTCheckBox(nullptr);
    b->Create("", 0, Rect(0, 0, 16, 16), parent.get(), 1);
    ImageCheckBox names = EightNames<ImageCheckBox>();
    b->SetSkin(&names);
    b->show();  // the first resize event
    QResizeEvent ev(QSize(16, 16), QSize(16, 16));
    QApplication::sendEvent(b, &ev);
    EXPECT_EQ(b->Picture(0).toImage(), big);
    EXPECT_EQ(b->Picture(1).toImage(), exact);
    // Growing it afterwards expands every picture from its centre.
    b->MoveWindow(0, 0, 24, 20);
    EXPECT_EQ(b->Picture(0).size(), QSize(24, 20));
    EXPECT_EQ(b->Picture(1).size(), QSize(24, 20));
}

TEST_F(SkinCheckBox, GrowingExpandsEveryPictureFromItsCentre)
{
    // Odd and even picture sizes; the box grows from the picture size to 40 x 30.
    const QSize sizes[] = {QSize(16, 16), QSize(15, 13)};
    for (const QSize& ps : sizes) {
        skin.Pattern("pat.png", ps);
        const QImage src = QPixmap(SkinFilePath(L"pat.png")).toImage().convertToFormat(QImage::Format_ARGB32);
        ImageCheckBox names;
        for (int i = 0; i < 6; ++i)
            names[i] = L"pat.png";
        CSFQTCheckBox* b = new CSFQTCheckBox(nullptr);
        b->Create("", 0, Rect(0, 0, ps.width(), ps.height()), parent.get(), 1);
        b->SetSkin(&names);
        b->show();
        b->MoveWindow(0, 0, 40, 30);
        for (int i = 0; i < 6; ++i) {
            const QImage out = b->Picture(i).toImage().convertToFormat(QImage::Format_ARGB32);
            ASSERT_EQ(out.size(), QSize(40, 30));
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 40; ++x)
                    ASSERT_EQ(out.pixel(x, y),
                              src.pixel(SourceCoord(x, 40, ps.width()), SourceCoord(y, 30, ps.height())))
                        << "picture " << i << " of " << ps.width() << "x" << ps.height() << " at " << x << ","
                        << y;
        }
        // Pictures [6] and [7] were never loaded and stay null.
        EXPECT_TRUE(b->Picture(6).isNull());
        delete b;
    }
}

TEST_F(SkinCheckBox, LargerPicturesAreCutToTheirTopLeftPart)
{
    skin.Pattern("big.png", QSize(32, 24));
    const QImage src = QPixmap(SkinFilePath(L"big.png")).toImage().convertToFormat(QImage::Format_ARGB32);
    ImageCheckBox names;
    names[0] = names[1] = L"big.png";
    CSFQTCheckBox* b = new CSFQTCheckBox(nullptr);
    b->Create("", 0, Rect(0, 0, 20, 10), parent.get(), 1);
    b->SetSkin(&names);
    b->show();  // the pending resize event fits the pictures
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(b->Picture(i).toImage().convertToFormat(QImage::Format_ARGB32), src.copy(0, 0, 20, 10))
            << i;
}

TEST(SkinCheckBoxExpand, DegenerateInputsComeBackUnchanged)
{
    QPixmap pic(8, 8);
    pic.fill(Qt::red);
    EXPECT_EQ(ExpandPixmapFromCentre(pic, QSize(0, 10)).size(), QSize(8, 8));
    EXPECT_TRUE(ExpandPixmapFromCentre(QPixmap(), QSize(10, 10)).isNull());
    // A one-pixel picture fills the whole area with its pixel.
    QPixmap dot(1, 1);
    dot.fill(Qt::green);
    const QImage out = ExpandPixmapFromCentre(dot, QSize(5, 4)).toImage();
    ASSERT_EQ(out.size(), QSize(5, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            ASSERT_EQ(out.pixelColor(x, y), QColor(Qt::green)) << x << "," << y;
}

TEST(SkinCheckBoxFactory, FactoryGivesTheQtControlAndSetSkinRefusesNull)
{
    CSFCheckBox* check = SF_CreateCheckBox(nullptr);
    ASSERT_NE(check, nullptr);
    EXPECT_NE(dynamic_cast<CSFQTCheckBox*>(check), nullptr);
    EXPECT_EQ(check->SetSkin(nullptr), FALSE);
    delete check;
    CSFRadioBox* radio = SF_CreateRadioBox(nullptr);
    ASSERT_NE(radio, nullptr);
    EXPECT_NE(dynamic_cast<CSFQTRadioBox*>(radio), nullptr);
    EXPECT_EQ(radio->SetSkin(nullptr), FALSE);
    delete radio;
}

// ---- Radio box ---------------------------------------------------------------------------------

class SkinRadioBox : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(skin.IsValid());
        skin.EightSolids(QSize(20, 20));
        parent.reset(new CommandParent(&log));
        parent->resize(400, 300);
        parent->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(parent.get()));
        box = MakeBox(159, Rect(10, 10, 110, 50));
        log.clear();
    }

    CSFQTRadioBox* MakeBox(UINT id, const RECT& rc, ISFRadioBoxEvent* s = nullptr)
    {
        CSFQTRadioBox* b = new CSFQTRadioBox(s ? s : &sink);
        EXPECT_EQ(b->Create(L"", WS_VISIBLE, rc, parent.get(), id), TRUE);
        ImageRadioBox names = EightNames<ImageRadioBox>();
        EXPECT_EQ(b->SetSkin(&names), TRUE);
        return b;
    }

    SkinFolder skin;
    Log log;
    RadioSink sink{&log};
    std::unique_ptr<CommandParent> parent;
    CSFQTRadioBox* box = nullptr;  // owned by parent
};

TEST_F(SkinRadioBox, CreateGeometryVisibilityAndRects)
{
    EXPECT_EQ(box->geometry(), QRect(10, 10, 100, 40));
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->autoExclusive());
    EXPECT_TRUE(box->isCheckable());
    RECT rc;
    box->GetRadioClientRect(&rc);
    EXPECT_EQ(rc.right, 99);
    EXPECT_EQ(rc.bottom, 39);
    box->GetRadioWindowRect(&rc);
    const QPoint tl = box->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(rc.left, tl.x());
    EXPECT_EQ(rc.bottom, tl.y() + 39);
    RECT move = Rect(0, 0, 219, 99);
    box->MoveWindow(&move);
    EXPECT_EQ(box->geometry(), QRect(0, 0, 220, 100));
    CSFQTRadioBox* hidden = new CSFQTRadioBox(nullptr);
    hidden->Create(L"x", 0, Rect(0, 0, 10, 10), parent.get(), 1);
    EXPECT_FALSE(hidden->isVisible());
    EXPECT_EQ(hidden->IsWindowVisible(), 0);
    EXPECT_EQ(box->IsWindowVisible(), 1);
    EXPECT_EQ(box->IsWindow(), TRUE);
}

TEST_F(SkinRadioBox, ClicksToggleAndReportTheReleasePoint)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_EQ(box->GetCheck(), 1);
    EXPECT_TRUE(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 6));
    EXPECT_EQ(box->GetCheck(), 0);
    EXPECT_FALSE(box->isChecked());
    const Log expected = {"radio(1,159,30,12)", "cmd(273,0,0,159)", "radio(0,159,5,6)", "cmd(273,0,0,159)"};
    EXPECT_EQ(log, expected);

    // Released outside: nothing changes, nobody hears of it.
    log.clear();
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(30, 12));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(300, 12));
    EXPECT_EQ(box->GetCheck(), 0);
    EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(log.empty());
}

TEST_F(SkinRadioBox, SiblingsAreNotExclusive)
{
    CSFQTRadioBox* other = MakeBox(160, Rect(10, 60, 110, 100));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(50, 20));
    QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(50, 20));
    EXPECT_EQ(box->GetCheck(), 1);
    EXPECT_EQ(other->GetCheck(), 1);
    EXPECT_TRUE(box->isChecked());
}

TEST_F(SkinRadioBox, SpaceKeyTogglesAndReports)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(box->GetCheck(), 1);
    EXPECT_TRUE(box->isChecked());
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(box->GetCheck(), 0);
    EXPECT_FALSE(box->isChecked());
    const Log expected = {"radio(1,159,0,0)", "cmd(273,0,0,159)", "radio(0,159,0,0)", "cmd(273,0,0,159)"};
    EXPECT_EQ(log, expected);
}

TEST_F(SkinRadioBox, SetCheckIsSilentAndResetsTheMouseState)
{
    SendEnter(box, QPointF(1, 1));
    EXPECT_EQ(box->CurrentPictureIndex(), 4);
    box->SetCheck(7);
    EXPECT_EQ(box->GetCheck(), 1);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(box->CurrentPictureIndex(), 0);
    EXPECT_EQ(Render(box).pixel(5, 20), kColors[0]);
    box->SetCheck(0);
    EXPECT_EQ(Render(box).pixel(5, 20), kColors[3]);
    EXPECT_TRUE(log.empty());
}

TEST_F(SkinRadioBox, PictureFollowsMouseAndDisabledWins)
{
    for (int check = 0; check <= 1; ++check) {
        box->SetCheck(check);
        const int on = check ? 0 : 3;
        SendEnter(box, QPointF(1, 1));
        EXPECT_EQ(box->CurrentPictureIndex(), on + 1);
        SendMouse(box, QEvent::MouseButtonPress, QPoint(50, 20));
        EXPECT_EQ(box->CurrentPictureIndex(), on + 2);
        box->SetEnabled(0);
        EXPECT_EQ(box->CurrentPictureIndex(), check ? 6 : 7);
        EXPECT_EQ(Render(box).pixel(5, 20), kColors[check ? 6 : 7]);
        // Mouse events do not reach a disabled box.
        SendMouse(box, QEvent::MouseButtonRelease, QPoint(50, 20));
        SendEnter(box, QPointF(1, 1));
        EXPECT_EQ(box->CurrentPictureIndex(), check ? 6 : 7);
        EXPECT_EQ(box->GetCheck(), check);
        box->SetEnabled(1);
        SendMouse(box, QEvent::MouseButtonRelease, QPoint(500, 20));
        SendLeave(box);
        EXPECT_EQ(box->CurrentPictureIndex(), on);
    }
}

TEST_F(SkinRadioBox, DoubleClickIsSwallowedButItsSecondReleaseToggles)
{
    const QPoint p(40, 20);
    SendMouse(box, QEvent::MouseButtonPress, p);
    SendMouse(box, QEvent::MouseButtonRelease, p);
    SendMouse(box, QEvent::MouseButtonDblClick, p);
    EXPECT_EQ(box->MouseState(), CSFQTRadioBox::StateNormal);
    SendMouse(box, QEvent::MouseButtonRelease, p);
    EXPECT_EQ(box->GetCheck(), 0);
    const Log expected = {"radio(1,159,40,20)", "cmd(273,0,0,159)", "radio(0,159,40,20)", "cmd(273,0,0,159)"};
    EXPECT_EQ(log, expected);
}

TEST_F(SkinRadioBox, ReadOutIsTerminatedAndBounded)
{
    box->SetWindowTextW(L"Slot");
    struct Case
    {
        int size;
        const wchar_t* expected;
        int result;
    };
    const Case cases[] = {{10, L"Slot", 4}, {5, L"Slot", 4}, {4, L"Slo", 3}, {1, L"", 0}, {0, nullptr, 0}};
    for (const Case& c : cases) {
        wchar_t buf[16];
        std::fill(std::begin(buf), std::end(buf), L'#');
        EXPECT_EQ(box->GetWindowTextW(buf, c.size), c.result) << c.size;
        if (c.expected) {
            EXPECT_EQ(std::wstring(buf), std::wstring(c.expected)) << c.size;
        }
        for (int i = c.size; i < 16; ++i)
            ASSERT_EQ(buf[i], L'#') << "size " << c.size << " wrote index " << i;
    }
    EXPECT_EQ(box->GetWindowTextW(nullptr, 8), 0);
}

TEST_F(SkinRadioBox, BoldUsesQt6Weights)
{
    box->SetBoldHeavy(1);
    EXPECT_GE(box->font().weight(), QFont::DemiBold);
    EXPECT_EQ(box->TextFont().weight(), box->font().weight());
    box->SetBoldHeavy(0);
    EXPECT_EQ(box->font().weight(), QFont::Normal);
    EXPECT_EQ(box->TextFont().weight(), QFont::Normal);
}

TEST_F(SkinRadioBox, TextAlignFlags)
{
    const int base = Qt::AlignVCenter | Qt::TextSingleLine;
    EXPECT_EQ(box->TextFlags(), base | Qt::AlignHCenter);
    box->SetTextAlign(0);
    EXPECT_EQ(box->TextFlags(), base);
    box->SetTextAlign(2);
    EXPECT_EQ(box->TextFlags(), base | Qt::AlignRight);
    box->SetTextAlign(1);
    EXPECT_EQ(box->TextFlags(), base | Qt::AlignHCenter);
}

TEST_F(SkinRadioBox, PaintingPlacesIconBackgroundAndTiles)
{
    // Box 100 x 40, icon 20 x 20 at (0, 10).
    const QRgb green = 0xFF00C000;
    box->SetBkColor(RGB(0, 0xC0, 0), RGB(0, 0, 0xC0));
    box->SetCheck(1);

    QImage img = Render(box);
    EXPECT_EQ(img.pixel(0, 0), green);  // whole rectangle
    EXPECT_EQ(img.pixel(99, 39), green);
    EXPECT_EQ(img.pixel(0, 10), kColors[0]);
    EXPECT_EQ(img.pixel(19, 29), kColors[0]);
    EXPECT_EQ(img.pixel(19, 30), green);

    box->SetBkRect(false);
    img = Render(box);
    EXPECT_EQ(img.pixel(0, 0), kSentinel);
    EXPECT_EQ(img.pixel(50, 1), kSentinel);
    EXPECT_EQ(img.pixel(50, 2), green);
    EXPECT_EQ(img.pixel(98, 37), green);
    EXPECT_EQ(img.pixel(99, 20), kSentinel);
    EXPECT_EQ(img.pixel(50, 38), kSentinel);
    EXPECT_EQ(img.pixel(18, 5), kSentinel);  // the band starts at the icon's right edge
    EXPECT_EQ(img.pixel(19, 5), green);
    EXPECT_EQ(img.pixel(19, 20), kColors[0]);
    box->SetCheck(0);
    EXPECT_EQ(Render(box).pixel(50, 2), 0xFF0000C0u);

    // Icon centred together with offset and (empty) text: left = (100 - 20 - 0 - 10 - 1) / 2.
    box->SetBkColor(RGB(0, 0xC0, 0), RGB(0, 0xC0, 0));
    box->SetBkRect(true);
    box->SetTextOffset(10);
    box->SetIconAlign(1);
    img = Render(box);
    EXPECT_EQ(img.pixel(33, 20), green);
    EXPECT_EQ(img.pixel(34, 20), kColors[3]);
    EXPECT_EQ(img.pixel(53, 20), kColors[3]);
    EXPECT_EQ(img.pixel(54, 20), green);

    // Tiling: copies at 0, 20, 40, 60; one at 80 would end at column 99, not left of 99.
    box->SetExpendBGImge(1);
    img = Render(box);
    EXPECT_EQ(img.pixel(0, 20), kColors[3]);
    EXPECT_EQ(img.pixel(79, 20), kColors[3]);
    EXPECT_EQ(img.pixel(80, 20), green);
}

TEST_F(SkinRadioBox, OddHeightCentresTheIconRoundingDown)
{
    box->MoveWindow(10, 10, 100, 41);
    const QImage img = Render(box);
    EXPECT_EQ(img.pixel(5, 9), kSentinel);
    EXPECT_EQ(img.pixel(5, 10), kColors[3]);
    EXPECT_EQ(img.pixel(5, 29), kColors[3]);
    EXPECT_EQ(img.pixel(5, 30), kSentinel);
}

TEST_F(SkinRadioBox, FadeRunsAndIsReplacedSafely)
{
    box->EnableAnimation(1);
    SendEnter(box, QPointF(1, 1));
    EXPECT_TRUE(box->IsFadeRunning());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(40, 20));  // starts a new fade over the old
    EXPECT_TRUE(box->IsFadeRunning());
    QElapsedTimer timer;
    timer.start();
    while (box->IsFadeRunning() && timer.elapsed() < 20000)
        QTest::qWait(20);
    EXPECT_FALSE(box->IsFadeRunning());
    EXPECT_FLOAT_EQ(box->GetPicTransparence(), 1.0f);
    box->EnableAnimation(0);
    SendEnter(box, QPointF(1, 1));
    EXPECT_FALSE(box->IsFadeRunning());
}

// The result slots of the search page: six 220 x 100 boxes re-skinned with the models'
// pictures at run time, kept exclusive by the page's own handler.
class SlotPage : public ISFRadioBoxEvent
{
public:
    void RADIO_OnClicked(int check, int id, POINT /*pt*/) override
    {
        const int i = id - 159;
        if (i < 0 || i > 5)
            return;
        ++clicks;
        if (check) {
            for (int k = 0; k < 6; ++k)
                boxes[k]->SetCheck(k == i ? 1 : 0);
        } else {
            boxes[i]->SetCheck(0);
        }
    }
    int Checked() const
    {
        int found = -1;
        for (int k = 0; k < 6; ++k)
            if (boxes[k]->GetCheck()) {
                if (found >= 0)
                    return -2;  // more than one
                found = k;
            }
        return found;
    }

    CSFRadioBox* boxes[6] = {};
    int clicks = 0;
};

TEST_F(SkinRadioBox, ResultSlotsAreReskinnedAndKeptExclusive)
{
    const QRgb na = 0xFF808080, frame = 0xFF2060E0, plain = 0xFFE06020;
    skin.Solid("na.png", QSize(220, 100), na);
    skin.Solid("M_1_Frame.png", QSize(200, 80), frame);
    skin.Solid("M_1.png", QSize(200, 80), plain);

    SlotPage page;
    parent->resize(700, 250);
    for (int i = 0; i < 6; ++i) {
        page.boxes[i] = SF_CreateRadioBox(&page);
        ASSERT_NE(page.boxes[i], nullptr);
        const int x = (i % 3) * 230, y = (i / 3) * 110;
        page.boxes[i]->Create(L"", WS_VISIBLE, Rect(x, y, x + 220, y + 100), parent.get(), 159 + i);
        ImageRadioBox names;
        for (int k = 0; k < 8; ++k)
            names[k] = L"na.png";
        page.boxes[i]->SetSkin(&names);
    }
    QWidget* slot0 = dynamic_cast<QWidget*>(page.boxes[0]);
    ASSERT_NE(slot0, nullptr);
    EXPECT_EQ(Render(slot0).pixel(110, 50), na);

    // Re-skin: the on look gets the frame picture, the off look the plain one; [6] and [7]
    // keep the placeholder. Model pictures are drawn at their own size, centred vertically.
    ImageRadioBox model;
    model[0] = model[1] = model[2] = L"M_1_Frame.png";
    model[3] = model[4] = model[5] = L"M_1.png";
    for (int i = 0; i < 6; ++i) {
        page.boxes[i]->SetSkin(&model);
        page.boxes[i]->SetCheck(i == 0 ? 1 : 0);
    }
    QImage img = Render(slot0);
    EXPECT_EQ(img.pixel(0, 10), frame);
    EXPECT_EQ(img.pixel(199, 89), frame);
    EXPECT_EQ(img.pixel(100, 9), kSentinel);
    EXPECT_EQ(img.pixel(200, 50), kSentinel);
    QWidget* slot3 = dynamic_cast<QWidget*>(page.boxes[3]);
    EXPECT_EQ(Render(slot3).pixel(100, 50), plain);
    page.boxes[3]->SetEnabled(0);
    EXPECT_EQ(Render(slot3).pixel(100, 50), na);
    page.boxes[3]->SetEnabled(1);

    // Clicking another slot moves the selection; clicking the selected one clears it.
    EXPECT_EQ(page.Checked(), 0);
    QTest::mouseClick(slot3, Qt::LeftButton, {}, QPoint(100, 50));
    EXPECT_EQ(page.Checked(), 3);
    EXPECT_EQ(Render(slot3).pixel(100, 50), frame);
    EXPECT_EQ(Render(slot0).pixel(100, 50), plain);
    QWidget* slot5 = dynamic_cast<QWidget*>(page.boxes[5]);
    QTest::mouseClick(slot5, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(page.Checked(), 5);
    QTest::mouseClick(slot5, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(page.Checked(), -1);
    EXPECT_EQ(page.clicks, 3);
    // Each click also reached the parent as a command with the slot's id.
    const Log expected = {"cmd(273,0,0,162)", "cmd(273,0,0,164)", "cmd(273,0,0,164)"};
    EXPECT_EQ(log, expected);
}

}  // namespace
