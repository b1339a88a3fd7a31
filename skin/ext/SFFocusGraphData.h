// What the focus graph plots, kept apart from its widget: the sharpness values fed in while a
// camera is focused, the highest of them, a reference value, and which values the curve of
// each mode shows and at what scale.
//
// Modes: 0 text only, 1 the live curve of the newest values, 2 the curve around the peak with
// a reference line. Any other mode shows no curve.
#pragma once

#include <vector>

class CSFFocusGraphData
{
public:
    // The most values kept, and the most one curve shows.
    static constexpr int kMaxPoints = 1001;
    static constexpr int kShown = 100;
    // Mode 2 shows this many values before the peak.
    static constexpr int kBeforePeak = 50;

    // In mode 1: stores the value unless it repeats the last one, and makes it the peak when
    // it is above the peak; 0 when kMaxPoints values are already kept, else 1. In any other
    // mode the value becomes the reference value (1).
    int AddPointY(int value);
    // Mode 0 also forgets the peak value (the values stay).
    void SetMode(int mode);
    // Forgets the values and the peak value.
    void ClearPointY();

    // The values the current mode's curve shows: first index and count (count 0: no curve).
    // Mode 1: the newest kShown. Mode 2: kBeforePeak values before the peak (not before the
    // first) on to kShown values in all, or to the newest; all of them while fewer than kShown
    // are kept. There is no curve while the peak value is 0 or less, as nothing sets its scale.
    struct Window
    {
        int first = 0;
        int count = 0;
    };
    Window Shown() const;
    // Pixels per unit of value for a plot of the given height: height / peak; 0 while the peak
    // value is 0 or less.
    double Scale(double plotHeight) const;

    const std::vector<int>& Points() const { return m_points; }
    int Mode() const { return m_mode; }
    int Peak() const { return m_peak; }
    int PeakIndex() const { return m_peakIndex; }
    int Reference() const { return m_reference; }

private:
    std::vector<int> m_points;
    int m_mode = 0;
    int m_peak = 0;
    int m_peakIndex = -1;
    int m_reference = 0;
};
