// Program start-up, the event loop and tear-down.
#include "app/AppStartup.h"

#include "app/FontConfigWarmUp.h"
#include "app/RecorderTablesReader.h"
#include "app/StartupPhase.h"
#include "base/compat/sf_winapi.h"
#include "base/config_manager.h"
#include "base/crash_handler.h"
#include "base/lang_table.h"
#include "base/message_loop_manager.h"
#include "skin/SFEntry.h"
#include "skin/SFSkinString.h"

#include <QAccessible>
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QWidget>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A program cannot place its own windows on Wayland: where an X server is reachable too,
// ask for the X11 platform first and keep Wayland as the fallback. Returns whether the
// environment was changed, so the caller can take the setting back once the application
// object has read it (programs started from here must not inherit it).
bool PreferX11Platform(int argc, char** argv)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return false;
    }
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    return true;
}

// The folder of the running executable (empty when unknown), as the application object
// later names the application folder.
std::wstring ExecutableFolder()
{
    const std::string path = sfwin::GetModuleFileName();
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::wstring() : sfwin::Utf8ToWide(path.substr(0, slash));
}

}  // namespace

QStringList InterfaceFontFamilies()
{
    return {QStringLiteral("Tessaly Sans"), QStringLiteral("Noto Sans CJK SC"),
            QStringLiteral("DejaVu Sans")};
}

void ApplyInterfaceFont(const QString& appDir)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    const QStringList families = InterfaceFontFamilies();
    // The faces are looked up in the list of installed families, not one by one through
    // QFontDatabase::hasFamily, which first runs each name through the system's font
    // substitution rules: a fifth of the start-up's work for three names.
    QStringList known = QFontDatabase::families();
    if (!known.contains(families.first(), Qt::CaseInsensitive)) {
        for (const char* file : {"/TessalySans-Regular.otf", "/TessalySans-Bold.otf"})
            QFontDatabase::addApplicationFont(appDir + QLatin1String(file));
        known = QFontDatabase::families();
    }
    // The dialog skins name "Tahoma": let it resolve to the same faces.
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), families);

    QStringList installed;
    for (const QString& family : families) {
        if (known.contains(family, Qt::CaseInsensitive))
            installed.append(family);
    }
    if (installed.isEmpty())
        return;  // the system's default face is the only choice left
    QFont font = QApplication::font();
    font.setFamilies(installed);
    QApplication::setFont(font);
}

// A skin folder that is missing or cannot be read leaves every control without its pictures:
// one line on standard error names it.
void ReportUnusableSkinFolder(const std::wstring& folder)
{
    const std::string path = sfwin::WideToUtf8(folder);
    std::string reason;
    struct stat st
    {};
    if (::stat(path.c_str(), &st) != 0)
        reason = std::system_category().message(errno);
    else if (!S_ISDIR(st.st_mode))
        reason = "not a folder";
    else if (::access(path.c_str(), R_OK | X_OK) != 0)
        reason = std::system_category().message(errno);
    if (!reason.empty())
        std::fprintf(stderr, "Tessaly: skin folder \"%s\" not usable: %s\n", path.c_str(), reason.c_str());
}

void StartApplication(QApplication* app, CAppSession& session)
{
    MarkStartupPhase("application");  // main() so far: the application object and its platform
    SF_Initialize();
    SF_InitApplication(app);
    session.strAppDir = SF_GetAppDirPath();
    VesperonBase::InstallCrashHandler(1);
    // 8-bit text handed to Qt is read as UTF-8 already; numbers are read and written the
    // C way whatever the user's locale says.
    std::setlocale(LC_NUMERIC, "C");
    MarkStartupPhase("framework");

    ApplyInterfaceFont(WideToQString(session.strAppDir));
    MarkStartupPhase("fonts");
    SF_LoadStyleSheet(session.strAppDir + L"/Style.css");
    SF_SetSkinPath(session.strAppDir + L"/Skin/");
    ReportUnusableSkinFolder(session.strAppDir + L"/Skin");
    MarkStartupPhase("style-sheet");
    {
        const std::string iconPath = sfwin::WideToUtf8(session.strAppDir + L"/Skin/ip2.png");
        if (app)
            app->setWindowIcon(QIcon(LoadSkinPicture(Utf8ToQString(iconPath.c_str()))));
    }
    // On purpose before the settings are read, so it always installs the first language's translator.
    LoadQtTranslator();

    CConfigManager& config = CConfigManager::GetInstance();
    config.SetPersistent(new CConfigXMLPersistImp(""));
    config.LoadConfig();
    MarkStartupPhase("settings");  // with the window icon and the Qt translator

    session.pMainFrame = CreateMainFrame(session.pTablesReadAhead);
    MarkStartupPhase("window-shown");

    using namespace VesperonBase;
    boost::shared_ptr<CSFMessageLoopManager> manager = CSFMessageLoopManager::GetInstance();
    session.pGuiLoop = CreateMessageLoop(SF_LOOP_QT);
    if (session.pGuiLoop) {
        session.pGuiLoop->SetThreadId(sfwin::GetCurrentThreadId());
        manager->RegisterMessageLoop(session.pGuiLoop, ML_MAIN);
    }
    for (int id : kWorkerLoopIds) {
        CSFThreadEx_QtPtr thread = CSFThreadEx_Qt::Create(SF_LOOP_DEFAULT, 0);
        if (!thread)
            continue;
        thread->Start();
        CSFMessageLoopPtr loop = thread->GetMessageLoop();
        manager->RegisterMessageLoop(loop, id);
        session.workers.push_back(thread);
        session.workerLoops.push_back(loop);
    }
    MarkStartupPhase("worker-loops");
}

void FinishApplication(CAppSession& session, bool bStopWorkers)
{
    VesperonBase::CSFMessageLoopManager::GetInstance()->Clear();
    if (bStopWorkers) {
        for (const VesperonBase::CSFMessageLoopPtr& loop : session.workerLoops) {
            if (loop)
                loop->QuitAndWait();
        }
    }
    session.workerLoops.clear();
    session.workers.clear();
    session.pGuiLoop.reset();
    session.pMainFrame.reset();
}

int AppMain(int argc, char** argv, void (*onStarted)(QWidget* mainWindow))
{
    const bool platformChosen = PreferX11Platform(argc, argv);
    {
        // The font configuration and the recorder tables are read while the application
        // object starts; the tables from the executable's folder, which the main frame loads
        // them from too (it reads them again should the two ever differ).
        CFontConfigWarmUp fontConfig;
        const std::wstring folder = ExecutableFolder();
        CRecorderTablesReader tables(CMainFrameEventImp::CapabilityTablePath(folder),
                                     CMainFrameEventImp::ModelTablePath(folder));
        QApplication app(argc, argv);
        if (platformChosen)
            qunsetenv("QT_QPA_PLATFORM");
        // The accessibility support connects to the session bus when first asked; where no bus
        // runs, the bus library forks to try to start one, which costs more the more memory
        // the process holds. Asked here, it pays that while the process is smallest (and the
        // font configuration is still being read).
        QAccessible::isActive();
        fontConfig.Wait();
        CAppSession session;
        session.pTablesReadAhead = &tables;
        StartApplication(&app, session);
        if (onStarted && session.pMainFrame)
            onStarted(static_cast<QWidget*>(session.pMainFrame->GetUIWnd()));
        app.exec();  // its result is not used
        FinishApplication(session);
    }
    return 0;
}
