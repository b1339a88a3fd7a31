// The camera scenes as an owner uses them, through their factories and facades: the values
// the horizontal scene's handle reads, the vertical scene's reports for drags and settings,
// the simulation scene's object size, a few painted pixels of each, and how each reads the
// rectangles it is given.
#include "skin/ext/SFEntryExt.h"
#include "skin/ext/SFQTHorizontalScene.h"
#include "skin/ext/SFQTPixmapItem.h"
#include "skin/ext/SFQTSimulationScene.h"
#include "skin/ext/SFQTVSliderItem.h"
#include "skin/ext/SFQTVerticalScene.h"
#include "skin/ext/SFQTVideoInFocus.h"
#include "skin/ext/SFSceneStyles.h"
#include "skin/ext/SFSkinRecordsExt.h"
#include "tests/common/test_files.h"
#include "tests/common/widget_test_util.h"

#include <gtest/gtest.h>

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QPointer>
#include <QSpinBox>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

template <class Impl, class Facade>
Impl* Cast(Facade* facade)
{
    EXPECT_NE(facade, nullptr);
    return dynamic_cast<Impl*>(facade);
}

bool SameRgb(QRgb pixel, const QColor& want)
{
    return qRed(pixel) == want.red() && qGreen(pixel) == want.green() && qBlue(pixel) == want.blue();
}

// A parent window with the generated skin pictures as the skin folder.
class CameraSceneTest : public ::testing::Test
{
protected:
    CameraSceneTest()
    {
        SF_SetSkinPath(QStringLiteral(TESSALY_EXT_SKIN_DIR).toStdWString());
        parent.resize(800, 420);
    }
    QWidget parent;
};

// ---- Horizontal scene -------------------------------------------------------------------

class HorizontalSceneTest : public CameraSceneTest
{
protected:
    HorizontalSceneTest()
    {
        facade = SF_CreateHorizontalScene();
        scene = Cast<CSFQTHorizontalScene>(facade);
        if (scene)
            scene->Create(L"top view", WS_VISIBLE, RECT{0, 0, 599, 199}, &parent, 1);  // 600 x 200
    }
    QImage Shot() { return scene->grab().toImage(); }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        testutil::SendMouse(scene, type, at, button);
    }
    CSFHorizontalScene* facade = nullptr;
    CSFQTHorizontalScene* scene = nullptr;
};

TEST_F(HorizontalSceneTest, AngleAndDistancesSetTheWidths)
{
    ASSERT_NE(scene, nullptr);
    facade->ChangeDis(20, -1);
    EXPECT_NEAR(scene->Geometry().NearWidth(), 12.99679, 1e-5);
    EXPECT_EQ(scene->Geometry().FarWidth(), 15);
    facade->ChangeAngle(90);  // both widths recomputed: twice their distances
    EXPECT_NEAR(scene->Geometry().NearWidth(), 40, 1e-6);
    EXPECT_NEAR(scene->Geometry().FarWidth(), 45, 1e-6);
}

TEST_F(HorizontalSceneTest, DragReadsTheHandleAndStopsAtTheMarkers)
{
    ASSERT_NE(scene, nullptr);
    Shot();
    const int grabY = 200 - 24;
    Mouse(QEvent::MouseButtonPress, QPoint(300, grabY), Qt::RightButton);
    EXPECT_FALSE(scene->IsDragging());
    Mouse(QEvent::MouseButtonPress, QPoint(300, grabY + 12));  // below the handle
    EXPECT_FALSE(scene->IsDragging());
    Mouse(QEvent::MouseMove, QPoint(430, grabY));
    EXPECT_EQ(scene->Geometry().HandleX(), 300);
    Mouse(QEvent::MouseButtonRelease, QPoint(430, grabY));

    Mouse(QEvent::MouseButtonPress, QPoint(310, grabY + 5));
    EXPECT_TRUE(scene->IsDragging());
    Mouse(QEvent::MouseMove, QPoint(430, grabY));
    Mouse(QEvent::MouseMove, QPoint(590, grabY));  // past the far marker at 560
    EXPECT_EQ(scene->Geometry().HandleX(), 430);
    const QImage held = Shot();
    EXPECT_DOUBLE_EQ(scene->Geometry().HandleWidth(), 12.5);
    EXPECT_DOUBLE_EQ(scene->Geometry().HandleDistance(), 18.75);
    Mouse(QEvent::MouseButtonRelease, QPoint(590, grabY));
    EXPECT_FALSE(scene->IsDragging());
    const QImage free = Shot();

    // The handle's line is red while held, white after (sampled above the wedge).
    const QRgb heldLine = held.pixel(430, 12 + 20), freeLine = free.pixel(430, 12 + 20);
    EXPECT_GT(qRed(heldLine), qGreen(heldLine) + 40);
    EXPECT_GT(qGreen(freeLine), qGreen(held.pixel(400, 32)) + 20);

    facade->MoveWindow(0, 0, 400, 200);  // the handle keeps its width: half-way again
    EXPECT_DOUBLE_EQ(scene->Geometry().HandleX(), 280);
    EXPECT_EQ(scene->size(), QSize(400, 200));
}

