// Reading data files (what the parser is given, and what is refused before it) and
// replacing them whole.
#include "base/xml_file.h"

#include "tests/common/data_file_test_util.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <tinyxml.h>

#include <fstream>
#include <iterator>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using VesperonBase::kMaxXmlFileSize;
using VesperonBase::LoadXmlFile;
using VesperonBase::XmlFileStatus;

namespace {

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Printed(const TiXmlDocument& doc)
{
    TiXmlPrinter printer;
    doc.Accept(&printer);
    return printer.Str();
}

class XmlFileTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    std::string Path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)).toStdString(); }

    QTemporaryDir m_dir;
};

// Valid UTF-8 files load exactly as the library's own file loader loads them.
TEST_F(XmlFileTest, ValidFilesLoadAsTheLibraryLoadsThem)
{
    const std::string cases[] = {
        "<a x=\"1\">text</a>",
        "\xEF\xBB\xBF<Strings><item name=\"\xE4\xB8\xAD\" value=\"&#x4E2D;&lt;\" /></Strings>",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<a>\r\n<b v=\"x\ry\r\nz\" />\r</a>\r\n",
        std::string("<a>one</a>\0<b>after the NUL</b>", 31),
        "<a><!-- note --><![CDATA[<raw>]]></a>",
        "",
        "<a>",
    };
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(bytes);
        for (const TiXmlEncoding encoding : {TIXML_ENCODING_UTF8, TIXML_DEFAULT_ENCODING}) {
            WriteFile(Path("f.xml"), bytes);
            TiXmlDocument expected;
            const bool expectedOk = expected.LoadFile(Path("f.xml").c_str(), encoding);
            TiXmlDocument doc;
            std::string error;
            const XmlFileStatus status = LoadXmlFile(Path("f.xml"), doc, encoding, &error);
            EXPECT_EQ(expectedOk, status == XmlFileStatus::kLoaded);
            EXPECT_EQ(Printed(expected), Printed(doc));
            EXPECT_EQ(expected.ErrorId(), doc.ErrorId());
            EXPECT_EQ(expected.ErrorRow(), doc.ErrorRow());
            EXPECT_EQ(expected.ErrorCol(), doc.ErrorCol());
            if (!expectedOk) {
                EXPECT_EQ(XmlFileStatus::kMalformed, status);
                EXPECT_EQ(std::string(expected.ErrorDesc()) + " (row " + std::to_string(expected.ErrorRow()) +
                              ", column " + std::to_string(expected.ErrorCol()) + ")",
                          error);
            }
        }
    }
}

