// A small local date-time record and its conversions to and from seconds.
#pragma once

#include "base/compat/sf_wintypes.h"

namespace SF_SOFT_BASE {

// Date and time in local time: year (full), month 1-12, day, hour, minute, second.
struct SFDateTime
{
    int nYear;
    int nMonth;
    int nDay;
    int nHour;
    int nMinute;
    int nSecond;
};

void SFDateTimeClear(SFDateTime& dt);
void SFDateTimeSet(SFDateTime& dt, int year, int month, int day, int hour, int minute, int second);
void SFDateTimeFromSeconds(SFDateTime& dt, DWORD seconds);
void SFDateTimeNow(SFDateTime& dt);
DWORD SFDateTimeToSeconds(const SFDateTime& dt);
DWORD SFDateTimeToSeconds(int year, int month, int day, int hour, int minute, int second);

}  // namespace SF_SOFT_BASE
