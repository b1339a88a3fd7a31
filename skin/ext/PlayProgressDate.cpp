#include "skin/ext/PlayProgressDate.h"

#include <algorithm>
#include <ctime>

namespace {

bool LocalTime(std::int64_t t, std::tm* out)
{
    if (t < 0)
        return false;
    const std::time_t tt = static_cast<std::time_t>(t);
    return localtime_r(&tt, out) != nullptr;
}

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t y, int m, int d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

}  // namespace

PlayProgressDate PlayProgressDate::FromTime(std::int64_t t)
{
    std::tm tm{};
    PlayProgressDate date;
    if (!LocalTime(t, &tm))
        return date;
    date.nYear = tm.tm_year + 1900;
    date.nMonth = tm.tm_mon + 1;
    date.nDay = tm.tm_mday;
    return date;
}

std::int64_t PlayProgressDate::DayStart() const { return ::DayStart(nYear, nMonth, nDay); }

int SecondsOfDay(std::int64_t t)
{
    std::tm tm{};
    if (!LocalTime(t, &tm))
        return 0;
    return tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec;
}

std::int64_t DayStart(int year, int month, int day)
{
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&tm));
}

std::int64_t SecondsFromDay(std::int64_t t, const PlayProgressDate& day)
{
    const PlayProgressDate date = PlayProgressDate::FromTime(t);
    const std::int64_t days =
        DaysFromCivil(date.nYear, date.nMonth, date.nDay) - DaysFromCivil(day.nYear, day.nMonth, day.nDay);
    return days * 86400 + SecondsOfDay(t);
}

std::int64_t TimeAtSecondsOfDay(const PlayProgressDate& day, std::int64_t seconds)
{
    // Whole days first, so that the seconds handed to the conversion stay small.
    constexpr std::int64_t kFarDays = 10000000;  // far beyond any 32-bit time
    const std::int64_t wholeDays = std::clamp<std::int64_t>(
        seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400), -kFarDays, kFarDays);
    std::tm tm{};
    tm.tm_year = day.nYear - 1900;
    tm.tm_mon = day.nMonth - 1;
    tm.tm_mday = static_cast<int>(day.nDay + wholeDays);
    // The clock's fields given as such: the zone's daylight saving is decided for that hour,
    // not for the midnight the seconds would count from.
    const int ofDay = static_cast<int>(seconds - wholeDays * 86400);
    tm.tm_hour = ofDay / 3600;
    tm.tm_min = ofDay % 3600 / 60;
    tm.tm_sec = ofDay % 60;
    tm.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&tm));
}
