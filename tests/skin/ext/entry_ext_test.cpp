// Entry layer of the extended controls: the destroy entries leave every control to its
// parent.
#include "skin/ext/SFEntryExt.h"
#include "tests/skin/destroy_probe.h"

#include <gtest/gtest.h>

namespace {

TEST(EntryExtDestroy, ControlsAreLeftToTheirParent)
{
    EXPECT_FALSE(DestroyDeletes<CSFListCtrl>(SF_DestroyListCtrl));
    EXPECT_FALSE(DestroyDeletes<CSFVideoWindow>(SF_DestroyVideoWindow));
}

}  // namespace
