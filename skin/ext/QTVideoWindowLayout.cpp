#include "skin/ext/QTVideoWindowLayout.h"

#include "skin/ext/SFInterfaceExt.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

// A number of the layout string: a field that is not a decimal number reads as 0.
int ReadNumber(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

// Splits a record list at "-", except where a "-" starts a number (at the start of a record
// or right after ":"): that one is the number's sign.
QStringList SplitRecords(const QString& list)
{
    QStringList records;
    QString current;
    bool numberStart = true;
    for (const QChar ch : list) {
        if (ch == QLatin1Char('-') && !numberStart) {
            records.append(current);
            current.clear();
            numberStart = true;
            continue;
        }
        current.append(ch);
        numberStart = ch == QLatin1Char(':');
    }
    records.append(current);
    return records;
}

// The numbers of one record, or false when it does not have exactly count of them.
bool ReadRecord(const QString& record, int count, int* out)
{
    const QStringList fields = record.split(QLatin1Char(':'), Qt::KeepEmptyParts);
    if (fields.size() != count)
        return false;
    for (int i = 0; i < count; ++i)
        out[i] = ReadNumber(fields[i]);
    return true;
}

bool IsGridBar(int key, int rows, int columns)
{
    if (key < 0 || (key & ~0x1FFFF) != 0)
        return false;
    const int r = CQTVideoWindowLayout::KeyRow(key);
    const int c = CQTVideoWindowLayout::KeyColumn(key);
    if (CQTVideoWindowLayout::IsVerticalKey(key))
        return r < rows && c < columns - 1;
    return r < rows - 1 && c < columns;
}

}  // namespace

CQTVideoWindowLayout::CQTVideoWindowLayout(int rows, int columns, int width, int height)
    : m_nRows(std::clamp(rows, 1, kMaxGrid)),
      m_nColumns(std::clamp(columns, 1, kMaxGrid)),
      m_nWindowCount(m_nRows * m_nColumns),
      m_nWidth(width),
      m_nHeight(height)
{
    AddMissingBars();
    RebuildCells();
}

CQTVideoWindowLayout::~CQTVideoWindowLayout() = default;

CQTVideoWindowLayout& CQTVideoWindowLayout::operator=(const CQTVideoWindowLayout& other)
{
    if (this == &other)
        return *this;
    const int width = m_nWidth;
    const int height = m_nHeight;
    m_nRows = other.m_nRows;
    m_nColumns = other.m_nColumns;
    m_nWindowCount = other.m_nWindowCount;
    m_nWidth = other.m_nWidth;
    m_nHeight = other.m_nHeight;
    m_splitters = other.m_splitters;
    m_selected.clear();
    FitTo(width, height);
    return *this;
}

// ---- Geometry ---------------------------------------------------------------------------

QRect CQTVideoWindowLayout::UniformCellRect(int r, int c) const
{
    const int cw = m_nWidth / m_nColumns;
    const int ch = m_nHeight / m_nRows;
    const int right = (c + 1) * cw - 1 + (c == m_nColumns - 1 ? m_nWidth % m_nColumns : 0);
    const int bottom = (r + 1) * ch - 1 + (r == m_nRows - 1 ? m_nHeight % m_nRows : 0);
    return QRect(QPoint(c * cw, r * ch), QPoint(right, bottom));
}

QRect CQTVideoWindowLayout::UniformBarRect(int key) const
{
    const int r = KeyRow(key);
    const int c = KeyColumn(key);
    const QRect cell = UniformCellRect(r, c);
    // Ten pixels centred on the grid line after the cell, as long as the cell's side.
    if (IsVerticalKey(key)) {
        const int line = (c + 1) * (m_nWidth / m_nColumns);
        return QRect(QPoint(line - 5, cell.top()), QPoint(line + 4, cell.bottom()));
    }
    const int line = (r + 1) * (m_nHeight / m_nRows);
    return QRect(QPoint(cell.left(), line - 5), QPoint(cell.right(), line + 4));
}

int CQTVideoWindowLayout::SetSize(int width, int height)
{
    if (width == m_nWidth && height == m_nHeight)
        return 0;
    m_nWidth = width;
    m_nHeight = height;
    PlaceBarsUniformly();
    RebuildCells();
    return 1;
}

