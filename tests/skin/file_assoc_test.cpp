// File associations in a temporary XDG home: the derived names, writing once, detection,
// removal of one piece, and the user's other mimeapps.list entries left untouched.
#include "skin/SFEntry.h"
#include "skin/SFFileAssoc.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <string>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

TEST(FileAssocNames, DerivedFromTheProgramPath)
{
    const struct
    {
        const char* program;
        const char* type;
        const char* command;
    } cases[] = {
        {"/opt/My Tool/My Tool", "MyTool.Files", "\"/opt/My Tool/My Tool\" %f"},
        {"/opt/x.exe", "x.Files", "\"/opt/x.exe\" %f"},
        {"/usr/bin/abc", "abc.Files", "\"/usr/bin/abc\" %f"},
        {"/usr/bin/tessaly", "tessaly.Files", "\"/usr/bin/tessaly\" %f"},
        {"/p/$HOME/a\"b", "a\"b.Files", "\"/p/\\$HOME/a\\\"b\" %f"},
        {"/p/a`b\\c 100%", "a`b\\c100%.Files", "\"/p/a\\`b\\\\c 100%%\" %f"},
    };
    for (const auto& c : cases) {
        const QString program = QString::fromUtf8(c.program);
        EXPECT_EQ(SFFileAssoc::TypeName(program), QString::fromUtf8(c.type)) << c.program;
        EXPECT_EQ(SFFileAssoc::CommandLine(program), QString::fromUtf8(c.command)) << c.program;
    }
    EXPECT_EQ(SFFileAssoc::MimeType(QStringLiteral("MyTool.Files")),
              QStringLiteral("application/x-mytool.files"));
}

class FileAssoc : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_oldData = qgetenv("XDG_DATA_HOME");
        m_oldConfig = qgetenv("XDG_CONFIG_HOME");
        m_hadData = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        m_hadConfig = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        m_data = m_dir.filePath(QStringLiteral("data"));
        m_config = m_dir.filePath(QStringLiteral("config"));
        qputenv("XDG_DATA_HOME", m_data.toUtf8());
        qputenv("XDG_CONFIG_HOME", m_config.toUtf8());
        m_previous = SFFileAssoc::SetNotifier([this] { ++m_notified; });
    }

    void TearDown() override
    {
        SFFileAssoc::SetNotifier(m_previous);
        if (m_hadData)
            qputenv("XDG_DATA_HOME", m_oldData);
        else
            qunsetenv("XDG_DATA_HOME");
        if (m_hadConfig)
            qputenv("XDG_CONFIG_HOME", m_oldConfig);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }

    QString MimeFile() const { return m_data + QStringLiteral("/mime/packages/MyTool.Files-tsy.xml"); }
    QString DesktopFile() const { return m_data + QStringLiteral("/applications/MyTool.Files.desktop"); }
    QString MimeApps() const { return m_config + QStringLiteral("/mimeapps.list"); }

    const QString m_program = QStringLiteral("/opt/My Tool/My Tool");
    const QString m_icon = QStringLiteral("/opt/My Tool/icon.png");
    QTemporaryDir m_dir;
    QString m_data, m_config;
    int m_notified = 0;

private:
    QByteArray m_oldData, m_oldConfig;
    bool m_hadData = false, m_hadConfig = false;
    SFFileAssoc::Notifier m_previous;
};

