#include "skin/ext/PlayProgressData.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

constexpr std::int64_t kDay = PlayProgressData::kSecondsPerDay;
// SetPosition accepts a time this far outside a channel's span.
constexpr std::int64_t kPositionSlack = 10;

int Truncate(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX)); }

}  // namespace

PlayProgressData::PlayProgressData(ChannelMap* channelMap) : channels(channelMap) {}

// ---- Channels ---------------------------------------------------------------------------

void PlayProgressData::FileDays(const PlayProgressChannel& channel, PlayProgressDay* day) const
{
    day->days.clear();
    for (const PlayProgressRecord& r : channel.records) {
        const PlayProgressDate start = PlayProgressDate::FromTime(r.nStartTime);
        const PlayProgressDate end = PlayProgressDate::FromTime(r.nEndTime);
        const int from = SecondsOfDay(r.nStartTime);
        const int to = SecondsOfDay(r.nEndTime);
        // On its start day a record that ends later runs to midnight; on its end day it runs
        // from midnight.
        day->days[start].Add(&r, from, end == start ? to : kSecondsPerDay);
        if (end != start)
            day->days[end].Add(&r, 0, to);
    }
    for (auto& filed : day->days)
        filed.second.Finish();
}

void PlayProgressData::AddChannel(const PlayProgressChannel& channel)
{
    if (!channels)
        return;
    const int id = channel.nChannelId;
    // File pointers into the stored copy, never into the argument.
    PlayProgressChannel& stored = (*channels)[id];
    stored = channel;
    PlayProgressDay day;
    FileDays(stored, &day);
    int nMin = INT_MAX, nMax = 0;
    const std::int64_t span = GetRecordSpan(&stored, &nMin, &nMax, 0);
    // A channel without records has no earliest start: it shows 1970-01-01.
    if (!stored.records.empty())
        day.SetDate(PlayProgressDate::FromTime(nMin));
    days[id] = std::move(day);
    if (!bPrevDay)
        bPrevDay = HasEarlierDay(id);
    if (!bNextDay)
        bNextDay = HasLaterDay(id);
    if (span > 0)
        cursors[id] = nMin;
    dayIndexes[id] = 0;
    if (nHighlight == -1) {
        nHighlight = id;
        GoToCursorDay(id);
    }
    UpdateVisibleRows();
}

void PlayProgressData::RemoveChannel(int nChannelId)
{
    if (channels)
        channels->erase(nChannelId);
    days.erase(nChannelId);
    dayIndexes.erase(nChannelId);
    cursors.erase(nChannelId);
    if (ChannelCount() == 0)
        nSharedCursor = 0;
    RecomputeDayFlags();
    if (nHighlight == nChannelId)
        nHighlight = -1;
    // The shared day position follows the channel that went furthest in the direction the day
    // buttons last moved (it followed every press); 0 without channels.
    int index = 0;
    for (const auto& entry : dayIndexes)
        index = nDayIndex >= 0 ? std::max(index, entry.second) : std::min(index, entry.second);
    nDayIndex = index;
    UpdateVisibleRows();
}

const PlayProgressChannel* PlayProgressData::FindChannel(int nChannelId) const
{
    if (!channels)
        return nullptr;
    auto it = channels->find(nChannelId);
    return it == channels->end() ? nullptr : &it->second;
}

int PlayProgressData::GetChannelRow(int nChannelId) const
{
    if (!channels)
        return -1;
    auto it = channels->find(nChannelId);
    if (it == channels->end())
        return -1;
    return static_cast<int>(std::distance(channels->begin(), it));
}

void PlayProgressData::UpdateVisibleRows()
{
    std::fill(std::begin(visible), std::end(visible), -1);
    const int count = ChannelCount();
    if (count == 0) {
        nTopRow = -1;
        return;
    }
    if (count - kRows < 0 || nTopRow < 0)
        nTopRow = 0;
    else if (nTopRow > count - kRows)
        nTopRow = count - kRows;
    auto it = std::next(channels->begin(), nTopRow);
    for (int i = 0; i < kRows && it != channels->end(); ++i, ++it)
        visible[i] = it->first;
}

void PlayProgressData::ScrollRows(int delta)
{
    nTopRow += delta;
    UpdateVisibleRows();
}

void PlayProgressData::SetHighlightChannel(int nChannelId)
{
    if (!FindChannel(nChannelId)) {
        nHighlight = -1;
        return;
    }
    if (nHighlight != nChannelId) {
        nHighlight = nChannelId;
        GoToCursorDay(nChannelId);
    }
    if (std::find(std::begin(visible), std::end(visible), nChannelId) == std::end(visible)) {
        nTopRow = GetChannelRow(nChannelId);
        UpdateVisibleRows();
    }
}

