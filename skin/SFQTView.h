// The container view: a frameless child page that paints a background colour or a
// stretched skin picture, optionally a one-pixel frame and rounded corners, reports size
// and left-button events to its sink, and dispatches the command messages of the controls
// placed on it through the sink's message map.
#pragma once

#include "skin/SFInterface.h"

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class CSFQTButton;
class CSFQTRadioBox;
class CSFQTProgressCtrl;

class CSFQTView : public QWidget, public CSFView
{
    Q_OBJECT

    template <class T>
    struct Same
    {
        typedef T type;
    };

public:
    // Writes the view into the sink's UI window pointer.
    explicit CSFQTView(ISFViewEvent* pEvent);
    // Calls the sink's OnDestroy, then clears its UI window pointer.
    ~CSFQTView() override;
    CSFQTView(const CSFQTView&) = delete;
    CSFQTView& operator=(const CSFQTView&) = delete;

    // ---- CSFView ----
    // rc is read with inclusive right and bottom; shown when style has WS_VISIBLE; calls the
    // sink's OnCreate; returns 1.
    int Create(const wchar_t* className, const wchar_t* title, DWORD style, const RECT& rc, void* parentUI,
               UINT id) override;
    void ShowWindow(int show) override;
    void SetBackground(const wchar_t* name) override;  // skin folder + name
    void MoveWindow(RECT* rc) override;                // inclusive corners
    // A visible view is hidden for the move and shown again.
    void MoveWindow(int x, int y, int w, int h) override;
    void GetViewClientRect(RECT* rc) override;
    void GetViewWindowRect(RECT* rc) override;
    void Screen2Client(POINT* pt) override;
    void Screen2Client(RECT* rc) override;
    int isShow() override;
    int isWindow() override;  // 1 for a top-level window
    int SubclassWindow() override;
    void* UnsubclassWindow() override;
    // Takes effect at the next resize.
    void SetRoundCornerRadius(UINT radius) override;
    // 0xAABBGGRR with alpha = 255 - AA (0 is opaque).
    void SetBGClr(UINT color) override;
    // 0x00BBGGRR, opaque; width 0 draws no frame.
    void SetFrameClr(UINT color, int width) override;

    // ---- Row helpers: controls lined up left to right at the top offset ----
    // The control is re-parented into the view and keeps its size; the first of its kind
    // goes to x = 10, each further one 10 pixels right of the last column of the previous
    // one of the same kind. The button and progress types need only be complete where the
    // helper is called.
    template <class Button = CSFQTButton>
    void AddButton(typename Same<Button>::type* button)
    {
        AddRowWidget(m_buttons, button);
    }
    void AddRadioBox(CSFQTRadioBox* radio);
    template <class Progress = CSFQTProgressCtrl>
    void AddProgressCtrl(typename Same<Progress>::type* progress)
    {
        AddRowWidget(m_progressCtrls, progress);
    }
    void SetTopOffset(int offset) { m_nTopOffset = offset; }
    int GetTopOffset() const { return m_nTopOffset; }

    // ---- Read-outs ----
    ISFViewEvent* Sink() const { return m_pEvent; }
    UINT ControlId() const { return m_nID; }
    const QColor& BackgroundColor() const { return m_bgColor; }
    const QColor& FrameColor() const { return m_frameColor; }
    int FrameWidth() const { return m_nFrameWidth; }
    UINT RoundCornerRadius() const { return m_nRadius; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void customEvent(QEvent* event) override;

private:
    typedef QList<QPointer<QWidget>> RowList;
    void AddRowWidget(RowList& row, QWidget* control);

    int m_nTopOffset;
    QColor m_bgColor;
    QPixmap m_bgPicture;
    int m_nFrameWidth;
    QColor m_frameColor;
    UINT m_nRadius;
    UINT m_nID;
    RowList m_buttons;
    RowList m_radioBoxes;
    RowList m_progressCtrls;
};