TEST_F(HorizontalSceneTest, PaintsZonesAndPictures)
{
    ASSERT_NE(scene, nullptr);
    QImage img = Shot();
    EXPECT_TRUE(SameRgb(img.pixel(0, 0), QColor(105, 113, 127)));
    EXPECT_TRUE(SameRgb(img.pixel(170, 100), QColor(127, 133, 143)));  // half-way to the near marker
    EXPECT_TRUE(SameRgb(img.pixel(430, 100), QColor(75, 79, 87)));     // half-way between the markers
    EXPECT_TRUE(SameRgb(img.pixel(22, 100), QColor(105, 113, 127)));   // no camera picture yet

    EXPECT_EQ(facade->SetSkin(nullptr), 0);
    ImageHorizontalStyle style = HorizontalSceneSkinRecord();
    EXPECT_EQ(facade->SetSkin(&style), 1);
    img = Shot();
    EXPECT_FALSE(SameRgb(img.pixel(22, 100), QColor(105, 113, 127)));   // camera left of the apex
    EXPECT_FALSE(SameRgb(img.pixel(300, 176), QColor(105, 113, 127)));  // handle on its line
}

TEST_F(HorizontalSceneTest, HugeValuesPaintWithoutOverrun)
{
    ASSERT_NE(scene, nullptr);
    facade->ChangeDis(1e200, -1);
    Shot();
    EXPECT_NEAR(scene->Geometry().NearWidth() / 1e200, 2 * std::tan(18 * 3.1415926535 / 180), 1e-9);
    EXPECT_TRUE(std::isinf(scene->Geometry().HandleWidth()) ||
                std::fabs(scene->Geometry().HandleWidth()) > 1e199);
}

// ---- Vertical scene ---------------------------------------------------------------------

struct RecordingSink : ISFVerticalSceneEvent
{
    void VS_OnDistanceChanged(int which, double metres) override { calls.push_back({which, metres}); }
    void VS_OnAngleChanged(double degrees) override { calls.push_back({3, degrees}); }
    struct Call
    {
        int slot;  // the distance's which (0, 1), or 3 for the angle
        double value;
    };
    std::vector<Call> calls;
};

class VerticalSceneTest : public CameraSceneTest
{
protected:
    VerticalSceneTest()
    {
        facade = SF_CreateVerticalScene(&sink);
        scene = Cast<CSFQTVerticalScene>(facade);
        if (!scene)
            return;
        scene->Create(L"side view", WS_VISIBLE, RECT{0, 0, 719, 389}, &parent, 2);
        style = VerticalSceneSkinRecord();
        facade->SetSkin(&style);
        facade->SetRealXY(600, 300);
        parent.show();
    }

    // Press on the handle of that type, move by (dx, dy) and release, through the view.
    void Drag(int type, QPoint by)
    {
        QWidget* viewport = scene->View()->viewport();
        CSFQTVSliderItem* handle = scene->Handle(type);
        ASSERT_NE(handle, nullptr);
        const QPoint from = scene->View()->mapFromScene(handle->sceneBoundingRect().center());
        testutil::SendMouse(viewport, QEvent::MouseButtonPress, from);
        testutil::SendMouse(viewport, QEvent::MouseMove, from + by / 2);
        testutil::SendMouse(viewport, QEvent::MouseMove, from + by);
        testutil::SendMouse(viewport, QEvent::MouseButtonRelease, from + by);
    }

    RecordingSink sink;
    ImageVericalStyle style;
    CSFVerticalScene* facade = nullptr;
    CSFQTVerticalScene* scene = nullptr;
};

