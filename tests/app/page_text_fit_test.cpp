// The search page keeps the fixed label rectangles of its layout, so its texts must fit
// them in the program's own interface font: in both languages, on a fresh page, after a
// search on its first, second and last page, and after the language switch, no label may
// be clipped by its own box or run into the control beside it.
#include "app/AppStartup.h"
#include "app/MainPageEventImp.h"
#include "app/recorder_tables.h"
#include "base/config_manager.h"
#include "base/lang_table.h"
#include "skin/SFQTStatic.h"
#include "tests/app/main_page_fixture.h"
#include "tests/common/widget_test_util.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>
#include <QRect>
#include <QString>
#include <QTest>
#include <QWidget>
#include <QXmlStreamReader>

#include <memory>
#include <string>
#include <vector>

namespace {

using MainPageFixture::W;
using testutil::Click;

// Least free room, in pixels, between a label's letters and the next control.
constexpr int kMinGap = 2;

struct Named
{
    std::string name;
    QWidget* widget;
    int slot = -1;  // the result slot a label belongs to
};

class PageTextFitTest : public ::testing::TestWithParam<int>
{
protected:
    void SetUp() override
    {
        ApplyInterfaceFont(QStringLiteral(TESSALY_BIN_DIR));
        const QString face = InterfaceFontFamilies().value(0);
        ASSERT_TRUE(QFontDatabase::hasFamily(face))
            << face.toStdString() << " is not installed (scripts/setup.sh installs it)";

        ASSERT_NO_FATAL_FAILURE(MainPageFixture::UseShippedData(m_capability, m_models));
        CConfigManager::GetInstance().SetLangId(GetParam());
        ResetLangTable();
        ASSERT_NO_FATAL_FAILURE(MainPageFixture::OpenMainPage(m_parent, m_page, m_capability, m_models));
    }

    void TearDown() override
    {
        m_page.reset();
        m_parent.reset();
        CConfigManager::GetInstance().SetLangId(0);
        ResetLangTable();
        MainPageFixture::LeaveShippedData();
    }

    const CMainPageControls& C() const { return m_page->GetControls(); }

    // "1MP(2Mbps)", 5 fps, one decoding channel: 25 recorders over 5 pages.
    void SearchSmallestLoad()
    {
        C().pResolutionCombo->SetCurSel(9);
        C().pFrameRateCombo->SetCurSel(5);
        C().pDecodeEdit->SetWindowTextW(L"1");
        Click(C().pSearchButton);
        ASSERT_GE(m_page->GetPageCount(), 3) << "the shipped tables changed: pick another load";
    }

    // Every control that draws something of its own; the plain background bars, the rule
    // and the picture behind "Spec" are left out (labels are meant to sit on them).
    std::vector<Named> Controls() const
    {
        const CMainPageControls& c = C();
        std::vector<Named> out = {
            {"parameter label", W(c.pNvrParamLabel)},
            {"hdd check", W(c.pHddCheck)},
            {"hdd label", W(c.pHddBaysLabel)},
            {"hdd combo", W(c.pHddCombo)},
            {"input check", W(c.pInputCheck)},
            {"input label", W(c.pInputChannelLabel)},
            {"input edit", W(c.pInputEdit)},
            {"frame-rate label", W(c.pFrameRateLabel)},
            {"frame-rate combo", W(c.pFrameRateCombo)},
            {"decoding label", W(c.pDecodePerfLabel)},
            {"channel label", W(c.pDecodeChannelLabel)},
            {"decode edit", W(c.pDecodeEdit)},
            {"resolution label", W(c.pResolutionLabel)},
            {"resolution combo", W(c.pResolutionCombo)},
            {"search button", W(c.pSearchButton)},
            {"total-of label", W(c.pTotalOfLabel)},
            {"total count", W(c.pTotalCount)},
            {"devices-found label", W(c.pDevicesFoundLabel)},
            {"current page", W(c.pCurPageLabel)},
            {"slash", W(c.pSlashLabel)},
            {"page count", W(c.pPageCountLabel)},
            {"prev button", W(c.pPrevButton)},
            {"next button", W(c.pNextButton)},
            {"spec label", W(c.pSpecLabel)},
        };
        for (int i = 0; i < kNvrResultsPerPage; ++i) {
            out.push_back({"result slot " + std::to_string(i), W(c.pResult[i])});
            out.push_back({"result name " + std::to_string(i), W(c.pResultName[i]), i});
            out.push_back({"result capacity " + std::to_string(i), W(c.pResultCapacity[i]), i});
        }
        for (int n = 0; n < kNvrDetailCount; ++n) {
            out.push_back({"caption " + std::to_string(n), W(c.pDetailCaption[n])});
            out.push_back({"value " + std::to_string(n), W(c.pDetailValue[n])});
        }
        return out;
    }

    // The horizontal span a label's letters cover (blanks at either end left out), in page
    // coordinates; an empty span for a label without letters.
    static QRect InkRect(const CSFQTStatic* s)
    {
        const QString text = s->text();
        const QString trimmed = text.trimmed();
        if (trimmed.isEmpty())
            return QRect();
        const QFontMetrics fm(s->PaintFont());
        const int full = fm.horizontalAdvance(text);
        const int lead = fm.horizontalAdvance(text.left(text.indexOf(trimmed.at(0))));
        const int ink = fm.horizontalAdvance(trimmed);
        const QRect g = s->geometry();
        const int flags = static_cast<int>(const_cast<CSFQTStatic*>(s)->GetTextAlignFlag());
        int start = g.left();
        if (flags & Qt::AlignRight)
            start = g.right() + 1 - full;
        else if (flags & Qt::AlignHCenter)
            start = g.left() + (g.width() - full) / 2;
        return QRect(start + lead, g.top(), ink, g.height());
    }

