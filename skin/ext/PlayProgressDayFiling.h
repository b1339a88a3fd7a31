// The records of one channel filed under one local day, in list order, with where each one's
// bar runs on that day's clock. Worked out once when the channel is stored (the channel the
// control hands out is read-only), so that painting, zooming and scrolling make no local-time
// conversion, and indexed so that a paint visits only the records that can meet its view.
#pragma once

#include "skin/SFSkinStyles.h"

#include <cstddef>
#include <utility>
#include <vector>

class PlayProgressDayFiling
{
public:
    struct Entry
    {
        const PlayProgressRecord* pRecord;  // into the stored channel
        int nFrom;                          // seconds of day where the bar starts (0: an earlier day)
        int nTo;                            // seconds of day where it ends (86400: a later day)
    };

    void Add(const PlayProgressRecord* record, int from, int to);
    // Builds the index of Candidates once every record is added.
    void Finish();
    const std::vector<Entry>& Entries() const { return m_entries; }
    std::size_t size() const { return m_entries.size(); }

    // [first, last) of the entries outside of which no bar reaches into the seconds
    // [from, to] of the day; the entries inside still need their own test. Every entry
    // before Finish.
    std::pair<std::size_t, std::size_t> Candidates(int from, int to) const;

private:
    std::vector<Entry> m_entries;
    std::vector<int> m_reach;     // largest nTo of the entries up to each one
    std::vector<int> m_nextFrom;  // smallest nFrom of the entries from each one to the end
};