TEST_F(VerticalSceneTest, ObjectSettingReportsAngleAndDistances)
{
    ASSERT_NE(scene, nullptr);
    facade->SetObjectDW(15, 10);
    const struct
    {
        int slot;
        double value;
    } want[] = {{3, 36.86990}, {1, 15}, {0, 22.5}};
    ASSERT_EQ(sink.calls.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(sink.calls[i].slot, want[i].slot) << i;
        EXPECT_NEAR(sink.calls[i].value, want[i].value, 1e-4) << i;
    }
    const CSFVerticalSceneModel& m = scene->Model();
    EXPECT_NEAR(m.VerticalAngle(), 27.65242, 1e-4);
    EXPECT_NEAR(m.FarHeight(), 8.65125, 1e-4);
    EXPECT_NEAR(m.NearShare(), 0.53806, 1e-4);
    EXPECT_NEAR(m.FarShare(), 0.35870, 1e-4);
    EXPECT_EQ(scene->LabelText(CSFQTVerticalScene::kVerticalAngleLabel), QStringLiteral("27.7"));
    EXPECT_EQ(scene->LabelText(CSFQTVerticalScene::kFarHeightLabel), QStringLiteral("8.7"));

    // A new distance moves the horizontal range box to twice it, which rescales the zone.
    sink.calls.clear();
    facade->SetObjectDW(20, 10);
    EXPECT_EQ(scene->HorizontalRangeBox()->value(), 40);
    ASSERT_EQ(sink.calls.size(), 3u);
    EXPECT_NEAR(sink.calls[1].value, 20, 1e-9);
    EXPECT_NEAR(sink.calls[2].value, 30, 1e-9);  // 7.5 m of zone scaled by 40 / 30
}

TEST_F(VerticalSceneTest, HandleDragsReportAndHoldTheirBounds)
{
    ASSERT_NE(scene, nullptr);
    facade->SetObjectDW(15, 10);
    sink.calls.clear();
    Drag(2, QPoint(60, 0));  // near end: 60 px of 600 across 30 m
    ASSERT_FALSE(sink.calls.empty());
    EXPECT_EQ(sink.calls.back().slot, 1);
    EXPECT_NEAR(sink.calls.back().value, 18, 1e-4);
    EXPECT_NEAR(scene->Model().NearDistance() + scene->Model().ZoneDepth(), 22.5, 1e-9);
    EXPECT_EQ(scene->Handle(2)->State(), CSFQTVSliderItem::kAtRest);

    sink.calls.clear();
    Drag(4, QPoint(0, 400));  // object top far below the ground
    EXPECT_EQ(scene->Model().ObjectHeight(), 0);
    EXPECT_EQ(scene->Handle(4)->pos().y(), scene->Model().GroundY());
    EXPECT_TRUE(sink.calls.empty());

    Drag(1, QPoint(0, -30));  // camera up 30 px of 300 across 10 m: each move reports
    EXPECT_NEAR(scene->Model().CameraHeight(), 6, 1e-4);
    ASSERT_EQ(sink.calls.size(), 2u);
    EXPECT_EQ(sink.calls.back().slot, 1);
    EXPECT_NEAR(sink.calls.back().value, scene->Model().NearDistance(), 1e-12);
}

TEST_F(VerticalSceneTest, CameraHeightAndPictureSizeFromTheOwner)
{
    ASSERT_NE(scene, nullptr);
    facade->SetObjectDW(15, 10);
    facade->SetVirtualHeight(7);  // the pole is redrawn to the camera; nothing is reported
    const CSFVerticalSceneModel& m = scene->Model();
    EXPECT_EQ(m.CameraHeight(), 7);
    EXPECT_EQ(scene->Handle(1)->pos(), QPointF(40, m.YOf(7)));
    EXPECT_EQ(scene->LabelText(CSFQTVerticalScene::kCameraHeightLabel), QStringLiteral("7.0"));
    EXPECT_EQ(sink.calls.size(), 3u);

    sink.calls.clear();
    facade->SetRes(1080, 1920);  // height first: then reported as a new object is
    EXPECT_NEAR(m.VerticalAngle(), 36.86990 * 1080 / 1920, 1e-4);
    ASSERT_EQ(sink.calls.size(), 3u);
    EXPECT_EQ(sink.calls[0].slot, 3);
    EXPECT_NEAR(sink.calls[2].value, 22.5, 1e-9);
}

