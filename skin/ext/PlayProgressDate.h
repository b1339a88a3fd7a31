// A calendar day of the time-line in local time, and the local-time conversions the time-line
// makes. Times are seconds since 1970-01-01 00:00 UTC, widened to 64 bits before any
// arithmetic.
#pragma once

#include <cstdint>

struct PlayProgressDate
{
    int nYear = 1970;
    int nMonth = 1;  // 1..12
    int nDay = 1;    // 1..31

    // The local date of t. A time before 1970 or one that cannot be converted gives
    // 1970-01-01 (the C library converts negative times; they are refused here on purpose).
    static PlayProgressDate FromTime(std::int64_t t);

    // Local midnight of the date, as seconds since 1970 (daylight saving decided by the zone).
    std::int64_t DayStart() const;

    bool operator==(const PlayProgressDate& o) const
    {
        return nYear == o.nYear && nMonth == o.nMonth && nDay == o.nDay;
    }
    bool operator!=(const PlayProgressDate& o) const { return !(*this == o); }
    // Calendar order: year, then month, then day.
    bool operator<(const PlayProgressDate& o) const
    {
        if (nYear != o.nYear)
            return nYear < o.nYear;
        if (nMonth != o.nMonth)
            return nMonth < o.nMonth;
        return nDay < o.nDay;
    }
};

// hour x 3600 + minute x 60 + second of t in local time; 0 when t is before 1970 or cannot be
// converted.
int SecondsOfDay(std::int64_t t);

// Local midnight of the date {year, month, day}.
std::int64_t DayStart(int year, int month, int day);

// The time-line's one rule between times and a day's clock, used both ways so that a bar, a
// cursor and a press agree also on a day with a daylight-saving change (which the ruler lays
// out 86400 s wide like any other): whole local days from the date to the local date of t,
// times 86400, plus t's local time of day. A time before 1970 counts as 1970-01-01 00:00.
std::int64_t SecondsFromDay(std::int64_t t, const PlayProgressDate& day);
// The inverse: the time whose local date and time of day are the date and the given seconds
// of its clock (beyond 86400 on the following days). An hour that the clock skips is read as
// the zone's conversion decides.
std::int64_t TimeAtSecondsOfDay(const PlayProgressDate& day, std::int64_t seconds);
