// The search page driven as a user drives it: inputs set through the controls, the filter
// boxes, "Search", "<", ">" and the result slots clicked with the mouse, and what the page
// then shows read back through the controls.
#include "app/MainPageEventImp.h"
#include "base/config_manager.h"
#include "base/lang_table.h"
#include "base/sf_paths.h"
#include "skin/SFQTRadioBox.h"
#include "skin/SFSkinString.h"
#include "tests/app/main_page_fixture.h"
#include "tests/app/nvr_search_fixture.h"
#include "tests/common/widget_test_util.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using MainPageFixture::W;
using MainPageFixture::Widen;
using testutil::Click;

std::wstring StaticText(CSFStatic* p)
{
    wchar_t buf[1024] = L"";
    if (p)
        p->GetStaticText(buf, 1024);
    return buf;
}

std::wstring EditText(CSFEditCtrl* p)
{
    wchar_t buf[256] = L"";
    if (p)
        p->GetWindowTextW(buf, 256);
    return buf;
}

std::wstring ComboText(CSFComboBox* p)
{
    wchar_t buf[1024] = L"";
    if (p && p->GetCurSel() >= 0)
        p->GetLBText(p->GetCurSel(), buf);
    return buf;
}

int CheckState(CSFCheckBox* p)
{
    int state = -1;
    p->GetCheck(&state);
    return state;
}

template <class T>
bool Shown(T* facade)
{
    QWidget* w = W(facade);
    return w && !w->isHidden();
}

template <class T>
bool Enabled(T* facade)
{
    QWidget* w = W(facade);
    return w && w->isEnabled();
}

// The colour each fixture picture is painted with: one per file name.
QColor PictureColour(const QString& name)
{
    const uint h = qHash(name);
    return QColor(static_cast<int>(h & 0xFF), static_cast<int>((h >> 8) & 0xFF),
                  static_cast<int>((h >> 16) & 0xFF));
}

class MainPageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SF_SOFT_BASE::SFBaseSetAppDirPathOverride(Widen(TESSALY_DATA_DIR));
        CConfigManager::GetInstance().SetLangId(0);

        // A skin folder holding the placeholder and the fixture's model pictures, each in a
        // colour of its own, so the picture a slot shows can be told by its pixels.
        ASSERT_TRUE(m_skin.isValid());
        QStringList names = {QStringLiteral("na.png")};
        for (int g = 0; g < 6; ++g)
            for (int r = 1; r <= 14; ++r) {
                names << QStringLiteral("S%1_%2.png").arg(g).arg(r);
                names << QStringLiteral("S%1_%2_Frame.png").arg(g).arg(r);
            }
        for (const QString& name : names) {
            QImage image(220, 100, QImage::Format_RGB32);
            image.fill(PictureColour(name));
            ASSERT_TRUE(image.save(m_skin.filePath(name)));
        }
        SetSkinPath((m_skin.path() + QStringLiteral("/")).toStdWString());

        ASSERT_TRUE(NvrFixture::BuildCapability(m_cap));
        NvrFixture::BuildModels(m_models);

        ASSERT_NO_FATAL_FAILURE(MainPageFixture::OpenMainPage(m_parent, m_page, m_cap, m_models));
    }

    void TearDown() override
    {
        m_page.reset();
        m_parent.reset();
        CConfigManager::GetInstance().SetLangId(0);
        SF_SOFT_BASE::SFBaseSetAppDirPathOverride(std::wstring());
    }

    const CMainPageControls& C() const { return m_page->GetControls(); }
    CSFQTRadioBox* Slot(int i) const { return dynamic_cast<CSFQTRadioBox*>(C().pResult[i]); }

    // The name of the fixture picture that slot i shows in picture field f, "" for none.
    QString SlotPicture(int i, int f) const
    {
        const QPixmap& pic = Slot(i)->Picture(f);
        if (pic.isNull())
            return QString();
        const QColor colour = pic.toImage().pixelColor(pic.width() / 2, pic.height() / 2);
        for (int g = 0; g < 6; ++g)
            for (int r = 1; r <= 14; ++r)
                for (const QString& name : {QStringLiteral("S%1_%2.png").arg(g).arg(r),
                                            QStringLiteral("S%1_%2_Frame.png").arg(g).arg(r)})
                    if (PictureColour(name) == colour)
                        return name;
        if (PictureColour(QStringLiteral("na.png")) == colour)
            return QStringLiteral("na.png");
        return QStringLiteral("?");
    }

    std::vector<std::wstring> Counters() const
    {
        return {StaticText(C().pTotalCount), StaticText(C().pCurPageLabel), StaticText(C().pPageCountLabel)};
    }

    std::vector<std::wstring> Details() const
    {
        std::vector<std::wstring> out;
        for (CSFStatic* p : C().pDetailValue)
            out.push_back(StaticText(p));
        return out;
    }

    // Visible slots with their two labels, as "name|capacity".
    std::vector<std::wstring> VisibleSlots() const
    {
        std::vector<std::wstring> out;
        for (int i = 0; i < kNvrResultsPerPage; ++i) {
            const bool labels = Shown(C().pResultName[i]);
            EXPECT_EQ(labels, Shown(C().pResultCapacity[i])) << i;
            if (!Shown(C().pResult[i])) {
                EXPECT_FALSE(labels) << "labels of a hidden slot " << i;
                continue;
            }
            out.push_back(labels ? StaticText(C().pResultName[i]) + L"|" + StaticText(C().pResultCapacity[i])
                                 : std::wstring(L"<placeholder>"));
        }
        return out;
    }

    void Search(const wchar_t* decode)
    {
        C().pDecodeEdit->SetWindowTextW(decode);
        C().pResolutionCombo->SetCurSel(NvrFixture::kResolution);
        C().pFrameRateCombo->SetCurSel(NvrFixture::kFrameRate);
        Click(C().pSearchButton);
    }

    QTemporaryDir m_skin;
    NVRCapabilityTable m_cap;
    NVRModelTable m_models;
    std::unique_ptr<QWidget> m_parent;
    boost::shared_ptr<CMainPageEventImp> m_page;
};

