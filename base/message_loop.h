// Message loops. A loop owns a normal and an idle task queue and is driven by its pump:
// the GUI pump (message_control_qt.h) on the application's thread, the worker pump
// (message_control_default.h) on a worker thread. Loops are registered by module id in
// message_loop_manager.h.
#pragma once

#include "base/compat/sf_wintypes.h"
#include "base/message_control.h"
#include "base/task.h"

#include <boost/shared_ptr.hpp>

#include <atomic>
#include <mutex>

namespace VesperonBase {

class CThreadHandle;

class CSFMessageLoop;
typedef boost::shared_ptr<CSFMessageLoop> CSFMessageLoopPtr;

class CSFMessageLoop final : public CSFMessageControl::CDelegate
{
public:
    CSFMessageLoop();
    ~CSFMessageLoop();
    CSFMessageLoop(const CSFMessageLoop&) = delete;
    CSFMessageLoop& operator=(const CSFMessageLoop&) = delete;

    void Run();
    // Quits the pump, then waits for the loop's thread to end when one was handed over
    // (never when called on that thread itself).
    void QuitAndWait();

    int DoWork() override;
    int DoDelayedWork() override;
    int DoIdleWork() override;
    int IsIdle() override;

    // A null task is ignored.
    void PostTask(const CSFTaskPtr& task);
    void PostIdleTask(const CSFTaskPtr& task);

    void SetThreadId(DWORD id);
    DWORD GetThreadId() const;
    void SetThreadHandle(const boost::shared_ptr<CThreadHandle>& handle);
    boost::shared_ptr<CSFMessageControl> GetMessageControl() const;

private:
    friend CSFMessageLoopPtr CreateMessageLoop(int type);

    CSFTaskQueue m_queue;      // normal tasks
    CSFTaskQueue m_idleQueue;  // idle tasks
    boost::shared_ptr<CSFMessageControl> m_pControl;
    std::atomic<DWORD> m_dwThreadId;
    boost::shared_ptr<CThreadHandle> m_pThreadHandle;
    mutable std::mutex m_handleMutex;
};

// Loop types for CreateMessageLoop.
constexpr int SF_LOOP_QT = 0;       // GUI thread
constexpr int SF_LOOP_DEFAULT = 1;  // worker thread

// Creates a loop and its pump: type 0 the GUI pump (GUI thread only, after the
// application object exists), type 1 the worker pump. An empty pointer otherwise.
CSFMessageLoopPtr CreateMessageLoop(int type);

}  // namespace VesperonBase
