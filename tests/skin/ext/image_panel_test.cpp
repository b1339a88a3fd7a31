// Image strip: the layout arithmetic on its own, then the control as its owner and its user
// drive it: centring and scrolling, the wheel, hover and double click, duplicates, and the
// hovered and selected numbers after removals.
#include "skin/ext/SFEntryExt.h"
#include "skin/ext/SFImagePanelLayout.h"
#include "skin/ext/SFQTImagePanel.h"
#include "tests/common/test_files.h"
#include "tests/common/widget_test_util.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QPointer>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

// ---- Layout arithmetic (800 x 200, thumbnails 80 x 60, margin, top offset and gap 3) -------

CSFImagePanelLayout MakeLayout(int width = 800)
{
    CSFImagePanelLayout layout;
    layout.SetWidgetSize(QSize(width, 200));
    layout.SetThumbSize(80, 60);
    layout.SetSpacing(3, 3, 3);
    return layout;
}

TEST(ImagePanelLayout, Areas)
{
    const CSFImagePanelLayout layout = MakeLayout();
    EXPECT_EQ(layout.PictureArea(), QRect(0, 0, 600, 186));
    EXPECT_EQ(layout.InfoArea(), QRect(599, 0, 201, 200));
    EXPECT_EQ(layout.ScrollBarArea(), QRect(0, 185, 600, 15));
    EXPECT_EQ(layout.CaptionRect(0), QRect(600, 5, 70, 20));
    EXPECT_EQ(layout.ValueRect(3), QRect(674, 65, 120, 20));
}

