// Helpers shared by the launcher tests: temporary folders, files, archives made with
// the 7zz packer or libarchive's writer, and running code in a child
// process with its standard output and error captured.
#pragma once

#include "tests/common/test_files.h"

#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace lt {

namespace fs = std::filesystem;

using testutil::ReadFile;
using testutil::TempDir;

inline void WriteFile(const std::string& path, const std::string& data, mode_t mode = 0644)
{
    fs::create_directories(fs::path(path).parent_path());
    testutil::WriteFile(path, data);
    chmod(path.c_str(), mode);
}

inline bool Exists(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

// Incompressible-looking but reproducible text of the given size.
inline std::string Noise(std::size_t size, unsigned seed)
{
    std::string s(size, '\0');
    unsigned x = seed * 2654435761u + 1;
    for (auto& c : s) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = static_cast<char>('a' + x % 26);
    }
    return s;
}

// Runs argv (looked up in PATH) in cwd with output discarded; returns its exit code.
inline int RunCommand(const std::vector<std::string>& args, const std::string& cwd)
{
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(cwd.c_str()) != 0)
            _exit(126);
        const int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, 1);
        std::vector<char*> argv;
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        setenv("LC_ALL", "C.UTF-8", 1);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Packs the named items of stage (relative names) with LZMA2 and the x86 branch
// filter, the way the carried archive is made.
inline void Make7z(const std::string& stage, const std::string& archive,
                   const std::vector<std::string>& names)
{
    std::vector<std::string> args = {"7zz", "a", "-t7z", "-m0=lzma2", "-mf=BCJ", "-bd", archive, "--"};
    args.insert(args.end(), names.begin(), names.end());
    ASSERT_EQ(RunCommand(args, stage), 0) << "7zz could not make " << archive;
}

struct CraftedEntry
{
    std::string name;
    std::string data;        // file contents
    std::string linkTarget;  // non-empty: a symbolic link
    mode_t type = 0;         // non-zero: an item of this kind (AE_IFDIR, AE_IFIFO, AE_IFCHR...)
};

// A 7z archive written item by item, with names 7zz itself would not store.
inline void WriteCrafted7z(const std::string& path, const std::vector<CraftedEntry>& entries)
{
    struct archive* a = archive_write_new();
    ASSERT_EQ(archive_write_set_format_7zip(a), ARCHIVE_OK);
    ASSERT_EQ(archive_write_open_filename(a, path.c_str()), ARCHIVE_OK);
    for (const CraftedEntry& e : entries) {
        struct archive_entry* en = archive_entry_new();
        archive_entry_set_pathname(en, e.name.c_str());
        archive_entry_set_mtime(en, 946684800, 0);
        if (e.type != 0) {
            archive_entry_set_filetype(en, e.type);
            archive_entry_set_perm(en, e.type == AE_IFDIR ? 0755 : 0644);
            archive_entry_set_rdev(en, makedev(1, 3));
        } else if (!e.linkTarget.empty()) {
            archive_entry_set_filetype(en, AE_IFLNK);
            archive_entry_set_perm(en, 0777);
            archive_entry_set_symlink(en, e.linkTarget.c_str());
        } else {
            archive_entry_set_filetype(en, AE_IFREG);
            archive_entry_set_perm(en, 0644);
            archive_entry_set_size(en, static_cast<la_int64_t>(e.data.size()));
        }
        ASSERT_EQ(archive_write_header(a, en), ARCHIVE_OK) << archive_error_string(a);
        if (!e.data.empty()) {
            ASSERT_EQ(archive_write_data(a, e.data.data(), e.data.size()),
                      static_cast<la_ssize_t>(e.data.size()));
        }
        archive_entry_free(en);
    }
    ASSERT_EQ(archive_write_close(a), ARCHIVE_OK);
    archive_write_free(a);
}

