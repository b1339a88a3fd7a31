// Shared by the dialog and main-window tests: a sink that records every callback, a skin of
// solid-colour pieces written into a temporary skin folder, and synthetic input events.
#pragma once

#include "skin/SFEntry.h"
#include "skin/SFInterface.h"
#include "skin/SFMsgMap.h"
#include "skin/SFSkinString.h"

#include <QApplication>
#include <QColor>
#include <QCoreApplication>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace skinframe {

class RecordingSink : public ISFDialogEvent
{
public:
    SF_DECLARE_MSGMAP()

    BOOL Dlg_OnInitDialog(bool create) override
    {
        init.push_back(create);
        return TRUE;
    }
    void Dlg_OnOK() override { log.push_back("ok"); }
    void Dlg_OnCancel() override
    {
        log.push_back("cancel");
        uiWndAtCancel = m_pUIWnd;
    }
    void OnDlgSize(UINT type, int& cx, int& cy) override
    {
        sizes.push_back({static_cast<int>(type), cx, cy});
    }
    int Dlg_Close() override
    {
        log.push_back("close");
        return vetoClose ? 1 : 0;
    }
    void Dlg_Destroy() override
    {
        log.push_back("destroy");
        uiWndAtDestroy = m_pUIWnd;
    }
    void OnDlgFileDrop(const wchar_t* path) override { drops.push_back(path ? path : L"<null>"); }
    void OnDlgMouseHover() override { ++hovers; }
    void OnDlgMouseLeave() override { ++leaves; }
    void OnDlgShowWindow(int show, UINT status) override
    {
        shows.push_back({show, static_cast<int>(status)});
    }
    void OnDlgTimer(UINT id) override { timers.push_back(id); }
    void OnDlgKeyDown(UINT mods, UINT key) override { keysDown.push_back({mods, key}); }
    void OnDlgKeyUp(UINT mods, UINT key) override { keysUp.push_back({mods, key}); }
    void OnMsgScreenLock(int locked) override { locks.push_back(locked); }

    // Map handlers.
    void OnCommandOne() { log.push_back("map1"); }
    void OnCommandSeven() { log.push_back("map7"); }

    int Count(const char* what) const
    {
        int n = 0;
        for (const std::string& s : log)
            n += s == what ? 1 : 0;
        return n;
    }

    bool vetoClose = false;
    std::vector<bool> init;
    std::vector<std::string> log;
    std::vector<std::vector<int>> sizes;
    std::vector<std::wstring> drops;
    std::vector<std::pair<int, int>> shows;
    std::vector<UINT> timers;
    std::vector<std::pair<UINT, UINT>> keysDown, keysUp;
    std::vector<int> locks;
    int hovers = 0;
    int leaves = 0;
    void* uiWndAtCancel = reinterpret_cast<void*>(1);
    void* uiWndAtDestroy = reinterpret_cast<void*>(1);
};

SF_BEGIN_MSGMAP(RecordingSink)
    SF_ON_COMMAND(1, OnCommandOne)
    SF_ON_COMMAND(7, OnCommandSeven)
SF_END_MSGMAP()

// Piece colours of the test sheet.
inline QColor Rgb(int r, int g, int b) { return QColor(r, g, b); }
const QColor kTL = Rgb(200, 0, 0), kTop = Rgb(0, 200, 0), kTR = Rgb(0, 0, 200);
const QColor kLU = Rgb(200, 200, 0), kLM = Rgb(0, 200, 200), kLL = Rgb(200, 0, 200);
const QColor kRU = Rgb(100, 0, 0), kRM = Rgb(0, 100, 0), kRL = Rgb(0, 0, 100);
const QColor kBL = Rgb(100, 100, 0), kBottom = Rgb(0, 100, 100), kBR = Rgb(100, 0, 100);
const QColor kCellN = Rgb(250, 130, 10), kCellH = Rgb(10, 250, 130), kCellP = Rgb(130, 10, 250);
const QColor kSheetRest = Rgb(128, 128, 128);
const QColor kBackground = Rgb(240, 240, 200);
const QColor kPictureB1 = Rgb(1, 2, 3), kPictureB2 = Rgb(4, 5, 6);

// A 148 x 140 sheet: every piece of the style below painted in its own colour, each title
// button state cell in its own colour, the rest grey.
struct TestSkin
{
    QTemporaryDir dir;
    DialogStyle style;