TEST(ImagePanelLayout, ScrollRangeAndThumbnailPlaces)
{
    const CSFImagePanelLayout layout = MakeLayout();
    const struct
    {
        int count;
        int maximum;
        int scroll;
        std::vector<int> lefts;  // of the first thumbnails
    } cases[] = {
        {0, 0, 0, {}},
        {1, 0, 0, {260}},
        {3, 0, 0, {177, 260, 343}},  // centred
        {7, 0, 0, {11, 94}},         // 584 of 600: still centred
        {8, 67, 0, {3, 86}},         // one past: starts at the margin
        {10, 233, 0, {3, 86, 169}},
        {10, 233, 233, {-230, -147}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        EXPECT_EQ(layout.ScrollMaximum(c.count), c.maximum);
        for (std::size_t i = 0; i < c.lefts.size(); ++i)
            EXPECT_EQ(layout.ThumbRect(static_cast<int>(i), c.count, c.scroll), QRect(c.lefts[i], 3, 80, 60));
    }
    // A narrower strip reaches further.
    EXPECT_EQ(MakeLayout(700).ScrollMaximum(10), 333);
}

TEST(ImagePanelLayout, HitTest)
{
    const CSFImagePanelLayout layout = MakeLayout();
    const struct
    {
        QPoint pt;
        int count;
        int scroll;
        int hit;
    } cases[] = {
        {{300, 33}, 3, 0, 1},   {{177, 3}, 3, 0, 0},   {{256, 62}, 3, 0, 0},  // corners are inside
        {{258, 33}, 3, 0, -1},                                                // the gap
        {{50, 33}, 3, 0, -1},   {{300, 70}, 3, 0, -1},                        // beside and below
        {{4, 33}, 10, 233, 2},   // scrolled: thumbnail 2 spans 3..82
        {{598, 33}, 10, 0, 7},   // thumbnail 7 starts at 584
        {{610, 33}, 10, 0, -1},  // under the information panel
    };
    for (const auto& c : cases)
        EXPECT_EQ(layout.HitTest(c.pt, c.count, c.scroll), c.hit) << c.pt.x() << "," << c.pt.y();
    EXPECT_TRUE(layout.IsThumbShown(QRect(598, 3, 80, 60)));
    EXPECT_FALSE(layout.IsThumbShown(QRect(599, 3, 80, 60)));
}

// The first thumbnail that reaches a point along the row, found without walking it, also with
// gaps that make thumbnails overlap.
TEST(ImagePanelLayout, FirstThumbnailReachingAPoint)
{
    const CSFImagePanelLayout layout = MakeLayout();
    CSFImagePanelLayout overlapping = MakeLayout();
    overlapping.SetSpacing(3, 3, -40);  // thumbnails every 40 px, each 80 wide
    const struct
    {
        const CSFImagePanelLayout& layout;
        int x;
        int count;
        int scroll;
        int first;
    } cases[] = {
        {layout, 0, 10, 0, 0},        {layout, 82, 10, 0, 0},
        {layout, 83, 10, 0, 1},  // thumbnail 0 spans 3..82
        {layout, 0, 10, 233, 2},      {layout, 15, 10, 233, 2},
        {layout, 16, 10, 233, 3},     {layout, -68, 10, 233, 1},
        {layout, 5000, 10, 0, 10},    {layout, 0, 100000, 8299000, 99987},
        {overlapping, 82, 30, 0, 0},  {overlapping, 83, 30, 0, 1},
        {overlapping, 123, 30, 0, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "x " << c.x << " scroll " << c.scroll);
        EXPECT_EQ(c.layout.FirstReaching(c.x, c.count, c.scroll), c.first);
        // It agrees with the row's own places.
        if (c.first < c.count)
            EXPECT_GE(c.layout.ThumbRect(c.first, c.count, c.scroll).right(), c.x);
        if (c.first > 0)
            EXPECT_LT(c.layout.ThumbRect(c.first - 1, c.count, c.scroll).right(), c.x);
    }
    EXPECT_EQ(overlapping.HitTest(QPoint(60, 33), 30, 0), 0);  // the first of two that overlap
    EXPECT_EQ(layout.HitTest(QPoint(300, 33), 100000, 8299000), 99991);
}

// ---- Layout spacings: the defaults, a top offset of its own, the slot after the last ------

TEST(ImagePanelLayout, DefaultSpacingsAreThree)
{
    CSFImagePanelLayout layout;  // no SetSpacing
    layout.SetWidgetSize(QSize(800, 200));
    layout.SetThumbSize(80, 60);
    EXPECT_EQ(layout.Gap(), 3);
    // Eight thumbnails do not fit: the row starts at the margin, one gap between each.
    EXPECT_EQ(layout.ThumbRect(0, 8, 0), QRect(3, 3, 80, 60));
    EXPECT_EQ(layout.ThumbRect(1, 8, 0), QRect(86, 3, 80, 60));
}

TEST(ImagePanelLayout, TopOffsetIsNotTheMargin)
{
    CSFImagePanelLayout layout = MakeLayout();
    layout.SetSpacing(3, 20, 3);
    EXPECT_EQ(layout.ThumbRect(0, 3, 0), QRect(177, 20, 80, 60));
    EXPECT_EQ(layout.HitTest(QPoint(200, 20), 3, 0), 0);
    EXPECT_EQ(layout.HitTest(QPoint(200, 79), 3, 0), 0);
    EXPECT_EQ(layout.HitTest(QPoint(200, 19), 3, 0), -1);
    EXPECT_EQ(layout.HitTest(QPoint(200, 80), 3, 0), -1);
    layout.SetSpacing(10, 3, 3);  // a margin of its own leaves the top where it was
    EXPECT_EQ(layout.ThumbRect(0, 8, 0), QRect(10, 3, 80, 60));
}

TEST(ImagePanelLayout, TheSlotAfterTheLastThumbnailHitsNothing)
{
    const CSFImagePanelLayout layout = MakeLayout();
    // Three centred thumbnails end at 422; where a fourth would stand (426..505) is empty.
    for (const int x : {423, 426, 460, 505})
        EXPECT_EQ(layout.HitTest(QPoint(x, 33), 3, 0), -1) << x;
    EXPECT_EQ(layout.HitTest(QPoint(422, 33), 3, 0), 2);
    EXPECT_EQ(layout.HitTest(QPoint(300, 33), 0, 0), -1);  // no items at all
}

// Skin numbers far past any screen (a hostile or broken skin file) neither wrap the row round
// nor overflow: sizes and spacings are held at 16777215, a row too long scrolls as far as an
// int scroll bar reaches, and a thumbnail past the end stays unshown.
TEST(ImagePanelLayout, HostileSkinNumbersDoNotWrap)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    const struct
    {
        int width, margin, gap;
        int count;
        int maximum;
    } cases[] = {
        {kMax, 3, 3, 2, 33553839}, {80, kMax, 3, 1, 33553910}, {80, 3, kMax, 2, 16776781},
        {80, 3, 3, kMax, kMax},    {kMin, 3, 3, 2, 0},         {kMax, kMax, kMax, kMax, kMax},
        {80, kMin, kMin, 1000, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.width << " " << c.margin << " " << c.gap << " " << c.count);
        CSFImagePanelLayout layout = MakeLayout();
        layout.SetThumbSize(c.width, c.width);
        layout.SetSpacing(c.margin, c.margin, c.gap);
        EXPECT_EQ(layout.ScrollMaximum(c.count), c.maximum);
        const QRect first = layout.ThumbRect(0, c.count, 0);
        const int held = std::clamp(c.width, -16777215, 16777215);
        EXPECT_EQ(first.size(), QSize(held, held));
        // The second thumbnail lies after the first, never wrapped round to the left.
        if (c.width == kMax || c.gap == kMax)
            EXPECT_FALSE(layout.IsThumbShown(layout.ThumbRect(1, c.count, 0)));
        (void)layout.HitTest(QPoint(300, 33), c.count, 0);
        (void)layout.ThumbRect(c.count - 1, c.count, kMax);
    }
}

