#include "skin/ext/SFQtPlayProgressPanel.h"

#include "skin/SFQTDeleteGuard.h"
#include "skin/ext/PlayProgressData.h"

#include <QFont>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

const QColor kPanelColour(50, 50, 50);
const QColor kRecordWash(171, 173, 178, 1);
const QColor kHighlightColour(56, 182, 255);
const QColor kCutColour(255, 165, 59, 76);
const QColor kRecordCursorBox(171, 173, 178, 50);
const QColor kRuleColour(Qt::darkGray);
const QColor kTextColour(Qt::white);

constexpr int kRecordFontPx = 12;
constexpr int kRulerFontPx = 9;
constexpr int kRecordTicks = 100;
constexpr int kDaySeconds = PlayProgressData::kSecondsPerDay;

const QColor kBarGreen(66, 208, 23, 176);
const QColor kBarRed(213, 17, 17, 176);
const QColor kBarYellow(196, 175, 0, 176);

const QColor& BarColour(int type)
{
    switch (type) {
    case 4:
        return kBarRed;
    case 8:
        return kBarYellow;
    default:  // type 2 and every other type
        return kBarGreen;
    }
}

void SetPixelFont(QPainter& p, int px)
{
    QFont f = p.font();
    f.setPixelSize(px);
    p.setFont(f);
}

// The pixels drawLine paints from (x0, y0) to (x1, y1), both ends included, with the default
// one-pixel pen, for a line along an axis: filled as a rect, since the line rasteriser costs
// more per pixel than every bar of a frame.
void Rule(QPainter& p, int x0, int y0, int x1, int y1, const QColor& colour)
{
    p.fillRect(QRect(QPoint(std::min(x0, x1), std::min(y0, y1)), QPoint(std::max(x0, x1), std::max(y0, y1))),
               colour);
}

}  // namespace

SFQtPlayProgressPanel::SFQtPlayProgressPanel(PlayProgressData* data, QWidget* parent)
    : QWidget(parent),
      m_pData(data),
      m_nPressedRow(-1),
      m_bHeld(false)
{
    setMouseTracking(true);
}

void SFQtPlayProgressPanel::SetPictures(const CSFSkinPicture& unused1, const CSFSkinPicture& unused2,
                                        const CSFSkinPicture& prevOff, const CSFSkinPicture& prevOn,
                                        const CSFSkinPicture& nextOff, const CSFSkinPicture& nextOn)
{
    m_pics[0] = unused1;
    m_pics[1] = unused2;
    m_pics[2] = prevOff;
    m_pics[3] = prevOn;
    m_pics[4] = nextOff;
    m_pics[5] = nextOn;
    update();
}

int SFQtPlayProgressPanel::ChannelInRow(int row) const
{
    if (row < 0 || row >= PlayProgressData::kRows)
        return -1;
    const int id = m_pData->visible[row];
    return m_pData->FindChannel(id) ? id : -1;
}

int SFQtPlayProgressPanel::TimeAreaX(const QPoint& pos) const
{
    const QRect& time = m_pData->timeRect;
    return std::clamp(pos.x(), time.left(), std::max(time.left(), time.right())) - time.left();
}

// ---- Painting ---------------------------------------------------------------------------

void SFQtPlayProgressPanel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter p(this);
    p.fillRect(rect(), kPanelColour);
    if (m_pData->bRecordMode) {
        PaintRecordMode(p);
        return;
    }
    PaintRows(p);
    PaintDayButtons(p);
    p.save();
    p.setClipRect(m_pData->timeRect);
    PaintRuler(p);
    PaintBars(p);
    PaintCursors(p);
    if (m_pData->bCut && m_pData->nDayWidth > 0) {
        const PlayProgressDate day = m_pData->GetCurrentDate(m_pData->visible[0]);
        PaintCut(p, m_pData->DayTimeToX(m_pData->cut[0], day), m_pData->DayTimeToX(m_pData->cut[1], day));
    }
    p.restore();
}

