// The frame and child windows: the sink's UI window pointer holds the facade, Create reads
// the title and the rectangle, and the operations that do nothing change nothing.
#include "skin/SFEntry.h"
#include "skin/SFQTChildWnd.h"
#include "skin/SFQTFrame.h"
#include "tests/common/test_rect.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QWidget>

#include <memory>

namespace {

using testutil::Rect;

class FrameSink : public ISFFrameEvent
{
public:
    void OnFrameCreate() override { ++calls; }
    void OnDistroy() override { ++calls; }
    int calls = 0;
};

class ChildSink : public ISFChildWndEvent
{
public:
    void Dlg_OnCommand(UINT /*id*/) override { ++calls; }
    int OnCreate() override { return ++calls; }
    void OnDestroy() override { ++calls; }
    int calls = 0;
};

}  // namespace

TEST(SkinFrameWnd, SinkHoldsTheFacadeAndCreateSetsTitleAndGeometry)
{
    FrameSink sink;
    CSFFrameWnd* frame = SF_CreateFrameWnd(&sink);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(sink.GetUIWnd(), static_cast<void*>(frame));
    EXPECT_EQ(frame->GetUIWnd(), static_cast<void*>(frame));
    QPointer<QWidget> w = dynamic_cast<CSFQTFrame*>(frame);
    ASSERT_NE(w, nullptr);
    EXPECT_NE(static_cast<void*>(w.data()), sink.GetUIWnd());  // the facade, not the widget
    EXPECT_TRUE(w->isWindow());

    EXPECT_EQ(frame->Create(L"cls", L"T\u00EFtle \U0001F600", 0xCF0000, Rect(10, 20, 110, 70), nullptr,
                            L"menu", 0x100, nullptr),
              TRUE);
    EXPECT_EQ(w->windowTitle(), QStringLiteral(u"T\u00EFtle \U0001F600"));
    EXPECT_EQ(w->geometry(), QRect(10, 20, 100, 50));
    EXPECT_TRUE(w->isWindow());
    EXPECT_FALSE(w->isVisible());

    // No child, no docking, no skin: nothing changes.
    const auto children = w->children();
    EXPECT_EQ(frame->CreateChildWnd(), 0);
    RECT dock = Rect(0, 0, 5, 5);
    frame->DockControlBar(w.data(), 0xE81B, &dock);
    frame->UIEnableDocking(0xF000);
    DialogStyle skin;
    frame->SetSkin(&skin);
    frame->SetSkin(nullptr);
    EXPECT_EQ(w->children(), children);
    EXPECT_EQ(w->geometry(), QRect(10, 20, 100, 50));
    EXPECT_TRUE(w->styleSheet().isEmpty());

    frame->ShowWindow(1);
    EXPECT_TRUE(w->isVisible());
    frame->ShowWindow(0);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(sink.calls, 0);

    // Create with a parent makes it that parent's child.
    QWidget parent;
    frame->Create(nullptr, nullptr, 0, Rect(1, 2, 3, 4), &parent, nullptr, 0, nullptr);
    EXPECT_EQ(w->parentWidget(), &parent);
    EXPECT_TRUE(w->windowTitle().isEmpty());

    // A window of its own: the destroy entry deletes it.
    SF_DestroyFrameWnd(frame);
    EXPECT_TRUE(w.isNull());
    SF_DestroyFrameWnd(nullptr);
}

TEST(SkinChildWnd, SinkHoldsTheFacadeAndCreateSetsTitleAndVisibility)
{
    ChildSink sink;
    CSFChildWnd* child = SF_CreateChildWnd(&sink);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(sink.GetUIWnd(), static_cast<void*>(child));
    QPointer<QWidget> w = dynamic_cast<CSFQTChildWnd*>(child);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isWindow());

    EXPECT_EQ(child->Create(0, u8"\u0422\u0438\u0442\u0443\u043B", 1), TRUE);
    EXPECT_EQ(w->windowTitle(), QStringLiteral(u"\u0422\u0438\u0442\u0443\u043B"));
    EXPECT_TRUE(w->isVisible());
    child->ShowWindow(0);
    EXPECT_FALSE(w->isVisible());
    child->ShowWindow(1);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(child->Create(7, nullptr, 0), TRUE);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(w->windowTitle().isEmpty());
    EXPECT_EQ(sink.calls, 0);

    SF_DestroyChildWnd(child);
    EXPECT_TRUE(w.isNull());

    // Without a sink there is no UI window to report.
    CSFChildWnd* plain = SF_CreateChildWnd(nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->GetUIWnd(), nullptr);
    SF_DestroyChildWnd(plain);
}
