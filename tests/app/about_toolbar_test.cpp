// The About dialog (texts, link, keys, language refresh) and the tool bar on a real main
// frame (layout, tool tips, and the buttons reaching the frame: menu, minimise, maximise,
// help and the confirmed close).
#include "tests/app/dialog_test_support.h"
#include "tests/common/test_files.h"
#include "tests/common/widget_test_util.h"

#include "app/AboutDlgEventImp.h"
#include "app/MainFrameEventImp.h"
#include "app/MessageBox.h"
#include "app/ToolBarEventImp.h"
#include "base/compat/sf_winapi.h"
#include "base/config_manager.h"
#include "skin/SFQTButton.h"
#include "skin/SFQTPictureCtrl.h"
#include "skin/SFQTStatic.h"

#include <QEnterEvent>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <boost/make_shared.hpp>
#include <boost/shared_ptr.hpp>

#include <string>
#include <vector>

namespace {

using testutil::Click;

// Every test records what would have been opened with the shell instead of opening it.
class ShellRecordingFixture : public AppFolderFixture
{
protected:
    void SetUp() override
    {
        AppFolderFixture::SetUp();
        CConfigManager::GetInstance().SetLangId(0);
        sfwin::SetShellOpenHandler([this](const std::string& text) -> intptr_t {
            m_opened.push_back(text);
            return 42;
        });
    }
    void TearDown() override
    {
        sfwin::SetShellOpenHandler(nullptr);
        CConfigManager::GetInstance().SetLangId(0);
        AppFolderFixture::TearDown();
    }

    std::vector<std::string> m_opened;
};

QWidget* WidgetOf(void* ui) { return static_cast<QWidget*>(ui); }

CSFQTButton* ButtonAt(QWidget* parent, const QPoint& topLeft)
{
    for (CSFQTButton* b : parent->findChildren<CSFQTButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (b->geometry().topLeft() == topLeft)
            return b;
    }
    return nullptr;
}

QString TitleText(QWidget* dlg)
{
    for (QLabel* label : dlg->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!qobject_cast<CSFQTStatic*>(label) && !qobject_cast<CSFQTPictureCtrl*>(label))
            return label->text();
    }
    return QString();
}

// ---- About -----------------------------------------------------------------------------

class AboutDlgTest : public ShellRecordingFixture
{
protected:
    void SetUp() override
    {
        ShellRecordingFixture::SetUp();
        m_about = CreateAboutDlg(boost::shared_ptr<CMainFrameEventImp>());
        ASSERT_TRUE(m_about);
        ASSERT_NE(m_about->GetDlg(), nullptr);
        m_dlg = WidgetOf(m_about->GetDlg()->GetUIWnd());
        ASSERT_NE(m_dlg, nullptr);
    }
    void TearDown() override
    {
        m_about.reset();
        ShellRecordingFixture::TearDown();
    }

    CSFQTStatic* StaticAt(const QPoint& topLeft)
    {
        for (CSFQTStatic* s : m_dlg->findChildren<CSFQTStatic*>()) {
            if (s->geometry().topLeft() == topLeft)
                return s;
        }
        return nullptr;
    }
    CSFQTButton* Link() { return ButtonAt(m_dlg, QPoint(20, 165)); }

    boost::shared_ptr<CAboutDlgEventImp> m_about;
    QWidget* m_dlg = nullptr;
};

