#include "base/message_control_default.h"
#include "base/message_control_qt.h"
#include "base/message_loop.h"
#include "base/message_loop_manager.h"
#include "base/msg_qobject.h"
#include "base/thread_ex.h"

#include "base/compat/sf_winapi.h"
#include "tests/common/event_loop_util.h"
#include "tests/common/task_test_util.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <QTimerEvent>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <set>
#include <thread>
#include <utility>
#include <vector>

using namespace VesperonBase;
using namespace testutil;

namespace {

// Records what ran, where, in order; waitable from any thread.
class Recorder
{
public:
    CSFTaskPtr Task(int value)
    {
        return MakeTask([this, value] {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_values.push_back(value);
            m_threads.push_back(sfwin::GetCurrentThreadId());
            m_cond.notify_all();
        });
    }
    bool WaitFor(std::size_t count)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_cond.wait_for(lock, std::chrono::seconds(30), [&] { return m_values.size() >= count; });
    }
    std::vector<int> Values()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_values;
    }
    std::vector<DWORD> Threads()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_threads;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cond;
    std::vector<int> m_values;
    std::vector<DWORD> m_threads;
};

class GuiLoop : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CSFMessageLoopManager::GetInstance()->Clear();
        m_loop = CreateMessageLoop(SF_LOOP_QT);
        ASSERT_TRUE(m_loop);
        CSFMessageLoopManager::GetInstance()->RegisterMessageLoop(m_loop, ML_MAIN);
        m_pump = boost::dynamic_pointer_cast<CSFMessageControl_Qt>(m_loop->GetMessageControl());
        ASSERT_TRUE(m_pump);
    }
    void TearDown() override
    {
        m_pump.reset();
        m_loop.reset();
        CSFMessageLoopManager::GetInstance()->Clear();
        QCoreApplication::processEvents();
    }
    // Delivers exactly one tick of the pump's timer through the application's filters.
    bool Tick()
    {
        QTimerEvent tick(m_pump->GetTimer()->timerId());
        return QCoreApplication::sendEvent(m_pump->GetMsgObject(), &tick);
    }
    bool WaitTimerStopped()
    {
        return PumpUntil([this] { return m_pump->IsTimerActive() == 0; }, 30000);
    }

    CSFMessageLoopPtr m_loop;
    boost::shared_ptr<CSFMessageControl_Qt> m_pump;
    Recorder m_rec;
};

}  // namespace

TEST_F(GuiLoop, EachTickRunsOneTaskNormalBeforeIdleThenTheTimerStops)
{
    EXPECT_EQ(1, m_pump->IsTimerActive());  // running from construction
    m_loop->PostIdleTask(m_rec.Task(10));
    m_loop->PostTask(m_rec.Task(1));
    m_loop->PostTask(m_rec.Task(2));
    m_loop->PostIdleTask(m_rec.Task(11));

    const std::vector<std::vector<int>> expected = {{1}, {1, 2}, {1, 2, 10}, {1, 2, 10, 11}};
    for (const auto& after : expected) {
        EXPECT_TRUE(Tick());  // the filter takes the tick
        EXPECT_EQ(after, m_rec.Values());
        EXPECT_EQ(1, m_pump->IsTimerActive());
    }
    // Another timer's event is not a tick: it would have stopped the timer here.
    QTimerEvent other(m_pump->GetTimer()->timerId() + 1000);
    QCoreApplication::sendEvent(m_pump->GetMsgObject(), &other);
    EXPECT_EQ(1, m_pump->IsTimerActive());

    EXPECT_TRUE(Tick());  // nothing left: this tick stops the timer
    EXPECT_EQ(0, m_pump->IsTimerActive());
    EXPECT_EQ(4u, m_rec.Values().size());
    for (DWORD tid : m_rec.Threads())
        EXPECT_EQ(sfwin::GetCurrentThreadId(), tid);
    EXPECT_EQ(1, m_loop->IsIdle());
}