// A 7z archive of files of zeros, one per (name, size), packed quickly.
inline void WriteZeros7z(const std::string& path,
                         const std::vector<std::pair<std::string, std::uint64_t>>& files)
{
    struct archive* a = archive_write_new();
    ASSERT_EQ(archive_write_set_format_7zip(a), ARCHIVE_OK);
    ASSERT_EQ(archive_write_set_format_option(a, "7zip", "compression", "deflate"), ARCHIVE_OK);
    ASSERT_EQ(archive_write_set_format_option(a, "7zip", "compression-level", "1"), ARCHIVE_OK);
    ASSERT_EQ(archive_write_open_filename(a, path.c_str()), ARCHIVE_OK);
    const std::vector<char> zeros(1 << 20, 0);
    for (const auto& [name, size] : files) {
        struct archive_entry* en = archive_entry_new();
        archive_entry_set_pathname(en, name.c_str());
        archive_entry_set_filetype(en, AE_IFREG);
        archive_entry_set_perm(en, 0644);
        archive_entry_set_size(en, static_cast<la_int64_t>(size));
        ASSERT_EQ(archive_write_header(a, en), ARCHIVE_OK) << archive_error_string(a);
        for (std::uint64_t left = size; left > 0;) {
            const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(left, zeros.size()));
            ASSERT_EQ(archive_write_data(a, zeros.data(), n), static_cast<la_ssize_t>(n));
            left -= n;
        }
        archive_entry_free(en);
    }
    ASSERT_EQ(archive_write_close(a), ARCHIVE_OK);
    archive_write_free(a);
}

// A 7z archive of one file of size zero bytes, packed quickly.
inline void WriteZeros7z(const std::string& path, const std::string& name, std::uint64_t size)
{
    WriteZeros7z(path, {{name, size}});
}

// For a child process about to meet permissions: as root (whom permissions do not
// stop) it hands the tree to an unprivileged account and becomes that account.
inline void DropPrivilegesOver(const std::string& tree)
{
    if (geteuid() != 0)
        return;
    const uid_t nobody = 65534;
    for (const auto& e : fs::recursive_directory_iterator(tree))
        lchown(e.path().c_str(), nobody, nobody);
    lchown(tree.c_str(), nobody, nobody);
    if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0)
        _exit(125);
}

struct ChildRun
{
    pid_t pid = -1;
    std::string outFile, errFile;
    bool exited = false;  // ended normally (not through a signal)
    int code = -1;
    std::string out, err;
};

// Starts fn in a child process whose standard output and error go to files in dir.
inline ChildRun StartChild(const std::function<int()>& fn, const std::string& dir)
{
    static int counter = 0;
    ChildRun run;
    const int n = ++counter;
    run.outFile = dir + "/child" + std::to_string(n) + ".out";
    run.errFile = dir + "/child" + std::to_string(n) + ".err";
    std::fflush(stdout);
    std::fflush(stderr);
    run.pid = fork();
    if (run.pid == 0) {
        const int o = open(run.outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int e = open(run.errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(o, 1);
        dup2(e, 2);
        const int code = fn();
        std::fflush(stdout);
        std::fflush(stderr);
        _exit(code);
    }
    return run;
}

inline void FinishChild(ChildRun* run)
{
    int status = 0;
    while (waitpid(run->pid, &status, 0) < 0 && errno == EINTR) {
    }
    run->exited = WIFEXITED(status);
    run->code = run->exited ? WEXITSTATUS(status) : -1;
    run->out = ReadFile(run->outFile);
    run->err = ReadFile(run->errFile);
}

// Like FinishChild, but gives up (false, the child left running) after the given time.
inline bool FinishChildWithin(ChildRun* run, int seconds)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    int status = 0;
    for (;;) {
        const pid_t r = waitpid(run->pid, &status, WNOHANG);
        if (r == run->pid)
            break;
        if (r < 0 && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() > until)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    run->exited = WIFEXITED(status);
    run->code = run->exited ? WEXITSTATUS(status) : -1;
    run->out = ReadFile(run->outFile);
    run->err = ReadFile(run->errFile);
    return true;
}

inline ChildRun RunChild(const std::function<int()>& fn, const std::string& dir)
{
    ChildRun run = StartChild(fn, dir);
    FinishChild(&run);
    return run;
}

// Waits (generously) until the file exists.
inline bool WaitForFile(const std::string& path, int seconds = 60)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!Exists(path)) {
        if (std::chrono::steady_clock::now() > until)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

}  // namespace lt
