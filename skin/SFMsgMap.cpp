#include "skin/SFMsgMap.h"

#include <QCoreApplication>
#include <QObject>

#include <new>

const SF_MSGMAP_ENTRY* SF_FindMessageEntry(const SF_MSGMAP_ENTRY* table, UINT message, UINT code, UINT id)
{
    if (!table)
        return nullptr;
    for (const SF_MSGMAP_ENTRY* e = table; e->nSig != SF_SIG_END; ++e) {
        if (e->nMessage == message && e->nCode == code && e->nID <= id && id <= e->nLastID)
            return e;
    }
    return nullptr;
}

// The stored handler carries the adjustment from the CSFEventBase part to the class that
// declares it, so the object it is called on is that class, not CSFEventBase: a call the
// language defines (the sink's dynamic type has the member), which the run-time type check
// of the sanitizer does not follow.
__attribute__((no_sanitize("vptr"))) bool
SF_CallMessageHandler(CSFEventBase* sink, const SF_MSGMAP_ENTRY* entry, WPARAM wParam, LPARAM lParam)
{
    if (!sink || !entry || !entry->pfn)
        return false;
    switch (entry->nSig) {
    case SF_SIG_VOID:
        (sink->*(entry->pfn))();
        return true;
    case SF_SIG_NOTIFY:
    case SF_SIG_WL:
        (sink->*SFMsgMapDetail::ToWL(entry->pfn))(wParam, lParam);
        return true;
    default:
        return false;
    }
}

// ---- CSFEventBase dispatch helpers ------------------------------------------------------

namespace {

const SF_MSGMAP_ENTRY* FindInSink(CSFEventBase* sink, UINT message, UINT code, UINT id)
{
    const SF_MSGMAP* map = sink->GetSFMessageMap();
    if (!map)
        return nullptr;
    return SF_FindMessageEntry(map->lpEntries, message, code, id);
}

}  // namespace

void CSFEventBase::Dlg_OnCommand(UINT id)
{
    const SF_MSGMAP_ENTRY* e = FindInSink(this, SF_MSG_COMMAND, 0, id);
    if (e && e->nSig == SF_SIG_VOID)
        SF_CallMessageHandler(this, e, 0, 0);
}

void CSFEventBase::OnNotifyClick(UINT code, UINT id, NMHDR* hdr, LRESULT* result)
{
    const SF_MSGMAP_ENTRY* e = FindInSink(this, SF_MSG_NOTIFY, code & 0xFFFFu, id);
    if (!e)
        return;
    if (e->nSig == SF_SIG_VOID)
        SF_CallMessageHandler(this, e, 0, 0);
    else if (e->nSig == SF_SIG_NOTIFY)
        SF_CallMessageHandler(this, e, reinterpret_cast<WPARAM>(hdr), reinterpret_cast<LPARAM>(result));
}

void CSFEventBase::OnUIMessage(UINT code, UINT id, WPARAM wParam, LPARAM lParam)
{
    const SF_MSGMAP_ENTRY* e = FindInSink(this, SF_MSG_UIMESSAGE, code & 0xFFFFu, id);
    if (e && e->nSig == SF_SIG_WL)
        SF_CallMessageHandler(this, e, wParam, lParam);
}

int* CSFEventBase::CollectThisMessageIDs()
{
    if (m_pMessageIDs)
        return m_pMessageIDs;
    const SF_MSGMAP* map = GetSFMessageMap();
    if (!map || !map->lpEntries)
        return m_pMessageIDs;
    int n = 0;
    for (const SF_MSGMAP_ENTRY* e = map->lpEntries; e->nSig != SF_SIG_END; ++e)
        if (e->nMessage == SF_MSG_UIMESSAGE)
            ++n;
    if (n == 0)
        return m_pMessageIDs;
    // Never freed: copies of the sink share the list.
    int* ids = new (std::nothrow) int[n + 1];
    if (!ids)
        return m_pMessageIDs;
    int i = 0;
    for (const SF_MSGMAP_ENTRY* e = map->lpEntries; e->nSig != SF_SIG_END; ++e)
        if (e->nMessage == SF_MSG_UIMESSAGE)
            ids[i++] = static_cast<int>(e->nID);
    ids[i] = -1;
    m_pMessageIDs = ids;
    return m_pMessageIDs;
}

// ---- The event --------------------------------------------------------------------------

CSFCustomEvent::CSFCustomEvent(int msg, int code, WPARAM w, LPARAM l)
    : QEvent(EventType()),
      nMsg(msg),
      nCode(code),
      wParam(w),
      lParam(l)
{}

CSFCustomEvent::~CSFCustomEvent() = default;

QEvent::Type CSFCustomEvent::EventType()
{
    static const QEvent::Type s_type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return s_type;
}

bool SF_DispatchCustomEvent(CSFEventBase* sink, QEvent* event)
{
    if (!sink || !event || event->type() != CSFCustomEvent::EventType())
        return false;
    const CSFCustomEvent* ev = static_cast<const CSFCustomEvent*>(event);
    const SF_MSGMAP* map = sink->GetSFMessageMap();
    if (!map)
        return false;
    const SF_MSGMAP_ENTRY* e =
        SF_FindMessageEntry(map->lpEntries, static_cast<UINT>(ev->nMsg), static_cast<UINT>(ev->nCode),
                            static_cast<UINT>(ev->lParam));
    if (!e)
        return false;
    return SF_CallMessageHandler(sink, e, ev->wParam, ev->lParam);
}

// ---- UI messages ------------------------------------------------------------------------

void SF_SendUIMessage(QObject* target, UINT id, WPARAM data)
{
    if (!target || !QCoreApplication::instance())
        return;
    CSFCustomEvent ev(static_cast<int>(SF_MSG_UIMESSAGE), static_cast<int>(SF_MSG_UIMESSAGE), data,
                      static_cast<LPARAM>(id));
    QCoreApplication::sendEvent(target, &ev);
}

void SF_PostUIMessage(QObject* target, UINT id, WPARAM data)
{
    if (!target || !target->isWidgetType())
        return;
    CSFCustomEvent* ev =
        new (std::nothrow) CSFCustomEvent(static_cast<int>(SF_MSG_UIMESSAGE),
                                          static_cast<int>(SF_MSG_UIMESSAGE), data, static_cast<LPARAM>(id));
    if (ev)
        QCoreApplication::postEvent(target, ev);
}