void CQTVideoWindowLayout::FitTo(int width, int height)
{
    if (!SetSize(width, height))
        RebuildCells();
}

void CQTVideoWindowLayout::PlaceBarsUniformly()
{
    for (auto& [key, bar] : m_splitters)
        bar.rect = UniformBarRect(key);
}

void CQTVideoWindowLayout::AddMissingBars()
{
    for (int r = 0; r < m_nRows; ++r)
        for (int c = 0; c < m_nColumns; ++c) {
            if (c + 1 < m_nColumns)
                m_splitters.emplace(VerticalKey(r, c), SplitterBar{1, UniformBarRect(VerticalKey(r, c))});
            if (r + 1 < m_nRows)
                m_splitters.emplace(HorizontalKey(r, c), SplitterBar{1, UniformBarRect(HorizontalKey(r, c))});
        }
}

int CQTVideoWindowLayout::SetRows(int n)
{
    if (n == m_nRows || n <= 0 || n > kMaxGrid)
        return 0;
    Regrid(n, m_nColumns);
    return 1;
}

int CQTVideoWindowLayout::SetColumns(int n)
{
    if (n == m_nColumns || n <= 0 || n > kMaxGrid)
        return 0;
    Regrid(m_nRows, n);
    return 1;
}

void CQTVideoWindowLayout::Regrid(int rows, int columns)
{
    m_nRows = rows;
    m_nColumns = columns;
    // Bars outside the new grid go; the others take their uniform place, new ones on.
    for (auto it = m_splitters.begin(); it != m_splitters.end();)
        it = IsGridBar(it->first, rows, columns) ? std::next(it) : m_splitters.erase(it);
    PlaceBarsUniformly();
    AddMissingBars();
    m_selected.clear();
    RebuildCells();
}

// ---- Windows ----------------------------------------------------------------------------

bool CQTVideoWindowLayout::IsOn(int key) const
{
    const auto it = m_splitters.find(key);
    return it == m_splitters.end() || it->second.bEnable != 0;
}

void CQTVideoWindowLayout::RebuildCells()
{
    const int rows = m_nRows;
    const int columns = m_nColumns;
    std::vector<int> group(static_cast<size_t>(rows) * static_cast<size_t>(columns), -1);
    auto at = [&](int r, int c) -> int& { return group[static_cast<size_t>(r) * columns + c]; };
    int counter = 0;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            int& g = at(r, c);
            if (g == -1)
                g = counter++;
            if (c + 1 < columns && !IsOn(VerticalKey(r, c))) {
                int& right = at(r, c + 1);
                if (right != -1 && g >= right)
                    g = right;
                else
                    right = g;
            }
            if (r + 1 < rows && !IsOn(HorizontalKey(r, c))) {
                int& below = at(r + 1, c);
                if (below != -1 && g >= below)
                    g = below;
                else
                    below = g;
            }
        }
    }
    m_nWindowCount = counter;
    m_cells.clear();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const QRect cell = UniformCellRect(r, c);
            auto [it, added] = m_cells.emplace(at(r, c), cell);
            if (!added) {
                // The bounding rectangle, corner by corner (also for cells of no size).
                QRect& rc = it->second;
                rc.setCoords(std::min(rc.left(), cell.left()), std::min(rc.top(), cell.top()),
                             std::max(rc.right(), cell.right()), std::max(rc.bottom(), cell.bottom()));
            }
        }
    }
}

const QRect* CQTVideoWindowLayout::Window(int number) const
{
    const auto it = m_cells.find(number);
    return it == m_cells.end() ? nullptr : &it->second;
}

