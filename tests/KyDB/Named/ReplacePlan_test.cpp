// Replace rules and plans: stored layouts, decoding of older and damaged
// texts, argument words.
#include "KyDB/Named/ReplacePlan.h"
#include "KyStd/Core/Errors.h"
#include "NamedDbTestEnv.h"

#include <gtest/gtest.h>

using namespace Kyvant;
using NamedDbTest::ErrorOf;
using NamedDbTest::Seps;
using NamedDbTest::Words;
using Strings = std::vector<std::string>;

namespace {

// Options by letter, as in the words: "iwsrxed", and 'n' for no confirmation.
ReplaceRule Rule(bool enabled, const char* find, const char* repl, const std::string& opts)
{
    auto has = [&](char c) { return opts.find(c) != std::string::npos; };
    return ReplaceRule(enabled, find, repl, has('i'), has('w'), has('s'), has('r'), has('x'),
                       !has('n'), has('e'), has('d'));
}

template <class T>
Strings WordsOf(const T& item)
{
    Words w;
    item.StoreAsCmdArgs(w);
    return w.items;
}

template <class T>
std::string Stored(const T& item)
{
    ky_S text;
    item.StoreContents(text);
    return std::string(text.c_str(), text.length());
}

} // namespace

TEST(ReplaceRule, Words)
{
    struct Case {
        ReplaceRule rule;
        Strings words;
    } cases[] = {
        {ReplaceRule(), {"-p"}}, // enabled and confirming
        {Rule(false, "a", "b", "iwsrxedn"), {"-0"}},
        {Rule(true, "a", "", ""), {"-pa"}},
        {Rule(true, "a", "", "n"), {"-pa", "-n"}},
        {Rule(true, "x", "y", "d"), {"-px", "-qy", "-d"}},
        {Rule(true, "x", "y", "dexrswin"), {"-px", "-qy", "-iwsrxned"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.words, WordsOf(c.rule)) << c.rule.m_find.c_str();
}

TEST(ReplaceRule, StoredLayout)
{
    ReplaceRule rule = Rule(true, "f\ti", "r", "wdn");
    EXPECT_EQ(Seps("f\ti|r|1|0|1|0|0|0|0|0|1"), Stored(rule));
    EXPECT_EQ(rule, ReplaceRule(Stored(rule).c_str()));

    ReplaceRule nine{ky_S(Seps("f|r|1|1|0|0|0|0|1").c_str())};
    EXPECT_EQ(Rule(true, "f", "r", "i"), nine);
    ReplaceRule numbers{ky_S(Seps("||7|0|0|0|0|0|0|0|2").c_str())};
    EXPECT_EQ(Rule(true, "", "", "nd"), numbers);

    EXPECT_EQ("Damaged Replace Rule.",
              ErrorOf([] { ReplaceRule(Seps("f|r|1|1|0|0|0|0").c_str()); }));
    EXPECT_THROW(ReplaceRule(Seps("f|r|x|1|0|0|0|0|1").c_str()), rtl_error);
}

TEST(ReplacePlan, Words)
{
    ReplaceRuleVector rules;
    rules.push_back(Rule(true, "a", "b", ""));
    rules.push_back(Rule(false, "c", "", ""));
    struct Case {
        ReplacePlan plan;
        Strings words;
    } cases[] = {
        {ReplacePlan(), {}},
        {ReplacePlan(rules, false, false, false, true, false, true, "pro.pl", "", true),
         {"-AN", "-Spro.pl", "-pa", "-qb", "-0"}},
        {ReplacePlan(rules, true, true, true, true, true, true, "f", "t", true),
         {"-ABILNV", "-Qt", "-Sf", "-pa", "-qb", "-0"}},
        {ReplacePlan({}, false, false, true, false, false, false, "f", "t", false), {"-L"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.words, WordsOf(c.plan));
}

TEST(ReplacePlan, StoredLayout)
{
    ReplaceRuleVector rules;
    rules.push_back(Rule(true, "a", "b", "i"));
    rules.push_back(Rule(true, "c", "", "n"));
    ReplacePlan plan(rules, true, false, true, false, true, true, "C:\\p.pl", "print 1;", true);
    const std::string text = Stored(plan);
    EXPECT_EQ(Seps("a|b|1|1|0|0|0|0|1|0|0^c||1|0|0|0|0|0|0|0|0^~1~0~1~0~1~C:\\p.pl~1~print 1;~1"),
              text);
    EXPECT_EQ(plan, ReplacePlan(text.c_str()));

    ReplacePlan other = plan;
    other.m_prologueFile = "c:/P.PL"; // compared as a file name
    EXPECT_EQ(plan, other);
    other.m_prologueText = "print 2;";
    EXPECT_NE(plan, other);
    other = plan;
    other.SetRules(ReplaceRuleVector());
    EXPECT_NE(plan, other);
    EXPECT_EQ(2u, plan.Rules().size());
}

TEST(ReplacePlan, OlderAndDamagedTexts)
{
    struct Case {
        const char* text;
        bool usePrologue;
        const char* file;
        const char* script;
    } cases[] = {
        {"", false, "", ""},
        {"~1~1~1~1~1", false, "", ""},
        {"~0~0~0~0~0~old.pl", true, "old.pl", ""},
        {"~0~0~0~0~0~f~0", false, "f", ""},
        {"~0~0~0~0~0~f~1~t", true, "f", "t"},
    };
    for (const Case& c : cases) {
        ReplacePlan plan({}, true, true, true, true, true, true, "x", "y", true);
        plan.LoadContents(Seps(c.text).c_str());
        EXPECT_EQ(c.usePrologue, plan.m_usePrologue) << c.text;
        EXPECT_STREQ(c.file, plan.m_prologueFile.c_str());
        EXPECT_STREQ(c.script, plan.m_prologueText.c_str());
        EXPECT_FALSE(plan.m_optionA);
        EXPECT_TRUE(plan.Rules().empty());
    }
    EXPECT_EQ("Damaged Replace Plan",
              ErrorOf([] { ReplacePlan().LoadContents(Seps("~1~1~1~1").c_str()); }));
    EXPECT_EQ("Damaged Replace Rule.",
              ErrorOf([] { ReplacePlan().LoadContents(Seps("a|b^~1~1~1~1~1").c_str()); }));

    ReplacePlan damaged({}, true, true, true, true, true, true, "x", "y", true);
    EXPECT_THROW(damaged.LoadContents(Seps("~1").c_str()), std::runtime_error);
    EXPECT_EQ(ReplacePlan(), damaged);
}
