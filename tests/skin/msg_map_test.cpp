// Message maps: lookup, entry signatures taken from the handler type, the dispatch helpers of
// CSFEventBase, and UI messages sent and posted to windows.
#include "skin/SFInterface.h"
#include "skin/SFMsgMap.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QObject>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

// ---- Lookup -----------------------------------------------------------------------------

SF_MSGMAP_ENTRY Raw(UINT msg, UINT code, UINT id, UINT last, UINT sig)
{
    return SF_MSGMAP_ENTRY{msg, code, id, last, sig, 0, nullptr};
}

TEST(MsgMapLookup, TableOfCases)
{
    const SF_MSGMAP_ENTRY table[] = {
        Raw(0x111, 0, 100, 109, 1),                  // 0
        Raw(0x111, 0, 105, 105, 1),                  // 1: shadowed by entry 0
        Raw(0x4E, 2, 40, 40, 2),                     // 2
        Raw(0x111, 0, 0x80000000u, 0x8000000Fu, 1),  // 3
        Raw(0x113, 0x113, 7, 7, 3),                  // 4
        Raw(0, 0, 0, 0, 0),                          // end
        Raw(0x111, 0, 500, 500, 1),                  // behind the end: never reached
    };
    struct Case
    {
        UINT msg, code, id;
        int want;  // index into table, -1 for none
    } cases[] = {
        {0x111, 0, 100, 0},         {0x111, 0, 109, 0},          {0x111, 0, 110, -1},
        {0x111, 0, 99, -1},         {0x111, 0, 105, 0},  // the earlier of two matches
        {0x4E, 2, 40, 2},           {0x4E, 3, 40, -1},           {0x111, 2, 40, -1},
        {0x111, 0, 0x80000005u, 3}, {0x111, 0, 0x7FFFFFFFu, -1}, {0x111, 0, 0x80000010u, -1},
        {0x113, 0x113, 7, 4},       {0x113, 0, 7, -1},           {0x111, 0, 500, -1},
    };
    for (const Case& c : cases) {
        const SF_MSGMAP_ENTRY* got = SF_FindMessageEntry(table, c.msg, c.code, c.id);
        const SF_MSGMAP_ENTRY* want = c.want < 0 ? nullptr : &table[c.want];
        EXPECT_EQ(got, want) << "msg " << std::hex << c.msg << " code " << c.code << " id " << c.id;
    }
}

TEST(MsgMapLookup, EmptyTablesMatchNothing)
{
    const SF_MSGMAP_ENTRY startsWithEnd[] = {Raw(0x111, 0, 1, 1, 0), Raw(0x111, 0, 1, 1, 1)};
    EXPECT_EQ(SF_FindMessageEntry(startsWithEnd, 0x111, 0, 1), nullptr);
    EXPECT_EQ(SF_FindMessageEntry(nullptr, 0x111, 0, 1), nullptr);
}

// ---- Map macros and the helpers of CSFEventBase -----------------------------------------

struct Calls
{
    std::vector<std::pair<int, std::pair<WPARAM, LPARAM>>> log;  // (handler, (w, l))
    void Add(int handler, WPARAM w = 0, LPARAM l = 0) { log.push_back({handler, {w, l}}); }
};

class CMapSink : public ISFViewEvent
{
public:
    SF_DECLARE_MSGMAP()

    void OnCommand() { calls.Add(1); }
    void OnRange() { calls.Add(2); }
    void OnNotifyWL(WPARAM w, LPARAM l) { calls.Add(3, w, l); }
    void OnNotifyVoid() { calls.Add(4); }
    void OnUI(WPARAM w, LPARAM l) { calls.Add(5, w, l); }
    void OnUIVoid() { calls.Add(6); }
    void OnCommandWL(WPARAM w, LPARAM l) { calls.Add(7, w, l); }

    Calls calls;
};

SF_BEGIN_MSGMAP(CMapSink)
    SF_ON_COMMAND(5, OnCommand)
    SF_ON_COMMAND_RANGE(100, 109, OnRange)
    SF_ON_NOTIFY(2, 40, OnNotifyWL)
    SF_ON_NOTIFY(3, 41, OnNotifyVoid)
    SF_ON_UI_MESSAGE(2, OnUI)
    SF_ON_UI_MESSAGE(7, OnUIVoid)
    SF_ON_COMMAND(9, OnCommandWL)
