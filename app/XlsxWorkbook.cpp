// The workbook is read in one go: the zip container with libarchive, its XML parts with
// TinyXML. Element and attribute names are compared without their namespace prefix, since
// writers differ in the prefixes they use.
#include "app/XlsxWorkbook.h"

#include "base/xml_file.h"

#include <archive.h>
#include <archive_entry.h>
#include <sys/stat.h>
#include <tinyxml.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <memory>
#include <set>

namespace {

// Limits of what is read from the container: each part at most as large as the program's
// other data files, all of them together four times that, and a bounded number of parts.
constexpr std::size_t kMaxPartSize = VesperonBase::kMaxXmlFileSize;
constexpr std::size_t kMaxTotalSize = 4 * kMaxPartSize;
constexpr int kMaxParts = 4096;

struct ArchiveFree
{
    void operator()(struct archive* a) const { archive_read_free(a); }
};
using ArchivePtr = std::unique_ptr<struct archive, ArchiveFree>;

// Part names compare without case (the container's rule) and without a leading '/'.
std::string PartKey(std::string name)
{
    if (!name.empty() && name[0] == '/')
        name.erase(0, 1);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name;
}

bool EndsWith(const std::string& s, const char* end)
{
    const std::size_t n = std::strlen(end);
    return s.size() >= n && s.compare(s.size() - n, n, end) == 0;
}

// The XML parts of the container by key; false when the container does not read or is too
// large.
bool ReadParts(struct archive* a, std::map<std::string, std::string>& parts)
{
    std::size_t total = 0;
    int count = 0;
    struct archive_entry* entry = nullptr;
    for (;;) {
        const int r = archive_read_next_header(a, &entry);
        if (r == ARCHIVE_EOF)
            return true;
        if (r != ARCHIVE_OK && r != ARCHIVE_WARN)
            return false;
        if (++count > kMaxParts)
            return false;
        const char* name = archive_entry_pathname(entry);
        if (!name || archive_entry_filetype(entry) != AE_IFREG)
            continue;
        const std::string key = PartKey(name);
        if (!(EndsWith(key, ".xml") || EndsWith(key, ".rels")) || parts.count(key))
            continue;
        std::string data;
        char buf[16384];
        for (;;) {
            const la_ssize_t n = archive_read_data(a, buf, sizeof buf);
            if (n < 0)
                return false;
            if (n == 0)
                break;
            total += static_cast<std::size_t>(n);
            if (data.size() + static_cast<std::size_t>(n) > kMaxPartSize || total > kMaxTotalSize)
                return false;
            data.append(buf, static_cast<std::size_t>(n));
        }
        parts.emplace(key, std::move(data));
    }
}

const char* LocalName(const char* name)
{
    if (!name)
        return "";
    const char* colon = std::strrchr(name, ':');
    return colon ? colon + 1 : name;
}

bool IsNamed(const TiXmlElement* e, const char* local)
{
    return std::strcmp(LocalName(e->Value()), local) == 0;
}

const TiXmlElement* Child(const TiXmlElement* parent, const char* local)
{
    for (const TiXmlElement* e = parent ? parent->FirstChildElement() : nullptr; e;
         e = e->NextSiblingElement())
        if (IsNamed(e, local))
            return e;
    return nullptr;
}

// The attribute of that local name; with prefixed set, only one written with a prefix
// (the relationship id "r:id" beside a plain "id").
const char* Attribute(const TiXmlElement* e, const char* local, bool prefixed = false)
{
    for (const TiXmlAttribute* a = e->FirstAttribute(); a; a = a->Next()) {
        const char* name = a->Name();
        if (std::strcmp(LocalName(name), local) == 0 && (!prefixed || std::strchr(name, ':')))
            return a->Value();
    }
    return nullptr;
}

std::string ElementText(const TiXmlElement* e)
{
    const char* t = e ? e->GetText() : nullptr;
    return t ? std::string(t) : std::string();
}

// The text of a string item: all its text runs in document order, without the phonetic
// runs. Walked with a stack of its own, so no nesting can exhaust the call stack.
void AppendRuns(const TiXmlElement* e, std::string& out)
{
    std::vector<const TiXmlElement*> next{e->FirstChildElement()};  // per level: the next sibling
    while (!next.empty()) {
        const TiXmlElement* c = next.back();
        if (!c) {
            next.pop_back();
            continue;
        }
        next.back() = c->NextSiblingElement();
        if (IsNamed(c, "t"))
            out += ElementText(c);
        else if (!IsNamed(c, "rPh"))
            next.push_back(c->FirstChildElement());
    }
}

bool Parse(const std::map<std::string, std::string>& parts, const std::string& key, TiXmlDocument& doc)
{
    const auto it = parts.find(key);
    return it != parts.end() && VesperonBase::ParseXmlText(it->second, doc, TIXML_ENCODING_UTF8) &&
           doc.RootElement() != nullptr;
}

// A relationship target relative to the folder of the part that names it, "." and ".."
// resolved; an absolute target ("/xl/...") is taken from the root.
std::string ResolveTarget(const std::string& folder, const std::string& target)
{
    std::string joined = !target.empty() && target[0] == '/' ? target.substr(1) : folder + target;
    std::vector<std::string> segments;
    std::size_t start = 0;
    while (start <= joined.size()) {
        std::size_t end = joined.find('/', start);
        if (end == std::string::npos)
            end = joined.size();
        const std::string seg = joined.substr(start, end - start);
        if (seg == "..") {
            if (!segments.empty())
                segments.pop_back();
        } else if (!seg.empty() && seg != ".") {
            segments.push_back(seg);
        }
        start = end + 1;
    }
    std::string out;
    for (const std::string& seg : segments)
        out += (out.empty() ? "" : "/") + seg;
    return PartKey(out);
}

bool ParseInt(const std::string& text, int& value)
{
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last;
}

std::uint64_t CellKey(int row, int column)
{
    return (static_cast<std::uint64_t>(row) << 32) | static_cast<std::uint32_t>(column);
}

// A cell's value by its type: "s" shared string, "inlineStr", "str" formula text, "b",
// "e" error text, "n" or none a number; any other type reads as its text.
CXlsxWorkbook::Value ReadCell(const TiXmlElement* c, const std::vector<std::string>& shared)
{
    using Type = CXlsxWorkbook::ValueType;
    CXlsxWorkbook::Value value;
    const char* typeAttr = Attribute(c, "t");
    const std::string type = typeAttr ? typeAttr : "n";
    if (type == "inlineStr") {
        if (const TiXmlElement* is = Child(c, "is")) {
            value.type = Type::Text;
            AppendRuns(is, value.text);
        }
        return value;
    }
    const TiXmlElement* v = Child(c, "v");
    if (!v)
        return value;
    const std::string text = ElementText(v);
    if (type == "s") {
        int index = -1;
        if (ParseInt(text, index) && index >= 0 && static_cast<std::size_t>(index) < shared.size()) {
            value.type = Type::Text;
            value.text = shared[static_cast<std::size_t>(index)];
        }
    } else if (type == "n") {
        const char* first = text.data();
        const char* last = text.data() + text.size();
        const auto [end, ec] = std::from_chars(first, last, value.number);
        if (ec == std::errc() && end == last && !text.empty())
            value.type = Type::Number;
    } else if (type == "b" && (text == "0" || text == "1")) {
        value.type = Type::Boolean;
        value.boolean = text == "1";
    } else if (type == "e") {
        value.type = Type::Error;
        value.text = text;
    } else {
        value.type = Type::Text;
        value.text = text;
    }
    return value;
}

// Relationship id -> part, and the ids of the worksheets among them (the relationship
// type's last segment is "worksheet" in every namespace the format has had). A workbook
// without its relationships part has none.
void ReadRelationships(const std::map<std::string, std::string>& parts,
                       std::map<std::string, std::string>& targets, std::set<std::string>& worksheetIds)
{
    TiXmlDocument rels;
    if (!Parse(parts, "xl/_rels/workbook.xml.rels", rels))
        return;
    for (const TiXmlElement* r = rels.RootElement()->FirstChildElement(); r; r = r->NextSiblingElement()) {
        const char* id = Attribute(r, "Id");
        const char* target = Attribute(r, "Target");
        const char* type = Attribute(r, "Type");
        if (!IsNamed(r, "Relationship") || !id || !target)
            continue;
        targets.emplace(id, ResolveTarget("xl/", target));
        if (type && EndsWith(type, "/worksheet"))
            worksheetIds.insert(id);
    }
}

// The shared strings in order; none without their part, false when the part does not parse.
bool ReadSharedStrings(const std::map<std::string, std::string>& parts, std::vector<std::string>& shared)
{
    if (!parts.count("xl/sharedstrings.xml"))
        return true;
    TiXmlDocument strings;
    if (!Parse(parts, "xl/sharedstrings.xml", strings))
        return false;
    for (const TiXmlElement* si = strings.RootElement()->FirstChildElement(); si;
         si = si->NextSiblingElement()) {
        if (!IsNamed(si, "si"))
            continue;
        std::string text;
        AppendRuns(si, text);
        shared.push_back(std::move(text));
    }
    return true;
}

// The cells of a worksheet part (root: its root element) and the range they cover; used is
// left as it is when the sheet has no cell within the limits.
void ReadSheetData(const TiXmlElement* root, const std::vector<std::string>& shared,
                   CXlsxWorkbook::Range& used, std::map<std::uint64_t, CXlsxWorkbook::Value>& cells)
{
    bool any = false;
    int rowNumber = 0;
    for (const TiXmlElement* row = Child(Child(root, "sheetData"), "row"); row;
         row = row->NextSiblingElement()) {
        if (!IsNamed(row, "row"))
            continue;
        // Without its number a row follows the one before, a cell the one before it.
        int r = 0;
        const char* rowRef = Attribute(row, "r");
        rowNumber =
            rowRef && ParseInt(rowRef, r) && r >= 1 && r <= CXlsxWorkbook::kMaxRow ? r : rowNumber + 1;
        int column = 0;
        for (const TiXmlElement* c = row->FirstChildElement(); c; c = c->NextSiblingElement()) {
            if (!IsNamed(c, "c"))
                continue;
            int cellRow = rowNumber;
            int cellColumn = column + 1;
            const char* ref = Attribute(c, "r");
            if (ref && !CXlsxWorkbook::ParseCellReference(ref, cellRow, cellColumn))
                continue;
            if (cellRow > CXlsxWorkbook::kMaxRow || cellColumn > CXlsxWorkbook::kMaxColumn)
                continue;
            column = cellColumn;
            if (!any) {
                used = CXlsxWorkbook::Range{cellRow, cellColumn, cellRow, cellColumn};
                any = true;
            } else {
                used.firstRow = std::min(used.firstRow, cellRow);
                used.firstColumn = std::min(used.firstColumn, cellColumn);
                used.lastRow = std::max(used.lastRow, cellRow);
                used.lastColumn = std::max(used.lastColumn, cellColumn);
            }
            CXlsxWorkbook::Value value = ReadCell(c, shared);
            if (value.type != CXlsxWorkbook::ValueType::Empty)
                cells[CellKey(cellRow, cellColumn)] = std::move(value);
        }
    }
}

}  // namespace