// ---- Record queries ---------------------------------------------------------------------

std::int64_t PlayProgressData::GetRecordSpan(const PlayProgressChannel* channel, int* pMin, int* pMax, int t)
{
    int nMin = INT_MAX, nMax = 0;
    if (!channel) {
        if (pMin)
            *pMin = nMin;
        if (pMax)
            *pMax = nMax;
        return 0;
    }
    if (t == 0) {
        for (const PlayProgressRecord& r : channel->records) {
            nMin = std::min(nMin, r.nStartTime);
            nMax = std::max(nMax, r.nEndTime);
        }
    } else {
        for (const PlayProgressRecord& r : channel->records) {
            if (r.nStartTime < t && t < r.nEndTime) {
                nMin = r.nStartTime;
                nMax = r.nEndTime;
                break;
            }
        }
    }
    if (pMin)
        *pMin = nMin;
    if (pMax)
        *pMax = nMax;
    return static_cast<std::int64_t>(nMax) - nMin;
}

std::int64_t PlayProgressData::GetTotalRecordTime(const PlayProgressChannel* channel)
{
    std::int64_t total = 0;
    if (channel)
        for (const PlayProgressRecord& r : channel->records)
            total += static_cast<std::int64_t>(r.nEndTime) - r.nStartTime;
    return total;
}

std::int64_t PlayProgressData::GetRecordTimeBefore(const PlayProgressChannel* channel, int t)
{
    std::int64_t before = 0;
    if (!channel)
        return 0;
    for (const PlayProgressRecord& r : channel->records) {
        if (r.nStartTime <= t && t <= r.nEndTime)
            return before + (static_cast<std::int64_t>(t) - r.nStartTime);
        before += static_cast<std::int64_t>(r.nEndTime) - r.nStartTime;
    }
    return before;
}

// ---- Cursors ----------------------------------------------------------------------------

int PlayProgressData::GetPosition(int nChannelId) const
{
    if (nChannelId == -1)
        return nSharedCursor;
    auto it = cursors.find(nChannelId);
    return it == cursors.end() ? 0 : it->second;
}

bool PlayProgressData::SetPosition(int nChannelId, int nTime)
{
    if (nChannelId == -1) {
        nSharedCursor = nTime;
        return true;
    }
    const PlayProgressChannel* channel = FindChannel(nChannelId);
    if (!channel)
        return false;
    int nMin = INT_MAX, nMax = 0;
    GetRecordSpan(channel, &nMin, &nMax, 0);
    if (nTime < static_cast<std::int64_t>(nMin) - kPositionSlack ||
        nTime > static_cast<std::int64_t>(nMax) + kPositionSlack)
        return false;
    cursors[nChannelId] = nTime;
    return true;
}

bool PlayProgressData::SetPositionOffset(int nChannelId, int nSeconds)
{
    const PlayProgressChannel* channel = FindChannel(nChannelId);
    // A channel without records has no start to count from.
    if (!channel || channel->records.empty() || nSeconds < 0)
        return false;
    int nMin = INT_MAX, nMax = 0;
    GetRecordSpan(channel, &nMin, &nMax, 0);
    const std::int64_t t = static_cast<std::int64_t>(nMin) + nSeconds;
    if (t > nMax)
        return false;
    cursors[nChannelId] = static_cast<int>(t);
    return true;
}

// ---- Days -------------------------------------------------------------------------------

bool PlayProgressData::HasEarlierDay(int nChannelId) const
{
    auto it = days.find(nChannelId);
    if (it == days.end() || it->second.days.size() < 2)
        return false;
    return it->second.days.begin()->first < it->second.Date();
}

bool PlayProgressData::HasLaterDay(int nChannelId) const
{
    auto it = days.find(nChannelId);
    if (it == days.end() || it->second.days.size() < 2)
        return false;
    return it->second.Date() < it->second.days.rbegin()->first;
}

bool PlayProgressData::StepChannelNext(int nChannelId)
{
    auto it = days.find(nChannelId);
    if (it == days.end() || it->second.days.size() < 2)
        return false;
    auto next = it->second.days.upper_bound(it->second.Date());
    if (next == it->second.days.end())
        return false;
    it->second.SetDate(next->first);
    return true;
}

bool PlayProgressData::StepChannelPrev(int nChannelId)
{
    auto it = days.find(nChannelId);
    if (it == days.end() || it->second.days.size() < 2)
        return false;
    auto prev = it->second.days.lower_bound(it->second.Date());
    if (prev == it->second.days.begin())
        return false;
    --prev;
    it->second.SetDate(prev->first);
    return true;
}

