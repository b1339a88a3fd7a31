#include "skin/ext/SFFocusGraphData.h"

#include <algorithm>

int CSFFocusGraphData::AddPointY(int value)
{
    if (m_mode != 1) {
        m_reference = value;
        return 1;
    }
    if (static_cast<int>(m_points.size()) >= kMaxPoints)
        return 0;
    if (!m_points.empty() && m_points.back() == value)
        return 1;
    if (value > m_peak) {
        m_peak = value;
        m_peakIndex = static_cast<int>(m_points.size());
    }
    m_points.push_back(value);
    return 1;
}

void CSFFocusGraphData::SetMode(int mode)
{
    m_mode = mode;
    if (mode == 0)
        m_peak = 0;
}

void CSFFocusGraphData::ClearPointY()
{
    m_peak = 0;
    m_points.clear();
}

CSFFocusGraphData::Window CSFFocusGraphData::Shown() const
{
    const int n = static_cast<int>(m_points.size());
    if (m_peak <= 0 || n == 0)
        return {};
    if (m_mode == 1) {
        const int count = std::min(n, kShown);
        return {n - count, count};
    }
    if (m_mode == 2) {
        if (n < kShown)
            return {0, n};
        // The peak index may be older than the values (they were cleared since): held inside.
        const int peak = std::clamp(m_peakIndex, 0, n - 1);
        const int first = std::max(0, peak - kBeforePeak);
        return {first, std::min(n, first + kShown) - first};
    }
    return {};
}

double CSFFocusGraphData::Scale(double plotHeight) const { return m_peak > 0 ? plotHeight / m_peak : 0.0; }
