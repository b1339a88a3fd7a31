// Not part of the exported face. The extended controls' skin records filled with the pictures
// the skin painter draws for them (the extended set, which the program does not ship) and the
// cells it cuts them into: the one home of those names and cells, which the painter draws,
// and the gallery and the controls' tests load. Each function fills only what names a picture
// or a cell of one; placements, colours and sizes stay with the caller. The painter takes its
// file names from here; a cell re-cut here must be re-drawn in the painter.
#pragma once

#include "skin/SFSkinStyles.h"
#include "skin/ext/ImagePlayProgressLayout.h"
#include "skin/ext/ImagePlayProgressStyle.h"
#include "skin/ext/ImageVideoWindowStyle.h"
#include "skin/ext/SFListCtrlStyle.h"
#include "skin/ext/SFSceneStyles.h"

#include <string>

// The time-line's zoomer picture and its cells; the panel's areas and buttons are placed by
// the caller.
inline ImagePlayProgressLayout TimelineZoomerLayoutRecord()
{
    ImagePlayProgressLayout l;
    l[6] = L"timeline_zoomer.png";
    l[7] = L"0,0,39,5";
    l[8] = L"0,8,39,5";
    l[9] = L"0,16,9,13";
    l[10] = L"12,16,9,13";
    l[11] = L"24,16,9,13";
    l[12] = L"36,16,9,13";
    return l;
}

// The time-line's background, tiled behind the panel (SetBackground).
inline std::wstring TimelineBackgroundPicture() { return L"timeline_background.png"; }

// The time-line's row scroll, zoom and day buttons and its panel picture.
inline ImagePlayProgressStyle TimelineSkinRecord()
{
    ImagePlayProgressStyle s;
    const wchar_t* up[] = {L"timeline_row_up.png", L"timeline_row_up_hover.png",
                           L"timeline_row_up_pressed.png", L"", L"timeline_row_up_disabled.png"};
    const wchar_t* down[] = {L"timeline_row_down.png", L"timeline_row_down_hover.png",
                             L"timeline_row_down_pressed.png", L"", L"timeline_row_down_disabled.png"};
    for (int i = 0; i < 5; ++i) {
        s[24 + i] = up[i];
        s[29 + i] = down[i];
    }
    s[35] = L"timeline_zoom_in.png";
    s[37] = L"timeline_zoom_out.png";
    s[45] = L"timeline_prev_day_off.png";
    s[46] = L"timeline_prev_day_on.png";
    s[47] = L"timeline_next_day_off.png";
    s[48] = L"timeline_next_day_on.png";
    s[49] = L"timeline_panel.png";
    return s;
}

// The video window's back picture and its panes' button and record box pictures.
inline ImageVideoWindowStyle VideoWindowSkinRecord()
{
    ImageVideoWindowStyle s;
    s[0] = L"video_back.png";
    s[1] = L"video_close_normal.png";
    s[2] = L"video_close_hover.png";
    s[3] = L"video_close_pressed.png";
    s[4] = L"video_snap_normal.png";
    s[5] = L"video_snap_hover.png";
    s[6] = L"video_snap_pressed.png";
    s[7] = L"video_property_normal.png";
    s[8] = L"video_property_pressed.png";
    s[9] = L"video_property_hover.png";
    s[10] = L"video_record_on.png";
    s[11] = L"video_record_off.png";
    return s;
}

// The list control's check box, in all eight states.
inline ImageRadioBox ListCheckSkinRecord()
{
    ImageRadioBox s;
    const wchar_t* names[8] = {L"list_check_on.png",          L"list_check_on_hover.png",
                               L"list_check_on_pressed.png",  L"list_check_off.png",
                               L"list_check_off_hover.png",   L"list_check_off_pressed.png",
                               L"list_check_on_disabled.png", L"list_check_off_disabled.png"};
    for (int i = 0; i < 8; ++i)
        s[i] = names[i];
    return s;
}

// The list control's sprite; its cells, their modes, the colours and heights stay with the
// caller.
inline ListCtrlStyle ListSkinRecord()
{
    ListCtrlStyle s;
    s[0] = L"list_sprite.png";
    return s;
}

// A list cell button from its picture prefix.
inline ImageButtonStyle ListButtonSkinRecord(const std::wstring& prefix)
{
    ImageButtonStyle s;
    s[0] = prefix + L"_normal.png";
    s[1] = prefix + L"_hover.png";
    s[2] = prefix + L"_pressed.png";
    s[3] = prefix + L"_disabled.png";
    return s;
}

// The list control's two cell buttons.
inline ImageButtonStyle ListEditButtonSkinRecord() { return ListButtonSkinRecord(L"list_btn_edit"); }
inline ImageButtonStyle ListRemoveButtonSkinRecord() { return ListButtonSkinRecord(L"list_btn_remove"); }

// The list control's progress cell.
inline ImageProgressCtrlStyle ListProgressSkinRecord()
{
    ImageProgressCtrlStyle s;
    s[0] = L"list_progress_chunk.png";
    s[1] = L"list_progress_back.png";
    return s;
}

// The top view's camera and handle pictures.
inline ImageHorizontalStyle HorizontalSceneSkinRecord()
{
    ImageHorizontalStyle s;
    s[0] = L"SceneHCamera.png";
    s[1] = L"SceneHHandle.png";
    s[2] = L"SceneHHandleDown.png";
    return s;
}

// The side view's five-state handles, object and camera.
inline ImageVericalStyle VerticalSceneSkinRecord()
{
    ImageVericalStyle s;
    for (int i = 0; i < 5; ++i) {
        s[ImageVericalStyle::kVerticalHandle + i] = L"SceneVKnobUpDown" + std::to_wstring(i) + L".png";
        s[ImageVericalStyle::kHorizontalHandle + i] = L"SceneVKnobSideways" + std::to_wstring(i) + L".png";
    }
    s[ImageVericalStyle::kObject] = L"SceneObject.png";
    s[ImageVericalStyle::kCamera] = L"SceneVCamera.png";
    return s;
}

// The simulation scene's background (kept, not drawn) and object.
inline ImageSimulationlStyle SimulationSceneSkinRecord()
{
    ImageSimulationlStyle s;
    s[0] = L"SceneSimBackground.png";
    s[1] = L"SceneObject.png";
    return s;
}
