// The combo box: the item operations and their range results, silence of the owner's changes
// against the report of a user's choice, the cell sheet and the cell each state paints.
#include "skin/SFEntry.h"
#include "skin/SFQTComboBox.h"
#include "skin/SFSkinString.h"
#include "tests/common/test_rect.h"
#include "tests/common/widget_test_util.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using testutil::Rect;
using testutil::SendEnter;
using testutil::SendLeave;

class RecordingSink : public ISFComboBoxEvent
{
public:
    void SelectChanged(int id, int sel) override { events.emplace_back(id, sel); }
    std::vector<std::pair<int, int>> events;
};

CSFQTComboBox* Impl(CSFComboBox* combo) { return dynamic_cast<CSFQTComboBox*>(combo); }

void Fill(CSFComboBox* combo, const std::vector<std::wstring>& items)
{
    for (const std::wstring& item : items)
        combo->AddString(item.c_str());
}

const std::vector<std::wstring> kBays{L"1", L"2", L"4", L"8", L"16", L"24"};

ImageComboBoxStyle SmallSkin()
{
    ImageComboBoxStyle s;
    s[0] = L"ComboBox_Min.png";
    s[1] = L"0,0,80,27";
    s[2] = L"0,0,80,27";
    s[3] = L"0,84,80,28";
    s[4] = L"0,28,80,28";
    s[5] = L"0,28,80,27";
    s[6] = L"0,0,80,27";
    s[7] = L"0,28,80,27";
    return s;
}

}  // namespace

TEST(SkinComboItems, RangesReadOutsAndGuardBytes)
{
    QWidget host;
    RecordingSink sink;
    CSFComboBox* combo = SF_CreateComboBox(&sink);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->Create(0x50010000, Rect(305, 20, 385, 44), &host, 154), 1);
    QComboBox* w = Impl(combo);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->geometry(), QRect(305, 20, 80, 24));
    EXPECT_TRUE(w->isVisibleTo(&host));
    RECT rc = Rect(1, 2, 80, 25);
    combo->MoveWindow(&rc);
    EXPECT_EQ(w->geometry(), QRect(1, 2, 80, 24));

    EXPECT_EQ(combo->GetCount(), 0);
    EXPECT_EQ(combo->GetCurSel(), -1);
    EXPECT_EQ(combo->SetCurSel(0), -1);

    for (size_t i = 0; i < kBays.size(); ++i)
        EXPECT_EQ(combo->AddString(kBays[i].c_str()), static_cast<int>(i));
    EXPECT_EQ(combo->AddString(L"\U0001F600x"), 6);
    EXPECT_EQ(combo->GetCount(), 7);
    EXPECT_EQ(combo->GetCurSel(), 0);
    EXPECT_EQ(w->iconSize(), QSize(1, CSFQTComboBox::ItemHeight));

    // GetLBText writes the text and its terminator and nothing more.
    const int guard = 6;
    struct Case
    {
        int index;
        int ret;
        const wchar_t* text;  // NULL: nothing written
    };
    const Case cases[] = {
        {4, 2, L"16"}, {0, 1, L"1"}, {6, 2, L"\U0001F600x"}, {-1, -1, nullptr}, {7, -1, nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        std::vector<wchar_t> buf(static_cast<size_t>(guard + 16 + guard), L'#');
        wchar_t* p = buf.data() + guard;
        EXPECT_EQ(combo->GetLBText(c.index, p), c.ret);
        const int written = c.text ? c.ret + 1 : 0;
        for (int i = -guard; i < 16 + guard; ++i) {
            if (i < 0 || i >= written) {
                EXPECT_EQ(p[i], L'#') << "index " << i;
            }
        }
        if (c.text) {
            EXPECT_EQ(std::wstring(p), std::wstring(c.text));
        }
    }
    EXPECT_EQ(combo->GetLBText(4, nullptr), 2);

    EXPECT_EQ(combo->SetCurSel(7), -1);
    EXPECT_EQ(combo->SetCurSel(-1), -1);
    EXPECT_EQ(combo->GetCurSel(), 0);
    EXPECT_EQ(combo->SetCurSel(3), 3);
    EXPECT_EQ(combo->DeleteString(7), -1);
    EXPECT_EQ(combo->DeleteString(static_cast<UINT>(-1)), -1);
    EXPECT_EQ(combo->GetCount(), 7);
    EXPECT_EQ(combo->DeleteString(6), 6);
    EXPECT_EQ(combo->DeleteString(0), 5);
    EXPECT_EQ(combo->GetCurSel(), 2);  // "8" moved up with its index
    wchar_t buf[8];
    EXPECT_EQ(combo->GetLBText(combo->GetCurSel(), buf), 1);
    EXPECT_EQ(std::wstring(buf), L"8");

    combo->Clear();
    EXPECT_EQ(combo->GetCount(), 0);
    EXPECT_EQ(combo->GetCurSel(), -1);
    Fill(combo, {L"a", L"b", L"c"});
    combo->SetCurSel(2);
    combo->ResetContent();
    EXPECT_EQ(combo->GetCount(), 0);
    EXPECT_EQ(combo->GetCurSel(), -1);

    // Not one of these owner's changes reached the sink.
    EXPECT_TRUE(sink.events.empty());
    SF_DestroyComboBox(combo);  // a child: left to its parent
    EXPECT_EQ(w->parentWidget(), &host);
}

