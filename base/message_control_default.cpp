#include "base/message_control_default.h"

#include "base/compat/sf_winapi.h"

namespace VesperonBase {

CSFMessageControl_Default::CSFMessageControl_Default(const boost::weak_ptr<CDelegate>& delegate)
    : CSFMessageControl(delegate),
      m_bRunning(1)
{
    m_event.Create(TRUE, TRUE);
}

CSFMessageControl_Default::~CSFMessageControl_Default() { m_event.Close(); }

void CSFMessageControl_Default::Run()
{
    if (m_pDelegate.expired())
        return;
    while (m_bRunning) {
        {
            boost::shared_ptr<CDelegate> delegate = m_pDelegate.lock();
            if (!delegate)
                return;
            if (delegate->DoWork()) {
                sfwin::Sleep(5);
                continue;
            }
            if (delegate->DoIdleWork()) {
                sfwin::Sleep(5);
                continue;
            }
            // Reset only while nothing waits, under the same lock ScheduleWork sets it
            // under: a post after the test leaves the event set and the wait falls through.
            SF_SOFT_BASE::CSFToolAutoMutexLock lock(m_mutex);
            if (delegate->IsIdle())
                m_event.Reset();
        }
        m_event.Wait(INFINITE);
    }
}

void CSFMessageControl_Default::ScheduleWork()
{
    SF_SOFT_BASE::CSFToolAutoMutexLock lock(m_mutex);
    m_event.Set();
}

void CSFMessageControl_Default::Quit()
{
    m_bRunning = 0;
    SF_SOFT_BASE::CSFToolAutoMutexLock lock(m_mutex);
    m_event.Set();
}

void CSFMessageControl_Default::ScheduleDelayedWork() { ScheduleWork(); }

}  // namespace VesperonBase