void PlayProgressData::RecomputeDayFlags()
{
    bPrevDay = false;
    bNextDay = false;
    for (const auto& entry : days) {
        bPrevDay = bPrevDay || HasEarlierDay(entry.first);
        bNextDay = bNextDay || HasLaterDay(entry.first);
    }
}

void PlayProgressData::StepDays(int n)
{
    for (; n > 0; --n) {
        for (const auto& entry : days)
            if (StepChannelNext(entry.first))
                ++dayIndexes[entry.first];
        bPrevDay = true;
        bNextDay = false;
        for (const auto& entry : days)
            bNextDay = bNextDay || HasLaterDay(entry.first);
    }
    for (; n < 0; ++n) {
        for (const auto& entry : days)
            if (StepChannelPrev(entry.first))
                --dayIndexes[entry.first];
        bNextDay = true;
        bPrevDay = false;
        for (const auto& entry : days)
            bPrevDay = bPrevDay || HasEarlierDay(entry.first);
    }
}

void PlayProgressData::StepPrevDay()
{
    StepDays(-1);
    --nDayIndex;
}

void PlayProgressData::StepNextDay()
{
    StepDays(1);
    ++nDayIndex;
}

PlayProgressDate PlayProgressData::GetCurrentDate(int nChannelId) const
{
    auto it = days.find(nChannelId);
    return it == days.end() ? PlayProgressDate() : it->second.Date();
}

PlayProgressDate PlayProgressData::GetDayDate(int nChannelId, int n) const
{
    auto it = days.find(nChannelId);
    if (it == days.end() || it->second.days.empty())
        return PlayProgressDate();
    const auto& filed = it->second.days;
    if (n <= 0)
        return filed.begin()->first;
    if (n >= static_cast<int>(filed.size()))
        return filed.rbegin()->first;
    return std::next(filed.begin(), n)->first;
}

void PlayProgressData::GoToCursorDay(int nChannelId)
{
    if (bRecordMode)
        return;
    auto it = days.find(nChannelId);
    if (it == days.end())
        return;
    const int cursor = GetPosition(nChannelId);
    const auto& filed = it->second.days;
    const PlayProgressDate date = PlayProgressDate::FromTime(cursor);
    const auto at = filed.find(date);
    const int position =
        static_cast<int>(at == filed.end() ? filed.size() : std::distance(filed.begin(), at));
    StepDays(position - nDayIndex);
    nDayIndex = position;
    const std::int64_t x = DayTimeToX(cursor, GetCurrentDate(nChannelId));
    SetDayOffset(x - width / 2, static_cast<std::int64_t>(nDayWidth) - width);
}

// ---- Geometry, zoom and scroll ----------------------------------------------------------

void PlayProgressData::SetDayOffset(std::int64_t offset, std::int64_t max)
{
    nDayOffset = Truncate(std::clamp<std::int64_t>(offset, 0, std::max<std::int64_t>(0, max)));
}

void PlayProgressData::Resize(int dx)
{
    timeRect.setRight(timeRect.right() + dx);
    nextDayRect.translate(dx, 0);
    // A time rect squeezed below one pixel has no width (nothing to divide by).
    width = std::max(0, timeRect.right() - timeRect.left() + 1);
    if (nDayWidth > 0)
        nDayOffset = Truncate(static_cast<std::int64_t>(nDayZoom) * nDayOffset * width / nDayWidth);
    nDayWidth = Truncate(static_cast<std::int64_t>(nDayZoom) * width);
    nRecordWidth = Truncate(static_cast<std::int64_t>(nRecordZoom) * width);
}

void PlayProgressData::SetZoom(int z, int anchor)
{
    if (bRecordMode) {
        nRecordZoom = 1;
        // (anchor + offset) x 1 x width / width - anchor, clamped to [0, 0].
        nRecordOffset = 0;
        nRecordWidth = Truncate(static_cast<std::int64_t>(width) * nRecordZoom);
        return;
    }
    const int old = nDayWidth;
    nDayZoom = std::clamp(z, 1, kMaxDayZoom);
    // Without a virtual width (no layout yet) only the zoom is stored.
    if (old > 0)
        SetDayOffset(AnchoredDayOffset(anchor, old), static_cast<std::int64_t>(nDayZoom - 1) * width);
    nDayWidth = Truncate(static_cast<std::int64_t>(width) * nDayZoom);
}

std::int64_t PlayProgressData::AnchoredDayOffset(int anchor, int old) const
{
    return (static_cast<std::int64_t>(anchor) + nDayOffset) * nDayZoom * width / old - anchor;
}

