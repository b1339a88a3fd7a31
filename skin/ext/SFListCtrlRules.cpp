#include "skin/ext/SFListCtrlRules.h"

namespace SFListCtrlRules {

int TextFlagsFromDrawFlags(UINT dtFlags)
{
    int flags = Qt::AlignLeft;
    if (dtFlags & DT_RIGHT)
        flags = Qt::AlignRight;
    else if (dtFlags & DT_CENTER)
        flags = Qt::AlignHCenter;
    if (dtFlags & DT_VCENTER)
        flags |= Qt::AlignVCenter;
    if (dtFlags & DT_WORDBREAK) {
        flags &= ~Qt::TextSingleLine;
        flags |= Qt::TextWrapAnywhere | Qt::TextDontClip;
    }
    if (dtFlags & DT_SINGLELINE) {
        flags &= ~Qt::TextWordWrap;
        flags |= Qt::TextSingleLine;
    }
    return flags;
}

Qt::SortOrder NextSortOrder(bool& toggle, bool& forceAscending)
{
    if (forceAscending) {
        forceAscending = false;
        return Qt::AscendingOrder;
    }
    toggle = !toggle;
    return toggle ? Qt::DescendingOrder : Qt::AscendingOrder;
}

}  // namespace SFListCtrlRules
