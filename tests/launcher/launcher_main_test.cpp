// The whole launch with a stand-in program, the single-instance lock, starting and
// waiting, and the archive the built launcher carries.
#include "base/compat/sf_winapi.h"
#include "launcher/launcher.h"
#include "launcher/sf_resource.h"
#include "tests/launcher/launcher_test_support.h"

#include <sys/file.h>
#include <sys/resource.h>

#include <csignal>
#include <cstring>

#include <algorithm>
#include <functional>

using namespace lt;

namespace {

// A stand-in for the program: records its arguments and working folder, leaves a
// marker in its own folder, and keeps running while the hold file exists.
const char kStandIn[] = "#!/bin/sh\n"
                        "out=\"$LAUNCHER_TEST_OUT\"\n"
                        "printf '%s\\n' \"$#\" \"$1\" \"$(pwd)\" > \"$out/args\"\n"
                        "touch \"$(dirname \"$0\")/marker\"\n"
                        "touch \"$out/started\"\n"
                        "while [ -e \"$out/hold\" ]; do sleep 0.02; done\n"
                        "sleep 0.3\n"
                        "touch \"$out/ended\"\n";

class launcherRun : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(tmp.Path().empty());
        places.appDataFolder = tmp / "data";
        places.lockFile = tmp / "run/Tessaly";
        places.moduleFolder = tmp / "launcher folder";
        out = tmp / "out";
        fs::create_directories(places.appDataFolder);
        fs::create_directories(tmp / "run");
        fs::create_directories(out);
        target = places.appDataFolder + "/Tessaly";
    }
    void TearDown() override { SF_SetResourceTable(nullptr, 0); }

    // Packs a payload of the stand-in program (unless programMode is 0) and data files.
    void MakePayload(mode_t programMode = 0755)
    {
        const std::string stage = tmp / "stage";
        fs::remove_all(stage);
        std::vector<std::string> names = {"config.xml", "Skin"};
        WriteFile(stage + "/config.xml", "<Setting/>\n");
        WriteFile(stage + "/Skin/Main/bk.png", "picture");
        if (programMode) {
            WriteFile(stage + "/Tessaly", kStandIn, programMode);
            names.push_back("Tessaly");
        }
        const std::string archive = tmp / "payload.7z";
        fs::remove(archive);
        Make7z(stage, archive, names);
        payload = ReadFile(archive);
    }

    ChildRun Start()
    {
        const Places p = places;
        const std::string o = out;
        const std::string* bytes = &payload;
        const std::function<void()> prepare = inChild;
        return StartChild(
            [p, o, bytes, prepare] {
                if (prepare)
                    prepare();
                setenv("LAUNCHER_TEST_OUT", o.c_str(), 1);
                const auto* b = reinterpret_cast<const unsigned char*>(bytes->data());
                static SFResource table[1];
                table[0] = {L"ZIP", 102, b, b + bytes->size()};
                SF_SetResourceTable(table, 1);
                return launcher::LauncherMain(p);
            },
            tmp.Path());
    }
    ChildRun Run()
    {
        ChildRun r = Start();
        FinishChild(&r);
        return r;
    }

    using Places = launcher::Places;
    TempDir tmp;
    Places places;
    std::string out, target, payload;
    std::function<void()> inChild;  // run in the launcher's process before it starts
};

// The texts of the diagnostic lines, in order.
std::vector<std::string> ErrorLines(const std::string& err)
{
    std::vector<std::string> lines;
    const std::string tag = "\nERROR:";
    for (std::size_t pos = err.find(tag); pos != std::string::npos;) {
        const std::size_t next = err.find(tag, pos + tag.size());
        lines.push_back(
            err.substr(pos + tag.size(), next == std::string::npos ? next : next - pos - tag.size()));
        pos = next;
    }
    return lines;
}

TEST_F(launcherRun, FirstStartUnpacksStartsTheProgramAndWaitsForIt)
{
    MakePayload();
    ChildRun run = Run();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err.rfind("\nERROR:start 7zUnzip main!", 0), 0u) << run.err;
    EXPECT_EQ(ErrorLines(run.err), (std::vector<std::string>{"start 7zUnzip main!", "Extract7zZip succeed!",
                                                             "ShellExecute succeed!", "exit main!"}));
    EXPECT_EQ(run.out, "7zDecode start --- " + places.moduleFolder + "\nEverything is Ok\n");

    EXPECT_TRUE(Exists(out + "/ended")) << "the launcher returned before the program ended";
    // One argument, the launcher's folder (spaces and all).
    const std::string args = ReadFile(out + "/args");
    EXPECT_EQ(args.substr(0, args.find('\n', 2) + 1), "1\n" + places.moduleFolder + "\n");
    EXPECT_EQ(ReadFile(target + "/" + launcher::kArchiveName), payload);
    EXPECT_EQ(ReadFile(target + "/Skin/Main/bk.png"), "picture");
    EXPECT_EQ(ReadFile(target + "/config.xml"), "<Setting/>\n");
}

