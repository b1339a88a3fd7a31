#include "base/config_manager.h"
#include "tests/common/test_files.h"

#include "tests/common/data_file_test_util.h"
#include "tests/common/test_util.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <atomic>
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <type_traits>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

static_assert(std::has_virtual_destructor<IConfigPersistent>::value,
              "the registry deletes its store through the interface");

using testutil::ReadFile;
using testutil::WriteFile;

bool Exists(const char* path) { return QFileInfo::exists(QString::fromUtf8(path)); }

// Everything in the working directory, hidden files included.
QStringList Entries() { return QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); }

const char kShippedLayout[] = "<Setting>\n"
                              "    <UIConfig>\n"
                              "        <Lang value=\"0\" Default=\"0\" Min=\"0\" Max=\"0\" Scale=\"0\" />\n"
                              "    </UIConfig>\n"
                              "</Setting>\n";

// Every test runs in a fresh working directory with an empty registry.
class ConfigTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_previousDir = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
        Registry().Reset();
    }
    void TearDown() override
    {
        Registry().Reset();
        QDir::setCurrent(m_previousDir);
    }

    static CConfigManager& Registry() { return CConfigManager::GetInstance(); }

    // Saves with files limited to limit bytes, as on a full disk.
    static void SaveUnderFileSizeLimit(rlim_t limit)
    {
        struct rlimit savedSize;
        ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &savedSize));
        auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit smallSize = savedSize;
        smallSize.rlim_cur = limit;
        ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &smallSize));
        Registry().SaveConfig();
        setrlimit(RLIMIT_FSIZE, &savedSize);
        std::signal(SIGXFSZ, oldHandler);
    }

    // A store on the config.xml currently in the working directory.
    static void OpenStore() { Registry().SetPersistent(new CConfigXMLPersistImp("")); }

    // A registry with one int item (section "A", key "N") read from the given value text.
    int ReadInt(const std::string& valueAttribute, int nDefault, int nScale, int nMin, int nMax)
    {
        Registry().Reset();
        CConfigXMLPersistImp* store = new CConfigXMLPersistImp;
        EXPECT_EQ(1, store->Parse(("<Setting><A><N " + valueAttribute + " /></A></Setting>").c_str()));
        Registry().SetPersistent(store);
        int value = 12345;
        Registry().RegisterItem(L"A", L"N", &value, nDefault, nScale, nMin, nMax, 0, false);
        Registry().ReadItem(Registry().GetItems().back());
        return value;
    }

    QTemporaryDir m_dir;
    QString m_previousDir;
};

TEST_F(ConfigTest, NoFileKeepsDefaultAndSaveWritesTheShippedFile)
{
    ASSERT_FALSE(Exists("config.xml"));
    Registry().SetLangId(1);  // the read must replace whatever the variable held
    OpenStore();
    Registry().LoadConfig();
    EXPECT_EQ(0, Registry().GetLangId());

    Registry().SaveConfig();
    EXPECT_EQ(kShippedLayout, ReadFile("config.xml"));
    EXPECT_FALSE(Exists("config.xml.tmp"));
    // The file shipped with the program is exactly what the writer produces.
    EXPECT_EQ(ReadFile("config.xml"), ReadFile(TESSALY_DATA_DIR "/config.xml"));
}

TEST_F(ConfigTest, LanguageIdReadsBackAndRoundTripsByteForByte)
{
    const std::string chinese = "<Setting>\n"
                                "    <UIConfig>\n"
                                "        <Lang value=\"1\" Default=\"0\" Min=\"0\" Max=\"0\" Scale=\"0\" />\n"
                                "    </UIConfig>\n"
                                "</Setting>\n";
    WriteFile("config.xml", chinese);
    OpenStore();
    Registry().LoadConfig();
    EXPECT_EQ(1, Registry().GetLangId());
    Registry().SaveConfig();
    EXPECT_EQ(chinese, ReadFile("config.xml"));

    Registry().SetLangId(0);
    Registry().SaveConfig();
    EXPECT_EQ(kShippedLayout, ReadFile("config.xml"));
}

