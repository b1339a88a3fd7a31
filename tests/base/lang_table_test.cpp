#include "base/config_manager.h"
#include "base/lang_table.h"
#include "base/sf_paths.h"
#include "tests/common/test_files.h"

#include "tests/common/data_file_test_util.h"
#include "tests/common/test_util.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <tinyxml.h>

#include <cwchar>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

using SF_SOFT_BASE::SFBaseSetAppDirPathOverride;

void WriteFile(const QString& path, const std::string& text)
{
    testutil::WriteFile(path.toStdString(), text);
}

std::string Utf8(const std::wstring& text) { return QString::fromStdWString(text).toStdString(); }

std::wstring Wide(const char* utf8) { return QString::fromUtf8(utf8).toStdWString(); }

// A fresh application folder, an empty table and language id 0 for every test.
class LangTableTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        SFBaseSetAppDirPathOverride(m_dir.path().toStdWString());
        CConfigManager::GetInstance().Reset();
        ResetLangTable();
    }
    void TearDown() override
    {
        ResetLangTable();
        CConfigManager::GetInstance().Reset();
        SFBaseSetAppDirPathOverride(std::wstring());
    }

    QString Path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    // A language file of name/value items (UTF-8 with a byte-order mark).
    void WriteLang(int id, const std::vector<std::pair<std::string, std::string>>& items)
    {
        std::string text = "\xEF\xBB\xBF<Strings>\n";
        for (const auto& item : items)
            text += "  <item name=\"" + item.first + "\" value=\"" + item.second + "\" />\n";
        text += "</Strings>\n";
        WriteFile(Path(("Lang_" + std::to_string(id) + ".xml").c_str()), text);
    }

    static void SetLang(int id) { CConfigManager::GetInstance().SetLangId(id); }

    QTemporaryDir m_dir;
};