SF_END_MSGMAP()

// A map without entries compiles cleanly even where an unused local type is an error.
#pragma GCC diagnostic push
#pragma GCC diagnostic error "-Wunused-local-typedefs"
class CEmptyMapSink : public ISFViewEvent
{
public:
    SF_DECLARE_MSGMAP()
};

SF_BEGIN_MSGMAP(CEmptyMapSink)
SF_END_MSGMAP()
#pragma GCC diagnostic pop

TEST(MsgMapMacros, EmptyMapHoldsOnlyTheEndMark)
{
    CEmptyMapSink sink;
    const SF_MSGMAP* map = sink.GetSFMessageMap();
    ASSERT_NE(map, nullptr);
    ASSERT_NE(map->lpEntries, nullptr);
    EXPECT_EQ(map->lpEntries[0].nSig, SF_SIG_END);
    EXPECT_EQ(map->lpEntries[0].pfn, nullptr);
    EXPECT_EQ(sink.GetThisMessageIDs(), nullptr);
    EXPECT_EQ(SF_FindMessageEntry(map->lpEntries, SF_MSG_COMMAND, 0, 0), nullptr);
}

TEST(MsgMapMacros, SignatureFollowsTheHandlerType)
{
    CMapSink sink;
    const SF_MSGMAP* map = sink.GetSFMessageMap();
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map, sink.GetSFMessageMap());  // the same record on every call
    const struct
    {
        UINT msg, code, id, last, sig;
    } want[] = {{0x111, 0, 5, 5, 1},     {0x111, 0, 100, 109, 1}, {0x4E, 2, 40, 40, 2}, {0x4E, 3, 41, 41, 1},
                {0x113, 0x113, 2, 2, 3}, {0x113, 0x113, 7, 7, 1}, {0x111, 0, 9, 9, 3},  {0, 0, 0, 0, 0}};
    const SF_MSGMAP_ENTRY* e = map->lpEntries;
    for (const auto& w : want) {
        EXPECT_EQ(e->nMessage, w.msg);
        EXPECT_EQ(e->nCode, w.code);
        EXPECT_EQ(e->nID, w.id);
        EXPECT_EQ(e->nLastID, w.last);
        EXPECT_EQ(e->nSig, w.sig) << "entry for id " << w.id;
        EXPECT_EQ(e->reserved, 0u);
        ++e;
    }
}

// Whether a handler of type F can be entered into a table of T.
template <class T, class F, class = void>
struct CanEnter : std::false_type
{};
template <class T, class F>
struct CanEnter<T, F,
                std::void_t<decltype(SFMsgMapDetail::EntryMaker<T>::Make(0u, 0u, 0u, 0u, std::declval<F>()))>>
    : std::true_type
{};
static_assert(CanEnter<CMapSink, void (CMapSink::*)()>::value, "no-argument handler");
static_assert(CanEnter<CMapSink, void (CMapSink::*)(WPARAM, LPARAM)>::value, "two-value handler");
static_assert(!CanEnter<CMapSink, void (CMapSink::*)(int)>::value, "wrong arguments");
static_assert(!CanEnter<CMapSink, int (CMapSink::*)()>::value, "wrong result");
static_assert(!CanEnter<CMapSink, void (CMapSink::*)(LPARAM, WPARAM)>::value, "swapped arguments");
static_assert(!CanEnter<CMapSink, void (CMapSink::*)(NMHDR*, LRESULT*)>::value, "pointer arguments");

TEST(MsgMapHelpers, CommandsRunOnlyNoArgumentEntries)
{
    CMapSink sink;
    sink.Dlg_OnCommand(5);
    sink.Dlg_OnCommand(100);
    sink.Dlg_OnCommand(109);
    sink.Dlg_OnCommand(110);  // outside the range
    sink.Dlg_OnCommand(9);    // a (WPARAM, LPARAM) command entry is not called
    ASSERT_EQ(sink.calls.log.size(), 3u);
    EXPECT_EQ(sink.calls.log[0].first, 1);
    EXPECT_EQ(sink.calls.log[1].first, 2);
    EXPECT_EQ(sink.calls.log[2].first, 2);
}