TEST_F(ConfigTest, MissingEmptyOrMalformedFileKeepsDefaultsAndNextSaveIsGood)
{
    const char* const cases[] = {
        "",
        "not xml at all",
        "<Setting><UIConfig><Lang value=\"1\" />",                      // cut short
        "<Setting><UIConfig><Lang value=\"1\" /></UIConfig></Setting",  // broken end tag
        "<Setting><UIConfig><Lang value=\"1\" Default=\"0\" /></UIConfig></Oops>",
        "<Setting><UIConfig><Lang /></UIConfig></Setting>",  // no value
        "<Setting><UIConfig><Lang value=\"abc\" /></UIConfig></Setting>",
        "<Setting><Other><Lang value=\"1\" /></Other></Setting>",        // wrong section
        "<Setting><UIConfig><lang value=\"1\" /></UIConfig></Setting>",  // names are exact
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        Registry().Reset();
        WriteFile("config.xml", text);
        OpenStore();
        Registry().LoadConfig();
        EXPECT_EQ(0, Registry().GetLangId());
        Registry().SaveConfig();
        EXPECT_EQ(kShippedLayout, ReadFile("config.xml"));
    }
}

TEST_F(ConfigTest, RootNameIsNotCheckedAndNoStoreMeansDefaults)
{
    WriteFile("config.xml", "<Whatever><UIConfig><Lang value=\"1\" /></UIConfig></Whatever>");
    OpenStore();
    Registry().LoadConfig();
    EXPECT_EQ(1, Registry().GetLangId());

    Registry().Reset();
    Registry().SetLangId(5);
    Registry().LoadConfig();  // no store was set
    EXPECT_EQ(0, Registry().GetLangId());
}

TEST_F(ConfigTest, IntItemsAreClampedAsUnsignedNumbers)
{
    struct Case
    {
        const char* value;
        int scale, min, max;
        int expected;
    };
    const Case cases[] = {
        {"value=\"20\"", 2, 1, 5, 10},
        {"value=\"0\"", 2, 1, 5, 2},
        {"value=\"-1\"", 2, 1, 5, 10},  // 4294967295 as unsigned
        {"value=\"5\"", 2, 1, 5, 5},
        {"value=\"2\"", 2, 1, 5, 2},
        {"value=\"10\"", 2, 1, 5, 10},
        {"value=\"3\"", 2, 1, 5, 3},
        {"value=\"20\"", 2, 5, 1, 20},  // Min above Max: never clamped
        {"value=\"-1\"", 2, 5, 1, -1},
        {"value=\"20\"", 2, -1, 5, 20},  // a negative Min is above Max as unsigned
        {"value=\"7\"", 0, 0, 0, 7},     // the language item's settings: no clamp
        {"value=\"7\"", 0, 1, 5, 7},     // Scale 0 disables the clamp
        {"value=\"12abc\"", 0, 0, 0, 12},
        {"value=\"abc\"", 0, 0, 0, 42},  // not a number: the default
        {"", 0, 0, 0, 42},               // no value: the default
        {"value=\"abc\"", 2, 1, 5, 10},  // the default is clamped too
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.value) + " scale " + std::to_string(c.scale) + " min " +
                     std::to_string(c.min) + " max " + std::to_string(c.max));
        EXPECT_EQ(c.expected, ReadInt(c.value, 42, c.scale, c.min, c.max));
    }
}

