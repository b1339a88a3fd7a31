// The main frame as the program starts it: start-up over a private application folder,
// the tables it loads, its window, its layout, the language switch, the manual key, the
// menu's dialogs and the close path that writes the settings.
#include "app/AppStartup.h"
#include "app/MainFrameEventImp.h"
#include "app/MainPageEventImp.h"
#include "app/ToolBarEventImp.h"

#include "base/compat/sf_winapi.h"
#include "base/config_manager.h"
#include "base/lang_table.h"
#include "base/message_loop_manager.h"
#include "base/sf_paths.h"
#include "skin/SFSkinString.h"
#include "tests/common/bin_file.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstring>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace {

using testutil::BinFile;

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

QByteArray ConfigWithLang(int lang)
{
    return QByteArray("<Setting>\n    <UIConfig>\n        <Lang value=\"") + QByteArray::number(lang) +
           "\" Default=\"0\" Min=\"0\" Max=\"0\" Scale=\"0\" />\n    </UIConfig>\n</Setting>\n";
}

// Every text a user can see in the window: labels, button texts, combo items, tool tips of
// visible widgets, and the menu's entries.
std::multiset<QString> VisibleTexts(QWidget* window, CSFMenu* menu)
{
    std::multiset<QString> texts;
    auto add = [&](const QString& t) {
        if (!t.trimmed().isEmpty())
            texts.insert(t);
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow())
            continue;
        add(w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w))
            add(label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(button->text());
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                add(combo->itemText(i));
        }
    }
    if (auto* qmenu = dynamic_cast<QMenu*>(menu)) {
        for (QAction* a : qmenu->actions())
            add(a->text());
    }
    return texts;
}

bool Contains(const std::multiset<QString>& texts, const QString& t) { return texts.count(t) > 0; }

// Runs open(), which shows a modal dialog, and closes the first modal window that appears.
// Returns that window's title and label texts (empty when none appeared).
QStringList RunModalAndClose(const std::function<void()>& open)
{
    QStringList seen;
    QPointer<QWidget> modal;
    int ticks = 0;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        ++ticks;
        QWidget* active = QApplication::activeModalWidget();
        if (active && !modal) {
            modal = active;
            seen << active->windowTitle();
            for (QLabel* l : active->findChildren<QLabel*>())
                seen << l->text();
            QTest::keyClick(active, Qt::Key_Escape);
        } else if (active && active == modal && ticks % 10 == 0) {
            active->close();  // the dialog ignored Esc
        } else if (!active && ticks > 1500) {
            poll.stop();  // nothing came up within 30 s
        }
    });
    poll.start();
    open();
    poll.stop();
    return seen;
}

class ShellRecorder
{
public:
    ShellRecorder()
    {
        sfwin::SetShellOpenHandler([this](const std::string& path) -> intptr_t {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_paths.push_back(path);
            return 42;
        });
    }
    ~ShellRecorder() { sfwin::SetShellOpenHandler({}); }
    std::vector<std::string> Paths()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_paths;
    }

private:
    std::mutex m_mutex;
    std::vector<std::string> m_paths;
};

