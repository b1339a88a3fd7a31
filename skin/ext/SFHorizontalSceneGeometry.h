// The arithmetic of the horizontal camera scene, kept apart from its widget: the viewing
// angle, the two reference distances with the scene widths they cover, the marker positions
// for a widget width, and the handle that reads the distance and width between the markers.
// All lengths in pixels are widget coordinates; distances and widths are in metres.
#pragma once

#include "skin/ext/SFSceneMath.h"

class CSFHorizontalSceneGeometry
{
public:
    static constexpr double kPi = kScenePi;
    // The apex of the wedge stands this far from the left edge; the far marker as far from
    // the right edge.
    static constexpr double kApexX = 40.0;
    // The handle's centre line lies this far above the bottom edge; a press grabs the handle
    // within kGrabHalfWidth of its x and kGrabHalfHeight of that line.
    static constexpr double kHandleFromBottom = 24.0;
    static constexpr double kGrabHalfWidth = 22.5;
    static constexpr double kGrabHalfHeight = 9.0;
    // A distance given as exactly this value is left unchanged.
    static constexpr double kKeep = -1.0;

    // The scene width covered at distance by a camera of angle degrees: 2 d tan(angle / 2).
    static double WidthAt(double distance, double angleDegrees);

    // angle = degrees; the widths are not recomputed here.
    void SetAngle(double degrees) { m_angle = degrees; }
    // Each distance not equal to kKeep is stored with its width at the current angle; a kept
    // distance keeps its width too.
    void SetDistances(double nearDistance, double farDistance);

    // The markers for a widget of the given width: span (width - 80) / 2, the near marker
    // half-way along the wedge and the far marker at its end.
    void Layout(double widgetWidth);
    // A new widget width that keeps the handle on its width value: once the handle has been
    // read (its width is not 0), the span is set for the new width and the handle moved to
    // where its width lies. The handle stays where it is when the two widths are equal or the
    // new place is not a number.
    void Resize(double widgetWidth);
    // Reads the distance and width at the handle from its x. With no room between the
    // markers (span 0 or less) the handle reads the near values.
    void UpdateHandleValues();

    // Whether a press at (x, y) in a widget of the given height grabs the handle.
    bool HitsHandle(double x, double y, double widgetHeight) const;
    // Moves the handle to x when x lies between the markers (inclusive); false when it stays.
    bool DragTo(double x);

    double Angle() const { return m_angle; }
    double NearDistance() const { return m_nearDistance; }
    double NearWidth() const { return m_nearWidth; }
    double FarDistance() const { return m_farDistance; }
    double FarWidth() const { return m_farWidth; }
    double HandleDistance() const { return m_handleDistance; }
    double HandleWidth() const { return m_handleWidth; }
    double MarkerSpan() const { return m_markerSpan; }
    double HandleX() const { return m_handleX; }
    double NearMarkerX() const { return m_nearMarkerX; }
    double FarMarkerX() const { return m_farMarkerX; }

private:
    double m_angle = 36.0;
    double m_nearDistance = 15.0;
    double m_nearWidth = 10.0;
    double m_farDistance = 22.5;
    double m_farWidth = 15.0;
    double m_handleDistance = 0.0;
    double m_handleWidth = 0.0;
    double m_markerSpan = 0.0;
    double m_handleX = 300.0;
    double m_farMarkerX = 0.0;
    double m_nearMarkerX = 0.0;
};
