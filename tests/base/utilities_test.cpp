#include "base/utilities.h"

#include "base/sf_paths.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

using namespace VesperonBase;

TEST(Utilities, IpAddCarriesByTheRulesOfTheAddressText)
{
    const struct
    {
        const char* text;
        int n;
        const char* expected;
    } cases[] = {
        {"10.0.0.254", 1, "10.0.0.255"},
        {"10.0.0.255", 1, "10.0.1.1"},           // 256 carries 1 and keeps 256 % 255
        {"192.168.1.10", 600, "192.168.3.100"},  // 610: carries 2, keeps 100
        {"1.255.255.255", 1, "2.1.1.1"},         // the carry runs through every part
        {"255.255.255.255", 1, "255.1.1.1"},     // the first part stops at 255
        {"10.1.2.3", 0, "10.1.2.3"},
    };
    for (const auto& c : cases) {
        char out[64];
        std::memset(out, 'x', sizeof(out));
        EXPECT_EQ(1, IpAdd(c.text, c.n, out));
        EXPECT_STREQ(c.expected, out) << c.text << " + " << c.n;
    }
    char out[64];
    std::memset(out, 'x', sizeof(out));
    IpAdd("0123456789abcdefghij", 0, out);  // a copy is cut to 16 bytes
    EXPECT_STREQ("0123456789abcde", out);
}

TEST(Utilities, MakeDirPathCreatesOnlyPrefixesEndingBeforeASlash)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const std::wstring root = tmp.path().toStdWString();

    EXPECT_EQ(0, MakeDirPath(root + L"/t/a/b/"));
    EXPECT_TRUE(QFileInfo(tmp.filePath("t/a/b")).isDir());

    EXPECT_EQ(0, MakeDirPath(root + L"/u/\u00e4/b"));
    EXPECT_TRUE(QFileInfo(tmp.filePath(QString::fromWCharArray(L"u/\u00e4"))).isDir());
    EXPECT_FALSE(QFileInfo::exists(tmp.filePath(QString::fromWCharArray(L"u/\u00e4/b"))));

    EXPECT_EQ(0, MakeDirPath(root + L"/t/a"));        // exists already
    EXPECT_EQ(-1, MakeDirPath(root + L"/t/a/leaf"));  // nothing to create: no mkdir ran

    // A file in the way: the first mkdir below it fails and the walk stops.
    QFile file(tmp.filePath("f"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(-1, MakeDirPath(root + L"/f/x/y/"));
    EXPECT_FALSE(QFileInfo::exists(tmp.filePath("f/x")));
}

TEST(Utilities, SafeStrCopyNeverOverrunsAndReportsWhatItDid)
{
    char dst[8];
    std::memset(dst, 'x', sizeof(dst));
    EXPECT_EQ(0, SafeStrCopy(dst, sizeof(dst), "1234567"));
    EXPECT_STREQ("1234567", dst);

    std::memset(dst, 'x', sizeof(dst));
    EXPECT_EQ(ERANGE, SafeStrCopy(dst, sizeof(dst), "12345678"));
    for (char ch : dst)
        EXPECT_EQ('\0', ch);

    EXPECT_EQ(EINVAL, SafeStrCopy(dst, sizeof(dst), nullptr));
    EXPECT_EQ(EINVAL, SafeStrCopy(nullptr, 4, "a"));
    EXPECT_EQ(EINVAL, SafeStrCopy(dst, 0, "a"));
}

TEST(Utilities, WideFormattingAndFilling)
{
    wchar_t buffer[64];
    EXPECT_EQ(5, FormatInt(-1234, buffer));
    EXPECT_STREQ(L"-1234", buffer);
    EXPECT_EQ(6, FormatWide(buffer, 64, L"%ls-%d", L"\u4e2d\u6587ab", 7));
    EXPECT_STREQ(L"\u4e2d\u6587ab-7", buffer);
    wchar_t small[4];
    EXPECT_EQ(-1, FormatWide(small, 4, L"%d", 123456));
    EXPECT_EQ(L'\0', small[3]);

    wchar_t fill[6] = {L'a', L'a', L'a', L'a', L'a', L'a'};
    FillWide(fill, L'\u00e9', 5);
    EXPECT_EQ(std::wstring(5, L'\u00e9') + L'a', std::wstring(fill, 6));
}

TEST(Utilities, NowSecondsIsTheCurrentTimeFromOneReading)
{
    const double before = static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000.0;
    const double now = NowSeconds();
    const double after = static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000.0;
    EXPECT_GE(now, before - 0.002);
    EXPECT_LE(now, after + 0.002);
}

TEST(Utilities, ResourceAndSkinPaths)
{
    std::wstring wide;
    std::string utf8;
    GetResourcesDir(L"/opt/t\u00e9ssaly/bin/Tessaly", &wide, &utf8);
    EXPECT_EQ(L"/opt/t\u00e9ssaly/bin/Resources", wide);
    EXPECT_EQ("/opt/t\xC3\xA9ssaly/bin/Resources", utf8);
    GetResourcesDir(L"Tessaly", &wide, &utf8);
    EXPECT_EQ(L"Resources", wide);

    SF_SOFT_BASE::SFBaseSetAppDirPathOverride(L"/opt/app");
    EXPECT_EQ(L"/opt/app/Skin/btn_nor.png", GetSkinFile(L"/btn_nor.png"));
    SF_SOFT_BASE::SFBaseSetAppDirPathOverride(L"");
}

TEST(Utilities, YuvToRgb32)
{
    const SFYuvTables& t = GetYuvTables();
    EXPECT_EQ(0, t.luma[16]);
    EXPECT_EQ(0, t.uBlue[128]);
    EXPECT_EQ(0, t.vRed[128]);
    EXPECT_EQ(255 * 9535 - 152560, t.luma[255]);

    // 3 x 2 picture: chroma columns are shared by pixel pairs (the odd last one alone).
    const std::uint8_t y[] = {16, 235, 128, 81, 145, 41};
    const std::uint8_t u[] = {128, 90};
    const std::uint8_t v[] = {128, 240};
    std::vector<std::uint8_t> out(3 * 2 * 4, 0);
    Yuv420ToRgb32(y, u, v, 3, 2, out.data());
    const std::vector<std::uint8_t> expected = {
        0,   0,   0,   255,                  // Y 16: black
        254, 254, 254, 255,                  // Y 235: white (254 in 13-bit fixed point)
        53,  54,  255, 255,                  // Y 128, U 90, V 240: red clamps at 255
        75,  75,  75,  255,                  // second row, first chroma column: grey
        150, 150, 150, 255, 0, 0, 207, 255,  // Y 41, U 90, V 240: blue and green clamp at 0
    };
    EXPECT_EQ(expected, out);

    std::vector<std::uint8_t> flipped(out.size(), 0);
    Yuv420ToRgb32(y, u, v, 3, -2, flipped.data());
    EXPECT_TRUE(std::equal(out.begin(), out.begin() + 12, flipped.begin() + 12));
    EXPECT_TRUE(std::equal(out.begin() + 12, out.end(), flipped.begin()));
}
