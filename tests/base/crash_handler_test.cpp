// Each case runs in a copy of this test program, started in a fresh folder, so the
// report lands beside the copy ("<copy path>.dmp") and never in the build tree.
#include "base/crash_handler.h"
#include "base/thread_ex.h"

#include "base/compat/sf_winapi.h"
#include "tests/common/task_test_util.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include <unistd.h>

using namespace VesperonBase;
using namespace testutil;

namespace {

const char* const kCaseVariable = "TESSALY_CRASH_CASE";

void NullWrite()
{
    volatile int* volatile p = nullptr;
    *p = 1;
}

int Recurse(volatile int depth)
{
    volatile char pad[2048];
    pad[0] = static_cast<char>(depth);
    if (depth == -1)
        return 0;
    return Recurse(depth + 1) + pad[0];
}

void OnWorker(std::function<void()> fn)
{
    CSFThreadEx_QtPtr thread = CSFThreadEx_Qt::Create(SF_LOOP_DEFAULT, 0);
    if (thread->Start() != 0)
        std::_Exit(90);
    thread->GetMessageLoop()->PostTask(MakeTask(std::move(fn)));
    sfwin::Sleep(30000);
}

struct ChildOutcome
{
    bool finished = false;
    int exitCode = -1;
    QByteArray report;
    bool reportExists = false;
    qint64 pid = 0;
};

class CrashHandler : public ::testing::Test
{
protected:
    void SetUp() override
    {
#if defined(TESSALY_SANITIZE) || defined(__SANITIZE_ADDRESS__)
        GTEST_SKIP() << "built with sanitizers, which own the fault signals";
#endif
    }
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir();
        ASSERT_TRUE(s_dir->isValid());
        s_program = s_dir->filePath("crash child");  // a blank in the name on purpose
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), s_program));
        QFile::setPermissions(s_program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }

    ChildOutcome RunCase(const char* crashCase)
    {
        const QString dump = s_program + ".dmp";
        QFile::remove(dump);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kCaseVariable, crashCase);
        env.insert("TESSALY_CRASH_DIR", s_dir->path());
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(s_program, {"--gtest_filter=CrashChild.Run"});
        ChildOutcome out;
        if (!child.waitForStarted(30000))
            return out;
        out.pid = child.processId();
        out.finished = child.waitForFinished(60000) && child.exitStatus() == QProcess::NormalExit;
        out.exitCode = child.exitCode();
        QFile file(dump);
        out.reportExists = file.exists();
        if (file.open(QIODevice::ReadOnly))
            out.report = file.readAll();
        return out;
    }

    static QTemporaryDir* s_dir;
    static QString s_program;
};

QTemporaryDir* CrashHandler::s_dir = nullptr;
QString CrashHandler::s_program;

QByteArray ReportValue(const QByteArray& report, const char* key)
{
    for (const QByteArray& line : report.split('\n')) {
        if (line.startsWith(QByteArray(key) + ' '))
            return line.mid(static_cast<int>(std::strlen(key)) + 1);
    }
    return QByteArray();
}

}  // namespace

// The body of every child: set up as the program does, then fault as told.
TEST(CrashChild, Run)
{
    const char* crashCase = std::getenv(kCaseVariable);
    if (crashCase == nullptr)
        GTEST_SKIP() << "runs only as a crash child";
    const std::string c = crashCase;
    const std::string dir = std::getenv("TESSALY_CRASH_DIR") ? std::getenv("TESSALY_CRASH_DIR") : "";

    ASSERT_EQ(0, InstallCrashHandler(1));
    if (sfwin::GetModuleFileName() + ".dmp" != GetCrashDumpPath())
        std::_Exit(91);

    if (c == "main-null")
        NullWrite();
    else if (c == "worker-null")
        OnWorker(NullWrite);
    else if (c == "main-overflow")
        Recurse(0);
    else if (c == "worker-overflow")
        OnWorker([] { Recurse(0); });
    else if (c == "abort")
        std::abort();
    else if (c == "fault-in-writer") {
        SetCrashWriterHook(&NullWrite);
        NullWrite();
    } else if (c == "unwritable") {
        SetCrashDumpPath((dir + "/no such folder/report.dmp").c_str());
        NullWrite();
    }
    std::_Exit(92);  // no fault happened
}

TEST_F(CrashHandler, FaultsWriteTheReportBesideTheProgramAndExitWithOne)
{
    const struct
    {
        const char* crashCase;
        const char* signal;
        bool onWorker;
    } cases[] = {
        {"main-null", "11 SIGSEGV", false},      {"worker-null", "11 SIGSEGV", true},
        {"main-overflow", "11 SIGSEGV", false},   // needs the alternate stack
        {"worker-overflow", "11 SIGSEGV", true},  // needs the worker's own one
        {"abort", "6 SIGABRT", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.crashCase);
        const ChildOutcome out = RunCase(c.crashCase);
        ASSERT_TRUE(out.finished);
        EXPECT_EQ(SF_CRASH_EXIT_CODE, out.exitCode);
        ASSERT_TRUE(out.reportExists);
        const QByteArray& r = out.report;
        EXPECT_EQ(c.signal, ReportValue(r, "signal"));
        if (std::strcmp(c.crashCase, "main-null") == 0 || std::strcmp(c.crashCase, "worker-null") == 0) {
            EXPECT_EQ("0x0000000000000000", ReportValue(r, "address"));
        }
        EXPECT_EQ(QByteArray::number(out.pid), ReportValue(r, "process"));
        const QByteArray thread = ReportValue(r, "thread");
        EXPECT_FALSE(thread.isEmpty());
        if (c.onWorker) {
            EXPECT_NE(QByteArray::number(out.pid), thread);
        } else {
            EXPECT_EQ(QByteArray::number(out.pid), thread);
        }
        EXPECT_TRUE(r.contains("\n[backtrace]\n0x")) << r.left(2000).toStdString();
        // The maps copy names the program, so the addresses can be resolved later.
        const int maps = r.indexOf("\n[maps]\n");
        ASSERT_GE(maps, 0);
        EXPECT_TRUE(r.indexOf(QFile::encodeName(s_program), maps) > maps);
        EXPECT_TRUE(r.endsWith("\n[end]\n"));
    }
}

TEST_F(CrashHandler, FaultWhileWritingTheReportExitsWith23)
{
    const ChildOutcome out = RunCase("fault-in-writer");
    ASSERT_TRUE(out.finished);
    EXPECT_EQ(SF_CRASH_EXIT_CODE_NESTED, out.exitCode);
}

TEST_F(CrashHandler, WithoutAWritableFolderTheExitCodeStaysAndNoReportAppears)
{
    const ChildOutcome out = RunCase("unwritable");
    ASSERT_TRUE(out.finished);
    EXPECT_EQ(SF_CRASH_EXIT_CODE, out.exitCode);
    EXPECT_FALSE(out.reportExists);
    EXPECT_FALSE(QFile::exists(s_dir->filePath("no such folder")));
}
