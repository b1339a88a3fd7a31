// The model of the vertical camera scene, kept apart from its widget: a camera on a pole
// looking down at the ground, the zone of ground it covers, an object standing in the zone,
// and the arithmetic behind the scene's handles, range boxes and owner operations.
//
// Metres: camera height, near distance (pole to where the lower view ray meets the ground),
// zone depth (near distance to the far end), object height, far height (height of the upper
// view ray at the far end). Angles in degrees. The drawing area maps metres to pixels: the
// pole stands at x kPoleX from y kTop down to the ground at kTop + drawing height; the
// horizontal range spans the drawing width and the vertical range the drawing height.
#pragma once

#include "skin/ext/SFSceneMath.h"

#include <utility>
#include <vector>

class CSFVerticalSceneModel
{
public:
    static constexpr double kPi = kScenePi;
    static constexpr double kPoleX = 40.0;
    static constexpr double kTop = 20.0;

    // The handles, by the type each reports with.
    enum HandleType
    {
        kCameraHandle = 1,  // up and down: camera height
        kNearHandle = 2,    // sideways: near end of the zone
        kFarHandle = 3,     // sideways: far end of the zone
        kObjectHandle = 4,  // up and down: object height
        kFarHeightHandle = 5
    };
    // What a change reports to the scene's owner: which (1 the near distance, 0 the far end
    // distance) and the distance in metres, in the order they are to be told.
    using DistanceReports = std::vector<std::pair<int, double>>;

    // The initial scene, its derived values computed.
    CSFVerticalSceneModel();

    // ---- Owner operations ----------------------------------------------------------------
    // The object the owner looks at: near distance = distance, scene width = width covered
    // there; then every derived value.
    void SetObject(double distance, double width);
    // The camera picture's height and width in pixels; then every derived value.
    void SetResolution(double pictureHeight, double pictureWidth);
    // The camera height in metres; the far height and the shares follow.
    void SetCameraHeight(double metres);
    // The drawing area in pixels; a value of 0 or less leaves that side as it is.
    void SetDrawingSize(double width, double height);
    bool HasDrawingSize() const { return m_drawingWidth > 0 && m_drawingHeight > 0; }

    // ---- The range boxes -----------------------------------------------------------------
    // A new vertical range keeps the camera at the same share of the height. Values of 0 or
    // less are refused.
    void SetVerticalRange(double metres);
    // A new horizontal range scales the near distance and zone depth with it.
    void SetHorizontalRange(double metres);

    // ---- Handles -------------------------------------------------------------------------
    // A handle of the given type dragged to coordinate (pixels along its axis, already held
    // within its bounds): the model follows and the reports to send are returned.
    DistanceReports Drag(int type, double coordinate);
    // Whether the handle of that type moves along y (else along x), and its bounds there.
    static bool MovesVertically(int type);
    std::pair<double, double> Bounds(int type) const;

    // ---- Pixels --------------------------------------------------------------------------
    double GroundY() const { return kTop + m_drawingHeight; }
    // The x of a distance from the pole, the y of a height above the ground.
    double XOf(double metres) const;
    double YOf(double metres) const;
    // The inverse: metres from the pole at x, metres above the ground at y.
    double DistanceAt(double x) const;
    double HeightAt(double y) const;

    // ---- Values --------------------------------------------------------------------------
    double DrawingWidth() const { return m_drawingWidth; }
    double DrawingHeight() const { return m_drawingHeight; }
    double HorizontalRange() const { return m_horizontalRange; }
    double VerticalRange() const { return m_verticalRange; }
    double CameraHeight() const { return m_cameraHeight; }
    double HorizontalAngle() const { return m_horizontalAngle; }
    double VerticalAngle() const { return m_verticalAngle; }
    double NearDistance() const { return m_nearDistance; }
    double ZoneDepth() const { return m_zoneDepth; }
    double FarEnd() const { return m_nearDistance + m_zoneDepth; }
    double ObjectHeight() const { return m_objectHeight; }
    double FarHeight() const { return m_farHeight; }
    double SceneWidth() const { return m_sceneWidth; }
    double NearShare() const { return m_nearShare; }
    double FarShare() const { return m_farShare; }

private:
    double VerticalAngleRadians() const { return m_verticalAngle * kPi / 180.0; }
    // The angles from the scene width, near distance and picture size, then as
    // UpdateFarHeight.
    void UpdateAll();
    // The far height from the camera height, near distance, zone depth and vertical angle,
    // then the shares.
    void UpdateFarHeight();
    // The near and far shares of the picture height that the object fills.
    void UpdateShares();
    // Keeps the far end of the zone where it is and turns the view to meet it: the near
    // distance and zone depth that the camera and far heights give.
    void KeepFarEnd();

    double m_drawingWidth = 0.0;
    double m_drawingHeight = 0.0;
    double m_horizontalRange = 30.0;
    double m_verticalRange = 10.0;
    double m_cameraHeight = 5.0;
    double m_horizontalAngle = 0.0;
    double m_verticalAngle = 0.0;
    double m_nearDistance = 15.0;
    double m_zoneDepth = 7.5;
    double m_objectHeight = 4.0;
    double m_farHeight = 0.0;
    double m_sceneWidth = 10.0;
    double m_pictureWidth = 1280.0;
    double m_pictureHeight = 960.0;
    double m_nearShare = 0.0;
    double m_farShare = 0.0;
};
