// A Win32-style event: manual or auto reset, waited on with a time-out.
#pragma once

#include "base/compat/sf_wintypes.h"

namespace SF_SOFT_BASE {

struct SFEventRecord;

class CSFEvent
{
public:
    CSFEvent();
    virtual ~CSFEvent();
    CSFEvent(const CSFEvent&) = delete;
    CSFEvent& operator=(const CSFEvent&) = delete;

    int Create(BOOL bInitialState, BOOL bManualReset);
    int Close();
    int Set();
    int Reset();
    // 0 when signalled, 258 on time-out, -1 when never created. INFINITE waits without end.
    int Wait(DWORD dwMilliseconds);

private:
    SFEventRecord* m_pRecord;
};

}  // namespace SF_SOFT_BASE
