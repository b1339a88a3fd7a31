// The static text: a label that paints itself and grows to fit its text.
//
// Create reads its rectangle one past, Win32-style (the widget covers left..right-1,
// top..bottom-1), and so does MoveWindow(RECT*).
#pragma once

#include "skin/SFInterface.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QRect>

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