namespace {

// A shown, active window with the disk-bay combo (id 154) filled like the search page's.
class SkinComboUser : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host.reset(new QWidget);
        host->resize(300, 100);
        combo = SF_CreateComboBox(&sink);
        ASSERT_NE(combo, nullptr);
        combo->Create(0x50010000, Rect(10, 10, 90, 34), host.get(), 154);
        Fill(combo, kBays);
        host->show();
        host->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
        w = Impl(combo);
        w->setFocus();
    }

    // Opens the list and chooses the row with the keyboard, as a user does.
    void ChooseFromList(int row)
    {
        w->showPopup();
        QAbstractItemView* list = w->view();
        ASSERT_TRUE(list->isVisible());
        list->setCurrentIndex(w->model()->index(row, 0));
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_FALSE(list->isVisible());
    }

    void TearDown() override
    {
        if (w)
            w->hidePopup();
    }

    RecordingSink sink;
    std::unique_ptr<QWidget> host;
    CSFComboBox* combo = nullptr;  // owned by host
    CSFQTComboBox* w = nullptr;
};

}  // namespace

TEST_F(SkinComboUser, UserChoiceIsReportedOwnerChangesAreNot)
{
    int heard = 0;  // another listener of the widget's own signal
    QObject::connect(w, &QComboBox::currentIndexChanged, [&heard](int) { ++heard; });

    EXPECT_EQ(combo->SetCurSel(2), 2);
    EXPECT_TRUE(sink.events.empty());
    EXPECT_EQ(heard, 1);  // the control silences only its own report

    ChooseFromList(4);
    ASSERT_EQ(sink.events.size(), 1u);
    EXPECT_EQ(sink.events[0], std::make_pair(154, 4));
    EXPECT_EQ(combo->GetCurSel(), 4);

    // Choosing the current item again changes nothing.
    ChooseFromList(4);
    EXPECT_EQ(sink.events.size(), 1u);

    // Keyboard on the closed control.
    QTest::keyClick(w, Qt::Key_Down);
    ASSERT_EQ(sink.events.size(), 2u);
    EXPECT_EQ(sink.events[1], std::make_pair(154, 5));

    // The owner's changes after a user's choice stay silent, and the report still works.
    combo->SetCurSel(0);
    combo->AddString(L"32");
    combo->DeleteString(6);
    EXPECT_EQ(sink.events.size(), 2u);
    ChooseFromList(1);
    ASSERT_EQ(sink.events.size(), 3u);
    EXPECT_EQ(sink.events[2], std::make_pair(154, 1));
}

TEST_F(SkinComboUser, WheelNeverStepsTheItems)
{
    combo->SetCurSel(2);
    const QPointF at(5, 5);
    QWheelEvent down(at, w->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &down);
    QWheelEvent up(at, w->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &up);
    EXPECT_EQ(combo->GetCurSel(), 2);
    EXPECT_TRUE(sink.events.empty());
}