// ---- The control --------------------------------------------------------------------------

class Sink : public ISFImagePanelEvent
{
public:
    void IMGPNL_OnPlayImage(const wchar_t* path) override { played.emplace_back(path ? path : L"(null)"); }
    std::vector<std::wstring> played;
};

const QColor kWhite(255, 255, 255);
const QColor kSelection(69, 136, 255);
const QColor kInfo(92, 101, 118);

// A shown 800 x 200 strip skinned as in the layout tests, and ten solid-colour stills.
class ImagePanelTest : public ::testing::Test
{
protected:
    ImagePanelTest()
    {
        for (int i = 0; i < 10; ++i) {
            colours.push_back(QColor::fromHsv(i * 36, 255, 200).toRgb());
            QImage img(16, 12, QImage::Format_RGB32);
            img.fill(colours.back());
            const std::string path = dir / ("still" + std::to_string(i) + ".png");
            img.save(QString::fromStdString(path));
            paths.push_back(QString::fromStdString(path).toStdWString());
        }
        parent.resize(820, 220);
        parent.show();
        strip = dynamic_cast<CSFQTImagePanel*>(SF_CreateImagePanel(&sink));
        if (!strip)
            return;
        strip->Create(L"", RECT{0, 0, 800, 200}, &parent, 1);
        UIImagePanelStyle skin = Skin();
        strip->SetSkin(&skin);
        strip->ShowWindow(1);
    }

    // White, 80 x 60 thumbnails, 3-px spacings.
    static UIImagePanelStyle Skin()
    {
        UIImagePanelStyle skin;
        skin[12] = L"FFFFFF";
        skin.nThumbHeight = 60;  // height before width
        skin.nThumbWidth = 80;
        skin.nMargin = skin.nTopOffset = skin.nGap = 3;
        return skin;
    }

    void Add(int count)
    {
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(strip->AddItem(paths[i].c_str(), Name(i).c_str(), L"Motion", L"08:00", L"08:05"), TRUE);
    }
    static std::wstring Name(int i) { return L"item" + std::to_wstring(i); }

    QImage Shot() { return strip->grab().toImage(); }
    QPoint Centre(int index)
    {
        return strip->Layout().ThumbRect(index, strip->GetCount(), strip->ScrollBar()->value()).center();
    }
    void DoubleClick(const QPoint& at) { testutil::SendMouse(strip, QEvent::MouseButtonDblClick, at); }
    void Move(const QPoint& at) { testutil::SendMouse(strip, QEvent::MouseMove, at, Qt::NoButton); }
    std::wstring Hot()
    {
        const wchar_t* p = strip->GetHotImagePath();
        return p ? std::wstring(p) : L"(null)";
    }

    testutil::TempDir dir;
    std::vector<QColor> colours;
    std::vector<std::wstring> paths;
    Sink sink;
    QWidget parent;
    CSFQTImagePanel* strip = nullptr;
};

TEST_F(ImagePanelTest, FewItemsAreCentredWithNothingToScroll)
{
    ASSERT_NE(strip, nullptr);
    Add(3);
    EXPECT_EQ(strip->ScrollBar()->maximum(), 0);
    EXPECT_TRUE(strip->ScrollBar()->isVisible());
    const QImage shot = Shot();
    const int lefts[] = {177, 260, 343};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(shot.pixelColor(lefts[i] + 40, 33), colours[i]) << i;
        EXPECT_EQ(shot.pixelColor(lefts[i], 3), colours[i]) << i;
        EXPECT_EQ(shot.pixelColor(lefts[i] - 1, 33), kWhite) << i;
    }
    EXPECT_EQ(shot.pixelColor(100, 33), kWhite);
    EXPECT_EQ(shot.pixelColor(700, 150), kInfo);
}

