// The list control's rules that need no widget: how drawing flags become the cells' text
// flags, and which way a header click sorts.
#pragma once

#include "base/compat/sf_windows.h"

#include <Qt>

namespace SFListCtrlRules {

// DT_ flags as the cells' alignment and text flags (Qt::AlignmentFlag | Qt::TextFlag):
// DT_RIGHT right, else DT_CENTER centred, else left; DT_VCENTER centres vertically;
// DT_WORDBREAK wraps anywhere without clipping (no single line); DT_SINGLELINE keeps one
// line (no word wrap). The wrap and clip bits are stored; the cells' painting ignores them.
int TextFlagsFromDrawFlags(UINT dtFlags);

// The sort order of a header click, stepping the list's two sort flags: a pending
// force-ascending gives ascending and is used up; otherwise the clicks alternate,
// descending first (toggle 0 -> descending, toggle set; 1 -> ascending, toggle cleared).
Qt::SortOrder NextSortOrder(bool& toggle, bool& forceAscending);

}  // namespace SFListCtrlRules