void SFQtPlayProgressPanel::PaintRecordMode(QPainter& p)
{
    const PlayProgressData& d = *m_pData;
    const QRect& time = d.timeRect;
    const PlayProgressChannel* channel = d.FindChannel(d.nRecordChannel);
    SetPixelFont(p, kRecordFontPx);
    if (channel) {
        p.setPen(kTextColour);
        p.drawText(d.labelRect, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdWString(channel->strName));
    }
    p.save();
    p.setClipRect(time);
    p.fillRect(time, kRecordWash);
    p.setPen(kRuleColour);
    const int top = d.labelRect.top();
    for (int i = 0; i < kRecordTicks; ++i) {
        const int x = time.left() + static_cast<int>(static_cast<std::int64_t>(i) * d.width / kRecordTicks);
        const bool major = i % 10 == 0;
        Rule(p, x, top, x, top + (major ? 13 : 5), kRuleColour);
        if (major)
            p.drawText(QRect(x + 2, top, 40, 14), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("%1%").arg(i));
        if (i == kRecordTicks - 1)
            p.drawText(QRect(x - 20, top + 14, 40, 14), Qt::AlignHCenter | Qt::AlignTop,
                       QStringLiteral("%1%").arg(kRecordTicks));
    }
    int nMin = 0, nMax = 0;
    const bool span = d.RecordSpan(&nMin, &nMax);
    auto cursor = d.cursors.find(d.nRecordChannel);
    if (channel && span && cursor != d.cursors.end()) {
        const std::int64_t vx = d.TimeToX(cursor->second);
        if (vx >= 0) {
            p.setPen(kRuleColour);
            PaintCursor(p, vx, time.top(), time.bottom(), time.top() + 16,
                        PlayProgressData::ClockLabel(cursor->second - std::int64_t(nMin)), kRecordCursorBox);
        }
    }
    if (d.bCut && span)
        PaintCut(p, d.TimeToX(d.cut[0]), d.TimeToX(d.cut[1]));
    p.restore();
}

void SFQtPlayProgressPanel::PaintRows(QPainter& p)
{
    const PlayProgressData& d = *m_pData;
    const QRect& time = d.timeRect;
    const int h = d.RowHeight();
    for (int i = 0; i < PlayProgressData::kRows; ++i) {
        const int top = d.RowTop(i);
        Rule(p, time.left(), top, time.right(), top, kRuleColour);
        const int id = ChannelInRow(i);
        if (id < 0)
            continue;
        p.setPen(kTextColour);
        const QRect label(d.labelRect.left() + 4, top, d.labelRect.width() - 4, h);
        p.drawText(label, Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdWString(d.FindChannel(id)->strName));
        if (id == d.nHighlight) {
            // The outline drawRect paints with a one-pixel pen: one pixel right of and below
            // the rect's right and bottom edges.
            const int left = time.left() + 1, right = time.right(), bottom = top + h;
            Rule(p, left, top, right, top, kHighlightColour);
            Rule(p, left, bottom, right, bottom, kHighlightColour);
            Rule(p, left, top + 1, left, bottom - 1, kHighlightColour);
            Rule(p, right, top + 1, right, bottom - 1, kHighlightColour);
        }
    }
}

void SFQtPlayProgressPanel::PaintDayButtons(QPainter& p)
{
    const PlayProgressData& d = *m_pData;
    if (!d.bPrevDay && !d.bNextDay)
        return;
    const QPixmap& prev = m_pics[d.bPrevDay ? 3 : 2].Pixmap();
    const QPixmap& next = m_pics[d.bNextDay ? 5 : 4].Pixmap();
    if (!prev.isNull())
        p.drawPixmap(d.prevDayRect, prev);
    if (!next.isNull())
        p.drawPixmap(d.nextDayRect, next);
}

