// Animated picture: playing a movie from the skin folder, starting and stopping it, a missing
// file, the rectangle readings, and the generated movie of the extended skin.
#include "skin/ext/SFEntryExt.h"
#include "skin/ext/SFQTPictureEx.h"
#include "tests/common/event_loop_util.h"
#include "tests/common/test_files.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QMovie>
#include <QPalette>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>

namespace {

// Two frames of one pixel, red then blue, 100 ms each, looping.
const char kTwoFrameGif[] =
    "47494638396101000100800000ff00000000ff21ff0b4e45545343415045322e30030100000021f904000a0000002c000000"
    "000100010000020244010021f904000a0000002c00000000010001000002024c01003b";

bool GifPlays() { return QMovie::supportedFormats().contains("gif"); }

class PictureExTest : public ::testing::Test
{
protected:
    PictureExTest()
    {
        const QByteArray gif = QByteArray::fromHex(kTwoFrameGif);
        testutil::WriteFile(dir / "anim.gif",
                            std::string(gif.constData(), static_cast<std::size_t>(gif.size())));
        SF_SetSkinPath(QString::fromStdString(dir.Path() + "/").toStdWString());
        parent.resize(200, 200);
        parent.show();
    }

    CSFQTPictureEx* Make(DWORD style = WS_VISIBLE)
    {
        auto* pic = dynamic_cast<CSFQTPictureEx*>(SF_CreatePictureEx(nullptr));
        EXPECT_NE(pic, nullptr);
        if (pic) {
            EXPECT_EQ(pic->Create(L"", style, RECT{10, 10, 59, 49}, &parent, 1), TRUE);
            QPalette pal = pic->palette();
            pal.setColor(QPalette::Window, Qt::white);
            pic->setPalette(pal);
        }
        return pic;
    }

    static QColor Centre(CSFQTPictureEx* pic)
    {
        const QImage shot = pic->grab().toImage();
        return shot.pixelColor(shot.width() / 2, shot.height() / 2);
    }

    testutil::TempDir dir;
    QWidget parent;
};

TEST_F(PictureExTest, PlaysTheMovieFromTheSkinFolder)
{
    if (!GifPlays())
        GTEST_SKIP() << "no GIF reader among the image plug-ins";
    CSFQTPictureEx* pic = Make();
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->SetAnimation(1), FALSE);  // nothing loaded yet
    EXPECT_EQ(pic->SetAnimation(0), FALSE);

    EXPECT_EQ(pic->Load(L"anim.gif", 0), TRUE);
    EXPECT_EQ(pic->Movie()->fileName(), QString::fromStdString(dir / "anim.gif"));
    EXPECT_EQ(pic->Movie()->state(), QMovie::Running);
    // Both frames come round, each filling the centre.
    EXPECT_TRUE(testutil::PumpUntil([&] { return Centre(pic) == QColor(Qt::red); }, 3000));
    EXPECT_TRUE(testutil::PumpUntil([&] { return Centre(pic) == QColor(Qt::blue); }, 3000));
    EXPECT_TRUE(testutil::PumpUntil([&] { return Centre(pic) == QColor(Qt::red); }, 3000));
}

TEST_F(PictureExTest, ShowWindowAndSetAnimationStartAndStop)
{
    if (!GifPlays())
        GTEST_SKIP() << "no GIF reader among the image plug-ins";
    CSFQTPictureEx* pic = Make();
    ASSERT_NE(pic, nullptr);
    ASSERT_EQ(pic->Load(L"anim.gif", 0), TRUE);
    const struct
    {
        const char* what;
        std::function<int()> act;  // the result, or 1 for an operation without one
        bool visible;
        QMovie::MovieState state;
    } steps[] = {
        {"hide", [&] { return pic->ShowWindow(0), 1; }, false, QMovie::NotRunning},
        {"show", [&] { return pic->ShowWindow(1), 1; }, true, QMovie::Running},
        {"stop", [&] { return pic->SetAnimation(0); }, true, QMovie::NotRunning},
        {"start", [&] { return pic->SetAnimation(1); }, true, QMovie::Running},
    };
    for (const auto& s : steps) {
        EXPECT_EQ(s.act(), 1) << s.what;
        EXPECT_EQ(pic->isVisible(), s.visible) << s.what;
        EXPECT_EQ(pic->Movie()->state(), s.state) << s.what;
    }
}

