// The focus graph: a small plot that helps focus a camera. The owner feeds it sharpness
// values; it draws them in green on black, follows the highest one, and can show a caption,
// a centre text and a red reference line (see CSFFocusGraphData for the modes). It has no
// sink and no input.
//
// Create takes the rectangle's corners as they stand (the widget reaches right and bottom
// inclusive); afterwards the control stays where Create put it: ShowWindow and MoveWindow
// have no effect.
#pragma once

#include "skin/ext/SFFocusGraphData.h"
#include "skin/ext/SFInterfaceExt.h"

#include <QString>
#include <QWidget>

class CSFQTVideoInFocus : public QWidget, public CSFVideoInFocus
{
    Q_OBJECT

public:
    // Height of mode 2's caption band; the plot is the widget less this much.
    static constexpr int kBandHeight = 50;

    CSFQTVideoInFocus();
    ~CSFQTVideoInFocus() override;

    CSFQTVideoInFocus(const CSFQTVideoInFocus&) = delete;
    CSFQTVideoInFocus& operator=(const CSFQTVideoInFocus&) = delete;

    int Create(const wchar_t* title, DWORD style, const RECT& rc, void* parentUI, UINT id) override;  // 1
    void SetCursor() override;
    int SetSkin(ImageButtonStyle* style) override;  // ignored; 1
    void ShowWindow(int show) override;
    void MoveWindow(RECT* rc) override;
    void MoveWindow(int x, int y, int w, int h) override;
    int AddPointY(int value) override;
    void SetMode(int mode) override;
    void ClearPointY() override;
    // which 0: the caption of mode 2's band; any other: the centre text of mode 0.
    void SetString(const wchar_t* text, int which) override;

    // Read-outs for tests and tools.
    const CSFFocusGraphData& Data() const { return m_data; }
    const QString& Caption() const { return m_caption; }
    const QString& CentreText() const { return m_centreText; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CSFFocusGraphData m_data;
    QString m_caption;
    QString m_centreText;
};
