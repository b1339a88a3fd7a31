#include "app/SaveToExcel.h"

#include "app/SFAxObject.h"
#include "base/number_text.h"

#include <QString>
#include <QVariant>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kBlockRows = 12;       // rows of one series in the capability sheet
constexpr int kFirstRateColumn = 2;  // frame rate 0
constexpr int kTypeChars = 31;       // bytes kept of a type text
constexpr int kValueChars = 49;      // bytes kept of a slot text
constexpr int kFirstModelRow = 2;    // model row 0
constexpr int kModelColumns = 8;

// The "more than" text that flags a slot, by series; NULL where none does.
const char* const kFlagTexts[kRecorderSeriesCount] = {nullptr, nullptr, ">16", nullptr, ">48", ">80"};

// The value of a property of an object, or of a sub-object's property; empty without them.
QVariant Property(CSFAxObject* object, const char* name)
{
    return object ? object->property(name) : QVariant();
}

int SubObjectCount(CSFAxObject* object, const char* sub)
{
    return object ? Property(object->querySubObject(sub), "Count").toInt() : 0;
}

std::string CellText(CSFAxObject* sheet, int row, int column)
{
    CSFAxObject* cell = sheet->querySubObject("Cells(int,int)", row, column);
    const std::string text = Property(cell, "Value").toString().toStdString();
    delete cell;
    return text;
}

// Text into a field of which only the first limit bytes (and a terminator) are used.
template <std::size_t N>
void CopyLimited(char (&field)[N], const std::string& text, std::size_t limit)
{
    static_assert(N > 0, "a field");
    std::memset(field, 0, N);
    CopyRecorderText(field, std::min(N, limit + 1), text.c_str());
}

// The framed picture of a family picture: "_Frame" before the extension.
std::string FramedPictureName(const std::string& picture)
{
    if (picture.empty())
        return picture;
    const std::size_t dot = picture.rfind('.');
    const std::size_t slash = picture.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return picture + "_Frame";
    return picture.substr(0, dot) + "_Frame" + picture.substr(dot);
}

}  // namespace

CSaveToExcel::CSaveToExcel(QObject* parent)
    : QObject(parent),
      m_pExcel(nullptr),
      m_pWorkbooks(nullptr),
      m_pWorkbook(nullptr),
      m_pWorksheets(nullptr),
      m_pWorksheet(nullptr)
{}

CSaveToExcel::~CSaveToExcel() { delete m_pExcel; }

bool CSaveToExcel::Open(const std::string& path)
{
    m_path = path;
    if (!m_pExcel) {
        m_pExcel = new CSFAxObject(QStringLiteral("Excel.Application"));
        m_pWorkbooks = m_pExcel->querySubObject("WorkBooks");
    }
    if (!m_pWorkbooks)
        return false;

    m_pExcel->setProperty("DisplayAlerts", 0);
    m_pWorkbooks->dynamicCall("Open(const QString&,const QVariant&,const QVariant&)",
                              QString::fromStdString(path), 3, false);
    m_pExcel->setProperty("DisplayAlerts", 1);
    m_pWorksheet = nullptr;
    m_pWorkbook = m_pExcel->querySubObject("ActiveWorkBook");
    const bool opened = m_pWorkbook != nullptr;
    if (!opened) {
        // As the spreadsheet program does after a failed open, the reads get a new, empty
        // workbook; the caller hears that this one did not open.
        m_pWorkbooks->dynamicCall("Add");
        m_pWorkbook = m_pExcel->querySubObject("ActiveWorkBook");
    }
    m_pWorksheets = m_pWorkbook ? m_pWorkbook->querySubObject("WorkSheets") : nullptr;
    return opened;
}

void CSaveToExcel::ReadCapabilityTable(NVRCapabilityTable& records)
{
    if (!m_pWorkbook)
        return;
    m_pWorksheet = m_pWorkbook->querySubObject("ActiveSheet");
    if (!m_pWorksheet)
        return;
    CSFAxObject* used = m_pWorksheet->querySubObject("UsedRange");
    if (!used)
        return;
    // A used range that starts right of column A still counts its columns from column 1.
    const int columns = SubObjectCount(used, "Columns");
    const int lastColumn = std::min(columns, kFirstRateColumn + kRecorderFrameRateCount - 1);

    for (int s = 0; s < kRecorderSeriesCount; ++s) {
        const int blockRow = kBlockRows * s + 1;
        const std::string type = CellText(m_pWorksheet, blockRow, 1);
        for (int r = 0; r < kRecorderResolutionCount; ++r) {
            for (int column = kFirstRateColumn; column <= lastColumn; ++column) {
                NVRCapabilitySlot& slot =
                    records[s].slot[r * kRecorderFrameRateCount + (column - kFirstRateColumn)];
                const std::string text = CellText(m_pWorksheet, blockRow + 1 + r, column);
                CopyLimited(slot.type, type, kTypeChars);
                CopyLimited(slot.value, text, kValueChars);
                if (kFlagTexts[s] && text == kFlagTexts[s])
                    slot.flag = 1;
            }
        }
    }
}

void CSaveToExcel::ReadModelTable(NVRModelTable& rows)
{
    if (!m_pWorkbook || !m_pWorksheets)
        return;
    const int sheets =
        std::min(Property(m_pWorksheets, "Count").toInt(), static_cast<int>(kRecorderSeriesCount));
    for (int w = 1; w <= sheets; ++w) {
        CSFAxObject* sheet = m_pWorkbook->querySubObject("Worksheets(int)", w);
        if (!sheet)
            continue;
        m_pWorksheet = sheet;
        CSFAxObject* used = sheet->querySubObject("UsedRange");
        const int lastRow = std::min(SubObjectCount(used, "Rows"), kFirstModelRow + kModelRowsPerGroup - 1);
        for (int i = kFirstModelRow; i <= lastRow; ++i) {
            NVRSpecItem& item = rows[w - 1][i - kFirstModelRow];
            std::string text[kModelColumns + 1];
            for (int c = 2; c <= kModelColumns; ++c)
                text[c] = CellText(sheet, i, c);
            CopyLimited(item.Model, text[2], kTypeChars);
            CopyLimited(item.QZModel, text[3], kTypeChars);
            item.MaxChannel = VesperonBase::AToI(text[4].c_str());
            item.MaxHdd = VesperonBase::AToI(text[5].c_str());
            item.BandWidth = VesperonBase::AToI(text[6].c_str());
            CopyLimited(item.PictureName, text[7], kTypeChars);
            CopyLimited(item.FramePictureName, text[8].empty() ? FramedPictureName(text[7]) : text[8],
                        kTypeChars);
        }
    }
}

bool CSaveToExcel::Close()
{
    if (m_pWorkbook)
        m_pWorkbook->dynamicCall("Close (Boolean)", false);
    if (m_pExcel)
        m_pExcel->dynamicCall("Quit (void)");
    m_pWorkbook = nullptr;
    m_pWorksheets = nullptr;
    m_pWorksheet = nullptr;
    return true;
}
