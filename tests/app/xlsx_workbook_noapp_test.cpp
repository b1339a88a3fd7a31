// The automation stand-in over the .xlsx reader: cell values by type, the used range, the
// active sheet, names matched without case, and workbooks that do not open.
#include "app/SFAxObject.h"
#include "app/XlsxWorkbook.h"
#include "tests/common/data_file_test_util.h"
#include "tests/common/test_files.h"
#include "tests/common/xlsx_test_util.h"

#include <gtest/gtest.h>

#include <QString>
#include <QVariant>

#include <sys/stat.h>

#include <memory>
#include <string>

namespace {

constexpr const char* kDeclarationOnly = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// The application with the workbook at path open; workbooks() is its collection.
struct Session
{
    explicit Session(const std::string& path) : app(QStringLiteral("Excel.Application"))
    {
        books = app.querySubObject("WorkBooks");
        if (books)
            books->dynamicCall("Open(const QString&,const QVariant&,const QVariant&)",
                               QString::fromStdString(path), 3, false);
        book = app.querySubObject("ActiveWorkBook");
    }
    CSFAxObject app;
    CSFAxObject* books = nullptr;
    CSFAxObject* book = nullptr;
};

QVariant Value(CSFAxObject* sheet, int row, int column)
{
    CSFAxObject* cell = sheet ? sheet->querySubObject("Cells(int,int)", row, column) : nullptr;
    return cell ? cell->property("Value") : QVariant(QStringLiteral("<no cell object>"));
}

int Count(CSFAxObject* object, const char* sub)
{
    CSFAxObject* o = object ? object->querySubObject(sub) : nullptr;
    return o ? o->property("Count").toInt() : -1;
}

TEST(XlsxWorkbook, CellValuesComeAsTheSpreadsheetProgramGivesThem)
{
    testutil::TempDir dir;
    testutil::XlsxBuilder b;
    const std::string data = "<row r=\"1\">"
                             "<c r=\"A1\"><v>16</v></c>"
                             "<c r=\"B1\"><v>2.5</v></c>"
                             "<c r=\"C1\" t=\"s\"><v>2</v></c>"
                             "<c r=\"D1\" t=\"s\"><v>3</v></c>"
                             "<c r=\"E1\" t=\"inlineStr\"><is><r><t>in</t></r><r><t>line</t></r></is></c>"
                             "<c r=\"F1\" t=\"str\"><f>A1&amp;\"x\"</f><v>16x</v></c>"
                             "<c r=\"G1\" t=\"b\"><v>1</v></c>"
                             "<c r=\"H1\" t=\"e\"><v>#N/A</v></c>"
                             "<c r=\"I1\" s=\"3\"/>"
                             "<c r=\"J1\" t=\"s\"><v>99</v></c>"
                             "</row>";
    b.AddSheetData("Values", data);
    auto parts = b.Parts();
    for (auto& [name, content] : parts) {
        if (name == "xl/sharedStrings.xml")
            content =
                "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                "<si><t>unused</t></si><si><t>also unused</t></si><si><t>N/A</t></si>"
                "<si><r><t>&gt;1</t></r><r><t>6</t></r><rPh sb=\"0\" eb=\"1\"><t>PH</t></rPh></si></sst>";
    }
    const std::string path = dir / "values.xlsx";
    ASSERT_TRUE(testutil::WriteZip(path, parts));

    Session s(path);
    ASSERT_NE(s.book, nullptr);
    CSFAxObject* sheet = s.book->querySubObject("Worksheets(int)", 1);
    const struct
    {
        int column;
        QVariant value;
        const char* text;
    } cases[] = {
        {1, 16.0, "16"},
        {2, 2.5, "2.5"},
        {3, QStringLiteral("N/A"), "N/A"},
        {4, QStringLiteral(">16"), ">16"},
        {5, QStringLiteral("inline"), "inline"},
        {6, QStringLiteral("16x"), "16x"},
        {7, true, "true"},
        {8, QStringLiteral("#N/A"), "#N/A"},
        {9, QVariant(), ""},
        {10, QVariant(), ""},  // a shared string that is not there
        {11, QVariant(), ""},  // no cell at all
    };
    for (const auto& c : cases) {
        const QVariant v = Value(sheet, 1, c.column);
        EXPECT_EQ(v, c.value) << "column " << c.column;
        EXPECT_EQ(v.toString().toStdString(), c.text) << "column " << c.column;
    }
}

// The used range spans the cells present, valued or only formatted, wherever the first one
// is; an empty sheet counts as A1. The active sheet is the tab saved as active.
TEST(XlsxWorkbook, UsedRangeAndActiveSheetFollowTheSpreadsheetProgram)
{
    testutil::TempDir dir;
    testutil::XlsxBuilder b;
    b.AddSheet("Offset", {{}, {"", "", "x"}, {}, {"", "", "", "", "7"}});
    b.AddSheetData("Formatted",
                   "<row r=\"9\"><c r=\"F9\" s=\"1\"/></row><row r=\"2\"><c r=\"B2\"><v>1</v></c></row>");
    b.AddSheetData("Empty", "");
    b.SetActiveTab(1);
    const std::string path = dir / "ranges.xlsx";
    ASSERT_TRUE(b.Write(path));

    Session s(path);
    ASSERT_NE(s.book, nullptr);
    CSFAxObject* sheets = s.book->querySubObject("WorkSheets");
    EXPECT_EQ(Count(s.book, "WorkSheets"), 3);
    const struct
    {
        int sheet;
        int rows;
        int columns;
    } cases[] = {{1, 3, 3}, {2, 8, 5}, {3, 1, 1}};
    for (const auto& c : cases) {
        CSFAxObject* sheet = sheets->querySubObject("Item(int)", c.sheet);
        ASSERT_NE(sheet, nullptr);
        CSFAxObject* used = sheet->querySubObject("UsedRange");
        EXPECT_EQ(Count(used, "Rows"), c.rows) << "sheet " << c.sheet;
        EXPECT_EQ(Count(used, "Columns"), c.columns) << "sheet " << c.sheet;
    }
    // Cells count from A1, not from the used range.
    EXPECT_EQ(Value(sheets->querySubObject("Item(int)", 1), 2, 3), QVariant(QStringLiteral("x")));

    CSFAxObject* active = s.book->querySubObject("ActiveSheet");
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(active->property("Name"), QVariant(QStringLiteral("Formatted")));
    EXPECT_EQ(sheets->querySubObject("Item(int)", 0), nullptr);
    EXPECT_EQ(sheets->querySubObject("Item(int)", 4), nullptr);
}

// Names match without case and up to their '(' as the automation interface matches them.
TEST(XlsxWorkbook, NamesMatchWithoutCase)
{
    testutil::TempDir dir;
    testutil::XlsxBuilder b;
    b.AddSheet("One", {{"a"}});
    const std::string path = dir / "names.xlsx";
    ASSERT_TRUE(b.Write(path));

    EXPECT_FALSE(CSFAxObject(QStringLiteral("excel.application")).isNull());
    EXPECT_TRUE(CSFAxObject(QStringLiteral("Word.Application")).isNull());
    CSFAxObject app(QStringLiteral("EXCEL.APPLICATION"));
    CSFAxObject* books = app.querySubObject("workbooks");
    ASSERT_NE(books, nullptr);
    books->dynamicCall("open (const QString&)", QString::fromStdString(path));
    CSFAxObject* book = app.querySubObject("ACTIVEWORKBOOK");
    ASSERT_NE(book, nullptr);
    EXPECT_EQ(Value(book->querySubObject("worksheets (int)", 1), 1, 1), QVariant(QStringLiteral("a")));
    EXPECT_EQ(Value(book->querySubObject("ACTIVESHEET"), 1, 1), QVariant(QStringLiteral("a")));
    EXPECT_EQ(book->querySubObject("Charts"), nullptr);
    EXPECT_EQ(app.querySubObject("WorkBook"), nullptr);
}

// A workbook that does not open leaves no active workbook; "Add" makes an empty one.
TEST(XlsxWorkbook, BrokenWorkbooksDoNotOpen)
{
    testutil::TempDir dir;
    testutil::XlsxBuilder good;
    good.AddSheet("One", {{"a"}});
    auto parts = good.Parts();

    auto without = [&](const std::string& name) {
        auto p = parts;
        for (auto it = p.begin(); it != p.end(); ++it)
            if (it->first == name) {
                p.erase(it);
                break;
            }
        return p;
    };
    auto replaced = [&](const std::string& name, const std::string& content) {
        auto p = parts;
        for (auto& part : p)
            if (part.first == name)
                part.second = content;
        return p;
    };
    const struct
    {
        const char* name;
        std::vector<std::pair<std::string, std::string>> parts;
    } zips[] = {
        {"no workbook part", without("xl/workbook.xml")},
        {"no sheet part", without("xl/worksheets/sheet1.xml")},
        {"sheet does not parse", replaced("xl/worksheets/sheet1.xml", "<worksheet><sheetData><row>")},
        {"strings do not parse", replaced("xl/sharedStrings.xml", "<sst><si>")},
        {"workbook only a declaration", replaced("xl/workbook.xml", kDeclarationOnly)},
        {"sheet only a declaration", replaced("xl/worksheets/sheet1.xml", kDeclarationOnly)},
        {"strings only a declaration", replaced("xl/sharedStrings.xml", kDeclarationOnly)},
    };
    // A FIFO is refused at once, never opened (an open would wait for a writer).
    ASSERT_EQ(::mkfifo((dir / "fifo.xlsx").c_str(), 0600), 0);
    std::vector<std::string> paths = {dir / "missing.xlsx", dir / "plain.xlsx", dir.Path(),
                                      dir / "fifo.xlsx"};
    testutil::WriteFile(dir / "plain.xlsx", "PK\x03\x04 not really a zip");
    const std::string goodPath = dir / "good.xlsx";
    ASSERT_TRUE(testutil::WriteZip(goodPath, parts));
    for (const auto& z : zips) {
        paths.push_back(dir / (std::string(z.name) + ".xlsx"));
        ASSERT_TRUE(testutil::WriteZip(paths.back(), z.parts));
    }
    for (const std::string& path : paths) {
        CXlsxWorkbook wb;
        EXPECT_FALSE(wb.Load(path)) << path;
        EXPECT_EQ(wb.SheetCount(), 0) << path;
        // A failed load after a good one forgets the good one.
        ASSERT_TRUE(wb.Load(goodPath));
        EXPECT_FALSE(wb.Load(path)) << path;
        EXPECT_EQ(wb.SheetCount(), 0) << path;
        Session s(path);
        EXPECT_EQ(s.book, nullptr) << path;
    }

    Session s(dir / "missing.xlsx");
    s.books->dynamicCall("Add");
    CSFAxObject* book = s.app.querySubObject("ActiveWorkBook");
    ASSERT_NE(book, nullptr);
    EXPECT_EQ(Count(book, "WorkSheets"), 1);
    EXPECT_EQ(book->querySubObject("ActiveSheet")->property("Name"), QVariant(QStringLiteral("Sheet1")));
    book->dynamicCall("Close (Boolean)", false);
    EXPECT_EQ(s.app.querySubObject("ActiveWorkBook"), nullptr);
}

// ---- The container's names, the size bounds, and what a cell or string reads as ----------

using Parts = std::vector<std::pair<std::string, std::string>>;

Parts WithPart(Parts parts, const std::string& name, const std::string& content)
{
    for (auto& part : parts)
        if (part.first == name) {
            part.second = content;
            return parts;
        }
    parts.push_back({name, content});
    return parts;
}

// The relationships part of one sheet whose target is written as given.
std::string SheetRelationships(const std::string& target)
{
    return "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
           "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
           "relationships/worksheet\" Target=\"" +
           target + "\"/></Relationships>";
}

// Entries named with a leading '/', absolute targets and targets through ".." all reach the
// sheet part.
TEST(XlsxWorkbook, PartNamesAndTargetsResolveAsTheContainerReadsThem)
{
    testutil::TempDir dir;
    testutil::XlsxBuilder b;
    b.AddSheet("One", {{"a"}});
    const Parts parts = b.Parts();
    Parts rooted = parts;
    for (auto& part : rooted)
        part.first = "/" + part.first;
    const struct
    {
        const char* name;
        Parts parts;
    } cases[] = {
        {"entries named from the root", rooted},
        {"absolute target",
         WithPart(parts, "xl/_rels/workbook.xml.rels", SheetRelationships("/xl/worksheets/sheet1.xml"))},
        {"target up and down again",
         WithPart(parts, "xl/_rels/workbook.xml.rels", SheetRelationships("../xl/worksheets/sheet1.xml"))},
        {"target through a folder and back",
         WithPart(parts, "xl/_rels/workbook.xml.rels",
                  SheetRelationships("./worksheets/../worksheets/sheet1.xml"))},
    };
    for (const auto& c : cases) {
        const std::string path = dir / (std::string(c.name) + ".xlsx");
        ASSERT_TRUE(testutil::WriteZip(path, c.parts)) << c.name;
        CXlsxWorkbook wb;
        ASSERT_TRUE(wb.Load(path)) << c.name;
        EXPECT_EQ(wb.CellValue(0, 1, 1).text, "a") << c.name;
    }
}

// One part may be as large as a data file (16 MiB) and all of them together four times that;
// one byte more in a part, or more parts than that together, and the workbook does not load.
TEST(XlsxWorkbook, PartsLargerThanTheBoundsDoNotLoad)
{
    testutil::TempDir dir;
    testutil::XlsxBuilder b;
    b.AddSheet("One", {{"a"}});
    const std::size_t mib = 1024 * 1024;
    const auto padded = [&](int count, std::size_t size) {
        Parts parts = b.Parts();
        for (int i = 0; i < count; ++i)
            parts.push_back({"xl/pad" + std::to_string(i) + ".xml", std::string(size, ' ')});
        return parts;
    };
    const struct
    {
        const char* name;
        Parts parts;
        bool loads;
    } cases[] = {
        {"one part of 16 MiB", padded(1, 16 * mib), true},
        {"one part one byte over 16 MiB", padded(1, 16 * mib + 1), false},
        {"four parts of 15 MiB", padded(4, 15 * mib), true},
        {"five parts of 13 MiB", padded(5, 13 * mib), false},
    };
    for (const auto& c : cases) {
        const std::string path = dir / "padded.xlsx";
        ASSERT_TRUE(testutil::WriteZip(path, c.parts)) << c.name;
        CXlsxWorkbook wb;
        EXPECT_EQ(wb.Load(path), c.loads) << c.name;
        EXPECT_EQ(wb.SheetCount(), c.loads ? 1 : 0) << c.name;
    }
}

// What cells and strings read as, where a loose reading would take something else.
TEST(XlsxWorkbook, CellsAndStringsReadOnlyWhatIsWrittenThere)
{
    testutil::TempDir dir;
    testutil::XlsxBuilder b;
    b.AddSheetData("First", "<row r=\"1\">"
                            "<c r=\"A1\"><v>16</v></c>"          // untyped: a number
                            "<c r=\"B1\" t=\"s\"><v>1x</v></c>"  // not shared string 1
                            "<c r=\"C1\" t=\"s\"><v>2</v></c>"   // one past the strings
                            "<c r=\"D1\" t=\"s\"><v>1</v></c>"   // the second string
                            "<c r=\"XFD1\"><v>3</v></c>"         // the last column
                            "</row><row r=\"2\"><c r=\"B2x\"><v>5</v></c></row>");
    b.AddSheet("Second", {{"2"}});
    Parts parts = b.Parts();
    // A plain id written before the relationship id names the second sheet's part.
    for (auto& part : parts)
        if (part.first == "xl/workbook.xml") {
            const std::string from = "name=\"First\" sheetId=\"1\" r:id";
            const std::size_t at = part.second.find(from);
            ASSERT_NE(at, std::string::npos);
            part.second.replace(at, from.size(), "name=\"First\" sheetId=\"1\" id=\"rId2\" r:id");
        }
    // Two strings, with an element that is no string item between them.
    parts = WithPart(parts, "xl/sharedStrings.xml",
                     "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" count=\"2\">"
                     "<si><t>zero</t></si><phoneticPr fontId=\"1\"/><si><t>one</t></si></sst>");
    const std::string path = dir / "cells.xlsx";
    ASSERT_TRUE(testutil::WriteZip(path, parts));

    CXlsxWorkbook wb;
    ASSERT_TRUE(wb.Load(path));
    ASSERT_EQ(wb.SheetCount(), 2);
    using Type = CXlsxWorkbook::ValueType;
    const CXlsxWorkbook::Value a1 = wb.CellValue(0, 1, 1);
    EXPECT_EQ(a1.type, Type::Number);
    EXPECT_EQ(a1.number, 16.0);
    EXPECT_EQ(wb.CellValue(0, 1, 2).type, Type::Empty);
    EXPECT_EQ(wb.CellValue(0, 1, 3).type, Type::Empty);
    EXPECT_EQ(wb.CellValue(0, 1, 4).text, "one");
    EXPECT_EQ(wb.CellValue(0, 1, 4).type, Type::Text);
    EXPECT_EQ(wb.CellValue(0, 1, CXlsxWorkbook::kMaxColumn).number, 3.0);
    EXPECT_EQ(wb.CellValue(0, 2, 2).type, Type::Empty);
    EXPECT_EQ(wb.UsedRange(0).lastRow, 1);  // "B2x" is no cell of row 2
    EXPECT_EQ(wb.UsedRange(0).lastColumn, CXlsxWorkbook::kMaxColumn);
    EXPECT_EQ(wb.CellValue(1, 1, 1).number, 2.0);

    int row = 0, column = 0;
    for (const char* bad : {"B2x", "2B", "B", "B0", "XFE1", "A1048577", "B+2", ""})
        EXPECT_FALSE(CXlsxWorkbook::ParseCellReference(bad, row, column)) << bad;
    ASSERT_TRUE(CXlsxWorkbook::ParseCellReference("xfd1048576", row, column));
    EXPECT_EQ(row, CXlsxWorkbook::kMaxRow);
    EXPECT_EQ(column, CXlsxWorkbook::kMaxColumn);
}

// The active sheet is the saved tab when there is such a sheet, the first otherwise; a load
// does not keep the tab of the workbook read before.
TEST(XlsxWorkbook, ActiveTabOutsideTheSheetsLeavesTheFirstActive)
{
    testutil::TempDir dir;
    const struct
    {
        int tab;
        int active;
    } cases[] = {{1, 1}, {2, 0}, {-1, 0}, {0, 0}, {1, 1}, {3, 0}};
    CXlsxWorkbook wb;
    for (const auto& c : cases) {
        testutil::XlsxBuilder b;
        b.AddSheet("One", {{"1"}});
        b.AddSheet("Two", {{"2"}});
        b.SetActiveTab(c.tab);
        const std::string path = dir / "tabs.xlsx";
        ASSERT_TRUE(b.Write(path));
        ASSERT_TRUE(wb.Load(path));
        EXPECT_EQ(wb.ActiveSheet(), c.active) << "tab " << c.tab;
    }
}

// Worksheets holds the worksheets alone, hidden ones too; Sheets every tab. A chart sheet has
// a name and nothing to read, also when it was the active tab.
TEST(XlsxWorkbook, ChartSheetsAreSheetsButNoWorksheets)
{
    testutil::TempDir dir;
    testutil::XlsxBuilder b;
    b.AddSheet("First", {{"1"}});
    b.AddChartSheet("Chart");
    b.AddSheet("Hidden", {{"2"}});
    b.HideSheet(2);
    b.AddSheet("Last", {{"3"}});
    b.SetActiveTab(1);
    const std::string path = dir / "charts.xlsx";
    ASSERT_TRUE(b.Write(path));

    Session s(path);
    ASSERT_NE(s.book, nullptr);
    EXPECT_EQ(Count(s.book, "WorkSheets"), 3);
    EXPECT_EQ(Count(s.book, "Sheets"), 4);
    CSFAxObject* worksheets = s.book->querySubObject("WorkSheets");
    const char* const worksheetNames[] = {"First", "Hidden", "Last"};
    for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        CSFAxObject* sheet = s.book->querySubObject("Worksheets(int)", i);
        ASSERT_NE(sheet, nullptr);
        EXPECT_EQ(sheet->property("Name"), QVariant(QString::fromLatin1(worksheetNames[i - 1])));
        EXPECT_EQ(Value(sheet, 1, 1), QVariant(static_cast<double>(i)));
        CSFAxObject* item = worksheets->querySubObject("Item(int)", i);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->property("Name"), sheet->property("Name"));
    }
    EXPECT_EQ(s.book->querySubObject("Worksheets(int)", 4), nullptr);

    const char* const tabNames[] = {"First", "Chart", "Hidden", "Last"};
    for (int i = 1; i <= 4; ++i) {
        SCOPED_TRACE(i);
        CSFAxObject* sheet = s.book->querySubObject("Sheets(int)", i);
        ASSERT_NE(sheet, nullptr);
        EXPECT_EQ(sheet->property("Name"), QVariant(QString::fromLatin1(tabNames[i - 1])));
        EXPECT_EQ(sheet->querySubObject("UsedRange") != nullptr, i != 2);
    }
    CSFAxObject* active = s.book->querySubObject("ActiveSheet");
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(active->property("Name"), QVariant(QStringLiteral("Chart")));
    EXPECT_EQ(active->querySubObject("UsedRange"), nullptr);
    EXPECT_EQ(active->querySubObject("Cells(int,int)", 1, 1), nullptr);
}

