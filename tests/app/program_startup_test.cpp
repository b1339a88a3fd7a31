// The Tessaly program itself, started as a process over a private copy of its folder on a
// 1920 x 1080 offscreen screen: it comes up centred, and the desktop's close ends it with
// status 0 after writing "config.xml". The runs use the program's start-up probe build
// (the same main() and start-up, reporting its first paint); the shipped program has no probe.
#include "tests/common/bin_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

using testutil::BinFile;

struct ProgramRun
{
    bool finished = false;
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QString out;
    QString err;
};

// The probe builds: after the first paint, one closes the window as the desktop's close
// would, the other quits the event loop without closing anything.
const char* const kProbeClose = TESSALY_PROBE_CLOSE;
const char* const kProbeQuit = TESSALY_PROBE_QUIT;

class TessalyProgram : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!QFile::exists(QString::fromUtf8(kProbeClose)) || !QFile::exists(QString::fromUtf8(kProbeQuit)))
            GTEST_SKIP() << "the program's start-up probe is not built";
        ASSERT_TRUE(m_dir.isValid());
        for (const char* name : {"Tessaly.xml", "NVRSpec.xml", "Lang_0.xml", "Lang_1.xml", "Style.css"})
            ASSERT_TRUE(QFile::copy(BinFile(name), Path(name))) << name;
        for (const char* probe : {kProbeClose, kProbeQuit})
            ASSERT_TRUE(QFile::copy(QString::fromUtf8(probe), ProgramPath(probe))) << probe;
        ASSERT_TRUE(QFile::link(BinFile("Skin"), Path("Skin")));
        QFile screens(Path("screens.json"));
        ASSERT_TRUE(screens.open(QIODevice::WriteOnly));
        screens.write(R"({"screens": [{"name": "S", "x": 0, "y": 0, "width": 1920, "height": 1080,
                          "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    }

    QString Path(const char* name) const { return m_dir.path() + QLatin1Char('/') + QString::fromUtf8(name); }

    // Where the copy of a probe build lives: in the private folder, which becomes its own.
    QString ProgramPath(const char* probe) const
    {
        return m_dir.path() + QLatin1Char('/') + QFileInfo(QString::fromUtf8(probe)).fileName();
    }

    ProgramRun Start(const QStringList& args, const char* probe = kProbeClose)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                   QStringLiteral("offscreen:configfile=") + Path("screens.json"));
        env.remove(QStringLiteral("DISPLAY"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(QDir::tempPath());  // the program moves to its own folder
        p.start(ProgramPath(probe), args);
        ProgramRun r;
        if (!p.waitForStarted(30000))
            return r;
        r.finished = p.waitForFinished(60000);
        if (!r.finished) {
            p.kill();
            p.waitForFinished(5000);
        }
        r.exitCode = p.exitCode();
        r.status = p.exitStatus();
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    QByteArray Config() const
    {
        QFile f(Path("config.xml"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

TEST_F(TessalyProgram, ComesUpCentredAndTheDesktopCloseEndsItWithZeroAndSettings)
{
    const ProgramRun r = Start({});
    ASSERT_TRUE(r.finished) << "still running after the close\n" << r.err.toStdString();
    EXPECT_EQ(QProcess::NormalExit, r.status);
    EXPECT_EQ(0, r.exitCode) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QLatin1String("first-paint-ns "))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QRegularExpression(QStringLiteral("rss-kb [1-9][0-9]*\n"))))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QLatin1String("window 460 190 1000 700"))) << r.out.toStdString();
    // Nothing outlives the application object noisily.
    for (const char* warning : {"Timers cannot", "QObject::", "QThread: Destroyed", "QWidget:"})
        EXPECT_FALSE(r.err.contains(QLatin1String(warning))) << r.err.toStdString();

    const QByteArray saved = Config();
    EXPECT_TRUE(saved.contains("<Lang value=\"0\" Default=\"0\" Min=\"0\" Max=\"0\" Scale=\"0\" />"))
        << saved.toStdString();
}

