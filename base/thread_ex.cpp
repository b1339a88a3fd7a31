#include "base/thread_ex.h"

#include "base/compat/sf_winapi.h"

#include <boost/make_shared.hpp>

namespace VesperonBase {

CSFThreadEx_Qt::CSFThreadEx_Qt() = default;

CSFThreadEx_Qt::~CSFThreadEx_Qt() = default;

boost::shared_ptr<CSFThreadEx_Qt> CSFThreadEx_Qt::Create(int loopType, int second)
{
    boost::shared_ptr<CSFThreadEx_Qt> thread(new CSFThreadEx_Qt());
    thread->m_pThreadData = boost::make_shared<CSFThreadData>();
    thread->m_pThreadData->nLoopType = loopType;
    thread->m_pThreadData->nSecond = second;
    thread->m_pMessageLoop = CreateMessageLoop(loopType);
    return thread;
}

int CSFThreadEx_Qt::Start()
{
    if (m_bStarted || !m_pMessageLoop)
        return 1;
    m_bStarted = true;

    SF_SOFT_BASE::CSFEvent& started = m_pThreadData->eventStarted;
    started.Create(TRUE, TRUE);
    started.Reset();
    m_pThreadHandle = boost::make_shared<CThreadHandle>();

    // The thread copies this pointer before it signals; it lives in this frame only.
    boost::shared_ptr<CSFThreadEx_Qt> self = shared_from_this();
    DWORD threadId = 0;
    if (!m_thread.Create(0, &CSFThreadEx_Qt::ThreadEntry, &self, 0, &threadId)) {
        started.Close();
        return 1;
    }
    started.Wait(INFINITE);
    started.Close();
    m_pMessageLoop->SetThreadHandle(m_pThreadHandle);
    return 0;
}

DWORD CSFThreadEx_Qt::ThreadEntry(void* param)
{
    boost::shared_ptr<CThreadHandle> handle;
    {
        // This copy keeps the object alive for the thread's life.
        boost::shared_ptr<CSFThreadEx_Qt> self = *static_cast<boost::shared_ptr<CSFThreadEx_Qt>*>(param);
        handle = self->m_pThreadHandle;
        self->Run();
    }
    // Everything the thread held is gone: let waiters go.
    if (handle)
        handle->MarkEnded();
    return 0;
}

void CSFThreadEx_Qt::Run()
{
    // The id first: Start returns as soon as the event is set.
    m_pMessageLoop->SetThreadId(sfwin::GetCurrentThreadId());
    m_pThreadData->eventStarted.Set();
    m_pMessageLoop->Run();
}

}  // namespace VesperonBase
