// The simulation scene: a preview of how tall an object stands in a camera picture, an
// object picture on the bottom edge of a sky-coloured field, scaled to a share of the field's
// height. It has no sink and takes no input.
//
// Create and MoveWindow(RECT*) take the rectangle's corners as they stand (the widget
// reaches right and bottom inclusive); MoveWindow(x, y, w, h) gives a w x h widget.
#pragma once

#include "skin/SFSkinPicture.h"
#include "skin/ext/SFInterfaceExt.h"
#include "skin/ext/SFSceneStyles.h"

#include <QWidget>

class CSFQTSimulationScene : public QWidget, public CSFSimulationScene
{
    Q_OBJECT

public:
    CSFQTSimulationScene();
    ~CSFQTSimulationScene() override;

    CSFQTSimulationScene(const CSFQTSimulationScene&) = delete;
    CSFQTSimulationScene& operator=(const CSFQTSimulationScene&) = delete;

    int Create(const wchar_t* title, DWORD style, const RECT& rc, void* parentUI, UINT id) override;  // 1
    void SetCursor() override;
    // Takes the background (kept, not drawn) and object pictures; 0 for NULL, else 1.
    int SetSkin(ImageSimulationlStyle* style) override;
    void ShowWindow(int show) override;  // no effect
    void MoveWindow(RECT* rc) override;
    void MoveWindow(int x, int y, int w, int h) override;
    // Stores the four values; only the height share (the third) is drawn, the others are the
    // owner's.
    void ChangeScale(double s1, double s2, double heightShare, double s4) override;

    // The height the object is drawn at in a field of the given height: field height x share,
    // cut to whole pixels (0: not drawn).
    static double ObjectHeight(int fieldHeight, double share);

    // Read-outs for tests and tools.
    double Scale1() const { return m_scale1; }
    double Scale2() const { return m_scale2; }
    double HeightShare() const { return m_heightShare; }
    double Scale4() const { return m_scale4; }
    const CSFSkinPicture& Background() const { return m_background; }
    const CSFSkinPicture& Object() const { return m_object; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_scale1 = 0.7767;
    double m_scale2 = 1.0;
    double m_heightShare = 0.538;
    double m_scale4 = 0.7767;
    CSFSkinPicture m_background;
    CSFSkinPicture m_object;
};
