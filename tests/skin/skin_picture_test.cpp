// Skin pictures: each file decoded once and kept, a kept picture read again when its file
// changes (also a missing one that appears, and a folder that goes and comes back), pictures
// under a PNG name read the way QPixmap::load reads them, and controls that decode a picture
// only when they first paint it.
#include "skin/SFEntry.h"
#include "skin/SFQTButton.h"
#include "skin/SFQTPictureCtrl.h"
#include "skin/SFQTRadioBox.h"
#include "skin/SFSkinPicture.h"
#include "skin/SFSkinPictureCache.h"
#include "skin/SFSkinString.h"

#include "tests/common/data_file_test_util.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>

#include <chrono>
#include <memory>
#include <string>

#include <sys/stat.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A solid picture of size and colour written to path in format.
bool WritePicture(const QString& path, QColor colour, QSize size = QSize(6, 4), const char* format = "PNG")
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, format);
}

QColor Colour(const QPixmap& picture)
{
    return picture.isNull() ? QColor() : picture.toImage().pixelColor(0, 0);
}

class SkinPictureTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_previous = GetSkinPath();
        SetSkinPath(QStringToWide(m_dir.path() + QLatin1Char('/')));
    }
    void TearDown() override { SetSkinPath(QStringToWide(m_previous)); }

    QString Path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir m_dir;
    QString m_previous;
};

TEST_F(SkinPictureTest, EachFileIsDecodedOnceAndKept)
{
    ASSERT_TRUE(WritePicture(Path("a.png"), Qt::red));
    const QPixmap first = LoadSkinPicture(Path("a.png"));
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.toImage(), QPixmap(Path("a.png")).toImage());
    // The same decoded picture, not a second decode of the file.
    EXPECT_EQ(LoadSkinPicture(Path("a.png")).cacheKey(), first.cacheKey());
    EXPECT_EQ(CSFSkinPicture::FromName(L"a.png").Pixmap().cacheKey(), first.cacheKey());
}

TEST_F(SkinPictureTest, ChangedFilesAreReadAgain)
{
    // Missing, then made.
    EXPECT_TRUE(LoadSkinPicture(Path("late.png")).isNull());
    EXPECT_TRUE(LoadSkinPicture(Path("late.png")).isNull());
    ASSERT_TRUE(WritePicture(Path("late.png"), Qt::green));
    EXPECT_EQ(Colour(LoadSkinPicture(Path("late.png"))), QColor(Qt::green));

    // Written again, in another size.
    ASSERT_TRUE(WritePicture(Path("late.png"), Qt::blue, QSize(3, 9)));
    const QPixmap again = LoadSkinPicture(Path("late.png"));
    EXPECT_EQ(Colour(again), QColor(Qt::blue));
    EXPECT_EQ(again.size(), QSize(3, 9));

    // Replaced by a rename, then removed.
    ASSERT_TRUE(WritePicture(Path("other.png"), Qt::yellow));
    ASSERT_TRUE(QFile::remove(Path("late.png")));
    ASSERT_TRUE(QFile::rename(Path("other.png"), Path("late.png")));
    EXPECT_EQ(Colour(LoadSkinPicture(Path("late.png"))), QColor(Qt::yellow));
    ASSERT_TRUE(QFile::remove(Path("late.png")));
    EXPECT_TRUE(LoadSkinPicture(Path("late.png")).isNull());
}

TEST_F(SkinPictureTest, AFolderThatGoesTakesItsPicturesWithIt)
{
    const QString folder = m_dir.filePath(QStringLiteral("skin"));
    const QString file = folder + QStringLiteral("/b.png");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(WritePicture(file, Qt::red));
    EXPECT_EQ(Colour(LoadSkinPicture(file)), QColor(Qt::red));

    ASSERT_TRUE(QDir(folder).removeRecursively());
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(WritePicture(file, Qt::cyan));
    EXPECT_EQ(Colour(LoadSkinPicture(file)), QColor(Qt::cyan));
}

