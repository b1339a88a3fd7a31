// Skin-record text parsers, the skin folder, the style sheet and the text conversions.
#include "skin/SFSkinString.h"

#include "tests/common/data_file_test_util.h"
#include "tests/common/test_files.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>

#include <chrono>
#include <cstring>
#include <string>

#include <sys/stat.h>

namespace {

std::string Narrow(const std::wstring& text) { return QString::fromStdWString(text).toStdString(); }

::testing::AssertionResult Corners(const QRect& r, int x1, int y1, int x2, int y2)
{
    int a, b, c, d;
    r.getCoords(&a, &b, &c, &d);
    if (a == x1 && b == y1 && c == x2 && d == y2)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got {" << a << ", " << b << ", " << c << ", " << d << "}, want {"
                                         << x1 << ", " << y1 << ", " << x2 << ", " << y2 << "}";
}

TEST(SkinStrings, RectangleReadings)
{
    struct Case
    {
        const wchar_t* text;
        int inclusive[4];  // StringToRect
        int exclusive[4];  // StringToQRect
    };
    const Case cases[] = {
        {L"0,0,80,27", {0, 0, 79, 26}, {0, 0, 80, 27}},
        {L"10,20,1,1", {10, 20, 10, 20}, {10, 20, 11, 21}},
        {L"-5,-6,10,10", {-5, -6, 4, 3}, {-5, -6, 5, 4}},
        {L"5,6", {5, 6, 4, 5}, {5, 6, 5, 6}},  // width and height not read: 0
        {L"", {0, 0, -1, -1}, {0, 0, 0, 0}},
        {L"abc", {0, 0, -1, -1}, {0, 0, 0, 0}},
        {L"1,2,x,4", {1, 2, 0, 1}, {1, 2, 1, 2}},      // the scan stops at the first bad number
        {L" 1, 2, 3, 4", {1, 2, 3, 5}, {1, 2, 4, 6}},  // blanks before a number are skipped
        {L"3 ,4,5,6", {3, 0, 2, -1}, {3, 0, 3, 0}},    // but the comma must follow directly
    };
    for (const Case& c : cases) {
        const std::wstring w(c.text);
        const std::string a = Narrow(w);
        const int* i = c.inclusive;
        const int* e = c.exclusive;
        EXPECT_TRUE(Corners(StringToRect(w), i[0], i[1], i[2], i[3])) << a;
        EXPECT_TRUE(Corners(StringToRectA(a), i[0], i[1], i[2], i[3])) << a;
        EXPECT_TRUE(Corners(StringToQRect(w), e[0], e[1], e[2], e[3])) << a;
        EXPECT_TRUE(Corners(StringToQRectA(a), e[0], e[1], e[2], e[3])) << a;
    }
    // Read as Qt rectangles: the inclusive one covers exactly w x h pixels, an empty text
    // gives the null rectangle.
    EXPECT_EQ(StringToRect(L"0,0,80,27").size(), QSize(80, 27));
    EXPECT_TRUE(StringToRect(L"").isNull());
}

TEST(SkinStrings, CopyQRectCopiesTheFourValues)
{
    const QRect src = StringToRect(L"");  // {0, 0, -1, -1}
    QRect dst(1, 2, 3, 4);
    EXPECT_EQ(CopyQRect(&dst, &src), &dst);
    EXPECT_TRUE(Corners(dst, 0, 0, -1, -1));
    const QRect other = StringToQRect(L"3,4,5,6");
    EXPECT_EQ(DuplicateQRect(&dst, &other), &dst);
    EXPECT_TRUE(Corners(dst, 3, 4, 8, 10));
    EXPECT_EQ(CopyQRect(&dst, nullptr), &dst);
    EXPECT_TRUE(Corners(dst, 3, 4, 8, 10));
    EXPECT_EQ(CopyQRect(nullptr, &src), nullptr);
}

TEST(SkinStrings, PairTable)
{
    struct Case
    {
        const wchar_t* text;
        int a, b;
    };
    const Case cases[] = {
        {L"3,4", 3, 4},   {L" 3,4 ", 3, 4}, {L"\t10,20\n", 10, 20}, {L"3, 4", 3, 4}, {L"-7,8", -7, 8},
        {L"a,5", 0, 5},   {L"5,", 5, 0},    {L"0x10,5", 0, 5},  // base 10 only
        {L"1,2,3", 0, 0}, {L"1", 0, 0},     {L",", 0, 0},           {L"", 0, 0},     {L"  ", 0, 0},
    };
    for (const Case& c : cases) {
        const std::wstring w(c.text);
        const std::pair<int, int> expected(c.a, c.b);
        EXPECT_EQ(ParseIntPairW(w), expected) << Narrow(w);
        EXPECT_EQ(ParseIntPairQ(QString::fromStdWString(w)), expected) << Narrow(w);
        EXPECT_EQ(ParseIntPairA(Narrow(w)), expected) << Narrow(w);
    }
}

TEST(SkinStrings, ColourTable)
{
    struct Case
    {
        const wchar_t* text;
        int r, g, b;
    };
    const Case cases[] = {
        {L"FFFFFF", 255, 255, 255},
        {L"000000", 0, 0, 0},
        {L"FF8000", 255, 128, 0},
        {L"ff8000", 255, 128, 0},
        {L"123456", 0x12, 0x34, 0x56},
        {L"1G2H3I", 1, 2, 3},    // a pair keeps its leading hexadecimal digit
        {L"GG00FF", 0, 0, 255},  // a pair without one reads 0
        {L"0x1234", 0, 0x12, 0x34},
        {L"FFF", 0, 0, 0},  // not six characters: black
        {L"#FFFFFF", 0, 0, 0},
        {L"FFFFFF ", 0, 0, 0},
        {L"", 0, 0, 0},
    };
    for (const Case& c : cases) {
        const std::wstring w(c.text);
        const QColor expected(c.r, c.g, c.b, 255);
        EXPECT_EQ(HexStringToQColor(w), expected) << Narrow(w);
        EXPECT_EQ(HexStringToQColorA(Narrow(w)), expected) << Narrow(w);
    }
    // Six characters that are no hexadecimal digits at all; counted in characters, not bytes.
    EXPECT_EQ(HexStringToQColor(L"\u7EA2\u7EFF\u84DD\u7EA2\u7EFF\u84DD"), QColor(0, 0, 0, 255));
}

TEST(SkinStrings, ColorRefIsBlueGreenRed)
{
    EXPECT_EQ(ColorRefToQColor(0x00332211u), QColor(0x11, 0x22, 0x33, 255));
    EXPECT_EQ(ColorRefToQColor(0xFF332211u), QColor(0x11, 0x22, 0x33, 255));  // top byte ignored
    EXPECT_EQ(ColorRefToQColor(0x00FF0000u), QColor(0, 0, 255, 255));         // 0xFF0000 is blue
    EXPECT_EQ(ColorRefRed(0x00332211u), 0x11);
    EXPECT_EQ(ColorRefGreen(0x00332211u), 0x22);
    EXPECT_EQ(ColorRefBlue(0x00332211u), 0x33);
}

class SkinFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Skin")));
        inside = dir.path() + QStringLiteral("/Skin/title.png");
        beside = dir.path() + QStringLiteral("/Skintitle.png");
        ASSERT_TRUE(QImage(4, 3, QImage::Format_ARGB32).save(inside, "PNG"));
        ASSERT_TRUE(QImage(7, 5, QImage::Format_ARGB32).save(beside, "PNG"));
    }
    void TearDown() override { SetSkinPath(std::wstring()); }

