// The split layout of the video window: a grid of rows x columns whose neighbouring cells are
// separated by splitter bars that can be switched off to merge cells into larger windows.
// The model holds the bars, derives the windows from them, reads and writes the layout
// string and carries the splitter editor (hit test, linked selection, toggle). It uses no
// widgets, so it is tested on its own.
//
// The layout string: six fields joined by "/":
//   rows / columns / window count / width ":" height / bars / windows
// bars: records "key:enable:left:top:right:bottom" joined by "-"; windows: records
// "left:top:right:bottom" joined by "-". Negative numbers are written with their sign, so a
// "-" that starts a number (at the start of a record or after ":") is a sign and any other
// "-" separates records.
//
// Bar keys (r, c 0-based, below 256): the vertical bar in row r between columns c and c + 1
// is 0x10000 | r << 8 | c; the horizontal bar in column c between rows r and r + 1 is
// r << 8 | c. Rectangles are inclusive (right = left + width - 1).
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <map>

class CQTVideoWindowLayout
{
public:
    // The largest row or column count: a bar key holds r and c in 8 bits each.
    static constexpr int kMaxGrid = 256;
    // The largest width or height a layout string may give.
    static constexpr int kMaxExtent = 16777215;

    struct SplitterBar
    {
        int bEnable;  // 1: separates its two cells; 0: the two cells are merged
        QRect rect;
    };

    // The three other bars that meet at one end of a bar.
    struct SplitterTriple
    {
        int side1;
        int side2;
        int continuation;
    };

    // The full uniform grid, every bar on. rows and columns are clamped to 1..kMaxGrid.
    CQTVideoWindowLayout(int rows, int columns, int width, int height);
    virtual ~CQTVideoWindowLayout();
    // A plain copy, size included.
    CQTVideoWindowLayout(const CQTVideoWindowLayout& other) = default;
    // Takes the other layout's grid and bars, empties the selection and rescales the result
    // to the size this layout had before.
    CQTVideoWindowLayout& operator=(const CQTVideoWindowLayout& other);

    static int VerticalKey(int r, int c) { return 0x10000 | (r << 8) | c; }
    static int HorizontalKey(int r, int c) { return (r << 8) | c; }
    static bool IsVerticalKey(int key) { return (key & 0x10000) != 0; }
    static int KeyRow(int key) { return (key >> 8) & 0xFF; }
    static int KeyColumn(int key) { return key & 0xFF; }

    // Writes the layout string. Returns 1.
    int ToString(QString& out) const;
    // Reads a layout string: 1 when read, 0 (and the model unchanged) when it is refused.
    // Refused: other than six fields; rows or columns outside 1..kMaxGrid; a width or height
    // outside 0..kMaxExtent; a record with too few or too many numbers; a bar key that is no
    // bar of the grid; flags that leave a window that is not a rectangle. A field that is not
    // a number reads as 0. Bars the grid needs but the text lacks are added, on, at their
    // uniform place. The window count and the window list are kept as read: the caller
    // follows with SetSize or RebuildCells, which derive them from the bars.
    int FromString(const QString& text);

    QSize GetSize() const { return QSize(m_nWidth, m_nHeight); }
    // 0 when the size is unchanged; otherwise every bar takes its uniform place for the new
    // size (keeping its flag), the windows are rebuilt and 1 is returned.
    int SetSize(int width, int height);
    // Takes the size and derives the windows from the bars, whether or not the size changed.
    void FitTo(int width, int height);
    // Regrids to n rows (n columns), keeping the flags of the bars that stay; new bars are
    // on. 0 when n is unchanged or outside 1..kMaxGrid.
    int SetRows(int n);
    int SetColumns(int n);

    // Derives the windows from the bar flags: numbered by their top-left cell in row-major
    // order, each the bounding rectangle of its cells. A bar missing from the map separates.
    void RebuildCells();

    // ---- Splitter editing -----------------------------------------------------------------
    // Selects the first bar (in key order) whose rectangle holds the point, edges included,
    // with the bars that must change with it so that every window stays a rectangle. 0 and
    // an empty selection when no bar is hit.
    int HitTestSplitter(const QPoint& pt);
    // Flips every selected bar and rebuilds; the selection is kept. 0 when it is empty.
    int ToggleSelectedSplitters();
    // Adds the bars linked at both ends of the bar: enabled = 1 when the bar is to be merged,
    // 0 when it is to be split again. Returns 1.
    int SelectLinkedSplitters(int key, int enabled);
    void SelectLinkedForEnable(const SplitterTriple& triple);
    void SelectLinkedForDisable(const SplitterTriple& triple);

    // ---- Read-outs ------------------------------------------------------------------------
    int Rows() const { return m_nRows; }
    int Columns() const { return m_nColumns; }
    int WindowCount() const { return m_nWindowCount; }
    const std::map<int, SplitterBar>& Splitters() const { return m_splitters; }
    // Window number -> rectangle.
    const std::map<int, QRect>& Cells() const { return m_cells; }
    // Selected bar key -> its rectangle.
    const std::map<int, QRect>& Selected() const { return m_selected; }
    // The window with that number, or nullptr.
    const QRect* Window(int number) const;

private:
    QRect UniformBarRect(int key) const;
    QRect UniformCellRect(int r, int c) const;
    // Every bar of the grid that the map lacks is added, on, at its uniform place.
    void AddMissingBars();
    // Every bar takes its uniform place for the current size, keeping its flag.
    void PlaceBarsUniformly();
    // The bar's flag counted for a merge: selected and missing bars count as off / on.
    bool IsOnForEnable(int key) const;
    bool IsOn(int key) const;
    bool Select(int key);
    bool HasRectangularWindows() const;
    // The grid becomes rows x columns; bars that stay keep their flags.
    void Regrid(int rows, int columns);

    int m_nRows;
    int m_nColumns;
    int m_nWindowCount;
    int m_nWidth;
    int m_nHeight;
    std::map<int, SplitterBar> m_splitters;
    std::map<int, QRect> m_cells;
    std::map<int, QRect> m_selected;
};
