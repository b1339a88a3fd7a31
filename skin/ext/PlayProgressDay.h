// The day a time-line channel shows, with the filing of its records by local calendar day.
#pragma once

#include "skin/SFSkinStyles.h"
#include "skin/ext/PlayProgressDate.h"
#include "skin/ext/PlayProgressDayFiling.h"

#include <map>

struct PlayProgressDay
{
    int nYear = 1970;
    int nMonth = 1;
    int nDay = 1;
    // Every local day that a record touches at its start or end, with the records filed under
    // it in list order. The filing points into the channel stored in the control's channel
    // map, which callers only read; it is rebuilt whenever that channel is replaced.
    std::map<PlayProgressDate, PlayProgressDayFiling> days;

    PlayProgressDate Date() const { return PlayProgressDate{nYear, nMonth, nDay}; }
    void SetDate(const PlayProgressDate& d)
    {
        nYear = d.nYear;
        nMonth = d.nMonth;
        nDay = d.nDay;
    }
};
