// The tree control's cases of bench/controls.sh: the owner's per-item setters, insertion and
// deletion of every item, each against a plain QTreeWidget doing the same work. Both trees are
// shown, n top-level items with a check box each.
#include "bench/ControlsBench.h"
#include "skin/ext/SFQTTreeCtrl.h"

#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace controls_bench {
namespace {

const std::wstring kText = L"Camera 01";

// A shown window holding one tree.
struct Window
{
    Window()
    {
        frame.resize(320, 320);
        frame.show();
    }
    QWidget frame;
};

struct ControlTree
{
    explicit ControlTree(int n)
    {
        tree = new CSFQTTreeCtrl(nullptr);
        tree->Create(WS_VISIBLE, RECT{0, 0, 301, 301}, &window.frame, 1, 1);
        items.reserve(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i)
            items.push_back(tree->InsertItem(kText.c_str(), TVI_ROOT, TVI_LAST));
        Flush();
    }
    ~ControlTree() { delete tree; }
    Window window;
    CSFQTTreeCtrl* tree = nullptr;
    std::vector<void*> items;
};

struct PlainTree
{
    explicit PlainTree(int n)
    {
        tree = new QTreeWidget(&window.frame);
        tree->setColumnCount(1);
        tree->setGeometry(0, 0, 301, 301);
        tree->show();
        const QString text = QString::fromStdWString(kText);
        items.reserve(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i)
            items.push_back(NewItem(text));
        tree->addTopLevelItems(QList<QTreeWidgetItem*>(items.begin(), items.end()));
        Flush();
    }
    static QTreeWidgetItem* NewItem(const QString& text)
    {
        auto* item = new QTreeWidgetItem();
        item->setFlags(item->flags() & ~Qt::ItemIsAutoTristate);
        item->setCheckState(0, Qt::Unchecked);
        item->setText(0, text);
        item->setForeground(0, QColor(Qt::white));
        return item;
    }
    ~PlainTree() { delete tree; }
    Window window;
    QTreeWidget* tree = nullptr;
    std::vector<QTreeWidgetItem*> items;
};

// A case that applies one change to every item of an n-item tree. The plain tree itself
// grows faster than linearly here (each item change looks the row up among the shown rows):
// 100 k items take minutes a round, so the case stops at 10 k.
Case PerItem(const std::string& name, std::function<void(CSFQTTreeCtrl&, void*, int)> control,
             std::function<void(QTreeWidget&, QTreeWidgetItem*, int)> plain)
{
    Case c;
    c.name = name;
    c.control = [control](int n) {
        ControlTree t(n);
        const StopWatch watch;
        for (int i = 0; i < n; ++i)
            control(*t.tree, t.items[static_cast<size_t>(i)], i);
        Flush();
        return watch.Seconds();
    };
    c.baseline = [plain](int n) {
        PlainTree t(n);
        const StopWatch watch;
        for (int i = 0; i < n; ++i)
            plain(*t.tree, t.items[static_cast<size_t>(i)], i);
        Flush();
        return watch.Seconds();
    };
    c.maxItems = 10000;
    return c;
}

const ControlsBenchCase setItemData(PerItem(
    "tree SetItemData",
    [](CSFQTTreeCtrl& t, void* item, int i) { t.SetItemData(item, static_cast<DWORD>(i)); },
    [](QTreeWidget&, QTreeWidgetItem* item, int i) {
        item->setData(0, Qt::UserRole, QVariant::fromValue<uint>(static_cast<uint>(i)));
    }));

const ControlsBenchCase setCheck(PerItem(
    "tree SetCheck", [](CSFQTTreeCtrl& t, void* item, int) { t.SetCheck(item, 1); },
    [](QTreeWidget&, QTreeWidgetItem* item, int) { item->setCheckState(0, Qt::Checked); }));

const ControlsBenchCase setToolTip(PerItem(
    "tree SetToolTipText", [](CSFQTTreeCtrl& t, void* item, int) { t.SetToolTipText(item, L"tip"); },
    [](QTreeWidget&, QTreeWidgetItem* item, int) { item->setToolTip(0, QStringLiteral("tip")); }));

const ControlsBenchCase setHilight(PerItem(
    "tree SetItemHilight", [](CSFQTTreeCtrl& t, void* item, int) { t.SetItemHilight(item, 1); },
    [](QTreeWidget& tree, QTreeWidgetItem* item, int) {
        item->setForeground(0, QColor(0, 255, 0));
        tree.scrollToItem(item);
    }));

Case InsertCase()
{
    Case c;
    c.name = "tree InsertItem";
    c.control = [](int n) {
        ControlTree t(0);
        const StopWatch watch;
        for (int i = 0; i < n; ++i)
            t.tree->InsertItem(kText.c_str(), TVI_ROOT, TVI_LAST);
        Flush();
        return watch.Seconds();
    };
    c.baseline = [](int n) {
        PlainTree t(0);
        const QString text = QString::fromStdWString(kText);
        const StopWatch watch;
        for (int i = 0; i < n; ++i)
            t.tree->addTopLevelItem(PlainTree::NewItem(text));
        Flush();
        return watch.Seconds();
    };
    return c;
}
const ControlsBenchCase insertItem(InsertCase());

Case DeleteAllCase()
{
    Case c;
    c.name = "tree DeleteAllItems";
    c.control = [](int n) {
        ControlTree t(n);
        const StopWatch watch;
        t.tree->DeleteAllItems();
        Flush();
        return watch.Seconds();
    };
    c.baseline = [](int n) {
        PlainTree t(n);
        const StopWatch watch;
        t.tree->clear();
        Flush();
        return watch.Seconds();
    };
    return c;
}
const ControlsBenchCase deleteAll(DeleteAllCase());

}  // namespace
}  // namespace controls_bench
