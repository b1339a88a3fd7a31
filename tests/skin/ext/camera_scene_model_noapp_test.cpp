// The arithmetic of the camera scenes without widgets: the horizontal scene's widths, markers
// and handle, and the vertical scene's derived values, handle drags and range changes.
#include "skin/ext/SFHorizontalSceneGeometry.h"
#include "skin/ext/SFVerticalSceneModel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// ---- Horizontal scene -------------------------------------------------------------------

TEST(HorizontalSceneGeometry, DistancesSetWidthsAtTheAngleAndMinusOneKeepsBoth)
{
    CSFHorizontalSceneGeometry g;
    g.SetDistances(20, -1);
    EXPECT_NEAR(g.NearWidth(), 12.99679, 1e-5);  // 2 x 20 x tan(18 degrees)
    EXPECT_EQ(g.NearDistance(), 20);
    EXPECT_EQ(g.FarDistance(), 22.5);
    EXPECT_EQ(g.FarWidth(), 15);  // the initial width, not recomputed

    g.SetAngle(90);
    g.SetDistances(g.NearDistance(), g.FarDistance());
    EXPECT_NEAR(g.NearWidth(), 40, 1e-6);
    EXPECT_NEAR(g.FarWidth(), 45, 1e-6);
}

TEST(HorizontalSceneGeometry, HandleReadsBetweenTheMarkersAndKeepsItsWidthOnResize)
{
    CSFHorizontalSceneGeometry g;  // near 15 m / 10 m wide, far 22.5 m / 15 m wide
    g.Resize(400);                 // not read yet: the handle stays
    EXPECT_EQ(g.HandleX(), 300);

    g.Layout(600);
    EXPECT_EQ(g.MarkerSpan(), 260);
    EXPECT_EQ(g.NearMarkerX(), 300);
    EXPECT_EQ(g.FarMarkerX(), 560);
    ASSERT_TRUE(g.DragTo(430));  // half-way between the markers
    g.UpdateHandleValues();
    EXPECT_DOUBLE_EQ(g.HandleWidth(), 12.5);
    EXPECT_DOUBLE_EQ(g.HandleDistance(), 18.75);

    g.Resize(400);  // span 160: half-way is 40 + 160 + 80
    EXPECT_DOUBLE_EQ(g.HandleX(), 280);
    g.UpdateHandleValues();
    EXPECT_DOUBLE_EQ(g.HandleWidth(), 12.5);

    EXPECT_FALSE(g.DragTo(361));  // past the far marker at 360: stays
    EXPECT_FALSE(g.DragTo(199));
    EXPECT_TRUE(g.DragTo(360));
    EXPECT_EQ(g.HandleX(), 360);
}

TEST(HorizontalSceneGeometry, EqualWidthsAndNarrowWidgetsKeepTheHandleANumber)
{
    CSFHorizontalSceneGeometry g;
    g.Layout(600);
    g.UpdateHandleValues();
    g.SetDistances(20, 20);  // equal widths: no place for a width between them
    g.Resize(500);
    EXPECT_EQ(g.HandleX(), 300);

    g.Layout(70);  // no room between the markers
    g.UpdateHandleValues();
    EXPECT_TRUE(std::isfinite(g.HandleWidth()));
    EXPECT_EQ(g.HandleWidth(), g.NearWidth());
    EXPECT_EQ(g.HandleDistance(), g.NearDistance());
}

TEST(HorizontalSceneGeometry, PressGrabsWithinTheHandleBox)
{
    CSFHorizontalSceneGeometry g;  // handle at x 300; in a 200 px widget its line is y 176
    const struct
    {
        double x, y;
        bool grabs;
    } cases[] = {{300, 176, true},    {322.5, 176, true}, {277.5, 185, true}, {323, 176, false},
                 {300, 185.5, false}, {300, 166, false},  {277, 170, false}};
    for (const auto& c : cases)
        EXPECT_EQ(g.HitsHandle(c.x, c.y, 200), c.grabs) << c.x << "," << c.y;
}

// ---- Vertical scene ---------------------------------------------------------------------

class VerticalSceneModelTest : public ::testing::Test
{
protected:
    VerticalSceneModelTest()
    {
        m.SetDrawingSize(600, 300);
        m.SetObject(15, 10);
    }
    CSFVerticalSceneModel m;
};

