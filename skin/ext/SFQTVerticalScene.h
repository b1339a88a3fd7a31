// The vertical camera scene: a side view of a camera on a pole looking down at the ground,
// drawn as a graphics scene. The user drags five handles (camera height, near end and far
// end of the covered ground, object height, far height) and two range boxes (metres shown up
// and across); the owner sets the object's distance and width, the picture size and the
// camera height. The sink hears the near and far end distances and the horizontal angle.
//
// Create and MoveWindow(RECT*) take the rectangle's corners as they stand (the widget
// reaches right and bottom inclusive); MoveWindow(x, y, w, h) gives a w x h widget. The
// widget's own mouse, enter and leave events do nothing: input goes to the scene's items.
#pragma once

#include "skin/ext/ISFSliderEvent.h"
#include "skin/ext/SFInterfaceExt.h"
#include "skin/ext/SFSceneStyles.h"
#include "skin/ext/SFVerticalSceneModel.h"

#include <QWidget>

class CSFQTGraphicsLineItem;
class CSFQTPixmapItem;
class CSFQTVSliderItem;
class QGraphicsPathItem;
class QGraphicsScene;
class QGraphicsSimpleTextItem;
class QGraphicsView;
class QSpinBox;

class CSFQTVerticalScene : public QWidget,
                           public CSFVerticalScene,
                           public ISFSliderEvent,
                           public ISFNumSpinerEvent
{
    Q_OBJECT

public:
    static constexpr int kHandleCount = 5;
    static constexpr int kLineCount = 9;
    static constexpr int kLabelCount = 7;
    // The labels, by what they show.
    enum Label
    {
        kCameraHeightLabel,
        kVerticalAngleLabel,
        kNearDistanceLabel,
        kZoneDepthLabel,
        kObjectHeightLabel,
        kFarHeightLabel,
        kFarEndLabel
    };

    explicit CSFQTVerticalScene(ISFVerticalSceneEvent* pEvent);
    ~CSFQTVerticalScene() override;

    CSFQTVerticalScene(const CSFQTVerticalScene&) = delete;
    CSFQTVerticalScene& operator=(const CSFQTVerticalScene&) = delete;

    int Create(const wchar_t* title, DWORD style, const RECT& rc, void* parentUI, UINT id) override;  // 1
    void SetCursor() override;
    // Takes the handle, object and camera pictures and makes the two range boxes (once);
    // 0 for NULL (nothing changes), else 1.
    int SetSkin(ImageVericalStyle* style) override;
    void ShowWindow(int show) override;  // no effect
    void MoveWindow(RECT* rc) override;
    void MoveWindow(int x, int y, int w, int h) override;
    // The object at distance metres, width metres wide there: the horizontal range box follows
    // a new distance (twice it), then the sink hears the horizontal angle, the near distance
    // and the far end distance.
    void SetObjectDW(int distance, int width) override;
    // The drawing area in pixels; 0 (or less) leaves that side as it is. Until it is given,
    // the drawing area follows the widget.
    void SetRealXY(int x, int y) override;
    void SetVirtualHeight(double height) override;
    // The camera picture's height (first) and width (second) in pixels; then as SetObjectDW.
    void SetRes(int first, int second) override;

    void OnSliderMoved(int type, double coordinate) override;
    void OnCurrentNumChanged(UINT id, int value) override;  // no effect

    // Read-outs for tests and tools.
    const CSFVerticalSceneModel& Model() const { return m_model; }
    QGraphicsView* View() const { return m_view; }
    CSFQTVSliderItem* Handle(int type) const;  // type 1..5, else NULL
    QString LabelText(Label label) const;
    QSpinBox* VerticalRangeBox() const { return m_verticalRangeBox; }
    QSpinBox* HorizontalRangeBox() const { return m_horizontalRangeBox; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildScene();
    void MakeRangeBoxes();
    void OnVerticalRange(int value);
    void OnHorizontalRange(int value);
    // Tells the sink the horizontal angle, the near distance and the far end distance. False
    // once the owner has deleted the scene in one of the reports (the rest are not sent).
    bool ReportAll();
    // Places every item from the model.
    void Relayout();

    // The owner's object distance through the horizontal range box (or straight to the model
    // while there is no box): twice the distance, held within the box's range.
    void FollowDistance(int distance);

    CSFVerticalSceneModel m_model;
    // Which sides of the drawing area SetRealXY gave; the others follow the widget.
    bool m_bOwnWidth = false;
    bool m_bOwnHeight = false;
    QGraphicsView* m_view = nullptr;
    QGraphicsScene* m_scene = nullptr;
    QGraphicsPathItem* m_zone = nullptr;
    CSFQTVSliderItem* m_handles[kHandleCount] = {};
    CSFQTPixmapItem* m_objects[2] = {};
    CSFQTPixmapItem* m_camera = nullptr;
    CSFQTGraphicsLineItem* m_lines[kLineCount] = {};
    QGraphicsSimpleTextItem* m_labels[kLabelCount] = {};
    QSpinBox* m_verticalRangeBox = nullptr;
    QSpinBox* m_horizontalRangeBox = nullptr;
};