TEST(SkinComboSkin, CellsCoverOneMorePixelEachWayAndModesFollowTheirFields)
{
    QWidget host;
    CSFComboBox* combo = SF_CreateComboBox(nullptr);
    combo->Create(0, Rect(0, 0, 80, 27), &host, 1);
    CSFQTComboBox* w = Impl(combo);

    EXPECT_EQ(combo->SetSkin(nullptr), 0);
    EXPECT_TRUE(w->styleSheet().isEmpty());

    ImageComboBoxStyle skin = SmallSkin();
    skin[6].clear();
    skin[11] = L"stretch";  // the mode of cell 3 (open below)
    skin[12] = L"Stretch";
    EXPECT_EQ(combo->SetSkin(&skin), 1);

    EXPECT_EQ(w->GetSkinPart(CSFQTComboBox::PartNormal).source, QRect(0, 0, 81, 28));
    EXPECT_EQ(w->GetSkinPart(CSFQTComboBox::PartOpenBelow).source, QRect(0, 84, 81, 29));
    EXPECT_EQ(w->GetSkinPart(CSFQTComboBox::PartOpenAbove).source, QRect(0, 28, 81, 29));
    EXPECT_EQ(w->GetSkinPart(CSFQTComboBox::PartDisabled).source, QRect(0, 28, 81, 28));
    for (int part = 0; part < CSFQTComboBox::PartCount; ++part) {
        SCOPED_TRACE(part);
        EXPECT_EQ(w->GetSkinPart(part).loaded, part != 5);
        EXPECT_EQ(w->GetSkinPart(part).stretch, part == CSFQTComboBox::PartOpenBelow);
    }
    skin[11].clear();
    skin[10] = L"stretch";  // the mode of cell 4 (open above)
    combo->SetSkin(&skin);
    EXPECT_FALSE(w->GetSkinPart(CSFQTComboBox::PartOpenBelow).stretch);
    EXPECT_TRUE(w->GetSkinPart(CSFQTComboBox::PartOpenAbove).stretch);

    EXPECT_EQ(
        w->styleSheet(),
        QString("QComboBox {subcontrol-position: bottom;}"
                "QComboBox QAbstractItemView {border: 1px solid darkgray;border-top-width: 0px;outline:0px;"
                "background-color: rgb(227,227,227);selection-background-color: rgb(132,144,167);"
                "subcontrol-origin: content;background-clip:content;position: absolute;}"
                "QComboBox QAbstractItemView::item:selected {Background: rgba(255,0,0,50%);}"));

    combo->SetOriginStyle(1);
    EXPECT_EQ(combo->SetSkin(&skin), 0);
    combo->SetOriginStyle(0);
    EXPECT_EQ(combo->SetSkin(&skin), 1);
}

namespace {

// A cell sheet whose five state cells "0,y,20,9" are ten rows each: nine rows of the
// state's colour and a last row of its marker colour, which only the (w + 1) x (h + 1)
// measure reaches.
class SkinComboPaint : public ::testing::Test
{
protected:
    enum
    {
        Normal,
        Hover,
        Below,
        Above,
        Disabled,
        Cells
    };

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QImage sheet(21, 10 * Cells, QImage::Format_RGB32);
        for (int cell = 0; cell < Cells; ++cell) {
            for (int y = 0; y < 10; ++y)
                for (int x = 0; x < 21; ++x)
                    sheet.setPixel(x, cell * 10 + y, (y == 9 ? Marker(cell) : Colour(cell)).rgb());
        }
        ASSERT_TRUE(sheet.save(dir.filePath("sheet.png")));
        SetSkinPath((dir.path() + "/").toStdWString());

