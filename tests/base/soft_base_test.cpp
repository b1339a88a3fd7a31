#include "base/compat/sf_winapi.h"
#include "base/sf_date_time.h"
#include "base/sf_event.h"
#include "base/sf_stream_convert.h"
#include "base/sf_system.h"
#include "base/sf_thread.h"
#include "base/sf_tool_mutex.h"
#include "tests/common/test_files.h"
#include "tests/common/test_util.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <cwchar>
#include <string>
#include <thread>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

using namespace SF_SOFT_BASE;
using testutil::Bytes;

namespace {

// ---------------------------------------------------------------------------------------
// CSFStreamConvert

struct ConvertCase
{
    const char* name;
    std::wstring wide;
    std::string bytes;
};

std::vector<ConvertCase> ValidCases()
{
    return {
        {"empty", L"", ""},
        {"ascii", L"Search 123", "Search 123"},
        {"chinese", L"\u4E2D\u6587", Bytes({0xE4, 0xB8, 0xAD, 0xE6, 0x96, 0x87})},
        {"non-bmp", std::wstring(1, static_cast<wchar_t>(0x1F600)), Bytes({0xF0, 0x9F, 0x98, 0x80})},
    };
}

// Both buffers hold exactly the expected text, terminated, and the string copies agree.
void ExpectHolds(const CSFStreamConvert& c, const std::wstring& wide, const std::string& bytes)
{
    ASSERT_NE(nullptr, c.GetMultiByte());
    ASSERT_NE(nullptr, c.GetWideChar());
    EXPECT_EQ(bytes.size(), std::strlen(c.GetMultiByte()));
    EXPECT_EQ(0, std::memcmp(bytes.c_str(), c.GetMultiByte(), bytes.size() + 1));
    EXPECT_EQ(wide.size(), std::wcslen(c.GetWideChar()));
    EXPECT_EQ(0, std::wmemcmp(wide.c_str(), c.GetWideChar(), wide.size() + 1));
    EXPECT_EQ(bytes, c.GetString());
    EXPECT_EQ(wide, c.GetWString());
    EXPECT_EQ(std::string(c.GetMultiByte()), c.GetString());
    EXPECT_EQ(std::wstring(c.GetWideChar()), c.GetWString());
}

TEST(SoftBaseStreamConvert, ValidTextsInBothCodePagesAndDirections)
{
    for (UINT cp : {CP_ACP, CP_UTF8}) {
        for (const auto& t : ValidCases()) {
            SCOPED_TRACE(std::string(t.name) + " cp " + std::to_string(cp));
            CSFStreamConvert fromWide(t.wide.c_str(), cp);
            ExpectHolds(fromWide, t.wide, t.bytes);
            CSFStreamConvert fromBytes(t.bytes.c_str(), cp);
            ExpectHolds(fromBytes, t.wide, t.bytes);
        }
    }
    EXPECT_EQ(1u,
              std::wcslen(CSFStreamConvert(Bytes({0xF0, 0x9F, 0x98, 0x80}).c_str(), CP_UTF8).GetWideChar()));
}

TEST(SoftBaseStreamConvert, InvalidInputIsReplacedNotRejected)
{
    for (UINT cp : {CP_ACP, CP_UTF8}) {
        SCOPED_TRACE(cp);
        const std::string bad = Bytes({0xC3, 0x28});
        CSFStreamConvert fromBytes(bad.c_str(), cp);
        ExpectHolds(fromBytes, std::wstring{static_cast<wchar_t>(0xFFFD), L'('}, bad);

        const wchar_t lone[] = {L'x', static_cast<wchar_t>(0xD800), 0};
        CSFStreamConvert fromWide(lone, cp);
        ExpectHolds(fromWide, lone, Bytes({'x', 0xEF, 0xBF, 0xBD}));
    }
}

TEST(SoftBaseStreamConvert, ReconvertReplacesBothBuffersAndClearEmpties)
{
    CSFStreamConvert c;
    EXPECT_EQ(nullptr, c.GetMultiByte());
    EXPECT_EQ(nullptr, c.GetWideChar());
    EXPECT_EQ("", c.GetString());
    EXPECT_EQ(L"", c.GetWString());

    char* mb = c.WideToMultiByte(L"\u4E2D\u6587", CP_UTF8);
    EXPECT_EQ(c.GetMultiByte(), mb);
    ExpectHolds(c, L"\u4E2D\u6587", Bytes({0xE4, 0xB8, 0xAD, 0xE6, 0x96, 0x87}));

    wchar_t* w = c.MultiByteToWide("abc", CP_ACP);
    EXPECT_EQ(c.GetWideChar(), w);
    ExpectHolds(c, L"abc", "abc");

    mb = c.WideToMultiByte(L"", CP_ACP);
    EXPECT_EQ(c.GetMultiByte(), mb);
    ExpectHolds(c, L"", "");

    c.Clear();
    EXPECT_EQ(nullptr, c.GetMultiByte());
    EXPECT_EQ(nullptr, c.GetWideChar());
    EXPECT_EQ("", c.GetString());
}

// ---------------------------------------------------------------------------------------
// CSFToolMutex / CSFToolAutoMutexLock

int TryLockElsewhere(CSFToolMutex& m)
{
    int got = -1;
    std::thread([&m, &got]() {
        got = m.TryLock();
        if (got)
            m.Unlock();
    }).join();
    return got;
}

TEST(SoftBaseToolMutex, ReentrantAndExclusive)
{
    CSFToolMutex m;
    m.Lock();
    m.Lock();  // the same thread again: no deadlock
    EXPECT_EQ(1, m.TryLock());
    EXPECT_EQ(0, TryLockElsewhere(m));
    m.Unlock();
    m.Unlock();
    EXPECT_EQ(0, TryLockElsewhere(m)) << "still held once";
    m.Unlock();
    EXPECT_EQ(1, TryLockElsewhere(m));
}

TEST(SoftBaseToolMutex, AutoLockEarlyUnlockReleasesExactlyOnce)
{
    CSFToolMutex m;
    m.Lock();  // an outer hold that must survive the scoped lock
    {
        CSFToolAutoMutexLock lock(m);
        EXPECT_EQ(0, TryLockElsewhere(m));
        lock.Unlock();
        lock.Unlock();  // a second early unlock does nothing
    }
    EXPECT_EQ(0, TryLockElsewhere(m)) << "the outer hold was released too";
    m.Unlock();
    EXPECT_EQ(1, TryLockElsewhere(m));

    {
        CSFToolAutoMutexLock lock(m);
        EXPECT_EQ(0, TryLockElsewhere(m));
    }
    EXPECT_EQ(1, TryLockElsewhere(m)) << "destruction releases a held lock";
}

// ---------------------------------------------------------------------------------------
// CSFEvent

const int kTimeout = static_cast<int>(WAIT_TIMEOUT);

TEST(SoftBaseEvent, AutoResetReleasesOnceAndKeepsAnEarlySet)
{
    CSFEvent e;
    ASSERT_EQ(1, e.Create(FALSE, FALSE));
    EXPECT_EQ(kTimeout, e.Wait(0));
    EXPECT_EQ(1, e.Set());
    EXPECT_EQ(0, e.Wait(0));
    EXPECT_EQ(kTimeout, e.Wait(0));

    CSFEvent initial;
    ASSERT_EQ(1, initial.Create(TRUE, FALSE));
    EXPECT_EQ(0, initial.Wait(0));
    EXPECT_EQ(kTimeout, initial.Wait(0));
}

TEST(SoftBaseEvent, ManualResetStaysSetUntilReset)
{
    CSFEvent e;
    ASSERT_EQ(1, e.Create(TRUE, TRUE));
    EXPECT_EQ(0, e.Wait(0));
    EXPECT_EQ(0, e.Wait(0));
    EXPECT_EQ(1, e.Reset());
    EXPECT_EQ(kTimeout, e.Wait(0));
    EXPECT_EQ(1, e.Set());
    EXPECT_EQ(0, e.Wait(10));
    EXPECT_EQ(0, e.Wait(INFINITE));
}

TEST(SoftBaseEvent, TimeoutWaitsAtLeastTheTime)
{
    CSFEvent e;
    ASSERT_EQ(1, e.Create(FALSE, TRUE));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(kTimeout, e.Wait(50));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
}

TEST(SoftBaseEvent, NeverCreatedOrClosed)
{
    CSFEvent e;
    EXPECT_EQ(-1, e.Wait(0));
    EXPECT_EQ(-1, e.Wait(INFINITE));
    EXPECT_EQ(0, e.Set());
    EXPECT_EQ(0, e.Reset());
    EXPECT_EQ(1, e.Close());

    ASSERT_EQ(1, e.Create(TRUE, TRUE));
    EXPECT_EQ(1, e.Close());
    EXPECT_EQ(-1, e.Wait(0));
    EXPECT_EQ(0, e.Set());
    EXPECT_EQ(1, e.Close());
    ASSERT_EQ(1, e.Create(FALSE, FALSE)) << "a closed event can be created again";
    EXPECT_EQ(kTimeout, e.Wait(0));
}

TEST(SoftBaseEvent, SetFromAnotherThreadWakesInfiniteWait)
{
    CSFEvent e;
    ASSERT_EQ(1, e.Create(FALSE, FALSE));
    std::thread t([&e]() {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        e.Set();
    });
    EXPECT_EQ(0, e.Wait(INFINITE));
    t.join();
}

TEST(SoftBaseEvent, ManualReleasesAllWaitersAutoReleasesOne)
{
    for (BOOL manual : {TRUE, FALSE}) {
        SCOPED_TRACE(manual);
        CSFEvent e;
        ASSERT_EQ(1, e.Create(FALSE, manual));
        std::atomic<int> released{0};
        std::vector<std::thread> waiters;
        for (int i = 0; i < 3; ++i)
            waiters.emplace_back([&]() {
                if (e.Wait(30000) == 0)
                    ++released;
            });
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(1, e.Set());
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (released == 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (manual) {
            while (released < 3 && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            EXPECT_EQ(3, released.load());
            EXPECT_EQ(0, e.Wait(0)) << "manual reset stays set";
        } else {
            EXPECT_EQ(1, released.load());
            EXPECT_EQ(kTimeout, e.Wait(0)) << "auto reset cleared by the released waiter";
            e.Set();
            e.Set();  // a set with a waiter present may or may not be consumed before the next
            while (released < 3 && std::chrono::steady_clock::now() < deadline) {
                e.Set();
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
            EXPECT_EQ(3, released.load());
        }
        for (auto& t : waiters)
            t.join();
    }
}

// ---------------------------------------------------------------------------------------
// CSFThread

struct ThreadProbe
{
    CSFEvent gate;     // the procedure waits on it
    CSFEvent entered;  // set when the procedure starts
    CSFEvent left;     // set just before the procedure returns
    std::atomic<int> runs{0};
    std::atomic<DWORD> tid{0};

    ThreadProbe()
    {
        gate.Create(FALSE, TRUE);
        entered.Create(FALSE, TRUE);
        left.Create(FALSE, TRUE);
    }
};

DWORD ProbeProc(void* p)
{
    auto* probe = static_cast<ThreadProbe*>(p);
    probe->tid = sfwin::GetCurrentThreadId();
    ++probe->runs;
    probe->entered.Set();
    probe->gate.Wait(INFINITE);
    probe->left.Set();
    return 0;
}

TEST(SoftBaseThread, RunsOnOwnThreadWithReportedIdAndCreatesOnce)
{
    ThreadProbe probe;
    CSFThread t;
    EXPECT_EQ(0, t.IsRunning());
    DWORD id = 0;
    ASSERT_EQ(1, t.Create(0, ProbeProc, &probe, 0, &id));
    EXPECT_EQ(1, t.IsRunning());
    ASSERT_EQ(0, probe.entered.Wait(30000));
    EXPECT_NE(0u, id);
    EXPECT_EQ(probe.tid.load(), id);
    EXPECT_NE(sfwin::GetCurrentThreadId(), id);

    DWORD second = 12345;
    EXPECT_EQ(1, t.Create(0, ProbeProc, &probe, 0, &second));
    EXPECT_EQ(12345u, second) << "no second thread, no id written";
    EXPECT_EQ(kTimeout, t.Wait(0));
    EXPECT_EQ(0, t.Terminate(0));
    EXPECT_EQ(1, t.IsRunning()) << "terminate leaves the record as it is";

    probe.gate.Set();
    ASSERT_EQ(0, probe.left.Wait(30000));
    EXPECT_EQ(1, t.IsRunning()) << "running until someone waits for it";
    EXPECT_EQ(0, t.Wait(INFINITE));
    EXPECT_EQ(0, t.IsRunning());
    EXPECT_EQ(-1, t.Wait(0));
    EXPECT_EQ(1, probe.runs.load());

    // The object can start a new thread once the old one was waited for.
    ThreadProbe again;
    again.gate.Set();
    DWORD id2 = 0;
    ASSERT_EQ(1, t.Create(0, ProbeProc, &again, 0, &id2));
    EXPECT_EQ(0, t.Wait(30000));
    EXPECT_EQ(again.tid.load(), id2);
    EXPECT_EQ(1, again.runs.load());
}

TEST(SoftBaseThread, NeverCreated)
{
    CSFThread t;
    EXPECT_EQ(-1, t.Wait(0));
    EXPECT_EQ(-1, t.Wait(INFINITE));
    EXPECT_EQ(0, t.IsRunning());
    EXPECT_EQ(0, t.Terminate(0));
}

TEST(SoftBaseThread, NullIdPointerIsAllowed)
{
    ThreadProbe probe;
    probe.gate.Set();
    CSFThread t;
    ASSERT_EQ(1, t.Create(0, ProbeProc, &probe, 0, nullptr));
    EXPECT_EQ(0, t.Wait(30000));
    EXPECT_EQ(1, probe.runs.load());
}

TEST(SoftBaseThread, DestructionNeitherStopsNorJoins)
{
    ThreadProbe probe;
    {
        CSFThread t;
        ASSERT_EQ(1, t.Create(0, ProbeProc, &probe, 0, nullptr));
        ASSERT_EQ(0, probe.entered.Wait(30000));
    }  // returns while the procedure is still blocked
    EXPECT_EQ(kTimeout, probe.left.Wait(0));
    probe.gate.Set();
    EXPECT_EQ(0, probe.left.Wait(30000)) << "the procedure still runs to its end";
    std::this_thread::sleep_for(std::chrono::milliseconds(20));  // let the trampoline finish
}

std::atomic<DWORD> g_hookTid{0};
std::atomic<int> g_hookCalls{0};

void RecordingHook()
{
    g_hookTid = sfwin::GetCurrentThreadId();
    ++g_hookCalls;
}

TEST(SoftBaseThread, StartHookRunsFirstOnTheNewThread)
{
    g_hookCalls = 0;
    g_hookTid = 0;
    SetThreadStartHook(RecordingHook);
    ThreadProbe probe;
    probe.gate.Set();
    CSFThread t;
    DWORD id = 0;
    ASSERT_EQ(1, t.Create(0, ProbeProc, &probe, 0, &id));
    EXPECT_EQ(0, t.Wait(30000));
    SetThreadStartHook(nullptr);
    EXPECT_EQ(1, g_hookCalls.load());
    EXPECT_EQ(id, g_hookTid.load());

    ThreadProbe after;
    after.gate.Set();
    ASSERT_EQ(1, t.Create(0, ProbeProc, &after, 0, nullptr));
    EXPECT_EQ(0, t.Wait(30000));
    EXPECT_EQ(1, g_hookCalls.load()) << "a removed hook is not called";
}

// ---------------------------------------------------------------------------------------
// CSFSystem

TEST(SoftBaseSystem, LoadDllAcceptsOnlyTheSoSuffix)
{
    EXPECT_EQ(nullptr, CSFSystem::LoadDll(nullptr));
    EXPECT_EQ(nullptr, CSFSystem::LoadDll(""));
    EXPECT_EQ(nullptr, CSFSystem::LoadDll("/nowhere/libmissing.so"));

    const std::string dir = "/usr/lib/x86_64-linux-gnu/gconv/";
    const std::string lib = dir + "UTF-16.so";
    struct stat st;
    if (::stat(lib.c_str(), &st) != 0)
        GTEST_SKIP() << "no plugin library to load at " << lib;
    // Same file through a name with another suffix or case: refused by name alone.
    {
        testutil::TempDir tmp;  // removes the links, never what they point to
        ASSERT_FALSE(tmp.Path().empty());
        const std::string upper = tmp / "X.SO";
        const std::string dll = tmp / "X.dll";
        ASSERT_EQ(0, ::symlink(lib.c_str(), upper.c_str()));
        ASSERT_EQ(0, ::symlink(lib.c_str(), dll.c_str()));
        EXPECT_EQ(nullptr, CSFSystem::LoadDll(upper.c_str()));
        EXPECT_EQ(nullptr, CSFSystem::LoadDll(dll.c_str()));
    }

    void* h = CSFSystem::LoadDll(lib.c_str());
    ASSERT_NE(nullptr, h);
    EXPECT_NE(nullptr, CSFSystem::GetProcAddress(h, "gconv"));
    EXPECT_EQ(nullptr, CSFSystem::GetProcAddress(h, "no_such_symbol_here"));
    EXPECT_EQ(nullptr, CSFSystem::GetProcAddress(nullptr, "gconv"));

    char buffer[256];
    std::memset(buffer, 'x', sizeof(buffer));
    ASSERT_EQ(1, CSFSystem::GetModuleDir(h, buffer, sizeof(buffer)));
    EXPECT_EQ(dir, std::string(buffer));

    EXPECT_EQ(1, CSFSystem::FreeLibrary(h));
    EXPECT_EQ(0, CSFSystem::FreeLibrary(nullptr));
}

TEST(SoftBaseSystem, ModuleDirOfProgramIsBoundedAndZeroFilled)
{
    const std::string exe = sfwin::GetModuleFileName();
    ASSERT_FALSE(exe.empty());
    const std::string dir = exe.substr(0, exe.rfind('/') + 1);

    std::vector<char> buffer(dir.size() + 40, 'x');
    buffer.push_back('#');  // guard, outside the size given
    ASSERT_EQ(1, CSFSystem::GetModuleDir(nullptr, buffer.data(), buffer.size() - 1));
    EXPECT_EQ(dir, std::string(buffer.data()));
    for (std::size_t i = dir.size(); i + 1 < buffer.size(); ++i)
        ASSERT_EQ('\0', buffer[i]) << "rest zeroed at " << i;
    EXPECT_EQ('#', buffer.back());

    // Exactly one byte short of the folder plus terminator: nothing but an empty text.
    std::vector<char> small(dir.size() + 1, 'x');
    EXPECT_EQ(0, CSFSystem::GetModuleDir(nullptr, small.data(), dir.size()));
    EXPECT_EQ('\0', small[0]);
    EXPECT_EQ('x', small[dir.size()]);
    EXPECT_EQ(0, CSFSystem::GetModuleDir(nullptr, small.data(), 0));
}

TEST(SoftBaseSystem, FormatAndStrCopyNeverOverrun)
{
    char buf[9];
    std::memset(buf, '#', sizeof(buf));
    EXPECT_EQ(5, CSFSystem::Format(buf, 8, "%d-%s", 12, "ab"));
    EXPECT_STREQ("12-ab", buf);
    EXPECT_EQ(-1, CSFSystem::Format(buf, 8, "%s", "0123456789"));
    EXPECT_STREQ("0123456", buf);
    EXPECT_EQ('#', buf[8]);
    EXPECT_EQ(-1, CSFSystem::Format(buf, 0, "%s", "x"));

    std::memset(buf, '#', sizeof(buf));
    EXPECT_EQ(1, CSFSystem::StrCopy(buf, 8, "1234567"));
    EXPECT_STREQ("1234567", buf);
    EXPECT_EQ(0, CSFSystem::StrCopy(buf, 8, "123456789"));
    EXPECT_STREQ("1234567", buf);
    EXPECT_EQ('#', buf[8]);
    EXPECT_EQ(1, CSFSystem::StrCopy(buf, 8, ""));
    EXPECT_STREQ("", buf);
    buf[0] = '#';
    EXPECT_EQ(0, CSFSystem::StrCopy(buf, 0, "abc"));
    EXPECT_EQ('#', buf[0]);
}

TEST(SoftBaseSystem, StringAndMemoryHelpers)
{
    EXPECT_EQ(-1, CSFSystem::StrCompare("a", "b"));
    EXPECT_EQ(0, CSFSystem::StrCompare("abc", "abc"));
    EXPECT_EQ(1, CSFSystem::StrCompare("b", "a"));
    EXPECT_EQ(1, CSFSystem::StrCompare("\xE4", "a")) << "bytes compare unsigned";
    EXPECT_EQ(-1, CSFSystem::StrCompare("ab", "abc"));
    EXPECT_EQ(6u, CSFSystem::StrLength("\xE4\xB8\xAD\xE6\x96\x87"));
    EXPECT_EQ(0u, CSFSystem::StrLength(""));

    char a[4] = {1, 2, 3, 4};
    char b[4];
    CSFSystem::MemSet(b, 0x5A, sizeof(b));
    EXPECT_EQ(0x5A, b[3]);
    CSFSystem::MemCopy(b, a, sizeof(a));
    EXPECT_EQ(0, std::memcmp(a, b, sizeof(a)));
}

TEST(SoftBaseSystem, ShellOpenGoesThroughTheHandler)
{
    std::string seen;
    sfwin::SetShellOpenHandler([&seen](const std::string& t) -> intptr_t {
        seen = t;
        return 42;
    });
    EXPECT_EQ(42, CSFSystem::ShellOpen("/opt/\xE4\xB8\xAD/Operation Manual.pdf"));
    EXPECT_EQ("/opt/\xE4\xB8\xAD/Operation Manual.pdf", seen);
    sfwin::SetShellOpenHandler({});
    EXPECT_EQ(2, CSFSystem::ShellOpen("/nowhere/missing.pdf"));
}

// ---------------------------------------------------------------------------------------
// Date and time (the test main pins TZ=UTC)

void ExpectDate(const SFDateTime& dt, int y, int mo, int d, int h, int mi, int s)
{
    EXPECT_EQ(y, dt.nYear);
    EXPECT_EQ(mo, dt.nMonth);
    EXPECT_EQ(d, dt.nDay);
    EXPECT_EQ(h, dt.nHour);
    EXPECT_EQ(mi, dt.nMinute);
    EXPECT_EQ(s, dt.nSecond);
}

TEST(SoftBaseDateTime, FromSecondsIsUnsignedLocalTime)
{
    SFDateTime dt;
    SFDateTimeFromSeconds(dt, 0);
    ExpectDate(dt, 1970, 1, 1, 0, 0, 0);
    SFDateTimeFromSeconds(dt, 1466000000u);
    ExpectDate(dt, 2016, 6, 15, 14, 13, 20);
    SFDateTimeFromSeconds(dt, 0x80000000u);  // past the signed 32-bit range
    ExpectDate(dt, 2038, 1, 19, 3, 14, 8);

    SFDateTimeClear(dt);
    ExpectDate(dt, 0, 0, 0, 0, 0, 0);
    SFDateTimeSet(dt, 2016, 2, 29, 23, 59, 58);
    ExpectDate(dt, 2016, 2, 29, 23, 59, 58);

    SFDateTimeNow(dt);
    EXPECT_GE(dt.nYear, 2024);
    EXPECT_GE(dt.nMonth, 1);
    EXPECT_LE(dt.nMonth, 12);
}

TEST(SoftBaseDateTime, ToSecondsClampsAt2037AndNeverGoesNegative)
{
    SFDateTime dt;
    SFDateTimeSet(dt, 2037, 1, 1, 0, 0, 0);
    EXPECT_EQ(2114380800u, SFDateTimeToSeconds(dt));
    SFDateTimeSet(dt, 2050, 1, 1, 0, 0, 0);
    EXPECT_EQ(2114380800u, SFDateTimeToSeconds(dt));
    SFDateTimeSet(dt, 1970, 1, 1, 0, 0, 0);
    EXPECT_EQ(0u, SFDateTimeToSeconds(dt));
    SFDateTimeSet(dt, 1969, 12, 31, 23, 59, 59);
    EXPECT_EQ(0u, SFDateTimeToSeconds(dt)) << "negative becomes 0";
    SFDateTimeSet(dt, 2016, 6, 15, 14, 13, 20);
    EXPECT_EQ(1466000000u, SFDateTimeToSeconds(dt));
    SFDateTimeSet(dt, 2016, 13, 1, 0, 0, 0);  // the record form normalises like mktime
    EXPECT_EQ(SFDateTimeToSeconds(2017, 1, 1, 0, 0, 0), SFDateTimeToSeconds(dt));

    // Round trip through the record.
    SFDateTime back;
    SFDateTimeFromSeconds(back, 2000000000u);
    EXPECT_EQ(2000000000u, SFDateTimeToSeconds(back));
}

TEST(SoftBaseDateTime, SixIntFormRejectsOutOfRangeFields)
{
    struct Case
    {
        int y, mo, d, h, mi, s;
        DWORD expected;
    };
    const Case cases[] = {
        {2037, 1, 1, 0, 0, 0, 2114380800u},
        {2050, 1, 1, 0, 0, 0, 2114380800u},
        {3000, 1, 1, 0, 0, 0, 2114380800u},  // year - 1900 == 1100 is still accepted
        {3001, 1, 1, 0, 0, 0, 0},
        {1899, 1, 1, 0, 0, 0, 0},
        {1900, 1, 1, 0, 0, 0, 0},  // accepted, but before 1970: 0
        {2016, 13, 1, 0, 0, 0, 0},
        {2016, 0, 1, 0, 0, 0, 0},
        {2016, 6, -1, 0, 0, 0, 0},
        {2016, 6, 15, -1, 0, 0, 0},
        {2016, 6, 15, 0, -1, 0, 0},
        {2016, 6, 15, 0, 0, -1, 0},
        {2016, 6, 15, 14, 13, 20, 1466000000u},
        {1970, 1, 1, 0, 0, 1, 1u},
        {-2147483647 - 1, 1, 1, 0, 0, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, SFDateTimeToSeconds(c.y, c.mo, c.d, c.h, c.mi, c.s))
            << c.y << "-" << c.mo << "-" << c.d << " " << c.h << ":" << c.mi << ":" << c.s;
}

}  // namespace