TEST_F(ConfigTest, TypedGettersFollowTheirTypeAndFallBackToTheDefault)
{
    CConfigXMLPersistImp store;
    ASSERT_EQ(1, store.Parse("<Setting><S>"
                             "<T1 value=\"true\" /><T2 value=\"yes\" /><T3 value=\"1\" />"
                             "<F1 value=\"false\" /><F2 value=\"no\" /><F3 value=\"0\" />"
                             "<B value=\"maybe\" /><E />"
                             "<D1 value=\"0.25\" /><D2 value=\"-1e-07\" /><D3 value=\"x\" />"
                             "<I value=\"-2147483648\" />"
                             "<Str value=\"\xE4\xB8\xAD\xE6\x96\x87 &amp; more\" /><Empty value=\"\" />"
                             "</S></Setting>"));
    for (const wchar_t* key : {L"T1", L"T2", L"T3"})
        EXPECT_TRUE(store.GetBool(L"S", key, false, 0)) << key;
    for (const wchar_t* key : {L"F1", L"F2", L"F3"})
        EXPECT_FALSE(store.GetBool(L"S", key, true, 0)) << key;
    EXPECT_TRUE(store.GetBool(L"S", L"B", true, 0));
    EXPECT_FALSE(store.GetBool(L"S", L"B", false, 0));
    EXPECT_TRUE(store.GetBool(L"S", L"E", true, 0));
    EXPECT_TRUE(store.GetBool(L"S", L"Missing", true, 0));

    EXPECT_DOUBLE_EQ(0.25, store.GetDouble(L"S", L"D1", 9.0, 0));
    EXPECT_DOUBLE_EQ(-1e-07, store.GetDouble(L"S", L"D2", 9.0, 0));
    EXPECT_DOUBLE_EQ(9.0, store.GetDouble(L"S", L"D3", 9.0, 0));
    EXPECT_DOUBLE_EQ(9.0, store.GetDouble(L"Nope", L"D1", 9.0, 0));

    EXPECT_EQ(-2147483647 - 1, store.GetInt(L"S", L"I", 3, 0));
    EXPECT_EQ(-2147483647L - 1, store.GetLong(L"S", L"I", 3, 0));
    EXPECT_EQ(3L, store.GetLong(L"S", L"D3", 3, 0));
    EXPECT_EQ(store.GetInt(L"S", L"D1", 3, 0), store.GetLong(L"S", L"D1", 3, 0));

    EXPECT_EQ(L"\u4E2D\u6587 & more", store.GetString(L"S", L"Str", L"dflt"));
    EXPECT_EQ(L"", store.GetString(L"S", L"Empty", L"dflt"));  // the registry substitutes
    EXPECT_EQ(L"dflt", store.GetString(L"S", L"Missing", L"dflt"));
    EXPECT_EQ(L"", store.GetString(L"S", L"E", L"dflt"));  // element without value

    EXPECT_EQ(0, store.Parse(nullptr));
    EXPECT_EQ(0, store.Parse("<Setting><S><T1 value=\"1\" /></S>"));
    EXPECT_FALSE(store.GetBool(L"S", L"T1", false, 0));  // a failed parse leaves nothing
}

TEST_F(ConfigTest, EmptyBoolValueGivesTheDefault)
{
    CConfigXMLPersistImp store;
    ASSERT_EQ(1, store.Parse("<Setting><S><B value=\"\" /></S></Setting>"));
    EXPECT_TRUE(store.GetBool(L"S", L"B", true, 0));
    EXPECT_FALSE(store.GetBool(L"S", L"B", false, 0));
}