TEST_F(VerticalSceneModelTest, ObjectGivesTheAnglesFarHeightAndShares)
{
    EXPECT_NEAR(m.HorizontalAngle(), 36.86990, 1e-5);
    EXPECT_NEAR(m.VerticalAngle(), 27.65242, 1e-5);
    EXPECT_NEAR(m.FarHeight(), 8.65125, 1e-5);
    EXPECT_NEAR(m.NearShare(), 0.53806, 1e-5);
    EXPECT_NEAR(m.FarShare(), 0.35870, 1e-5);
    EXPECT_DOUBLE_EQ(m.FarEnd(), 22.5);

    m.SetResolution(1080, 1920);  // a wider picture: a smaller vertical angle
    EXPECT_NEAR(m.VerticalAngle(), 36.86990 * 1080 / 1920, 1e-5);
}

// Each handle dragged to where it stands leaves the scene as it is: the drag formulas and the
// derived values agree (to the ten digits of the circle constant).
TEST_F(VerticalSceneModelTest, HandleDraggedInPlaceKeepsTheScene)
{
    const struct
    {
        int type;
        double at;
    } cases[] = {{1, m.YOf(5)}, {2, m.XOf(15)}, {3, m.XOf(22.5)}, {4, m.YOf(4)}, {5, m.YOf(m.FarHeight())}};
    for (const auto& c : cases) {
        CSFVerticalSceneModel copy = m;
        copy.Drag(c.type, c.at);
        EXPECT_NEAR(copy.CameraHeight(), 5, 1e-7) << c.type;
        EXPECT_NEAR(copy.NearDistance(), 15, 1e-7) << c.type;
        EXPECT_NEAR(copy.ZoneDepth(), 7.5, 1e-7) << c.type;
        EXPECT_NEAR(copy.FarHeight(), m.FarHeight(), 1e-7) << c.type;
        EXPECT_NEAR(copy.ObjectHeight(), 4, 1e-7) << c.type;
    }
}

TEST_F(VerticalSceneModelTest, DragsReportDistancesAndKeepWhatTheyShould)
{
    // Near end 60 px right: 3 m further, the far end stays.
    auto reports = m.Drag(CSFVerticalSceneModel::kNearHandle, m.XOf(15) + 60);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].first, 1);
    EXPECT_NEAR(reports[0].second, 18, 1e-9);
    EXPECT_NEAR(m.FarEnd(), 22.5, 1e-9);
    EXPECT_NEAR(m.FarHeight(),
                5 + 22.5 / std::tan(CSFVerticalSceneModel::kPi - std::atan(18.0 / 5) -
                                    m.VerticalAngle() * CSFVerticalSceneModel::kPi / 180),
                1e-7);

    // Far end to 27 m: the far end, then the near distance that meets it.
    reports = m.Drag(CSFVerticalSceneModel::kFarHandle, m.XOf(27));
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].first, 0);
    EXPECT_NEAR(reports[0].second, 27, 1e-9);
    EXPECT_EQ(reports[1].first, 1);
    EXPECT_NEAR(reports[1].second, m.NearDistance(), 1e-12);
    EXPECT_NEAR(m.FarEnd(), 27, 1e-9);
    EXPECT_NEAR(m.NearDistance(),
                5 * std::tan(std::atan(27 / (5 - m.FarHeight())) -
                             m.VerticalAngle() * CSFVerticalSceneModel::kPi / 180),
                1e-9);

    // Camera raised to 8 m and far height lowered to the camera's: the far end stays each time.
    const double farEnd = m.FarEnd();
    reports = m.Drag(CSFVerticalSceneModel::kCameraHandle, m.YOf(8));
    EXPECT_NEAR(m.CameraHeight(), 8, 1e-9);
    EXPECT_NEAR(m.FarEnd(), farEnd, 1e-9);
    reports = m.Drag(CSFVerticalSceneModel::kFarHeightHandle, m.YOf(8));  // level with the camera
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(std::isfinite(m.NearDistance()));
    EXPECT_NEAR(
        m.NearDistance(),
        8 * std::tan(CSFVerticalSceneModel::kPi / 2 - m.VerticalAngle() * CSFVerticalSceneModel::kPi / 180),
        1e-9);
    EXPECT_NEAR(m.FarEnd(), farEnd, 1e-9);

    // The object never goes below the ground; it reports nothing.
    EXPECT_TRUE(m.Drag(CSFVerticalSceneModel::kObjectHandle, m.GroundY() + 40).empty());
    EXPECT_EQ(m.ObjectHeight(), 0);
    EXPECT_EQ(m.NearShare(), 0);
}

