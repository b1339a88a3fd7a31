// Exported face: other programs are built against this header. Names and their spellings, the
// order of the virtual operations and the layout of the records must never change.
// Root of the sinks of windows and views: it carries the message map that routes command,
// notification and UI messages to the owner's member functions (see SFMsgMap.h).
#pragma once

#include "base/compat/sf_windows.h"

struct SF_MSGMAP;

class CSFEventBase
{
public:
    CSFEventBase() : m_pMessageIDs(nullptr) {}
    // Copies share the id list (it is never freed).
    CSFEventBase(const CSFEventBase&) = default;
    CSFEventBase& operator=(const CSFEventBase&) = default;
    virtual ~CSFEventBase() {}

    // The sink's message map, or NULL when it has none.
    virtual const SF_MSGMAP* GetSFMessageMap() = 0;
    // The ids of the sink's UI-message (0x113) entries, ended by -1; NULL by default.
    virtual int* GetThisMessageIDs() { return nullptr; }

    // Look (0x111, 0, id) up in the map and run an entry without arguments.
    void Dlg_OnCommand(UINT id);
    // Look (0x4E, low 16 bits of code, id) up; an entry without arguments runs as is, a
    // two-argument notify entry gets (hdr, result) as (WPARAM, LPARAM).
    void OnNotifyClick(UINT code, UINT id, NMHDR* hdr, LRESULT* result);
    // Look (0x113, low 16 bits of code, id) up and run only a (WPARAM, LPARAM) entry.
    void OnUIMessage(UINT code, UINT id, WPARAM wParam, LPARAM lParam);

    // The cached id list of GetThisMessageIDs, NULL until built.
    int* m_pMessageIDs;

protected:
    // The usual GetThisMessageIDs: on first use collects the nID of every 0x113 entry of
    // the map in table order, ends the list with -1 and caches it in m_pMessageIDs; a map
    // without such entries leaves it NULL.
    int* CollectThisMessageIDs();
};