TEST(MsgMapHelpers, UIMessagesRunOnlyTwoValueEntriesAndUseTheLowCodeBits)
{
    CMapSink sink;
    sink.OnUIMessage(0x113, 7, 1, 2);          // no-argument entry: ignored
    sink.OnUIMessage(0xABCD0113u, 2, 11, 22);  // high code bits ignored
    sink.OnUIMessage(0x114, 2, 11, 22);        // other code: nothing
    ASSERT_EQ(sink.calls.log.size(), 1u);
    EXPECT_EQ(sink.calls.log[0].first, 5);
    EXPECT_EQ(sink.calls.log[0].second.first, 11u);
    EXPECT_EQ(sink.calls.log[0].second.second, 22);
}

TEST(MsgMapHelpers, NotifyClickPassesHeaderAndResultPointers)
{
    CMapSink sink;
    NMHDR hdr{};
    LRESULT result = 0;
    sink.OnNotifyClick(0xFFFF0002u, 40, &hdr, &result);  // only the low 16 bits are looked up
    sink.OnNotifyClick(3, 41, &hdr, &result);
    sink.OnNotifyClick(2, 41, &hdr, &result);  // no entry
    ASSERT_EQ(sink.calls.log.size(), 2u);
    EXPECT_EQ(sink.calls.log[0].first, 3);
    EXPECT_EQ(reinterpret_cast<NMHDR*>(sink.calls.log[0].second.first), &hdr);
    EXPECT_EQ(reinterpret_cast<LRESULT*>(sink.calls.log[0].second.second), &result);
    EXPECT_EQ(sink.calls.log[1].first, 4);
}

// A hand-written table: a command entry marked as notify form (nSig 2) is not a command.
class CHandTableSink : public ISFViewEvent
{
public:
    const SF_MSGMAP* GetSFMessageMap() override
    {
        static SF_MSGMAP_ENTRY entries[] = {
            SFMsgMapDetail::EntryMaker<CHandTableSink>::Make(0x111, 0, 8, 8, &CHandTableSink::OnWL),
            SF_MSGMAP_ENTRY{0, 0, 0, 0, 0, 0, nullptr}};
        entries[0].nSig = 2;
        static const SF_MSGMAP map = {entries};
        return &map;
    }
    void OnWL(WPARAM, LPARAM) { ++calls; }
    int calls = 0;
};

TEST(MsgMapHelpers, CommandIgnoresNotifyFormEntry)
{
    CHandTableSink sink;
    sink.Dlg_OnCommand(8);
    EXPECT_EQ(sink.calls, 0);
    sink.OnUIMessage(0, 8, 0, 0);  // other message: nothing either
    EXPECT_EQ(sink.calls, 0);
}

TEST(MsgMapHelpers, SinkWithoutMapDispatchesNothing)
{
    class CNoMap : public ISFViewEvent
    {
    } sink;
    EXPECT_EQ(sink.GetSFMessageMap(), nullptr);
    sink.Dlg_OnCommand(5);
    sink.OnUIMessage(0x113, 2, 0, 0);
    sink.OnNotifyClick(2, 40, nullptr, nullptr);
    CSFCustomEvent ev(0x111, 0, 0, 5);
    EXPECT_FALSE(SF_DispatchCustomEvent(&sink, &ev));
    EXPECT_FALSE(SF_DispatchCustomEvent(nullptr, &ev));
}

// ---- Handlers away from the first base ----------------------------------------------------

struct Padding
{
    virtual ~Padding() {}
    long long pad[5] = {1, 2, 3, 4, 5};
};

struct Helper
{
    int helperValue = 4321;
    int helperSeen = 0;
    void OnHelper() { helperSeen = helperValue; }
};

// CSFEventBase is not the first base, and one handler lives in a third base.
class CShiftedSink : public Padding, public ISFDialogEvent, public Helper
{
public:
    SF_DECLARE_MSGMAP()
    BOOL Dlg_OnInitDialog(bool) override { return TRUE; }
    void OnOwn() { ownSeen = ownValue; }
    void OnOwnWL(WPARAM w, LPARAM l) { ownSeen = ownValue + static_cast<int>(w) + static_cast<int>(l); }

    int ownValue = 1234;
    int ownSeen = 0;
};

SF_BEGIN_MSGMAP(CShiftedSink)
    SF_ON_COMMAND(11, OnOwn)
    SF_ON_COMMAND(12, OnHelper)
    SF_ON_UI_MESSAGE(13, OnOwnWL)