TEST_F(ConfigTest, AllItemTypesRoundTripInTheFileLayout)
{
    bool bFlag = true;
    int nCount = -7;
    double dRatio = 0.5;
    double dSmall = 1.5e-7;
    std::wstring strName = L"\u6444\u50CF\u673A <A&B> \"q\"";
    std::wstring strEmpty;
    std::wstring strPsw = L"ab";
    Registry().RegisterItem(L"Flags", L"On", &bFlag, false);
    Registry().RegisterItem(L"Numbers", L"Count", &nCount, 3, 2, 1, 5, 0, false);
    Registry().RegisterItem(L"Numbers", L"Ratio", &dRatio, 2.0);
    Registry().RegisterItem(L"Numbers", L"Small", &dSmall, 0.0);
    Registry().RegisterItem(L"Text", L"Name", &strName, L"\u9ED8\u8BA4");
    Registry().RegisterItem(L"Text", L"Empty", &strEmpty, L"");
    Registry().RegisterItem(L"Text", L"LoginPsw", &strPsw, L"");
    Registry().SaveConfig();

    const std::string expected =
        "<Setting>\n"
        "    <Flags>\n"
        "        <On value=\"1\" Default=\"0\" Min=\"0\" Max=\"1\" />\n"
        "    </Flags>\n"
        "    <Numbers>\n"
        "        <Count value=\"-7\" Default=\"3\" Min=\"1\" Max=\"5\" Scale=\"2\" />\n"
        "        <Ratio value=\"0.5\" Default=\"2\" />\n"
        "        <Small value=\"1.5e-07\" Default=\"0\" />\n"
        "    </Numbers>\n"
        "    <Text>\n"
        // The library quotes a value holding a double quote with single quotes.
        "        <Name value='\xE6\x91\x84\xE5\x83\x8F\xE6\x9C\xBA &lt;A&amp;B&gt; &quot;q&quot;'"
        " Default=\"\xE9\xBB\x98\xE8\xAE\xA4\" />\n"
        "        <Empty value=\"\" Default=\"\" />\n"
        "        <LoginPsw value=\"6162\" Default=\"\" />\n"
        "    </Text>\n"
        "</Setting>\n";
    EXPECT_EQ(expected, ReadFile("config.xml"));

    // Read back into fresh variables through a new registry.
    Registry().Reset();
    bool bFlag2 = false;
    int nCount2 = 0;
    double dRatio2 = 0, dSmall2 = 0;
    std::wstring strName2, strEmpty2, strPsw2;
    Registry().RegisterItem(L"Flags", L"On", &bFlag2, false);
    Registry().RegisterItem(L"Numbers", L"Count", &nCount2, 3, 0, 0, 0, 0, false);
    Registry().RegisterItem(L"Numbers", L"Ratio", &dRatio2, 2.0);
    Registry().RegisterItem(L"Numbers", L"Small", &dSmall2, 0.0);
    Registry().RegisterItem(L"Text", L"Name", &strName2, L"\u9ED8\u8BA4");
    Registry().RegisterItem(L"Text", L"Empty", &strEmpty2, L"fallback");
    Registry().RegisterItem(L"Text", L"LoginPsw", &strPsw2, L"");
    OpenStore();
    Registry().LoadConfig();
    EXPECT_TRUE(bFlag2);
    EXPECT_EQ(-7, nCount2);
    EXPECT_DOUBLE_EQ(0.5, dRatio2);
    EXPECT_DOUBLE_EQ(1.5e-7, dSmall2);
    EXPECT_EQ(strName, strName2);
    EXPECT_EQ(L"fallback", strEmpty2);  // an empty text gives way to a non-empty default
    EXPECT_EQ(L"6162", strPsw2);        // the stored hex text comes back unchanged
    EXPECT_EQ("ab", ConfigHexTextToBytes(strPsw2));
}

TEST_F(ConfigTest, LoginPswIsHexOfAtMost127Bytes)
{
    std::wstring strPsw(200, L'x');
    Registry().RegisterItem(L"User", L"LoginPsw", &strPsw, L"");
    Registry().SaveConfig();
    std::wstring stored;
    Registry().Reset();
    Registry().RegisterItem(L"User", L"LoginPsw", &stored, L"");
    OpenStore();
    Registry().LoadConfig();
    ASSERT_EQ(254u, stored.size());
    EXPECT_EQ(std::string(127, 'x'), ConfigHexTextToBytes(stored));

    EXPECT_EQ("JK\xff", ConfigHexTextToBytes(L"4A4bFf"));
    EXPECT_EQ("J", ConfigHexTextToBytes(L"4A4"));     // an odd digit is dropped
    EXPECT_EQ("J", ConfigHexTextToBytes(L"4Ag04b"));  // decoding stops at a bad pair
    EXPECT_EQ("", ConfigHexTextToBytes(L""));
}

