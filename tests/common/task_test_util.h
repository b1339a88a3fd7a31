// A task made of functions, for the tests that post tasks to loops and queues.
#pragma once

#include "base/task.h"

#include <boost/make_shared.hpp>

#include <functional>
#include <utility>

namespace testutil {

// Runs run (when set) when the task runs, and onDestroy (when set) when the task dies.
class FnTask : public VesperonBase::CSFTask
{
public:
    explicit FnTask(std::function<void()> run, std::function<void()> onDestroy = {})
        : m_run(std::move(run)),
          m_onDestroy(std::move(onDestroy))
    {}
    ~FnTask() override
    {
        if (m_onDestroy)
            m_onDestroy();
    }
    void Run() override
    {
        if (m_run)
            m_run();
    }

private:
    std::function<void()> m_run;
    std::function<void()> m_onDestroy;
};

inline VesperonBase::CSFTaskPtr MakeTask(std::function<void()> run, std::function<void()> onDestroy = {})
{
    return boost::make_shared<FnTask>(std::move(run), std::move(onDestroy));
}

}  // namespace testutil
