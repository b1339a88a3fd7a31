// Program start-up and tear-down, kept apart from main() so that tests can run them on an
// application object of their own.
#pragma once

#include "app/MainFrameEventImp.h"

#include "base/message_loop.h"
#include "base/thread_ex.h"

#include <QStringList>

#include <string>
#include <vector>

class CRecorderTablesReader;
class QApplication;
class QWidget;

// Module ids of the five worker loops, in the order they are made.
constexpr int kWorkerLoopIds[5] = {2, 3, 5, 6, 7};

// What lives for the whole run.
struct CAppSession
{
    std::wstring strAppDir;
    CRecorderTablesReader* pTablesReadAhead = nullptr;  // handed to the main frame (see CreateMainFrame)
    CMainFrameEventImpPtr pMainFrame;
    VesperonBase::CSFMessageLoopPtr pGuiLoop;
    std::vector<VesperonBase::CSFThreadEx_QtPtr> workers;
    std::vector<VesperonBase::CSFMessageLoopPtr> workerLoops;
};

// The faces the program's texts are drawn in, preferred first: the program's own narrow
// Latin face (shipped beside it, cut from the next one), whose letters fit the page's fixed
// label rectangles; the Chinese sans face, which carries the Chinese texts; then a wide
// Latin face as the fallback.
QStringList InterfaceFontFamilies();

// Registers the program's own faces from appDir ("TessalySans-Regular.otf",
// "TessalySans-Bold.otf"; a missing one is skipped), then makes the installed ones of
// InterfaceFontFamilies() the application's default font (keeping its size) and lets the
// face named "Tahoma" by the dialog skins resolve to them. Does nothing without an
// application object; with none of the faces installed the default stays.
void ApplyInterfaceFont(const QString& appDir);

// Everything between the application object and its event loop, in this order: framework
// start (the application folder becomes the working directory), crash handler, interface
// font, style sheet and skin folder, window icon, Qt translator, settings from "config.xml",
// the main frame (shown), the GUI loop registered as 1 and five worker loops as 2, 3, 5, 6, 7.
void StartApplication(QApplication* app, CAppSession& session);

// Drops every registered loop and releases what the session holds, so that nothing of it
// outlives the application object. Worker threads are left running (they end with the
// process) unless bStopWorkers is set.
void FinishApplication(CAppSession& session, bool bStopWorkers = false);

// The program: start-up, Qt's event loop, tear-down. Always returns 0. onStarted, when
// given, is called with the main window once start-up is done (the start-up probe's hook).
int AppMain(int argc, char** argv, void (*onStarted)(QWidget* mainWindow) = nullptr);