// Start-up over a private application folder holding the shipped data (and an optional
// config.xml); everything is undone afterwards.
class MainFrameStart : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_cwd = QDir::currentPath();
        for (const char* name : {"Tessaly.xml", "NVRSpec.xml", "Lang_0.xml", "Lang_1.xml", "Style.css"}) {
            ASSERT_TRUE(QFile::exists(BinFile(name))) << name;
            ASSERT_TRUE(QFile::copy(BinFile(name), Path(name))) << name;
        }
        ASSERT_TRUE(QFile::link(BinFile("Skin"), Path("Skin")));
        CConfigManager::GetInstance().Reset();
        ResetLangTable();
        SF_SOFT_BASE::SFBaseSetAppDirPathOverride(m_dir.path().toStdWString());
    }

    void TearDown() override
    {
        VesperonBase::CSFMessageLoopManager::GetInstance()->Clear();
        FinishApplication(m_session, true);
        QApplication::processEvents();
        SF_SOFT_BASE::SFBaseSetAppDirPathOverride(std::wstring());
        CConfigManager::GetInstance().Reset();
        ResetLangTable();
        qApp->setStyleSheet(QString());
        QDir::setCurrent(m_cwd);
    }

    QString Path(const char* name) const { return m_dir.path() + QLatin1Char('/') + QString::fromUtf8(name); }

    void Start()
    {
        StartApplication(qApp, m_session);
        ASSERT_TRUE(m_session.pMainFrame);
        ASSERT_NE(nullptr, m_session.pMainFrame->GetFrameDlg()) << "no main window";
        QApplication::processEvents();
    }

    CMainFrameEventImp& Frame() { return *m_session.pMainFrame; }
    QWidget* Window() { return static_cast<QWidget*>(m_session.pMainFrame->GetUIWnd()); }

    // Closes the frame the way the tool bar does after OK (hide, then WM_CLOSE) and runs the
    // event loop until it ends. False when it did not end within 30 s.
    bool CloseThroughToolBarPath()
    {
        bool timedOut = false;
        CSFDialog* dlg = Frame().GetFrameDlg();
        QTimer::singleShot(0, [dlg] {
            dlg->ShowWindow(0);
            dlg->SendDlgMessage(16, 0, 0);
        });
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&] {
            timedOut = true;
            QCoreApplication::quit();
        });
        guard.start(30000);
        QApplication::exec();
        return !timedOut;
    }

    QTemporaryDir m_dir;
    QString m_cwd;
    CAppSession m_session;
};

TEST_F(MainFrameStart, ServicesComeUpInOrderAroundTheFrame)
{
    Start();
    // The working directory, style sheet, skin folder and icon all point at the folder.
    EXPECT_EQ(QDir(m_dir.path()).canonicalPath(), QDir::current().canonicalPath());
    EXPECT_EQ(m_dir.path().toStdWString(), m_session.strAppDir);
    EXPECT_TRUE(qApp->styleSheet().contains(QLatin1String("QMenu")));
    EXPECT_EQ(m_dir.path() + QStringLiteral("/Skin/"), GetSkinPath());
    EXPECT_FALSE(QApplication::windowIcon().isNull());

    // Loops: exactly 1, 2, 3, 5, 6, 7, all different; loop 1 belongs to this thread.
    auto manager = VesperonBase::CSFMessageLoopManager::GetInstance();
    EXPECT_EQ(6u, manager->GetCount());
    std::set<VesperonBase::CSFMessageLoop*> loops;
    for (int id : {1, 2, 3, 5, 6, 7}) {
        VesperonBase::CSFMessageLoopPtr loop = manager->GetMessageLoop(id);
        ASSERT_TRUE(loop) << id;
        loops.insert(loop.get());
        if (id == 1)
            EXPECT_EQ(sfwin::GetCurrentThreadId(), loop->GetThreadId());
        else
            EXPECT_NE(sfwin::GetCurrentThreadId(), loop->GetThreadId());
    }
    EXPECT_EQ(6u, loops.size());
    EXPECT_EQ(6u, manager->GetCount());
    EXPECT_FALSE(manager->GetMessageLoop(4));
}

TEST_F(MainFrameStart, LoadsBothTablesAndHandsThemToThePage)
{
    Start();
    const NVRCapabilityTable& cap = Frame().GetCapabilityTable();
    for (int s = 0; s < kRecorderSeriesCount; ++s) {
        EXPECT_NE('\0', cap[s].slot[0].type[0]) << s;
        EXPECT_STREQ(cap[s].slot[0].type, cap[s].slot[59].type) << s;
    }
    int models = 0;
    const NVRModelTable& table = Frame().GetModelTable();
    for (int g = 0; g < kRecorderSeriesCount; ++g)
        for (int r = 0; r < kModelRowsPerGroup; ++r)
            models += table[g][r].Model[0] != '\0';
    EXPECT_EQ(25, models);

    // The page searches over its own copy of both: 1MP at 30 fps on 4 channels finds models,
    // each one a row of the frame's model table.
    ASSERT_TRUE(Frame().GetMainPage());
    const CMainPageControls& c = Frame().GetMainPage()->GetControls();
    ASSERT_TRUE(c.pResolutionCombo && c.pDecodeEdit);
    c.pResolutionCombo->SetCurSel(9);
    c.pDecodeEdit->SetWindowTextW(L"4");
    Frame().GetMainPage()->OnSearch();
    const std::vector<NVRSearchResult>& hits = Frame().GetMainPage()->GetSearchResults();
    ASSERT_FALSE(hits.empty());
    for (const NVRSearchResult& hit : hits) {
        bool found = false;
        for (int g = 0; g < kRecorderSeriesCount && !found; ++g)
            for (int r = 0; r < kModelRowsPerGroup && !found; ++r)
                found = std::memcmp(&table[g][r], &hit.item, sizeof(NVRSpecItem)) == 0;
        EXPECT_TRUE(found) << hit.item.Model;
    }
}

