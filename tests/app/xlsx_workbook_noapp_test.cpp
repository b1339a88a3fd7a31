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

#include <memory>
#include <string>

namespace {

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
    };
    std::vector<std::string> paths = {dir / "missing.xlsx", dir / "plain.xlsx", dir.Path()};
    testutil::WriteFile(dir / "plain.xlsx", "PK\x03\x04 not really a zip");
    for (const auto& z : zips) {
        paths.push_back(dir / (std::string(z.name) + ".xlsx"));
        ASSERT_TRUE(testutil::WriteZip(paths.back(), z.parts));
    }
    for (const std::string& path : paths) {
        CXlsxWorkbook wb;
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
