#include "skin/ext/PlayProgressDayFiling.h"

#include <algorithm>

void PlayProgressDayFiling::Add(const PlayProgressRecord* record, int from, int to)
{
    m_entries.push_back({record, from, to});
    m_reach.clear();
    m_nextFrom.clear();
}

void PlayProgressDayFiling::Finish()
{
    const std::size_t n = m_entries.size();
    m_reach.resize(n);
    m_nextFrom.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        m_reach[i] = i == 0 ? m_entries[i].nTo : std::max(m_reach[i - 1], m_entries[i].nTo);
    for (std::size_t i = n; i-- > 0;)
        m_nextFrom[i] = i + 1 == n ? m_entries[i].nFrom : std::min(m_nextFrom[i + 1], m_entries[i].nFrom);
}

std::pair<std::size_t, std::size_t> PlayProgressDayFiling::Candidates(int from, int to) const
{
    if (m_reach.size() != m_entries.size())
        return {0, m_entries.size()};
    // Both sequences never decrease: before first every bar ends left of from, from last on
    // every bar starts right of to.
    const auto first =
        static_cast<std::size_t>(std::lower_bound(m_reach.begin(), m_reach.end(), from) - m_reach.begin());
    const auto last = static_cast<std::size_t>(std::upper_bound(m_nextFrom.begin(), m_nextFrom.end(), to) -
                                               m_nextFrom.begin());
    return {first, std::max(first, last)};
}
