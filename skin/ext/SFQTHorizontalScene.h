// The horizontal camera scene: a painted top view of a camera's field of view, with a handle
// the user drags between the near and far markers to read the distance and width there.
// It has no sink: the owner sets the angle and distances, the user reads the labels.
//
// Create and MoveWindow(RECT*) take the rectangle's corners as they stand (the widget
// reaches right and bottom inclusive); MoveWindow(x, y, w, h) gives a w x h widget.
#pragma once

#include "skin/SFSkinPicture.h"
#include "skin/ext/SFHorizontalSceneGeometry.h"
#include "skin/ext/SFInterfaceExt.h"
#include "skin/ext/SFSceneStyles.h"

#include <QWidget>

class CSFQTHorizontalScene : public QWidget, public CSFHorizontalScene
{
    Q_OBJECT

public:
    CSFQTHorizontalScene();
    ~CSFQTHorizontalScene() override;

    CSFQTHorizontalScene(const CSFQTHorizontalScene&) = delete;
    CSFQTHorizontalScene& operator=(const CSFQTHorizontalScene&) = delete;

    int Create(const wchar_t* title, DWORD style, const RECT& rc, void* parentUI, UINT id) override;  // 1
    void SetCursor() override;
    // Takes the three pictures of the record; 1, or 0 for NULL (nothing changes).
    int SetSkin(ImageHorizontalStyle* style) override;
    void ShowWindow(int show) override;  // no effect
    void MoveWindow(RECT* rc) override;
    void MoveWindow(int x, int y, int w, int h) override;
    void ChangeAngle(double degrees) override;
    void ChangeDis(double nearDistance, double farDistance) override;

    // Read-outs for tests and tools; the handle's distance and width are read when painting.
    const CSFHorizontalSceneGeometry& Geometry() const { return m_geometry; }
    bool IsDragging() const { return m_bDragging; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void MoveTo(const QRect& geometry);

    CSFHorizontalSceneGeometry m_geometry;
    bool m_bDragging = false;
    CSFSkinPicture m_camera;
    CSFSkinPicture m_handle;
    CSFSkinPicture m_handlePressed;
};
