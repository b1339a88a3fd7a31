#pragma once

#include "base/message_control.h"
#include "base/sf_event.h"
#include "base/sf_tool_mutex.h"

#include <atomic>

namespace VesperonBase {

// Worker pump: Run blocks the calling thread, waiting on an event between tasks, until Quit.
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

}  // namespace VesperonBase
