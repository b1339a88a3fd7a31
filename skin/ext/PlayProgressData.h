// The time-line's model and view state, shared by the facade (which owns it) and the painted
// panel (which shows it): the channels' per-day filing and cursors, the visible rows, the
// zoom and scroll of both view modes, the cut range, and the pure arithmetic between times
// and pixels. It holds no widget, so all of it is driven without a display.
//
// Times are seconds since 1970 (UTC) in 32 bits, shown in local time. Every product of a
// pixel width with 86400 or with zoom x width is computed in 64 bits and truncated at the
// end; a virtual width of 0 (no layout yet) never divides.
#pragma once

#include "skin/SFSkinStyles.h"
#include "skin/ext/PlayProgressDate.h"
#include "skin/ext/PlayProgressDay.h"

#include <QRect>
#include <QString>

#include <cstdint>
#include <map>

static_assert(sizeof(PlayProgressRecord) == 16, "a record is four 32-bit ints");

class PlayProgressData
{
public:
    using ChannelMap = std::map<int, PlayProgressChannel>;

    static constexpr int kRows = 4;
    static constexpr int kMaxDayZoom = 100;
    static constexpr int kSecondsPerDay = 86400;

    // One level of the day-mode ruler, chosen by the pixels per hour.
    struct RulerLevel
    {
        enum Label
        {
            HourMinuteSecond,  // "%1:%2:%3"
            HourMinute,        // "%1:%2:00"
            Hour,              // "%1", two digits
            HourBlankPadded    // "%1", width 2 padded with blanks
        };
        int nUnitSeconds;
        int nMinorEvery;  // a tick every this many units
        int nLabelEvery;  // a labelled tick every this many units
        Label label;
        int nLastUnit;  // the last unit of the day
    };

    explicit PlayProgressData(ChannelMap* channelMap);

    // ---- Channels -----------------------------------------------------------------------
    // Stores a copy under its id (replacing an earlier one), files its records by day, sets
    // its cursor to its earliest start (when it has a positive span) and day index 0, and
    // highlights it when nothing is highlighted yet.
    void AddChannel(const PlayProgressChannel& channel);
    // Forgets the channel; an id not in the map changes no map but still recomputes the day
    // flags, the shared day position and the visible rows.
    void RemoveChannel(int nChannelId);
    // The stored channel, NULL when absent; read-only, as the day filing points into it (a
    // changed channel is handed in again with AddChannel).
    const PlayProgressChannel* FindChannel(int nChannelId) const;
    // Position of the id in map order, -1 when absent.
    int GetChannelRow(int nChannelId) const;
    int ChannelCount() const { return channels ? static_cast<int>(channels->size()) : 0; }
    void UpdateVisibleRows();
    // nTopRow moved by delta, then the rows recomputed (clamped there).
    void ScrollRows(int delta);
    // The facade's highlight rule: a channel in the map that is not highlighted yet becomes
    // highlighted, the view goes to its cursor's day and it is scrolled into the rows; an id
    // not in the map clears the highlight.
    void SetHighlightChannel(int nChannelId);

    // ---- Record queries -----------------------------------------------------------------
    // t == 0: min start and max end over all records; t > 0: start and end of the first record
    // with start < t < end (min stays INT_MAX and max 0 when none). Returns max - min (0 for a
    // NULL channel).
    static std::int64_t GetRecordSpan(const PlayProgressChannel* channel, int* pMin, int* pMax, int t);
    static std::int64_t GetTotalRecordTime(const PlayProgressChannel* channel);
    // The records laid end to end: the recorded time before t.
    static std::int64_t GetRecordTimeBefore(const PlayProgressChannel* channel, int t);

    // ---- Cursors ------------------------------------------------------------------------
    // Channel -1: the shared cursor; otherwise the channel's cursor, 0 when it has none.
    int GetPosition(int nChannelId) const;
    // Accepted for channel -1, or for a channel in the map when min start - 10 <= t <= max
    // end + 10. Returns whether the cursor was set.
    bool SetPosition(int nChannelId, int nTime);
    // cursor = min start + nSeconds for a channel with records when 0 <= nSeconds and the
    // result is not after its max end.
    bool SetPositionOffset(int nChannelId, int nSeconds);

    // ---- Days ---------------------------------------------------------------------------
    bool HasEarlierDay(int nChannelId) const;
    bool HasLaterDay(int nChannelId) const;
    // Steps one channel to its next (previous) filed day; returns whether it moved.
    bool StepChannelNext(int nChannelId);
    bool StepChannelPrev(int nChannelId);
    // Steps every channel |n| days (forward for n > 0), counting in each one's day index.
    void StepDays(int n);
    // The day buttons: one day for every channel and the shared position.
    void StepPrevDay();
    void StepNextDay();
    PlayProgressDate GetCurrentDate(int nChannelId) const;
    PlayProgressDate GetDayDate(int nChannelId, int n) const;
    // Goes to the day of the channel's cursor and centres the cursor (day mode).
    void GoToCursorDay(int nChannelId);

