#include "base/task.h"

#include "base/compat/sf_winapi.h"
#include "tests/common/task_test_util.h"

#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

using namespace VesperonBase;
using namespace testutil;

TEST(TaskQueue, RunsInPushOrderAndTasksPushedWhileDrainingWaitForTheNextSwap)
{
    CSFTaskQueue queue;
    std::vector<std::string> ran;
    queue.Push(MakeTask([&] { ran.push_back("A"); }));
    queue.Push(MakeTask([&] {
        ran.push_back("B");
        queue.Push(MakeTask([&] { ran.push_back("D"); }));
        queue.Push(MakeTask([&] { ran.push_back("E"); }));
    }));
    queue.Push(MakeTask([&] { ran.push_back("C"); }));
    queue.Push(CSFTaskPtr());  // a null entry is skipped, not dereferenced

    int steps = 0;
    while (queue.DoWork() == 1 && steps < 100)
        ++steps;
    EXPECT_EQ(std::vector<std::string>({"A", "B", "C", "D", "E"}), ran);
    EXPECT_EQ(0, queue.DoWork());
    EXPECT_EQ(1, queue.IsIncomingEmpty());
}

TEST(TaskQueue, TaskIsDestroyedRightAfterItRanAndMayRunTheQueueAgainInside)
{
    // A task that runs the queue itself (as a nested event loop would) must not see
    // itself again.
    CSFTaskQueue queue;
    int runs = 0;
    bool destroyed = false;
    queue.Push(MakeTask(
        [&] {
            ++runs;
            queue.DoWork();
        },
        [&] { destroyed = true; }));
    queue.Push(MakeTask([&] { ++runs; }));
    EXPECT_EQ(1, queue.DoWork());
    EXPECT_EQ(2, runs);
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(0, queue.DoWork());
}

TEST(TaskQueue, ClearAndDestructionSurviveDestructorsThatPushAgain)
{
    int destroyed = 0;
    int reposted = 0;
    {
        CSFTaskQueue queue;
        auto repostingTask = [&] {
            return MakeTask({}, [&] {
                ++destroyed;
                queue.Push(MakeTask([&] { ++reposted; }, [&] { ++destroyed; }));
            });
        };
        queue.Push(repostingTask());
        queue.Push(repostingTask());
        queue.Clear();
        EXPECT_EQ(2, destroyed);
        // What the destructors pushed stays queued and still runs.
        EXPECT_EQ(0, queue.IsIncomingEmpty());
        EXPECT_EQ(1, queue.DoWork());
        EXPECT_EQ(1, queue.DoWork());
        EXPECT_EQ(0, queue.DoWork());
        EXPECT_EQ(2, reposted);
        EXPECT_EQ(4, destroyed);

        // Destroying the queue with such a task in it must not crash either.
        queue.Push(repostingTask());
    }
    EXPECT_EQ(6, destroyed);
}

TEST(TaskQueue, ModuleNames)
{
    const struct
    {
        int id;
        const char* name;
    } cases[] = {{1, "ML_MAIN"}, {2, "ML_HELPER"}, {3, "ML_SDK"},  {4, "ML_LOG"},  {0, "UNKNOWN"},
                 {5, "UNKNOWN"}, {6, "UNKNOWN"},   {7, "UNKNOWN"}, {-1, "UNKNOWN"}};
    for (const auto& c : cases)
        EXPECT_STREQ(c.name, CTaskBase::GetModuleName(c.id)) << c.id;
}

class TaskTrace : public ::testing::Test
{
protected:
    void SetUp() override
    {
        sfwin::SetDebugOutputSink([this](const char* text) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_lines.push_back(text);
        });
    }
    void TearDown() override
    {
        sfwin::SetDebugOutputSink({});
        g_nTaskTraceSwitch = 0;
        SetTaskTraceLevel(1);
    }
    std::vector<std::string> Lines()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_lines;
    }
    // Posts (traces) and destroys one task.
    void PostAndDestroy(int taskLevel, const char* function = "OnSearch")
    {
        CSFTaskPtr task = MakeTask({});
        FillTaskTrace(task.get(), ML_HELPER, "mainpage.cpp", 42, function, "Caller", taskLevel);
    }

    std::mutex m_mutex;
    std::vector<std::string> m_lines;
};

TEST_F(TaskTrace, SwitchedOffPrintsNothing)
{
    SetTaskTraceLevel(5);
    PostAndDestroy(1);
    EXPECT_TRUE(Lines().empty());
}

TEST_F(TaskTrace, PostAndDestroyLinesFollowTheLevels)
{
    g_nTaskTraceSwitch = 1;

    PostAndDestroy(1);  // global level 1: the post line only
    std::vector<std::string> lines = Lines();
    ASSERT_EQ(1u, lines.size());
    const std::string& post = lines[0];
    EXPECT_EQ(0u, post.find("[TaskInfo--0x")) << post;
    EXPECT_NE(std::string::npos,
              post.find("]--|\xE3\x80\x90ML_HELPER      \xE3\x80\x91|\xE3\x80\x90PostMessage    "
                        "\xE3\x80\x91|             |<OnSearch> called by <Caller> at file "
                        "mainpage.cpp, line 42.\n"))
        << post;

    SetTaskTraceLevel(2);
    PostAndDestroy(2);
    lines = Lines();
    ASSERT_EQ(3u, lines.size());
    EXPECT_NE(std::string::npos, lines[2].find("]--|\xE3\x80\x90ML_HELPER      \xE3\x80\x91|\xE3\x80\x90"
                                               "Destroy        \xE3\x80\x91|             |<OnSearch>.\n"))
        << lines[2];

    PostAndDestroy(3);  // the task's own level is above the global one
    EXPECT_EQ(3u, Lines().size());
}

TEST_F(TaskTrace, LongLinesAreCutToTheirBuffers)
{
    g_nTaskTraceSwitch = 1;
    SetTaskTraceLevel(2);
    const std::string longName(1000, 'f');
    PostAndDestroy(1, longName.c_str());
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ(255u, lines[0].size());
    EXPECT_EQ(511u, lines[1].size());
}