// A part nested too deep to parse makes a workbook that does not open, in the shared strings
// (whose runs are read level by level) as in a sheet; as deep as may be read, it opens.
TEST(XlsxWorkbook, PartsNestedTooDeepDoNotOpen)
{
    testutil::TempDir dir;
    for (const int depth : testutil::kXmlDepths) {
        SCOPED_TRACE(depth);
        const bool readable = depth <= 256;
        for (const bool inStrings : {true, false}) {
            SCOPED_TRACE(inStrings ? "shared strings" : "sheet");
            testutil::XlsxBuilder b;
            b.Shared("plain");
            // worksheet and sheetData are the first two levels of a sheet.
            b.AddSheetData("Deep", "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>" +
                                       (inStrings ? std::string() : testutil::Nested("x", depth - 2)));
            auto parts = b.Parts();
            for (auto& [name, content] : parts) {
                // sst and si are the first two levels, the text the last.
                if (name == "xl/sharedStrings.xml" && inStrings)
                    content =
                        "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><si>" +
                        testutil::Nested("r", depth - 3, "<t>deep</t>") + "</si></sst>";
            }
            const std::string path = dir / "deep.xlsx";
            ASSERT_TRUE(testutil::WriteZip(path, parts));
            const std::string bytes = testutil::ReadFile(path);
            CXlsxWorkbook wb;
            EXPECT_EQ(readable, wb.LoadFromMemory(bytes.data(), bytes.size()));
            EXPECT_EQ(readable, wb.Load(path));
            Session s(path);
            EXPECT_EQ(readable, s.book != nullptr);
            if (readable) {
                EXPECT_EQ(Value(s.book->querySubObject("Worksheets(int)", 1), 1, 1),
                          QVariant(QString::fromLatin1(inStrings ? "deep" : "plain")));
            }
        }
    }
}

}  // namespace