TEST_F(VerticalSceneModelTest, RangesRescaleAndRefuseNothingness)
{
    m.SetVerticalRange(20);  // the camera keeps its share of the height
    EXPECT_NEAR(m.CameraHeight(), 10, 1e-12);
    EXPECT_NEAR(m.FarEnd(), 22.5, 1e-12);
    EXPECT_NEAR(m.FarHeight(),
                10 + 22.5 / std::tan(CSFVerticalSceneModel::kPi - std::atan(15.0 / 10) -
                                     m.VerticalAngle() * CSFVerticalSceneModel::kPi / 180),
                1e-7);

    m.SetHorizontalRange(60);  // distances keep their share of the width
    EXPECT_NEAR(m.NearDistance(), 30, 1e-12);
    EXPECT_NEAR(m.ZoneDepth(), 15, 1e-12);
    EXPECT_NEAR(m.XOf(30), 40 + 300, 1e-9);

    m.SetVerticalRange(0);
    m.SetHorizontalRange(-5);
    EXPECT_EQ(m.VerticalRange(), 20);
    EXPECT_EQ(m.HorizontalRange(), 60);
    EXPECT_TRUE(std::isfinite(m.CameraHeight()));
}

TEST(VerticalSceneModel, PixelsAndBoundsFollowTheDrawingArea)
{
    CSFVerticalSceneModel m;
    EXPECT_EQ(m.HeightAt(100), 0);  // no drawing area yet: no division by zero
    EXPECT_EQ(m.DistanceAt(100), 0);
    m.SetDrawingSize(600, 300);
    m.SetDrawingSize(0, -4);  // sides of 0 or less are left as they are
    EXPECT_EQ(m.DrawingWidth(), 600);
    EXPECT_EQ(m.DrawingHeight(), 300);
    EXPECT_EQ(m.GroundY(), 320);
    EXPECT_EQ(m.YOf(5), 170);
    EXPECT_EQ(m.XOf(15), 340);
    EXPECT_EQ(m.Bounds(1), std::make_pair(20.0, 320.0));
    EXPECT_EQ(m.Bounds(2), std::make_pair(40.0, 640.0));
}

// ---- Edges: a widget with no room, the markers as bounds, what follows each input -------

TEST(HorizontalSceneGeometry, AWidgetOfEightyPixelsReadsTheNearValues)
{
    // No room between the markers (span exactly 0), with near and far widths that differ.
    for (const bool handleOnTheMarker : {false, true}) {
        SCOPED_TRACE(handleOnTheMarker ? "handle on the marker" : "handle where it was");
        CSFHorizontalSceneGeometry g;
        g.SetDistances(12, 30);
        ASSERT_NE(g.NearWidth(), g.FarWidth());
        g.Layout(80);
        EXPECT_EQ(g.MarkerSpan(), 0);
        if (handleOnTheMarker) {
            ASSERT_TRUE(g.DragTo(40));
        }
        g.UpdateHandleValues();
        EXPECT_TRUE(std::isfinite(g.HandleWidth()));
        EXPECT_TRUE(std::isfinite(g.HandleDistance()));
        EXPECT_EQ(g.HandleWidth(), g.NearWidth());
        EXPECT_EQ(g.HandleDistance(), 12);
    }
}

TEST(HorizontalSceneGeometry, ADragOntoTheNearMarkerIsAccepted)
{
    CSFHorizontalSceneGeometry g;
    g.Layout(600);  // near marker 300, far marker 560
    ASSERT_TRUE(g.DragTo(430));
    EXPECT_TRUE(g.DragTo(300));
    EXPECT_EQ(g.HandleX(), 300);
    g.UpdateHandleValues();
    EXPECT_DOUBLE_EQ(g.HandleWidth(), 10);
    EXPECT_DOUBLE_EQ(g.HandleDistance(), 15);
    EXPECT_FALSE(g.DragTo(299.5));
    EXPECT_EQ(g.HandleX(), 300);
}