TEST_F(FileAssoc, RegistersOnceAndNotifiesOnce)
{
    EXPECT_EQ(SFFileAssoc::IsAssociated(m_program, QStringLiteral(".tsy")), 0);
    EXPECT_EQ(SFFileAssoc::Register(m_program, QStringLiteral(".tsy"), m_icon, 1), 1);
    EXPECT_EQ(m_notified, 1);

    const QByteArray mime = ReadAll(MimeFile());
    EXPECT_TRUE(mime.contains("<mime-type type=\"application/x-mytool.files\">")) << mime.constData();
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.tsy\"/>")) << mime.constData();
    const QByteArray desktop = ReadAll(DesktopFile());
    EXPECT_TRUE(desktop.startsWith("[Desktop Entry]\n")) << desktop.constData();
    for (const char* line :
         {"Type=Application\n", "Exec=\"/opt/My Tool/My Tool\" %f\n", "Icon=/opt/My Tool/icon.png\n",
          "MimeType=application/x-mytool.files;\n", "NoDisplay=true\n"})
        EXPECT_TRUE(desktop.contains(line)) << line << " in\n" << desktop.constData();
    EXPECT_EQ(ReadAll(MimeApps()),
              QByteArray("[Default Applications]\napplication/x-mytool.files=MyTool.Files.desktop\n"));
    EXPECT_EQ(SFFileAssoc::IsAssociated(m_program, QStringLiteral(".tsy")), 1);

    // Everything in place: nothing written, nothing notified.
    const QByteArray before = ReadAll(MimeFile()) + ReadAll(DesktopFile()) + ReadAll(MimeApps());
    EXPECT_EQ(SFFileAssoc::Register(m_program, QStringLiteral(".tsy"), m_icon, 1), 0);
    EXPECT_EQ(m_notified, 1);
    EXPECT_EQ(ReadAll(MimeFile()) + ReadAll(DesktopFile()) + ReadAll(MimeApps()), before);

    // A new extension writes without notifying when asked not to.
    EXPECT_EQ(SFFileAssoc::Register(m_program, QStringLiteral(".tsz"), m_icon, 0), 1);
    EXPECT_EQ(m_notified, 1);
    EXPECT_EQ(SFFileAssoc::IsAssociated(m_program, QStringLiteral(".tsz")), 1);
    EXPECT_EQ(SFFileAssoc::IsAssociated(m_program, QStringLiteral(".tsy")), 1);
    EXPECT_EQ(SFFileAssoc::IsAssociated(m_program, QStringLiteral(".other")), 0);
}

TEST_F(FileAssoc, DetectionFailsWhenOnePieceIsMissingOrStale)
{
    ASSERT_EQ(SFFileAssoc::Register(m_program, QStringLiteral(".tsy"), m_icon, 1), 1);
    const QByteArray list = ReadAll(MimeApps());
    const QByteArray desktop = ReadAll(DesktopFile());
    const QByteArray mime = ReadAll(MimeFile());

    // The user's default removed.
    WriteAll(MimeApps(), "[Default Applications]\n");
    EXPECT_EQ(SFFileAssoc::IsAssociated(m_program, QStringLiteral(".tsy")), 0);
    WriteAll(MimeApps(), "[Default Applications]\napplication/x-mytool.files=other.desktop\n");
    EXPECT_EQ(SFFileAssoc::IsAssociated(m_program, QStringLiteral(".tsy")), 0);
    // Registering again repairs exactly that piece.
    EXPECT_EQ(SFFileAssoc::Register(m_program, QStringLiteral(".tsy"), m_icon, 1), 1);
    EXPECT_EQ(ReadAll(MimeApps()), list);
    EXPECT_EQ(SFFileAssoc::IsAssociated(m_program, QStringLiteral(".tsy")), 1);

    // The program moved: the command line no longer matches.
    WriteAll(DesktopFile(), QByteArray(desktop).replace("/opt/My Tool/My Tool", "/elsewhere/My Tool"));
    EXPECT_EQ(SFFileAssoc::IsAssociated(m_program, QStringLiteral(".tsy")), 0);
    WriteAll(DesktopFile(), desktop);
    EXPECT_EQ(SFFileAssoc::IsAssociated(m_program, QStringLiteral(".tsy")), 1);

    // The type declaration gone.
    ASSERT_TRUE(QFile::remove(MimeFile()));
    EXPECT_EQ(SFFileAssoc::IsAssociated(m_program, QStringLiteral(".tsy")), 0);
    WriteAll(MimeFile(), mime);
    EXPECT_EQ(SFFileAssoc::IsAssociated(m_program, QStringLiteral(".tsy")), 1);
}

