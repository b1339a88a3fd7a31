// Four simple controls: the static text (a label that paints itself and grows to fit its
// text), the picture control (a skin picture stretched over the control with a centred
// caption), the list box (a plain list of strings) and the group box (a titled frame).
//
// Create reads its rectangle Win32-style (the widget covers left..right-1, top..bottom-1).
// MoveWindow(RECT*) differs per control: the static reads it like Create, the picture
// control and the group box as inclusive corners, the list box as width right-left+1.
#pragma once

#include "skin/SFInterface.h"

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QString>

// ---- Static text ------------------------------------------------------------------------

class CSFQTStatic : public QLabel, public CSFStatic
{
    Q_OBJECT

public:
    explicit CSFQTStatic(ISFStaticEvent* pEvent);
    ~CSFQTStatic() override;

    CSFQTStatic(const CSFQTStatic&) = delete;
    CSFQTStatic& operator=(const CSFQTStatic&) = delete;

    // Sets the text, then sizes the control by the grow rule from rc (measured with the
    // paint font). Returns 1.
    int Create(const wchar_t* text, DWORD style, const RECT& rc, void* parentUI, UINT id) override;
    void SetCursor() override;
    int SetSkin() override;  // 1
    void ShowWindow(int show) override;
    void MoveWindow(RECT* rc) override;  // right and bottom less 1, as Create
    void MoveWindow(int x, int y, int w, int h) override;
    // Copies at most size - 1 characters and a terminating 0 into buf; size <= 0 or a null
    // buf writes nothing. Returns 0.
    int GetStaticText(wchar_t* buf, int size) const override;
    // Sets the text, then applies the grow rule from the present geometry (measured with the
    // widget's font).
    void SetStaticText(const wchar_t* text) override;
    // Converts DT_ flags (DT_CENTER, DT_RIGHT, DT_VCENTER, DT_WORDBREAK, DT_SINGLELINE) into
    // the drawing flags, discarding the previous ones.
    void SetTextAlignFlag(UINT dtFlags) override;
    UINT GetTextAlignFlag() override;  // the converted drawing flags
    void SetTextColor(UINT colorref) override;
    void SetTextBold(int bold) override;
    void GetTextSize(int& w, int& h) override;  // the control's size
    void SetBgColor(UINT colorref, int fill) override;
    // px > 0 becomes the pixel size; the style sheet "QLabel {font-size:<px>px;}" is set
    // in any case.
    void SetTextSize(int px) override;
    void GetStaticCtrolPos(RECT& rc) override;  // inclusive right and bottom
    void SetTextOffset(int x) override;         // left edge of the text
    void SetWordWrap(int on) override;
    int GetWordWrap() override;
    void SetWrapAnywhere(int on) override;
    int GetWrapAnywher() override;
    void SetTooltipEnable(int enable) override;  // stored only
    void SetToolTipText(const wchar_t* text) override;
    RECT GetGeometry() override;  // inclusive right and bottom

    // The font the control paints with: the widget's font, bold or normal, at the pixel size.
    QFont PaintFont() const;
    int TextPixelSize() const { return m_nPixelSize; }
    QColor TextColor() const { return m_textColor; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Grow(const QRect& start, const QFont& font);

    int m_nBold;
    QColor m_textColor;
    QColor m_bgColor;
    int m_nFlags;
    int m_nPixelSize;
    int m_nFillBg;
    int m_nTextOffset;
    int m_nWordWrap;
    int m_nWrapAnywhere;
    int m_nTooltipEnable;
};

// ---- Picture ----------------------------------------------------------------------------

class CSFQTPictureCtrl : public QLabel, public CSFPictureCtrl
{
    Q_OBJECT

public:
    explicit CSFQTPictureCtrl(ISFPictureCtrlEvent* pEvent);
    ~CSFQTPictureCtrl() override;

    CSFQTPictureCtrl(const CSFQTPictureCtrl&) = delete;
    CSFQTPictureCtrl& operator=(const CSFQTPictureCtrl&) = delete;

    int Create(const wchar_t* text, DWORD style, const RECT& rc, void* parentUI, UINT id) override;  // 1
    void SetCursor() override;
    int SetSkin() override;  // 1
    void ShowWindow(int show) override;
    void MoveWindow(RECT* rc) override;  // inclusive corners
    void MoveWindow(int x, int y, int w, int h) override;
    // Loads skin folder + name (a file that does not load leaves no picture).
    void SetImage(const wchar_t* name) override;
    void SetDrawPicture(int draw) override;  // no effect
    void* GetHWnd() override;                // the QWidget*
    void SetWindowTextW(const wchar_t* text) override;

    const QPixmap& Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

// ---- List box ---------------------------------------------------------------------------

// Mouse presses, releases and moves go to the sink only: the mouse never selects a row,
// SetCurSel does.
class CSFQTListBox : public QListWidget, public CSFListBox
{
    Q_OBJECT

public:
    explicit CSFQTListBox(ISFListBoxEvent* pEvent);
    ~CSFQTListBox() override;

    CSFQTListBox(const CSFQTListBox&) = delete;
    CSFQTListBox& operator=(const CSFQTListBox&) = delete;

    int Create(DWORD style, const RECT& rc, void* parentUI, UINT id) override;  // 1
    void SetCursor() override;
    int SetSkin() override;  // 0
    void ShowWindow(int show) override;
    void MoveWindow(RECT* rc) override;  // width right - left + 1
    void MoveWindow(int x, int y, int w, int h) override;
    int GetCount() override;
    // Copies row index's characters into buf WITHOUT a terminator and returns their number;
    // buf must hold the whole row text. Out of range (or a null buf): -1, nothing written.
    int GetText(int index, wchar_t* buf) override;
    int GetCurSel() override;                     // -1 when none
    int SetCurSel(int index) override;            // -1 when out of range
    int AddString(const wchar_t* text) override;  // the new row's index
    int DeleteString(UINT index) override;        // the count afterwards

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

// ---- Group box --------------------------------------------------------------------------

class CSFQTGroupBox : public QGroupBox, public CSFGroupBox
{
    Q_OBJECT

public:
    explicit CSFQTGroupBox(ISFGroupBoxEvent* pEvent);
    ~CSFQTGroupBox() override;

    CSFQTGroupBox(const CSFQTGroupBox&) = delete;
    CSFQTGroupBox& operator=(const CSFQTGroupBox&) = delete;

    int Create(const wchar_t* text, DWORD style, const RECT& rc, void* parentUI, UINT id) override;  // 1
    void SetCursor() override;
    int SetSkin() override;              // 0
    void ShowWindow(int show) override;  // no effect
    void MoveWindow(RECT* rc) override;  // inclusive corners
    void MoveWindow(int x, int y, int w, int h) override;
    void SetWindowTextW(const wchar_t* text) override;
    int GetWindowTextW(wchar_t* buf, int size) override;  // -1, copies nothing
};