const std::vector<std::wstring> kNoDetails(5, L"");

// ---------------------------------------------------------------------------------------

TEST_F(MainPageTest, FreshPageControlsAndPlaces)
{
    const CMainPageControls& c = C();
    EXPECT_EQ(CheckState(c.pHddCheck), 0);
    EXPECT_EQ(CheckState(c.pInputCheck), 0);
    EXPECT_EQ(ComboText(c.pHddCombo), L"1");
    EXPECT_EQ(c.pHddCombo->GetCount(), 6);
    EXPECT_FALSE(Enabled(c.pHddCombo));
    EXPECT_EQ(EditText(c.pInputEdit), L"1");
    EXPECT_FALSE(Enabled(c.pInputEdit));
    EXPECT_EQ(EditText(c.pDecodeEdit), L"16");
    EXPECT_TRUE(Enabled(c.pDecodeEdit));
    EXPECT_EQ(ComboText(c.pResolutionCombo), L"12MP(8Mbps_fixed lens cameras)");
    EXPECT_EQ(c.pResolutionCombo->GetCount(), 10);
    EXPECT_EQ(ComboText(c.pFrameRateCombo), L"30fps");
    EXPECT_EQ(c.pFrameRateCombo->GetCount(), 6);
    EXPECT_EQ(Counters(), (std::vector<std::wstring>{L"0", L"0", L"0"}));
    EXPECT_EQ(StaticText(c.pSlashLabel), L"/");
    EXPECT_EQ(StaticText(c.pSpecLabel), L"    Spec");
    EXPECT_EQ(StaticText(c.pDetailCaption[0]), L"Model\uFF1A");
    EXPECT_EQ(StaticText(c.pDetailCaption[4]), L"BandWidth\uFF1A");
    EXPECT_EQ(Details(), kNoDetails);

    for (QWidget* w :
         {W(c.pHddCheck), W(c.pInputCheck), W(c.pHddCombo), W(c.pInputEdit), W(c.pDecodeEdit),
          W(c.pSearchButton), W(c.pPrevButton), W(c.pNextButton), W(c.pTotalCount), W(c.pDetailPanel)})
        EXPECT_TRUE(w->isVisible());

    // Slot 0 shows the placeholder, checked; the others are hidden with their labels.
    EXPECT_TRUE(Shown(c.pResult[0]));
    EXPECT_EQ(c.pResult[0]->GetCheck(), 1);
    for (int f = 0; f < 8; ++f)
        EXPECT_EQ(SlotPicture(0, f), QStringLiteral("na.png")) << f;
    for (int i = 1; i < kNvrResultsPerPage; ++i) {
        EXPECT_FALSE(Shown(c.pResult[i])) << i;
        EXPECT_FALSE(Shown(c.pResultName[i])) << i;
        EXPECT_FALSE(Shown(c.pResultCapacity[i])) << i;
    }

    // Ids and places.
    QWidget* view = static_cast<QWidget*>(m_page->GetView()->GetUIWnd());
    EXPECT_EQ(view->parentWidget(), m_parent.get());
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Filter"));
    for (int i = 0; i < kNvrResultsPerPage; ++i) {
        const int x = (i % 3 == 0) ? 10 : (i % 3 == 1) ? 330 : 650;
        const int y = i < 3 ? 162 : 312;
        EXPECT_EQ(Slot(i)->ControlId(), 159u + i);
        EXPECT_EQ(W(c.pResult[i])->geometry(), QRect(x, y, 220, 100)) << i;
        EXPECT_EQ(W(c.pResult[i])->parentWidget(), view);
        EXPECT_EQ(W(c.pResultName[i])->pos(), QPoint(x + 5, y + 115));
        EXPECT_EQ(W(c.pResultCapacity[i])->pos(), QPoint(x + 135, y + 115));
    }
    EXPECT_EQ(W(c.pSearchButton)->geometry(), QRect(866, 62, 110, 30));
    EXPECT_EQ(W(c.pPrevButton)->geometry(), QRect(840, 102, 50, 30));
    EXPECT_EQ(W(c.pNextButton)->geometry(), QRect(890, 102, 50, 30));
    EXPECT_EQ(W(c.pHddCheck)->geometry(), QRect(214, 23, 16, 16));
    EXPECT_EQ(W(c.pInputCheck)->geometry(), QRect(415, 23, 16, 16));
    EXPECT_EQ(W(c.pHddCombo)->geometry(), QRect(305, 20, 80, 24));
    EXPECT_EQ(W(c.pInputEdit)->geometry(), QRect(526, 20, 60, 24));
    EXPECT_EQ(W(c.pFrameRateCombo)->geometry(), QRect(681, 20, 80, 24));
    EXPECT_EQ(W(c.pDecodeEdit)->geometry(), QRect(305, 67, 80, 24));
    EXPECT_EQ(W(c.pResolutionCombo)->geometry(), QRect(526, 67, 320, 24));
    EXPECT_EQ(W(c.pTotalCount)->pos(), QPoint(90, 102));
    EXPECT_EQ(W(c.pCurPageLabel)->pos(), QPoint(780, 102));
    EXPECT_EQ(W(c.pPageCountLabel)->pos(), QPoint(820, 102));
    EXPECT_EQ(W(c.pSpecHeader)->pos(), QPoint(0, 461));
    // "<" and ">" carry their tool tips from the start, "Search" none before a switch.
    EXPECT_EQ(W(c.pPrevButton)->toolTip(), QStringLiteral("Previous Page"));
    EXPECT_EQ(W(c.pNextButton)->toolTip(), QStringLiteral("Next Page"));
    EXPECT_TRUE(W(c.pSearchButton)->toolTip().isEmpty());
}