TEST_F(GuiLoop, StopsWhenIdleAndAPostFromAnotherThreadWakesIt)
{
    ASSERT_TRUE(WaitTimerStopped());

    // Null tasks wake nothing.
    m_loop->PostTask(CSFTaskPtr());
    m_loop->PostIdleTask(CSFTaskPtr());
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(0, m_pump->IsTimerActive());

    // Several threads post; each one's tasks run in its order, all on the GUI thread.
    const int kThreads = 4;
    const int kPerThread = 50;
    std::vector<std::thread> posters;
    for (int t = 0; t < kThreads; ++t) {
        posters.emplace_back([this, t] {
            for (int i = 0; i < kPerThread; ++i)
                m_loop->PostTask(m_rec.Task(t * 1000 + i));
        });
    }
    for (auto& p : posters)
        p.join();
    EXPECT_EQ(0, m_pump->IsTimerActive());  // the timer only restarts on the GUI thread

    ASSERT_TRUE(PumpUntil([this] { return m_rec.Values().size() == kThreads * kPerThread; }, 30000));
    std::vector<int> next(kThreads, 0);
    for (int v : m_rec.Values()) {
        const int t = v / 1000;
        EXPECT_EQ(next[t], v % 1000);
        next[t] = v % 1000 + 1;
    }
    for (DWORD tid : m_rec.Threads())
        ASSERT_EQ(sfwin::GetCurrentThreadId(), tid);
    EXPECT_TRUE(WaitTimerStopped());
}

TEST_F(GuiLoop, QuitStopsTheTimer)
{
    ASSERT_EQ(1, m_pump->IsTimerActive());
    m_loop->QuitAndWait();  // no thread handle: returns at once
    EXPECT_EQ(0, m_pump->IsTimerActive());
}

TEST(LoopManager, LookupByIdAbsentIdsAndReplacement)
{
    auto manager = CSFMessageLoopManager::GetInstance();
    ASSERT_EQ(manager, CSFMessageLoopManager::GetInstance());
    manager->Clear();

    std::vector<CSFMessageLoopPtr> loops;
    const int ids[] = {2, 3, 5, 6, 7};
    for (int id : ids) {
        loops.push_back(CreateMessageLoop(SF_LOOP_DEFAULT));
        manager->RegisterMessageLoop(loops.back(), id);
    }
    for (std::size_t i = 0; i < loops.size(); ++i)
        EXPECT_EQ(loops[i], manager->GetMessageLoop(ids[i])) << ids[i];

    EXPECT_EQ(5u, manager->GetCount());
    EXPECT_FALSE(manager->GetMessageLoop(ML_LOG));
    EXPECT_EQ(6u, manager->GetCount());  // the look-up left an empty entry for 4

    CSFMessageLoopPtr replacement = CreateMessageLoop(SF_LOOP_DEFAULT);
    manager->RegisterMessageLoop(replacement, 3);
    EXPECT_EQ(replacement, manager->GetMessageLoop(3));
    EXPECT_EQ(6u, manager->GetCount());

    manager->Clear();
    EXPECT_EQ(0u, manager->GetCount());
    EXPECT_FALSE(manager->GetMessageLoop(2));
}

TEST(LoopManager, CreateRefusesUnknownTypesAndGuiLoopsOffTheGuiThread)
{
    EXPECT_FALSE(CreateMessageLoop(2));
    EXPECT_FALSE(CreateMessageLoop(-1));
    CSFMessageLoopPtr fromWorker;
    std::thread([&] { fromWorker = CreateMessageLoop(SF_LOOP_QT); }).join();
    EXPECT_FALSE(fromWorker);
    CSFMessageLoopPtr worker = CreateMessageLoop(SF_LOOP_DEFAULT);
    ASSERT_TRUE(worker);
    EXPECT_TRUE(boost::dynamic_pointer_cast<CSFMessageControl_Default>(worker->GetMessageControl()));
}

TEST(WorkerLoop, StartReturnsWithTheThreadIdSetAndTasksRunThere)
{
    const DWORD gui = sfwin::GetCurrentThreadId();
    for (int i = 0; i < 100; ++i) {
        CSFThreadEx_QtPtr thread = CSFThreadEx_Qt::Create(SF_LOOP_DEFAULT, 0);
        ASSERT_EQ(0, thread->Start());
        CSFMessageLoopPtr loop = thread->GetMessageLoop();
        const DWORD id = loop->GetThreadId();  // read at once: no wait in between
        ASSERT_NE(0u, id);
        ASSERT_NE(gui, id);

        Recorder rec;
        loop->PostTask(rec.Task(i));
        ASSERT_TRUE(rec.WaitFor(1));
        ASSERT_EQ(id, rec.Threads()[0]);
        loop->QuitAndWait();
    }
}

