// The list control's widget-free rules: drawing flags into cell text flags, and the order a
// header click sorts in.
#include "skin/ext/SFListCtrlRules.h"

#include <gtest/gtest.h>

namespace {

TEST(ListRules, DrawFlagsBecomeCellTextFlags)
{
    const struct
    {
        UINT dt;
        int flags;
    } cases[] = {
        {DT_LEFT, Qt::AlignLeft},
        {DT_CENTER, Qt::AlignHCenter},
        {DT_RIGHT, Qt::AlignRight},
        {DT_RIGHT | DT_CENTER, Qt::AlignRight},
        {DT_CENTER | DT_VCENTER, Qt::AlignHCenter | Qt::AlignVCenter},
        {DT_WORDBREAK, Qt::AlignLeft | Qt::TextWrapAnywhere | Qt::TextDontClip},
        {DT_SINGLELINE | DT_VCENTER, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine},
        {DT_WORDBREAK | DT_SINGLELINE,
         Qt::AlignLeft | Qt::TextWrapAnywhere | Qt::TextDontClip | Qt::TextSingleLine},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SFListCtrlRules::TextFlagsFromDrawFlags(c.dt), c.flags) << "DT flags " << c.dt;
    // The numbers the cells store are the toolkit's, unchanged from its earlier versions.
    EXPECT_EQ(SFListCtrlRules::TextFlagsFromDrawFlags(DT_RIGHT | DT_VCENTER | DT_SINGLELINE), 0x182);
    EXPECT_EQ(SFListCtrlRules::TextFlagsFromDrawFlags(DT_CENTER | DT_WORDBREAK), 0x2204);
}

TEST(ListRules, ClicksAlternateDescendingFirstAndAForcedSortIsAscending)
{
    bool toggle = false, force = false;
    EXPECT_EQ(SFListCtrlRules::NextSortOrder(toggle, force), Qt::DescendingOrder);
    EXPECT_EQ(SFListCtrlRules::NextSortOrder(toggle, force), Qt::AscendingOrder);
    EXPECT_EQ(SFListCtrlRules::NextSortOrder(toggle, force), Qt::DescendingOrder);
    force = true;
    EXPECT_EQ(SFListCtrlRules::NextSortOrder(toggle, force), Qt::AscendingOrder);
    EXPECT_FALSE(force);
    // The forced sort leaves the alternation where it was.
    EXPECT_EQ(SFListCtrlRules::NextSortOrder(toggle, force), Qt::AscendingOrder);
    EXPECT_EQ(SFListCtrlRules::NextSortOrder(toggle, force), Qt::DescendingOrder);
}

}  // namespace