TEST_F(MainPageTest, ChannelEditRule)
{
    struct Case
    {
        const wchar_t* set;
        const wchar_t* after;
    };
    const Case cases[] = {
        {L"257", L"1"},   {L"256", L"256"},      {L"300", L"1"},  {L"007", L"7"},
        {L"12ab", L"12"}, {L"-3", L"-3"},        {L"", L""},      {L"0", L"0"},
        {L"abc", L"abc"}, {L"4294967552", L"1"}, {L" 42", L"42"}, {L"-4294967552", L"-2147483648"},
    };
    for (CSFEditCtrl* edit : {C().pDecodeEdit, C().pInputEdit})
        for (const Case& c : cases) {
            edit->SetWindowTextW(c.set);
            EXPECT_EQ(EditText(edit), c.after) << QString::fromWCharArray(c.set).toStdString();
        }

    // Typed digit by digit: "2", "25", then "257" turns into "1".
    C().pDecodeEdit->SetWindowTextW(L"");
    QWidget* edit = W(C().pDecodeEdit);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("257"));
    EXPECT_EQ(EditText(C().pDecodeEdit), L"1");
}

TEST_F(MainPageTest, FilterBoxesEnableAndReset)
{
    const CMainPageControls& c = C();
    Click(c.pHddCheck);
    EXPECT_EQ(CheckState(c.pHddCheck), 1);
    EXPECT_TRUE(Enabled(c.pHddCombo));
    c.pHddCombo->SetCurSel(3);
    EXPECT_EQ(ComboText(c.pHddCombo), L"8");
    Click(c.pHddCheck);
    EXPECT_EQ(CheckState(c.pHddCheck), 0);
    EXPECT_EQ(ComboText(c.pHddCombo), L"1");
    EXPECT_FALSE(Enabled(c.pHddCombo));

    Click(c.pInputCheck);
    EXPECT_TRUE(Enabled(c.pInputEdit));
    c.pInputEdit->SetWindowTextW(L"77");
    Click(c.pInputCheck);
    EXPECT_EQ(CheckState(c.pInputCheck), 0);
    EXPECT_EQ(EditText(c.pInputEdit), L"1");
    EXPECT_FALSE(Enabled(c.pInputEdit));
}

