// Tests of the scoped flags: the value inside the scope and the one left after it.
#include "KyStd/Core/FlagScope.h"

#include <gtest/gtest.h>

namespace {

struct FlagCase {
    bool before;
    bool afterRestoring; // FlagScope
    bool afterClearing;  // ClearingFlagScope
};

const FlagCase kCases[] = {
    {false, false, false},
    {true, true, false},
};

TEST(FlagScopeTest, RaisedInsideAndRestoredOrClearedAfter)
{
    for (const FlagCase& c : kCases) {
        bool restoring = c.before;
        bool clearing = c.before;
        {
            Kyvant::FlagScope raised(restoring);
            Kyvant::ClearingFlagScope cleared(clearing);
            EXPECT_TRUE(restoring);
            EXPECT_TRUE(clearing);
        }
        EXPECT_EQ(c.afterRestoring, restoring) << "before " << c.before;
        EXPECT_EQ(c.afterClearing, clearing) << "before " << c.before;
    }
}

TEST(FlagScopeTest, NestedScopesKeepTheOuterRaised)
{
    bool restoring = false;
    bool clearing = false;
    {
        Kyvant::FlagScope outer(restoring);
        Kyvant::ClearingFlagScope outerClearing(clearing);
        {
            Kyvant::FlagScope inner(restoring);
            Kyvant::ClearingFlagScope innerClearing(clearing);
        }
        EXPECT_TRUE(restoring);
        EXPECT_FALSE(clearing);
    }
    EXPECT_FALSE(restoring);
    EXPECT_FALSE(clearing);
}

} // namespace
