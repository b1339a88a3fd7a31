// The .xlsx reader over any bytes: whatever it reads, sheets, ranges and values stay inside
// their limits.
#include "app/XlsxWorkbook.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    CXlsxWorkbook wb;
    if (!wb.LoadFromMemory(data, size)) {
        if (wb.SheetCount() != 0)
            std::abort();
        return 0;
    }
    if (wb.SheetCount() > 0 && (wb.ActiveSheet() < 0 || wb.ActiveSheet() >= wb.SheetCount()))
        std::abort();
    for (int s = 0; s < wb.SheetCount(); ++s) {
        const CXlsxWorkbook::Range r = wb.UsedRange(s);
        if (r.firstRow < 1 || r.firstRow > r.lastRow || r.lastRow > CXlsxWorkbook::kMaxRow ||
            r.firstColumn < 1 || r.firstColumn > r.lastColumn || r.lastColumn > CXlsxWorkbook::kMaxColumn)
            std::abort();
        // The corner of the range and one cell outside it.
        for (int row = r.firstRow; row <= std::min(r.lastRow, r.firstRow + 31); ++row)
            for (int column = r.firstColumn; column <= std::min(r.lastColumn, r.firstColumn + 31); ++column)
                (void)wb.CellValue(s, row, column);
        if (wb.CellValue(s, r.lastRow + 1, r.lastColumn).type != CXlsxWorkbook::ValueType::Empty)
            std::abort();
    }
    return 0;
}