TEST_F(ConfigTest, SectionsThatAreNotAdjacentAreWrittenTwiceAndAllReadBack)
{
    int a1 = 1, a2 = 2, b1 = 3, a3 = 4;
    Registry().RegisterItem(L"A", L"K1", &a1, 0, 0, 0, 0, 0, false);
    Registry().RegisterItem(L"A", L"K2", &a2, 0, 0, 0, 0, 0, false);
    Registry().RegisterItem(L"B", L"K3", &b1, 0, 0, 0, 0, 0, false);
    Registry().RegisterItem(L"A", L"K4", &a3, 0, 0, 0, 0, 0, false);
    Registry().SaveConfig();
    const std::string layout = "<Setting>\n"
                               "    <A>\n"
                               "        <K1 value=\"1\" Default=\"0\" Min=\"0\" Max=\"0\" Scale=\"0\" />\n"
                               "        <K2 value=\"2\" Default=\"0\" Min=\"0\" Max=\"0\" Scale=\"0\" />\n"
                               "    </A>\n"
                               "    <B>\n"
                               "        <K3 value=\"3\" Default=\"0\" Min=\"0\" Max=\"0\" Scale=\"0\" />\n"
                               "    </B>\n"
                               "    <A>\n"
                               "        <K4 value=\"4\" Default=\"0\" Min=\"0\" Max=\"0\" Scale=\"0\" />\n"
                               "    </A>\n"
                               "</Setting>\n";
    EXPECT_EQ(layout, ReadFile("config.xml"));

    a1 = a2 = b1 = a3 = 0;
    OpenStore();
    for (CConfigItem* item : Registry().GetItems())
        Registry().ReadItem(item);
    EXPECT_EQ(1, a1);
    EXPECT_EQ(2, a2);
    EXPECT_EQ(3, b1);
    EXPECT_EQ(4, a3);  // held by the second "A" element

    // A key in both elements: the first one wins.
    CConfigXMLPersistImp store;
    ASSERT_EQ(1, store.Parse("<S><A><K value=\"1\" /></A><A><K value=\"2\" /></A></S>"));
    EXPECT_EQ(1, store.GetInt(L"A", L"K", 0, 0));
}

TEST_F(ConfigTest, FailedSaveLeavesThePreviousFile)
{
    int value = 1;
    Registry().RegisterItem(L"UIConfig", L"Lang", &value, 0, 0, 0, 0, 0, false);
    const std::string previous = "<Setting>previous</Setting>\n";

    // The temporary file cannot be created: no file descriptor is left. (Not under the
    // sanitizers, whose checks need descriptors of their own.)
    WriteFile("config.xml", previous);
#if !defined(TESSALY_SANITIZE)
    struct rlimit savedFiles;
    ASSERT_EQ(0, getrlimit(RLIMIT_NOFILE, &savedFiles));
    struct rlimit noFiles = savedFiles;
    noFiles.rlim_cur = 0;
    ASSERT_EQ(0, setrlimit(RLIMIT_NOFILE, &noFiles));
    Registry().SaveConfig();
    setrlimit(RLIMIT_NOFILE, &savedFiles);
    EXPECT_EQ(previous, ReadFile("config.xml"));
    EXPECT_EQ(QStringList{"config.xml"}, Entries());
#endif

    // Writing fails half-way (file size limit): the previous file stays, nothing is left behind.
    SaveUnderFileSizeLimit(16);
    EXPECT_EQ(previous, ReadFile("config.xml"));
    EXPECT_EQ(QStringList{"config.xml"}, Entries());

    // The rename fails: nothing is left behind.
    ASSERT_TRUE(QFile::remove("config.xml"));
    ASSERT_TRUE(QDir().mkdir("config.xml"));
    Registry().SaveConfig();
    EXPECT_FALSE(QFileInfo("config.xml").isFile());
    EXPECT_EQ(QStringList{"config.xml"}, Entries());
    ASSERT_TRUE(QDir().rmdir("config.xml"));

    // And once the way is clear the next save writes a good file.
    Registry().SaveConfig();
    EXPECT_NE(std::string::npos, ReadFile("config.xml").find("<Lang value=\"1\""));
    EXPECT_EQ(QStringList{"config.xml"}, Entries());
}

