#include "base/crash_handler.h"

#include "base/compat/sf_winapi.h"
#include "base/sf_thread.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <string>

#include <execinfo.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/syscall.h>
#include <ucontext.h>
#include <unistd.h>

namespace VesperonBase {

namespace {

// Everything the handler reads is prepared here beforehand: it may only make
// async-signal-safe calls (no allocation, no stdio, no Qt).
constexpr std::size_t kPathSize = PATH_MAX + 8;
char g_programDumpPath[kPathSize];
char g_overrideDumpPath[kPathSize];
volatile sig_atomic_t g_useOverride = 0;
std::atomic<int> g_entries{0};
std::atomic<SF_CRASH_WRITER_HOOK> g_writerHook{nullptr};

const int kSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};

// ---- async-signal-safe output ---------------------------------------------------------

void Put(int fd, const char* text, std::size_t length)
{
    while (length > 0) {
        const ssize_t n = ::write(fd, text, length);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        text += n;
        length -= static_cast<std::size_t>(n);
    }
}

void Put(int fd, const char* text) { Put(fd, text, std::strlen(text)); }

void PutDec(int fd, long long value)
{
    char buf[24];
    char* p = buf + sizeof(buf);
    const bool negative = value < 0;
    unsigned long long v =
        negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    do {
        *--p = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (negative)
        *--p = '-';
    Put(fd, p, static_cast<std::size_t>(buf + sizeof(buf) - p));
}

void PutHex(int fd, unsigned long long value)
{
    char buf[2 + 16];
    buf[0] = '0';
    buf[1] = 'x';
    for (int i = 0; i < 16; ++i)
        buf[2 + i] = "0123456789abcdef"[(value >> (60 - 4 * i)) & 0xF];
    Put(fd, buf, sizeof(buf));
}

const char* SignalName(int sig)
{
    switch (sig) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGILL:
        return "SIGILL";
    case SIGFPE:
        return "SIGFPE";
    case SIGABRT:
        return "SIGABRT";
    default:
        return "?";
    }
}

void PutRegisters(int fd, const void* context)
{
    if (context == nullptr)
        return;
    const ucontext_t* uc = static_cast<const ucontext_t*>(context);
    Put(fd, "\n[registers]\n");
#if defined(__x86_64__)
    static const struct
    {
        const char* name;
        int index;
    } regs[] = {{"rip", REG_RIP}, {"rsp", REG_RSP},    {"rbp", REG_RBP}, {"rax", REG_RAX},
                {"rbx", REG_RBX}, {"rcx", REG_RCX},    {"rdx", REG_RDX}, {"rsi", REG_RSI},
                {"rdi", REG_RDI}, {"r8", REG_R8},      {"r9", REG_R9},   {"r10", REG_R10},
                {"r11", REG_R11}, {"r12", REG_R12},    {"r13", REG_R13}, {"r14", REG_R14},
                {"r15", REG_R15}, {"eflags", REG_EFL}, {"err", REG_ERR}, {"trapno", REG_TRAPNO}};
    for (const auto& r : regs) {
        Put(fd, r.name);
        Put(fd, " ");
        PutHex(fd, static_cast<unsigned long long>(uc->uc_mcontext.gregs[r.index]));
        Put(fd, "\n");
    }
#elif defined(__aarch64__)
    for (int i = 0; i < 31; ++i) {
        Put(fd, "x");
        PutDec(fd, i);
        Put(fd, " ");
        PutHex(fd, uc->uc_mcontext.regs[i]);
        Put(fd, "\n");
    }
    Put(fd, "sp ");
    PutHex(fd, uc->uc_mcontext.sp);
    Put(fd, "\npc ");
    PutHex(fd, uc->uc_mcontext.pc);
    Put(fd, "\n");
#else
    (void)uc;
    Put(fd, "(not recorded on this processor)\n");
#endif
}

void CopyFile(int fd, const char* path)
{
    const int in = ::open(path, O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return;
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(in, buf, sizeof(buf));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        Put(fd, buf, static_cast<std::size_t>(n));
    }
    ::close(in);
}

const char* DumpPath() { return g_useOverride ? g_overrideDumpPath : g_programDumpPath; }

void WriteCrashDump(int sig, const siginfo_t* info, const void* context)
{
    const char* path = DumpPath();
    if (path[0] == '\0')
        return;
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    if (SF_CRASH_WRITER_HOOK hook = g_writerHook.load())
        hook();

    Put(fd, "Crash report\n\n[fault]\nsignal ");
    PutDec(fd, sig);
    Put(fd, " ");
    Put(fd, SignalName(sig));
    Put(fd, "\ncode ");
    PutDec(fd, info ? info->si_code : 0);
    Put(fd, "\naddress ");
    PutHex(fd, info ? reinterpret_cast<unsigned long long>(info->si_addr) : 0ULL);
    Put(fd, "\nprocess ");
    PutDec(fd, static_cast<long long>(::getpid()));
    Put(fd, "\nthread ");
    PutDec(fd, static_cast<long long>(::syscall(SYS_gettid)));
    Put(fd, "\n");

    PutRegisters(fd, context);

    Put(fd, "\n[backtrace]\n");
    void* frames[64];
    const int count = ::backtrace(frames, 64);
    for (int i = 0; i < count; ++i) {
        PutHex(fd, reinterpret_cast<unsigned long long>(frames[i]));
        Put(fd, "\n");
    }
    Put(fd, "\n[symbols]\n");
    ::backtrace_symbols_fd(frames, count, fd);

    Put(fd, "\n[maps]\n");
    CopyFile(fd, "/proc/self/maps");
    Put(fd, "\n[end]\n");
    ::close(fd);
}

void CrashSignalHandler(int sig, siginfo_t* info, void* context)
{
    // A second entry (a fault while the first is handled, on any thread) ends at once.
    if (g_entries.fetch_add(1) != 0)
        ::_exit(SF_CRASH_EXIT_CODE_NESTED);
    WriteCrashDump(sig, info, context);
    ::_exit(SF_CRASH_EXIT_CODE);
}

// The alternate stack of one thread, released when the thread ends.
struct AltStack
{
    void* memory = nullptr;
    std::size_t size = 0;