SF_END_MSGMAP()

TEST(MsgMapThis, HandlersReadTheirOwnMembers)
{
    CShiftedSink sink;
    CSFEventBase* base = &sink;
    ASSERT_NE(static_cast<void*>(base), static_cast<void*>(&sink));  // the base really is shifted
    base->Dlg_OnCommand(11);
    EXPECT_EQ(sink.ownSeen, 1234);
    base->Dlg_OnCommand(12);
    EXPECT_EQ(sink.helperSeen, 4321);
    CSFCustomEvent ev(0x113, 0x113, 6, 13);
    EXPECT_TRUE(SF_DispatchCustomEvent(base, &ev));
    EXPECT_EQ(sink.ownSeen, 1234 + 6 + 13);
}

// ---- UI messages ------------------------------------------------------------------------

// A window that dispatches custom events through its sink, as the framework's windows do.
class CTestWindow : public QWidget
{
public:
    explicit CTestWindow(CSFEventBase* sink) : m_sink(sink) {}
    int customEvents = 0;

protected:
    void customEvent(QEvent* e) override
    {
        ++customEvents;
        SF_DispatchCustomEvent(m_sink, e);
    }

private:
    CSFEventBase* m_sink;
};

class CCountingObject : public QObject
{
public:
    int customEvents = 0;

protected:
    void customEvent(QEvent*) override { ++customEvents; }
};

class CUISink : public ISFViewEvent
{
public:
    SF_DECLARE_MSGMAP()
    void OnData(WPARAM w, LPARAM l)
    {
        ++calls;
        data = w;
        id = l;
    }
    int calls = 0;
    WPARAM data = 0;
    LPARAM id = 0;
};

SF_BEGIN_MSGMAP(CUISink)
    SF_ON_UI_MESSAGE(5, OnData)
SF_END_MSGMAP()

TEST(UIMessages, EventTypeIsRegisteredOnce)
{
    const QEvent::Type t = CSFCustomEvent::EventType();
    EXPECT_GE(static_cast<int>(t), static_cast<int>(QEvent::User));
    EXPECT_LE(static_cast<int>(t), static_cast<int>(QEvent::MaxUser));
    EXPECT_EQ(CSFCustomEvent::EventType(), t);
    CSFCustomEvent ev(1, 2, 3, 4);
    EXPECT_EQ(ev.type(), t);
}

TEST(UIMessages, SendDeliversAHeapPointerBeforeReturning)
{
    CUISink sink;
    CTestWindow window(&sink);
    std::vector<char> block(64u << 20);  // large enough to be mapped high in the address space
    const WPARAM p = reinterpret_cast<WPARAM>(block.data());
    ASSERT_GT(p, static_cast<WPARAM>(0xFFFFFFFFu));
    SF_SendUIMessage(&window, 5, p);
    EXPECT_EQ(sink.calls, 1);
    EXPECT_EQ(sink.data, p);
    EXPECT_EQ(sink.id, 5);
    SF_SendUIMessage(&window, 6, p);  // no entry for id 6
    EXPECT_EQ(sink.calls, 1);
    EXPECT_EQ(window.customEvents, 2);
    SF_SendUIMessage(nullptr, 5, p);  // no target: nothing, no crash
    EXPECT_EQ(sink.calls, 1);
}

TEST(UIMessages, PostReachesOnlyWidgetsAndOnlyFromTheEventLoop)
{
    CUISink sink;
    CTestWindow window(&sink);
    CCountingObject plain;
    SF_PostUIMessage(&plain, 5, 77);
    SF_PostUIMessage(nullptr, 5, 77);
    SF_PostUIMessage(&window, 5, 88);
    EXPECT_EQ(sink.calls, 0);  // queued, not yet delivered
    QCoreApplication::processEvents();
    EXPECT_EQ(plain.customEvents, 0);
    EXPECT_EQ(window.customEvents, 1);
    EXPECT_EQ(sink.calls, 1);
    EXPECT_EQ(sink.data, 88u);
    EXPECT_EQ(sink.id, 5);
}

TEST(UIMessages, OtherEventsAreNotDispatched)
{
    CUISink sink;
    QEvent other(QEvent::User);
    EXPECT_FALSE(SF_DispatchCustomEvent(&sink, &other));
    EXPECT_EQ(sink.calls, 0);
}

}  // namespace