TEST_F(SkinPictureTest, PngNamesOverOtherContentAndOtherNames)
{
    // Read by content, as QPixmap::load reads them.
    ASSERT_TRUE(WritePicture(Path("bitmap.png"), Qt::magenta, QSize(5, 5), "BMP"));
    ASSERT_TRUE(WritePicture(Path("plain.bmp"), Qt::darkGreen, QSize(5, 5), "BMP"));
    EXPECT_EQ(Colour(LoadSkinPicture(Path("bitmap.png"))), QColor(Qt::magenta));
    EXPECT_EQ(Colour(LoadSkinPicture(Path("plain.bmp"))), QColor(Qt::darkGreen));

    QFile junk(Path("junk.png"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    EXPECT_TRUE(LoadSkinPicture(Path("junk.png")).isNull());
    EXPECT_TRUE(LoadSkinPicture(m_dir.path()).isNull());  // a folder
    EXPECT_TRUE(LoadSkinPicture(QString()).isNull());
}

// Only a regular file of at most 16 MiB is read as a picture, and without blocking: anything
// else is a missing picture with one line on standard error; a file that is not there is
// missing without a word.
TEST_F(SkinPictureTest, PicturesAreReadOnlyFromRegularFilesOfBoundedSize)
{
    const std::string fifo = Path("fifo.png").toStdString();
    ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.png")));
    // A readable picture with more than 16 MiB of padding behind its end.
    ASSERT_TRUE(WritePicture(Path("large.png"), Qt::blue));
    {
        QFile large(Path("large.png"));
        ASSERT_TRUE(large.open(QIODevice::Append));
        ASSERT_EQ(large.write(QByteArray(16 * 1024 * 1024, '\0')), 16 * 1024 * 1024);
    }
    for (const char* name : {"fifo.png", "folder.png", "large.png"}) {
        SCOPED_TRACE(name);
        QPixmap picture(1, 1);
        testing::internal::CaptureStderr();
        EXPECT_TRUE(testutil::FinishesWithin(std::chrono::seconds(10),
                                             [&] { picture = LoadSkinPicture(Path(name)); }, {fifo}));
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(picture.isNull());
        EXPECT_NE(err.find("\"" + Path(name).toStdString() + "\""), std::string::npos) << err;
        EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
    }
    testing::internal::CaptureStderr();
    EXPECT_TRUE(LoadSkinPicture(Path("missing.png")).isNull());
    EXPECT_EQ("", testing::internal::GetCapturedStderr());
}

TEST_F(SkinPictureTest, APictureIsDecodedWhenFirstAskedForFromTheFolderItWasNamedIn)
{
    const CSFSkinPicture named = CSFSkinPicture::FromName(L"later.png");
    EXPECT_EQ(named.FilePath(), Path("later.png"));
    SetSkinPath(L"/nowhere/");
    ASSERT_TRUE(WritePicture(Path("later.png"), Qt::darkBlue));
    EXPECT_EQ(Colour(named.Pixmap()), QColor(Qt::darkBlue));
    EXPECT_TRUE(CSFSkinPicture().Pixmap().isNull());
}

// A skin record's empty name names no picture, even when the skin folder itself is one.
TEST_F(SkinPictureTest, AnEmptyNameNamesNoPicture)
{
    ASSERT_TRUE(WritePicture(Path("folder.png"), Qt::green));
    ASSERT_TRUE(WritePicture(Path("b.png"), Qt::cyan));
    const CSFSkinPicture named = CSFSkinPicture::FromNameOrNone(L"b.png");
    EXPECT_EQ(named.FilePath(), Path("b.png"));
    EXPECT_EQ(Colour(named.Pixmap()), QColor(Qt::cyan));

    SetSkinPath(QStringToWide(Path("folder.png")));
    EXPECT_FALSE(CSFSkinPicture::FromName(L"").Pixmap().isNull());
    const CSFSkinPicture none = CSFSkinPicture::FromNameOrNone(L"");
    EXPECT_TRUE(none.FilePath().isEmpty());
    EXPECT_TRUE(none.Pixmap().isNull());
}

// Pictures named in a skin before their files exist: a control that decoded its pictures
// when it was skinned would show none of them.
TEST_F(SkinPictureTest, ControlsDecodeTheirPicturesWhenTheyPaintThem)
{
    std::unique_ptr<QWidget> parent(new QWidget);
    parent->resize(300, 200);

    CSFQTButton* button = new CSFQTButton(nullptr);
    button->Create(L"", WS_VISIBLE, RECT{0, 0, 40, 20}, parent.get(), 1);
    ImageButtonStyle buttonSkin;
    buttonSkin[0] = L"normal.png";
    buttonSkin[3] = L"disabled.png";
    button->SetSkin(&buttonSkin);

    CSFQTRadioBox* radio = new CSFQTRadioBox(nullptr);
    radio->Create(L"", WS_VISIBLE, RECT{0, 30, 100, 80}, parent.get(), 2);
    ImageRadioBox radioSkin;
    for (int i = 0; i < 8; ++i)
        radioSkin[i] = i < 3 ? L"on.png" : L"off.png";
    radio->SetSkin(&radioSkin);

    CSFQTPictureCtrl* picture = new CSFQTPictureCtrl(nullptr);
    picture->Create(L"", WS_VISIBLE, RECT{0, 90, 50, 120}, parent.get(), 3);
    picture->SetImage(L"picture.png");

    ASSERT_TRUE(WritePicture(Path("normal.png"), Qt::red));
    ASSERT_TRUE(WritePicture(Path("disabled.png"), Qt::gray));
    ASSERT_TRUE(WritePicture(Path("on.png"), Qt::green));
    ASSERT_TRUE(WritePicture(Path("off.png"), Qt::blue));
    ASSERT_TRUE(WritePicture(Path("picture.png"), Qt::yellow));

    EXPECT_EQ(Colour(button->grab()), QColor(Qt::red));
    button->EnableWindow(0);
    EXPECT_EQ(Colour(button->CurrentPicture()), QColor(Qt::gray));
    radio->SetCheck(1);
    EXPECT_EQ(Colour(radio->Picture(radio->CurrentPictureIndex())), QColor(Qt::green));
    radio->SetCheck(0);
    EXPECT_EQ(Colour(radio->Picture(radio->CurrentPictureIndex())), QColor(Qt::blue));
    EXPECT_EQ(Colour(picture->grab()), QColor(Qt::yellow));
}

// ---- Changes the store must not miss -----------------------------------------------------

// Replaced the usual atomic way: a new file written beside it and renamed over it.
TEST_F(SkinPictureTest, APictureRenamedOverTheOldOneIsReadAgain)
{
    ASSERT_TRUE(WritePicture(Path("a.png"), Qt::red));
    EXPECT_EQ(Colour(LoadSkinPicture(Path("a.png"))), QColor(Qt::red));
    ASSERT_TRUE(WritePicture(Path(".a.png.new"), Qt::green, QSize(6, 4), "PNG"));
    ASSERT_EQ(::rename(QFile::encodeName(Path(".a.png.new")).constData(),
                       QFile::encodeName(Path("a.png")).constData()),
              0);
    EXPECT_EQ(Colour(LoadSkinPicture(Path("a.png"))), QColor(Qt::green));
}

TEST_F(SkinPictureTest, APictureThatAppearsAsALinkIsReadAgain)
{
    ASSERT_TRUE(WritePicture(Path("real.png"), Qt::blue));
    EXPECT_TRUE(LoadSkinPicture(Path("alias.png")).isNull());
    ASSERT_TRUE(QFile::link(Path("real.png"), Path("alias.png")));
    EXPECT_EQ(Colour(LoadSkinPicture(Path("alias.png"))), QColor(Qt::blue));
}

// A folder moved away or removed, and made again: its pictures are read again, and the new
// folder is watched, so that its next change is seen too.
TEST_F(SkinPictureTest, AFolderThatGoesAndComesBackIsReadAndWatchedAgain)
{
    for (const bool moved : {true, false}) {
        SCOPED_TRACE(moved ? "moved away" : "removed");
        const QString folder = Path(moved ? "moved" : "removed");
        const QString file = folder + QStringLiteral("/b.png");
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(WritePicture(file, Qt::red));
        EXPECT_EQ(Colour(LoadSkinPicture(file)), QColor(Qt::red));
        ASSERT_TRUE(moved ? QDir().rename(folder, folder + QStringLiteral(".old"))
                          : QDir(folder).removeRecursively());
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(WritePicture(file, Qt::cyan));
        EXPECT_EQ(Colour(LoadSkinPicture(file)), QColor(Qt::cyan));
        ASSERT_TRUE(WritePicture(file, Qt::magenta));
        EXPECT_EQ(Colour(LoadSkinPicture(file)), QColor(Qt::magenta));
    }
}

TEST_F(SkinPictureTest, APictureInAFolderMadeAfterTheFirstLookUpIsRead)
{
    const QString folder = Path("later");
    const QString file = folder + QStringLiteral("/c.png");
    EXPECT_TRUE(LoadSkinPicture(file).isNull());
    EXPECT_TRUE(LoadSkinPicture(file).isNull());
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(WritePicture(file, Qt::magenta));
    EXPECT_EQ(Colour(LoadSkinPicture(file)), QColor(Qt::magenta));
    ASSERT_TRUE(WritePicture(file, Qt::darkRed));
    EXPECT_EQ(Colour(LoadSkinPicture(file)), QColor(Qt::darkRed));
}

TEST_F(SkinPictureTest, BothOfTwoPicturesRewrittenBetweenTwoUsesAreReadAgain)
{
    ASSERT_TRUE(WritePicture(Path("one.png"), Qt::red));
    ASSERT_TRUE(WritePicture(Path("two.png"), Qt::red));
    EXPECT_EQ(Colour(LoadSkinPicture(Path("one.png"))), QColor(Qt::red));
    EXPECT_EQ(Colour(LoadSkinPicture(Path("two.png"))), QColor(Qt::red));
    ASSERT_TRUE(WritePicture(Path("one.png"), Qt::green));
    ASSERT_TRUE(WritePicture(Path("two.png"), Qt::blue));
    EXPECT_EQ(Colour(LoadSkinPicture(Path("one.png"))), QColor(Qt::green));
    EXPECT_EQ(Colour(LoadSkinPicture(Path("two.png"))), QColor(Qt::blue));
}

// More changes at once than the kernel queues: those after the overflow are lost, so the
// rewritten picture can only be right if nothing kept is trusted any more.
TEST_F(SkinPictureTest, AFullNoticeQueueStillLeadsToTheRewrittenPicture)
{
    ASSERT_TRUE(WritePicture(Path("a.png"), Qt::red));
    EXPECT_EQ(Colour(LoadSkinPicture(Path("a.png"))), QColor(Qt::red));
    int queued = 16384;
    QFile limit(QStringLiteral("/proc/sys/fs/inotify/max_queued_events"));
    if (limit.open(QIODevice::ReadOnly))
        queued = QString::fromLatin1(limit.readAll()).trimmed().toInt();
    ASSERT_GT(queued, 0);
    if (queued > 200000)
        GTEST_SKIP() << "the notice queue is too long to fill here";
    // Each name made in the watched folder is one notice (two with its closing).
    for (int i = 0; i <= queued; ++i) {
        const QByteArray name = QFile::encodeName(Path("n")) + QByteArray::number(i);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        ASSERT_GE(fd, 0);
        ::close(fd);
    }
    ASSERT_TRUE(WritePicture(Path("a.png"), Qt::green));
    EXPECT_EQ(Colour(LoadSkinPicture(Path("a.png"))), QColor(Qt::green));
    // Watching goes on after the overflow.
    ASSERT_TRUE(WritePicture(Path("a.png"), Qt::blue));
    EXPECT_EQ(Colour(LoadSkinPicture(Path("a.png"))), QColor(Qt::blue));
}

// A relative name means another file in another working folder: it is never kept.
TEST_F(SkinPictureTest, APictureByARelativeNameDoesNotSurviveAChangeOfTheWorkingFolder)
{
    const QString before = QDir::currentPath();
    for (const char* side : {"left", "right"}) {
        ASSERT_TRUE(QDir().mkpath(Path(side) + QStringLiteral("/sub")));
    }
    ASSERT_TRUE(WritePicture(Path("left") + QStringLiteral("/sub/rel.png"), Qt::red));
    ASSERT_TRUE(WritePicture(Path("right") + QStringLiteral("/sub/rel.png"), Qt::blue));
    ASSERT_TRUE(QDir::setCurrent(Path("left")));
    const QColor left = Colour(LoadSkinPicture(QStringLiteral("sub/rel.png")));
    ASSERT_TRUE(QDir::setCurrent(Path("right")));
    const QColor right = Colour(LoadSkinPicture(QStringLiteral("sub/rel.png")));
    ASSERT_TRUE(QDir::setCurrent(before));
    EXPECT_EQ(left, QColor(Qt::red));
    EXPECT_EQ(right, QColor(Qt::blue));
}

// After Clear the store starts afresh: pictures are kept and watched again.
TEST_F(SkinPictureTest, AfterClearPicturesAreKeptAndWatchedAgain)
{
    ASSERT_TRUE(WritePicture(Path("a.png"), Qt::red));
    EXPECT_EQ(Colour(LoadSkinPicture(Path("a.png"))), QColor(Qt::red));
    CSFSkinPictureCache::Instance().Clear();
    // Whatever takes the descriptor number that Clear gave back is none of the store's.
    int pipeFds[2];
    ASSERT_EQ(::pipe2(pipeFds, O_NONBLOCK | O_CLOEXEC), 0);
    ASSERT_EQ(::write(pipeFds[1], "keep", 4), 4);
    const QPixmap first = LoadSkinPicture(Path("a.png"));
    EXPECT_EQ(Colour(first), QColor(Qt::red));
    EXPECT_EQ(LoadSkinPicture(Path("a.png")).cacheKey(), first.cacheKey());
    char got[8] = {};
    EXPECT_EQ(::read(pipeFds[0], got, sizeof got), 4);
    EXPECT_STREQ(got, "keep");
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    ASSERT_TRUE(WritePicture(Path("a.png"), Qt::green));
    EXPECT_EQ(Colour(LoadSkinPicture(Path("a.png"))), QColor(Qt::green));
}

}  // namespace