bool CXlsxWorkbook::ParseCellReference(const std::string& ref, int& row, int& column)
{
    std::size_t i = 0;
    int col = 0;
    while (i < ref.size() && std::isalpha(static_cast<unsigned char>(ref[i]))) {
        col = col * 26 + (std::toupper(static_cast<unsigned char>(ref[i])) - 'A' + 1);
        if (col > kMaxColumn)
            return false;
        ++i;
    }
    int r = 0;
    if (i == 0 || i == ref.size() || !ParseInt(ref.substr(i), r) || r < 1 || r > kMaxRow)
        return false;
    row = r;
    column = col;
    return true;
}

bool CXlsxWorkbook::Load(const std::string& path)
{
    // Only a regular file is read: a folder or a device is no workbook.
    struct stat st;
    const bool regular = ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    return LoadZip([&](struct archive* a) {
        return regular ? archive_read_open_filename(a, path.c_str(), 65536) : ARCHIVE_FATAL;
    });
}

bool CXlsxWorkbook::LoadFromMemory(const void* data, std::size_t size)
{
    return LoadZip([&](struct archive* a) { return archive_read_open_memory(a, data, size); });
}

bool CXlsxWorkbook::LoadZip(const std::function<int(struct archive*)>& open)
{
    m_sheets.clear();
    m_activeSheet = 0;
    ArchivePtr a(archive_read_new());
    if (!a || archive_read_support_format_zip(a.get()) != ARCHIVE_OK || open(a.get()) != ARCHIVE_OK)
        return false;
    return LoadArchive(a.get());
}