    // ---- Geometry, zoom and scroll ------------------------------------------------------
    // The time rect's right edge and the next-day rect move by dx; the width and the virtual
    // widths follow, the day offset keeping its relative place.
    void Resize(int dx);
    // Zoom z (clamped to 1..100 in day mode; record mode stays at 1) anchored at an x of the
    // time area.
    void SetZoom(int z, int anchor);
    // One wheel step: +1 up to 50, +2 above, at most 100 (and back down the same way).
    void ZoomIn(int anchor);
    void ZoomOut(int anchor);
    // Day mode: the time lands at the left edge of the time area.
    void ScrollToTime(int t);
    int Offset() const { return bRecordMode ? nRecordOffset : nDayOffset; }
    int VirtualWidth() const { return bRecordMode ? nRecordWidth : nDayWidth; }

    // ---- Times and pixels ---------------------------------------------------------------
    // Virtual x is an x of the whole zoomed width, before the offset; far-off times give x far
    // outside it (64 bits, never wrapped), and VisibleX clamps them at the end.
    // Record mode measures both ways against the record channel's whole span.
    // time -> virtual x; day mode by the time of day; -1 when there is no width or span.
    std::int64_t TimeToX(std::int64_t t) const;
    // Day mode: seconds of day -> virtual x; -1 without a width.
    std::int64_t DaySecondsToX(std::int64_t seconds) const;
    // Day mode, the two rules of the painted day: a time -> virtual x measured on the clock of
    // the given day (SecondsFromDay), and an x of the time area -> the time on that day's clock
    // (clamped to the range of a 32-bit time). -1, and the day's midnight, without a width.
    std::int64_t DayTimeToX(std::int64_t t, const PlayProgressDate& day) const;
    int DayXToTime(const PlayProgressDate& day, int x) const;
    // Panel x of a virtual x of the current mode, clamped to one pixel outside the time rect.
    int VisibleX(std::int64_t virtualX) const;
    // x of the time area -> day mode: seconds since the row's midnight; record mode: the time.
    // 0 without a width or span; -1 in record mode without a record channel.
    int XToTime(int x) const;
    // (x + offset) / virtual width x 100, truncated; 0 without a width.
    int XToPercent(int x) const;
    // The record at a percentage of the channel (see the view): its id, or -1, and the
    // percentage inside it.
    int FindRecordAt(int nChannelId, int percent, int* pPercentInside) const;
    // The record channel's span in record mode (min, max); false when it has none.
    bool RecordSpan(int* pMin, int* pMax) const;

    // Cut edge nearer to t takes it; returns true when the left edge (cut[0]) moved.
    bool MoveCutEdge(int t);

    // Day-mode ruler level for P pixels per hour.
    static RulerLevel RulerLevelFor(int pixelsPerHour);
    // The label of a ruler unit.
    static QString RulerLabel(const RulerLevel& level, int unit);
    // "%1:%2:%3" of seconds, each two digits.
    static QString ClockLabel(std::int64_t seconds);

    // Row slots of the panel: height of one row and the row of a y (-1 on a boundary or
    // outside).
    int RowHeight() const;
    int RowTop(int row) const;
    int RowAt(int y) const;

    // ---- State (fields in the order the control documents them) -------------------------
    ChannelMap* channels;
    int nTopRow = -1;
    std::map<int, int> cursors;
    std::map<int, PlayProgressDay> days;
    std::map<int, int> dayIndexes;
    int nDayIndex = 0;
    int visible[kRows] = {0, 0, 0, 0};
    int nHighlight = -1;
    bool bSyncCursor = false;
    // Bit 0 set draws every type; the owner's first SetRecordTypeFilter replaces it.
    int nTypeMask = 1;
    bool bCut = false;
    int cut[2] = {0, 0};
    int nSharedCursor = 0;
    bool bRecordMode = false;
    int nRecordChannel = -1;
    int nRecordZoom = 1;
    int nRecordZoomMax = 1;
    int nRecordOffset = 0;
    int nRecordWidth = 0;
    int nDayZoom = 1;
    int nDayOffset = 0;
    int nDayWidth = 0;
    int width = 0;
    bool bPrevDay = false;
    bool bNextDay = false;
    QRect labelRect;
    QRect timeRect;
    QRect prevDayRect;
    QRect nextDayRect;

private:
    void FileDays(const PlayProgressChannel& channel, PlayProgressDay* day) const;
    void RecomputeDayFlags();
    void SetDayOffset(std::int64_t offset, std::int64_t max);
    // The day offset that keeps the anchor over the same time when the virtual width goes
    // from old to nDayZoom x width (old > 0).
    std::int64_t AnchoredDayOffset(int anchor, int old) const;
};