TEST_F(AboutDlgTest, ExistsHiddenWithItsTextsAndControls)
{
    EXPECT_FALSE(m_dlg->isVisible());
    EXPECT_EQ(m_dlg->size(), QSize(358, 250));
    EXPECT_EQ(TitleText(m_dlg), LangQ(L"About"));

    const auto pictures = m_dlg->findChildren<CSFQTPictureCtrl*>();
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_EQ(pictures.front()->geometry(), QRect(0, 27, 358, 78));

    CSFQTStatic* version = StaticAt(QPoint(20, 115));
    CSFQTStatic* copyright = StaticAt(QPoint(20, 140));
    ASSERT_NE(version, nullptr);
    ASSERT_NE(copyright, nullptr);
    EXPECT_EQ(version->text(), LangQ(L"ProductVer"));
    EXPECT_EQ(copyright->text(), LangQ(L"CopyrightString"));
    // The texts come from the language file, not the keys.
    EXPECT_NE(version->text(), QStringLiteral("ProductVer"));
    EXPECT_NE(copyright->text(), QStringLiteral("CopyrightString"));

    CSFQTButton* link = Link();
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->geometry(), QRect(20, 165, 330, 20));
    EXPECT_EQ(link->text(), LangQ(L"WebSite"));
    EXPECT_TRUE(link->text().contains(QLatin1Char('.')));
    EXPECT_EQ(link->TextColor(), QColor(0, 0, 0));

    CSFQTButton* close = ButtonAt(m_dlg, QPoint(329, 5));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->size(), QSize(24, 24));
    EXPECT_EQ(close->toolTip(), LangQ(L"Close"));
}

TEST_F(AboutDlgTest, EnterEscapeAndCloseButtonEndTheModalRun)
{
    const int buttonsBefore = m_dlg->findChildren<CSFQTButton*>().size();
    for (int key : {int(Qt::Key_Return), int(Qt::Key_Escape), 0}) {
        ModalAnswer answer([&](QWidget* dlg) {
            EXPECT_EQ(dlg, m_dlg);
            if (key)
                QTest::keyClick(dlg, Qt::Key(key));
            else if (CSFQTButton* close = ButtonAt(dlg, QPoint(329, 5)))
                Click(close);
        });
        m_about->GetDlg()->CenterWindow(nullptr);
        EXPECT_EQ(m_about->GetDlg()->DoModalDlg(), 2) << key;
        EXPECT_TRUE(answer.Answered());
        EXPECT_FALSE(m_dlg->isVisible());
    }
    // The modal runs build nothing more.
    EXPECT_EQ(m_dlg->findChildren<CSFQTButton*>().size(), buttonsBefore);
    EXPECT_TRUE(m_opened.empty());
}

TEST_F(AboutDlgTest, LinkOpensItsWholeTextWithTheShell)
{
    m_about->GetDlg()->ShowWindow(1);
    CSFQTButton* link = Link();
    ASSERT_NE(link, nullptr);
    Click(link);
    ASSERT_EQ(m_opened.size(), 1u);
    EXPECT_EQ(QString::fromStdString(m_opened[0]), LangQ(L"WebSite"));

    // An address longer than any fixed buffer still opens whole; an empty one opens nothing.
    const std::wstring longAddress = L"https://example.org/" + std::wstring(300, L'p') + L"/\u00E9";
    link->SetWindowTextW(longAddress.c_str());
    Click(link);
    link->SetWindowTextW(L"");
    Click(link);
    ASSERT_EQ(m_opened.size(), 2u);
    EXPECT_EQ(QString::fromStdString(m_opened[1]), QString::fromStdWString(longAddress));
}

TEST_F(AboutDlgTest, LinkColourFollowsTheMouse)
{
    m_about->GetDlg()->ShowWindow(1);
    CSFQTButton* link = Link();
    ASSERT_NE(link, nullptr);
    const QPoint c = link->rect().center();
    const QColor blue(0, 0, 255), white(255, 255, 255), black(0, 0, 0);

    QEnterEvent enter(QPointF(c), QPointF(link->mapTo(m_dlg, c)), QPointF(link->mapToGlobal(c)));
    QApplication::sendEvent(link, &enter);
    EXPECT_EQ(link->TextColor(), blue);  // COLORREF 0xFF0000 is blue
    QTest::mousePress(link, Qt::LeftButton, Qt::NoModifier, c);
    EXPECT_EQ(link->TextColor(), white);
    QTest::mouseRelease(link, Qt::LeftButton, Qt::NoModifier, c);
    EXPECT_EQ(link->TextColor(), black);
    QApplication::sendEvent(link, &enter);
    EXPECT_EQ(link->TextColor(), blue);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_EQ(link->TextColor(), black);
}