// An owner that deletes the scene at one of its reports hears no further report, and nothing
// touches the scene afterwards (the sanitizer build checks).
TEST_F(VerticalSceneTest, OwnerMayDeleteTheSceneFromAnyReport)
{
    struct Closer : RecordingSink
    {
        void VS_OnDistanceChanged(int which, double metres) override
        {
            RecordingSink::VS_OnDistanceChanged(which, metres);
            Heard();
        }
        void VS_OnAngleChanged(double degrees) override
        {
            RecordingSink::VS_OnAngleChanged(degrees);
            Heard();
        }
        void Heard()
        {
            if (static_cast<int>(calls.size()) == deleteAt)
                delete std::exchange(victim, nullptr);
        }
        CSFVerticalScene* victim = nullptr;
        int deleteAt = 0;
    };
    const struct
    {
        const char* what;
        std::function<void(CSFQTVerticalScene*)> act;
        int reports;
    } ways[] = {
        {"object", [](CSFQTVerticalScene* s) { s->SetObjectDW(20, 10); }, 3},
        {"resolution", [](CSFQTVerticalScene* s) { s->SetRes(1080, 1920); }, 3},
        {"near end dragged", [](CSFQTVerticalScene* s) { s->OnSliderMoved(2, 400); }, 1},
    };
    for (const auto& way : ways) {
        for (int at = 1; at <= way.reports; ++at) {
            SCOPED_TRACE(testing::Message() << way.what << ", deleted at report " << at);
            Closer closer;
            CSFVerticalScene* own = SF_CreateVerticalScene(&closer);
            auto* ctrl = Cast<CSFQTVerticalScene>(own);
            ASSERT_NE(ctrl, nullptr);
            ctrl->Create(L"", WS_VISIBLE, RECT{0, 0, 719, 389}, &parent, 3);
            own->SetSkin(&style);
            own->SetRealXY(600, 300);
            own->SetObjectDW(15, 10);
            closer.calls.clear();
            closer.victim = own;
            closer.deleteAt = at;
            QPointer<QWidget> alive(ctrl);
            way.act(ctrl);
            EXPECT_TRUE(alive.isNull());
            EXPECT_EQ(static_cast<int>(closer.calls.size()), at);
            delete alive.data();
        }
    }
}

TEST_F(VerticalSceneTest, RangeBoxesRescaleAndAreMadeOnce)
{
    ASSERT_NE(scene, nullptr);
    facade->SetObjectDW(15, 10);
    QSpinBox* vertical = scene->VerticalRangeBox();
    ASSERT_NE(vertical, nullptr);
    EXPECT_EQ(vertical->value(), 10);
    EXPECT_EQ(vertical->maximum(), 999);
    vertical->setValue(20);
    EXPECT_NEAR(scene->Model().CameraHeight(), 10, 1e-12);

    facade->SetSkin(&style);
    int boxes = 0;
    for (QGraphicsItem* item : scene->View()->scene()->items())
        boxes += item->isWidget() ? 1 : 0;
    EXPECT_EQ(boxes, 2);
    EXPECT_EQ(scene->VerticalRangeBox(), vertical);
}

TEST_F(VerticalSceneTest, PaintsZoneObjectsAndBackground)
{
    ASSERT_NE(scene, nullptr);
    facade->SetObjectDW(15, 10);
    const QImage img = scene->grab().toImage();
    // Camera at (40, 170), near end (340, 320), far end (490, 320), far top (490, 60.5).
    EXPECT_TRUE(SameRgb(img.pixel(680, 100), QColor(105, 113, 127)));
    EXPECT_TRUE(SameRgb(img.pixel(420, 150), QColor(75, 79, 87)));
    EXPECT_FALSE(SameRgb(img.pixel(340, 260), QColor(75, 79, 87)));  // the near object, 120 px tall
    EXPECT_FALSE(SameRgb(img.pixel(340, 260), QColor(105, 113, 127)));
}

// ---- Simulation scene -------------------------------------------------------------------

