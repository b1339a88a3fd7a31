// Exported face: other programs are built against this header. Names and their spellings, the
// arguments of the functions and the layout of the records must never change.
// Message maps: static tables that bind (message, notification code, id range) to a member
// function of a window or view sink, the Qt event that carries such a message, and the
// entry functions that send and post framework UI messages.
//
// A sink declares its map in the class and writes the table with the macros below; each
// entry's signature is taken from the handler's type, so a handler can only be entered with
// a form the dispatch calls correctly:
//
//     class CPageSink : public ISFViewEvent
//     {
//         SF_DECLARE_MSGMAP()
//         void OnSearch();                          // no arguments
//         void OnProgress(WPARAM data, LPARAM id);  // the message's two values
//     };
//
//     SF_BEGIN_MSGMAP(CPageSink)
//         SF_ON_COMMAND(149, OnSearch)
//         SF_ON_COMMAND_RANGE(157, 158, OnSearch)
//         SF_ON_UI_MESSAGE(2, OnProgress)
//     SF_END_MSGMAP()
//
// SF_DECLARE_MSGMAP declares GetSFMessageMap and GetThisMessageIDs; SF_BEGIN_MSGMAP
// defines both (the id list of the UI-message entries is collected on first use). A map
// may be empty: SF_BEGIN_MSGMAP directly followed by SF_END_MSGMAP.
#pragma once

#include "base/compat/sf_windows.h"
#include "skin/SFEventBase.h"

#include <QEvent>

class QObject;

// Message numbers of the map.
constexpr UINT SF_MSG_COMMAND = WM_COMMAND;  // a control was clicked or changed
constexpr UINT SF_MSG_NOTIFY = WM_NOTIFY;    // a notification with data
// A framework UI message (also its code); it travels under the timer message's number.
constexpr UINT SF_MSG_UIMESSAGE = WM_TIMER;

// Handler signatures (nSig).
constexpr UINT SF_SIG_END = 0;     // marks the end of a table
constexpr UINT SF_SIG_VOID = 1;    // handler()
constexpr UINT SF_SIG_NOTIFY = 2;  // handler(WPARAM, LPARAM) of a notification
constexpr UINT SF_SIG_WL = 3;      // handler(WPARAM, LPARAM)

typedef void (CSFEventBase::*SF_PMSG)();
typedef void (CSFEventBase::*SF_PMSG_WL)(WPARAM, LPARAM);

struct SF_MSGMAP_ENTRY
{
    UINT nMessage;
    UINT nCode;
    UINT nID;       // first id of the range
    UINT nLastID;   // last id of the range (inclusive)
    UINT nSig;      // 0 ends the table
    UINT reserved;  // always 0
    SF_PMSG pfn;    // stored as SF_PMSG, called through the type that nSig names
};

struct SF_MSGMAP
{
    const SF_MSGMAP_ENTRY* lpEntries;
};

extern "C" {
// The first entry of table, before the end entry, whose message and code are equal and
// whose range holds id (compared unsigned); NULL when none.
const SF_MSGMAP_ENTRY* SF_FindMessageEntry(const SF_MSGMAP_ENTRY* table, UINT message, UINT code, UINT id);

// Delivers {0x113, 0x113, data, id} to target at once (the handler has run on return).
// A NULL target, or a process without an application object, receives nothing.
void SF_SendUIMessage(QObject* target, UINT id, WPARAM data);
// Queues {0x113, 0x113, data, id} for target; only a widget target receives anything.
void SF_PostUIMessage(QObject* target, UINT id, WPARAM data);
}

// Calls the entry's handler on sink by its signature: nSig 1 without arguments, nSig 2 and
// 3 with (wParam, lParam). Returns false (and calls nothing) for any other signature.
bool SF_CallMessageHandler(CSFEventBase* sink, const SF_MSGMAP_ENTRY* entry, WPARAM wParam, LPARAM lParam);

// The event that carries a message to a window.
class CSFCustomEvent : public QEvent
{
public:
    CSFCustomEvent(int msg, int code, WPARAM w, LPARAM l);
    ~CSFCustomEvent() override;
    CSFCustomEvent(const CSFCustomEvent&) = delete;
    CSFCustomEvent& operator=(const CSFCustomEvent&) = delete;

    // The event type every CSFCustomEvent has, registered with Qt on first use.
    static QEvent::Type EventType();