TEST_F(ImagePanelTest, ManyItemsScrollByBarAndWheel)
{
    ASSERT_NE(strip, nullptr);
    Add(10);
    EXPECT_EQ(strip->ScrollBar()->maximum(), 233);
    EXPECT_EQ(strip->ScrollBar()->pageStep(), 800);
    EXPECT_EQ(strip->ScrollBar()->singleStep(), 80);
    QImage shot = Shot();
    EXPECT_EQ(shot.pixelColor(3, 33), colours[0]);
    EXPECT_EQ(shot.pixelColor(2, 33), kWhite);
    EXPECT_EQ(shot.pixelColor(Centre(9)), kInfo);

    // The wheel over the strip goes to the bar once the posted copy is handled.
    QWheelEvent wheel(QPointF(300, 33), QPointF(strip->mapToGlobal(QPoint(300, 33))), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(strip, &wheel);
    EXPECT_TRUE(wheel.isAccepted());
    QCoreApplication::processEvents();
    EXPECT_EQ(strip->ScrollBar()->value(), 233);  // three single steps, held at the end
    shot = Shot();
    EXPECT_EQ(shot.pixelColor(Centre(9)), colours[9]);              // was under the information panel
    EXPECT_EQ(shot.pixelColor(Centre(9) + QPoint(41, 0)), kWhite);  // the end margin

    // At the end of the range the bar leaves the wheel unused: it must not come back to the
    // strip and be posted again for ever.
    strip->ScrollBar()->setValue(strip->ScrollBar()->maximum());
    int wheelsSeen = 0;
    struct Counter : QObject
    {
        int* seen;
        explicit Counter(int* s) : seen(s) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Wheel)
                ++*seen;
            return false;
        }
    } counter(&wheelsSeen);
    strip->installEventFilter(&counter);
    QWheelEvent again(QPointF(300, 33), QPointF(strip->mapToGlobal(QPoint(300, 33))), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(strip, &again);
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    strip->removeEventFilter(&counter);
    EXPECT_EQ(wheelsSeen, 1);
    EXPECT_EQ(strip->ScrollBar()->value(), 233);
}

TEST_F(ImagePanelTest, ResizeKeepsTheRowReachable)
{
    ASSERT_NE(strip, nullptr);
    Add(10);
    strip->MoveWindow(0, 0, 700, 200);
    EXPECT_EQ(strip->ScrollBar()->maximum(), 333);
    EXPECT_EQ(strip->ScrollBar()->geometry(), QRect(0, 185, 500, 15));
    RECT rc{0, 0, 899, 199};  // inclusive: 900 x 200
    strip->MoveWindow(&rc);
    EXPECT_EQ(strip->size(), QSize(900, 200));
    EXPECT_EQ(strip->ScrollBar()->maximum(), 133);
}

TEST_F(ImagePanelTest, HoverEnlargesAndFillsTheInformationPanel)
{
    ASSERT_NE(strip, nullptr);
    Add(3);
    const QRect values(674, 5, 120, 80);
    const QImage before = Shot();
    Move(Centre(1));
    EXPECT_EQ(strip->HoverIndex(), 1);
    const QImage after = Shot();
    EXPECT_EQ(after.pixelColor(257, 33), colours[1]);  // grown by the gap on every side
    EXPECT_EQ(after.pixelColor(260 + 82, 0), colours[1]);
    EXPECT_EQ(before.pixelColor(257, 33), kWhite);
    EXPECT_NE(after.copy(values), before.copy(values));

    Move(QPoint(50, 33));
    EXPECT_EQ(strip->HoverIndex(), -1);
    EXPECT_EQ(Shot().pixelColor(257, 33), kWhite);
}

TEST_F(ImagePanelTest, DoubleClickSelectsAndAsksToPlay)
{
    ASSERT_NE(strip, nullptr);
    Add(3);
    EXPECT_EQ(Hot(), L"(null)");
    DoubleClick(Centre(2));
    EXPECT_EQ(sink.played, std::vector<std::wstring>{paths[2]});
    EXPECT_EQ(Hot(), paths[2]);
    const QImage shot = Shot();
    EXPECT_EQ(shot.pixelColor(343, 33), kSelection);  // a one-pixel frame
    EXPECT_EQ(shot.pixelColor(422, 62), kSelection);
    EXPECT_EQ(shot.pixelColor(344, 33), colours[2]);

    DoubleClick(QPoint(50, 33));
    EXPECT_EQ(sink.played.size(), 1u);
    EXPECT_EQ(Hot(), L"(null)");
    EXPECT_EQ(Shot().pixelColor(343, 33), colours[2]);
}

