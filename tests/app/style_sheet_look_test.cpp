// The program's own style sheet dresses only tool tips and menus: the search page, built
// with the shipped skin and data, must look exactly the same with the sheet applied as
// without it, control by control.
#include "app/MainPageEventImp.h"
#include "app/recorder_tables.h"
#include "base/config_manager.h"
#include "tests/app/main_page_fixture.h"
#include "tests/common/widget_test_util.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using MainPageFixture::W;

// One search page in a 1000 x 700 window, placed where the main frame puts it, with the
// default inputs searched once so that the result slots show their pictures.
struct ShownPage
{
    std::unique_ptr<QWidget> parent;
    boost::shared_ptr<CMainPageEventImp> page;

    ShownPage(const NVRCapabilityTable& capability, const NVRModelTable& models)
    {
        MainPageFixture::OpenMainPage(parent, page, capability, models);
        if (page && page->GetView())
            testutil::Click(page->GetControls().pSearchButton);
    }

    // Every control of the page by a name for the failure message.
    std::vector<std::pair<std::string, QWidget*>> Controls() const
    {
        const CMainPageControls& c = page->GetControls();
        std::vector<std::pair<std::string, QWidget*>> out = {
            {"hdd check", W(c.pHddCheck)},
            {"input check", W(c.pInputCheck)},
            {"hdd combo", W(c.pHddCombo)},
            {"frame-rate combo", W(c.pFrameRateCombo)},
            {"resolution combo", W(c.pResolutionCombo)},
            {"input edit (disabled)", W(c.pInputEdit)},
            {"decode edit", W(c.pDecodeEdit)},
            {"search button", W(c.pSearchButton)},
            {"prev button", W(c.pPrevButton)},
            {"next button", W(c.pNextButton)},
            {"hdd label", W(c.pHddBaysLabel)},
            {"parameter label", W(c.pNvrParamLabel)},
            {"counter bar", W(c.pCounterBar)},
            {"total count", W(c.pTotalCount)},
            {"border picture", W(c.pBorder)},
            {"spec picture", W(c.pSpecPicture)},
            {"detail panel", W(c.pDetailPanel)},
            {"detail caption", W(c.pDetailCaption[0])},
        };
        for (int i = 0; i < kNvrResultsPerPage; ++i) {
            out.push_back({"result slot " + std::to_string(i), W(c.pResult[i])});
            out.push_back({"result name " + std::to_string(i), W(c.pResultName[i])});
        }
        out.push_back({"whole page", W(page->GetView())});
        return out;
    }
};

class StyleSheetLookTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(MainPageFixture::UseShippedData(m_capability, m_models));
        CConfigManager::GetInstance().SetLangId(0);

        QFile css(QStringLiteral(TESSALY_BIN_DIR "/Style.css"));
        ASSERT_TRUE(css.open(QIODevice::ReadOnly));
        m_sheet = QString::fromUtf8(css.readAll());
        ASSERT_FALSE(m_sheet.trimmed().isEmpty());
    }

    void TearDown() override
    {
        qApp->setStyleSheet(QString());
        MainPageFixture::LeaveShippedData();
    }

    // What each control of the page shows now; a null picture for a hidden control.
    static std::vector<std::pair<std::string, QImage>> Snapshot(const ShownPage& shown)
    {
        std::vector<std::pair<std::string, QImage>> out;
        for (const auto& [name, widget] : shown.Controls()) {
            EXPECT_NE(widget, nullptr) << name;
            QImage image;
            if (widget && widget->isVisible())
                image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
            out.push_back({name, image});
        }
        return out;
    }

    static void ExpectSameLook(const std::vector<std::pair<std::string, QImage>>& plain,
                               const std::vector<std::pair<std::string, QImage>>& styled)
    {
        ASSERT_EQ(plain.size(), styled.size());
        for (size_t i = 0; i < plain.size(); ++i) {
            SCOPED_TRACE(plain[i].first);
            const QImage& a = plain[i].second;
            const QImage& b = styled[i].second;
            ASSERT_EQ(a.isNull(), b.isNull()) << "shown in one page only";
            ASSERT_EQ(a.size(), b.size());
            int differing = 0;
            QPoint first(-1, -1);
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x)
                    if (a.pixel(x, y) != b.pixel(x, y) && differing++ == 0)
                        first = QPoint(x, y);
            EXPECT_EQ(differing, 0) << "first at " << first.x() << "," << first.y() << " of " << a.width()
                                    << " x " << a.height();
        }
    }

    NVRCapabilityTable m_capability;
    NVRModelTable m_models;
    QString m_sheet;
};

}  // namespace

// As the program does it: the sheet is applied before the page is made.
TEST_F(StyleSheetLookTest, PageMadeUnderTheSheetLooksAsWithoutIt)
{
    qApp->setStyleSheet(QString());
    ShownPage plain(m_capability, m_models);
    ASSERT_TRUE(plain.page);
    const auto before = Snapshot(plain);
    qApp->setStyleSheet(m_sheet);
    ShownPage styled(m_capability, m_models);
    ASSERT_TRUE(styled.page);
    ExpectSameLook(before, Snapshot(styled));
}

// Applied to a page already on screen, the sheet changes nothing either.
TEST_F(StyleSheetLookTest, SheetAppliedToAShownPageChangesNothing)
{
    qApp->setStyleSheet(QString());
    ShownPage shown(m_capability, m_models);
    ASSERT_TRUE(shown.page);
    const auto before = Snapshot(shown);
    qApp->setStyleSheet(m_sheet);
    QApplication::processEvents();
    ExpectSameLook(before, Snapshot(shown));
}