TEST_F(MainFrameStart, MissingTablesLeaveThemEmptyAndTheWindowUp)
{
    QFile::remove(Path("Tessaly.xml"));
    QFile::remove(Path("NVRSpec.xml"));
    Start();
    NVRCapabilityTable zeroCap;
    std::memset(&zeroCap, 0, sizeof(zeroCap));
    EXPECT_EQ(0, std::memcmp(&zeroCap, &Frame().GetCapabilityTable(), sizeof(zeroCap)));
    EXPECT_TRUE(Window()->isVisible());
}

TEST_F(MainFrameStart, WindowIsTheTitledSkinnedFrameWithToolBarAndPageLaidOut)
{
    Start();
    QWidget* w = Window();
    ASSERT_NE(nullptr, w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(QSize(1000, 700), w->size());
    EXPECT_EQ(QStringLiteral("Tessaly"), w->windowTitle());
    const QWidgetList tops = QApplication::topLevelWidgets();
    EXPECT_EQ(1, std::count_if(tops.begin(), tops.end(), [](QWidget* t) { return t->isVisible(); }));

    ASSERT_TRUE(Frame().GetToolBar());
    ASSERT_TRUE(Frame().GetMainPage());
    auto* bar = static_cast<QWidget*>(Frame().GetToolBar()->ISFViewEvent::GetUIWnd());
    auto* page = static_cast<QWidget*>(Frame().GetMainPage()->ISFViewEvent::GetUIWnd());
    ASSERT_TRUE(bar && page);
    EXPECT_EQ(QRect(QPoint(1, 1), QPoint(998, 57)), bar->geometry());
    EXPECT_EQ(QRect(QPoint(1, 58), QPoint(998, 698)), page->geometry());

    // A resize lays both out again against the new client size; with the switch set, not.
    int cx = 800, cy = 600;
    Frame().OnDlgSize(0, cx, cy);
    EXPECT_EQ(QRect(QPoint(1, 1), QPoint(798, 57)), bar->geometry());
    EXPECT_EQ(QRect(QPoint(1, 58), QPoint(798, 598)), page->geometry());
    Frame().SetLayoutLocked(1);
    cx = 1000, cy = 700;
    Frame().OnDlgSize(0, cx, cy);
    EXPECT_EQ(QRect(QPoint(1, 58), QPoint(798, 598)), page->geometry());
}

TEST_F(MainFrameStart, LanguageSwitchFlipsEveryTextAndBackAndSavesOnlyAtClose)
{
    Start();
    CSFMenu* menu = Frame().GetMenu();
    ASSERT_NE(nullptr, menu);
    const std::multiset<QString> english0 = VisibleTexts(Window(), menu);
    ASSERT_TRUE(Contains(english0, QStringLiteral("Resolution")));
    ASSERT_TRUE(Contains(english0, QStringLiteral("Help")));
    EXPECT_TRUE(Contains(english0, QStringLiteral("中文")));  // the menu offers the other language

    std::vector<std::multiset<QString>> after;
    for (int i = 0; i < 4; ++i) {
        Frame().Menu_OnAction(kMainMenuLanguage);
        EXPECT_EQ((i + 1) % 2, CConfigManager::GetInstance().GetLangId());
        after.push_back(VisibleTexts(Window(), menu));
    }
    EXPECT_FALSE(QFile::exists(Path("config.xml"))) << "written before the close";

    const std::multiset<QString>& chinese = after[0];
    for (const char* zh : {"分辨率", "帧率", "解码路数", "搜索", "帮助", "关于", "English", "关闭", "最小化"})
        EXPECT_TRUE(Contains(chinese, QString::fromUtf8(zh))) << zh;
    for (const char* en : {"Resolution", "Frame Rate", "Decoding Channel", "Search", "Help", "About", "中文",
                           "Close", "Minimize"})
        EXPECT_FALSE(Contains(chinese, QString::fromUtf8(en))) << en;
    for (const char* en : {"Resolution", "Search", "Help", "About", "中文", "Close", "Minimize"})
        EXPECT_TRUE(Contains(after[1], QString::fromUtf8(en))) << en;
    for (const char* zh : {"分辨率", "搜索", "帮助", "English", "关闭"})
        EXPECT_FALSE(Contains(after[1], QString::fromUtf8(zh))) << zh;
    // Each language always looks the same.
    EXPECT_EQ(after[0], after[2]);
    EXPECT_EQ(after[1], after[3]);

    // One more switch, then a real close: the file holds the language in use.
    Frame().Menu_OnAction(kMainMenuLanguage);
    ASSERT_TRUE(CloseThroughToolBarPath()) << "the event loop did not end after the close";
    const QByteArray saved = ReadAll(Path("config.xml"));
    EXPECT_TRUE(saved.contains("<Lang value=\"1\" Default=\"0\"")) << saved.toStdString();
}

TEST_F(MainFrameStart, SavedChineseComesUpInChinese)
{
    WriteFile(Path("config.xml"), ConfigWithLang(1));
    Start();
    EXPECT_EQ(1, CConfigManager::GetInstance().GetLangId());
    EXPECT_EQ(QString::fromUtf8("Tessaly NVR选型工具"), Window()->windowTitle());
    const std::multiset<QString> texts = VisibleTexts(Window(), Frame().GetMenu());
    EXPECT_TRUE(Contains(texts, QString::fromUtf8("分辨率")));
    EXPECT_TRUE(Contains(texts, QStringLiteral("English")));
}

TEST_F(MainFrameStart, CloseWithoutConfigEndsTheLoopAndWritesEnglish)
{
    Start();
    ASSERT_TRUE(CloseThroughToolBarPath()) << "the event loop did not end after the close";
    const QByteArray saved = ReadAll(Path("config.xml"));
    EXPECT_TRUE(saved.contains("<Setting>")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("<Lang value=\"0\" Default=\"0\" Min=\"0\" Max=\"0\" Scale=\"0\" />"))
        << saved.toStdString();
}

TEST_F(MainFrameStart, F1OpensTheManualOfTheLanguageInUseOnlyWhenItExists)
{
    Start();
    ShellRecorder shell;
    Frame().OnDlgKeyDown(0, 112);
    EXPECT_TRUE(shell.Paths().empty()) << "opened a manual that is not there";

    WriteFile(Path("Operation Manual.pdf"), "%PDF-1.4\n");
    WriteFile(Path("操作手册.pdf"), "%PDF-1.4\n");
    for (UINT key : {113u, 27u, 13u, 0x01000004u})
        Frame().OnDlgKeyDown(0, key);
    EXPECT_TRUE(shell.Paths().empty());

    Frame().OnDlgKeyDown(0, 112);
    Frame().Menu_OnAction(kMainMenuLanguage);
    Frame().OnDlgKeyDown(0, 112);
    const std::string dir = m_dir.path().toStdString();
    ASSERT_EQ(2u, shell.Paths().size());
    EXPECT_EQ(dir + "/Operation Manual.pdf", shell.Paths()[0]);
    EXPECT_EQ(dir + "/操作手册.pdf", shell.Paths()[1]);
}

TEST_F(MainFrameStart, HelpAndAboutShowTheirDialogsModally)
{
    Start();
    const QStringList help = RunModalAndClose([this] { Frame().Menu_OnAction(kMainMenuHelp); });
    ASSERT_FALSE(help.isEmpty()) << "no help box";
    EXPECT_TRUE(help.contains(QStringLiteral("Help")));
    EXPECT_TRUE(help.filter(QStringLiteral("then click \u201CSearch\u201D to list")).size() == 1)
        << help.join('|').toStdString();

    const QStringList about = RunModalAndClose([this] { Frame().Menu_OnAction(kMainMenuAbout); });
    ASSERT_FALSE(about.isEmpty()) << "no About box";
    EXPECT_TRUE(about.contains(QStringLiteral("About")));
    // Both are gone again and the frame is still up.
    EXPECT_EQ(nullptr, QApplication::activeModalWidget());
    EXPECT_TRUE(Window()->isVisible());

    Frame().Menu_OnAction(999);  // unknown ids do nothing
    EXPECT_EQ(0, CConfigManager::GetInstance().GetLangId());
}

}  // namespace