    QTemporaryDir dir;
    QString inside;
    QString beside;
};

TEST_F(SkinFolder, PictureNamesAreAppendedWithoutASeparator)
{
    SetSkinPath((dir.path() + QStringLiteral("/Skin/")).toStdWString());
    EXPECT_EQ(GetSkinPath(), dir.path() + QStringLiteral("/Skin/"));
    EXPECT_EQ(SkinFilePath(QStringLiteral("title.png")), inside);
    QPixmap pm;
    ASSERT_TRUE(pm.load(SkinFilePath(std::wstring(L"title.png"))));
    EXPECT_EQ(pm.size(), QSize(4, 3));

    // Without the trailing separator the folder's last name and the picture name run
    // together into one file beside the folder.
    SetSkinPath((dir.path() + QStringLiteral("/Skin")).toStdWString());
    EXPECT_EQ(SkinFilePath(L"title.png"), beside);
    QPixmap other;
    ASSERT_TRUE(other.load(SkinFilePath(L"title.png")));
    EXPECT_EQ(other.size(), QSize(7, 5));
}

TEST_F(SkinFolder, NamesWrittenWithBackslashesFindTheFile)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Skin/sub")));
    ASSERT_TRUE(QFile::copy(inside, dir.path() + QStringLiteral("/Skin/sub/title.png")));
    SetSkinPath((dir.path() + QStringLiteral("/Skin/")).toStdWString());
    QPixmap pm;
    EXPECT_TRUE(pm.load(SkinFilePath(L"sub\\title.png")));
    EXPECT_EQ(SkinFilePath(static_cast<const wchar_t*>(nullptr)), dir.path() + QStringLiteral("/Skin/"));
}