TEST_F(XmlFileTest, BrokenUtf8ReadsAsReplacementCharacters)
{
    struct Case
    {
        std::string bytes;
        const char* value;  // the attribute v of the root, nullptr: does not parse
    };
    const Case cases[] = {
        {"<a v=\"x\xE4\xB8\" />", "x\xEF\xBF\xBD"},
        {"<a v=\"\xFF\xC0\xAF\" />", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"<a v=\"\xED\xA0\x80\" />", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // a surrogate
        {"<a v=\"\xF0\x9F\x98\x80\" />", "\xF0\x9F\x98\x80"},
        {"<a>\xEF", nullptr},
        {"\xEF\xBB\xBF<a>\xEF", nullptr},
        {"<a v=\"\xF4\x8F", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        WriteFile(Path("f.xml"), c.bytes);
        TiXmlDocument doc;
        const XmlFileStatus status = LoadXmlFile(Path("f.xml"), doc, TIXML_ENCODING_UTF8);
        if (c.value == nullptr) {
            EXPECT_EQ(XmlFileStatus::kMalformed, status);
            continue;
        }
        ASSERT_EQ(XmlFileStatus::kLoaded, status);
        ASSERT_NE(nullptr, doc.RootElement());
        EXPECT_STREQ(c.value, doc.RootElement()->Attribute("v"));
    }
}

TEST_F(XmlFileTest, OnlyRegularFilesOfBoundedSizeAreRead)
{
    struct Case
    {
        const char* name;
        XmlFileStatus status;
        const char* reason;
    };
    ASSERT_EQ(0, ::mkdir(Path("folder").c_str(), 0700));
    ASSERT_EQ(0, ::mkfifo(Path("fifo").c_str(), 0600));
    WriteFile(Path("plain"), "<a/>");
    const std::string big = "<a>" + std::string(kMaxXmlFileSize - 7, ' ') + "</a>";
    WriteFile(Path("largest"), big);
    WriteFile(Path("too large"), big + " ");
    const Case cases[] = {
        {"missing", XmlFileStatus::kMissing, "No such file or directory"},
        {"plain/below a file", XmlFileStatus::kMissing, "Not a directory"},
        {"folder", XmlFileStatus::kNotRegularFile, "not a regular file"},
        {"fifo", XmlFileStatus::kNotRegularFile, "not a regular file"},
        {"largest", XmlFileStatus::kLoaded, ""},
        {"too large", XmlFileStatus::kUnreadable, "larger than 16777216 bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TiXmlDocument doc;
        std::string error;
        XmlFileStatus status = XmlFileStatus::kLoaded;
        EXPECT_TRUE(testutil::FinishesWithin(
            std::chrono::seconds(10),
            [&] { status = LoadXmlFile(Path(c.name), doc, TIXML_ENCODING_UTF8, &error); }, {Path("fifo")}));
        EXPECT_EQ(c.status, status);
        EXPECT_EQ(c.reason, error);
        if (status != XmlFileStatus::kLoaded) {
            EXPECT_TRUE(doc.Error());
            EXPECT_EQ(TiXmlBase::TIXML_ERROR_OPENING_FILE, doc.ErrorId());
            EXPECT_EQ(nullptr, doc.FirstChild());
        }
    }
}

TEST_F(XmlFileTest, FileWithoutReadPermissionIsUnreadable)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root: permission bits do not stop reading";
    WriteFile(Path("plain"), "<a/>");
    ASSERT_EQ(0, ::chmod(Path("plain").c_str(), 0));
    TiXmlDocument doc;
    std::string error;
    EXPECT_EQ(XmlFileStatus::kUnreadable, LoadXmlFile(Path("plain"), doc, TIXML_ENCODING_UTF8, &error));
    EXPECT_EQ("Permission denied", error);
}

TEST_F(XmlFileTest, SaveReplacesTheFileWholeAndKeepsItsPermissions)
{
    auto modeOf = [this](const char* name) {
        struct stat st
        {};
        return ::stat(Path(name).c_str(), &st) == 0 ? (st.st_mode & 07777) : 0u;
    };
    TiXmlDocument first;
    first.Parse("<a v=\"1\" />");
    TiXmlDocument second;
    second.Parse("<b />");

    ASSERT_TRUE(VesperonBase::SaveXmlFile(Path("f.xml"), first));
    EXPECT_EQ("<a v=\"1\" />\n", ReadFile(Path("f.xml")));
    EXPECT_EQ(0644u, modeOf("f.xml"));

    ASSERT_EQ(0, ::chmod(Path("f.xml").c_str(), 0640));
    ASSERT_TRUE(VesperonBase::SaveXmlFile(Path("f.xml"), second));
    EXPECT_EQ("<b />\n", ReadFile(Path("f.xml")));
    EXPECT_EQ(0640u, modeOf("f.xml"));

    // No folder to write into: nothing is created.
    WriteFile(Path("plain"), "x");
    EXPECT_FALSE(VesperonBase::SaveXmlFile(Path("plain") + "/f.xml", first));
    EXPECT_EQ((QStringList{"f.xml", "plain"}),
              QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

// ---- A document reused after a good load; a save on another file system than /tmp -----

TEST_F(XmlFileTest, AFailedLoadLeavesADocumentThatHeldAGoodOneEmpty)
{
    WriteFile(Path("good.xml"), "<a v=\"1\"><b /></a>");
    ASSERT_EQ(0, ::mkdir(Path("folder").c_str(), 0700));
    for (const char* name : {"missing.xml", "folder"}) {
        SCOPED_TRACE(name);
        TiXmlDocument doc;
        ASSERT_EQ(XmlFileStatus::kLoaded, LoadXmlFile(Path("good.xml"), doc, TIXML_ENCODING_UTF8));
        ASSERT_NE(nullptr, doc.RootElement());
        EXPECT_NE(XmlFileStatus::kLoaded, LoadXmlFile(Path(name), doc, TIXML_ENCODING_UTF8));
        EXPECT_EQ(nullptr, doc.FirstChild());
        EXPECT_EQ("", Printed(doc));
        EXPECT_TRUE(doc.Error());
    }
}

// The new file is made beside the one it replaces: on a file system of its own, nothing is
// left in (or needed from) the shared temporary folder, and the rename cannot cross devices.
TEST_F(XmlFileTest, ASaveOnAnotherFileSystemThanTmpLeavesNothingInTmp)
{
    struct stat tmpStat
    {};
    struct stat shmStat
    {};
    ASSERT_EQ(0, ::stat("/tmp", &tmpStat));
    if (::stat("/dev/shm", &shmStat) != 0 || shmStat.st_dev == tmpStat.st_dev ||
        ::access("/dev/shm", W_OK) != 0)
        GTEST_SKIP() << "no writable file system apart from /tmp's";
    char folder[] = "/dev/shm/xml_file_test.XXXXXX";
    ASSERT_NE(nullptr, ::mkdtemp(folder));
    const std::string path = std::string(folder) + "/f.xml";
    const QStringList tmpBefore =
        QDir(QStringLiteral("/tmp")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    TiXmlDocument doc;
    doc.Parse("<a v=\"1\" />");
    EXPECT_TRUE(VesperonBase::SaveXmlFile(path, doc));
    EXPECT_TRUE(VesperonBase::SaveXmlFile(path, doc));  // and replacing it there
    EXPECT_EQ("<a v=\"1\" />\n", ReadFile(path));
    const QStringList tmpAfter =
        QDir(QStringLiteral("/tmp")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : tmpAfter)
        EXPECT_FALSE(name.startsWith(QStringLiteral(".f.xml")) && !tmpBefore.contains(name))
            << name.toStdString();
    EXPECT_EQ(
        (QStringList{"f.xml"}),
        QDir(QString::fromUtf8(folder)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    ::unlink(path.c_str());
    ::rmdir(folder);
}

std::string Repeated(const std::string& text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

// Deep nesting is refused before the parser, which would descend once per level on the call
// stack: the deepest document that is read, one level more, and far more.
TEST_F(XmlFileTest, NestingDeeperThanTheBoundIsRefusedBeforeTheParser)
{
    static_assert(VesperonBase::kMaxXmlDepth == 256, "the depths the tests try");
    for (const int depth : testutil::kXmlDepths) {
        SCOPED_TRACE(depth);
        const bool readable = depth <= VesperonBase::kMaxXmlDepth;
        const std::string text = testutil::Nested("a", depth, "x");
        TiXmlDocument doc;
        std::string error;
        EXPECT_EQ(readable, VesperonBase::ParseXmlText(text, doc, TIXML_ENCODING_UTF8, &error));
        EXPECT_EQ(readable ? "" : "nested deeper than 256 levels", error);
        EXPECT_EQ(!readable, doc.Error());

        WriteFile(Path("deep.xml"), text);
        error.clear();
        EXPECT_EQ(readable ? XmlFileStatus::kLoaded : XmlFileStatus::kMalformed,
                  LoadXmlFile(Path("deep.xml"), doc, TIXML_ENCODING_UTF8, &error));
        EXPECT_EQ(readable ? "" : "nested deeper than 256 levels", error);
        EXPECT_EQ(readable, doc.FirstChild() != nullptr);
    }
}

// Levels are counted as the parser reads the markup: what it does not descend into opens
// none, and a start tag ends at its '>' outside quoted values.
TEST_F(XmlFileTest, NestingIsCountedAsTheParserReadsTheMarkup)
{
    const struct
    {
        const char* name;
        std::string text;
        bool readable;
    } cases[] = {
        {"comments", "<r>" + Repeated("<!-- <a> -->", 1000) + "</r>", true},
        {"CDATA sections", "<r>" + Repeated("<![CDATA[<a>]]>", 1000) + "</r>", true},
        {"empty elements", "<r>" + Repeated("<a/><b x='1' />", 1000) + "</r>", true},
        {"siblings", "<r>" + Repeated("<a>t</a>", 10000) + "</r>", true},
        {"declaration, type and instructions",
         "<?xml version=\"1.0\"?><!DOCTYPE r><r>" + Repeated("<?p <a> ?>", 1000) + "</r>", true},
        {"'/>' and '>' quoted in values", Repeated("<a b=\"/>\" c='>'>", 257) + Repeated("</a>", 257), false},
        {"levels below the bound in turn", Repeated(testutil::Nested("a", 200), 50), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TiXmlDocument doc;
        EXPECT_EQ(c.readable, VesperonBase::ParseXmlText(c.text, doc, TIXML_ENCODING_UTF8))
            << doc.ErrorDesc();
    }
}

// A save that was killed before its rename leaves its temporary file; the next save removes
// those of its own name that no save holds, and nothing else.
TEST_F(XmlFileTest, SaveRemovesTheTemporaryFilesOfKilledSaves)
{
    TiXmlDocument doc;
    doc.Parse("<a />");
    for (const char* name : {".f.xml.AbC123", ".f.xml.Held12", ".f.xml.short", ".g.xml.AbC123",
                             "f.xml.AbC123", ".f.xml.AbC1234"})
        WriteFile(Path(name), "");
    ASSERT_EQ(0, ::mkdir(Path(".f.xml.Dir123").c_str(), 0700));
    ASSERT_EQ(0, ::symlink(Path("f.xml.AbC123").c_str(), Path(".f.xml.Link12").c_str()));
    // A save still writing holds its file locked.
    const int held = ::open(Path(".f.xml.Held12").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(0, ::flock(held, LOCK_EX));

    ASSERT_TRUE(VesperonBase::SaveXmlFile(Path("f.xml"), doc));
    EXPECT_EQ(
        (QStringList{".f.xml.AbC1234", ".f.xml.Dir123", ".f.xml.Held12", ".f.xml.Link12", ".f.xml.short",
                     ".g.xml.AbC123", "f.xml", "f.xml.AbC123"}),
        QDir(m_dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System, QDir::Name));

    // Once its writer is gone, the next save removes it too.
    ::close(held);
    ASSERT_TRUE(VesperonBase::SaveXmlFile(Path("f.xml"), doc));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(Path(".f.xml.Held12"))));
    EXPECT_EQ("<a />\n", ReadFile(Path("f.xml")));
}

TEST_F(XmlFileTest, FailedSaveGivesTheSystemsReason)
{
    TiXmlDocument doc;
    doc.Parse("<a />");
    WriteFile(Path("plain"), "x");
    std::string error;
    EXPECT_FALSE(VesperonBase::SaveXmlFile(Path("plain") + "/f.xml", doc, &error));
    EXPECT_EQ("Not a directory", error);
    ASSERT_EQ(0, ::mkdir(Path("f.xml").c_str(), 0700));
    EXPECT_FALSE(VesperonBase::SaveXmlFile(Path("f.xml"), doc, &error));
    EXPECT_EQ("Is a directory", error);
}

}  // namespace
