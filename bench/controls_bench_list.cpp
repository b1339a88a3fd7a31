// The list control's cases of bench/controls.sh: each operation of the list against a plain
// QTableWidget doing the same work on the same rows (3 columns, text in each); the tables
// are never shown.
#include "bench/ControlsBench.h"
#include "skin/ext/SFQTListCtrl.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelection>
#include <QItemSelectionModel>
#include <QTableWidget>
#include <QWidget>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using controls_bench::ControlsBenchCase;
using controls_bench::Flush;
using controls_bench::StopWatch;

constexpr int kColumns = 3;
constexpr int kRowHeight = 27;

// A list of n rows on a parent window that is never shown.
struct List
{
    QWidget parent;
    CSFQTListCtrl* list = new CSFQTListCtrl(nullptr);

    explicit List(int n)
    {
        list->Create(0, RECT{0, 0, 600, 400}, &parent, 1, false);
        for (int c = 0; c < kColumns; ++c)
            list->InsertColumn(c, L"col", 0, 0, 0);
        for (int r = 0; r < n; ++r) {
            AddRow(r);
            const std::wstring text = L"row " + std::to_wstring(r);
            for (int c = 1; c < kColumns; ++c)
                list->SetItemText(r, c, text.c_str());
        }
        Flush();
    }
    // InsertItem: the row with its column-0 text.
    void AddRow(int r)
    {
        const std::wstring text = L"row " + std::to_wstring(r);
        list->InsertItem(r, text.c_str());
    }
};

// The same rows in a plain table.
struct Table
{
    QWidget parent;
    QTableWidget* table = new QTableWidget(&parent);

    explicit Table(int n)
    {
        table->setGeometry(0, 0, 600, 400);
        table->setColumnCount(kColumns);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->verticalHeader()->setDefaultSectionSize(kRowHeight);
        for (int r = 0; r < n; ++r) {
            AddRow(r);
            for (int c = 1; c < kColumns; ++c)
                table->setItem(r, c, NewItem(r));
        }
        Flush();
    }
    static QTableWidgetItem* NewItem(int r)
    {
        QTableWidgetItem* it = new QTableWidgetItem(QStringLiteral("row %1").arg(r));
        it->setBackground(r % 2 == 0 ? QColor(245, 245, 245) : QColor(255, 255, 255));
        return it;
    }
    // What InsertItem does: the row (of the default height) with its striped column-0 text.
    void AddRow(int r)
    {
        table->insertRow(r);
        table->setItem(r, 0, NewItem(r));
    }
};

// Every row selected, as select-all does.
void SelectAll(QTableWidget* table)
{
    table->selectionModel()->select(
        QItemSelection(table->model()->index(0, 0),
                       table->model()->index(table->rowCount() - 1, kColumns - 1)),
        QItemSelectionModel::Select);
}

const ControlsBenchCase selectEveryRow({
    "list select every row",
    [](int n) {
        List l(n);
        std::vector<int> rows(static_cast<size_t>(n));
        for (int r = 0; r < n; ++r)
            rows[static_cast<size_t>(r)] = r;
        const StopWatch watch;
        l.list->SetItemSelected(rows.data(), n, true);
        Flush();
        return watch.Seconds();
    },
    [](int n) {
        Table t(n);
        const StopWatch watch;
        SelectAll(t.table);
        Flush();
        return watch.Seconds();
    },
});

const ControlsBenchCase deleteSelected({
    "list delete selected (every row)",
    [](int n) {
        List l(n);
        SelectAll(l.list);
        std::set<int> rows;
        const StopWatch watch;
        l.list->DeleteSelectedItems(rows);
        Flush();
        return watch.Seconds();
    },
    [](int n) {
        Table t(n);
        SelectAll(t.table);
        const StopWatch watch;
        std::set<int> rows;
        for (const QModelIndex& index : t.table->selectionModel()->selectedRows())
            rows.insert(index.row());
        for (auto it = rows.rbegin(); it != rows.rend(); ++it)
            t.table->removeRow(*it);
        Flush();
        return watch.Seconds();
    },
});

const ControlsBenchCase insertRows({
    "list insert rows at the end",
    [](int n) {
        List l(0);
        const StopWatch watch;
        for (int r = 0; r < n; ++r)
            l.AddRow(r);
        Flush();
        return watch.Seconds();
    },
    [](int n) {
        Table t(0);
        const StopWatch watch;
        for (int r = 0; r < n; ++r)
            t.AddRow(r);
        Flush();
        return watch.Seconds();
    },
});

const ControlsBenchCase checkWidgets({
    "list check box in every row",
    [](int n) {
        List l(n);
        ImageRadioBox skin;
        const StopWatch watch;
        for (int r = 0; r < n; ++r)
            l.list->SetItemCheckWidget(r, 0, skin);
        Flush();
        return watch.Seconds();
    },
    [](int n) {
        Table t(n);
        const StopWatch watch;
        for (int r = 0; r < n; ++r) {
            QWidget* container = new QWidget;
            QHBoxLayout* layout = new QHBoxLayout(container);
            layout->setContentsMargins(10, 0, 0, 0);
            QCheckBox* box = new QCheckBox(container);
            box->setFixedSize(16, 16);
            layout->addWidget(box);
            t.table->setCellWidget(r, 0, container);
        }
        Flush();
        return watch.Seconds();
    },
});

}  // namespace
