// The arithmetic of the image strip, apart from the widget: its areas, the scroll range, where
// each thumbnail lies and which one is under a point. Rectangles are in the widget's own
// coordinates.
//
// The strip is a row of thumbnails in the picture area, the widget less a 200-px information
// panel on the right and a 15-px scroll bar along the bottom. Thumbnails that fit are centred;
// otherwise the row starts at the margin and scrolls.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class CSFImagePanelLayout
{
public:
    static constexpr int kInfoWidth = 200;
    static constexpr int kInfoRows = 4;  // type, name, start time, end time

    CSFImagePanelLayout();

    // Recomputes the areas for a widget of this size.
    void SetWidgetSize(const QSize& size);
    void SetThumbSize(int width, int height);
    void SetSpacing(int margin, int topOffset, int gap);

    QRect PictureArea() const { return m_picture; }      // {0, 0, W - 201, H - 15} inclusive
    QRect InfoArea() const { return m_info; }            // {W - 201, 0, W - 1, H - 1}
    QRect ScrollBarArea() const { return m_scrollBar; }  // {0, H - 15, W - 201, H - 1}
    // The caption and value cells of an information row (0..3), 20 px tall from y 5.
    QRect CaptionRect(int row) const;
    QRect ValueRect(int row) const;

    int Gap() const { return m_nGap; }

    // The largest scroll position for count thumbnails: how far the row (thumbnails, gaps and a
    // margin at each end) reaches past the picture area, 0 when it fits.
    int ScrollMaximum(int count) const;
    // Where thumbnail index of count lies at the scroll position.
    QRect ThumbRect(int index, int count, int scroll) const;
    // A thumbnail starting at or past the right end of the picture area is neither drawn nor hit.
    bool IsThumbShown(const QRect& thumb) const;
    // The first thumbnail whose right edge lies at or right of x (count when none does), found
    // without walking the row, so painting and hit testing cost the same at any scroll position.
    int FirstReaching(int x, int count, int scroll) const;
    // The shown thumbnail under pt inside the picture area, or -1.
    int HitTest(const QPoint& pt, int count, int scroll) const;

private:
    QRect m_picture;
    QRect m_info;
    QRect m_scrollBar;
    QSize m_thumb;
    int m_nMargin;
    int m_nTopOffset;
    int m_nGap;
};
