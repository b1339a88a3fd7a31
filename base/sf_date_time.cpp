#include "base/sf_date_time.h"

#include <cstring>
#include <ctime>

namespace SF_SOFT_BASE {

namespace {

void FromTime(SFDateTime& dt, std::time_t t)
{
    std::tm tm;
    if (!::localtime_r(&t, &tm)) {
        SFDateTimeClear(dt);
        return;
    }
    dt.nYear = tm.tm_year + 1900;
    dt.nMonth = tm.tm_mon + 1;
    dt.nDay = tm.tm_mday;
    dt.nHour = tm.tm_hour;
    dt.nMinute = tm.tm_min;
    dt.nSecond = tm.tm_sec;
}

DWORD ToSeconds(int year, int month, int day, int hour, int minute, int second)
{
    std::tm tm;
    std::memset(&tm, 0, sizeof(tm));
    // Computed in 64 bits so a wild year cannot overflow; the year offset is clamped
    // to 137 (2037), the last year a 32-bit count of seconds fully holds.
    long long yearOffset = static_cast<long long>(year) - 1900;
    if (yearOffset > 137)
        yearOffset = 137;
    if (yearOffset < -100000)
        yearOffset = -100000;
    tm.tm_year = static_cast<int>(yearOffset);
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    const std::time_t t = std::mktime(&tm);
    if (t < 0)
        return 0;
    return static_cast<DWORD>(static_cast<unsigned long long>(t) & 0xFFFFFFFFull);
}

}  // namespace

void SFDateTimeClear(SFDateTime& dt)
{
    dt.nYear = dt.nMonth = dt.nDay = dt.nHour = dt.nMinute = dt.nSecond = 0;
}

void SFDateTimeSet(SFDateTime& dt, int year, int month, int day, int hour, int minute, int second)
{
    dt.nYear = year;
    dt.nMonth = month;
    dt.nDay = day;
    dt.nHour = hour;
    dt.nMinute = minute;
    dt.nSecond = second;
}

void SFDateTimeFromSeconds(SFDateTime& dt, DWORD seconds) { FromTime(dt, static_cast<std::time_t>(seconds)); }

void SFDateTimeNow(SFDateTime& dt) { FromTime(dt, std::time(nullptr)); }

DWORD SFDateTimeToSeconds(const SFDateTime& dt)
{
    return ToSeconds(dt.nYear, dt.nMonth, dt.nDay, dt.nHour, dt.nMinute, dt.nSecond);
}

DWORD SFDateTimeToSeconds(int year, int month, int day, int hour, int minute, int second)
{
    // Years 1900..3000 only: for a year below 1900 the unsigned difference is past 1100.
    if (static_cast<unsigned int>(year) - 1900u > 1100u)
        return 0;
    if (month < 1 || month > 12)
        return 0;
    if (day < 0 || hour < 0 || minute < 0 || second < 0)
        return 0;
    return ToSeconds(year, month, day, hour, minute, second);
}

}  // namespace SF_SOFT_BASE
