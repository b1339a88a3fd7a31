// The program's main frame: the sink of the one frameless 1000 x 700 main window. It owns
// both recorder tables, the pop-up menu (Help, About, Language), the tool bar, the hidden
// About dialog and the search page; it lays them out on resize, opens the manual on F1 and
// saves the settings when the window closes.
#pragma once

#include "app/recorder_tables.h"
#include "skin/SFEntry.h"

#include <boost/enable_shared_from_this.hpp>
#include <boost/shared_ptr.hpp>

#include <string>

class CRecorderTablesReader;
class CToolBarEventImp;
class CAboutDlgEventImp;
class CMainPageEventImp;

// Menu action ids of the frame's pop-up menu.
enum : int
{
    kMainMenuHelp = 151,
    kMainMenuAbout = 152,
    kMainMenuLanguage = 153,
};

class CMainFrameEventImp : public ISFDialogEvent,
                           public ISFMenuEvent,
                           public ISFEditCtrlEvent,
                           public boost::enable_shared_from_this<CMainFrameEventImp>
{
public:
    CMainFrameEventImp();
    ~CMainFrameEventImp() override;
    CMainFrameEventImp(const CMainFrameEventImp&) = delete;
    CMainFrameEventImp& operator=(const CMainFrameEventImp&) = delete;

    SF_DECLARE_MSGMAP()

    // Builds the skinned window (which runs Dlg_OnInitDialog(1)), titles, sizes, centres
    // and shows it. Call it once the frame is held by a shared pointer. Returns 0.
    int Create();

    // ---- window callbacks ----
    // Loads both tables; with bCreate builds the menu, tool bar, About dialog and page.
    BOOL Dlg_OnInitDialog(bool bCreate) override;
    // Tool bar to (1,1)-(cx-2,57), page to (1,58)-(cx-2,cy-2), inclusive corners.
    void OnDlgSize(UINT type, int& cx, int& cy) override;
    // Writes "config.xml". Returns 0.
    int Dlg_Close() override;
    // F1 (112) opens the manual of the current language; other keys do nothing.
    void OnDlgKeyDown(UINT modifiers, UINT key) override;
    void OnMsgScreenLock(int locked) override;

    // ---- menu ----
    void Menu_OnAction(int id) override;
    // Pops the frame's menu up at the screen point (x, y) (the tool bar's menu button).
    void PopupMenu(int x, int y);

    // The frame window (NULL before Create or when the window factory failed).
    CSFDialog* GetFrameDlg() const { return m_pFrameDlg; }
    // Sets the window text to the Qt translation of "ProductName" (context
    // "CMainFrameEventImp").
    void SetTitle();
    // A skinned notice (type 0) or question (type 1) over the frame; returns its result.
    int ShowMessage(const wchar_t* text, const wchar_t* caption, int type = 0);

    // While the switch is 1 OnDlgSize lays nothing out.
    void SetLayoutLocked(int locked) { m_nLayoutLocked = locked; }
    int GetLayoutLocked() const { return m_nLayoutLocked; }

    // ---- recorder tables (application folder + "/Tessaly.xml", "/NVRSpec.xml") ----
    static std::string CapabilityTablePath(const std::wstring& appDir);
    static std::string ModelTablePath(const std::wstring& appDir);
    // The loads take the tables reader has read ahead (null: they read the files). The
    // reader must outlive the frame's loads.
    void SetTablesReader(CRecorderTablesReader* reader) { m_pTablesReader = reader; }
    void LoadCapabilityTable();
    void LoadModelTable();
    void SaveCapabilityTable();
    void SaveModelTable();
    const NVRCapabilityTable& GetCapabilityTable() const { return m_capability; }
    const NVRModelTable& GetModelTable() const { return m_models; }

    // The manual of the current language: application folder + "/" + the translated
    // "Operation Manual.pdf".
    static std::string ManualPath();
    // Opens the manual with the shell (F1 and the tool bar's help button). A missing file is
    // not handed over, so nothing shows; the result is false then.
    static bool OpenManual();

    // The parts the frame made (empty or NULL until Dlg_OnInitDialog(1) ran).
    CSFMenu* GetMenu() const { return m_pMenu; }
    boost::shared_ptr<CToolBarEventImp> GetToolBar() const { return m_pToolBar; }
    boost::shared_ptr<CAboutDlgEventImp> GetAboutDlg() const { return m_pAboutDlg; }
    boost::shared_ptr<CMainPageEventImp> GetMainPage() const { return m_pMainPage; }

private:
    void BuildMenu();

    CSFDialog* m_pFrameDlg;
    int m_nLayoutLocked;
    CSFMenu* m_pMenu;
    boost::shared_ptr<CToolBarEventImp> m_pToolBar;
    boost::shared_ptr<CAboutDlgEventImp> m_pAboutDlg;
    boost::shared_ptr<CMainPageEventImp> m_pMainPage;
    NVRCapabilityTable m_capability;
    NVRModelTable m_models;
    CRecorderTablesReader* m_pTablesReader = nullptr;
};

typedef boost::shared_ptr<CMainFrameEventImp> CMainFrameEventImpPtr;

// Makes the frame in one allocation with its count, then runs its Create; its tables come
// from tablesReadAhead when one is given (see SetTablesReader).
CMainFrameEventImpPtr CreateMainFrame(CRecorderTablesReader* tablesReadAhead = nullptr);