class SimulationSceneTest : public CameraSceneTest
{
protected:
    SimulationSceneTest()
    {
        QImage red(40, 80, QImage::Format_ARGB32);
        red.fill(Qt::red);
        red.save(QString::fromStdString(dir / "red.png"));
        SF_SetSkinPath(QString::fromStdString(dir.Path() + "/").toStdWString());
        facade = SF_CreateSimulationScene();
        scene = Cast<CSFQTSimulationScene>(facade);
        if (scene)
            scene->Create(L"preview", WS_VISIBLE, RECT{0, 0, 299, 199}, &parent, 3);  // 300 x 200
    }
    // The red rows of the centre column: how many, and the last.
    std::pair<int, int> RedRows()
    {
        const QImage img = scene->grab().toImage();
        int count = 0, last = -1;
        for (int y = 0; y < img.height(); ++y) {
            if (SameRgb(img.pixel(150, y), Qt::red)) {
                ++count;
                last = y;
            }
        }
        return {count, last};
    }
    testutil::TempDir dir;
    CSFSimulationScene* facade = nullptr;
    CSFQTSimulationScene* scene = nullptr;
};

TEST_F(SimulationSceneTest, ObjectStandsOnTheBottomAtItsShare)
{
    ASSERT_NE(scene, nullptr);
    EXPECT_EQ(facade->SetSkin(nullptr), 0);
    ImageSimulationlStyle style;
    style[1] = L"red.png";
    ASSERT_EQ(facade->SetSkin(&style), 1);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct
    {
        double share;
        int rows;
    } cases[] = {{0.538, 107}, {0.25, 50}, {0.0, 0}, {-1.0, 0}, {nan, 0}, {1e12, 200}};
    for (const auto& c : cases) {
        facade->ChangeScale(0, 0, c.share, 0);
        const auto [count, last] = RedRows();
        EXPECT_EQ(count, c.rows) << c.share;
        if (c.rows > 0) {
            EXPECT_EQ(last, 199) << c.share;
        }
    }
    facade->ChangeScale(0.1, 0.2, 0.538, 0.4);
    EXPECT_EQ(scene->Scale1(), 0.1);
    EXPECT_EQ(scene->Scale2(), 0.2);
    EXPECT_EQ(scene->Scale4(), 0.4);
    const QImage img = scene->grab().toImage();  // 107 px tall, 53.5 px wide, centred
    EXPECT_TRUE(SameRgb(img.pixel(125, 150), Qt::red));
    EXPECT_TRUE(SameRgb(img.pixel(121, 150), QColor(157, 194, 255)));
    EXPECT_TRUE(SameRgb(img.pixel(179, 150), QColor(157, 194, 255)));
}

TEST_F(SimulationSceneTest, NoObjectPaintsOnlyTheSky)
{
    ASSERT_NE(scene, nullptr);
    ImageSimulationlStyle style;
    style[0] = L"red.png";  // the background is kept, not drawn
    ASSERT_EQ(facade->SetSkin(&style), 1);
    EXPECT_FALSE(scene->Background().Pixmap().isNull());
    const QImage img = scene->grab().toImage();
    int other = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            other += SameRgb(img.pixel(x, y), QColor(157, 194, 255)) ? 0 : 1;
    EXPECT_EQ(other, 0);
}

// ---- Picture item of the vertical scene ----------------------------------------------------

// A new source or the natural size in between makes the same height show the new picture,
// scaled again; heights out of range show nothing.
TEST(PixmapItemTest, ShowsTheCurrentSourceAtEachHeight)
{
    QPixmap red(20, 40), blue(10, 10);
    red.fill(Qt::red);
    blue.fill(Qt::blue);
    CSFQTPixmapItem item(0.5, 1.0);
    const auto shown = [&] { return item.pixmap(); };
    const auto colour = [&] { return shown().toImage().pixelColor(0, 0); };

    item.SetSource(red);
    item.ScaleToHeight(20.7);
    EXPECT_EQ(shown().size(), QSize(10, 20));
    EXPECT_EQ(item.offset(), QPointF(-5, -20));
    item.ScaleToHeight(20.2);  // same whole height
    EXPECT_EQ(shown().size(), QSize(10, 20));
    EXPECT_EQ(colour(), QColor(Qt::red));

    item.SetSource(blue);
    item.ScaleToHeight(20);
    EXPECT_EQ(shown().size(), QSize(20, 20));
    EXPECT_EQ(colour(), QColor(Qt::blue));
    EXPECT_EQ(item.offset(), QPointF(-10, -20));

    item.ShowNatural();
    EXPECT_EQ(shown().size(), QSize(10, 10));
    item.ScaleToHeight(20);
    EXPECT_EQ(shown().size(), QSize(20, 20));

    for (double bad : {0.5, -3.0, std::numeric_limits<double>::quiet_NaN()}) {
        item.ScaleToHeight(bad);
        EXPECT_TRUE(shown().isNull()) << bad;
        EXPECT_EQ(item.offset(), QPointF(0, 0)) << bad;
    }
    item.ScaleToHeight(1e9);
    EXPECT_EQ(shown().height(), CSFQTPixmapItem::kMaxHeight);
}

