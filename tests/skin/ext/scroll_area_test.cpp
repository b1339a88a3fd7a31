// Scroll area, driven through its factory and facade: the content panel's size and scrolling,
// a control placed on the panel, resizing, the tiled background (and the skins that must
// change nothing), and the small window operations.
#include "skin/SFSkinString.h"
#include "skin/ext/SFEntryExt.h"
#include "skin/ext/SFQTScrollArea.h"
#include "tests/common/test_files.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScrollBar>
#include <QTest>
#include <QWidget>

namespace {

class ScrollAreaTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SF_SetSkinPath(QStringLiteral(TESSALY_EXT_SKIN_DIR).toStdWString());
        parent.resize(600, 300);
        facade = SF_CreateScrollArea(nullptr);
        ASSERT_NE(facade, nullptr);
        area = dynamic_cast<CSFQTScrollArea*>(facade);
        ASSERT_NE(area, nullptr);
        EXPECT_EQ(facade->IsWindow(), 1);  // also before Create
        ASSERT_EQ(facade->Create(WS_VISIBLE, RECT{0, 0, 200, 200}, 400, 100, &parent, 12), 1);
        parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    }

    QWidget* Panel() { return static_cast<QWidget*>(facade->GetUIWnd()); }
    // The panel's colour at a point of the area, as painted.
    QColor At(int x, int y) { return area->grab().toImage().pixelColor(x, y); }

    QWidget parent;
    CSFScrollArea* facade = nullptr;
    CSFQTScrollArea* area = nullptr;
};

TEST_F(ScrollAreaTest, ThePanelScrollsWhereItIsLargerThanTheViewAndWidensWithIt)
{
    EXPECT_EQ(area->geometry(), QRect(0, 0, 200, 200));
    EXPECT_EQ(area->ControlId(), 12u);
    EXPECT_EQ(Panel(), area->widget());
    EXPECT_EQ(area->frameShape(), QFrame::NoFrame);
    QApplication::processEvents();
    const int barHeight = area->horizontalScrollBar()->height();
    EXPECT_EQ(area->horizontalScrollBar()->maximum(), 200);
    EXPECT_FALSE(area->verticalScrollBar()->isVisible());
    EXPECT_EQ(Panel()->width(), 400);
    EXPECT_EQ(Panel()->height(), 200 - barHeight);  // follows the viewport, not below 100

    // A control on the panel, in panel coordinates: out of view until scrolled to.
    CSFButton* button = SF_CreateButton(nullptr);
    ASSERT_NE(button, nullptr);
    button->Create(L"", WS_VISIBLE, RECT{350, 10, 390, 40}, Panel(), 5);
    auto* w = dynamic_cast<QWidget*>(button);
    EXPECT_GE(w->mapTo(area, QPoint(0, 0)).x(), area->viewport()->width());
    area->horizontalScrollBar()->setValue(200);
    EXPECT_EQ(w->mapTo(area, QPoint(0, 0)), QPoint(150, 10));

    facade->MoveWindow(0, 0, 500, 200);
    QApplication::processEvents();
    EXPECT_EQ(Panel()->width(), 500);
    EXPECT_EQ(Panel()->height(), 200);
    EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0);
    RECT small{0, 0, 149, 79};  // inclusive: 150 x 80, below the panel's minimum both ways
    facade->MoveWindow(&small);
    QApplication::processEvents();
    EXPECT_EQ(area->size(), QSize(150, 80));
    EXPECT_EQ(Panel()->size(), QSize(400, 100));
    EXPECT_GT(area->verticalScrollBar()->maximum(), 0);
}

// The tile repeats over the panel; a skin that names no picture, or one that does not load,
// leaves the background as it was instead of turning it black.
TEST_F(ScrollAreaTest, SkinTilesThePictureAndIgnoresSkinsWithoutOne)
{
    const QColor before = At(100, 50);
    ScrollAreaStyle empty;  // no name
    facade->SetSkin(&empty);
    EXPECT_EQ(At(100, 50), before);
    EXPECT_NE(before, QColor(Qt::black));
    EXPECT_TRUE(area->BackgroundPath().isEmpty());

    ScrollAreaStyle skin;
    skin[0] = L"scrollarea_tile.png";
    facade->SetSkin(&skin);
    const QImage tile = QImage(SkinFilePath(L"scrollarea_tile.png")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(tile.size(), QSize(16, 16));
    ASSERT_NE(tile.pixelColor(0, 0), tile.pixelColor(8, 8));
    const QImage shot = area->grab().toImage();
    for (const QPoint p : {QPoint(0, 0), QPoint(8, 8), QPoint(32, 48), QPoint(41, 57), QPoint(160, 96)})
        EXPECT_EQ(shot.pixelColor(p), tile.pixelColor(p.x() % 16, p.y() % 16)) << p.x() << "," << p.y();

    ScrollAreaStyle missing;
    missing[0] = L"no_such_tile.png";
    facade->SetSkin(&missing);
    facade->SetSkin(&empty);
    facade->SetSkin(nullptr);
    EXPECT_EQ(area->grab().toImage(), shot);
    EXPECT_EQ(area->BackgroundPath(), SkinFilePath(L"scrollarea_tile.png"));

    // The program's own style sheet leaves the panel's brush alone.
    qApp->setStyleSheet(QString::fromStdString(testutil::ReadFile(TESSALY_DATA_DIR "/Style.css")));
    ASSERT_FALSE(qApp->styleSheet().isEmpty());
    EXPECT_EQ(At(8, 8), tile.pixelColor(8, 8));
    qApp->setStyleSheet(QString());
}

TEST_F(ScrollAreaTest, WindowOperations)
{
    EXPECT_EQ(facade->IsWindowVisible(), 1);
    facade->ShowWindow(0);
    EXPECT_EQ(facade->IsWindowVisible(), 0);
    facade->ShowWindow(1);
    EXPECT_EQ(facade->IsWindowVisible(), 1);
    facade->SetToolTipText(L"Cameras \u00e9");
    EXPECT_EQ(area->toolTip(), QStringLiteral("Cameras \u00e9"));
    facade->SetEnabled(0);
    EXPECT_FALSE(area->isEnabled());
    EXPECT_FALSE(Panel()->isEnabled());

    CSFScrollArea* hidden = SF_CreateScrollArea(nullptr);
    ASSERT_EQ(hidden->Create(0, RECT{0, 0, 100, 100}, 50, 50, &parent, 13), 1);
    EXPECT_EQ(hidden->IsWindowVisible(), 0);
}

}  // namespace
