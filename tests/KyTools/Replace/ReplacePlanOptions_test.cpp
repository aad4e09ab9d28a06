// The Replace page's options besides the rules: each plan part paired with its own value and
// box, and a plan built back from them the same but for A, which plans built here never set.
#include "KyTools/Replace/ReplacePlanOptions.h"

#include "Replace/ReplaceTestSupport.h"

#include <gtest/gtest.h>

#include <string>

using Kyvant::ReplacePlanOptions;
using namespace replacetest;

namespace {

// The six values in the order of the members.
std::string Values(const ReplacePlanOptions& options)
{
    std::string values;
    for (int value : {options.backups, options.binary, options.lineMode, options.noConfirm,
                      options.verbose, options.usePrologue})
        values += value != 0 ? '1' : '0';
    return values;
}

TEST(ReplacePlanOptions, EachPlanPartHasItsOwnValueAndBox)
{
    const struct {
        const char* letter;
        const char* values;
        int box;
    } rows[] = {
        {"B", "100000", IDC_KY_REPLACE_BACKUPS},   {"I", "010000", IDC_KY_REPLACE_BINARY},
        {"L", "001000", IDC_KY_REPLACE_LINE_MODE}, {"N", "000100", IDC_KY_REPLACE_NO_CONFIRM},
        {"V", "000010", IDC_KY_REPLACE_VERBOSE},   {"P", "000001", IDC_KY_REPLACE_PROLOGUE}};
    const ReplaceRuleVector rules = Rules({Rule("cat", "dog", "Ac")});
    for (const auto& row : rows) {
        SCOPED_TRACE(row.letter);
        const ReplacePlan plan = Plan(rules, row.letter);
        const ReplacePlanOptions options(plan);
        EXPECT_EQ(row.values, Values(options));
        int checkedBoxes = 0;
        for (const ReplacePlanOptions::Box& box : ReplacePlanOptions::kBoxes) {
            if (options.*box.value != 0) {
                EXPECT_EQ(row.box, box.id);
                EXPECT_TRUE(plan.*box.part);
                ++checkedBoxes;
            }
        }
        EXPECT_EQ(1, checkedBoxes);
        EXPECT_EQ(plan, options.WithRules(rules));
    }
}

TEST(ReplacePlanOptions, FileAndQuickScriptGoBothWaysAndAIsDropped)
{
    const ReplaceRuleVector rules = Rules({Rule("a", "b", "A"), Rule("c", "", "")});
    const ReplacePlan plan(rules, true, false, true, false, true, true, Kyvant::ky_F("C:\\p.pl"),
                           Kyvant::ky_S("s/x/y/;\n"), true);
    const ReplacePlanOptions options(plan);
    EXPECT_EQ("101011", Values(options));
    EXPECT_STREQ("C:\\p.pl", options.prologueFile.c_str());
    EXPECT_STREQ("s/x/y/;\n", options.quickScript.c_str());

    const ReplacePlan built = options.WithRules(rules);
    EXPECT_FALSE(built.m_optionA);
    EXPECT_EQ(ReplacePlan(rules, true, false, true, false, true, true, Kyvant::ky_F("C:\\p.pl"),
                          Kyvant::ky_S("s/x/y/;\n"), false),
              built);
    EXPECT_EQ("000000", Values(ReplacePlanOptions())) << "a new page's options are all off";
}

} // namespace