TEST_F(MainPageTest, BothFiltersAtEquality)
{
    const CMainPageControls& c = C();
    Click(c.pHddCheck);
    c.pHddCombo->SetCurSel(2);  // "4"
    Click(c.pInputCheck);
    c.pInputEdit->SetWindowTextW(L"32");
    Search(L"20");

    EXPECT_EQ(Counters(), (std::vector<std::wstring>{L"4", L"1", L"1"}));
    EXPECT_EQ(VisibleSlots(),
              (std::vector<std::wstring>{L"A-32|  - up to 32 ch", L"E-64|  - up to 64 ch",
                                         L"F-128|  - up to 128 ch", L"F-256|  - up to 256 ch"}));
    EXPECT_EQ(c.pResult[0]->GetCheck(), 1);
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(c.pResult[i]->GetCheck(), 0) << i;
    EXPECT_EQ(SlotPicture(0, 0), QStringLiteral("S0_2_Frame.png"));
    EXPECT_EQ(SlotPicture(0, 2), QStringLiteral("S0_2_Frame.png"));
    EXPECT_EQ(SlotPicture(0, 3), QStringLiteral("S0_2.png"));
    EXPECT_EQ(SlotPicture(0, 5), QStringLiteral("S0_2.png"));
    EXPECT_EQ(SlotPicture(3, 0), QStringLiteral("S5_2_Frame.png"));
    EXPECT_EQ(SlotPicture(3, 3), QStringLiteral("S5_2.png"));
    EXPECT_EQ(Details(), (std::vector<std::wstring>{L"A-32", L"QZ-A-32", L"32", L"4 x 4TB", L"160Mbps/s"}));
    EXPECT_TRUE(Enabled(c.pSearchButton));

    const std::vector<NVRSearchResult>& results = m_page->GetSearchResults();
    ASSERT_EQ(results.size(), 4u);
    EXPECT_STREQ(results[1].type, "S4");
    EXPECT_STREQ(results[1].decode, "48");
    EXPECT_STREQ(results[2].decode, "24");
}

TEST_F(MainPageTest, PagingWithinBounds)
{
    Search(L"16");
    EXPECT_EQ(Counters(), (std::vector<std::wstring>{L"8", L"1", L"2"}));
    EXPECT_EQ(VisibleSlots().size(), 6u);
    EXPECT_EQ(StaticText(C().pResultName[3]), L"C-256");
    EXPECT_EQ(Details(), (std::vector<std::wstring>{L"A-8", L"QZ-A-8", L"8", L"1 x 4TB", L"80Mbps/s"}));

    // "<" on page 1 changes nothing, not even the figures.
    Click(C().pPrevButton);
    EXPECT_EQ(StaticText(C().pCurPageLabel), L"1");
    EXPECT_EQ(Details()[0], L"A-8");

    Click(C().pNextButton);
    EXPECT_EQ(Counters(), (std::vector<std::wstring>{L"8", L"2", L"2"}));
    EXPECT_EQ(VisibleSlots(),
              (std::vector<std::wstring>{L"F-128|  - up to 128 ch", L"F-256|  - up to 256 ch"}));
    EXPECT_EQ(Details(),
              (std::vector<std::wstring>{L"F-128", L"QZ-F-128", L"128", L"16 x 4TB", L"320Mbps/s"}));
    EXPECT_EQ(SlotPicture(0, 0), QStringLiteral("S5_1_Frame.png"));
    EXPECT_EQ(C().pResult[0]->GetCheck(), 1);
    EXPECT_EQ(C().pResult[1]->GetCheck(), 0);

    // Select the second hit, then ">" on the last page: nothing changes.
    Click(C().pResult[1]);
    ASSERT_EQ(Details()[0], L"F-256");
    Click(C().pNextButton);
    EXPECT_EQ(StaticText(C().pCurPageLabel), L"2");
    EXPECT_EQ(Details()[0], L"F-256");
    EXPECT_EQ(C().pResult[1]->GetCheck(), 1);

    Click(C().pPrevButton);
    EXPECT_EQ(Counters(), (std::vector<std::wstring>{L"8", L"1", L"2"}));
    EXPECT_EQ(VisibleSlots().size(), 6u);
    EXPECT_EQ(Details()[0], L"A-8");
    EXPECT_EQ(m_page->GetPageItems(), 6);
}