bool CXlsxWorkbook::LoadArchive(struct archive* a)
{
    std::map<std::string, std::string> parts;
    if (!ReadParts(a, parts))
        return false;

    TiXmlDocument workbook;
    if (!Parse(parts, "xl/workbook.xml", workbook))
        return false;

    std::map<std::string, std::string> targets;
    std::set<std::string> worksheetIds;
    ReadRelationships(parts, targets, worksheetIds);

    std::vector<std::string> shared;
    if (!ReadSharedStrings(parts, shared))
        return false;

    std::vector<Sheet> sheets;
    for (const TiXmlElement* s = Child(Child(workbook.RootElement(), "sheets"), "sheet"); s;
         s = s->NextSiblingElement()) {
        if (!IsNamed(s, "sheet"))
            continue;
        const char* name = Attribute(s, "name");
        const char* id = Attribute(s, "id", true);
        const auto target = id ? targets.find(id) : targets.end();
        if (target == targets.end())
            return false;
        Sheet sheet;
        sheet.name = name ? name : "";
        // A chart sheet (or any other kind of tab) is counted, not read.
        sheet.worksheet = worksheetIds.count(id) != 0;
        if (!sheet.worksheet) {
            sheets.push_back(std::move(sheet));
            continue;
        }
        TiXmlDocument doc;
        if (!Parse(parts, target->second, doc))
            return false;
        ReadSheetData(doc.RootElement(), shared, sheet.used, sheet.cells);
        sheets.push_back(std::move(sheet));
    }

    const TiXmlElement* view = Child(Child(workbook.RootElement(), "bookViews"), "workbookView");
    const char* tab = view ? Attribute(view, "activeTab") : nullptr;
    int active = 0;
    if (tab && ParseInt(tab, active) && active >= 0 && active < static_cast<int>(sheets.size()))
        m_activeSheet = active;
    m_sheets = std::move(sheets);
    return true;
}

