// Shared set-up of the search page tests: the page made and shown as the main frame shows
// it, the build's shipped folder, skin and recorder tables, and reaching the Qt widget
// behind a control.
#pragma once

#include "app/MainPageEventImp.h"
#include "app/recorder_tables.h"
#include "base/sf_paths.h"
#include "skin/SFRect.h"
#include "skin/SFSkinString.h"

#include <gtest/gtest.h>

#include <QString>
#include <QTest>
#include <QWidget>

#include <boost/shared_ptr.hpp>

#include <memory>
#include <string>

namespace MainPageFixture {

template <class T>
QWidget* W(T* facade)
{
    return dynamic_cast<QWidget*>(facade);
}

inline std::wstring Widen(const char* s) { return QString::fromUtf8(s).toStdWString(); }

// Makes the page on a 1000 x 700 window while the window is still hidden, gives it the
// tables, places it where the main frame puts it (below the title) and shows the window.
// Stops at the first step that fails, with a fatal failure.
inline void OpenMainPage(std::unique_ptr<QWidget>& parent, boost::shared_ptr<CMainPageEventImp>& page,
                         const NVRCapabilityTable& capability, const NVRModelTable& models)
{
    parent.reset(new QWidget);
    parent->resize(1000, 700);
    page = CreateMainPage(boost::shared_ptr<CMainFrameEventImp>(), parent.get());
    ASSERT_TRUE(page);
    ASSERT_NE(page->GetView(), nullptr);
    page->SetData(capability, models);
    CSFRect rc(1, 58, 998, 698);
    page->GetView()->MoveWindow(&rc);
    parent->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(parent.get()));
    ASSERT_NE(page->GetControls().pSearchButton, nullptr) << "controls missing";
}

// The build's shipped folder as the application folder, its skin, and the recorder tables
// read from it.
inline void UseShippedData(NVRCapabilityTable& capability, NVRModelTable& models)
{
    SF_SOFT_BASE::SFBaseSetAppDirPathOverride(Widen(TESSALY_BIN_DIR));
    SetSkinPath(Widen(TESSALY_BIN_DIR "/Skin/"));
    ASSERT_TRUE(::LoadCapabilityTable(TESSALY_BIN_DIR "/Tessaly.xml", capability));
    ASSERT_TRUE(::LoadModelTable(TESSALY_BIN_DIR "/NVRSpec.xml", models));
}

// Undoes UseShippedData's folder and skin.
inline void LeaveShippedData()
{
    SetSkinPath(L"");
    SF_SOFT_BASE::SFBaseSetAppDirPathOverride(std::wstring());
}

}  // namespace MainPageFixture