    TestSkin()
    {
        QImage sheet(148, 140, QImage::Format_ARGB32);
        sheet.fill(kSheetRest);
        QPainter p(&sheet);
        const std::pair<QRect, QColor> pieces[] = {
            {QRect(0, 0, 10, 27), kTL},      {QRect(30, 0, 4, 27), kTop},     {QRect(138, 0, 10, 27), kTR},
            {QRect(0, 27, 3, 40), kLU},      {QRect(0, 70, 3, 20), kLM},      {QRect(5, 70, 3, 20), kLL},
            {QRect(145, 27, 3, 40), kRU},    {QRect(145, 70, 3, 20), kRM},    {QRect(140, 70, 3, 20), kRL},
            {QRect(0, 132, 10, 8), kBL},     {QRect(30, 132, 4, 8), kBottom}, {QRect(138, 132, 10, 8), kBR},
            {QRect(50, 41, 23, 14), kCellN}, {QRect(50, 60, 23, 14), kCellH}, {QRect(50, 80, 23, 14), kCellP},
        };
        for (const auto& piece : pieces)
            p.fillRect(piece.first, piece.second);
        p.end();
        sheet.save(dir.filePath("TestFrame.png"), "PNG");
        Solid(kBackground).save(dir.filePath("TestBack.png"), "PNG");
        Solid(kPictureB1).save(dir.filePath("b1.png"), "PNG");
        Solid(kPictureB2).save(dir.filePath("b2.png"), "PNG");
        SetSkinPath((dir.path() + "/").toStdWString());

        style[0] = L"TestFrame.png";
        style[1] = L"TestBack.png";
        style[3] = L"000000";
        style[4] = L"0,0,10,27";
        style[6] = L"30,0,4,27";
        style[8] = L"138,0,10,27";
        style[10] = L"0,27,3,40";
        style[12] = L"0,70,3,20";
        style[14] = L"5,70,3,20";
        style[16] = L"0,132,10,8";
        style[18] = L"30,132,4,8";
        style[20] = L"138,132,10,8";
        style[22] = L"140,70,3,20";  // right edge: lower, middle, upper
        style[24] = L"145,70,3,20";
        style[26] = L"145,27,3,40";
        style[37] = L"50,41,23,14";  // button 1 cells
        style[38] = L"50,60,23,14";
        style[39] = L"50,80,23,14";
        style[44] = L"-40,5,23,14";  // button 1 window rectangle, from the right edge
        style[48] = L"FFFFFF";
        style[53] = L"left";
        style[54] = L"10,0,1000,27";
    }

    static QImage Solid(const QColor& c)
    {
        QImage img(8, 8, QImage::Format_ARGB32);
        img.fill(c);
        return img;
    }
};

// Colours compare and print as "#rrggbb".
inline std::string Name(const QColor& c) { return c.name().toStdString(); }

inline QColor PixelAt(QWidget* w, int x, int y) { return w->grab().toImage().pixelColor(x, y); }

// The colour in the middle of the icon's 8 x 8 picture; "none" when it gives no picture.
inline std::string IconColour(const QIcon& icon)
{
    const QPixmap pm = icon.pixmap(8, 8);
    return pm.isNull() ? std::string("none") : Name(pm.toImage().pixelColor(pm.width() / 2, pm.height() / 2));
}

// A mouse event at local position pos of w, with the global position mapped from it.
inline void SendMouse(QWidget* w, QEvent::Type type, const QPoint& pos, Qt::MouseButton button,
                      Qt::MouseButtons buttons, const QPoint& global)
{
    QMouseEvent e(type, QPointF(pos), QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
inline void Press(QWidget* w, const QPoint& pos)
{
    SendMouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton, w->mapToGlobal(pos));
}
inline void Release(QWidget* w, const QPoint& pos)
{
    SendMouse(w, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton, w->mapToGlobal(pos));
}

// A key sent with modifiers, and the modifier and key codes the sink should hear.
struct KeyCase
{
    int key;
    Qt::KeyboardModifiers mods;
    UINT wantMods, wantKey;
};

inline std::pair<UINT, UINT> SendKey(QWidget* w, QEvent::Type type, int key, Qt::KeyboardModifiers mods,
                                     const RecordingSink& sink)
{
    QKeyEvent e(type, key, mods);
    QApplication::sendEvent(w, &e);
    const auto& list = type == QEvent::KeyPress ? sink.keysDown : sink.keysUp;
    return list.empty() ? std::make_pair(~0u, ~0u) : list.back();
}

inline void Drain()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// A test of one skinned window made through the facade with the sink below: Window is the Qt
// window class the facade must be. The test's SetUp makes the facade and hands it to Attach;
// its TearDown destroys it.
template <class Window>
class SkinWindowFixture : public ::testing::Test
{
protected:
    // Keeps the window, checking that it is a Window and the facade's own UI window.
    void Attach(CSFDialog* made)
    {
        ASSERT_NE(made, nullptr);
        qt = dynamic_cast<Window*>(made);
        ASSERT_NE(qt, nullptr);
        w = static_cast<QWidget*>(made->GetUIWnd());
        ASSERT_EQ(w, static_cast<QWidget*>(qt));
    }

    // Skins the window, places it at x, y with the size given, shows it and lets it settle.
    void ShowSkinned(int x, int y, int width, int height)
    {
        qt->SetSkin(&skin.style);
        qt->MoveWindow(x, y, width, height);
        qt->ShowWindow(1);
        Drain();
    }

    TestSkin skin;
    RecordingSink sink;
    Window* qt = nullptr;
    QWidget* w = nullptr;
};

}  // namespace skinframe
