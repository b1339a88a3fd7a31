#include "base/task.h"

#include "base/compat/sf_winapi.h"

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <utility>

namespace VesperonBase {

std::atomic<int> g_nTaskTraceSwitch{0};
std::atomic<int> g_nTaskTraceLevel{1};

void SetTaskTraceLevel(int level) { g_nTaskTraceLevel = level; }

namespace {

// U+3010 and U+3011 around the module and action columns.
#define SF_TRACE_OPEN "\xE3\x80\x90"
#define SF_TRACE_CLOSE "\xE3\x80\x91"

const char* OrEmpty(const std::string& s) { return s.c_str(); }

// Whether the trace is on, its level at least minLevel and not below the task's own level.
bool TraceAllows(int minLevel, int taskLevel)
{
    const int level = g_nTaskTraceLevel;
    return g_nTaskTraceSwitch != 0 && level >= minLevel && level >= taskLevel;
}

// Writes the columns every trace line of a task starts with (the task, its module, the
// action) into line, a buffer of size bytes. Returns where the rest of the line goes.
std::size_t TraceLineHead(char* line, std::size_t size, const CTaskBase* task, const char* action)
{
    const int n =
        std::snprintf(line, size,
                      "[TaskInfo--%p]--|" SF_TRACE_OPEN "%-15.15s" SF_TRACE_CLOSE "|" SF_TRACE_OPEN
                      "%-15.15s" SF_TRACE_CLOSE "|             |",
                      static_cast<const void*>(task), CTaskBase::GetModuleName(task->m_nModuleId), action);
    return n < 0 ? 0 : std::min(static_cast<std::size_t>(n), size - 1);
}

}  // namespace

CTaskBase::CTaskBase()
    : m_nLine(0),
      m_nModuleId(0),
      m_nCreateTime(std::chrono::steady_clock::now().time_since_epoch().count()),
      m_nTraceLevel(1)
{}

CTaskBase::~CTaskBase() = default;

const char* CTaskBase::GetModuleName(int moduleId)
{
    switch (moduleId) {
    case ML_MAIN:
        return "ML_MAIN";
    case ML_HELPER:
        return "ML_HELPER";
    case ML_SDK:
        return "ML_SDK";
    case ML_LOG:
        return "ML_LOG";
    default:
        return "UNKNOWN";
    }
}

void CTaskBase::TracePost() const
{
    if (!TraceAllows(1, m_nTraceLevel))
        return;
    char line[256] = {};
    const std::size_t head = TraceLineHead(line, sizeof(line), this, "PostMessage");
    std::snprintf(line + head, sizeof(line) - head, "<%s> called by <%s> at file %s, line %d.\n",
                  OrEmpty(m_strFunction), OrEmpty(m_strCaller), OrEmpty(m_strFile), m_nLine);
    sfwin::OutputDebugStringA(line);
}

CSFTask::~CSFTask()
{
    if (!TraceAllows(2, m_nTraceLevel))
        return;
    char line[512] = {};
    const std::size_t head = TraceLineHead(line, sizeof(line), this, "Destroy");
    std::snprintf(line + head, sizeof(line) - head, "<%s>.\n", OrEmpty(m_strFunction));
    sfwin::OutputDebugStringA(line);
}

void FillTaskTrace(CTaskBase* task, int moduleId, const char* file, int line, const char* function,
                   const char* caller, int level)
{
    if (g_nTaskTraceSwitch == 0 || task == nullptr)
        return;
    task->m_nModuleId = moduleId;
    task->m_strFile = file ? file : "";
    task->m_nLine = line;
    task->m_strFunction = function ? function : "";
    task->m_strCaller = caller ? caller : "";
    task->m_nTraceLevel = level;
    task->TracePost();
}

// ---------------------------------------------------------------------------------------

CSFTaskQueue::~CSFTaskQueue()
{
    SF_SOFT_BASE::CSFToolAutoMutexLock lock(m_mutex);
    std::deque<CSFTaskPtr> incoming;
    std::deque<CSFTaskPtr> working;
    incoming.swap(m_incoming);
    working.swap(m_working);
    // The tasks die here, still under the lock.
}

int CSFTaskQueue::DoWork()
{
    if (m_working.empty()) {
        SF_SOFT_BASE::CSFToolAutoMutexLock lock(m_mutex);
        if (m_incoming.empty())
            return 0;
        m_working.swap(m_incoming);
    }
    CSFTaskPtr task = std::move(m_working.front());
    m_working.pop_front();
    if (task)
        task->Run();
    return 1;  // the task goes with its last reference here
}

void CSFTaskQueue::Push(const CSFTaskPtr& task)
{
    SF_SOFT_BASE::CSFToolAutoMutexLock lock(m_mutex);
    m_incoming.push_back(task);
}

int CSFTaskQueue::IsIncomingEmpty()
{
    SF_SOFT_BASE::CSFToolAutoMutexLock lock(m_mutex);
    return m_incoming.empty() ? 1 : 0;
}

void CSFTaskQueue::Clear()
{
    SF_SOFT_BASE::CSFToolAutoMutexLock lock(m_mutex);
    // Move the tasks out first: a destructor that pushes must not touch a deque that is
    // being emptied.
    std::deque<CSFTaskPtr> incoming;
    std::deque<CSFTaskPtr> working;
    incoming.swap(m_incoming);
    working.swap(m_working);
    incoming.clear();
    working.clear();
}

}  // namespace VesperonBase