TEST(SkinStrings, StyleSheetIsReadAsUtf8AndApplied)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A non-ASCII folder name checks the wide path on its way to the file system.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromUtf8("\xE6\xA0\xB7\xE5\xBC\x8F")));
    const QString path = dir.path() + QString::fromUtf8("/\xE6\xA0\xB7\xE5\xBC\x8F/Style.css");
    const QByteArray bytes("QLabel { font-family: \"\xE5\xBE\xAE\xE8\xBD\xAF\xE9\x9B\x85\xE9\xBB\x91\"; }\n"
                           "/* caf\xC3\xA9 */\n");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    qApp->setStyleSheet(QString());
    LoadStyleSheet(path.toStdWString());
    EXPECT_EQ(GetStyleSheetPath(), path);
    EXPECT_EQ(qApp->styleSheet(), QString::fromUtf8(bytes));
    EXPECT_TRUE(qApp->styleSheet().contains(QString::fromUtf8("\xE5\xBE\xAE\xE8\xBD\xAF")));

    // A file that cannot be opened changes nothing.
    const QString missing = dir.path() + QStringLiteral("/missing.css");
    LoadStyleSheet(missing.toStdWString());
    EXPECT_EQ(GetStyleSheetPath(), missing);
    EXPECT_EQ(qApp->styleSheet(), QString::fromUtf8(bytes));
    qApp->setStyleSheet(QString());
}

// Only a regular file of at most 16 MiB is read as the style sheet, and without blocking:
// anything else changes nothing, with one line on standard error naming the file.
TEST(SkinStrings, StyleSheetIsReadOnlyFromARegularFileOfBoundedSize)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string fifo = dir.filePath(QStringLiteral("fifo.css")).toStdString();
    ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.css")));
    testutil::WriteFile(dir.filePath(QStringLiteral("large.css")).toStdString(),
                        std::string(16u * 1024u * 1024u + 1u, ' '));
    const QString applied = QStringLiteral("QLabel { color: red; }");
    for (const char* name : {"fifo.css", "folder.css", "large.css"}) {
        SCOPED_TRACE(name);
        qApp->setStyleSheet(applied);
        const QString path = dir.filePath(QString::fromLatin1(name));
        testing::internal::CaptureStderr();
        EXPECT_TRUE(testutil::FinishesWithin(std::chrono::seconds(10),
                                             [&] { LoadStyleSheet(path.toStdWString()); }, {fifo}));
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(qApp->styleSheet(), applied);
        EXPECT_EQ(GetStyleSheetPath(), path);
        EXPECT_NE(err.find("\"" + path.toStdString() + "\""), std::string::npos) << err;
        EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
    }
    qApp->setStyleSheet(QString());
}

