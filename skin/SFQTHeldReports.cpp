#include "skin/SFQTHeldReports.h"

#include <utility>

void CSFQTHeldReports::Send(std::function<void()> report)
{
    if (m_nHolds > 0)
        m_pending.push_back(std::move(report));
    else
        report();
}

CSFQTHeldReports::Hold::Hold(CSFQTHeldReports& reports) : m_reports(reports), m_guard(reports.m_control)
{
    ++m_reports.m_nHolds;
}

CSFQTHeldReports::Hold::~Hold()
{
    if (m_guard.IsDeleted() || --m_reports.m_nHolds > 0)
        return;
    while (!m_reports.m_pending.empty()) {
        // Taken off first: the report may delete the control and this queue with it.
        const std::function<void()> report = std::move(m_reports.m_pending.front());
        m_reports.m_pending.pop_front();
        report();
        if (m_guard.IsDeleted())
            return;
    }
}
