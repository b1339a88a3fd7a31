// A read-only reader of .xlsx workbooks (the zip container and the few XML parts that hold
// sheets and cell values), for the spreadsheet importer's automation stand-in. It reads
// what the spreadsheet program shows through its automation interface: the sheets in tab
// order, the active tab, each worksheet's used range and every cell's value. Formats, formulas
// and styles are not read (a formula cell gives its saved result). Texts come as the XML
// parser gives them: runs of white space read as one space, with none at either end (where
// the spreadsheet program keeps them). No widgets, no Qt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

class CXlsxWorkbook
{
public:
    enum class ValueType
    {
        Empty,    // no cell, or a cell without a value
        Text,     // a shared string, an inline string or a formula's text result
        Number,   // a number (dates are numbers too)
        Boolean,  // TRUE or FALSE
        Error,    // an error value, as its text such as "#N/A"
    };

    struct Value
    {
        ValueType type = ValueType::Empty;
        std::string text;  // Text and Error: UTF-8
        double number = 0.0;
        bool boolean = false;
    };

    // 1-based, inclusive: the rows and columns from the first to the last cell element of the
    // sheet, valued or only formatted. An empty sheet gives A1:A1.
    struct Range
    {
        int firstRow = 1;
        int firstColumn = 1;
        int lastRow = 1;
        int lastColumn = 1;
    };

    // The largest row and column the spreadsheet program has.
    static constexpr int kMaxRow = 1048576;
    static constexpr int kMaxColumn = 16384;

    // Reads the workbook at path (or in the bytes given) whole, replacing what was read
    // before. False, with nothing read, when it is no zip archive, a part is larger than
    // 16 MiB, or the workbook part, one of its worksheets or the shared strings do not parse
    // (a part nested deeper than VesperonBase::kMaxXmlDepth does not).
    bool Load(const std::string& path);
    bool LoadFromMemory(const void* data, std::size_t size);
    // A new workbook's content: one empty sheet "Sheet1".
    void SetBlank();

    // Sheets are counted as tabs (0-based, in tab order): worksheets, chart sheets and any
    // other kind. Only worksheets are read; any other tab has a name and nothing else.
    int SheetCount() const { return static_cast<int>(m_sheets.size()); }
    bool IsWorksheet(int sheet) const;
    // The worksheets alone, hidden ones included, as the spreadsheet program counts them.
    int WorksheetCount() const;
    // The tab of the worksheet (0-based among the worksheets); -1 for one out of range.
    int WorksheetTab(int worksheet) const;
    // The tab that was active when the workbook was saved (0-based; the first by default).
    int ActiveSheet() const { return m_activeSheet; }
    // The sheet's tab name; empty for an index out of range.
    std::string SheetName(int sheet) const;
    // The used range of the sheet; A1:A1 for an index out of range.
    Range UsedRange(int sheet) const;
    // The value at (row, column), 1-based from A1; Empty outside the sheet or range.
    Value CellValue(int sheet, int row, int column) const;

    // "B12" -> row 12, column 2; false for anything else or beyond the sheet's limits.
    static bool ParseCellReference(const std::string& ref, int& row, int& column);

private:
    struct Sheet
    {
        std::string name;
        bool worksheet = true;
        Range used;
        std::map<std::uint64_t, Value> cells;  // key: row << 32 | column
    };

    // Forgets what was read, then reads the workbook from a fresh zip reader that open
    // (returning an archive result code) has opened on the source.
    bool LoadZip(const std::function<int(struct archive*)>& open);
    bool LoadArchive(struct archive* a);

    std::vector<Sheet> m_sheets;
    int m_activeSheet = 0;
};