TEST_F(ImagePanelTest, SamePathAndNameIsRefused)
{
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->AddItem(paths[0].c_str(), L"a", L"t", L"s", L"e"), TRUE);
    EXPECT_EQ(strip->AddItem(paths[0].c_str(), L"a", L"other", L"s", L"e"), FALSE);
    EXPECT_EQ(strip->AddItem(paths[0].c_str(), L"b", L"t", L"s", L"e"), TRUE);
    EXPECT_EQ(strip->AddItem(paths[1].c_str(), L"a", L"t", L"s", L"e"), TRUE);
    EXPECT_EQ(strip->AddItem(nullptr, nullptr, nullptr, nullptr, nullptr), TRUE);
    EXPECT_EQ(strip->AddItem(L"", L"", L"", L"", L""), FALSE);
    EXPECT_EQ(strip->GetCount(), 4);
}

// After a removal the hovered and selected numbers stay and name the following item; a number
// left past the end names nothing, also when items come back.
TEST_F(ImagePanelTest, NumbersAfterRemoval)
{
    ASSERT_NE(strip, nullptr);
    const struct
    {
        const char* what;
        int selected;
        std::function<void(CSFQTImagePanel*)> remove;
        int selectedAfter;
        int hotPath;  // the still whose path GetHotImagePath gives, -1 for none
    } cases[] = {
        {"an earlier item", 1, [](CSFQTImagePanel* s) { s->DelByItemName(Name(0).c_str()); }, 1, 2},
        {"the selected last item", 2, [](CSFQTImagePanel* s) { s->DelByItemName(Name(2).c_str()); }, -1, -1},
        {"a later item", 0, [](CSFQTImagePanel* s) { s->DelByItemName(Name(2).c_str()); }, 0, 0},
        {"an unknown name", 2, [](CSFQTImagePanel* s) { s->DelByItemName(L"nobody"); }, 2, 2},
        {"all", 1, [](CSFQTImagePanel* s) { s->ClearItems(); }, -1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        strip->ClearItems();
        Add(3);
        DoubleClick(Centre(c.selected));
        Move(Centre(c.selected));
        ASSERT_EQ(strip->SelectedIndex(), c.selected);
        c.remove(strip);
        EXPECT_EQ(strip->SelectedIndex(), c.selectedAfter);
        EXPECT_EQ(strip->HoverIndex(), c.selectedAfter);
        const QImage shot = Shot();  // paints with the numbers left
        if (c.hotPath < 0) {
            EXPECT_EQ(Hot(), L"(null)");
            ASSERT_EQ(strip->AddItem(paths[9].c_str(), L"new", L"", L"", L""), TRUE);
            EXPECT_EQ(Hot(), L"(null)");
            EXPECT_EQ(strip->HoverIndex(), -1);
        } else {
            EXPECT_EQ(Hot(), paths[static_cast<std::size_t>(c.hotPath)]);
            // Hovered and selected: the grown rectangle carries the frame.
            const QRect r = strip->Layout().ThumbRect(c.selectedAfter, strip->GetCount(), 0);
            EXPECT_EQ(shot.pixelColor(r.left() - 3, r.top() + 30), kSelection);
            EXPECT_EQ(shot.pixelColor(r.left() - 2, r.top() + 30),
                      colours[static_cast<std::size_t>(c.hotPath)]);
        }
    }
    strip->ClearItems();
    EXPECT_EQ(strip->GetCount(), 0);
    EXPECT_EQ(strip->ScrollBar()->maximum(), 0);
}

TEST_F(ImagePanelTest, SkinColoursAndNullRecord)
{
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->SetSkin(nullptr), FALSE);
    UIImagePanelStyle skin;
    skin[12] = L"102030";
    skin.nThumbHeight = 60;
    skin.nThumbWidth = 80;
    skin.nMargin = skin.nTopOffset = skin.nGap = 3;
    EXPECT_EQ(strip->SetSkin(&skin), TRUE);
    EXPECT_EQ(Shot().pixelColor(100, 100), QColor(0x10, 0x20, 0x30));
}

// The information panel shows the hovered thumbnail's texts, never the record's own.
TEST_F(ImagePanelTest, TheRecordsInformationTextsAreNotShown)
{
    ASSERT_NE(strip, nullptr);
    Add(3);
    const QImage plain = Shot();
    UIImagePanelStyle skin = Skin();
    skin[8] = L"Kind";
    skin[9] = L"Title";
    skin[10] = L"From";
    skin[11] = L"To";
    ASSERT_EQ(strip->SetSkin(&skin), TRUE);
    EXPECT_EQ(Shot(), plain);
}