TEST_F(MainPageTest, ThresholdAtSixteenAndSeventeen)
{
    Search(L"16");
    EXPECT_EQ(StaticText(C().pTotalCount), L"8");
    EXPECT_EQ(StaticText(C().pResultName[3]), L"C-256");

    Search(L"17");
    EXPECT_EQ(Counters(), (std::vector<std::wstring>{L"7", L"1", L"2"}));
    EXPECT_EQ(StaticText(C().pResultName[3]), L"E-64");
    Click(C().pNextButton);
    EXPECT_EQ(VisibleSlots(), (std::vector<std::wstring>{L"F-256|  - up to 256 ch"}));
    EXPECT_EQ(m_page->GetPageItems(), 1);
}

TEST_F(MainPageTest, EntriesThatReadAsZeroOrNegative)
{
    for (const wchar_t* entry : {L"", L"0", L"abc"}) {
        Search(entry);
        EXPECT_EQ(EditText(C().pDecodeEdit), L"1");
        EXPECT_EQ(StaticText(C().pTotalCount), L"8");
    }

    // A negative entry stays and lets every series that is not "N/A" qualify.
    Search(L"-3");
    EXPECT_EQ(EditText(C().pDecodeEdit), L"-3");
    EXPECT_EQ(Counters(), (std::vector<std::wstring>{L"9", L"1", L"2"}));
    const std::vector<NVRSearchResult>& results = m_page->GetSearchResults();
    ASSERT_EQ(results.size(), 9u);
    EXPECT_STREQ(results[4].item.Model, "D-128");
    EXPECT_STREQ(results[4].decode, ">80");

    // An empty input-channel entry with its filter on is searched as 1 and shows "1".
    Click(C().pInputCheck);
    C().pInputEdit->SetWindowTextW(L"");
    Search(L"20");
    EXPECT_EQ(EditText(C().pInputEdit), L"1");
    EXPECT_EQ(StaticText(C().pTotalCount), L"7");
}

TEST_F(MainPageTest, NoResultAtAll)
{
    Search(L"16");  // something first, so the reset is seen
    Click(C().pResult[2]);
    Search(L"81");
    EXPECT_EQ(Counters(), (std::vector<std::wstring>{L"0", L"0", L"0"}));
    EXPECT_EQ(VisibleSlots(), (std::vector<std::wstring>{L"<placeholder>"}));
    EXPECT_EQ(SlotPicture(0, 0), QStringLiteral("na.png"));
    EXPECT_EQ(SlotPicture(0, 5), QStringLiteral("na.png"));
    EXPECT_EQ(Details(), kNoDetails);
    EXPECT_EQ(m_page->GetPageCount(), 0);
    EXPECT_EQ(m_page->GetCurPage(), 0);

    Click(C().pNextButton);
    Click(C().pPrevButton);
    EXPECT_EQ(Counters(), (std::vector<std::wstring>{L"0", L"0", L"0"}));

    // Clicking the placeholder only moves its check mark.
    const int before = C().pResult[0]->GetCheck();
    Click(C().pResult[0]);
    EXPECT_NE(C().pResult[0]->GetCheck(), before);
    Click(C().pResult[0]);
    EXPECT_EQ(C().pResult[0]->GetCheck(), before);
    EXPECT_EQ(Details(), kNoDetails);
    EXPECT_EQ(VisibleSlots(), (std::vector<std::wstring>{L"<placeholder>"}));
}

