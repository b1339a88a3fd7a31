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
// One side of such a case: change(tree, item, i) for every item of a fresh tree of n items.
template <class Tree, class Change>
Side EachItem(Change change)
{
    return [change](int n) {
        Tree t(n);
        const StopWatch watch;
        for (int i = 0; i < n; ++i)
            change(*t.tree, t.items[static_cast<size_t>(i)], i);
        Flush();
        return watch.Seconds();
    };
}

Case PerItem(const std::string& name, std::function<void(CSFQTTreeCtrl&, void*, int)> control,
             std::function<void(QTreeWidget&, QTreeWidgetItem*, int)> plain)
{
    Case c;
    c.name = name;
    c.control = EachItem<ControlTree>(control);
    c.baseline = EachItem<PlainTree>(plain);
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

// One side of a case: op(tree, n) on a fresh tree of n items (none when empty is set).
template <class Tree, class Op>
Side Timed(bool empty, Op op)
{
    return [empty, op](int n) {
        Tree t(empty ? 0 : n);
        const StopWatch watch;
        op(*t.tree, n);
        Flush();
        return watch.Seconds();
    };
}

void InsertEach(CSFQTTreeCtrl& tree, int n)
{
    for (int i = 0; i < n; ++i)
        tree.InsertItem(kText.c_str(), TVI_ROOT, TVI_LAST);
}

void AddEach(QTreeWidget& tree, int n)
{
    const QString text = QString::fromStdWString(kText);
    for (int i = 0; i < n; ++i)
        tree.addTopLevelItem(PlainTree::NewItem(text));
}

const ControlsBenchCase insertItem(Case{"tree InsertItem", Timed<ControlTree>(true, InsertEach),
                                        Timed<PlainTree>(true, AddEach)});

const ControlsBenchCase deleteAll(Case{
    "tree DeleteAllItems", Timed<ControlTree>(false, [](CSFQTTreeCtrl& tree, int) { tree.DeleteAllItems(); }),
    Timed<PlainTree>(false, [](QTreeWidget& tree, int) { tree.clear(); })});

}  // namespace
}  // namespace controls_bench