    // Every shown label: fully inside its own box, and clear of every other control.
    void ExpectTextsFit(const char* state) const
    {
        SCOPED_TRACE(state);
        const std::vector<Named> all = Controls();
        int checked = 0;
        for (const Named& subject : all) {
            const auto* label = qobject_cast<const CSFQTStatic*>(subject.widget);
            if (!label || label->isHidden() || label->text().trimmed().isEmpty())
                continue;
            ++checked;
            const QString text = label->text();
            const QFontMetrics fm(label->PaintFont());
            const QRect g = label->geometry();
            EXPECT_LE(fm.horizontalAdvance(text), g.width())
                << subject.name << " \"" << text.toStdString() << "\" is cut off at the right";
            EXPECT_LE(fm.height(), g.height()) << subject.name << " is cut off at the bottom";

            const QRect ink = InkRect(label);
            for (const Named& other : all) {
                if (other.widget == subject.widget || !other.widget || other.widget->isHidden())
                    continue;
                const auto* otherLabel = qobject_cast<const CSFQTStatic*>(other.widget);
                const QRect area = otherLabel ? InkRect(otherLabel) : other.widget->geometry();
                // A result's name and capacity boxes are laid edge to edge, the capacity
                // text bringing its own blanks as the gap: a long model name may use them
                // up, but the letters of the two must not overlap.
                const int gap = subject.slot >= 0 && subject.slot == other.slot ? 0 : kMinGap;
                EXPECT_FALSE(area.isValid() && ink.adjusted(-gap, 0, gap, 0).intersects(area))
                    << subject.name << " \"" << text.toStdString() << "\" runs into " << other.name;
            }
        }
        EXPECT_GE(checked, 19) << "labels went missing";
    }

    NVRCapabilityTable m_capability;
    NVRModelTable m_models;
    std::unique_ptr<QWidget> m_parent;
    boost::shared_ptr<CMainPageEventImp> m_page;
};

TEST_P(PageTextFitTest, FreshPageAndEveryResultPage)
{
    ExpectTextsFit("fresh page");

    SearchSmallestLoad();
    ExpectTextsFit("first result page");

    Click(C().pNextButton);
    ASSERT_EQ(m_page->GetCurPage(), 2);
    ExpectTextsFit("second result page");

    while (m_page->GetCurPage() < m_page->GetPageCount())
        Click(C().pNextButton);
    ExpectTextsFit("last result page");
}

TEST_P(PageTextFitTest, AfterTheLanguageSwitch)
{
    SearchSmallestLoad();
    m_page->RefreshText();
    ASSERT_EQ(CConfigManager::GetInstance().GetLangId(), GetParam() == 0 ? 1 : 0);
    ExpectTextsFit("switched once");
    m_page->RefreshText();
    ExpectTextsFit("switched back");
}

INSTANTIATE_TEST_SUITE_P(Languages, PageTextFitTest, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == 0 ? std::string("English") : std::string("Chinese");
                         });

TEST(InterfaceFont, BecomesTheDefaultAndStandsInForTheSkinsFace)
{
    const QString face = InterfaceFontFamilies().value(0);
    ApplyInterfaceFont(QStringLiteral(TESSALY_BIN_DIR));
    ASSERT_TRUE(QFontDatabase::hasFamily(face)) << face.toStdString() << " was not registered";
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), face);
    EXPECT_EQ(QFontInfo(QWidget().font()).family(), face);
    QFont skinFace(QStringLiteral("Tahoma"));
    skinFace.setPixelSize(11);
    EXPECT_EQ(QFontInfo(skinFace).family(), face);
}

// The English texts are drawn with the program's own small face alone, so English never
// opens the large Chinese faces; only the name of the other language is written in Chinese.
TEST(InterfaceFont, CarriesEveryEnglishText)
{
    for (const char* file : {"/TessalySans-Regular.otf", "/TessalySans-Bold.otf"}) {
        SCOPED_TRACE(file);
        const QRawFont face(QStringLiteral(TESSALY_BIN_DIR) + QLatin1String(file), 12);
        ASSERT_TRUE(face.isValid());
        EXPECT_EQ(face.familyName(), InterfaceFontFamilies().value(0));

        QFile lang(QStringLiteral(TESSALY_BIN_DIR "/Lang_0.xml"));
        ASSERT_TRUE(lang.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&lang);
        int texts = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("item"))
                continue;
            const QString name = xml.attributes().value(QLatin1String("name")).toString();
            if (name == QLatin1String("Language"))
                continue;
            ++texts;
            const QString text = xml.attributes().value(QLatin1String("value")).toString();
            for (const char32_t ch : text.toUcs4())
                EXPECT_TRUE(face.supportsCharacter(ch))
                    << "\"" << text.toStdString() << "\" needs U+" << std::hex << unsigned(ch);
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_GT(texts, 30);
        // The full-width colon of the labels, and letters of the other language, tell the two apart.
        EXPECT_TRUE(face.supportsCharacter(U'\xFF1A'));
        EXPECT_FALSE(face.supportsCharacter(U'\x4E2D'));
    }
}

}  // namespace
