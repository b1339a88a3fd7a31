// Test data shared by the time-line's model and widget tests: UTC times and channels.
#pragma once

#include "skin/ext/ImagePlayProgressLayout.h"
#include "skin/ext/PlayProgressData.h"
#include "skin/ext/SFSkinRecordsExt.h"

#include <cstdlib>
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

// The process's zone for one test, as a POSIX TZ string (no zone files needed); the zone
// before it comes back at the end.
class ZoneScope
{
public:
    explicit ZoneScope(const char* tz)
    {
        const char* old = std::getenv("TZ");
        m_hadOld = old != nullptr;
        if (old)
            m_old = old;
        setenv("TZ", tz, 1);
        tzset();
    }
    ~ZoneScope()
    {
        if (m_hadOld)
            setenv("TZ", m_old.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ZoneScope(const ZoneScope&) = delete;
    ZoneScope& operator=(const ZoneScope&) = delete;

private:
    bool m_hadOld = false;
    std::string m_old;
};

// The control laid out at 900 x 142: time area x 100..879 (780 px), y 20..119; label column
// x 0..99; day buttons at the top corners; zoomer and zoom buttons below.
inline ImagePlayProgressLayout PanelLayout()
{
    ImagePlayProgressLayout l = TimelineZoomerLayoutRecord();
    l[0] = L"100,20,780,100";
    l[1] = L"0,20,100,100";
    l[2] = L"2,2,16,16";
    l[3] = L"880,2,16,16";
    l[4] = L"0,0,900,142";
    l[5] = L"0,0,900,142";
    l[13] = L"640,143,150,16";
    l[26] = L"882,40,16,16";
    l[27] = L"882,80,16,16";
    l[28] = L"800,143,16,16";
    l[29] = L"820,143,16,16";
    return l;
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
