// Exported face: other programs are built against this header. Names and their spellings and
// the layout of the records must never change.
// Skin records and small value records that cross the facade, and the enumerations the
// facade operations take. The owner fills a skin record and hands it to a control's
// SetSkin; the control reads the fields it knows (see each control for which).
//
// Records that only travel by pointer and belong to an extended control are declared here
// and defined next to that control.
#pragma once

#include "base/compat/sf_windows.h"

#include <string>
#include <vector>

// A record of N wide strings addressed as [0]..[N-1], the way the controls document them.
template <int N>
struct SFWideStringRecord
{
    std::wstring item[N];

    static constexpr int Count() { return N; }
    std::wstring& operator[](int i) { return item[i]; }
    const std::wstring& operator[](int i) const { return item[i]; }
};

// ---- Records of the core controls -------------------------------------------------------

// The dialog and main-window skin: 55 wide strings [0]..[54], one flag, then 15 wide
// strings [55]..[69]. operator[] addresses all 70 strings by their number.
struct DialogStyle
{
    std::wstring item[55];
    bool bFlag = false;
    std::wstring itemEx[15];

    static constexpr int Count() { return 70; }
    std::wstring& operator[](int i) { return i < 55 ? item[i] : itemEx[i - 55]; }
    const std::wstring& operator[](int i) const { return i < 55 ? item[i] : itemEx[i - 55]; }
};

// Image button: [0] normal, [1] hover, [2] pressed, [3] disabled, [4]..[7] spare.
struct ImageButtonStyle : SFWideStringRecord<8>
{};
// Check box and radio box: [0] checked normal, [1] checked hover, [2] checked pressed,
// [3] unchecked normal, [4] unchecked hover, [5] unchecked pressed, [6] checked disabled,
// [7] unchecked disabled.
struct ImageCheckBox : SFWideStringRecord<8>
{};
struct ImageRadioBox : SFWideStringRecord<8>
{};
// Combo box: 15 wide strings.
struct ImageComboBoxStyle : SFWideStringRecord<15>
{};
// Slider: [0] picture file, [1]..[6] piece rectangles.
struct ImageSliderStyle : SFWideStringRecord<7>
{};
// Progress bar: [0] chunk picture, [1] background picture, [2] and [3] spare.
struct ImageProgressCtrlStyle : SFWideStringRecord<4>
{};
// Month calendar (no implementation reads it).
struct ImageMonthCalStyle : SFWideStringRecord<8>
{};

// ---- Value records ----------------------------------------------------------------------

// A calendar date and time of day, eight unsigned 16-bit fields.
struct _SF_SYSTEMTIME
{
    WORD wYear;
    WORD wMonth;  // 1..12
    WORD wDayOfWeek;
    WORD wDay;  // 1..31
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};
static_assert(sizeof(_SF_SYSTEMTIME) == 16, "eight 16-bit fields");

// One recorded segment of a time-line channel; times are seconds since 1970 (UTC).
struct PlayProgressRecord
{
    int nRecordID;
    int nStartTime;
    int nEndTime;
    int nType;  // bar colour flags 2, 4 or 8
};

// Three ints the owner keeps with a channel; the time-line only copies them.
struct PlayProgressChannelItem
{
    int nValue1;
    int nValue2;
    int nValue3;
};

// One time-line channel as the owner hands it in.
struct PlayProgressChannel
{
    int nChannelId = 0;
    std::wstring strName;
    std::vector<PlayProgressRecord> records;
    std::vector<PlayProgressChannelItem> items;
};

// ---- Records of the extended controls (defined with their control) ----------------------
struct ListCtrlStyle;
struct UITreeCtrlStyle;
struct ImageDateTimeStyle;
struct ScrollAreaStyle;
struct ImageNumSpinerStyle;  // kept: exported name
struct UIImagePanelStyle;
struct ImagePlayProgressLayout;
struct ImagePlayProgressStyle;
struct ImageHorizontalStyle;
struct ImageVericalStyle;      // kept: exported name
struct ImageSimulationlStyle;  // kept: exported name
struct ImageVideoWindowStyle;

// ---- Enumerations -----------------------------------------------------------------------

// The kind of window a view is attached to (accepted and ignored).
enum WINDOW_TYPE
{
    WINDOW_TYPE_DIALOG = 0,
    WINDOW_TYPE_VIEW = 1,
    WINDOW_TYPE_FRAME = 2
};

// Where an image button would place an icon (accepted and ignored).
enum ICON_POS
{
    ICON_POS_LEFT = 0,
    ICON_POS_TOP = 1,
    ICON_POS_RIGHT = 2,
    ICON_POS_BOTTOM = 3
};

// When a slider reports its position: 0 on every change, 1 only on release.
enum SLIDER_RESPONSE_MODE
{
    SLIDER_RESPONSE_ON_CHANGE = 0,
    SLIDER_RESPONSE_ON_RELEASE = 1
};

// The controls of a play control panel and their states.
enum ControlIdentifier
{
    CONTROL_ID_PLAY = 0,
    CONTROL_ID_PAUSE = 1,
    CONTROL_ID_STOP = 2,
    CONTROL_ID_VOLUME = 3,
    CONTROL_ID_PLAYMODE = 4
};

enum ControlStatus
{
    CONTROL_STATUS_NORMAL = 0,
    CONTROL_STATUS_HOVER = 1,
    CONTROL_STATUS_PRESSED = 2,
    CONTROL_STATUS_DISABLED = 3
};

// Scroll direction of the image strip (accepted and ignored).
enum DISPLAY_TYPE
{
    DISPLAY_TYPE_HORIZONTAL = 0,
    DISPLAY_TYPE_VERTICAL = 1
};

// Which cut edge a time-line position belongs to: 0 the left (start) edge, 1 otherwise.
enum VIDEOCUT_TYPE
{
    VIDEOCUT_LEFT = 0,
    VIDEOCUT_RIGHT = 1
};

// Video window: normal mode (panes) or splitter mode (grid editing).
enum VIDEOWINDOWMODE
{
    VIDEOWINDOW_NORMAL = 0,
    VIDEOWINDOW_SPLITTER = 1
};

// Video window presets, named by their window count.
enum DEFAULT_LAYOUT
{
    DEFAULT_LAYOUT_1 = 0,
    DEFAULT_LAYOUT_4 = 1,
    DEFAULT_LAYOUT_6 = 2,
    DEFAULT_LAYOUT_8 = 3,
    DEFAULT_LAYOUT_9 = 4,
    DEFAULT_LAYOUT_13 = 5,
    DEFAULT_LAYOUT_16 = 6,
    DEFAULT_LAYOUT_20 = 7,
    DEFAULT_LAYOUT_25 = 8,
    DEFAULT_LAYOUT_36 = 9
};

// Frames handed to a video pane: 1 a 32-bit RGB frame shown at once, 2 the same without
// a repaint; 0 no frame.
enum RENDER_DATA_TYPE
{
    RENDER_DATA_NONE = 0,
    RENDER_DATA_RGB32 = 1,
    RENDER_DATA_RGB32_NO_REPAINT = 2
};