TEST(WorkerLoop, TasksFromSeveralThreadsRunInOrderAndTheLoopBlocksWhenIdle)
{
    CSFThreadEx_QtPtr thread = CSFThreadEx_Qt::Create(SF_LOOP_DEFAULT, 0);
    ASSERT_EQ(0, thread->Start());
    CSFMessageLoopPtr loop = thread->GetMessageLoop();
    EXPECT_NE(0, thread->Start());  // a second start is refused, not a hang

    Recorder rec;
    loop->PostIdleTask(rec.Task(-1));
    const int kThreads = 3;
    const int kPerThread = 10;
    std::vector<std::thread> posters;
    for (int t = 0; t < kThreads; ++t) {
        posters.emplace_back([&, t] {
            for (int i = 0; i < kPerThread; ++i)
                loop->PostTask(rec.Task(t * 1000 + i));
        });
    }
    for (auto& p : posters)
        p.join();
    ASSERT_TRUE(rec.WaitFor(kThreads * kPerThread + 1));

    std::vector<int> next(kThreads, 0);
    int idleSeen = 0;
    for (int v : rec.Values()) {
        if (v < 0) {
            ++idleSeen;
            continue;
        }
        EXPECT_EQ(next[v / 1000], v % 1000);
        next[v / 1000] = v % 1000 + 1;
    }
    EXPECT_EQ(1, idleSeen);
    for (DWORD tid : rec.Threads())
        EXPECT_EQ(loop->GetThreadId(), tid);

    // Once drained the thread sleeps on its event; a later post still wakes it.
    EXPECT_EQ(1, loop->IsIdle());
    loop->PostTask(rec.Task(7777));
    ASSERT_TRUE(rec.WaitFor(kThreads * kPerThread + 2));
    EXPECT_EQ(7777, rec.Values().back());

    boost::weak_ptr<CSFThreadEx_Qt> watch(thread);
    thread.reset();
    EXPECT_FALSE(watch.expired());  // the thread keeps its own reference while it runs
    loop->QuitAndWait();
    EXPECT_TRUE(watch.expired());  // and has let it go once QuitAndWait returns
}

TEST(WorkerLoop, FiveWorkersHaveTheirOwnThreadsAndLoops)
{
    std::vector<CSFThreadEx_QtPtr> threads;
    std::set<DWORD> ids;
    std::set<CSFMessageLoop*> loops;
    for (int i = 0; i < 5; ++i) {
        threads.push_back(CSFThreadEx_Qt::Create(SF_LOOP_DEFAULT, 0));
        ASSERT_EQ(0, threads.back()->Start());
        ids.insert(threads.back()->GetMessageLoop()->GetThreadId());
        loops.insert(threads.back()->GetMessageLoop().get());
    }
    EXPECT_EQ(5u, ids.size());
    EXPECT_EQ(5u, loops.size());
    for (auto& t : threads)
        t->GetMessageLoop()->QuitAndWait();
}

TEST(WorkerLoop, QuitAndWaitFromTheLoopsOwnThreadDoesNotWaitForItself)
{
    CSFThreadEx_QtPtr thread = CSFThreadEx_Qt::Create(SF_LOOP_DEFAULT, 0);
    ASSERT_EQ(0, thread->Start());
    CSFMessageLoopPtr loop = thread->GetMessageLoop();
    Recorder rec;
    CSFMessageLoop* raw = loop.get();
    CSFTaskPtr record = rec.Task(1);
    loop->PostTask(MakeTask([raw, record] {
        raw->QuitAndWait();  // would never return if it waited for its own thread
        record->Run();
    }));
    loop->PostTask(rec.Task(2));  // the loop has quit: this one never runs
    ASSERT_TRUE(rec.WaitFor(1));
    loop->QuitAndWait();  // returns once the thread has ended
    EXPECT_EQ(std::vector<int>({1}), rec.Values());
}