TEST_F(FileAssoc, OtherMimeAppsEntriesSurviveByteForByte)
{
    const QByteArray head = "# user's list\n"
                            "[Added Associations]\n"
                            "text/plain=editor.desktop;viewer.desktop;\n"
                            "\n"
                            "[Default Applications]\n"
                            "image/png=viewer.desktop\n"
                            "x-scheme-handler/http=browser.desktop\n";
    const QByteArray tail = "\n"
                            "[Removed Associations]\n"
                            "application/x-mytool.files=old.desktop\n";
    WriteAll(MimeApps(), head + tail);
    ASSERT_EQ(SFFileAssoc::Register(m_program, QStringLiteral(".tsy"), m_icon, 1), 1);
    EXPECT_EQ(ReadAll(MimeApps()), head + "application/x-mytool.files=MyTool.Files.desktop\n" + tail);

    // An existing key with another value is replaced in place.
    const QByteArray withOld = "[Default Applications]\r\n"
                               "application/x-mytool.files=old.desktop\r\n"
                               "image/png=viewer.desktop\r\n";
    WriteAll(MimeApps(), withOld);
    ASSERT_EQ(SFFileAssoc::Register(m_program, QStringLiteral(".tsy"), m_icon, 1), 1);
    EXPECT_EQ(ReadAll(MimeApps()), QByteArray("[Default Applications]\r\n"
                                              "application/x-mytool.files=MyTool.Files.desktop\n"
                                              "image/png=viewer.desktop\r\n"));
    EXPECT_EQ(SFFileAssoc::IsAssociated(m_program, QStringLiteral(".tsy")), 1);

    // A list without the group gets it appended.
    WriteAll(MimeApps(), "[Added Associations]\ntext/plain=editor.desktop;");
    ASSERT_EQ(SFFileAssoc::Register(m_program, QStringLiteral(".tsy"), m_icon, 0), 1);
    EXPECT_EQ(ReadAll(MimeApps()), QByteArray("[Added Associations]\ntext/plain=editor.desktop;\n\n"
                                              "[Default Applications]\n"
                                              "application/x-mytool.files=MyTool.Files.desktop\n"));
}

TEST_F(FileAssoc, AFailedWriteIsReportedAndNotNotified)
{
    WriteAll(m_dir.filePath(QStringLiteral("blocker")), "a file where a folder should be");
    qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("blocker/data")).toUtf8());
    EXPECT_EQ(SFFileAssoc::Register(m_program, QStringLiteral(".tsy"), m_icon, 1), 0);
    EXPECT_EQ(m_notified, 0);
    EXPECT_EQ(SFFileAssoc::IsAssociated(m_program, QStringLiteral(".tsy")), 0);
    EXPECT_FALSE(QFile::exists(MimeApps()));  // stopped at the first failure

    // Unusable extensions write nothing.
    qputenv("XDG_DATA_HOME", m_data.toUtf8());
    for (const char* ext : {"", ".", "../x", ".a/b"})
        EXPECT_EQ(SFFileAssoc::Register(m_program, QString::fromUtf8(ext), m_icon, 1), 0) << ext;
    EXPECT_EQ(m_notified, 0);
    EXPECT_FALSE(QDir(m_data).exists());
    EXPECT_TRUE(QDir::current().entryList(QStringList() << QStringLiteral("HKEY_*")).isEmpty());
}

TEST_F(FileAssoc, EntryFunctionsUseThisProgram)
{
    EXPECT_EQ(SF_IsFileAssociated(L".tsy"), 0);
    EXPECT_EQ(SF_RegisterFileAssociation(L".tsy", L"/icons/\u4E2D.png", 1), 1);
    EXPECT_EQ(SF_IsFileAssociated(L".tsy"), 1);
    EXPECT_EQ(SF_RegisterFileAssociation(L".tsy", L"/icons/\u4E2D.png", 1), 0);
    EXPECT_EQ(m_notified, 1);
    EXPECT_EQ(SF_RegisterFileAssociation(nullptr, nullptr, 1), 0);
    EXPECT_EQ(SF_IsFileAssociated(nullptr), 0);

    const QString type = SFFileAssoc::TypeName(QCoreApplication::applicationFilePath());
    const QByteArray desktop =
        ReadAll(m_data + QStringLiteral("/applications/") + type + QStringLiteral(".desktop"));
    EXPECT_TRUE(desktop.contains(QStringLiteral("Icon=/icons/\u4E2D.png\n").toUtf8())) << desktop.constData();
}

TEST_F(FileAssoc, TheDefaultNotifierRefreshesTheMimeDatabase)
{
    if (QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed";
    SFFileAssoc::SetNotifier(SFFileAssoc::Notifier());
    ASSERT_EQ(SFFileAssoc::Register(m_program, QStringLiteral(".tsy"), m_icon, 1), 1);
    const QByteArray globs = ReadAll(m_data + QStringLiteral("/mime/globs2"));
    EXPECT_TRUE(globs.contains(":application/x-mytool.files:*.tsy")) << globs.constData();
}

}  // namespace