TEST_F(MainPageTest, ZeroedTablesFindNothing)
{
    NVRCapabilityTable cap;
    NVRModelTable models;
    std::memset(&cap, 0, sizeof(cap));
    std::memset(&models, 0, sizeof(models));
    m_page->SetData(cap, models);
    for (const wchar_t* d : {L"1", L"-3"}) {
        Search(d);
        EXPECT_EQ(Counters(), (std::vector<std::wstring>{L"0", L"0", L"0"}));
        EXPECT_EQ(VisibleSlots(), (std::vector<std::wstring>{L"<placeholder>"}));
    }
}

TEST_F(MainPageTest, TwelveAndThirteenResults)
{
    for (int total : {12, 13}) {
        SCOPED_TRACE(total);
        NVRModelTable models;
        std::memset(&models, 0, sizeof(models));
        for (int r = 0; r < total; ++r)
            NvrFixture::AddModel(models, 0, r, "M-" + std::to_string(r + 1), r + 1, 1, 10);
        m_page->SetData(m_cap, models);
        Search(L"1");
        const std::wstring pages = total == 12 ? L"2" : L"3";
        EXPECT_EQ(Counters(), (std::vector<std::wstring>{std::to_wstring(total), L"1", pages}));
        Click(C().pNextButton);
        EXPECT_EQ(VisibleSlots().size(), 6u);
        EXPECT_EQ(StaticText(C().pResultName[0]), L"M-7");
        Click(C().pNextButton);
        if (total == 12) {
            EXPECT_EQ(StaticText(C().pCurPageLabel), L"2");
            EXPECT_EQ(VisibleSlots().size(), 6u);
        } else {
            EXPECT_EQ(StaticText(C().pCurPageLabel), L"3");
            EXPECT_EQ(VisibleSlots(), (std::vector<std::wstring>{L"M-13|  - up to 13 ch"}));
            EXPECT_EQ(Details()[2], L"13");
            EXPECT_EQ(SlotPicture(0, 0), QStringLiteral("S0_13_Frame.png"));
        }
    }
}

TEST_F(MainPageTest, ClickingResultsMovesTheSelection)
{
    Search(L"16");
    Click(C().pResult[4]);
    EXPECT_EQ(C().pResult[4]->GetCheck(), 1);
    for (int i : {0, 1, 2, 3, 5})
        EXPECT_EQ(C().pResult[i]->GetCheck(), 0) << i;
    EXPECT_EQ(Details(), (std::vector<std::wstring>{L"E-64", L"QZ-E-64", L"64", L"8 x 4TB", L"256Mbps/s"}));

    // The selected result clicked again is unchecked and its figures go.
    Click(C().pResult[4]);
    EXPECT_EQ(C().pResult[4]->GetCheck(), 0);
    EXPECT_EQ(Details(), kNoDetails);

    Click(C().pResult[1]);
    EXPECT_EQ(Details()[0], L"A-32");
    EXPECT_EQ(C().pResult[1]->GetCheck(), 1);
}