// ---- Rectangles of every control of the group --------------------------------------------

TEST_F(CameraSceneTest, CreateAndMoveReadRectanglesAsStated)
{
    const struct
    {
        const char* name;
        std::function<QWidget*(const RECT&, DWORD)> create;
        std::function<void(QWidget*, int, int, int, int)> move;
        std::function<void(QWidget*, RECT*)> moveRect;
        bool moves;
    } controls[] = {
        {"horizontal",
         [&](const RECT& rc, DWORD style) {
             CSFHorizontalScene* c = SF_CreateHorizontalScene();
             c->Create(L"h", style, rc, &parent, 1);
             return dynamic_cast<QWidget*>(c);
         },
         [](QWidget* w, int x, int y, int cx, int cy) {
             dynamic_cast<CSFHorizontalScene*>(w)->MoveWindow(x, y, cx, cy);
         },
         [](QWidget* w, RECT* rc) { dynamic_cast<CSFHorizontalScene*>(w)->MoveWindow(rc); }, true},
        {"vertical",
         [&](const RECT& rc, DWORD style) {
             CSFVerticalScene* c = SF_CreateVerticalScene(nullptr);
             c->Create(L"v", style, rc, &parent, 2);
             return dynamic_cast<QWidget*>(c);
         },
         [](QWidget* w, int x, int y, int cx, int cy) {
             dynamic_cast<CSFVerticalScene*>(w)->MoveWindow(x, y, cx, cy);
         },
         [](QWidget* w, RECT* rc) { dynamic_cast<CSFVerticalScene*>(w)->MoveWindow(rc); }, true},
        {"simulation",
         [&](const RECT& rc, DWORD style) {
             CSFSimulationScene* c = SF_CreateSimulationScene();
             c->Create(L"s", style, rc, &parent, 3);
             return dynamic_cast<QWidget*>(c);
         },
         [](QWidget* w, int x, int y, int cx, int cy) {
             dynamic_cast<CSFSimulationScene*>(w)->MoveWindow(x, y, cx, cy);
         },
         [](QWidget* w, RECT* rc) { dynamic_cast<CSFSimulationScene*>(w)->MoveWindow(rc); }, true},
        {"focus graph",
         [&](const RECT& rc, DWORD style) {
             CSFVideoInFocus* c = SF_CreateVideoInFocus();
             c->Create(L"f", style, rc, &parent, 4);
             return dynamic_cast<QWidget*>(c);
         },
         [](QWidget* w, int x, int y, int cx, int cy) {
             dynamic_cast<CSFVideoInFocus*>(w)->MoveWindow(x, y, cx, cy);
         },
         [](QWidget* w, RECT* rc) { dynamic_cast<CSFVideoInFocus*>(w)->MoveWindow(rc); }, false},
    };
    parent.show();
    for (const auto& c : controls) {
        QWidget* w = c.create(RECT{10, 20, 110, 70}, WS_VISIBLE);
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->parentWidget(), &parent) << c.name;
        EXPECT_EQ(w->geometry(), QRect(10, 20, 101, 51)) << c.name;  // corners as they stand
        EXPECT_TRUE(w->isVisible()) << c.name;
        c.move(w, 5, 6, 70, 40);
        EXPECT_EQ(w->geometry(), c.moves ? QRect(5, 6, 70, 40) : QRect(10, 20, 101, 51)) << c.name;
        RECT rc{1, 2, 50, 60};
        c.moveRect(w, &rc);
        EXPECT_EQ(w->geometry(), c.moves ? QRect(1, 2, 50, 59) : QRect(10, 20, 101, 51)) << c.name;
        EXPECT_TRUE(c.create(RECT{0, 0, 10, 10}, 0)->isHidden()) << c.name;
    }
}

}  // namespace