    int nMsg;
    int nCode;
    WPARAM wParam;
    LPARAM lParam;  // the id matched against the map's range
};

// What a receiving window does with an event: when it is a CSFCustomEvent and the sink has a
// map, look up (nMsg, nCode, lParam) and call the handler on the sink. Returns true when a
// handler ran.
bool SF_DispatchCustomEvent(CSFEventBase* sink, QEvent* event);

namespace SFMsgMapDetail {

// The two-argument form is kept in the generic SF_PMSG slot and turned back into its own type
// before a call; that round trip of reinterpret_cast is defined for member pointers.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wcast-function-type"
inline SF_PMSG ToGeneric(SF_PMSG_WL pfn) { return reinterpret_cast<SF_PMSG>(pfn); }
inline SF_PMSG_WL ToWL(SF_PMSG pfn) { return reinterpret_cast<SF_PMSG_WL>(pfn); }
#pragma GCC diagnostic pop

// Builds the entries of T's table. Only the two handler forms below are accepted; a handler
// of any other type does not compile. A handler declared in a base class of T is taken as a
// member of T, so the stored pointer carries the adjustment from T's CSFEventBase part.
template <class T>
struct EntryMaker
{
    static SF_MSGMAP_ENTRY Make(UINT msg, UINT code, UINT id, UINT lastId, void (T::*handler)())
    {
        return SF_MSGMAP_ENTRY{msg, code, id, lastId, SF_SIG_VOID, 0, static_cast<SF_PMSG>(handler)};
    }
    static SF_MSGMAP_ENTRY Make(UINT msg, UINT code, UINT id, UINT lastId, void (T::*handler)(WPARAM, LPARAM))
    {
        return SF_MSGMAP_ENTRY{msg,
                               code,
                               id,
                               lastId,
                               msg == SF_MSG_NOTIFY ? SF_SIG_NOTIFY : SF_SIG_WL,
                               0,
                               ToGeneric(static_cast<SF_PMSG_WL>(handler))};
    }
};

}  // namespace SFMsgMapDetail

// The macros open and close a function and its table across lines: kept as written.
// clang-format off
#define SF_DECLARE_MSGMAP()                           \
    const SF_MSGMAP* GetSFMessageMap() override;      \
    int* GetThisMessageIDs() override;

#define SF_BEGIN_MSGMAP(theClass)                                          \
    int* theClass::GetThisMessageIDs() { return CollectThisMessageIDs(); } \
    const SF_MSGMAP* theClass::GetSFMessageMap()                           \
    {                                                                      \
        using ThisClass [[maybe_unused]] = theClass;                       \
        static const SF_MSGMAP_ENTRY s_entries[] = {

#define SF_ON_MESSAGE_RANGE(msg, code, id, lastId, handler) \
    ::SFMsgMapDetail::EntryMaker<ThisClass>::Make((msg), (code), (id), (lastId), &ThisClass::handler),

#define SF_ON_COMMAND(id, handler) SF_ON_MESSAGE_RANGE(SF_MSG_COMMAND, 0u, id, id, handler)
#define SF_ON_COMMAND_RANGE(id, lastId, handler) SF_ON_MESSAGE_RANGE(SF_MSG_COMMAND, 0u, id, lastId, handler)
#define SF_ON_NOTIFY(code, id, handler) SF_ON_MESSAGE_RANGE(SF_MSG_NOTIFY, code, id, id, handler)
#define SF_ON_NOTIFY_RANGE(code, id, lastId, handler) SF_ON_MESSAGE_RANGE(SF_MSG_NOTIFY, code, id, lastId, handler)
#define SF_ON_UI_MESSAGE(id, handler) SF_ON_MESSAGE_RANGE(SF_MSG_UIMESSAGE, SF_MSG_UIMESSAGE, id, id, handler)
#define SF_ON_UI_MESSAGE_RANGE(id, lastId, handler) \
    SF_ON_MESSAGE_RANGE(SF_MSG_UIMESSAGE, SF_MSG_UIMESSAGE, id, lastId, handler)

#define SF_END_MSGMAP()                                                   \
            SF_MSGMAP_ENTRY{0, 0, 0, 0, SF_SIG_END, 0, nullptr}            \
        };                                                                 \
        static const SF_MSGMAP s_map = {&s_entries[0]};                    \
        return &s_map;                                                     \
    }
// clang-format on
