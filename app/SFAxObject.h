// A stand-in for the spreadsheet program's automation interface, with the calls the
// spreadsheet importer makes: an object made from a program name, sub-objects by name
// (querySubObject), methods by signature (dynamicCall) and values as properties. Behind it
// sits CXlsxWorkbook, which reads .xlsx workbooks; nothing is ever written. Needs no
// application object.
//
// The object model, as far as it goes:
//   "Excel.Application"         (any case) the application; any other name gives isNull()
//     "WorkBooks"               the open workbooks: "Open(path, ...)" opens one and makes it
//                               the active workbook (a failed open leaves none active), "Add"
//                               makes a new one with one empty sheet "Sheet1", "Count"
//     "ActiveWorkBook"          the active workbook, NULL when there is none
//       "WorkSheets"            its worksheets, hidden ones included: "Count", "Item(int)"
//                               1-based
//       "Worksheets(int)"       one worksheet, 1-based
//       "Sheets", "Sheets(int)" the same over every tab, chart sheets included
//       "ActiveSheet"           the tab that was active when the workbook was saved
//       "Close(...)"            closes it
//         a worksheet:
//         "UsedRange"           first to last used row and column: "Rows" and "Columns",
//                               each with "Count"
//         "Cells(int,int)"      one cell, 1-based from A1: "Value"
//         any other tab (a chart sheet) has only its "Name", as every sheet has
//     "Quit"                    closes every workbook
// Names match without case and up to their first '(' (the automation interface's rule), so
// "Worksheets(int)" and "WorkSheets" name the same thing. A cell's "Value" is a QString for
// text, a double for a number, a bool, an error's text (such as "#N/A"; the spreadsheet
// program would give an error code) or an invalid QVariant for an empty cell.
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include <memory>

class CXlsxWorkbook;

class CSFAxObject : public QObject
{
    Q_OBJECT

public:
    explicit CSFAxObject(const QString& control, QObject* parent = nullptr);
    ~CSFAxObject() override;

    // True when the object stands for nothing (an unknown program name).
    bool isNull() const;

    // The named sub-object, a child of this one deleted with it; NULL for an unknown name or
    // a missing object (no active workbook, a sheet number out of range).
    CSFAxObject* querySubObject(const char* name, const QVariant& a1 = QVariant(),
                                const QVariant& a2 = QVariant());

    // Runs the named method; its result, an invalid QVariant when there is none or the name
    // is unknown here.
    QVariant dynamicCall(const char* function, const QVariant& a1 = QVariant(),
                         const QVariant& a2 = QVariant(), const QVariant& a3 = QVariant());

    struct State;  // what the objects of one application share

private:
    enum class Kind
    {
        Null,
        Application,
        Workbooks,
        Workbook,
        Worksheets,
        Sheets,
        Worksheet,
        OtherSheet,  // a chart sheet or any other tab that is no worksheet
        Range,
        Rows,
        Columns,
        Cell,
    };

    CSFAxObject(Kind kind, std::shared_ptr<State> state, std::shared_ptr<const CXlsxWorkbook> book, int sheet,
                QObject* parent);
    // A child of this object of the kind, on the same workbook unless one is given.
    CSFAxObject* Make(Kind kind, int sheet, std::shared_ptr<const CXlsxWorkbook> book = nullptr);
    // The tab (0-based) of this object's workbook, NULL when there is none.
    CSFAxObject* SheetByTab(int tab);
    // Worksheet number, or with worksheetsOnly false tab number (1-based), of this object's
    // workbook; NULL when there is none.
    CSFAxObject* SheetByNumber(const QVariant& number, bool worksheetsOnly);

    Kind m_kind;
    std::shared_ptr<State> m_state;
    std::shared_ptr<const CXlsxWorkbook> m_book;  // Workbook and below
    int m_sheet;                                  // 0-based tab: Worksheet and below
};
