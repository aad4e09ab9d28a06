// "-R" with plans stored in a replace-plan database of the test's own.
#include "KyDB/Named/ReplacePlanDB.h"
#include "ReplaceTestSupport.h"

#include <gtest/gtest.h>

using namespace reptest;

TEST(KyReplacePlans, StoredPlanExpandsOnce)
{
    Scratch db;
    SharedSetting dbPath("DBPath", db.path().substr(0, db.path().size() - 1));
    {
        Kyvant::ReplaceRuleVector rules;
        rules.push_back(Kyvant::ReplaceRule(true, "hello", "bye", false, false, false, false, false,
                                            false, false, false));
        rules.push_back(Kyvant::ReplaceRule(false, "bye", "never", false, false, false, false,
                                            false, false, false, false));
        Kyvant::ReplaceRule upper(true, "World", "Earth", true, true, false, false, false, false,
                                  false, false);
        rules.push_back(upper);
        Kyvant::ReplacePlanDB::Instance().Insert(
            "Greeting", Kyvant::ReplacePlan(rules, false, false, false, true, true, false,
                                            Kyvant::ky_F(), Kyvant::ky_S(), false));
        Kyvant::ReplacePlanDB::Reset();
    }
    struct Case {
        std::vector<std::string> options;
        DWORD exitCode;
        const char* after;
        const char* message;
    } const cases[] = {
        {{"-R", "GREETING"}, 0, "bye Earth, worldwide", "Made 2 replacements in 1 file."},
        {{"-Rgreeting", "-C"}, 0, "bye Earth, worldwide", "Made 2 replacements in 1 file."},
        {{"-RGreeting", "-Rgreeting"}, 2, "hello world, worldwide", "Multiple -R arguments"},
        {{"-Rnope"}, 2, "hello world, worldwide", "Unknown Replace Plan name: nope"},
        {{"-R"}, 2, "hello world, worldwide", "Missing argument to option -R"},
    };
    for (const Case& c : cases) {
        Scratch dir;
        WriteFile(dir["a.txt"], "hello world, worldwide");
        std::vector<std::string> args = c.options;
        if (c.options[0] != "-R" || c.options.size() > 1) {
            args.push_back("@!");
            args.push_back(dir["a.txt"]);
        }
        const ProgramRun run = RunKyReplace(args);
        EXPECT_EQ(c.exitCode, run.exitCode) << c.options[0] << run.err;
        EXPECT_EQ(c.after, ReadFile(dir["a.txt"])) << c.options[0];
        EXPECT_NE(std::string::npos, (run.out + run.err).find(c.message)) << run.out << run.err;
    }
}