TEST_F(TessalyProgram, ArgumentsChangeNothingAndTheSavedLanguageStays)
{
    QFile f(Path("config.xml"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<Setting>\n    <UIConfig>\n        <Lang value=\"1\" Default=\"0\" Min=\"0\" Max=\"0\" "
            "Scale=\"0\" />\n"
            "    </UIConfig>\n</Setting>\n");
    f.close();
    const ProgramRun r = Start({QStringLiteral("foo"), QStringLiteral("--bar")});
    ASSERT_TRUE(r.finished) << r.err.toStdString();
    EXPECT_EQ(0, r.exitCode) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QLatin1String("window 460 190 1000 700"))) << r.out.toStdString();
    EXPECT_TRUE(Config().contains("<Lang value=\"1\"")) << Config().toStdString();
}

TEST_F(TessalyProgram, QuittingWithoutACloseWritesNoSettings)
{
    const ProgramRun r = Start({}, kProbeQuit);
    ASSERT_TRUE(r.finished) << r.err.toStdString();
    EXPECT_EQ(0, r.exitCode) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("config.xml")));
}

// Takes the shared skin folder's place with a folder of its own, each picture a link to the
// shipped one except the window icon "ip2.png", which is left for the test to make.
bool OwnSkinFolderWithoutIcon(const QString& folder)
{
    if (!QFile::remove(folder) || !QDir().mkdir(folder))
        return false;
    const QDir shipped(BinFile("Skin"));
    for (const QString& name : shipped.entryList(QDir::Files)) {
        if (name != QLatin1String("ip2.png") &&
            !QFile::link(shipped.filePath(name), folder + QLatin1Char('/') + name))
            return false;
    }
    return true;
}

// A FIFO, a folder or a file over the size bound in place of the style sheet and of a skin
// picture: neither holds the start up, the window shows, and each gets its line.
TEST_F(TessalyProgram, StyleSheetAndPicturesThatCannotBeReadStillLetTheWindowShow)
{
    for (const char* kind : {"FIFO", "folder", "large file"}) {
        SCOPED_TRACE(kind);
        const QString skin = Path("Skin");
        const QStringList odd = {Path("Style.css"), skin + QStringLiteral("/ip2.png")};
        ASSERT_TRUE(QFile::remove(Path("Style.css")));
        if (QFileInfo(skin).isSymLink())
            ASSERT_TRUE(OwnSkinFolderWithoutIcon(skin));
        for (const QString& file : odd) {
            if (kind[0] == 'F') {
                ASSERT_EQ(0, ::mkfifo(QFile::encodeName(file).constData(), 0600));
            } else if (kind[0] == 'f') {
                ASSERT_TRUE(QDir().mkdir(file));
            } else {
                QFile large(file);
                ASSERT_TRUE(large.open(QIODevice::WriteOnly));
                ASSERT_TRUE(large.resize(16 * 1024 * 1024 + 1));
            }
        }
        const ProgramRun r = Start({});
        ASSERT_TRUE(r.finished) << "still running\n" << r.err.toStdString();
        EXPECT_EQ(0, r.exitCode) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(QLatin1String("first-paint-ns "))) << r.out.toStdString();
        EXPECT_TRUE(r.err.contains(QLatin1String("Style.css\" not loaded"))) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QLatin1String("Skin/ip2.png\" not loaded"))) << r.err.toStdString();
        for (const QString& file : odd) {
            QDir(file).removeRecursively();
            QFile::remove(file);
        }
        ASSERT_TRUE(QFile::copy(BinFile("Style.css"), Path("Style.css")));
    }
}