    ~AltStack()
    {
        if (memory == nullptr)
            return;
        stack_t current;
        if (::sigaltstack(nullptr, &current) == 0 && current.ss_sp == memory) {
            stack_t off;
            std::memset(&off, 0, sizeof(off));
            off.ss_flags = SS_DISABLE;
            ::sigaltstack(&off, nullptr);
        }
        ::munmap(memory, size);
    }
};

thread_local AltStack t_altStack;

void CopyPath(char* dst, const char* src)
{
    dst[0] = '\0';
    if (src == nullptr)
        return;
    const std::size_t length = std::strlen(src);
    if (length >= kPathSize)
        return;
    std::memcpy(dst, src, length + 1);
}

}  // namespace

void InstallCrashSignalStack()
{
    if (t_altStack.memory != nullptr)
        return;
    stack_t current;
    if (::sigaltstack(nullptr, &current) == 0 && !(current.ss_flags & SS_DISABLE))
        return;  // the thread has one already
    const long minimum = ::sysconf(_SC_SIGSTKSZ);
    const std::size_t size = static_cast<std::size_t>(minimum > 0 ? minimum : 0) + 64 * 1024;
    void* memory = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return;
    stack_t stack;
    std::memset(&stack, 0, sizeof(stack));
    stack.ss_sp = memory;
    stack.ss_size = size;
    if (::sigaltstack(&stack, nullptr) != 0) {
        ::munmap(memory, size);
        return;
    }
    t_altStack.memory = memory;
    t_altStack.size = size;
}

int InstallCrashHandler(int bTopLevel)
{
    if (!bTopLevel)
        return 0;

    // The report's name: the program's full path followed by ".dmp".
    const std::string program = sfwin::GetModuleFileName();
    const std::string dump = program.empty() ? std::string() : program + ".dmp";
    CopyPath(g_programDumpPath, dump != program ? dump.c_str() : nullptr);

    // backtrace loads its unwinder on first use, which allocates: do that now.
    void* frames[4];
    ::backtrace(frames, 4);

    InstallCrashSignalStack();
    SF_SOFT_BASE::SetThreadStartHook(&InstallCrashSignalStack);

    struct sigaction action;
    std::memset(&action, 0, sizeof(action));
    action.sa_sigaction = &CrashSignalHandler;
    // SA_NODEFER: a fault inside the handler enters it again and ends with the nested code.
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    for (int sig : kSignals)
        ::sigaction(sig, &action, nullptr);
    return 0;
}

void SetCrashDumpPath(const char* path)
{
    // A path that does not fit leaves the override empty: no report rather than one
    // written elsewhere.
    g_useOverride = 0;
    CopyPath(g_overrideDumpPath, path);
    g_useOverride = (path != nullptr && path[0] != '\0') ? 1 : 0;
}

const char* GetCrashDumpPath() { return DumpPath(); }

void SetCrashWriterHook(SF_CRASH_WRITER_HOOK hook) { g_writerHook.store(hook); }

}  // namespace VesperonBase
