// The spreadsheet importer: reads the two recorder tables out of a workbook through the
// spreadsheet program's automation interface (here the stand-in CSFAxObject, which reads
// .xlsx files), so that the table writers can save them as the program's XML files. A tool
// of the data side: the running program never makes one.
//
// Layout of the workbooks:
// - the capability table is the active sheet: one block of 12 rows per series s = 0..5 from
//   row 12*s + 1; the block's first row holds the series type in column 1, its next ten rows
//   the resolutions and columns 2..7 the six frame rates, both in the order of the
//   capability slots (slot = resolution * 6 + frame rate);
// - the model table is one sheet per series (sheet 1 = group 0), one model a row from row 2:
//   columns 2 model, 3 maker's code, 4 channels, 5 disk bays, 6 bandwidth, 7 picture and 8
//   framed picture (when empty: the picture's name with "_Frame" before its extension).
// A workbook that holds both tables gives its capability sheet as model group 0 as well.
#pragma once

#include "app/recorder_tables.h"

#include <QObject>

#include <string>

class CSFAxObject;

class CSaveToExcel : public QObject
{
    Q_OBJECT

public:
    explicit CSaveToExcel(QObject* parent = nullptr);
    ~CSaveToExcel() override;

    // Opens the workbook at path (UTF-8) in the spreadsheet program, made on the first call.
    // False when the workbook did not open; the reads then see a new, empty workbook.
    bool Open(const std::string& path);

    // Fills the six records from the active sheet: every slot gets the block's type (at most
    // 31 bytes) and the cell's text (at most 49), cut on a UTF-8 boundary. Only columns 2..7
    // are read, whatever the sheet holds beyond them. For series 2, 4 and 5 a text exactly
    // ">16", ">48" or ">80" also sets the slot's flag; other flags are left as they are.
    // (The table loader sets the flags at fixed slots only, so an imported table and the same
    // table saved and loaded again may differ in flags; flags are not saved.)
    // Without an open workbook or an active sheet nothing is read.
    void ReadCapabilityTable(NVRCapabilityTable& records);

    // Fills rows 0..59 of groups 0..5 from sheets 1..6, rows 2..61 of each; rows and sheets
    // beyond are ignored. The row count is that of the sheet's used range, which starts at the
    // first used cell as in the spreadsheet program: a sheet whose first row is empty loses its
    // last model row. Numbers read as atoi reads their text.
    void ReadModelTable(NVRModelTable& rows);

    // Closes the workbook without saving and quits the spreadsheet program. Returns true.
    bool Close();

private:
    CSFAxObject* m_pExcel;
    CSFAxObject* m_pWorkbooks;
    CSFAxObject* m_pWorkbook;
    CSFAxObject* m_pWorksheets;
    CSFAxObject* m_pWorksheet;
    std::string m_path;
};