void SFQtPlayProgressPanel::PaintRuler(QPainter& p)
{
    const PlayProgressData& d = *m_pData;
    if (d.nDayWidth <= 0)
        return;
    const QRect& time = d.timeRect;
    SetPixelFont(p, kRulerFontPx);
    const PlayProgressData::RulerLevel level = PlayProgressData::RulerLevelFor(d.nDayWidth / 24);
    const bool lowLevel = level.label == PlayProgressData::RulerLevel::Hour ||
                          level.label == PlayProgressData::RulerLevel::HourBlankPadded;
    const int labelHeight = lowLevel ? 18 : 19;
    // The first unit at or right of the scroll offset: ceil(offset x 86400 / (width x unit)).
    const std::int64_t perDay = static_cast<std::int64_t>(d.nDayWidth) * level.nUnitSeconds;
    std::int64_t unit = (static_cast<std::int64_t>(d.nDayOffset) * kDaySeconds + perDay - 1) / perDay;
    for (; unit <= level.nLastUnit; ++unit) {
        const std::int64_t vx = d.DaySecondsToX(unit * level.nUnitSeconds);
        // Measured before the clamp: a clamped x would never pass the right edge.
        if (vx - d.nDayOffset > d.width)
            break;
        const int x = d.VisibleX(vx);
        if (unit % level.nLabelEvery == 0) {
            Rule(p, x, time.top() + 8, x, time.top() + 8 + d.labelRect.height() + 10, kRuleColour);
            int centre = x;
            if (unit == 0)
                centre += 5;
            else if (unit == level.nLastUnit)
                centre -= 5;
            p.setPen(kTextColour);
            p.drawText(QRect(centre - 30, time.top() - 1, 60, labelHeight), Qt::AlignHCenter | Qt::AlignTop,
                       PlayProgressData::RulerLabel(level, static_cast<int>(unit)));
        } else if (unit % level.nMinorEvery == 0) {
            Rule(p, x, time.top() + 14, x, time.top() + 18, Qt::black);
        }
    }
}

void SFQtPlayProgressPanel::PaintBars(QPainter& p)
{
    const PlayProgressData& d = *m_pData;
    if (d.nDayWidth <= 0)
        return;
    const QRect& time = d.timeRect;
    const int h = d.RowHeight();
    // The seconds of the day in view, a little wide on both sides: a bar outside them cannot
    // meet the time rect.
    const std::int64_t offset = d.nDayOffset;
    const int seenFrom = static_cast<int>(
        std::clamp<std::int64_t>(offset * kDaySeconds / d.nDayWidth - 1, INT_MIN / 2, INT_MAX / 2));
    const int seenTo = static_cast<int>(std::clamp<std::int64_t>(
        (offset + d.width) * kDaySeconds / d.nDayWidth + 1, INT_MIN / 2, INT_MAX / 2));
    const bool allTypes = (d.nTypeMask & 1) != 0;
    for (int i = 0; i < PlayProgressData::kRows; ++i) {
        const int id = ChannelInRow(i);
        auto day = d.days.find(id);
        auto index = d.dayIndexes.find(id);
        if (id < 0 || day == d.days.end() || index == d.dayIndexes.end() || index->second < d.nDayIndex)
            continue;
        auto filed = day->second.days.find(day->second.Date());
        if (filed == day->second.days.end())
            continue;
        const int top = d.RowTop(i) + 1;
        const int bottom = d.RowTop(i) + h - 1;
        const auto& entries = filed->second.Entries();
        const auto range = filed->second.Candidates(seenFrom, seenTo);
        for (std::size_t k = range.first; k < range.second; ++k) {
            const PlayProgressDayFiling::Entry& e = entries[k];
            const int type = e.pRecord->nType;
            if (!allTypes && (type & d.nTypeMask) != type)
                continue;
            const QRect bar(QPoint(d.VisibleX(d.DaySecondsToX(e.nFrom)), top),
                            QPoint(d.VisibleX(d.DaySecondsToX(e.nTo)), bottom));
            if (bar.intersects(time))
                p.fillRect(bar, BarColour(type));
        }
    }
}

void SFQtPlayProgressPanel::PaintCursors(QPainter& p)
{
    const PlayProgressData& d = *m_pData;
    if (d.nDayWidth <= 0)
        return;
    const int h = d.RowHeight();
    p.setPen(kTextColour);
    if (!d.bSyncCursor) {
        for (int i = 0; i < PlayProgressData::kRows; ++i) {
            const int id = ChannelInRow(i);
            auto cursor = d.cursors.find(id);
            if (id < 0 || cursor == d.cursors.end())
                continue;
            const std::int64_t into = SecondsFromDay(cursor->second, d.GetCurrentDate(id));
            if (into < 0 || into > kDaySeconds)
                continue;
            const int top = d.RowTop(i);
            PaintCursor(p, d.DaySecondsToX(into), top + 1, top + h - 1, top + 2,
                        PlayProgressData::ClockLabel(into), kCutColour);
        }
        return;
    }
    if (d.nSharedCursor <= 0)
        return;
    const std::int64_t into = SecondsFromDay(d.nSharedCursor, d.GetCurrentDate(d.visible[0]));
    const int top = d.RowTop(0);
    PaintCursor(p, d.DaySecondsToX(into), top + 1, d.RowTop(PlayProgressData::kRows) - 1, top + 2,
                PlayProgressData::ClockLabel(into), kCutColour);
}