TEST_F(MainPageTest, LanguageSwitchAndBack)
{
    const CMainPageControls& c = C();
    c.pResolutionCombo->SetCurSel(7);
    Click(c.pHddCheck);
    c.pHddCombo->SetCurSel(3);

    m_page->RefreshText();
    EXPECT_EQ(CConfigManager::GetInstance().GetLangId(), 1);
    EXPECT_EQ(StaticText(c.pResolutionLabel), L"分辨率");
    EXPECT_EQ(StaticText(c.pNvrParamLabel), L"NVR参数\uFF1A");
    EXPECT_EQ(StaticText(c.pHddBaysLabel), L"硬盘盘位");
    EXPECT_EQ(StaticText(c.pInputChannelLabel), L"接入路数");
    EXPECT_EQ(StaticText(c.pFrameRateLabel), L"帧率");
    EXPECT_EQ(StaticText(c.pDecodePerfLabel), L"解码性能\uFF1A");
    EXPECT_EQ(StaticText(c.pDecodeChannelLabel), L"解码路数");
    EXPECT_EQ(StaticText(c.pTotalOfLabel), L"共找到");
    EXPECT_EQ(StaticText(c.pDevicesFoundLabel), L"台设备");
    EXPECT_EQ(StaticText(c.pSpecLabel), L"     规格参数");
    EXPECT_EQ(StaticText(c.pDetailCaption[0]), L"型号\uFF1A");
    EXPECT_EQ(StaticText(c.pDetailCaption[3]), L"最大硬盘数\uFF1A");
    EXPECT_EQ(c.pResolutionCombo->GetCurSel(), 7);
    EXPECT_EQ(ComboText(c.pResolutionCombo), L"200万像素(4Mbps)");
    EXPECT_EQ(c.pResolutionCombo->GetCount(), 10);
    EXPECT_EQ(ComboText(c.pHddCombo), L"1");
    EXPECT_EQ(c.pHddCombo->GetCount(), 6);
    EXPECT_EQ(W(c.pSearchButton)->toolTip(), QStringLiteral("搜索NVR"));
    wchar_t text[256] = L"";
    c.pSearchButton->GetWindowTextW(text, 256);
    EXPECT_EQ(std::wstring(text), L"搜索");
    // Untouched: frame rates, "<", ">" and their tool tips, the counters.
    EXPECT_EQ(ComboText(c.pFrameRateCombo), L"30fps");
    c.pPrevButton->GetWindowTextW(text, 256);
    EXPECT_EQ(std::wstring(text), L"<");
    EXPECT_EQ(W(c.pPrevButton)->toolTip(), QStringLiteral("Previous Page"));
    EXPECT_EQ(Counters(), (std::vector<std::wstring>{L"0", L"0", L"0"}));

    // The search still reads digits from the translated disk-bay items.
    c.pHddCombo->SetCurSel(5);  // "24"
    c.pFrameRateCombo->SetCurSel(NvrFixture::kFrameRate);
    c.pDecodeEdit->SetWindowTextW(L"20");
    Click(c.pSearchButton);
    EXPECT_EQ(VisibleSlots(), (std::vector<std::wstring>{L"F-256|  - up to 256 ch"}));

    m_page->RefreshText();
    EXPECT_EQ(CConfigManager::GetInstance().GetLangId(), 0);
    EXPECT_EQ(StaticText(c.pResolutionLabel), L"Resolution");
    EXPECT_EQ(StaticText(c.pSpecLabel), L"     Spec");
    EXPECT_EQ(ComboText(c.pResolutionCombo), L"2MP(4Mbps)");
    EXPECT_EQ(W(c.pSearchButton)->toolTip(), QStringLiteral("Search NVR"));
    // The shown result and its figures stay as they were.
    EXPECT_EQ(Details()[0], L"F-256");
}

TEST_F(MainPageTest, ResizeMovesOnlyTheFigures)
{
    const CMainPageControls& c = C();
    const QRect search = W(c.pSearchButton)->geometry();
    const QRect slot = W(c.pResult[0])->geometry();
    const QRect header = W(c.pSpecHeader)->geometry();

    for (int cy : {641, 500, 800}) {
        SCOPED_TRACE(cy);
        RECT rc = {1, 58, 998, 58 + cy - 1};
        m_page->GetView()->MoveWindow(&rc);
        QWidget* view = static_cast<QWidget*>(m_page->GetView()->GetUIWnd());
        ASSERT_EQ(view->height(), cy);
        const int cx = view->width();
        EXPECT_EQ(W(c.pDetailPanel)->geometry(), QRect(0, cy - 152, cx, 152));
        for (int n = 0; n < kNvrDetailCount; ++n) {
            EXPECT_EQ(W(c.pDetailCaption[n])->pos(), QPoint(10, cy - 147 + 24 * n)) << n;
            EXPECT_EQ(W(c.pDetailValue[n])->pos(), QPoint(130, cy - 147 + 24 * n)) << n;
            EXPECT_GE(W(c.pDetailCaption[n])->height(), 24);
        }
        EXPECT_EQ(W(c.pSearchButton)->geometry(), search);
        EXPECT_EQ(W(c.pResult[0])->geometry(), slot);
        EXPECT_EQ(W(c.pSpecHeader)->geometry(), header);
    }
}

// A page made under a visible parent gets its first size before its controls exist.
TEST_F(MainPageTest, SizeBeforeCreationUnderVisibleParent)
{
    QWidget parent;
    parent.resize(1000, 700);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    boost::shared_ptr<CMainPageEventImp> page =
        CreateMainPage(boost::shared_ptr<CMainFrameEventImp>(), &parent);
    ASSERT_NE(page->GetView(), nullptr);
    QWidget* view = static_cast<QWidget*>(page->GetView()->GetUIWnd());
    EXPECT_EQ(view->geometry(), QRect(100, 0, 901, 63));
    EXPECT_EQ(W(page->GetControls().pDetailPanel)->geometry().top(), view->height() - 152);
    EXPECT_EQ(W(page->GetControls().pDetailCaption[2])->pos(), QPoint(10, view->height() - 147 + 48));
}