TEST_F(ConfigTest, FileThatCannotBeReadIsKeptBesideBeforeTheSaveReplacesIt)
{
    const std::string broken = "<Setting><UIConfig><Lang value=\"1\" /></UIConfig>";  // cut short
    WriteFile("config.xml", broken);
    OpenStore();
    Registry().LoadConfig();
    EXPECT_EQ(0, Registry().GetLangId());  // read as defaults

    testing::internal::CaptureStderr();
    Registry().SaveConfig();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(kShippedLayout, ReadFile("config.xml"));
    EXPECT_EQ(broken, ReadFile("config.xml.bad"));
    const std::string path = QDir::current().filePath("config.xml").toStdString();
    EXPECT_NE(std::string::npos, err.find("\"" + path + "\"")) << err;
    EXPECT_NE(std::string::npos, err.find("\"" + path + ".bad\"")) << err;
    EXPECT_NE(std::string::npos, err.find("Error reading Element value")) << err;  // the reason
    EXPECT_EQ(err.size() - 1, err.find('\n')) << err;

    // The file written now reads, so the next save replaces it without a word.
    testing::internal::CaptureStderr();
    Registry().SaveConfig();
    EXPECT_EQ("", testing::internal::GetCapturedStderr());
    EXPECT_EQ(broken, ReadFile("config.xml.bad"));
    EXPECT_EQ((QStringList{"config.xml", "config.xml.bad"}), Entries());
}

TEST_F(ConfigTest, FileWithoutReadPermissionIsKeptBesideBeforeTheSaveReplacesIt)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root: permission bits do not stop reading";
    const std::string chinese = "<Setting><UIConfig><Lang value=\"1\" /></UIConfig></Setting>";
    WriteFile("config.xml", chinese);
    ASSERT_EQ(0, ::chmod("config.xml", 0));
    OpenStore();
    Registry().LoadConfig();
    EXPECT_EQ(0, Registry().GetLangId());

    testing::internal::CaptureStderr();
    Registry().SaveConfig();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, err.find("Permission denied")) << err;
    ASSERT_EQ(0, ::chmod("config.xml.bad", 0600));
    EXPECT_EQ(chinese, ReadFile("config.xml.bad"));
    EXPECT_EQ(kShippedLayout, ReadFile("config.xml"));  // a new file, readable again
}

TEST_F(ConfigTest, ConcurrentSavesNeverLeaveAnEmptyOrPartialFile)
{
    int value = 1;
    std::wstring text(2000, L'x');  // a file of a few kilobytes takes more than one write
    Registry().RegisterItem(L"UIConfig", L"Lang", &value, 0, 0, 0, 0, 0, false);
    Registry().RegisterItem(L"UIConfig", L"Text", &text, L"");
    Registry().SaveConfig();
    const std::string expected = ReadFile("config.xml");
    ASSERT_GT(expected.size(), 2000u);

    std::atomic<int> bad{0};
    std::atomic<bool> stop{false};
    auto writer = [&] {
        for (int i = 0; i < 200; ++i) {
            Registry().SaveConfig();
            if (ReadFile("config.xml") != expected)
                ++bad;
        }
    };
    std::thread reader([&] {
        while (!stop)
            if (ReadFile("config.xml") != expected)
                ++bad;
    });
    std::thread first(writer), second(writer);
    first.join();
    second.join();
    stop = true;
    reader.join();
    EXPECT_EQ(0, bad.load());
    EXPECT_EQ(expected, ReadFile("config.xml"));
    EXPECT_EQ(QStringList{"config.xml"},
              QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST_F(ConfigTest, DoublesUseTheCLocaleWhateverTheUserLocale)
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    const char* comma = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
        if (std::setlocale(LC_NUMERIC, name)) {
            comma = name;
            break;
        }
    }
    // Without an installed one, compile a German locale into a private folder (the
    // set-up installs the locale sources) and point the C library at it.
    QTemporaryDir localeDir;
    if (!comma && localeDir.isValid()) {
        const std::string dir = localeDir.path().toStdString();
        const std::string cmd = "localedef -i de_DE -f UTF-8 '" + dir + "/de_DE.UTF-8' >/dev/null 2>&1";
        if (std::system(cmd.c_str()) == 0) {
            setenv("LOCPATH", dir.c_str(), 1);
            if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
                comma = "de_DE.UTF-8";
        }
    }
    if (!comma)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    ASSERT_STREQ(",", std::localeconv()->decimal_point);
    double d = 0.5;
    Registry().RegisterItem(L"N", L"D", &d, 1.25);
    Registry().SaveConfig();
    const std::string text = ReadFile("config.xml");
    d = 0;
    OpenStore();
    Registry().ReadItem(Registry().GetItems().back());
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_NE(std::string::npos, text.find("<D value=\"0.5\" Default=\"1.25\" />")) << text;
    EXPECT_DOUBLE_EQ(0.5, d);
}