TEST_F(launcherRun, ASecondLauncherLeavesAtOnceWhileTheFirstWaits)
{
    MakePayload();
    WriteFile(out + "/hold", "");
    ChildRun first = Start();
    ASSERT_TRUE(WaitForFile(out + "/started")) << "the program was not started";
    ASSERT_TRUE(Exists(target + "/marker"));

    ChildRun second = Run();
    EXPECT_TRUE(second.exited);
    EXPECT_EQ(second.code, 0);
    EXPECT_EQ(second.err, "\nERROR:start 7zUnzip main!\nERROR:app running!");
    EXPECT_EQ(second.out, "");
    EXPECT_TRUE(Exists(target + "/marker")) << "the running program's folder was touched";

    fs::remove(out + "/hold");
    FinishChild(&first);
    EXPECT_EQ(first.code, 1);
    EXPECT_TRUE(Exists(out + "/ended"));
}

TEST_F(launcherRun, TheProgramKeepsTheSingleInstanceAfterItsLauncherIsKilled)
{
    MakePayload();
    WriteFile(out + "/hold", "");
    ChildRun first = Start();
    ASSERT_TRUE(WaitForFile(out + "/started")) << "the program was not started";
    kill(first.pid, SIGKILL);
    FinishChild(&first);
    ASSERT_FALSE(first.exited);
    fs::remove(out + "/started");
    WriteFile(target + "/in use", "a file the running program made");

    // While the program runs, another launcher leaves its folder alone.
    ChildRun second = Start();
    const bool secondEnded = FinishChildWithin(&second, 30);
    if (!secondEnded) {
        fs::remove(out + "/hold");
        FinishChild(&second);
    }
    EXPECT_TRUE(secondEnded) << "a second program was started";
    EXPECT_EQ(second.code, 0);
    EXPECT_EQ(second.err, "\nERROR:start 7zUnzip main!\nERROR:app running!");
    EXPECT_TRUE(Exists(target + "/in use")) << "the running program's folder was touched";
    EXPECT_FALSE(Exists(out + "/started"));

    // Once it has ended, the next start goes ahead.
    fs::remove(out + "/hold");
    ASSERT_TRUE(WaitForFile(out + "/ended"));
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (;;) {
        const int fd = open(places.lockFile.c_str(), O_RDWR | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        const bool free = flock(fd, LOCK_EX | LOCK_NB) == 0;
        close(fd);
        if (free)
            break;
        ASSERT_LT(std::chrono::steady_clock::now(), until) << "the lock outlived the program";
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    fs::remove(out + "/ended");
    const ChildRun third = Run();
    EXPECT_EQ(third.code, 1);
    EXPECT_EQ(ErrorLines(third.err), (std::vector<std::string>{"start 7zUnzip main!", "Extract7zZip succeed!",
                                                               "ShellExecute succeed!", "exit main!"}));
    EXPECT_TRUE(Exists(out + "/ended"));
}

TEST_F(launcherRun, ANextStartUnpacksAFreshCopyWithoutFollowingLeftoverLinks)
{
    MakePayload();
    ASSERT_EQ(Run().code, 1);
    WriteFile(tmp / "outside/keep.txt", "outside");
    WriteFile(target + "/stray.txt", "left by the program");
    WriteFile(target + "/config.xml", "<Setting changed=\"1\"/>\n");
    fs::create_directories(target + "/stray/sub");
    fs::create_symlink(tmp / "outside/keep.txt", target + "/stray/sub/link");
    fs::create_directory_symlink(tmp / "outside", target + "/Skin/linked");
    fs::remove(out + "/ended");

    const ChildRun run = Run();
    EXPECT_EQ(run.code, 1) << run.err;
    EXPECT_TRUE(Exists(out + "/ended"));
    EXPECT_FALSE(Exists(target + "/stray.txt"));
    EXPECT_FALSE(Exists(target + "/stray"));
    EXPECT_FALSE(Exists(target + "/Skin/linked"));
    EXPECT_EQ(ReadFile(target + "/config.xml"), "<Setting/>\n") << "the shipped settings come back";
    EXPECT_EQ(ReadFile(tmp / "outside/keep.txt"), "outside");
}

TEST_F(launcherRun, AnOldFolderThatCannotBeRemovedIsNotUnpackedOver)
{
    MakePayload();
    ASSERT_EQ(Run().code, 1);
    WriteFile(target + "/stray/locked/kept.txt", "left by the program");
    WriteFile(target + "/config.xml", "<Setting changed=\"1\"/>\n");
    chmod((target + "/stray/locked").c_str(), 0555);
    fs::remove(out + "/ended");
    const std::string top = tmp.Path();
    inChild = [top] { DropPrivilegesOver(top); };

    const ChildRun run = Run();
    chmod((target + "/stray/locked").c_str(), 0755);
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(ErrorLines(run.err),
              (std::vector<std::string>{"start 7zUnzip main!",
                                        "Remove directory failed! " + target +
                                            "/stray/locked/kept.txt: " + std::strerror(EACCES)}));
    EXPECT_FALSE(Exists(out + "/ended")) << "the program was started from a folder not cleared";
    EXPECT_NE(ReadFile(target + "/config.xml"), "<Setting/>\n") << "the archive was unpacked over leftovers";
}

TEST_F(launcherRun, AProgramThatCannotStartEndsTheLaunchWithoutWaiting)
{
    for (mode_t mode : {mode_t(0644), mode_t(0)}) {
        SCOPED_TRACE(mode ? "not executable" : "missing");
        MakePayload(mode);
        const ChildRun run = Run();
        ASSERT_TRUE(run.exited);
        EXPECT_EQ(run.code, 1);
        EXPECT_EQ(ErrorLines(run.err),
                  (std::vector<std::string>{"start 7zUnzip main!", "Extract7zZip succeed!",
                                            "ShellExecute failed!", "exit main!"}));
        EXPECT_FALSE(Exists(out + "/started"));
    }
}

TEST_F(launcherRun, ADamagedArchiveIsNotStarted)
{
    MakePayload();
    payload[payload.size() / 3] = static_cast<char>(payload[payload.size() / 3] ^ 0x20);
    payload[payload.size() - 20] = static_cast<char>(payload[payload.size() - 20] ^ 0x20);
    const ChildRun run = Run();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.code, 1);
    const std::vector<std::string> lines = ErrorLines(run.err);
    ASSERT_GE(lines.size(), 3u) << run.err;
    EXPECT_EQ(lines.front(), "start 7zUnzip main!");
    EXPECT_EQ(lines.back(), "exit main!");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Extract7zZip succeed!"), 0);
    EXPECT_FALSE(Exists(out + "/started"));
}

TEST_F(launcherRun, AFileInPlaceOfTheFolderStopsWithExitZero)
{
    MakePayload();
    WriteFile(target, "a file named like the folder");
    const ChildRun run = Run();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(ErrorLines(run.err),
              (std::vector<std::string>{"start 7zUnzip main!", "Remove directory failed! " + target + ": " +
                                                                   std::strerror(ENOTDIR)}));
    EXPECT_EQ(ReadFile(target), "a file named like the folder");
}

TEST_F(launcherRun, AnUnwritablePlaceStopsWithExitZeroNamingPathAndReason)
{
    MakePayload();
    const std::string archive = target + "/" + launcher::kArchiveName;
    {
        SCOPED_TRACE("a full disk");
        const rlim_t room = payload.size() / 2;
        inChild = [room] {
            std::signal(SIGXFSZ, SIG_IGN);
            struct rlimit lim = {room, room};
            setrlimit(RLIMIT_FSIZE, &lim);
        };
        const ChildRun run = Run();
        ASSERT_TRUE(run.exited);
        EXPECT_EQ(run.code, 0);
        EXPECT_EQ(ErrorLines(run.err), (std::vector<std::string>{"start 7zUnzip main!",
                                                                 "can not open write file " + archive + ": " +
                                                                     std::strerror(EFBIG),
                                                                 "load zip resource failed!"}));
        EXPECT_FALSE(Exists(archive)) << "the partly written archive was left";
    }
    {
        SCOPED_TRACE("a read-only place");
        fs::remove_all(target);
        chmod(places.appDataFolder.c_str(), 0555);
        const std::string top = tmp.Path();
        inChild = [top] { DropPrivilegesOver(top); };
        const ChildRun run = Run();
        chmod(places.appDataFolder.c_str(), 0755);
        ASSERT_TRUE(run.exited);
        EXPECT_EQ(run.code, 0);
        EXPECT_EQ(ErrorLines(run.err),
                  (std::vector<std::string>{"start 7zUnzip main!",
                                            "can not create folder " + target + ": " + std::strerror(EACCES),
                                            "can not create file " + archive + ": " + std::strerror(ENOENT),
                                            "load zip resource failed!"}));
    }
}

TEST_F(launcherRun, AMissingResourceStopsWithExitZero)
{
    const Places p = places;
    const ChildRun run = RunChild([p] { return launcher::LauncherMain(p); }, tmp.Path());
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(ErrorLines(run.err), (std::vector<std::string>{"start 7zUnzip main!", "find resource failed!",
                                                             "load zip resource failed!"}));
}

// --- the single-instance lock --------------------------------------------------------

TEST(launcherSingleInstance, OneHolderAtATimeAndTheLockIsNotInherited)
{
    TempDir tmp;
    const std::string lock = tmp / "Tessaly";
    int fd = -1;
    ASSERT_EQ(launcher::AcquireSingleInstance(lock, &fd), 0);
    ASSERT_GE(fd, 0);
    EXPECT_TRUE(fcntl(fd, F_GETFD) & FD_CLOEXEC);

    int fd2 = -1;
    EXPECT_EQ(launcher::AcquireSingleInstance(lock, &fd2), launcher::kErrorAlreadyExists);
    EXPECT_EQ(fd2, -1);
    const ChildRun other = RunChild(
        [lock] {
            int f = -1;
            return launcher::AcquireSingleInstance(lock, &f) == launcher::kErrorAlreadyExists ? 7 : 0;
        },
        tmp.Path());
    EXPECT_EQ(other.code, 7);

    close(fd);
    ASSERT_EQ(launcher::AcquireSingleInstance(lock, &fd2), 0);
    EXPECT_GE(fd2, 0);
    close(fd2);

    // A lock that cannot be opened does not stop the launch.
    int fd3 = -1;
    EXPECT_EQ(launcher::AcquireSingleInstance(tmp / "no such folder/Tessaly", &fd3), 0);
    EXPECT_EQ(fd3, -1);
}

TEST(launcherSingleInstance, LockAndDataFoldersFollowTheUsersSettings)
{
    TempDir tmp;
    const char* savedRuntime = std::getenv("XDG_RUNTIME_DIR");
    const char* savedData = std::getenv("XDG_DATA_HOME");
    const char* savedHome = std::getenv("HOME");
    const std::string runtime = savedRuntime ? savedRuntime : "";
    const std::string data = savedData ? savedData : "";
    const std::string home = savedHome ? savedHome : "";

    setenv("XDG_RUNTIME_DIR", tmp.Path().c_str(), 1);
    EXPECT_EQ(launcher::LockFilePath(), tmp / "Tessaly");
    setenv("XDG_RUNTIME_DIR", "relative/run", 1);
    EXPECT_EQ(launcher::LockFilePath(), "/tmp/Tessaly-" + std::to_string(getuid()));

    setenv("XDG_DATA_HOME", (tmp / "xdg/data").c_str(), 1);
    EXPECT_EQ(launcher::AppDataFolder(), tmp / "xdg/data");
    EXPECT_TRUE(fs::is_directory(tmp / "xdg/data"));
    EXPECT_EQ(fs::status(tmp / "xdg/data").permissions() & fs::perms::all, fs::perms::owner_all);
    setenv("XDG_DATA_HOME", "relative/data", 1);
    setenv("HOME", (tmp / "home").c_str(), 1);
    EXPECT_EQ(launcher::AppDataFolder(), tmp / "home/.local/share");
    EXPECT_TRUE(fs::is_directory(tmp / "home/.local/share"));

    auto restore = [](const char* name, const char* saved, const std::string& value) {
        if (saved)
            setenv(name, value.c_str(), 1);
        else
            unsetenv(name);
    };
    restore("XDG_RUNTIME_DIR", savedRuntime, runtime);
    restore("XDG_DATA_HOME", savedData, data);
    restore("HOME", savedHome, home);
}

// --- starting and waiting --------------------------------------------------------------

TEST(launcherSpawn, StartsAndWaitsOrReportsFailure)
{
    std::vector<std::string> lines;
    sfwin::SetDebugOutputSink([&lines](const char* t) { lines.emplace_back(t); });
    const pid_t pid = launcher::LaunchApplication("/bin", "true", "/some folder");
    ASSERT_GT(pid, 0);
    launcher::WaitForProcess(pid);
    EXPECT_EQ(waitpid(pid, nullptr, WNOHANG), -1) << "the child was not reaped";
    EXPECT_EQ(lines, (std::vector<std::string>{"\nERROR:", "ShellExecute succeed!"}));

    lines.clear();
    EXPECT_EQ(launcher::LaunchApplication("/nonexistent folder", "Tessaly", "x"), -1);
    EXPECT_EQ(lines, (std::vector<std::string>{"\nERROR:", "ShellExecute failed!"}));
    sfwin::SetDebugOutputSink(nullptr);
}

TEST(launcherOwnFolder, ItsOwnFolderIsThePathUpToTheLastSlash)
{
    std::string folder;
    ASSERT_EQ(launcher::GetModuleFolder(&folder), 0);
    EXPECT_EQ(folder, fs::canonical("/proc/self/exe").parent_path().string());
}

// --- the built launcher ---------------------------------------------------------------

TEST(launcherBuilt, CarriesTheArchiveOfTheProgramAndItsFiles)
{
    const std::string bin = TESSALY_BIN_DIR;
    const std::string exe = bin + "/tessaly-launcher";
    const std::string archive = fs::path(bin).parent_path().string() + "/launcher/Vesperon.7z";
    if (!Exists(exe) || !Exists(archive))
        GTEST_SKIP() << "the launcher is not built";
    const std::string carried = ReadFile(archive);
    const std::string image = ReadFile(exe);
    ASSERT_GE(carried.size(), 32u);
    const auto at = std::search(image.begin(), image.end(),
                                std::boyer_moore_horspool_searcher(carried.begin(), carried.end()));
    ASSERT_NE(at, image.end()) << "the launcher does not carry " << archive;
    EXPECT_EQ((at - image.begin()) % 16, 0);

    // Unpacked the launcher's way, it gives back the shipped files.
    TempDir tmp;
    WriteFile(tmp / "Vesperon.7z", carried);
    const std::string folder = tmp.Path();
    const ChildRun run =
        RunChild([folder] { return launcher::Extract7zArchive("Vesperon.7z", folder, true); }, folder);
    ASSERT_EQ(run.code, 0) << run.out << run.err;
    int compared = 0;
    for (const char* name :
         {"Tessaly.xml", "NVRSpec.xml", "Lang_0.xml", "Lang_1.xml", "config.xml", "Style.css"}) {
        if (Exists(bin + "/" + name)) {
            EXPECT_EQ(ReadFile(tmp / name), ReadFile(bin + "/" + name)) << name;
            ++compared;
        }
    }
    if (Exists(bin + "/Tessaly")) {
        EXPECT_NE(fs::status(tmp / "Tessaly").permissions() & fs::perms::owner_exec, fs::perms::none);
        ++compared;
    }
    RecordProperty("files_compared", compared);
}

// --- a link planted at the lock path ------------------------------------------------

TEST(launcherSingleInstance, ALinkAtTheLockPathIsNotFollowed)
{
    TempDir tmp;
    const std::string lock = tmp / "Tessaly";
    // A link to a place that does not exist: nothing is created there, no lock is taken.
    const std::string absent = tmp / "made through the link";
    ASSERT_EQ(symlink(absent.c_str(), lock.c_str()), 0);
    int fd = -1;
    EXPECT_EQ(launcher::AcquireSingleInstance(lock, &fd), 0);  // the launch goes on
    EXPECT_EQ(fd, -1);
    EXPECT_FALSE(Exists(absent));
    unlink(lock.c_str());

    // A link to a file someone else locks: that file's lock is not taken (nor waited for).
    const std::string other = tmp / "someone else's file";
    WriteFile(other, "");
    ASSERT_EQ(symlink(other.c_str(), lock.c_str()), 0);
    const int held = open(other.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(flock(held, LOCK_EX | LOCK_NB), 0);
    fd = -1;
    EXPECT_EQ(launcher::AcquireSingleInstance(lock, &fd), 0);
    EXPECT_EQ(fd, -1);
    close(held);
    // The file is free again: still no lock through the link.
    fd = -1;
    EXPECT_EQ(launcher::AcquireSingleInstance(lock, &fd), 0);
    EXPECT_EQ(fd, -1);
    EXPECT_TRUE(fs::is_symlink(lock));
    EXPECT_EQ(ReadFile(other), "");
}

}  // namespace
