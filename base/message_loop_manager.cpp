#include "base/message_loop_manager.h"

#include <boost/make_shared.hpp>

namespace VesperonBase {

boost::shared_ptr<CSFMessageLoopManager> CSFMessageLoopManager::GetInstance()
{
    static boost::shared_ptr<CSFMessageLoopManager> instance = boost::make_shared<CSFMessageLoopManager>();
    return instance;
}

void CSFMessageLoopManager::RegisterMessageLoop(const CSFMessageLoopPtr& loop, int id)
{
    SF_SOFT_BASE::CSFToolAutoMutexLock lock(m_mutex);
    m_loops.erase(id);
    m_loops[id] = loop;
}

CSFMessageLoopPtr CSFMessageLoopManager::GetMessageLoop(int id)
{
    SF_SOFT_BASE::CSFToolAutoMutexLock lock(m_mutex);
    return m_loops[id];
}

void CSFMessageLoopManager::Clear()
{
    std::map<int, CSFMessageLoopPtr> loops;
    {
        SF_SOFT_BASE::CSFToolAutoMutexLock lock(m_mutex);
        loops.swap(m_loops);
    }
    // The loops go here, outside the lock: a pump's teardown may look the manager up.
}

std::size_t CSFMessageLoopManager::GetCount()
{
    SF_SOFT_BASE::CSFToolAutoMutexLock lock(m_mutex);
    return m_loops.size();
}

}  // namespace VesperonBase