void PlayProgressData::ZoomIn(int anchor)
{
    if (bRecordMode) {
        // Record mode always shows the whole span: the zoom goes back to 1.
        nRecordZoom = 1;
        if (nRecordWidth > 0)
            nRecordOffset =
                Truncate((static_cast<std::int64_t>(anchor) + nRecordOffset) * width / nRecordWidth - anchor);
        nRecordWidth = width;
        return;
    }
    int z = nDayZoom + 1;
    if (2 * z > kMaxDayZoom)
        ++z;
    z = std::min(z, kMaxDayZoom);
    const int old = nDayWidth;
    nDayZoom = z;
    // Not clamped on the way in (the scroll bar's range follows at the next re-sync).
    if (old > 0)
        nDayOffset = Truncate(AnchoredDayOffset(anchor, old));
    nDayWidth = Truncate(static_cast<std::int64_t>(width) * nDayZoom);
}

void PlayProgressData::ZoomOut(int anchor)
{
    if (bRecordMode) {
        nRecordZoom = 1;
        nRecordOffset = 0;
        nRecordWidth = width;
        return;
    }
    int z = nDayZoom - 1;
    if (2 * z > kMaxDayZoom)
        --z;
    // Already inside SetZoom's 1..100 and record mode is handled above.
    SetZoom(std::max(z, 1), anchor);
}

void PlayProgressData::ScrollToTime(int t)
{
    if (bRecordMode) {
        // The whole span is always in view: the time's x, clamped to the (empty) scroll range.
        const std::int64_t x = TimeToX(t);
        nRecordOffset = Truncate(std::clamp<std::int64_t>(x, 0, std::max(0, nRecordWidth - width)));
        return;
    }
    const std::int64_t x = static_cast<std::int64_t>(nDayWidth) * SecondsOfDay(t) / kDay;
    SetDayOffset(x, static_cast<std::int64_t>(nDayWidth) - width);
}

// ---- Times and pixels -------------------------------------------------------------------

bool PlayProgressData::RecordSpan(int* pMin, int* pMax) const
{
    const PlayProgressChannel* channel = FindChannel(nRecordChannel);
    if (!channel)
        return false;
    return GetRecordSpan(channel, pMin, pMax, 0) > 0;
}

std::int64_t PlayProgressData::DaySecondsToX(std::int64_t seconds) const
{
    if (nDayWidth <= 0)
        return -1;
    return static_cast<std::int64_t>(nDayWidth) * seconds / kDay;
}

std::int64_t PlayProgressData::DayTimeToX(std::int64_t t, const PlayProgressDate& day) const
{
    return DaySecondsToX(SecondsFromDay(t, day));
}

int PlayProgressData::DayXToTime(const PlayProgressDate& day, int x) const
{
    return Truncate(TimeAtSecondsOfDay(day, XToTime(x)));
}

int PlayProgressData::VisibleX(std::int64_t virtualX) const
{
    const std::int64_t x = virtualX - Offset() + timeRect.left();
    return Truncate(std::clamp<std::int64_t>(x, static_cast<std::int64_t>(timeRect.left()) - 1,
                                             static_cast<std::int64_t>(timeRect.right()) + 1));
}

std::int64_t PlayProgressData::TimeToX(std::int64_t t) const
{
    if (!bRecordMode)
        return DaySecondsToX(SecondsOfDay(t));
    int nMin = 0, nMax = 0;
    if (nRecordWidth <= 0 || !RecordSpan(&nMin, &nMax))
        return -1;
    return (t - nMin) * nRecordWidth / (static_cast<std::int64_t>(nMax) - nMin);
}

int PlayProgressData::XToTime(int x) const
{
    if (!bRecordMode) {
        if (nDayWidth <= 0)
            return 0;
        return Truncate((static_cast<std::int64_t>(x) + nDayOffset) * kDay / nDayWidth);
    }
    if (!FindChannel(nRecordChannel))
        return -1;
    int nMin = 0, nMax = 0;
    if (nRecordWidth <= 0 || !RecordSpan(&nMin, &nMax))
        return 0;
    return Truncate((static_cast<std::int64_t>(x) + nRecordOffset) *
                        (static_cast<std::int64_t>(nMax) - nMin) / nRecordWidth +
                    nMin);
}

int PlayProgressData::XToPercent(int x) const
{
    const int vw = VirtualWidth();
    if (vw <= 0)
        return 0;
    return Truncate((static_cast<std::int64_t>(x) + Offset()) * 100 / vw);
}

