#include "skin/ext/PlayProgressDate.h"

#include <ctime>

namespace {

bool LocalTime(std::int64_t t, std::tm* out)
{
    if (t < 0)
        return false;
    const std::time_t tt = static_cast<std::time_t>(t);
    return localtime_r(&tt, out) != nullptr;
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
