// The process-wide registry of message loops by module id.
#pragma once

#include "base/message_loop.h"
#include "base/sf_tool_mutex.h"

#include <boost/shared_ptr.hpp>

#include <cstddef>
#include <map>

namespace VesperonBase {

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
