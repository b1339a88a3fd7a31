#include "base/compat/sf_windows.h"
#include "tests/common/test_files.h"
#include "tests/common/test_util.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <gnu/libc-version.h>
#include <sys/stat.h>
#include <unistd.h>

using testutil::Bytes;

namespace {

std::string Hex(const std::string& s)
{
    std::string out;
    char buf[4];
    for (unsigned char c : s) {
        std::snprintf(buf, sizeof(buf), "%02X ", c);
        out += buf;
    }
    return out;
}

std::string Hex(const std::wstring& s)
{
    std::string out;
    char buf[16];
    for (wchar_t c : s) {
        std::snprintf(buf, sizeof(buf), "U+%04X ", static_cast<unsigned>(c));
        out += buf;
    }
    return out;
}

struct CodecCase
{
    const char* name;
    std::wstring wide;
    std::string utf8;
};

// Valid texts: each direction must give the other exactly.
TEST(WinApiCodec, ValidTextsConvertBothWays)
{
    const std::vector<CodecCase> cases = {
        {"empty", L"", ""},
        {"ascii", L"Hello, World 123!", "Hello, World 123!"},
        {"two-byte", L"\u00E9t\u00E9", Bytes({0xC3, 0xA9, 't', 0xC3, 0xA9})},
        {"chinese", L"\u4E2D\u6587", Bytes({0xE4, 0xB8, 0xAD, 0xE6, 0x96, 0x87})},
        {"non-bmp", std::wstring(1, static_cast<wchar_t>(0x1F600)), Bytes({0xF0, 0x9F, 0x98, 0x80})},
        {"highest", std::wstring(1, static_cast<wchar_t>(0x10FFFF)), Bytes({0xF4, 0x8F, 0xBF, 0xBF})},
        {"range edges",
         std::wstring{static_cast<wchar_t>(0x7F), static_cast<wchar_t>(0x80), static_cast<wchar_t>(0x7FF),
                      static_cast<wchar_t>(0x800), static_cast<wchar_t>(0xD7FF), static_cast<wchar_t>(0xE000),
                      static_cast<wchar_t>(0xFFFF), static_cast<wchar_t>(0x10000)},
         Bytes({0x7F, 0xC2, 0x80, 0xDF, 0xBF, 0xE0, 0xA0, 0x80, 0xED, 0x9F, 0xBF,
                0xEE, 0x80, 0x80, 0xEF, 0xBF, 0xBF, 0xF0, 0x90, 0x80, 0x80})},
        {"mixed", L"a\u4E2Db", Bytes({'a', 0xE4, 0xB8, 0xAD, 'b'})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Hex(sfwin::WideToUtf8(c.wide)), Hex(c.utf8));
        EXPECT_EQ(Hex(sfwin::Utf8ToWide(c.utf8)), Hex(c.wide));
        EXPECT_EQ(Hex(sfwin::ValidUtf8(c.utf8)), Hex(sfwin::WideToUtf8(c.wide))) << "same as the round trip";
    }
    EXPECT_EQ(1u, sfwin::Utf8ToWide(Bytes({0xF0, 0x9F, 0x98, 0x80})).size()) << "non-BMP is one unit";
}

// Invalid UTF-8: one U+FFFD per maximal valid start, the offending byte starts over.
TEST(WinApiCodec, InvalidUtf8BecomesReplacementPerMaximalSubpart)
{
    const wchar_t R = 0xFFFD;
    const std::vector<CodecCase> cases = {
        {"bad continuation", std::wstring{R, L'('}, Bytes({0xC3, 0x28})},
        {"stray continuation", std::wstring{R}, Bytes({0x80})},
        {"two stray", std::wstring{R, R}, Bytes({0x80, 0xBF})},
        {"overlong 2", std::wstring{R, R}, Bytes({0xC0, 0xAF})},
        {"overlong 2 C1", std::wstring{R, R}, Bytes({0xC1, 0xBF})},
        {"overlong 3", std::wstring{R, R, R}, Bytes({0xE0, 0x80, 0xAF})},
        {"overlong 4", std::wstring{R, R, R, R}, Bytes({0xF0, 0x80, 0x80, 0x80})},
        {"surrogate", std::wstring{R, R, R}, Bytes({0xED, 0xA0, 0x80})},
        {"above max", std::wstring{R, R, R, R}, Bytes({0xF4, 0x90, 0x80, 0x80})},
        {"F5 lead", std::wstring{R, L'a'}, Bytes({0xF5, 'a'})},
        {"FF", std::wstring{R}, Bytes({0xFF})},
        {"truncated 3 at end", std::wstring{L'x', R}, Bytes({'x', 0xE4, 0xB8})},
        {"truncated 4 at end", std::wstring{R}, Bytes({0xF0, 0x9F, 0x98})},
        {"lead alone at end", std::wstring{R}, Bytes({0xE4})},
        {"truncated then ascii", std::wstring{R, L'A'}, Bytes({0xE4, 0xB8, 0x41})},
        {"truncated then lead", std::wstring{R, 0x4E2D}, Bytes({0xE4, 0xE4, 0xB8, 0xAD})},
        {"standard example", std::wstring{L'a', R, R, R, L'b', R, L'c', R, R, L'd'},
         Bytes({0x61, 0xF1, 0x80, 0x80, 0xE1, 0x80, 0xC2, 0x62, 0x80, 0x63, 0x80, 0xBF, 0x64})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Hex(sfwin::Utf8ToWide(c.utf8)), Hex(c.wide));
        EXPECT_EQ(Hex(sfwin::ValidUtf8(c.utf8)), Hex(sfwin::WideToUtf8(c.wide))) << "same as the round trip";
    }
}

TEST(WinApiCodec, NonScalarWideBecomesReplacementBytes)
{
    const std::string R = Bytes({0xEF, 0xBF, 0xBD});
    for (std::uint32_t v : {0xD800u, 0xDBFFu, 0xDC00u, 0xDFFFu, 0x110000u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        SCOPED_TRACE(v);
        const std::wstring w{L'a', static_cast<wchar_t>(v), L'b'};
        EXPECT_EQ(Hex(sfwin::WideToUtf8(w)), Hex("a" + R + "b"));
    }
}

TEST(WinApiCodec, LengthIsHonouredAndNullIsEmpty)
{
    const wchar_t* w = L"abc\u4E2Ddef";
    EXPECT_EQ("ab", sfwin::WideToUtf8(w, 2));
    EXPECT_EQ(Bytes({'a', 'b', 'c', 0xE4, 0xB8, 0xAD}), sfwin::WideToUtf8(w, 4));
    // A length that ends inside a sequence sees only the bytes it was given.
    const char* s = "\xE4\xB8\xAD"
                    "x";
    EXPECT_EQ(std::wstring(1, 0xFFFD), sfwin::Utf8ToWide(s, 2));
    EXPECT_EQ(L"", sfwin::Utf8ToWide(nullptr, 5));
    EXPECT_EQ("", sfwin::WideToUtf8(nullptr, 5));
    // Embedded NUL inside the given length is text like any other.
    EXPECT_EQ(3u, sfwin::Utf8ToWide("a\0b", 3).size());
}

// The string forms take the whole string; the pointer forms stop at the first NUL and
// read a null pointer as empty text.
TEST(WinApiCodec, StringAndNulTerminatedForms)
{
    EXPECT_EQ(3u, sfwin::Utf8ToWide(std::string("a\0b", 3)).size());
    EXPECT_EQ(3u, sfwin::WideToUtf8(std::wstring(L"a\0b", 3)).size());
    EXPECT_EQ(L"a", sfwin::Utf8ToWide("a\0b"));
    EXPECT_EQ("a", sfwin::WideToUtf8(L"a\0b"));
    EXPECT_EQ(L"\u4E2D", sfwin::Utf8ToWide("\xE4\xB8\xAD"));
    EXPECT_EQ(Bytes({0xE4, 0xB8, 0xAD}), sfwin::WideToUtf8(L"\u4E2D"));
    EXPECT_EQ(L"", sfwin::Utf8ToWide(static_cast<const char*>(nullptr)));
    EXPECT_EQ("", sfwin::WideToUtf8(static_cast<const wchar_t*>(nullptr)));
}

TEST(WinApiCodec, EveryScalarValueRoundTrips)
{
    std::wstring all;
    for (std::uint32_t c = 1; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        all.push_back(static_cast<wchar_t>(c));
    }
    const std::string utf8 = sfwin::WideToUtf8(all);
    // 0x7F one-byte, 0x780 two-byte, 0xF800 three-byte less 0x800 surrogates, 0x100000 four-byte.
    EXPECT_EQ(0x7Fu * 1 + 0x780u * 2 + (0xF800u - 0x800u) * 3 + 0x100000u * 4, utf8.size());
    const std::wstring back = sfwin::Utf8ToWide(utf8);
    ASSERT_EQ(all.size(), back.size());
    EXPECT_TRUE(all == back);
}

TEST(WinApiDebug, OutputGoesToSinkOrStderr)
{
    std::vector<std::string> got;
    sfwin::SetDebugOutputSink([&got](const char* t) { got.emplace_back(t); });
    sfwin::OutputDebugStringA("first line\n");
    sfwin::OutputDebugStringA(nullptr);
    sfwin::OutputDebugStringA("\xE4\xB8\xAD");
    ASSERT_EQ(2u, got.size());
    EXPECT_EQ("first line\n", got[0]);
    EXPECT_EQ("\xE4\xB8\xAD", got[1]);

    sfwin::SetDebugOutputSink({});
    testing::internal::CaptureStderr();
    sfwin::OutputDebugStringA("to stderr\n");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ("to stderr\n", err);
    EXPECT_EQ(2u, got.size()) << "the removed sink must not be called";
}

int LocalFunction() { return 7; }

TEST(WinApiModule, FileNameOfProgramAndLibrary)
{
    const std::string self = sfwin::GetModuleFileName();
    ASSERT_FALSE(self.empty());
    EXPECT_EQ('/', self[0]);
    char resolved[PATH_MAX];
    ASSERT_NE(nullptr, ::realpath("/proc/self/exe", resolved));
    EXPECT_EQ(std::string(resolved), self);
    const std::string tail = "compat_winapi_test";
    ASSERT_GE(self.size(), tail.size());
    EXPECT_EQ(tail, self.substr(self.size() - tail.size()));

    EXPECT_EQ(self, sfwin::GetModuleFileNameOf(reinterpret_cast<const void*>(&LocalFunction)));
    static int localData = 0;
    EXPECT_EQ(self, sfwin::GetModuleFileNameOf(&localData));

    const std::string libc =
        sfwin::GetModuleFileNameOf(reinterpret_cast<const void*>(&::gnu_get_libc_version));
    EXPECT_EQ('/', libc.empty() ? '?' : libc[0]);
    EXPECT_NE(std::string::npos, libc.find("libc")) << libc;

    EXPECT_EQ("", sfwin::GetModuleFileNameOf(nullptr));
}

TEST(WinApiThread, IdIsKernelThreadIdAndDiffersPerThread)
{
    const DWORD mine = sfwin::GetCurrentThreadId();
    EXPECT_EQ(static_cast<DWORD>(::getpid()), mine) << "the main thread's id is the process id";
    DWORD other = 0;
    std::thread([&other]() { other = sfwin::GetCurrentThreadId(); }).join();
    EXPECT_NE(0u, other);
    EXPECT_NE(mine, other);
}

TEST(WinApiThread, SleepWaitsAtLeastTheTime)
{
    const auto start = std::chrono::steady_clock::now();
    sfwin::Sleep(20);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20));
}

