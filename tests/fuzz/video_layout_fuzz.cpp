// The video window's layout string reader over any text, then what the window does with a
// layout it accepted: rebuild, write, read back, click a bar and regrid.
#include "skin/ext/QTVideoWindowLayout.h"

#include <QRect>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <map>
#include <vector>

namespace {

// True when two of the rectangles share a pixel. A sweep over x: each rectangle joins the
// set of column-spanning y ranges at its left edge and leaves it after its right edge; the
// ranges in the set never overlap (else the answer is known), so a joining range need only
// be checked against its two neighbours. n log n for n rectangles. Rectangles without a
// pixel are left out.
bool AnyOverlap(const std::map<int, QRect>& cells)
{
    struct Edge
    {
        long long x;
        bool leaves;
        int top;
        int bottom;
    };
    std::vector<Edge> edges;
    edges.reserve(cells.size() * 2);
    for (const auto& [number, cell] : cells) {
        const QRect r = cell.normalized();
        if (r.isEmpty())
            continue;
        edges.push_back({r.left(), false, r.top(), r.bottom()});
        edges.push_back({static_cast<long long>(r.right()) + 1, true, r.top(), r.bottom()});
    }
    // At the same x, leaving comes first: a rectangle ending at x - 1 does not meet one
    // starting at x.
    std::sort(edges.begin(), edges.end(),
              [](const Edge& a, const Edge& b) { return a.x != b.x ? a.x < b.x : a.leaves > b.leaves; });
    std::map<int, int> active;  // top -> bottom, inclusive
    for (const Edge& e : edges) {
        if (e.leaves) {
            active.erase(e.top);
            continue;
        }
        const auto next = active.lower_bound(e.top);
        if (next != active.end() && next->first <= e.bottom)
            return true;
        if (next != active.begin() && std::prev(next)->second >= e.top)
            return true;
        active.emplace(e.top, e.bottom);
    }
    return false;
}

// The windows cover the grid without overlapping and match the count.
void CheckWindows(const CQTVideoWindowLayout& layout)
{
    if (static_cast<int>(layout.Cells().size()) != layout.WindowCount())
        std::abort();
    if (AnyOverlap(layout.Cells()))
        std::abort();
    long long area = 0;
    for (const auto& [number, cell] : layout.Cells())
        area += static_cast<long long>(cell.width()) * cell.height();
    const QSize size = layout.GetSize();
    if (size.width() > 0 && size.height() > 0 && layout.Rows() <= size.height() &&
        layout.Columns() <= size.width() && area != static_cast<long long>(size.width()) * size.height())
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CQTVideoWindowLayout layout(1, 1, 400, 300);
    QString before;
    layout.ToString(before);
    if (!layout.FromString(text)) {
        QString after;
        layout.ToString(after);
        if (after != before)
            std::abort();  // a refused text changes nothing
        return 0;
    }
    layout.RebuildCells();
    CheckWindows(layout);

    // What the writer writes, the reader reads back to the same text.
    QString written;
    layout.ToString(written);
    CQTVideoWindowLayout again(1, 1, 400, 300);
    if (!again.FromString(written))
        std::abort();
    QString rewritten;
    again.ToString(rewritten);
    if (rewritten != written)
        std::abort();

    // At a window's size, a click on every tenth bar keeps every window a rectangle. On a large
    // grid the clicks are spread wider, at most about 64 of them, as each one is checked.
    if (layout.Rows() * layout.Columns() > 4096)
        return 0;
    layout.SetSize(640, 480);
    CheckWindows(layout);
    int n = 0;
    const std::map<int, CQTVideoWindowLayout::SplitterBar> bars = layout.Splitters();
    const int stride = std::max(10, static_cast<int>(bars.size() / 64) + 1);
    for (const auto& [key, bar] : bars) {
        if (n++ % stride != 0)
            continue;
        if (layout.HitTestSplitter(bar.rect.center())) {
            layout.ToggleSelectedSplitters();
            CheckWindows(layout);
        }
    }
    layout.SetRows(layout.Rows() + 1);
    layout.SetColumns(layout.Columns() > 1 ? layout.Columns() - 1 : 2);
    CheckWindows(layout);
    return 0;
}