// Every window a rectangle of cells with every bar inside it off and every bar around it
// on: the only shapes the splitter editor makes and the windows can show.
bool CQTVideoWindowLayout::HasRectangularWindows() const
{
    const int rows = m_nRows;
    const int columns = m_nColumns;
    std::vector<int> group(static_cast<size_t>(rows) * static_cast<size_t>(columns), -1);
    auto at = [&](int r, int c) -> int& { return group[static_cast<size_t>(r) * columns + c]; };
    int groups = 0;
    std::vector<std::pair<int, int>> stack;
    for (int r0 = 0; r0 < rows; ++r0) {
        for (int c0 = 0; c0 < columns; ++c0) {
            if (at(r0, c0) != -1)
                continue;
            // Flood the cells joined through merged bars and check they fill their bounds.
            const int g = groups++;
            int count = 0, top = r0, bottom = r0, left = c0, right = c0;
            at(r0, c0) = g;
            stack.assign(1, {r0, c0});
            while (!stack.empty()) {
                const auto [r, c] = stack.back();
                stack.pop_back();
                ++count;
                top = std::min(top, r);
                bottom = std::max(bottom, r);
                left = std::min(left, c);
                right = std::max(right, c);
                const std::pair<int, int> next[] = {{r, c + 1}, {r, c - 1}, {r + 1, c}, {r - 1, c}};
                const int bars[] = {
                    c + 1 < columns ? VerticalKey(r, c) : -1, c > 0 ? VerticalKey(r, c - 1) : -1,
                    r + 1 < rows ? HorizontalKey(r, c) : -1, r > 0 ? HorizontalKey(r - 1, c) : -1};
                for (int i = 0; i < 4; ++i) {
                    if (bars[i] < 0 || IsOn(bars[i]))
                        continue;
                    int& n = at(next[i].first, next[i].second);
                    if (n == -1) {
                        n = g;
                        stack.push_back(next[i]);
                    }
                }
            }
            if (count != (bottom - top + 1) * (right - left + 1))
                return false;
        }
    }
    // Neighbours in one window must be merged (no bar sticking into a window).
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (c + 1 < columns && at(r, c) == at(r, c + 1) && IsOn(VerticalKey(r, c)))
                return false;
            if (r + 1 < rows && at(r, c) == at(r + 1, c) && IsOn(HorizontalKey(r, c)))
                return false;
        }
    }
    return true;
}

// ---- The layout string ------------------------------------------------------------------

int CQTVideoWindowLayout::ToString(QString& out) const
{
    out = QStringLiteral("%1/%2/%3/%4:%5/")
              .arg(m_nRows)
              .arg(m_nColumns)
              .arg(m_nWindowCount)
              .arg(m_nWidth)
              .arg(m_nHeight);
    const QString colon = QStringLiteral(":");
    if (m_splitters.empty())
        out += QLatin1Char('/');
    for (auto it = m_splitters.begin(); it != m_splitters.end(); ++it) {
        const QRect& rc = it->second.rect;
        out += QString::number(it->first) + colon + QString::number(it->second.bEnable) + colon +
               QString::number(rc.left()) + colon + QString::number(rc.top()) + colon +
               QString::number(rc.right()) + colon + QString::number(rc.bottom());
        out += std::next(it) == m_splitters.end() ? QLatin1Char('/') : QLatin1Char('-');
    }
    bool first = true;
    for (const auto& [number, rc] : m_cells) {
        if (!first)
            out += QLatin1Char('-');
        first = false;
        out += QString::number(rc.left()) + colon + QString::number(rc.top()) + colon +
               QString::number(rc.right()) + colon + QString::number(rc.bottom());
    }
    return 1;
}

int CQTVideoWindowLayout::FromString(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('/'), Qt::KeepEmptyParts);
    if (parts.size() != 6)
        return 0;
    int size[2] = {0, 0};
    if (!ReadRecord(parts[3], 2, size))
        return 0;
    CQTVideoWindowLayout read(1, 1, 0, 0);
    read.m_nRows = ReadNumber(parts[0]);
    read.m_nColumns = ReadNumber(parts[1]);
    read.m_nWindowCount = ReadNumber(parts[2]);
    read.m_nWidth = size[0];
    read.m_nHeight = size[1];
    if (read.m_nRows < 1 || read.m_nRows > kMaxGrid || read.m_nColumns < 1 || read.m_nColumns > kMaxGrid)
        return 0;
    if (read.m_nWidth < 0 || read.m_nWidth > kMaxExtent || read.m_nHeight < 0 || read.m_nHeight > kMaxExtent)
        return 0;
    read.m_splitters.clear();
    read.m_cells.clear();
    if (!parts[4].isEmpty()) {
        for (const QString& record : SplitRecords(parts[4])) {
            int v[6];
            if (!ReadRecord(record, 6, v) || !IsGridBar(v[0], read.m_nRows, read.m_nColumns))
                return 0;
            read.m_splitters[v[0]] = {v[1] != 0 ? 1 : 0, QRect(QPoint(v[2], v[3]), QPoint(v[4], v[5]))};
        }
    }
    if (!parts[5].isEmpty()) {
        int number = 0;
        for (const QString& record : SplitRecords(parts[5])) {
            int v[4];
            if (!ReadRecord(record, 4, v))
                return 0;
            read.m_cells[number++] = QRect(QPoint(v[0], v[1]), QPoint(v[2], v[3]));
        }
    }
    // Bars the text leaves out separate their cells.
    read.AddMissingBars();
    if (!read.HasRectangularWindows())
        return 0;
    m_nRows = read.m_nRows;
    m_nColumns = read.m_nColumns;
    m_nWindowCount = read.m_nWindowCount;
    m_nWidth = read.m_nWidth;
    m_nHeight = read.m_nHeight;
    m_splitters.swap(read.m_splitters);
    m_cells.swap(read.m_cells);
    m_selected.clear();
    return 1;
}