int PlayProgressData::FindRecordAt(int nChannelId, int percent, int* pPercentInside) const
{
    if (pPercentInside)
        *pPercentInside = 0;
    const PlayProgressChannel* channel = FindChannel(nChannelId);
    if (!channel || channel->records.empty() || GetRecordSpan(channel, nullptr, nullptr, 0) <= 0)
        return -1;
    // A record of no length holds its own start at 0 %.
    auto inside = [](std::int64_t into, std::int64_t length) { return length > 0 ? into * 100 / length : 0; };
    if (bRecordMode && nChannelId == nRecordChannel) {
        const std::int64_t target = GetTotalRecordTime(channel) * percent / 100;
        std::int64_t before = 0;
        for (const PlayProgressRecord& r : channel->records) {
            const std::int64_t length = static_cast<std::int64_t>(r.nEndTime) - r.nStartTime;
            if (before + length > target) {
                if (pPercentInside)
                    *pPercentInside = Truncate(inside(target - before, length));
                return r.nRecordID;
            }
            before += length;
        }
        return -1;
    }
    const std::int64_t time = TimeAtSecondsOfDay(GetDayDate(nChannelId, nDayIndex),
                                                 static_cast<std::int64_t>(percent) * kDay / 100);
    for (const PlayProgressRecord& r : channel->records) {
        if (r.nStartTime <= time && time <= r.nEndTime) {
            if (pPercentInside)
                *pPercentInside = Truncate(
                    inside(time - r.nStartTime, static_cast<std::int64_t>(r.nEndTime) - r.nStartTime));
            return r.nRecordID;
        }
    }
    return -1;
}

bool PlayProgressData::MoveCutEdge(int t)
{
    const std::int64_t toLeft = std::llabs(static_cast<std::int64_t>(t) - cut[0]);
    const std::int64_t toRight = std::llabs(static_cast<std::int64_t>(t) - cut[1]);
    if (toRight > toLeft) {
        cut[0] = t;
        return true;
    }
    cut[1] = t;
    return false;
}

// ---- Ruler ------------------------------------------------------------------------------

PlayProgressData::RulerLevel PlayProgressData::RulerLevelFor(int p)
{
    if (p > 3600)
        return {1, 12, 60, RulerLevel::HourMinuteSecond, 86399};
    if (p > 2400)
        return {1, 60, 120, RulerLevel::HourMinute, 86399};
    if (p > 800)
        return {10, 6, 30, RulerLevel::HourMinute, 8639};
    if (p > 400)
        return {30, 6, 30, RulerLevel::HourMinute, 2879};
    if (p > 160)
        return {60, 5, 30, RulerLevel::HourMinute, 1439};
    if (p > 60)
        return {60, 10, 60, RulerLevel::Hour, 1439};
    return {900, 4, 4, RulerLevel::HourBlankPadded, 96};
}

QString PlayProgressData::RulerLabel(const RulerLevel& level, int unit)
{
    const std::int64_t seconds = static_cast<std::int64_t>(unit) * level.nUnitSeconds;
    const int h = static_cast<int>(seconds / 3600);
    const int m = static_cast<int>(seconds % 3600 / 60);
    const QChar zero(QLatin1Char('0'));
    switch (level.label) {
    case RulerLevel::HourMinuteSecond:
        return ClockLabel(seconds);
    case RulerLevel::HourMinute:
        return QStringLiteral("%1:%2:00").arg(h, 2, 10, zero).arg(m, 2, 10, zero);
    case RulerLevel::Hour:
        return QStringLiteral("%1").arg(h, 2, 10, zero);
    case RulerLevel::HourBlankPadded:
        break;
    }
    return QStringLiteral("%1").arg(h, 2, 10, QLatin1Char(' '));
}

QString PlayProgressData::ClockLabel(std::int64_t seconds)
{
    const QChar zero(QLatin1Char('0'));
    const int h = static_cast<int>(seconds / 3600);
    const int m = static_cast<int>(seconds % 3600 / 60);
    const int s = static_cast<int>(seconds % 60);
    return QStringLiteral("%1:%2:%3").arg(h, 2, 10, zero).arg(m, 2, 10, zero).arg(s, 2, 10, zero);
}

// ---- Rows -------------------------------------------------------------------------------

int PlayProgressData::RowHeight() const { return (timeRect.bottom() - labelRect.top() + 1) / kRows; }

int PlayProgressData::RowTop(int row) const { return labelRect.top() + row * RowHeight(); }

int PlayProgressData::RowAt(int y) const
{
    const int h = RowHeight();
    for (int i = 0; i < kRows; ++i) {
        const int top = RowTop(i);
        // Boundary lines belong to no row.
        if (y > top && y < top + h - 1)
            return i;
    }
    return -1;
}
