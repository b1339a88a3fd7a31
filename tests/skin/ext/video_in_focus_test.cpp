// The focus graph as an owner drives it through its factory and facade: values fed in each
// mode, and what each mode paints.
#include "skin/ext/SFEntryExt.h"
#include "skin/ext/SFQTVideoInFocus.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include <cmath>
#include <vector>

namespace {

bool IsGreen(QRgb p) { return qGreen(p) > 128 && qRed(p) < 64 && qBlue(p) < 64; }
bool IsRed(QRgb p) { return qRed(p) > 128 && qGreen(p) < 64 && qBlue(p) < 64; }
bool IsBlack(QRgb p) { return qRed(p) == 0 && qGreen(p) == 0 && qBlue(p) == 0; }

// A 200 x 150 graph: steps of 2 px, a plot 100 px high standing on row 149.
class FocusGraphTest : public ::testing::Test
{
protected:
    FocusGraphTest()
    {
        parent.resize(300, 200);
        facade = SF_CreateVideoInFocus();
        graph = dynamic_cast<CSFQTVideoInFocus*>(facade);
        if (graph)
            facade->Create(L"focus", WS_VISIBLE, RECT{0, 0, 199, 149}, &parent, 1);
    }
    QImage Shot() { return graph->grab().toImage(); }
    // The columns (and rows) that hold a pixel the test picks.
    template <class Pick>
    std::vector<int> Columns(const QImage& img, Pick pick)
    {
        std::vector<int> xs;
        for (int x = 0; x < img.width(); ++x)
            for (int y = 0; y < img.height(); ++y)
                if (pick(img.pixel(x, y))) {
                    xs.push_back(x);
                    break;
                }
        return xs;
    }
    template <class Pick>
    std::vector<int> Rows(const QImage& img, Pick pick)
    {
        std::vector<int> ys;
        for (int y = 0; y < img.height(); ++y)
            if (pick(img.pixel(img.width() / 2, y)))
                ys.push_back(y);
        return ys;
    }
    QWidget parent;
    CSFVideoInFocus* facade = nullptr;
    CSFQTVideoInFocus* graph = nullptr;
};

TEST_F(FocusGraphTest, FacadeStoresValuesByMode)
{
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(facade->SetSkin(nullptr), 1);
    facade->SetMode(1);
    for (int v : {5, 5, 5, 9})
        EXPECT_EQ(facade->AddPointY(v), 1);
    EXPECT_EQ(graph->Data().Points(), (std::vector<int>{5, 9}));
    facade->SetMode(2);
    facade->AddPointY(7);
    EXPECT_EQ(graph->Data().Reference(), 7);
    EXPECT_EQ(graph->Data().Points().size(), 2u);
    facade->SetString(L"caption", 0);
    facade->SetString(L"centre", 1);
    EXPECT_EQ(graph->Caption(), QStringLiteral("caption"));
    EXPECT_EQ(graph->CentreText(), QStringLiteral("centre"));
    facade->ClearPointY();
    EXPECT_TRUE(graph->Data().Points().empty());
    EXPECT_EQ(graph->Data().Peak(), 0);
}

TEST_F(FocusGraphTest, LiveCurveStartsLeftAndScrolls)
{
    ASSERT_NE(graph, nullptr);
    facade->SetMode(1);
    for (int v = 1; v <= 50; ++v)
        facade->AddPointY(v);
    std::vector<int> xs = Columns(Shot(), IsGreen);
    ASSERT_FALSE(xs.empty());
    EXPECT_EQ(xs.front(), 0);
    EXPECT_EQ(xs.back(), 49 * 2);

    for (int v = 51; v <= 130; ++v)  // 130 values: the newest hundred fill the width
        facade->AddPointY(v);
    const QImage img = Shot();
    xs = Columns(img, IsGreen);
    ASSERT_FALSE(xs.empty());
    EXPECT_EQ(xs.back(), 99 * 2);
    EXPECT_TRUE(IsGreen(img.pixel(198, 149 - 100)));  // the newest is the peak: the plot's top
    EXPECT_TRUE(IsGreen(img.pixel(0, int(std::lround(149 - 31 * 100.0 / 130)))));  // value 31 at the left
}

TEST_F(FocusGraphTest, PeakModeDrawsBandCurveAndReferenceLine)
{
    ASSERT_NE(graph, nullptr);
    facade->SetMode(1);
    for (int v = 1; v <= 50; ++v)
        facade->AddPointY(v);  // peak 50: 2 px per unit
    facade->SetMode(2);
    facade->AddPointY(20);
    const QImage img = Shot();
    EXPECT_EQ(Rows(img, IsRed), std::vector<int>{149 - 40});
    EXPECT_TRUE(IsRed(img.pixel(0, 109)));
    EXPECT_TRUE(IsRed(img.pixel(199, 109)));
    const QRgb band = img.pixel(5, 5);
    EXPECT_TRUE(qRed(band) > 0 && qRed(band) == qGreen(band) && qGreen(band) == qBlue(band));
    EXPECT_TRUE(IsBlack(img.pixel(5, 60)));

    facade->SetMode(0);  // forgets the peak: no scale, so no curve and no line
    facade->SetMode(2);
    const QImage none = Shot();
    EXPECT_TRUE(Rows(none, IsRed).empty());
    EXPECT_TRUE(Columns(none, IsGreen).empty());
}

TEST_F(FocusGraphTest, TextModeShowsOnlyTheCentreText)
{
    ASSERT_NE(graph, nullptr);
    facade->SetMode(1);
    for (int v = 1; v <= 50; ++v)
        facade->AddPointY(v);
    facade->SetMode(0);
    QImage img = Shot();
    EXPECT_TRUE(Columns(img, [](QRgb p) { return !IsBlack(p); }).empty());

    facade->SetString(L"Sharp", 1);
    img = Shot();
    const std::vector<int> xs = Columns(img, [](QRgb p) { return qGreen(p) > 100; });
    ASSERT_FALSE(xs.empty());
    EXPECT_GT(xs.front(), 50);  // centred
    EXPECT_LT(xs.back(), 150);
}

}  // namespace
