// Win32-shaped types, records and constants, defined once for the whole program.
// Every width is fixed: the code was shaped on a 32-bit platform where long was 32 bits.
#pragma once

#include <cstddef>
#include <cstdint>

typedef int BOOL;  // int, not bool: BOOL-style results include -1 and other ints
#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif
typedef std::uint8_t BYTE;
typedef std::uint16_t WORD;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef std::uint32_t UINT;
typedef std::uint32_t COLORREF;  // 0x00BBGGRR
typedef std::uintptr_t WPARAM;   // pointer-sized: notifications carry pointers in it
typedef std::intptr_t LPARAM;
typedef std::intptr_t LRESULT;
typedef std::uintptr_t UINT_PTR;
typedef void* HWND;  // opaque: the Qt widget pointer the facade hands around

struct tagRECT
{
    LONG left, top, right, bottom;
};
typedef tagRECT RECT;
struct tagPOINT
{
    LONG x, y;
};
typedef tagPOINT POINT;
struct tagSIZE
{
    LONG cx, cy;
};
typedef tagSIZE SIZE;
struct tagNMHDR
{
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
};
typedef tagNMHDR NMHDR;
// A list notification: the header, then the item and column concerned and the item's data.
struct tagNMLISTVIEW
{
    NMHDR hdr;
    int iItem;
    int iSubItem;
    UINT uNewState;
    UINT uOldState;
    UINT uChanged;
    POINT ptAction;
    LPARAM lParam;
};
typedef tagNMLISTVIEW NMLISTVIEW;

static_assert(sizeof(DWORD) == 4, "DWORD is 32 bits");
static_assert(sizeof(LONG) == 4, "LONG is 32 bits");
static_assert(sizeof(RECT) == 16, "RECT is four 32-bit fields");
static_assert(sizeof(POINT) == 8, "POINT is two 32-bit fields");
static_assert(sizeof(SIZE) == 8, "SIZE is two 32-bit fields");
static_assert(sizeof(WPARAM) == sizeof(void*), "WPARAM carries pointers");
static_assert(sizeof(LPARAM) == sizeof(void*), "LPARAM carries pointers");

constexpr inline COLORREF RGB(BYTE r, BYTE g, BYTE b)
{
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}
constexpr inline BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c & 0xFF); }
constexpr inline BYTE GetGValue(COLORREF c) { return static_cast<BYTE>((c >> 8) & 0xFF); }
constexpr inline BYTE GetBValue(COLORREF c) { return static_cast<BYTE>((c >> 16) & 0xFF); }

// Waits
constexpr DWORD INFINITE = 0xFFFFFFFFu;
constexpr DWORD WAIT_OBJECT_0 = 0;
constexpr DWORD WAIT_TIMEOUT = 258;
constexpr DWORD WAIT_FAILED = 0xFFFFFFFFu;

// Code pages
constexpr UINT CP_ACP = 0;
constexpr UINT CP_UTF8 = 65001;

// Messages
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_NOTIFY = 0x004E;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_WTSSESSION_CHANGE = 0x02B1;
constexpr UINT WTS_SESSION_LOCK = 7;
constexpr UINT WTS_SESSION_UNLOCK = 8;

// Window styles
constexpr DWORD WS_TABSTOP = 0x00010000u;
constexpr DWORD WS_BORDER = 0x00800000u;
constexpr DWORD WS_VISIBLE = 0x10000000u;
constexpr DWORD WS_CHILD = 0x40000000u;

// Text drawing flags
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_EDITCONTROL = 0x2000;
constexpr UINT DT_END_ELLIPSIS = 0x8000;

// Virtual keys
constexpr UINT VK_RETURN = 13;
constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_CONTROL = 0x11;
constexpr UINT VK_MENU = 0x12;  // Alt
constexpr UINT VK_ESCAPE = 27;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_F1 = 0x70;
constexpr UINT VK_F4 = 0x73;

// Show modes
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOW = 5;

// Window placement flags
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;

// Shell notifications
constexpr DWORD SHCNE_ASSOCCHANGED = 0x08000000u;
constexpr UINT SHCNF_IDLIST = 0;