// ---- Splitter editing -------------------------------------------------------------------

bool CQTVideoWindowLayout::IsOnForEnable(int key) const { return m_selected.count(key) == 0 && IsOn(key); }

bool CQTVideoWindowLayout::Select(int key)
{
    const auto it = m_splitters.find(key);
    if (it == m_splitters.end())
        return false;
    return m_selected.emplace(key, it->second.rect).second;
}

int CQTVideoWindowLayout::HitTestSplitter(const QPoint& pt)
{
    m_selected.clear();
    for (const auto& [key, bar] : m_splitters) {
        const QRect& rc = bar.rect;
        if (pt.x() < rc.left() || pt.x() > rc.right() || pt.y() < rc.top() || pt.y() > rc.bottom())
            continue;
        Select(key);
        SelectLinkedSplitters(key, bar.bEnable != 0 ? 1 : 0);
        return 1;
    }
    return 0;
}

int CQTVideoWindowLayout::SelectLinkedSplitters(int key, int enabled)
{
    const int r = KeyRow(key);
    const int c = KeyColumn(key);
    std::array<SplitterTriple, 2> ends{};
    int count = 0;
    if (IsVerticalKey(key)) {
        if (r > 0)
            ends[count++] = {HorizontalKey(r - 1, c), HorizontalKey(r - 1, c + 1), VerticalKey(r - 1, c)};
        if (r + 1 < m_nRows)
            ends[count++] = {HorizontalKey(r, c), HorizontalKey(r, c + 1), VerticalKey(r + 1, c)};
    } else {
        if (c > 0)
            ends[count++] = {VerticalKey(r, c - 1), VerticalKey(r + 1, c - 1), HorizontalKey(r, c - 1)};
        if (c + 1 < m_nColumns)
            ends[count++] = {VerticalKey(r, c), VerticalKey(r + 1, c), HorizontalKey(r, c + 1)};
    }
    for (int i = 0; i < count; ++i) {
        if (enabled)
            SelectLinkedForEnable(ends[i]);
        else
            SelectLinkedForDisable(ends[i]);
    }
    return 1;
}

void CQTVideoWindowLayout::SelectLinkedForEnable(const SplitterTriple& triple)
{
    const bool side1 = IsOnForEnable(triple.side1);
    const bool side2 = IsOnForEnable(triple.side2);
    if (side1 && side2)
        return;
    // The continuation is selected only while it is on: one that is already merged must not
    // be switched back on, which would leave overlapping windows.
    if (IsOnForEnable(triple.continuation) && Select(triple.continuation))
        SelectLinkedSplitters(triple.continuation, 1);
    if (side1 != side2) {
        const int side = side1 ? triple.side1 : triple.side2;
        if (Select(side))
            SelectLinkedSplitters(side, 1);
    }
}

void CQTVideoWindowLayout::SelectLinkedForDisable(const SplitterTriple& triple)
{
    if (IsOn(triple.side1) || IsOn(triple.side2) || IsOn(triple.continuation))
        return;
    if (Select(triple.continuation))
        SelectLinkedSplitters(triple.continuation, 0);
}

