// Test data shared by the time-line's model and widget tests: UTC times and channels.
#pragma once

#include "skin/ext/PlayProgressData.h"

#include <ctime>
#include <string>
#include <utility>
#include <vector>

namespace playprogress {

// Seconds since 1970 of a UTC date and time.
inline int Utc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    std::tm tm{};
    tm.tm_year = y - 1900;
    tm.tm_mon = mo - 1;
    tm.tm_mday = d;
    tm.tm_hour = h;
    tm.tm_min = mi;
    tm.tm_sec = s;
    return static_cast<int>(timegm(&tm));
}

// A channel with its records, named namePrefix followed by its id.
inline PlayProgressChannel Channel(int id, std::vector<PlayProgressRecord> records,
                                   const std::wstring& namePrefix = L"Camera ")
{
    PlayProgressChannel c;
    c.nChannelId = id;
    c.strName = namePrefix + std::to_wstring(id);
    c.records = std::move(records);
    return c;
}

}  // namespace playprogress