TEST(WinApiShell, UrlClassification)
{
    struct Case
    {
        const char* text;
        bool url;
    };
    const Case cases[] = {
        {"http://example.com/x", true},
        {"https://example.com", true},
        {"file:///tmp/a.pdf", true},
        {"mailto:someone@example.com", true},
        {"www.example.com", true},
        {"/opt/app/Operation Manual.pdf", false},
        {"Manual.pdf", false},
        {"docs/www.pdf", false},
        {"mailto", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.url, sfwin::IsShellUrl(c.text)) << c.text;
}

// Restores the default handler and PATH whatever a test did.
int CountZombieChildren()
{
    int count = 0;
    DIR* proc = ::opendir("/proc");
    if (!proc)
        return 0;
    const std::string parent = std::to_string(::getpid());
    while (dirent* e = ::readdir(proc)) {
        if (e->d_name[0] < '0' || e->d_name[0] > '9')
            continue;
        std::ifstream in(std::string("/proc/") + e->d_name + "/stat");
        std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // "pid (name) state ppid ...": the name may hold blanks, so read after the last ')'.
        const std::size_t close = stat.rfind(')');
        if (close == std::string::npos)
            continue;
        std::istringstream rest(stat.substr(close + 1));
        std::string state, ppid;
        rest >> state >> ppid;
        if (state == "Z" && ppid == parent)
            ++count;
    }
    ::closedir(proc);
    return count;
}

class WinApiShellOpen : public testing::Test
{
protected:
    void SetUp() override
    {
        const char* path = std::getenv("PATH");
        m_hadPath = path != nullptr;
        if (path)
            m_path = path;
        ASSERT_FALSE(m_dir.Path().empty());
    }
    void TearDown() override
    {
        sfwin::SetShellOpenHandler({});
        if (m_hadPath)
            ::setenv("PATH", m_path.c_str(), 1);
        else
            ::unsetenv("PATH");
    }
    std::string WriteFile(const std::string& name, const std::string& content, mode_t mode = 0644)
    {
        const std::string p = m_dir / name;
        testutil::WriteFile(p, content);
        ::chmod(p.c_str(), mode);
        return p;
    }
    testutil::TempDir m_dir;
    std::string m_path;
    bool m_hadPath = false;
};

TEST_F(WinApiShellOpen, HandlerSeamReceivesTextAndResult)
{
    std::vector<std::string> seen;
    sfwin::SetShellOpenHandler([&seen](const std::string& t) -> intptr_t {
        seen.push_back(t);
        return 77;
    });
    EXPECT_EQ(77, sfwin::ShellOpen("/nowhere/Operation Manual.pdf"));
    EXPECT_EQ(77, sfwin::ShellOpen("http://example.com"));
    ASSERT_EQ(2u, seen.size());
    EXPECT_EQ("/nowhere/Operation Manual.pdf", seen[0]);
    EXPECT_EQ("http://example.com", seen[1]);

    sfwin::SetShellOpenHandler({});
    EXPECT_EQ(2, sfwin::ShellOpen("/nowhere/Operation Manual.pdf"));
    EXPECT_EQ(2u, seen.size()) << "the default handler is back";
}

TEST_F(WinApiShellOpen, DefaultReportsMissingFileWithoutSpawning)
{
    // With an opener on the PATH that leaves a mark, a missing file must still not start it.
    const std::string mark = m_dir / "mark";
    WriteFile("xdg-open", "#!/bin/sh\necho \"$1\" > '" + mark + "'\n", 0755);
    ::setenv("PATH", m_dir.Path().c_str(), 1);
    EXPECT_EQ(2, sfwin::ShellOpen(m_dir / "missing.pdf"));
    EXPECT_EQ(2, sfwin::ShellOpen(""));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_NE(0, ::access(mark.c_str(), F_OK)) << "nothing may be spawned for a missing file";
}

TEST_F(WinApiShellOpen, OpenerGetsOnlyTheStandardDescriptors)
{
    // A descriptor the program inherited without close-on-exec (the launcher's lock) must not
    // reach the opener, or a viewer left open would hold it after the program ended.
    const std::string held = WriteFile("held", "lock");
    const int fd = ::open(held.c_str(), O_RDONLY);
    ASSERT_GE(fd, 3);
    const std::string mark = m_dir / "mark";
    // The opener writes what its descriptor of that number refers to ("-" when none); PATH
    // holds only the test folder, so it names its tools in full.
    const std::string fdLink = "/proc/$$/fd/" + std::to_string(fd);
    WriteFile("xdg-open",
              "#!/bin/sh\n{ /bin/readlink " + fdLink + " || echo -; } > '" + mark + ".tmp'\nexec /bin/mv '" +
                  mark + ".tmp' '" + mark + "'\n",
              0755);
    ::setenv("PATH", m_dir.Path().c_str(), 1);
    EXPECT_GE(sfwin::ShellOpen(held), 33);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (::access(mark.c_str(), F_OK) != 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ::close(fd);
    const std::string seen = testutil::ReadFile(mark);
    ASSERT_FALSE(seen.empty()) << "the opener did not run";
    EXPECT_EQ("-\n", seen) << "the inherited descriptor reached the opener";
}

TEST_F(WinApiShellOpen, DefaultReportsNoHandlerWhenOpenerIsMissing)
{
    const std::string file = WriteFile("manual.pdf", "pdf");
    ::setenv("PATH", (m_dir / "empty").c_str(), 1);
    EXPECT_EQ(31, sfwin::ShellOpen(file));
    EXPECT_EQ(31, sfwin::ShellOpen("http://example.com"));
}

TEST_F(WinApiShellOpen, DefaultStartsOpenerWithFileOrAddress)
{
    const std::string mark = m_dir / "mark";
    WriteFile("xdg-open",
              "#!/bin/sh\necho \"$1\" > '" + mark + ".tmp'\nexec /bin/mv '" + mark + ".tmp' '" + mark + "'\n",
              0755);
    ::setenv("PATH", m_dir.Path().c_str(), 1);
    auto waitForMark = [&mark]() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (::access(mark.c_str(), F_OK) != 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::string text = testutil::ReadFile(mark);
        ::unlink(mark.c_str());
        return text;
    };

    const std::string file = WriteFile("manual.pdf", "pdf");
    EXPECT_GE(sfwin::ShellOpen(file), 33);
    EXPECT_EQ(file + "\n", waitForMark());

    EXPECT_GE(sfwin::ShellOpen("www.example.com"), 33);
    EXPECT_EQ("http://www.example.com\n", waitForMark());

    EXPECT_GE(sfwin::ShellOpen("mailto:a@example.com"), 33);
    EXPECT_EQ("mailto:a@example.com\n", waitForMark());

    // The openers were reaped: no child of ours is left as a zombie.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    int zombies = CountZombieChildren();
    while (zombies != 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        zombies = CountZombieChildren();
    }
    EXPECT_EQ(0, zombies);
}

}  // namespace
