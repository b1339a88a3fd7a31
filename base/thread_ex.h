// A worker thread that runs its own message loop.
#pragma once

#include "base/message_loop.h"
#include "base/sf_event.h"
#include "base/sf_thread.h"
#include "base/thread_handle.h"

#include <boost/enable_shared_from_this.hpp>
#include <boost/shared_ptr.hpp>

namespace VesperonBase {

class CSFThreadEx
{
public:
    class CDelegate
    {
    public:
        virtual void Run() = 0;  // the thread body
        virtual ~CDelegate() = default;
    };
};

class CSFThreadEx_Qt : public CSFThreadEx::CDelegate, public boost::enable_shared_from_this<CSFThreadEx_Qt>
{
public:
    struct CSFThreadData
    {
        SF_SOFT_BASE::CSFEvent eventStarted;
        int nLoopType = SF_LOOP_DEFAULT;
        int nSecond = 0;
    };

    // A new worker whose loop is of the given type (1: the worker pump).
    static boost::shared_ptr<CSFThreadEx_Qt> Create(int loopType, int second);

    // Starts the thread and returns once it runs and its loop knows the thread's id.
    // 0 on success; non-zero when the thread could not be started (or was already).
    int Start();
    void Run() override;
    CSFMessageLoopPtr GetMessageLoop() const { return m_pMessageLoop; }

    CSFThreadEx_Qt();
    ~CSFThreadEx_Qt() override;

private:
    static DWORD ThreadEntry(void* param);

    boost::shared_ptr<CThreadHandle> m_pThreadHandle;
    boost::shared_ptr<CSFThreadData> m_pThreadData;
    CSFMessageLoopPtr m_pMessageLoop;
    SF_SOFT_BASE::CSFThread m_thread;
    bool m_bStarted = false;
};

typedef boost::shared_ptr<CSFThreadEx_Qt> CSFThreadEx_QtPtr;

}  // namespace VesperonBase
