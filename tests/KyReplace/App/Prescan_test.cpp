// The words KyReplace handles before the engine's configuration.
#include "KyReplace/Console/App/ArgumentPrescan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Kyvant::PrescanArguments;
using Kyvant::UsageError;

namespace {

using Words = std::vector<std::string>;

bool Lookup(const std::string& name, Words& words)
{
    if (name == "two")
        words = {"-N", "-pa"};
    else if (name == "nested")
        words = {"-Rtwo", "-C"}; // a plan's words are not scanned again
    else
        return false;
    return true;
}

Kyvant::PrescanResult Scan(const Words& words)
{
    std::vector<const char*> argv;
    for (const std::string& w : words)
        argv.push_back(w.c_str());
    return PrescanArguments(static_cast<int>(argv.size()), argv.data(), Lookup);
}

} // namespace

TEST(Prescan, ExpandsPlansAndRemovesC)
{
    struct Case {
        Words in;
        Words out;
        int separator;
        bool stopOnError;
    } const cases[] = {
        {{"K", "-N", "-px"}, {"K", "-N", "-px"}, 3, true},
        {{"K", "-Rtwo", "-V", "@!", "f"}, {"K", "-N", "-pa", "-V", "@!", "f"}, 4, true},
        {{"K", "-R", "two", "@!", "f"}, {"K", "-N", "-pa", "@!", "f"}, 3, true},
        {{"K", "-C", "-Rtwo", "@!", "-C"}, {"K", "-N", "-pa", "@!", "-C"}, 3, false},
        {{"K", "-Rnested", "@!"}, {"K", "-Rtwo", "-C", "@!"}, 3, true},
        {{"K", "@!", "-Rnone", "-Cx"}, {"K", "@!", "-Rnone", "-Cx"}, 1, true},
    };
    for (const Case& c : cases) {
        Kyvant::PrescanResult r = Scan(c.in);
        EXPECT_EQ(c.out, r.args.words()) << c.in[1];
        EXPECT_EQ(c.separator, r.separator) << c.in[1];
        EXPECT_EQ(c.stopOnError, r.stopOnError) << c.in[1];
        EXPECT_EQ(nullptr, r.args.argv()[r.args.argc()]);
    }
}

TEST(Prescan, UsageErrors)
{
    struct Case {
        Words in;
        const char* message;
    } const cases[] = {
        {{"K", "-Rtwo", "-Rtwo"}, "Multiple -R arguments"},
        {{"K", "-R", "two", "-R", "two"}, "Multiple -R arguments"},
        {{"K", "-N", "-R"}, "Missing argument to option -R"},
        {{"K", "-R", "Nothing"}, "Unknown Replace Plan name: Nothing"},
        {{"K", "-Cx"}, "The -C option must appear by itself"},
    };
    for (const Case& c : cases) {
        try {
            Scan(c.in);
            ADD_FAILURE() << "no error for " << c.message;
        } catch (const UsageError& e) {
            EXPECT_STREQ(c.message, e.what());
        }
    }
}