TEST_F(LangTableTest, KeysAreLookedUpExactly)
{
    WriteFile(Path("Lang_0.xml"),
              "<Strings>\n"
              "  <item name=\"Cancel\" value=\"Cancel-0\" />\n"
              "  <item name=\"Twice\" value=\"first\" />\n"
              "  <item name=\"Twice\" value=\"second\" />\n"
              "  <other name=\"Other\" value=\"read too\" />\n"
              "  <item name=\"NoValue\" />\n"
              "  <item value=\"no name\" />\n"
              "  <item name=\"Blank \" value=\"with blank\" />\n"
              "  <item name=\"Empty\" value=\"\" />\n"
              "  <item name=\"Ref\" value=\"&#x4E2D;&lt;&amp;\" />\n"
              "  <item name=\"\xE8\xA7\xA3\xE7\xA0\x81\" value=\"\xE4\xB8\xAD\xE6\x96\x87\" />\n"
              "</Strings>\n");
    struct Case
    {
        std::wstring key, expected;
    };
    const Case cases[] = {
        {L"Cancel", L"Cancel-0"},
        {L"Missing key  ", L"Missing key  "},  // trailing blanks come back too
        {L"cancel", L"cancel"},
        {L"Twice", L"second"},     // the later entry wins
        {L"Other", L"read too"},   // any element name is read
        {L"NoValue", L"NoValue"},  // skipped
        {L"no name", L"no name"},
        {L"Blank", L"Blank"},
        {L"Blank ", L"with blank"},
        {L"Empty", L""},
        {L"Ref", L"\u4E2D<&"},  // character references without a BOM
        {L"\u89E3\u7801", L"\u4E2D\u6587"},
        {L"", L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, std::wstring(GetLangText(c.key.c_str()))) << Utf8(c.key);
    EXPECT_STREQ(L"", GetLangText(nullptr));
}

TEST_F(LangTableTest, MissingFileIsRetriedOnEveryCall)
{
    EXPECT_STREQ(L"Cancel", GetLangText(L"Cancel"));
    EXPECT_STREQ(L"Cancel", GetLangText(L"Cancel"));
    WriteFile(Path("Lang_0.xml"), "<Strings><item name=\"Cancel\" value=\"Abort\" /></Strings>");
    EXPECT_STREQ(L"Abort", GetLangText(L"Cancel"));

    // Once loaded the table stays: changing the file does not reload it.
    WriteFile(Path("Lang_0.xml"), "<Strings><item name=\"Cancel\" value=\"Changed\" /></Strings>");
    EXPECT_STREQ(L"Abort", GetLangText(L"Cancel"));

    // A file that does not parse counts as missing.
    SetLang(1);
    WriteFile(Path("Lang_1.xml"), "<Strings><item name=\"Cancel\" value=\"broken\" />");
    EXPECT_STREQ(L"Cancel", GetLangText(L"Cancel"));
    WriteFile(Path("Lang_1.xml"), "<Strings><item name=\"Cancel\" value=\"fixed\" /></Strings>");
    EXPECT_STREQ(L"fixed", GetLangText(L"Cancel"));
}

TEST_F(LangTableTest, LanguageSwitchReloadsTheTable)
{
    WriteLang(0, {{"Cancel", "Cancel"}, {"Only0", "zero"}});
    WriteLang(1, {{"Cancel", "\xE5\x8F\x96\xE6\xB6\x88"}});
    EXPECT_STREQ(L"Cancel", GetLangText(L"Cancel"));
    EXPECT_STREQ(L"zero", GetLangText(L"Only0"));

    SetLang(1);
    EXPECT_STREQ(L"\u53D6\u6D88", GetLangText(L"Cancel"));
    EXPECT_STREQ(L"Only0", GetLangText(L"Only0"));  // the old table is gone

    SetLang(0);
    EXPECT_STREQ(L"Cancel", GetLangText(L"Cancel"));
    EXPECT_STREQ(L"zero", GetLangText(L"Only0"));

    SetLang(7);  // no such file: keys come back
    EXPECT_STREQ(L"Cancel", GetLangText(L"Cancel"));
}

TEST_F(LangTableTest, TextThatIsNoUtf8IsReadAsReplacementCharacters)
{
    // Files that end inside a character: read without reading past their end, and taken
    // as files that do not parse.
    for (const std::string& text :
         {testutil::Bytes({0x3C, 0x61, 0x3E, 0xEF}),
          testutil::Bytes({0xEF, 0xBB, 0xBF, 0x3C, 0x61, 0x3E, 0xEF}),
          std::string("\xEF\xBB\xBF<Strings><item name=\"Cancel\" value=\"x\xE4")}) {
        ResetLangTable();
        WriteFile(Path("Lang_0.xml"), text);
        EXPECT_STREQ(L"Cancel", GetLangText(L"Cancel"));
    }

    // A character cut short inside a value reads as U+FFFD and the items behind it still load.
    ResetLangTable();
    WriteLang(0, {{"Cut", "ab\xE4\xB8"}, {"Stray", "\xFF"}, {"Cancel", "Abort"}});
    EXPECT_STREQ(L"ab\uFFFD", GetLangText(L"Cut"));
    EXPECT_STREQ(L"\uFFFD", GetLangText(L"Stray"));
    EXPECT_STREQ(L"Abort", GetLangText(L"Cancel"));
}

TEST_F(LangTableTest, FolderOrFifoInPlaceOfTheFileCountsAsMissing)
{
    const std::string file = Path("Lang_0.xml").toStdString();
    for (const bool fifo : {true, false}) {
        SCOPED_TRACE(fifo ? "FIFO" : "folder");
        ResetLangTable();
        if (fifo)
            ASSERT_EQ(0, ::mkfifo(file.c_str(), 0600));
        else
            ASSERT_TRUE(QDir().mkdir(Path("Lang_0.xml")));
        std::wstring text;
        EXPECT_TRUE(testutil::FinishesWithin(std::chrono::seconds(10),
                                             [&text] { text = GetLangText(L"Cancel"); }, {file}));
        EXPECT_STREQ(L"Cancel", text.c_str());
        ASSERT_TRUE(fifo ? QFile::remove(Path("Lang_0.xml")) : QDir().rmdir(Path("Lang_0.xml")));
    }
    // Once the file is there it loads.
    WriteLang(0, {{"Cancel", "Abort"}});
    EXPECT_STREQ(L"Abort", GetLangText(L"Cancel"));
}

// A language file nested too deep to parse counts as missing, as one that does not parse.
TEST_F(LangTableTest, FileNestedTooDeepCountsAsMissing)
{
    for (const int depth : testutil::kXmlDepths) {
        SCOPED_TRACE(depth);
        ResetLangTable();
        // Strings and item are the first two levels.
        WriteFile(Path("Lang_0.xml"), "<Strings><item name=\"Cancel\" value=\"Abort\">" +
                                          testutil::Nested("x", depth - 2) + "</item></Strings>");
        EXPECT_STREQ(depth <= 256 ? L"Abort" : L"Cancel", GetLangText(L"Cancel"));
    }
}

TEST_F(LangTableTest, ResultsLiveInFiveRotatingBuffers)
{
    WriteLang(0, {{"k0", "v0"}, {"k1", "v1"}, {"k2", "v2"}, {"k3", "v3"}, {"k4", "v4"}, {"k5", "v5"}});
    const wchar_t* results[6];
    for (int i = 0; i < 6; ++i)
        results[i] = GetLangText((L"k" + std::to_wstring(i)).c_str());
    std::set<const wchar_t*> distinct(results, results + 5);
    EXPECT_EQ(5u, distinct.size());
    EXPECT_EQ(results[0], results[5]);
    EXPECT_STREQ(L"v5", results[0]);  // the sixth call overwrote the first result
    for (int i = 1; i < 5; ++i)
        EXPECT_EQ(L"v" + std::to_wstring(i), std::wstring(results[i]));
    EXPECT_EQ(results[1], GetLangText(L"k1"));
}

TEST_F(LangTableTest, LongTextsAreCutTo1023Characters)
{
    std::string longValue;
    for (int i = 0; i < 2000; ++i)
        longValue += (i % 2) ? "\xE4\xB8\xAD" : "a";  // wide characters count, not bytes
    WriteLang(0, {{"Long", longValue}});
    const std::wstring expected = Wide(longValue.c_str()).substr(0, 1023);

    const wchar_t* text = GetLangText(L"Long");
    EXPECT_EQ(1023u, std::wcslen(text));
    EXPECT_EQ(expected, std::wstring(text));

    const std::wstring longKey(1500, L'k');  // a missing key is cut the same way
    EXPECT_EQ(longKey.substr(0, 1023), std::wstring(GetLangText(longKey.c_str())));

    const std::wstring exact(1023, L'e');
    EXPECT_EQ(exact, std::wstring(GetLangText(exact.c_str())));
}

// A text of exactly the buffer's size (1024) or one more, found or not, is cut to 1023
// characters with its terminator inside its own buffer: the next buffer of the ring, which
// still holds a live result, is left as it was.
TEST_F(LangTableTest, TextsOfTheBufferSizeAreCutInsideTheirOwnBuffer)
{
    const std::string exact(1024, 'e');
    const std::string over(1025, 'o');
    WriteLang(0, {{"Guard", "G"}, {"Exact", exact}, {"Over", over}});
    const std::wstring missingExact(1024, L'm');
    const struct
    {
        const char* what;
        std::wstring key;
        wchar_t fill;
    } cases[] = {
        {"a value of 1024", L"Exact", L'e'},
        {"a value of 1025", L"Over", L'o'},
        {"a missing key of 1024", missingExact, L'm'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ResetLangTable();  // the ring starts again at its first buffer
        GetLangText(L"Guard");
        const wchar_t* guard = GetLangText(L"Guard");  // the second buffer
        for (int i = 0; i < 3; ++i)
            GetLangText(L"filler");
        const wchar_t* text = GetLangText(c.key.c_str());  // the first buffer again
        EXPECT_EQ(std::wstring(1023, c.fill), std::wstring(text));
        EXPECT_EQ(std::wstring(L"G"), std::wstring(guard));
    }
}

// A .qm file with the given translations of context "T", made by the Qt release tool.
bool MakeQm(const QString& qmPath, const std::vector<std::pair<std::string, std::string>>& msgs)
{
    const QString lrelease = QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/lrelease");
    if (!QFile::exists(lrelease))
        return false;
    std::string ts = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                     "<TS version=\"2.1\" language=\"zh_CN\">\n<context><name>T</name>\n";
    for (const auto& m : msgs)
        ts += "<message><source>" + m.first + "</source><translation>" + m.second +
              "</translation></message>\n";
    ts += "</context>\n</TS>\n";
    const QString tsPath = qmPath + QStringLiteral(".ts");
    WriteFile(tsPath, ts);
    QProcess process;
    process.start(lrelease, {QStringLiteral("-silent"), tsPath, QStringLiteral("-qm"), qmPath});
    return process.waitForFinished(60000) && process.exitCode() == 0 && QFile::exists(qmPath);
}

QString Tr(const char* source) { return QCoreApplication::translate("T", source); }

TEST_F(LangTableTest, QtTranslatorIsReplacedOnlyByOneThatLoads)
{
    EXPECT_TRUE(LoadQtTranslator());  // no file: nothing installed
    EXPECT_EQ(QStringLiteral("hello"), Tr("hello"));

    const QString qm = Path("Qt_Lang_0.qm");
    if (!MakeQm(Path("a.qm"), {{"hello", "A-hello"}, {"only-a", "A-only"}}) ||
        !MakeQm(Path("b.qm"), {{"hello", "B-hello"}}))
        GTEST_SKIP() << "the Qt release tool is not available";

    ASSERT_TRUE(QFile::copy(Path("a.qm"), qm));
    EXPECT_TRUE(LoadQtTranslator());
    EXPECT_EQ(QStringLiteral("A-hello"), Tr("hello"));

    ASSERT_TRUE(QFile::remove(qm));
    EXPECT_TRUE(LoadQtTranslator());  // fails to load: the installed one stays
    EXPECT_EQ(QStringLiteral("A-hello"), Tr("hello"));

    ASSERT_TRUE(QFile::copy(Path("b.qm"), qm));
    EXPECT_TRUE(LoadQtTranslator());
    EXPECT_EQ(QStringLiteral("B-hello"), Tr("hello"));
    EXPECT_EQ(QStringLiteral("only-a"), Tr("only-a"));  // the first one was removed

    // The file follows the id the table last used.
    ASSERT_TRUE(QFile::copy(Path("a.qm"), Path("Qt_Lang_1.qm")));
    SetLang(1);
    GetLangText(L"x");
    EXPECT_TRUE(LoadQtTranslator());
    EXPECT_EQ(QStringLiteral("A-hello"), Tr("hello"));

    ResetLangTable();
    EXPECT_EQ(QStringLiteral("hello"), Tr("hello"));
}

// ---------------------------------------------------------------------------------------
// The shipped language files.

struct LangFile
{
    bool ok = false;
    bool bom = false;
    std::vector<std::string> order;
    std::map<std::string, std::string> items;
};

LangFile ReadShipped(const char* name)
{
    LangFile file;
    const std::string path = std::string(TESSALY_DATA_DIR) + "/" + name;
    std::ifstream in(path, std::ios::binary);
    char head[3] = {};
    in.read(head, 3);
    file.bom = in.gcount() == 3 && std::string(head, 3) == "\xEF\xBB\xBF";
    TiXmlDocument doc;
    if (!doc.LoadFile(path.c_str()) || !doc.RootElement() ||
        std::string(doc.RootElement()->Value()) != "Strings")
        return file;
    for (const TiXmlElement* e = doc.RootElement()->FirstChildElement(); e; e = e->NextSiblingElement()) {
        if (std::string(e->Value()) != "item" || !e->Attribute("name") || !e->Attribute("value"))
            return file;
        file.order.push_back(e->Attribute("name"));
        file.items[e->Attribute("name")] = e->Attribute("value");
    }
    file.ok = true;
    return file;
}

// Keys the program's windows pass to the table; spelled exactly as the code writes them.
const char* const kRequiredKeys[] = {
    "ProductName",
    "ProductVer",
    "CopyrightString",
    "WebSite",
    "Help",
    "About",
    "Language",
    "Operation Manual.pdf",
    "Close",
    "Min",
    "Are you sure to close software?",
    "Prompt",
    "OK",
    "Cancel",
    "Select desired resolution ,frame rate and HDD Bays from the dropdown box, and put in the "
    "total channel number (max 256), then click \xE2\x80\x9CSearch\xE2\x80\x9D button to show "
    "all compatible NVR models,if you pick a picture,you can see the specific information of "
    "related NVR model.",
    "NVR Parameter\xEF\xBC\x9A",
    "HDD Bays",
    "Input Channel",
    "Frame Rate",
    "Decoding Performance\xEF\xBC\x9A",
    "Decoding Channel",
    "Resolution",
    "Search",
    "Search NVR",
    "A total of",
    "devices found",
    "Previous Page",
    "Next Page",
    "     Spec",
    "    Spec",
    "Model\xEF\xBC\x9A",
    "QZ Model\xEF\xBC\x9A",
    "Max Channel\xEF\xBC\x9A",
    "Max Hdd\xEF\xBC\x9A",
    "BandWidth\xEF\xBC\x9A",
    "12MP(8Mbps_fixed lens cameras)",
    "12MP(8Mbps_fisheye/vari-focal cameras)",
    "8MP(8Mbps)",
    "6MP(8Mbps)",
    "5MP(4Mbps)",
    "4MP(4Mbps)",
    "3MP(4Mbps)",
    "2MP(4Mbps)",
    "1.3MP(2Mbps)",
    "1MP(2Mbps)",
    "1",
    "2",
    "4",
    "8",
    "16",
    "24",
    "30fps",
    "25fps",
    "20fps",
    "15fps",
    "10fps",
    "5fps",
    "0",
    "/",
    "<",
    ">",
};

// Chinese values that are rightly the same as the English ones.
const std::set<std::string> kSameInChinese = {
    "WebSite", "1",     "2",     "4",    "8", "16", "24", "30fps", "25fps",
    "20fps",   "15fps", "10fps", "5fps", "0", "/",  "<",  ">",
};

// Chinese characters proper; full-width punctuation such as the colon does not count.
bool HasCjk(const std::string& utf8)
{
    for (const QChar c : QString::fromUtf8(utf8.c_str()))
        if (c.unicode() >= 0x3400 && c.unicode() <= 0x9FFF)
            return true;
    return false;
}

bool HasLatinLetter(const std::string& text)
{
    for (const char c : text)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
            return true;
    return false;
}

TEST(ShippedLanguageFiles, BothHoldTheSameCompleteKeySet)
{
    const LangFile en = ReadShipped("Lang_0.xml");
    const LangFile zh = ReadShipped("Lang_1.xml");
    ASSERT_TRUE(en.ok);
    ASSERT_TRUE(zh.ok);
    EXPECT_TRUE(en.bom);
    EXPECT_TRUE(zh.bom);
    EXPECT_EQ(en.order.size(), en.items.size()) << "duplicate key in Lang_0.xml";
    EXPECT_EQ(zh.order.size(), zh.items.size()) << "duplicate key in Lang_1.xml";
    std::set<std::string> enKeys, zhKeys;
    for (const auto& item : en.items)
        enKeys.insert(item.first);
    for (const auto& item : zh.items)
        zhKeys.insert(item.first);
    EXPECT_EQ(enKeys, zhKeys);
    for (const char* key : kRequiredKeys) {
        EXPECT_EQ(1u, en.items.count(key)) << "Lang_0.xml lacks \"" << key << "\"";
        EXPECT_EQ(1u, zh.items.count(key)) << "Lang_1.xml lacks \"" << key << "\"";
    }
}

TEST(ShippedLanguageFiles, ValuesAreGivenInTheirLanguage)
{
    const LangFile en = ReadShipped("Lang_0.xml");
    const LangFile zh = ReadShipped("Lang_1.xml");
    ASSERT_TRUE(en.ok && zh.ok);
    for (const auto& item : zh.items) {
        const std::string& key = item.first;
        const std::string& value = item.second;
        SCOPED_TRACE(key);
        EXPECT_FALSE(value.empty());
        ASSERT_EQ(1u, en.items.count(key));
        EXPECT_FALSE(en.items.at(key).empty());
        if (kSameInChinese.count(key)) {
            EXPECT_EQ(en.items.at(key), value);
            continue;
        }
        if (key == "Language")
            continue;  // checked below
        // Everything with words in it is translated: no English left on the Chinese screen.
        EXPECT_NE(en.items.at(key), value);
        if (HasLatinLetter(key)) {
            EXPECT_TRUE(HasCjk(value)) << value;
        }
        // English values are English; keys that are texts show themselves.
        EXPECT_FALSE(HasCjk(en.items.at(key))) << en.items.at(key);
    }
    // The menu offers the language not in use.
    EXPECT_EQ("English", zh.items.at("Language"));
    EXPECT_TRUE(HasCjk(en.items.at("Language")));
    EXPECT_EQ("Tessaly", en.items.at("ProductName"));
    // Leading blanks of the header caption are kept in both spellings.
    EXPECT_EQ(0u, zh.items.at("     Spec").rfind("     ", 0));
    EXPECT_NE(' ', zh.items.at("     Spec")[5]);
    EXPECT_EQ(0u, zh.items.at("    Spec").rfind("    ", 0));
    EXPECT_NE(' ', zh.items.at("    Spec")[4]);
    EXPECT_EQ(".pdf",
              zh.items.at("Operation Manual.pdf").substr(zh.items.at("Operation Manual.pdf").size() - 4));
}

TEST(ShippedLanguageFiles, TableReadsThemThroughTheProgramsPath)
{
    SFBaseSetAppDirPathOverride(Wide(TESSALY_DATA_DIR));
    CConfigManager::GetInstance().Reset();
    ResetLangTable();
    EXPECT_STREQ(L"Cancel", GetLangText(L"Cancel"));
    EXPECT_STREQ(L"     Spec", GetLangText(L"     Spec"));
    EXPECT_STREQ(L"<", GetLangText(L"<"));
    CConfigManager::GetInstance().SetLangId(1);
    EXPECT_STREQ(L"\u53D6\u6D88", GetLangText(L"Cancel"));
    EXPECT_STREQ(L"     \u89C4\u683C\u53C2\u6570", GetLangText(L"     Spec"));
    EXPECT_STREQ(L"\u6700\u5927\u786C\u76D8\u6570\uFF1A", GetLangText(L"Max Hdd\uFF1A"));
    EXPECT_STREQ(L"English", GetLangText(L"Language"));
    EXPECT_STREQ(L"<", GetLangText(L"<"));
    ResetLangTable();
    CConfigManager::GetInstance().Reset();
    SFBaseSetAppDirPathOverride(std::wstring());
}

// Reads the wide string literal starting at text[pos] (just after L"); false when it
// uses an escape this check does not know.
bool ReadWideLiteral(const std::string& text, std::size_t pos, std::string* out)
{
    std::wstring value;
    const std::wstring wide = QString::fromStdString(text.substr(pos)).toStdWString();
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const wchar_t c = wide[i];
        if (c == L'"') {
            *out = Utf8(value);
            return true;
        }
        if (c != L'\\') {
            value += c;
            continue;
        }
        if (++i >= wide.size())
            return false;
        const wchar_t e = wide[i];
        if (e == L'\\' || e == L'"' || e == L'\'') {
            value += e;
        } else if (e == L'u' || e == L'U') {
            const std::size_t n = e == L'u' ? 4 : 8;
            if (i + n >= wide.size())
                return false;
            value += static_cast<wchar_t>(std::wcstoul(wide.substr(i + 1, n).c_str(), nullptr, 16));
            i += n;
        } else {
            return false;
        }
    }
    return false;
}

TEST(ShippedLanguageFiles, EveryLiteralKeyInTheCodeHasAnEntry)
{
    const LangFile en = ReadShipped("Lang_0.xml");
    const LangFile zh = ReadShipped("Lang_1.xml");
    ASSERT_TRUE(en.ok && zh.ok);
    const std::string call = "GetLangText(L\"";
    int found = 0;
    for (const char* area : {"/app", "/skin", "/base"}) {
        QDirIterator it(QString::fromUtf8(TESSALY_SOURCE_DIR) + QString::fromUtf8(area),
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const std::string text = file.readAll().toStdString();
            for (std::size_t pos = text.find(call); pos != std::string::npos;
                 pos = text.find(call, pos + 1)) {
                std::string key;
                ASSERT_TRUE(ReadWideLiteral(text, pos + call.size(), &key))
                    << path.toStdString() << ": unreadable key literal";
                ++found;
                EXPECT_EQ(1u, en.items.count(key))
                    << path.toStdString() << ": \"" << key << "\" missing from Lang_0.xml";
                EXPECT_EQ(1u, zh.items.count(key))
                    << path.toStdString() << ": \"" << key << "\" missing from Lang_1.xml";
            }
        }
    }
    RecordProperty("literal_keys", found);
}

}  // namespace
