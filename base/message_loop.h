// Message loops, their pumps and the process-wide registry of loops by module id.
//
// A loop owns a normal and an idle task queue. Its pump drives it: on the GUI thread a
// zero-interval Qt timer runs one task per tick and stops when nothing waits (a posted
// wake-up event restarts it); on a worker thread the pump blocks on an event between
// tasks.
#pragma once

#include "base/task.h"

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>

class QTimer;

namespace VesperonBase {

// Event type that wakes the GUI pump, reserved with Qt when the first GUI pump is made.
constexpr int SF_MSG_WAKEUP_EVENT = 9393;

class CSFMessageControl
{
public:
    // What a pump drives.
    class CDelegate
    {
    public:
        virtual int DoWork() = 0;  // runs one task; non-zero if one ran
        virtual int DoDelayedWork() = 0;
        virtual int DoIdleWork() = 0;  // runs one idle task
        virtual int IsIdle() = 0;      // non-zero when nothing waits

    protected:
        ~CDelegate() = default;
    };

    explicit CSFMessageControl(const boost::weak_ptr<CDelegate>& delegate);
    virtual ~CSFMessageControl();
    CSFMessageControl(const CSFMessageControl&) = delete;
    CSFMessageControl& operator=(const CSFMessageControl&) = delete;

    virtual void Run() = 0;
    virtual void ScheduleWork() = 0;
    virtual void Quit() = 0;
    virtual void ScheduleDelayedWork();

protected:
    boost::weak_ptr<CDelegate> m_pDelegate;
};

// Worker pump: Run blocks the calling thread until Quit.
class CSFMessageControl_Default : public CSFMessageControl
{
public:
    explicit CSFMessageControl_Default(const boost::weak_ptr<CDelegate>& delegate);
    ~CSFMessageControl_Default() override;

    void Run() override;
    void ScheduleWork() override;
    void Quit() override;
    void ScheduleDelayedWork() override;

private:
    std::atomic<int> m_bRunning;
    SF_SOFT_BASE::CSFEvent m_event;
    SF_SOFT_BASE::CSFToolMutex m_mutex;
};

// Lives on the GUI thread: owns the pump's zero-interval timer, filters the application's
// events to catch its ticks and restarts the timer on a wake-up event.
class MsgQObject : public QObject
{
public:
    MsgQObject();
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    QTimer* GetTimer() const { return m_pTimer; }

private:
    QTimer* m_pTimer;  // child of this object
};

// GUI pump. Create it on the application's thread once the application object exists.
// Each tick of its timer runs one pass of loop 1's pump (the loop registered as ML_MAIN).
class CSFMessageControl_Qt : public CSFMessageControl
{
public:
    explicit CSFMessageControl_Qt(const boost::weak_ptr<CDelegate>& delegate);
    ~CSFMessageControl_Qt() override;

    // One pass: one normal task, else one idle task, else stop the timer.
    void Run() override;
    void ScheduleWork() override;  // any thread: posts the wake-up event
    void Quit() override;
    void ScheduleDelayedWork() override;

    int IsTimerActive() const;
    QTimer* GetTimer() const;
    MsgQObject* GetMsgObject() const { return m_pMsgObject; }

private:
    MsgQObject* m_pMsgObject;
};

// The ended state of a worker thread, shared by the thread and whoever waits for it.
class CThreadHandle
{
public:
    void MarkEnded();
    // 0 once the thread has ended, 258 on time-out.
    int Wait(DWORD dwMilliseconds);

private:
    std::mutex m_mutex;
    std::condition_variable m_cond;
    bool m_bEnded = false;
};

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

class CSFMessageLoopManager
{
public:
    static boost::shared_ptr<CSFMessageLoopManager> GetInstance();

    // Replaces any loop registered under the id.
    void RegisterMessageLoop(const CSFMessageLoopPtr& loop, int id);
    // The loop of the id; an unknown id gets an empty entry and yields an empty pointer.
    CSFMessageLoopPtr GetMessageLoop(int id);
    // Drops every entry. Loops are not quit (worker threads keep theirs); main calls it
    // once the Qt event loop has ended so that loop 1 goes before the application object.
    void Clear();
    // Number of entries, empty ones included.
    std::size_t GetCount();

    CSFMessageLoopManager() = default;
    CSFMessageLoopManager(const CSFMessageLoopManager&) = delete;
    CSFMessageLoopManager& operator=(const CSFMessageLoopManager&) = delete;

private:
    std::map<int, CSFMessageLoopPtr> m_loops;
    SF_SOFT_BASE::CSFToolMutex m_mutex;
};

}  // namespace VesperonBase