TEST_F(ImagePanelTest, HotPathIsTheSelectedItemsPathUnchanged)
{
    ASSERT_NE(strip, nullptr);
    const std::wstring odd = L"/no/such/Folder/Bild \u00e4\u4e2d.PNG";
    ASSERT_EQ(strip->AddItem(odd.c_str(), L"n", L"", L"", L""), TRUE);
    DoubleClick(Centre(0));
    EXPECT_EQ(Hot(), odd);
    EXPECT_EQ(sink.played, std::vector<std::wstring>{odd});
}

// A long row scrolled far: the thumbnails in view are drawn and hit where they lie, and the
// hovered one's texts show.
TEST_F(ImagePanelTest, FarScrolledRowDrawsAndHitsTheThumbnailsInView)
{
    ASSERT_NE(strip, nullptr);
    const int count = 2000;
    for (int i = 0; i < count; ++i)
        ASSERT_EQ(strip->AddItem(paths[i % 10].c_str(), Name(i).c_str(), L"Motion", L"08:00", L"08:05"),
                  TRUE);
    strip->ScrollBar()->setValue(1000 * 83 + 40);  // thumbnail 1000 half out to the left
    const int first = 1000;
    EXPECT_EQ(strip->Layout().HitTest(QPoint(10, 33), count, strip->ScrollBar()->value()), first);
    Move(QPoint(300, 33));
    const int hovered = strip->HoverIndex();
    EXPECT_EQ(hovered, first + 4);
    const QImage shot = Shot();
    for (int i = first; i < first + 7; ++i) {
        const QRect r = strip->Layout().ThumbRect(i, count, strip->ScrollBar()->value());
        const QPoint at(std::max(r.left(), 0) + 2, r.center().y());
        EXPECT_EQ(shot.pixelColor(at), colours[i % 10]) << i;
    }
    // Thumbnail 1000, cut by the left edge, is drawn up to it.
    EXPECT_EQ(shot.pixelColor(0, 33), colours[0]);
}

// A removed item's path and name may be added again.
TEST_F(ImagePanelTest, RemovedItemMayComeBack)
{
    ASSERT_NE(strip, nullptr);
    Add(3);
    strip->DelByItemName(Name(1).c_str());
    EXPECT_EQ(strip->AddItem(paths[1].c_str(), Name(1).c_str(), L"", L"", L""), TRUE);
    EXPECT_EQ(strip->AddItem(paths[1].c_str(), Name(1).c_str(), L"", L"", L""), FALSE);
    strip->ClearItems();
    EXPECT_EQ(strip->AddItem(paths[0].c_str(), Name(0).c_str(), L"", L"", L""), TRUE);
    EXPECT_EQ(strip->GetCount(), 1);
}

// An owner that closes the strip when asked to play touches no freed strip.
TEST_F(ImagePanelTest, OwnerMayDeleteTheStripWhenAskedToPlay)
{
    struct Closer : ISFImagePanelEvent
    {
        CSFImagePanel* strip = nullptr;
        std::vector<std::wstring> played;
        void IMGPNL_OnPlayImage(const wchar_t* path) override
        {
            played.emplace_back(path);
            delete strip;
        }
    } closer;
    auto* own = dynamic_cast<CSFQTImagePanel*>(SF_CreateImagePanel(&closer));
    ASSERT_NE(own, nullptr);
    own->Create(L"", RECT{0, 0, 800, 200}, &parent, 2);
    UIImagePanelStyle skin = Skin();
    own->SetSkin(&skin);
    own->ShowWindow(1);
    ASSERT_EQ(own->AddItem(paths[0].c_str(), L"a", L"", L"", L""), TRUE);
    closer.strip = own;
    QPointer<QWidget> alive(own);
    const QPoint at = own->Layout().ThumbRect(0, 1, 0).center();
    testutil::SendMouse(own, QEvent::MouseButtonDblClick, at);
    EXPECT_TRUE(alive.isNull());
    EXPECT_EQ(closer.played, std::vector<std::wstring>{paths[0]});
}

TEST_F(ImagePanelTest, DestroyEntryLeavesTheStripToItsParent)
{
    ASSERT_NE(strip, nullptr);
    QPointer<QWidget> alive(strip);
    SF_DestroyImagePanel(strip);
    SF_DestroyImagePanel(nullptr);
    EXPECT_FALSE(alive.isNull());
}

}  // namespace