TEST_F(ConfigTest, TextThatIsNoUtf8IsReadAsReplacementCharacters)
{
    // The smallest files that end inside a character, with and without a byte-order mark:
    // read without reading past their end, and taken as files that do not parse.
    for (const std::string& text : {testutil::Bytes({0x3C, 0x61, 0x3E, 0xEF}),
                                    testutil::Bytes({0xEF, 0xBB, 0xBF, 0x3C, 0x61, 0x3E, 0xEF})}) {
        Registry().Reset();
        Registry().SetLangId(1);
        WriteFile("config.xml", text);
        OpenStore();
        Registry().LoadConfig();
        EXPECT_EQ(0, Registry().GetLangId());
    }

    // A character cut short inside a value reads as U+FFFD and the items behind it still load.
    Registry().Reset();
    WriteFile("config.xml", "<Setting><UIConfig>"
                            "<Name value=\"ab\xE4\xB8\" /><Other value=\"\xFF\" /><Lang value=\"1\" />"
                            "</UIConfig></Setting>");
    std::wstring name, other;
    Registry().RegisterItem(L"UIConfig", L"Name", &name, L"");
    Registry().RegisterItem(L"UIConfig", L"Other", &other, L"");
    OpenStore();
    Registry().LoadConfig();
    EXPECT_EQ(L"ab\uFFFD", name);
    EXPECT_EQ(L"\uFFFD", other);
    EXPECT_EQ(1, Registry().GetLangId());
}

TEST_F(ConfigTest, StoreParseReadsTextThatIsNoUtf8AsReplacementCharacters)
{
    // Texts that end inside a character, each in a heap block of exactly its size, so that
    // a read past its end shows under a memory checker.
    CConfigXMLPersistImp store;
    for (const std::string& text : {std::string("<a>\xEF"), std::string("\xEF\xBB\xBF<a>\xEF")}) {
        const std::unique_ptr<char[]> copy(new char[text.size() + 1]);
        std::memcpy(copy.get(), text.c_str(), text.size() + 1);
        EXPECT_EQ(0, store.Parse(copy.get()));
    }
    ASSERT_EQ(1, store.Parse("<Setting><S><K value=\"x\xE4\xB8\" /><L value=\"2\" /></S></Setting>"));
    EXPECT_EQ(L"x\uFFFD", store.GetString(L"S", L"K", L""));
    EXPECT_EQ(2, store.GetInt(L"S", L"L", 0, 0));
}