TEST_F(PictureExTest, MissingFileLoadsAndShowsNothing)
{
    CSFQTPictureEx* pic = Make();
    ASSERT_NE(pic, nullptr);
    if (GifPlays()) {
        ASSERT_EQ(pic->Load(L"anim.gif", 0), TRUE);
        ASSERT_TRUE(testutil::PumpUntil([&] { return Centre(pic) != QColor(Qt::white); }, 3000));
    }
    EXPECT_EQ(pic->Load(L"missing.gif", 0), TRUE);
    EXPECT_EQ(pic->SetAnimation(1), FALSE);
    EXPECT_EQ(pic->SetAnimation(0), FALSE);
    QCoreApplication::processEvents();
    EXPECT_EQ(Centre(pic), QColor(Qt::white));
}

TEST_F(PictureExTest, RectangleReadingsAndVisibility)
{
    CSFQTPictureEx* pic = Make();
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->geometry(), QRect(10, 10, 50, 40));  // inclusive
    EXPECT_TRUE(pic->isVisible());
    RECT rc{10, 10, 59, 49};
    pic->MoveWindow(&rc);
    EXPECT_EQ(pic->geometry(), QRect(10, 10, 49, 39));  // one past
    pic->MoveWindow(0, 0, 5, 5);
    EXPECT_EQ(pic->geometry(), QRect(10, 10, 49, 39));  // ignored
    EXPECT_EQ(pic->SetSkin(), FALSE);
    EXPECT_EQ(pic->Draw(), FALSE);

    CSFQTPictureEx* hidden = Make(0);
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(hidden->isVisible());
}

TEST_F(PictureExTest, GeneratedMovieHasItsFrames)
{
    if (!GifPlays())
        GTEST_SKIP() << "no GIF reader among the image plug-ins";
    SF_SetSkinPath(QStringLiteral(TESSALY_EXT_SKIN_DIR).toStdWString());
    CSFQTPictureEx* pic = Make();
    ASSERT_NE(pic, nullptr);
    ASSERT_EQ(pic->Load(L"PictureEx_Busy.gif", 0), TRUE);
    QMovie* movie = pic->Movie();
    ASSERT_TRUE(movie->isValid());
    EXPECT_EQ(movie->frameCount(), 8);
    ASSERT_TRUE(movie->jumpToFrame(0));
    const QImage first = movie->currentImage();
    ASSERT_TRUE(movie->jumpToFrame(1));
    const QImage second = movie->currentImage();
    EXPECT_EQ(first.size(), QSize(48, 48));
    EXPECT_NE(first, second);
    EXPECT_EQ(first.pixelColor(0, 0), QColor(255, 255, 255));
    EXPECT_EQ(pic->SetAnimation(1), TRUE);
}

TEST_F(PictureExTest, DeletedWithItsParentWhilePlaying)
{
    auto* owner = new QWidget;
    auto* pic = dynamic_cast<CSFQTPictureEx*>(SF_CreatePictureEx(nullptr));
    ASSERT_NE(pic, nullptr);
    pic->Create(L"", WS_VISIBLE, RECT{0, 0, 20, 20}, owner, 1);
    pic->Load(L"anim.gif", 0);
    QPointer<QWidget> alive(pic);
    SF_DestroyPictureEx(pic);
    SF_DestroyPictureEx(nullptr);
    EXPECT_FALSE(alive.isNull());
    delete owner;
    EXPECT_TRUE(alive.isNull());
}

}  // namespace