void SFQtPlayProgressPanel::PaintCursor(QPainter& p, std::int64_t virtualX, int top, int bottom, int labelTop,
                                        const QString& text, const QColor& fill)
{
    const QRect& time = m_pData->timeRect;
    const int x = m_pData->VisibleX(virtualX);
    // A cursor out of view draws neither its line nor its label.
    if (x < time.left() || x > time.right())
        return;
    Rule(p, x, top, x, bottom, p.pen().color());
    PaintCursorLabel(p, x, labelTop, text, fill);
}

void SFQtPlayProgressPanel::PaintCut(QPainter& p, std::int64_t x0, std::int64_t x1)
{
    const PlayProgressData& d = *m_pData;
    const int left = d.VisibleX(std::min(x0, x1));
    const int right = d.VisibleX(std::max(x0, x1));
    const QRect box(QPoint(left, d.RowTop(0)), QPoint(right, d.RowTop(PlayProgressData::kRows) - 1));
    if (!box.intersects(d.timeRect))
        return;
    p.fillRect(box, kCutColour);
    Rule(p, box.left(), box.top(), box.left(), box.bottom(), kTextColour);
    Rule(p, box.right(), box.top(), box.right(), box.bottom(), kTextColour);
}

void SFQtPlayProgressPanel::PaintCursorLabel(QPainter& p, int x, int top, const QString& text,
                                             const QColor& fill)
{
    const QFontMetrics fm(p.font());
    const QSize size(fm.horizontalAdvance(text) + 6, fm.height() + 2);
    QRect box(QPoint(x + 2, top), size);
    if (box.right() > m_pData->timeRect.right())
        box.moveRight(x - 2);
    p.fillRect(box, fill);
    p.setPen(kTextColour);
    p.drawText(box, Qt::AlignCenter, text);
}

// ---- Input ------------------------------------------------------------------------------
//
// After each signal the receiver may have deleted the panel: a guard ends the handler then.

bool SFQtPlayProgressPanel::MoveCut(int x, bool bMove)
{
    PlayProgressData& d = *m_pData;
    int channel = d.nRecordChannel;
    int time = 0;
    if (d.bRecordMode) {
        time = d.XToTime(x);
    } else {
        channel = d.visible[0];
        time = d.DayXToTime(d.GetCurrentDate(channel), x);
    }
    const bool left = d.MoveCutEdge(time);
    const int record = d.FindRecordAt(channel, d.XToPercent(x), nullptr);
    update();
    const CSFQTDeleteGuard guard(this);
    emit PositionChanged(channel, record, time, left, bMove);
    return !guard.IsDeleted();
}

void SFQtPlayProgressPanel::mousePressEvent(QMouseEvent* event)
{
    PlayProgressData& d = *m_pData;
    const QPoint pos = event->position().toPoint();
    if (!d.timeRect.contains(pos))
        return;
    m_bHeld = true;
    const int x = pos.x() - d.timeRect.left();
    if (d.bRecordMode) {
        if (d.bCut) {
            if (!MoveCut(x, false))
                return;
        } else if (d.FindChannel(d.nRecordChannel)) {
            // The press moves the cursor that the drag and the release go on moving.
            const int t = d.XToTime(x);
            if (t >= 0) {
                d.cursors[d.nRecordChannel] = t;
                update();
            }
        }
        emit MousePress(-1);
        return;
    }
    const int row = d.RowAt(pos.y());
    const int channel = ChannelInRow(row);
    if (d.bCut) {
        if (!MoveCut(x, false))
            return;
        if (channel >= 0)
            emit MousePress(channel);
        return;
    }
    m_nPressedRow = row;
    if (channel < 0 || d.XToTime(x) < 0)
        return;
    const int t = d.DayXToTime(d.GetDayDate(channel, d.nDayIndex), x);
    d.cursors[channel] = t;
    d.nHighlight = channel;
    d.nSharedCursor = t;
    update();
    const CSFQTDeleteGuard guard(this);
    emit RememberedPositionChanged(t);
    emit PropertyChanged();
    if (guard.IsDeleted())
        return;
    emit HighlightChannelChanged(channel);
    if (guard.IsDeleted())
        return;
    emit MousePress(channel);
}