// A skin folder that is missing, no folder, or a link to nothing: one line names it, and the
// window still shows (without its pictures).
TEST_F(TessalyProgram, SkinFolderThatCannotBeUsedIsNamedOnStandardError)
{
    for (const char* kind : {"missing", "a file", "a dangling link"}) {
        SCOPED_TRACE(kind);
        const QString skin = Path("Skin");
        ASSERT_TRUE(QFile::remove(skin));
        if (kind[2] == 'f')
            ASSERT_TRUE(QFile(skin).open(QIODevice::WriteOnly));
        else if (kind[2] == 'd')
            ASSERT_TRUE(QFile::link(Path("gone"), skin));
        const ProgramRun r = Start({});
        ASSERT_TRUE(r.finished) << r.err.toStdString();
        EXPECT_EQ(0, r.exitCode) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(QLatin1String("first-paint-ns "))) << r.out.toStdString();
        EXPECT_EQ(1, r.err.count(QLatin1String("skin folder"))) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QLatin1String("/Skin\" not usable: "))) << r.err.toStdString();
        QFile::remove(skin);
        ASSERT_TRUE(QFile::link(BinFile("Skin"), skin));
    }
    // The shipped folder says nothing.
    const ProgramRun r = Start({});
    ASSERT_TRUE(r.finished);
    EXPECT_FALSE(r.err.contains(QLatin1String("skin folder"))) << r.err.toStdString();
}

// The probe's report, which the start-up benchmark reads: the process start, each phase of
// the start-up as it ended, in the order the start-up runs them, then the first paint.
TEST_F(TessalyProgram, ReportsItsStartUpPhasesInOrderBetweenStartAndFirstPaint)
{
    const ProgramRun r = Start({}, kProbeQuit);
    ASSERT_TRUE(r.finished) << r.err.toStdString();
    QStringList names;
    QList<qint64> times;
    qint64 start = 0;
    qint64 paint = 0;
    for (const QString& line : r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList f = line.split(QLatin1Char(' '));
        if (f.size() == 3 && f[0] == QLatin1String("phase")) {
            names.append(f[1]);
            times.append(f[2].toLongLong());
        } else if (f.size() == 2 && f[0] == QLatin1String("start-ns")) {
            start = f[1].toLongLong();
        } else if (f.size() == 2 && f[0] == QLatin1String("first-paint-ns")) {
            paint = f[1].toLongLong();
        }
    }
    const QStringList expected = {"application", "framework",    "fonts",       "style-sheet",
                                  "settings",    "main-window",  "tables",      "language-file",
                                  "widgets",     "window-shown", "worker-loops"};
    EXPECT_EQ(expected, names) << r.out.toStdString();
    ASSERT_GT(start, 0) << r.out.toStdString();
    qint64 last = start;
    for (int i = 0; i < times.size(); ++i) {
        EXPECT_LE(last, times[i]) << names[i].toStdString();
        last = times[i];
    }
    EXPECT_LE(last, paint) << r.out.toStdString();
}

// The shipped program reads no environment variable of its own and carries no start-up
// probe: neither a variable name of ours nor the probe's report is in it.
TEST(ShippedProgram, CarriesNoStartUpProbe)
{
    QFile f(BinFile("Tessaly"));
    if (!f.exists())
        GTEST_SKIP() << "the program is not built";
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_FALSE(bytes.contains("TESSALY_"));
    EXPECT_FALSE(bytes.contains("first-paint-ns"));
}

}  // namespace

namespace {

// The manuals F1 opens ship beside the program as PDFs; the Chinese one carries a CJK face,
// so its text is not drawn as empty boxes.
TEST(ShippedManual, BothLanguagesArePdfsAndTheChineseOneEmbedsACjkFace)
{
    for (const char* name : {"Operation Manual.pdf", "操作手册.pdf"}) {
        QFile f(BinFile(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = f.readAll();
        EXPECT_TRUE(bytes.startsWith("%PDF-")) << name;
        EXPECT_GE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 2)
            << name << ": one page or none";
    }
    QFile zh(BinFile("操作手册.pdf"));
    ASSERT_TRUE(zh.open(QIODevice::ReadOnly));
    EXPECT_TRUE(zh.readAll().contains("/BaseFont /NotoSansCJK"));
}

}  // namespace