// The far height and the shares as the derived-value rules give them from the model's inputs
// (to the ten digits of the circle constant).
void ExpectDerivedValuesFollow(const CSFVerticalSceneModel& m)
{
    const double pi = CSFVerticalSceneModel::kPi;
    const double camera = m.CameraHeight();
    const double nearDistance = m.NearDistance();
    const double depth = m.ZoneDepth();
    const double farHeight =
        camera + (nearDistance + depth) /
                     std::tan(pi - std::atan(nearDistance / camera) - m.VerticalAngle() * pi / 180);
    EXPECT_NEAR(m.FarHeight(), farHeight, 1e-7);
    const double n = nearDistance == 0 ? 0.0001 : nearDistance;
    const double d = camera * depth / n + farHeight;
    EXPECT_NEAR(m.FarShare(), m.ObjectHeight() / d, 1e-7);
    EXPECT_NEAR(m.NearShare(), m.ObjectHeight() / (n * d / (n + depth)), 1e-7);
}

TEST_F(VerticalSceneModelTest, FarHeightAndSharesFollowTheHorizontalRangeAndTheCameraHeight)
{
    const double farHeight = m.FarHeight();
    const double nearShare = m.NearShare();
    m.SetHorizontalRange(45);  // near 22.5 m, depth 11.25 m
    ASSERT_NEAR(m.NearDistance(), 22.5, 1e-12);
    EXPECT_NE(m.FarHeight(), farHeight);
    EXPECT_NE(m.NearShare(), nearShare);
    ExpectDerivedValuesFollow(m);

    const double farHeightBefore = m.FarHeight();
    m.SetCameraHeight(8);  // the owner's virtual height
    EXPECT_EQ(m.CameraHeight(), 8);
    EXPECT_NE(m.FarHeight(), farHeightBefore);
    ExpectDerivedValuesFollow(m);
}

TEST_F(VerticalSceneModelTest, ACameraDragTurnsTheViewToKeepTheFarEnd)
{
    const double pi = CSFVerticalSceneModel::kPi;
    const double va = m.VerticalAngle() * pi / 180;
    const double farHeight = m.FarHeight();  // 8.65 m
    // Below the far height, then above it.
    const struct
    {
        double camera;
        double fromVertical;
    } cases[] = {
        {8, pi - std::atan(22.5 / (farHeight - 8))},
        {9.5, std::atan(22.5 / (9.5 - farHeight))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.camera);
        CSFVerticalSceneModel copy = m;
        const auto reports = copy.Drag(CSFVerticalSceneModel::kCameraHandle, copy.YOf(c.camera));
        EXPECT_NEAR(copy.CameraHeight(), c.camera, 1e-9);
        EXPECT_NEAR(copy.FarEnd(), 22.5, 1e-9);
        EXPECT_NEAR(copy.FarHeight(), farHeight, 1e-12);
        const double nearDistance = c.camera * std::tan(c.fromVertical - va);
        EXPECT_NEAR(copy.NearDistance(), nearDistance, 1e-9);
        EXPECT_NEAR(copy.ZoneDepth(), 22.5 - nearDistance, 1e-9);
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0].first, 1);
        EXPECT_NEAR(reports[0].second, nearDistance, 1e-9);
    }
}

TEST_F(VerticalSceneModelTest, TheFarHeightHandleMovesUpAndDownWithinTheDrawing)
{
    EXPECT_TRUE(CSFVerticalSceneModel::MovesVertically(CSFVerticalSceneModel::kFarHeightHandle));
    EXPECT_TRUE(CSFVerticalSceneModel::MovesVertically(CSFVerticalSceneModel::kCameraHandle));
    EXPECT_TRUE(CSFVerticalSceneModel::MovesVertically(CSFVerticalSceneModel::kObjectHandle));
    EXPECT_FALSE(CSFVerticalSceneModel::MovesVertically(CSFVerticalSceneModel::kNearHandle));
    EXPECT_FALSE(CSFVerticalSceneModel::MovesVertically(CSFVerticalSceneModel::kFarHandle));
    EXPECT_EQ(m.Bounds(CSFVerticalSceneModel::kFarHeightHandle), std::make_pair(20.0, 320.0));
}

TEST_F(VerticalSceneModelTest, TheNearEndOnThePoleGivesFiniteShares)
{
    m.Drag(CSFVerticalSceneModel::kNearHandle, CSFVerticalSceneModel::kPoleX);
    ASSERT_EQ(m.NearDistance(), 0);
    EXPECT_TRUE(std::isfinite(m.NearShare()));
    EXPECT_TRUE(std::isfinite(m.FarShare()));
    EXPECT_GT(m.NearShare(), 0);
    EXPECT_GT(m.FarShare(), 0);
    ExpectDerivedValuesFollow(m);
}

}  // namespace