TEST_F(ConfigTest, FolderOrFifoInPlaceOfTheFileGivesTheDefaults)
{
    for (const bool fifo : {true, false}) {
        SCOPED_TRACE(fifo ? "FIFO" : "folder");
        Registry().Reset();
        Registry().SetLangId(1);
        if (fifo)
            ASSERT_EQ(0, ::mkfifo("config.xml", 0600));
        else
            ASSERT_TRUE(QDir().mkdir("config.xml"));
        EXPECT_TRUE(testutil::FinishesWithin(std::chrono::seconds(10),
                                             [] {
                                                 OpenStore();
                                                 Registry().LoadConfig();
                                             },
                                             {"config.xml"}));
        EXPECT_EQ(0, Registry().GetLangId());
        if (fifo)
            ASSERT_TRUE(QFile::remove("config.xml"));
        else
            ASSERT_TRUE(QDir().rmdir("config.xml"));
    }
}

// A settings file nested too deep to parse is read as any unreadable one: the defaults, and
// the next save keeps it as "config.xml.bad" with a line on standard error.
TEST_F(ConfigTest, SettingsNestedTooDeepAreReadAsAnUnreadableFile)
{
    for (const int depth : testutil::kXmlDepths) {
        SCOPED_TRACE(depth);
        Registry().Reset();
        QFile::remove("config.xml.bad");
        // Setting, UIConfig and Lang are the first three levels.
        const std::string text = "<Setting><UIConfig><Lang value=\"1\">" + testutil::Nested("x", depth - 3) +
                                 "</Lang></UIConfig></Setting>";
        WriteFile("config.xml", text);
        OpenStore();
        Registry().LoadConfig();
        const bool readable = depth <= 256;
        EXPECT_EQ(readable ? 1 : 0, Registry().GetLangId());

        testing::internal::CaptureStderr();
        Registry().SaveConfig();
        const std::string err = testing::internal::GetCapturedStderr();
        if (readable) {
            EXPECT_EQ("", err);
            EXPECT_FALSE(Exists("config.xml.bad"));
        } else {
            EXPECT_NE(std::string::npos, err.find("nested deeper than 256 levels")) << err;
            EXPECT_NE(std::string::npos, err.find("config.xml.bad")) << err;
            EXPECT_EQ(err.size() - 1, err.find('\n')) << err;
            EXPECT_EQ(text, ReadFile("config.xml.bad"));
            EXPECT_EQ(kShippedLayout, ReadFile("config.xml"));
        }
    }
    // The store's own parse refuses such a text too.
    CConfigXMLPersistImp store;
    EXPECT_EQ(0, store.Parse(testutil::Nested("Setting", 257).c_str()));
    EXPECT_EQ(1, store.Parse(testutil::Nested("Setting", 256).c_str()));
}

// A save that fails says so on standard error, naming the file and the reason, in one line.
TEST_F(ConfigTest, FailedSaveWritesOneLineNamingTheFileAndTheReason)
{
    int value = 1;
    std::wstring text(4000, L'x');  // a file far larger than the line on standard error
    Registry().RegisterItem(L"UIConfig", L"Lang", &value, 0, 0, 0, 0, 0, false);
    Registry().RegisterItem(L"UIConfig", L"Text", &text, L"");
    const std::string path = QDir::current().filePath("config.xml").toStdString();

    // The rename fails: a folder of that name.
    ASSERT_TRUE(QDir().mkdir("config.xml"));
    testing::internal::CaptureStderr();
    Registry().SaveConfig();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, err.find("\"" + path + "\"")) << err;
    EXPECT_NE(std::string::npos, err.find("Is a directory")) << err;
    EXPECT_EQ(err.size() - 1, err.find('\n')) << err;
    ASSERT_TRUE(QDir().rmdir("config.xml"));

    // Writing fails half-way: the disk (here the file size limit, which the captured line
    // stays under) is full.
    testing::internal::CaptureStderr();
    SaveUnderFileSizeLimit(2048);
    err = testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, err.find("\"" + path + "\"")) << err;
    EXPECT_NE(std::string::npos, err.find("File too large")) << err;
    EXPECT_EQ(err.size() - 1, err.find('\n')) << err;

    // A save that works says nothing.
    testing::internal::CaptureStderr();
    Registry().SaveConfig();
    EXPECT_EQ("", testing::internal::GetCapturedStderr());
}

}  // namespace
