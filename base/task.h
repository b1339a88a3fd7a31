// Tasks posted to message loops, the queue that holds them and the optional task trace.
#pragma once

#include "base/sf_tool_mutex.h"

#include <boost/shared_ptr.hpp>

#include <atomic>
#include <cstdint>
#include <deque>
#include <string>

namespace VesperonBase {

// Module ids of the loops registered with the loop manager.
constexpr int ML_MAIN = 1;  // the GUI thread
constexpr int ML_HELPER = 2;
constexpr int ML_SDK = 3;
constexpr int ML_LOG = 4;

// Task trace: off unless switched on; lines are written on posting (level >= 1) and on
// destruction (level > 1), in both cases only for tasks whose own level is not above it.
extern std::atomic<int> g_nTaskTraceSwitch;
extern std::atomic<int> g_nTaskTraceLevel;
void SetTaskTraceLevel(int level);

class CTaskBase
{
public:
    CTaskBase();
    virtual ~CTaskBase();
    CTaskBase(const CTaskBase&) = delete;
    CTaskBase& operator=(const CTaskBase&) = delete;

    // "ML_MAIN", "ML_HELPER", "ML_SDK", "ML_LOG" for 1-4, "UNKNOWN" otherwise.
    static const char* GetModuleName(int moduleId);

    // Writes the posting line when the trace is on and the levels allow it.
    void TracePost() const;

    std::string m_strFile;
    int m_nLine;
    std::string m_strFunction;
    std::string m_strCaller;
    int m_nModuleId;
    std::int64_t m_nCreateTime;  // steady-clock ticks at construction
    int m_nTraceLevel;
};

class CSFTask : public CTaskBase
{
public:
    CSFTask() = default;
    ~CSFTask() override;  // writes the destruction line when the trace allows it
    virtual void Run() = 0;
};

typedef boost::shared_ptr<CSFTask> CSFTaskPtr;

// Records where a task was posted from and traces the post; does nothing while the trace
// switch is off.
void FillTaskTrace(CTaskBase* task, int moduleId, const char* file, int line, const char* function,
                   const char* caller, int level);

// Incoming tasks are pushed from any thread; the loop's thread swaps them into a working
// list and runs them one by one outside the lock, so a running task may push more (they
// wait for the next swap). The lock is re-entrant: tasks are destroyed under it and a
// task's destructor may push again.
class CSFTaskQueue final
{
public:
    CSFTaskQueue() = default;
    ~CSFTaskQueue();
    CSFTaskQueue(const CSFTaskQueue&) = delete;
    CSFTaskQueue& operator=(const CSFTaskQueue&) = delete;

    // Runs one task; 1 when one ran, 0 when none was waiting. Loop thread only.
    virtual int DoWork();
    void Push(const CSFTaskPtr& task);
    int IsIncomingEmpty();
    // Drops every waiting task. Tasks that destructors push meanwhile stay queued.
    // Call it on the loop's thread (or while no thread runs the queue).
    void Clear();

private:
    std::deque<CSFTaskPtr> m_incoming;
    std::deque<CSFTaskPtr> m_working;
    SF_SOFT_BASE::CSFToolMutex m_mutex;
};

}  // namespace VesperonBase