        host.reset(new QWidget(nullptr, Qt::FramelessWindowHint));
        host->resize(120, 40);
        combo = SF_CreateComboBox(nullptr);
        combo->Create(0x50010000, Rect(0, 0, 100, 27), host.get(), 147);
        w = Impl(combo);
        ImageComboBoxStyle skin;
        skin[0] = L"sheet.png";
        skin[1] = L"0,0,20,9";
        skin[2] = L"0,10,20,9";
        skin[3] = L"0,20,20,9";
        skin[4] = L"0,30,20,9";
        skin[5] = L"0,40,20,9";
        ASSERT_EQ(combo->SetSkin(&skin), 1);
        for (int i = 0; i < 10; ++i)
            combo->AddString(std::to_wstring(i).c_str());
    }

    void TearDown() override
    {
        if (w)
            w->hidePopup();
        host.reset();
        SetSkinPath(L"");
    }

    static QColor Colour(int cell)
    {
        static const QColor c[Cells] = {QColor(200, 0, 0), QColor(0, 200, 0), QColor(0, 0, 200),
                                        QColor(200, 200, 0), QColor(0, 200, 200)};
        return c[cell];
    }
    static QColor Marker(int cell) { return QColor(20 + cell * 40, 100, 150); }

    // Places the window so that the combo's top lies `above` pixels above the screen's bottom.
    void PlaceAboveBottom(int above)
    {
        const QRect screen = host->screen()->geometry();
        host->move(screen.left() + 10, screen.bottom() - above);
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        ASSERT_EQ(w->mapToGlobal(QPoint(0, 0)).y(), screen.bottom() - above);
    }

    // The pixel at the right end (no text there), in the middle and on the last row.
    QColor Middle() { return QColor(w->grab().toImage().pixel(w->width() - 3, w->height() / 2)); }
    QColor Last() { return QColor(w->grab().toImage().pixel(w->width() - 3, w->height() - 1)); }

    QTemporaryDir dir;
    std::unique_ptr<QWidget> host;
    CSFComboBox* combo = nullptr;  // owned by host
    CSFQTComboBox* w = nullptr;
};

}  // namespace

TEST_F(SkinComboPaint, StatesPaintTheirCells)
{
    PlaceAboveBottom(400);
    EXPECT_EQ(Middle(), Colour(Normal));
    EXPECT_EQ(Last(), Marker(Normal));  // the cell's last row (h + 1 rows) is drawn

    SendEnter(w, QPointF(5, 5));
    EXPECT_EQ(Middle(), Colour(Hover));
    SendLeave(w);
    EXPECT_EQ(Middle(), Colour(Normal));

    // Disabled wins over hover.
    combo->EnableWindow(0);
    SendEnter(w, QPointF(5, 5));
    EXPECT_EQ(Middle(), Colour(Disabled));
    EXPECT_EQ(Last(), Marker(Disabled));
    SendLeave(w);
    combo->EnableWindow(1);

    // Room below: 10 x 25 + 27 fits in the 400 pixels.
    w->showPopup();
    EXPECT_EQ(Middle(), Colour(Below));
    EXPECT_EQ(Last(), Marker(Below));
    w->hidePopup();
    EXPECT_EQ(Middle(), Colour(Normal));

    // The toolkit's own look paints none of the cells; back to the skin with the same cells.
    combo->SetOriginStyle(1);
    EXPECT_NE(Middle(), Colour(Normal));
    combo->SetOriginStyle(0);
    EXPECT_EQ(Middle(), Colour(Normal));
}

TEST_F(SkinComboPaint, ListThatDoesNotFitBelowPaintsTheOpenAboveCell)
{
    // 10 x 25 + 27 = 277 > 200.
    PlaceAboveBottom(200);
    w->showPopup();
    EXPECT_EQ(Middle(), Colour(Above));
    EXPECT_EQ(Last(), Marker(Above));
    w->hidePopup();

    // With 7 items the list needs 7 x 25 + 27 = 202 pixels: still too many for 200...
    for (int i = 0; i < 3; ++i)
        combo->DeleteString(0);
    w->showPopup();
    EXPECT_EQ(Middle(), Colour(Above));
    w->hidePopup();
    // ...and with 6 items it fits (6 x 25 + 27 = 177).
    combo->DeleteString(0);
    w->showPopup();
    EXPECT_EQ(Middle(), Colour(Below));
}
