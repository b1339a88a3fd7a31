// The pump a message loop is driven by, and what a pump drives.
#pragma once

#include <boost/weak_ptr.hpp>

namespace VesperonBase {

class CSFMessageControl
{
public:
    // What a pump drives.
    class CDelegate
    {
    public:
        virtual int DoWork() = 0;  // runs one task; non-zero if one ran
        virtual int DoDelayedWork() = 0;
        virtual int DoIdleWork() = 0;  // runs one idle task
        virtual int IsIdle() = 0;      // non-zero when nothing waits

    protected:
        ~CDelegate() = default;
    };

    explicit CSFMessageControl(const boost::weak_ptr<CDelegate>& delegate);
    virtual ~CSFMessageControl();
    CSFMessageControl(const CSFMessageControl&) = delete;
    CSFMessageControl& operator=(const CSFMessageControl&) = delete;

    virtual void Run() = 0;
    virtual void ScheduleWork() = 0;
    virtual void Quit() = 0;
    virtual void ScheduleDelayedWork();

protected:
    boost::weak_ptr<CDelegate> m_pDelegate;
};

}  // namespace VesperonBase
