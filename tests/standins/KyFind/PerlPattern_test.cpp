// The Perl page's "x" and "s" options rewritten for std::regex: what counts
// as layout, and which dots match any character.
#include "KyFind/PerlPattern.h"

#include <gtest/gtest.h>

using Kyvant::StandIn::TranslatePerlPattern;

TEST(PerlPattern, LegibleLayoutAndDotsOutsideClasses)
{
    struct Case {
        const char* pattern;
        bool legible, dotAll;
        const char* expected;
    } const cases[] = {
        {"a b # note\nc", true, false, "abc"},
        {"a\\ b\\#c", true, false, "a b#c"},
        {"[ #]x", true, false, "[ #]x"},
        {"[]. ]y", true, true, "[]. ]y"},
        {"[^]x]", false, true, "[^]x]"},
        {"a.b\\.c", false, true, "a[\\s\\S]b\\.c"},
        {"a b.c", false, false, "a b.c"},
        {"[a\\]. ]. #", true, true, "[a\\]. ][\\s\\S]"},
        {"trailing\\", true, true, "trailing\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(TranslatePerlPattern(c.pattern, c.legible, c.dotAll), c.expected);
    }
}