void SFQtPlayProgressPanel::mouseMoveEvent(QMouseEvent* event)
{
    PlayProgressData& d = *m_pData;
    const QPoint pos = event->position().toPoint();
    if (!m_bHeld) {
        const int channel = ChannelInRow(d.RowAt(pos.y()));
        if (channel >= 0)
            emit MouseOver(channel, event->globalPosition().toPoint(),
                           d.XToTime(pos.x() - d.timeRect.left()));
        return;
    }
    const int x = TimeAreaX(pos);
    if (d.bCut) {
        MoveCut(x, true);
        return;
    }
    if (d.bRecordMode) {
        if (!d.FindChannel(d.nRecordChannel))
            return;
        d.cursors[d.nRecordChannel] = d.XToTime(x);
        update();
        emit PropertyChanged();
        return;
    }
    const int channel = ChannelInRow(m_nPressedRow);
    if (channel < 0 || d.XToTime(x) <= 0)
        return;
    const int t = d.DayXToTime(d.GetCurrentDate(channel), x);
    d.cursors[channel] = t;
    update();
    const CSFQTDeleteGuard guard(this);
    emit RememberedPositionChanged(t);
    if (guard.IsDeleted())
        return;
    emit PropertyChanged();
}

void SFQtPlayProgressPanel::mouseReleaseEvent(QMouseEvent* event)
{
    PlayProgressData& d = *m_pData;
    const QPoint pos = event->position().toPoint();
    const bool wasHeld = m_bHeld;
    m_bHeld = false;
    const int pressedRow = m_nPressedRow;
    m_nPressedRow = -1;
    const CSFQTDeleteGuard guard(this);
    // The channel the release reports when a branch below settles it before its signals
    // reach the sinks; otherwise it is read once they have run.
    int released = -2;
    if (!d.bRecordMode && d.bPrevDay && d.prevDayRect.contains(pos)) {
        d.StepPrevDay();
        update();
        emit PropertyChanged();
    } else if (!d.bRecordMode && d.bNextDay && d.nextDayRect.contains(pos)) {
        d.StepNextDay();
        update();
        emit PropertyChanged();
    } else if (!d.bRecordMode && d.labelRect.contains(pos)) {
        const int channel = ChannelInRow(d.RowAt(pos.y()));
        if (channel >= 0) {
            d.nHighlight = channel;
            d.GoToCursorDay(channel);
            update();
            emit PropertyChanged();
            if (guard.IsDeleted())
                return;
            emit HighlightChannelChanged(channel);
        }
    } else if (wasHeld && !d.bCut) {
        const int x = TimeAreaX(pos);
        if (d.bRecordMode) {
            const int record = d.FindRecordAt(d.nRecordChannel, d.XToPercent(x), nullptr);
            emit PositionChanged(d.nRecordChannel, record, d.XToTime(x), false, false);
            if (guard.IsDeleted())
                return;
            emit PropertyChanged();
            released = -1;
        } else {
            const int channel = ChannelInRow(pressedRow);
            if (channel >= 0 && d.XToTime(x) > 0) {
                const int t = d.DayXToTime(d.GetCurrentDate(channel), x);
                emit PositionChanged(channel, -1, t, false, false);
                if (guard.IsDeleted())
                    return;
                emit PropertyChanged();
                released = channel;
            }
        }
    }
    if (guard.IsDeleted())
        return;
    // Every press that held the mouse ends in a release the outer control hears, also on the
    // cut edges and on a release at the time area's left edge: its held flag would otherwise
    // stay set and lock out SetPosition and SetCutPos for good.
    if (wasHeld)
        emit MouseRelease(released != -2 ? released : d.bRecordMode ? -1 : ChannelInRow(pressedRow));
}
void SFQtPlayProgressPanel::wheelEvent(QWheelEvent* event)
{
    PlayProgressData& d = *m_pData;
    const QPoint pos = event->position().toPoint();
    if (!d.timeRect.contains(pos))
        return;
    const int delta = event->angleDelta().y();
    const int anchor = pos.x() - d.timeRect.left();
    if (delta > 0)
        d.ZoomIn(anchor);
    else if (delta < 0)
        d.ZoomOut(anchor);
    else
        return;
    update();
    emit PropertyChanged();
}