TEST_F(AboutDlgTest, RefreshTextSwitchesLanguageButKeepsTheLink)
{
    const QString englishCaption = LangQ(L"About");
    const QString link = Link()->text();
    CConfigManager::GetInstance().SetLangId(1);
    m_about->RefreshText();
    EXPECT_EQ(TitleText(m_dlg), QStringLiteral("\u5173\u4E8E"));  // "About" in Chinese
    EXPECT_NE(TitleText(m_dlg), englishCaption);
    EXPECT_EQ(StaticAt(QPoint(20, 115))->text(), LangQ(L"ProductVer"));
    EXPECT_EQ(StaticAt(QPoint(20, 140))->text(), LangQ(L"CopyrightString"));
    EXPECT_EQ(Link()->text(), link);
}

TEST(AboutDlgLifetime, SinkOutlivingItsDialogDoesNotTouchIt)
{
    QWidget owner;
    boost::shared_ptr<CAboutDlgEventImp> about =
        boost::make_shared<CAboutDlgEventImp>(boost::shared_ptr<CMainFrameEventImp>());
    ASSERT_EQ(about->Create(), 0);
    QPointer<QWidget> dlg = WidgetOf(about->GetDlg()->GetUIWnd());
    // Owned by another window that goes first, as the frame's window does at exit.
    dlg->setParent(&owner, dlg->windowFlags());
    delete dlg.data();
    EXPECT_EQ(about->GetUIWnd(), nullptr);
    about.reset();  // must not destroy the dialog a second time
}

TEST(ToolBarLifetime, ReleasingTheBarTakesALiveViewAlong)
{
    boost::shared_ptr<CToolBarEventImp> bar =
        CToolBarEventImp::Create(boost::shared_ptr<CMainFrameEventImp>());
    ASSERT_NE(bar->GetView(), nullptr);
    QPointer<QWidget> view = WidgetOf(bar->GetView()->GetUIWnd());
    ASSERT_FALSE(view.isNull());
    // Without a frame the handlers have nothing to act on.
    bar->Dlg_OnCommand(CToolBarEventImp::kIdClose);
    bar->Dlg_OnCommand(CToolBarEventImp::kIdMenu);
    bar->Dlg_OnCommand(CToolBarEventImp::kIdMin);
    bar.reset();
    EXPECT_TRUE(view.isNull());
}

// ---- Tool bar on the main frame ---------------------------------------------------------

class ToolBarTest : public ShellRecordingFixture
{
protected:
    void SetUp() override
    {
        ShellRecordingFixture::SetUp();
        m_frame = CreateMainFrame();
        ASSERT_TRUE(m_frame);
        ASSERT_NE(m_frame->GetFrameDlg(), nullptr);
        m_bar = m_frame->GetToolBar();
        ASSERT_TRUE(m_bar);
        ASSERT_NE(m_bar->GetView(), nullptr);
        m_window = WidgetOf(m_frame->GetFrameDlg()->GetUIWnd());
        m_view = WidgetOf(m_bar->GetView()->GetUIWnd());
        ASSERT_NE(m_window, nullptr);
        ASSERT_NE(m_view, nullptr);
    }
    void TearDown() override
    {
        m_bar.reset();
        m_frame.reset();
        ShellRecordingFixture::TearDown();
    }

    // Buttons of a bar cx wide: close, minimise, menu.
    CSFQTButton* Close() { return ButtonAt(m_view, QPoint(m_view->width() - 36, 6)); }
    CSFQTButton* Min() { return ButtonAt(m_view, QPoint(m_view->width() - 66, 6)); }
    CSFQTButton* Menu()
    {
        for (CSFQTButton* b : m_view->findChildren<CSFQTButton*>()) {
            if (b->geometry().topLeft() == QPoint(m_view->width() - 96, 6) && b->isVisibleTo(m_view))
                return b;
        }
        return nullptr;
    }
    CMainFrameEventImpPtr m_frame;
    boost::shared_ptr<CToolBarEventImp> m_bar;
    QWidget* m_window = nullptr;
    QWidget* m_view = nullptr;
};