void CXlsxWorkbook::SetBlank()
{
    m_sheets.assign(1, Sheet());
    m_sheets[0].name = "Sheet1";
    m_activeSheet = 0;
}

bool CXlsxWorkbook::IsWorksheet(int sheet) const
{
    return sheet >= 0 && sheet < SheetCount() && m_sheets[static_cast<std::size_t>(sheet)].worksheet;
}

int CXlsxWorkbook::WorksheetCount() const
{
    return static_cast<int>(
        std::count_if(m_sheets.begin(), m_sheets.end(), [](const Sheet& s) { return s.worksheet; }));
}

int CXlsxWorkbook::WorksheetTab(int worksheet) const
{
    for (int tab = 0, n = 0; tab < SheetCount(); ++tab) {
        if (m_sheets[static_cast<std::size_t>(tab)].worksheet && n++ == worksheet)
            return tab;
    }
    return -1;
}

std::string CXlsxWorkbook::SheetName(int sheet) const
{
    return sheet >= 0 && sheet < SheetCount() ? m_sheets[static_cast<std::size_t>(sheet)].name
                                              : std::string();
}

CXlsxWorkbook::Range CXlsxWorkbook::UsedRange(int sheet) const
{
    return sheet >= 0 && sheet < SheetCount() ? m_sheets[static_cast<std::size_t>(sheet)].used : Range();
}

CXlsxWorkbook::Value CXlsxWorkbook::CellValue(int sheet, int row, int column) const
{
    if (sheet < 0 || sheet >= SheetCount() || row < 1 || row > kMaxRow || column < 1 || column > kMaxColumn)
        return Value();
    const auto& cells = m_sheets[static_cast<std::size_t>(sheet)].cells;
    const auto it = cells.find(CellKey(row, column));
    return it == cells.end() ? Value() : it->second;
}