TEST_F(MainPageTest, PageAndParentGoInEitherOrder)
{
    {
        auto parent = std::make_unique<QWidget>();
        boost::shared_ptr<CMainPageEventImp> page =
            CreateMainPage(boost::shared_ptr<CMainFrameEventImp>(), parent.get());
        page->SetData(m_cap, m_models);
        page.reset();  // the page takes its window along
        EXPECT_TRUE(parent->findChildren<QWidget*>().isEmpty());
    }
    {
        auto parent = std::make_unique<QWidget>();
        boost::shared_ptr<CMainPageEventImp> page =
            CreateMainPage(boost::shared_ptr<CMainFrameEventImp>(), parent.get());
        parent.reset();  // the window goes first
        EXPECT_EQ(page->GetView(), nullptr);
        EXPECT_EQ(page->GetControls().pSearchButton, nullptr);
        page->OnSearch();  // harmless without controls
        page->RefreshText();
        page.reset();
    }
}

// Counts the times each watched control is hidden.
class HideCounter : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::HideToParent)
            ++hides[watched];
        return false;
    }
    std::map<QObject*, int> hides;
};

TEST_F(MainPageTest, ShowingAPageHidesOnlyWhatItNoLongerShows)
{
    Search(L"16");  // 8 results: 6 on page 1, 2 on page 2
    ASSERT_EQ(VisibleSlots().size(), 6u);
    HideCounter counter;
    std::vector<QWidget*> controls;
    for (int i = 0; i < kNvrResultsPerPage; ++i)
        for (QWidget* w : {W(C().pResult[i]), W(C().pResultName[i]), W(C().pResultCapacity[i])}) {
            w->installEventFilter(&counter);
            controls.push_back(w);
        }
    auto hidden = [&](int i) {
        return counter.hides[W(C().pResult[i])] + counter.hides[W(C().pResultName[i])] +
               counter.hides[W(C().pResultCapacity[i])];
    };

    Click(C().pNextButton);
    ASSERT_EQ(VisibleSlots().size(), 2u);
    for (int i = 0; i < kNvrResultsPerPage; ++i)
        EXPECT_EQ(hidden(i), i < 2 ? 0 : 3) << "slot " << i << " going to page 2";

    counter.hides.clear();
    Click(C().pPrevButton);
    Search(L"16");
    ASSERT_EQ(VisibleSlots().size(), 6u);
    for (int i = 0; i < kNvrResultsPerPage; ++i)
        EXPECT_EQ(hidden(i), 0) << "slot " << i << " back on page 1 and searched again";
    for (QWidget* w : controls)
        w->removeEventFilter(&counter);
}

// ---------------------------------------------------------------------------------------
// The shipped tables and pictures.

TEST_F(MainPageTest, ShippedTablesThreePages)
{
    NVRCapabilityTable cap;
    NVRModelTable models;
    ASSERT_TRUE(LoadCapabilityTable(std::string(TESSALY_DATA_DIR) + "/Tessaly.xml", cap));
    ASSERT_TRUE(LoadModelTable(std::string(TESSALY_DATA_DIR) + "/NVRSpec.xml", models));
    m_page->SetData(cap, models);
    SetSkinPath(Widen(TESSALY_BIN_DIR "/Skin/"));

    C().pResolutionCombo->SetCurSel(9);
    C().pFrameRateCombo->SetCurSel(5);
    C().pDecodeEdit->SetWindowTextW(L"17");
    Click(C().pSearchButton);
    EXPECT_EQ(Counters(), (std::vector<std::wstring>{L"13", L"1", L"3"}));
    EXPECT_EQ(StaticText(C().pResultName[0]), L"RVP-432");
    EXPECT_FALSE(Slot(0)->Picture(0).isNull()) << "model picture not found in " TESSALY_BIN_DIR "/Skin/";
    Click(C().pNextButton);
    Click(C().pNextButton);
    EXPECT_EQ(VisibleSlots(), (std::vector<std::wstring>{L"RVM-24256-HD-X2P|  - up to 256 ch"}));
    EXPECT_EQ(Details(), (std::vector<std::wstring>{L"RVM-24256-HD-X2P", L"QZN-M24256-HDX2P-R02", L"256",
                                                    L"24 x 4TB", L"512Mbps/s"}));
    EXPECT_FALSE(Slot(0)->Picture(0).isNull());
}

}  // namespace