int CQTVideoWindowLayout::ToggleSelectedSplitters()
{
    if (m_selected.empty())
        return 0;
    for (const auto& [key, rc] : m_selected) {
        auto it = m_splitters.find(key);
        if (it != m_splitters.end())
            it->second.bEnable = it->second.bEnable != 0 ? 0 : 1;
    }
    RebuildCells();
    return 1;
}

// ---- Presets ----------------------------------------------------------------------------

namespace {

struct MergedBlock
{
    int row, column, rows, columns;
};

// A preset drawn for 400 x 300 on a grid without remainders, right and bottom on the next
// grid line: every bar of the grid once (off inside a merged block), then the windows.
std::string PresetString(int rows, int columns, std::initializer_list<MergedBlock> blocks)
{
    const int cw = 400 / columns;
    const int ch = 300 / rows;
    std::vector<int> owner(static_cast<size_t>(rows * columns), -1);
    int block = 0;
    for (const MergedBlock& b : blocks) {
        for (int r = b.row; r < b.row + b.rows; ++r)
            for (int c = b.column; c < b.column + b.columns; ++c)
                owner[static_cast<size_t>(r * columns + c)] = block;
        ++block;
    }
    auto merged = [&](int r1, int c1, int r2, int c2) {
        const int a = owner[static_cast<size_t>(r1 * columns + c1)];
        return a != -1 && a == owner[static_cast<size_t>(r2 * columns + c2)];
    };
    auto join = [](std::initializer_list<int> values) {
        std::string s;
        for (int v : values)
            s += (s.empty() ? "" : ":") + std::to_string(v);
        return s;
    };
    std::map<int, std::string> bars;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c + 1 < columns; ++c)
            bars[CQTVideoWindowLayout::VerticalKey(r, c)] =
                join({CQTVideoWindowLayout::VerticalKey(r, c), merged(r, c, r, c + 1) ? 0 : 1,
                      (c + 1) * cw - 5, r * ch, (c + 1) * cw + 5, (r + 1) * ch});
    for (int r = 0; r + 1 < rows; ++r)
        for (int c = 0; c < columns; ++c)
            bars[CQTVideoWindowLayout::HorizontalKey(r, c)] =
                join({CQTVideoWindowLayout::HorizontalKey(r, c), merged(r, c, r + 1, c) ? 0 : 1, c * cw,
                      (r + 1) * ch - 5, (c + 1) * cw, (r + 1) * ch + 5});
    std::string barList;
    for (const auto& [key, text] : bars)
        barList += (barList.empty() ? "" : "-") + text;
    std::string windows;
    int count = 0;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const int a = owner[static_cast<size_t>(r * columns + c)];
            if (a != -1 && ((c > 0 && merged(r, c, r, c - 1)) || (r > 0 && merged(r, c, r - 1, c))))
                continue;  // not the top-left cell of its block
            const MergedBlock b = a == -1 ? MergedBlock{r, c, 1, 1} : blocks.begin()[a];
            windows += (windows.empty() ? "" : "-") +
                       join({b.column * cw, b.row * ch, (b.column + b.columns) * cw, (b.row + b.rows) * ch});
            ++count;
        }
    }
    return join({rows}) + "/" + join({columns}) + "/" + join({count}) + "/400:300/" + barList + "/" + windows;
}

}  // namespace

const char* CSFVideoWindow::GetDefaultLayout(DEFAULT_LAYOUT layout)
{
    static const std::array<std::string, 10> presets = {
        PresetString(1, 1, {}),
        PresetString(2, 2, {}),
        PresetString(3, 3, {{0, 0, 2, 2}}),
        PresetString(4, 4, {{0, 0, 3, 3}}),
        PresetString(3, 3, {}),
        PresetString(4, 4, {{1, 1, 2, 2}}),
        PresetString(4, 4, {}),
        PresetString(6, 6, {{0, 0, 3, 3}, {0, 3, 3, 3}}),
        PresetString(5, 5, {}),
        PresetString(6, 6, {}),
    };
    const int index = static_cast<int>(layout);
    if (index < 0 || index >= static_cast<int>(presets.size()))
        return nullptr;
    return presets[static_cast<size_t>(index)].c_str();
}
