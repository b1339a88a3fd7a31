// The tool bar: the blue 57-pixel strip across the top of the main frame that stands in
// for the system title bar. It shows the title picture and, at its right end, the menu,
// minimise and close buttons (a help button exists hidden). The buttons have no sink: their
// clicks arrive as commands at the tool bar's view and go through its message map.
#pragma once

#include "skin/SFEntry.h"

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

class CMainFrameEventImp;

class CToolBarEventImp : public ISFViewEvent, public ISFButtonEvent, public ISFRadioBoxEvent
{
public:
    // Ids of the view and its buttons.
    enum : UINT
    {
        kIdMenu = 139,
        kIdClose = 140,
        kIdMin = 141,
        kIdMax = 142,  // routed, carried by no button
        kIdHelp = 143,
        kIdView = 144,
    };
    // The strip's colour, 0x00BBGGRR: RGB(18, 138, 250).
    static constexpr UINT kBackground = 0xFA8A12;

    // Use Create; the frame is kept as a weak pointer.
    explicit CToolBarEventImp(const boost::shared_ptr<CMainFrameEventImp>& frame);
    // Destroys the view if its parent has not done so already.
    ~CToolBarEventImp() override;
    CToolBarEventImp(const CToolBarEventImp&) = delete;
    CToolBarEventImp& operator=(const CToolBarEventImp&) = delete;

    // Makes the tool bar in one allocation with its count and its view (id 144) on the
    // frame's window; the frame places it afterwards. The view is NULL when the view
    // factory failed.
    static boost::shared_ptr<CToolBarEventImp> Create(const boost::shared_ptr<CMainFrameEventImp>& frame);

    SF_DECLARE_MSGMAP()

    CSFView* GetView() const { return m_pView; }
    // Sets the tool tips of the menu, close and minimise buttons again in the current
    // language (the menu button has none before the first call).
    void RefreshText();
    // Enables or disables the close, menu, minimise and help buttons.
    void EnableButtons(bool enable);

    // ---- view callbacks ----
    // Builds the title picture and the buttons. Returns 1.
    int OnCreate() override;
    void OnDestroy() override {}
    // Title picture over the left 266 columns; buttons 24 x 24 at the right, 6 apart.
    void OnSize(UINT type, int cx, int cy) override;
    void OnLButtonDblClk(UINT /*flags*/, POINT /*pt*/) override {}

    void RADIO_OnClicked(int /*check*/, int /*id*/, POINT /*pt*/) override {}

    // ---- commands ----
    void OnMaxButton();    // 142: maximise or restore the frame
    void OnMinButton();    // 141: minimise the frame
    void OnCloseButton();  // 140: ask, then hide and close the frame
    void OnMenuButton();   // 139: the frame's menu below the button
    void OnHelpButton();   // 143: open the manual

private:
    boost::weak_ptr<CMainFrameEventImp> m_pFrame;
    CSFView* m_pView;
    CSFPictureCtrl* m_pTitle;
    CSFButton* m_pClose;
    CSFButton* m_pMin;
    CSFButton* m_pMenu;
    CSFButton* m_pHelp;
};
