#include "app/SFAxObject.h"

#include "app/XlsxWorkbook.h"

#include <QByteArray>

#include <algorithm>
#include <vector>

// The open workbooks of one application, in the order they were opened, and the active one.
struct CSFAxObject::State
{
    std::vector<std::shared_ptr<const CXlsxWorkbook>> books;
    std::shared_ptr<const CXlsxWorkbook> active;
};

namespace {

// The name as the automation interface matches it: the text before any '(', trimmed.
QByteArray Normalised(const char* name)
{
    QByteArray n(name ? name : "");
    const int paren = n.indexOf('(');
    if (paren >= 0)
        n.truncate(paren);
    return n.trimmed();
}

bool Is(const QByteArray& name, const char* wanted) { return name.compare(wanted, Qt::CaseInsensitive) == 0; }

QVariant ToVariant(const CXlsxWorkbook::Value& v)
{
    switch (v.type) {
    case CXlsxWorkbook::ValueType::Text:
    case CXlsxWorkbook::ValueType::Error:
        return QString::fromUtf8(v.text.data(), static_cast<qsizetype>(v.text.size()));
    case CXlsxWorkbook::ValueType::Number:
        return v.number;
    case CXlsxWorkbook::ValueType::Boolean:
        return v.boolean;
    case CXlsxWorkbook::ValueType::Empty:
        break;
    }
    return QVariant();
}

}  // namespace

CSFAxObject::CSFAxObject(const QString& control, QObject* parent)
    : QObject(parent),
      m_kind(control.compare(QLatin1String("Excel.Application"), Qt::CaseInsensitive) == 0 ? Kind::Application
                                                                                           : Kind::Null),
      m_state(m_kind == Kind::Application ? std::make_shared<State>() : nullptr),
      m_sheet(0)
{}

CSFAxObject::CSFAxObject(Kind kind, std::shared_ptr<State> state, std::shared_ptr<const CXlsxWorkbook> book,
                         int sheet, QObject* parent)
    : QObject(parent),
      m_kind(kind),
      m_state(std::move(state)),
      m_book(std::move(book)),
      m_sheet(sheet)
{}

CSFAxObject::~CSFAxObject() = default;

bool CSFAxObject::isNull() const { return m_kind == Kind::Null; }

CSFAxObject* CSFAxObject::Make(Kind kind, int sheet, std::shared_ptr<const CXlsxWorkbook> book)
{
    return new CSFAxObject(kind, m_state, book ? std::move(book) : m_book, sheet, this);
}

CSFAxObject* CSFAxObject::SheetByTab(int tab)
{
    if (!m_book || tab < 0 || tab >= m_book->SheetCount())
        return nullptr;
    CSFAxObject* sheet = Make(m_book->IsWorksheet(tab) ? Kind::Worksheet : Kind::OtherSheet, tab);
    sheet->setProperty("Name", QString::fromStdString(m_book->SheetName(tab)));
    return sheet;
}

CSFAxObject* CSFAxObject::SheetByNumber(const QVariant& number, bool worksheetsOnly)
{
    bool ok = false;
    const int n = number.toInt(&ok);
    if (!ok || !m_book || n < 1)
        return nullptr;
    return SheetByTab(worksheetsOnly ? m_book->WorksheetTab(n - 1) : n - 1);
}

CSFAxObject* CSFAxObject::querySubObject(const char* name, const QVariant& a1, const QVariant& a2)
{
    const QByteArray n = Normalised(name);
    switch (m_kind) {
    case Kind::Application:
        if (Is(n, "WorkBooks")) {
            CSFAxObject* books = Make(Kind::Workbooks, 0);
            books->setProperty("Count", static_cast<int>(m_state->books.size()));
            return books;
        }
        if (Is(n, "ActiveWorkBook"))
            return m_state->active ? Make(Kind::Workbook, 0, m_state->active) : nullptr;
        return nullptr;
    case Kind::Workbook:
        if (Is(n, "WorkSheets") || Is(n, "Sheets")) {
            const bool worksheetsOnly = Is(n, "WorkSheets");
            if (a1.isValid())
                return SheetByNumber(a1, worksheetsOnly);
            CSFAxObject* sheets = Make(worksheetsOnly ? Kind::Worksheets : Kind::Sheets, 0);
            sheets->setProperty("Count", worksheetsOnly ? m_book->WorksheetCount() : m_book->SheetCount());
            return sheets;
        }
        if (Is(n, "ActiveSheet"))
            return SheetByTab(m_book->ActiveSheet());
        return nullptr;
    case Kind::Worksheets:
    case Kind::Sheets:
        return Is(n, "Item") ? SheetByNumber(a1, m_kind == Kind::Worksheets) : nullptr;
    case Kind::Worksheet:
        if (Is(n, "UsedRange"))
            return Make(Kind::Range, m_sheet);
        if (Is(n, "Cells")) {
            bool rowOk = false;
            bool columnOk = false;
            const int row = a1.toInt(&rowOk);
            const int column = a2.toInt(&columnOk);
            if (!rowOk || !columnOk || row < 1 || row > CXlsxWorkbook::kMaxRow || column < 1 ||
                column > CXlsxWorkbook::kMaxColumn)
                return nullptr;
            CSFAxObject* cell = Make(Kind::Cell, m_sheet);
            cell->setProperty("Value", ToVariant(m_book->CellValue(m_sheet, row, column)));
            return cell;
        }
        return nullptr;
    case Kind::Range: {
        const CXlsxWorkbook::Range used = m_book->UsedRange(m_sheet);
        if (Is(n, "Rows")) {
            CSFAxObject* rows = Make(Kind::Rows, m_sheet);
            rows->setProperty("Count", used.lastRow - used.firstRow + 1);
            return rows;
        }
        if (Is(n, "Columns")) {
            CSFAxObject* columns = Make(Kind::Columns, m_sheet);
            columns->setProperty("Count", used.lastColumn - used.firstColumn + 1);
            return columns;
        }
        return nullptr;
    }
    case Kind::Null:
    case Kind::Workbooks:
    case Kind::OtherSheet:
    case Kind::Rows:
    case Kind::Columns:
    case Kind::Cell:
        break;
    }
    return nullptr;
}

QVariant CSFAxObject::dynamicCall(const char* function, const QVariant& a1, const QVariant& /*a2*/,
                                  const QVariant& /*a3*/)
{
    const QByteArray n = Normalised(function);
    switch (m_kind) {
    case Kind::Workbooks:
        if (Is(n, "Open") || Is(n, "Add")) {
            auto book = std::make_shared<CXlsxWorkbook>();
            if (Is(n, "Add")) {
                book->SetBlank();
            } else if (!book->Load(a1.toString().toStdString())) {
                m_state->active.reset();
                return QVariant();
            }
            m_state->books.push_back(book);
            m_state->active = book;
            setProperty("Count", static_cast<int>(m_state->books.size()));
        }
        return QVariant();
    case Kind::Workbook:
        if (Is(n, "Close")) {
            auto& books = m_state->books;
            books.erase(std::remove(books.begin(), books.end(), m_book), books.end());
            if (m_state->active == m_book)
                m_state->active = books.empty() ? nullptr : books.back();
        }
        return QVariant();
    case Kind::Application:
        if (Is(n, "Quit")) {
            m_state->books.clear();
            m_state->active.reset();
        }
        return QVariant();
    default:
        break;
    }
    return QVariant();
}
