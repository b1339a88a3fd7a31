// The video window's layout string reader over any text, then what the window does with a
// layout it accepted: rebuild, write, read back, click a bar and regrid.
#include "skin/ext/QTVideoWindowLayout.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>

namespace {

// The windows cover the grid without overlapping and match the count.
void CheckWindows(const CQTVideoWindowLayout& layout)
{
    if (static_cast<int>(layout.Cells().size()) != layout.WindowCount())
        std::abort();
    long long area = 0;
    for (auto a = layout.Cells().begin(); a != layout.Cells().end(); ++a) {
        area += static_cast<long long>(a->second.width()) * a->second.height();
        for (auto b = std::next(a); b != layout.Cells().end(); ++b)
            if (a->second.intersects(b->second))
                std::abort();
    }
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

    // At a window's size, a click on every tenth bar keeps every window a rectangle.
    if (layout.Rows() * layout.Columns() > 4096)
        return 0;
    layout.SetSize(640, 480);
    CheckWindows(layout);
    int n = 0;
    const std::map<int, CQTVideoWindowLayout::SplitterBar> bars = layout.Splitters();
    for (const auto& [key, bar] : bars) {
        if (n++ % 10 != 0)
            continue;
        if (layout.HitTestSplitter(bar.rect.center()))
            layout.ToggleSelectedSplitters();
        CheckWindows(layout);
    }
    layout.SetRows(layout.Rows() + 1);
    layout.SetColumns(layout.Columns() > 1 ? layout.Columns() - 1 : 2);
    CheckWindows(layout);
    return 0;
}