TEST_F(ToolBarTest, LaysOutTitleAndButtonsAtTheRightEnd)
{
    ASSERT_TRUE(m_window->isVisible());
    EXPECT_EQ(m_view->width(), m_window->width() - 2);

    struct Expect
    {
        CSFQTButton* button;
        int left;
        const char* name;
    };
    const int cx = m_view->width();
    const Expect buttons[] = {
        {Close(), cx - 36, "close"}, {Min(), cx - 66, "min"}, {Menu(), cx - 96, "menu"}};
    for (const Expect& e : buttons) {
        ASSERT_NE(e.button, nullptr) << e.name;
        EXPECT_TRUE(e.button->isVisible()) << e.name;
        EXPECT_EQ(e.button->x(), e.left) << e.name;
        EXPECT_EQ(e.button->y(), 6) << e.name;
        // The rectangle is placed with inclusive corners: 24 or 25 pixels.
        EXPECT_NEAR(e.button->width(), 24, 1) << e.name;
        EXPECT_NEAR(e.button->height(), 24, 1) << e.name;
    }
    // 6 pixels between the buttons, 12 or 13 to the right edge.
    EXPECT_EQ(Min()->x() - Menu()->x(), 30);
    EXPECT_EQ(Close()->x() - Min()->x(), 30);

    // The help button exists but stays hidden, under the menu button.
    int hidden = 0;
    for (CSFQTButton* b : m_view->findChildren<CSFQTButton*>())
        hidden += b->isVisibleTo(m_view) ? 0 : 1;
    EXPECT_EQ(hidden, 1);

    const auto titles = m_view->findChildren<CSFQTPictureCtrl*>();
    ASSERT_EQ(titles.size(), 1);
    EXPECT_EQ(titles.front()->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(titles.front()->width(), 266);

    // Tool tips: the menu button has none until the first refresh.
    EXPECT_TRUE(Menu()->toolTip().isEmpty());
    EXPECT_EQ(Min()->toolTip(), LangQ(L"Min"));
    EXPECT_EQ(Close()->toolTip(), LangQ(L"Close"));
    CConfigManager::GetInstance().SetLangId(1);
    m_bar->RefreshText();
    EXPECT_EQ(Menu()->toolTip(), QStringLiteral("\u5173\u4E8E"));
    EXPECT_EQ(Min()->toolTip(), LangQ(L"Min"));
    EXPECT_EQ(Close()->toolTip(), LangQ(L"Close"));
}

TEST_F(ToolBarTest, StripIsTheToolBarBlue)
{
    const QImage image = m_view->grab().toImage();
    // Between the title picture and the buttons only the background shows.
    EXPECT_EQ(QColor(image.pixel(m_view->width() / 2 + 100, 45)), QColor(18, 138, 250));
}

TEST_F(ToolBarTest, MenuButtonPopsTheFramesMenuBelowIt)
{
    // A frame that fits the test screen, so the menu is not pushed back onto it.
    m_frame->GetFrameDlg()->MoveWindow(0, 0, 600, 400);
    QMenu* menu = dynamic_cast<QMenu*>(m_frame->GetMenu());
    ASSERT_NE(menu, nullptr);
    CSFQTButton* button = Menu();
    ASSERT_NE(button, nullptr);
    Click(button);
    EXPECT_TRUE(menu->isVisible());
    const QPoint bottomLeft = button->mapToGlobal(QPoint(0, button->height() - 1));
    EXPECT_EQ(menu->pos(), bottomLeft);
    menu->hide();
}

TEST_F(ToolBarTest, MinimiseAndMaximiseReachTheFrame)
{
    Click(Min());
    EXPECT_TRUE(m_window->windowState() & Qt::WindowMinimized);
    m_window->setWindowState(Qt::WindowNoState);

    // 142 is routed though no button carries it: the frame's own maximise (to the work
    // area), then the restore.
    CSFDialog* frame = m_frame->GetFrameDlg();
    const QRect normal = m_window->geometry();
    m_bar->Dlg_OnCommand(CToolBarEventImp::kIdMax);
    EXPECT_TRUE(frame->IsDlgZoomed());
    EXPECT_EQ(m_window->geometry(), m_window->screen()->availableGeometry());
    m_bar->Dlg_OnCommand(CToolBarEventImp::kIdMax);
    EXPECT_FALSE(frame->IsDlgZoomed());
    EXPECT_EQ(m_window->geometry(), normal);
}

TEST_F(ToolBarTest, HelpOpensTheManualOfTheCurrentLanguage)
{
    const std::string folder = m_dir.path().toStdString();
    // Without the manual nothing is handed to the shell, as with F1.
    m_bar->Dlg_OnCommand(CToolBarEventImp::kIdHelp);
    EXPECT_TRUE(m_opened.empty());
    for (const std::string& name : {std::string("Operation Manual.pdf"),
                                    std::string("\xE6\x93\x8D\xE4\xBD\x9C\xE6\x89\x8B\xE5\x86\x8C.pdf")})
        testutil::WriteFile(folder + "/" + name, "%PDF-1.4\n");
    CConfigManager::GetInstance().SetLangId(0);
    m_bar->Dlg_OnCommand(CToolBarEventImp::kIdHelp);
    CConfigManager::GetInstance().SetLangId(1);
    m_bar->Dlg_OnCommand(CToolBarEventImp::kIdHelp);
    ASSERT_EQ(m_opened.size(), 2u);
    EXPECT_EQ(m_opened[0], folder + "/Operation Manual.pdf");
    EXPECT_EQ(m_opened[1], folder + "/\xE6\x93\x8D\xE4\xBD\x9C\xE6\x89\x8B\xE5\x86\x8C.pdf");
}

TEST_F(ToolBarTest, CloseAsksAndCancelKeepsTheWindow)
{
    const QString question = LangQ(L"Are you sure to close software?");
    for (bool viaCloseButton : {false, true}) {
        QString asked;
        ModalAnswer answer([&](QWidget* box) {
            for (CSFQTStatic* s : box->findChildren<CSFQTStatic*>())
                asked = s->text();
            for (CSFQTButton* b : box->findChildren<CSFQTButton*>()) {
                const bool isCancel = b->text() == LangQ(L"Cancel");
                const bool isClose = b->text().isEmpty();
                if ((viaCloseButton && isClose) || (!viaCloseButton && isCancel)) {
                    Click(b);
                    return;
                }
            }
        });
        Click(Close());
        EXPECT_TRUE(answer.Answered());
        EXPECT_EQ(asked, question);
        EXPECT_TRUE(m_window->isVisible());
        EXPECT_FALSE(QFileInfo::exists(m_dir.path() + "/config.xml"));
    }
}

TEST_F(ToolBarTest, CloseConfirmedHidesAndClosesTheFrame)
{
    ModalAnswer answer([&](QWidget* box) {
        for (CSFQTButton* b : box->findChildren<CSFQTButton*>()) {
            if (b->text() == LangQ(L"OK")) {
                Click(b);
                return;
            }
        }
    });
    Click(Close());
    EXPECT_TRUE(answer.Answered());
    QCoreApplication::processEvents();  // the close is queued
    QCoreApplication::processEvents();
    EXPECT_FALSE(m_window->isVisible());
    // The frame's close saved the settings beside the program.
    EXPECT_TRUE(QFileInfo::exists(m_dir.path() + "/config.xml"));
}

}  // namespace