TEST(SkinStrings, ScreenAndApplicationFolder)
{
    QRect r(1, 2, 3, 4);
    GetScreenRect(&r);
    ASSERT_NE(QGuiApplication::primaryScreen(), nullptr);
    EXPECT_EQ(r, QGuiApplication::primaryScreen()->geometry());
    EXPECT_FALSE(r.isEmpty());
    GetScreenRect(nullptr);  // ignored

    EXPECT_EQ(GetAppDirPath(), QCoreApplication::applicationDirPath().toStdWString());
    EXPECT_FALSE(GetAppDirPath().empty());
}

TEST(SkinStrings, Utf8ToLocal8BitNeverWritesPastTheBuffer)
{
    const char* text = "\xE4\xB8\xAD\xE6\x96\x87"
                       "abc";  // 9 bytes + NUL
    char buf[16];

    std::memset(buf, 'X', sizeof buf);
    EXPECT_TRUE(Utf8ToLocal8Bit(text, buf, 10));  // exact fit
    EXPECT_STREQ(buf, text);
    EXPECT_EQ(buf[10], 'X');

    std::memset(buf, 'X', sizeof buf);
    EXPECT_FALSE(Utf8ToLocal8Bit(text, buf, 9));  // one byte short: empty text, failure
    EXPECT_EQ(buf[0], '\0');
    for (std::size_t i = 1; i < sizeof buf; ++i)
        EXPECT_EQ(buf[i], 'X') << i;

    std::memset(buf, 'X', sizeof buf);
    EXPECT_FALSE(Utf8ToLocal8Bit(text, buf, 0));  // no room at all: nothing written
    EXPECT_EQ(buf[0], 'X');

    EXPECT_TRUE(Utf8ToLocal8Bit("", buf, 1));
    EXPECT_EQ(buf[0], '\0');
}

TEST(SkinStrings, WideAndUtf8Text)
{
    EXPECT_TRUE(Utf8ToQString(nullptr).isEmpty());
    EXPECT_EQ(Utf8ToQString("\xE4\xB8\xAD\xE6\x96\x87"), QString::fromUtf8("\xE4\xB8\xAD\xE6\x96\x87"));

    EXPECT_TRUE(WideToQString(static_cast<const wchar_t*>(nullptr)).isEmpty());
    EXPECT_TRUE(WideToQString(L"").isEmpty());
    EXPECT_EQ(WideToQString(L"Recorder \u4E2D\u6587"),
              QString::fromUtf8("Recorder \xE4\xB8\xAD\xE6\x96\x87"));
    // A character outside the BMP is one wchar_t and two UTF-16 units.
    const QString smile = WideToQString(L"\U0001F600");
    EXPECT_EQ(smile, QString::fromUtf8("\xF0\x9F\x98\x80"));
    EXPECT_EQ(smile.size(), 2);
    const std::wstring back = QStringToWide(smile);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(static_cast<std::uint32_t>(back[0]), 0x1F600u);
    // wchar_t values that are no Unicode scalar values become U+FFFD.
    const wchar_t bad[] = {L'a', static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0x110000), L'b', 0};
    EXPECT_EQ(WideToQString(bad), QStringLiteral("a\uFFFD\uFFFDb"));
    EXPECT_EQ(WideToQString(std::wstring(L"x\0y", 3)).size(), 3);

    EXPECT_EQ(QStringToWide(QString::fromUtf8("\xE4\xB8\xAD\xE6\x96\x87")), std::wstring(L"\u4E2D\u6587"));
    EXPECT_TRUE(QStringToWide(QString()).empty());
}

}  // namespace
