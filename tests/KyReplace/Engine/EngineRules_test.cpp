// The stand-in engine's configuration and rules, as the rule words and
// letters ask for them.
#include "KyPerlGlue/PerlConfiguration.h"
#include "KyPerlGlue/RuleSet.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using Kyvant::PerlGlue::PerlConfiguration;
using Kyvant::PerlGlue::RuleSet;

namespace {

PerlConfiguration Configure(std::vector<std::string> words)
{
    words.insert(words.begin(), "KyReplace");
    std::vector<const char*> argv;
    for (const std::string& w : words)
        argv.push_back(w.c_str());
    return PerlConfiguration(static_cast<int>(argv.size()), argv.data());
}

} // namespace

TEST(EngineRules, ReplaceAsTheLettersSay)
{
    struct Case {
        std::vector<std::string> words;
        std::string in, out;
        unsigned long count;
    } const cases[] = {
        {{"-pcat", "-qdog"}, "cat Cat concat", "dog Cat condog", 2},
        {{"-pcat", "-qdog", "-i"}, "cat Cat", "dog dog", 2},
        {{"-pcat", "-qdog", "-w"}, "cat concat cat_ cat.", "dog concat cat_ dog.", 2},
        {{"-pa.c", "-qX"}, "abc a.c", "abc X", 1}, // literal without r
        {{"-p(\\w+)@(\\w+)", "-q$2 at ${1}!", "-r"}, "me@home", "home at me!", 1},
        {{"-pa.c", "-qX", "-r"}, "a\nc abc", "a\nc X", 1}, // '.' stops at '\n'
        {{"-pa.c", "-qX", "-rs"}, "a\nc abc", "X X", 2},
        {{"-p a \\d  # digit\n", "-q$&$&", "-rx"}, "a1 b", "a1a1 b", 1},
        {{"-pa\\tb", "-qX", "-d"}, "a\tb a\\tb", "X a\\tb", 1},
        {{"-pone", "-qtwo", "-ptwo", "-qthree"}, "one", "three", 2},         // rules in order
        {{"-pone", "-qtwo", "-0", "-ptwo", "-qthree"}, "one", "three", 2},   // "-0" is skipped
        {{"-p^x", "-qy", "-r", "-L"}, "x1\r\nx2\n", "y1\r\ny2\n", 2},        // line mode
        {{"-px$", "-qy", "-r", "-L"}, "ax\r\nbx", "ay\r\nby", 2},            // "\r" ends the line
        {{"-p^x", "-qy", "-r"}, "x1\nx2", "y1\nx2", 1},                      // whole-file mode
        {{"-p(\\w)\\1", "-q<$1>", "-r"}, "aab cdd", "<a>b c<d>", 2},         // back-references
        {{"-pa.*", "-qX", "-rs"}, std::string(300000, 'a') + "\nb", "X", 1}, // a long match
    };
    for (const Case& c : cases) {
        const PerlConfiguration config = Configure(c.words);
        RuleSet rules(config.Rules());
        std::string text = c.in;
        const unsigned long count =
            config.Options().lineMode ? rules.ApplyByLine(text, false) : rules.Apply(text);
        EXPECT_EQ(c.out, text) << c.words[0];
        EXPECT_EQ(c.count, count) << c.words[0];
    }
}

TEST(EngineRules, SettingsAndConfirmation)
{
    const PerlConfiguration all = Configure({"-ABILNV", "-px"});
    EXPECT_TRUE(all.BackupsOn() && all.BinaryModeForced() && all.ResultsToStdout() &&
                all.RelaxedOpening() && all.Options().lineMode && all.GoNonInteractive());
    const PerlConfiguration none = Configure({"-px"});
    EXPECT_FALSE(none.BackupsOn() || none.BinaryModeForced() || none.ResultsToStdout() ||
                 none.RelaxedOpening());
    EXPECT_FALSE(none.GoNonInteractive());
    EXPECT_TRUE(Configure({"-px", "-n", "-0"}).GoNonInteractive());
    EXPECT_FALSE(Configure({"-px", "-n", "-py"}).GoNonInteractive());
}

TEST(EngineRules, RefusedConfigurations)
{
    struct Case {
        std::vector<std::string> words;
        const char* message;
    } const cases[] = {
        {{"-N"}, "The Replace Rule list is empty, or no rules are active."},
        {{"-0"}, "The Replace Rule list is empty, or no rules are active."},
        {{"-p", "-n"}, "Can't search on match text of zero length."},
        {{"-qx"}, "Replacement text without a rule before it: -qx"},
        {{"-i", "-px"}, "Rule options without a rule before them: -i"},
        {{"-px", "-k"}, "Unknown option 'k' in: -k"},
        {{"-px", "file.txt"}, "Unexpected argument before @!: file.txt"},
        {{"-px", "-e"}, "Eval replacement text is not supported"},
        {{"-Qprint", "-px"}, "Prologue scripts are not supported"},
        {{"-p(x", "-r"}, "Replace Rule 1 ((x): "},
        {{"-p(x)", "-q$2", "-r"}, "refers to group $2"},
    };
    for (const Case& c : cases) {
        try {
            Configure(c.words);
            ADD_FAILURE() << "accepted: " << c.words[0];
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string::npos, std::string(e.what()).find(c.message)) << e.what();
        }
    }
}

namespace {

// Answers from a list and notes what it was asked.
class ListJudge : public Kyvant::PerlGlue::MatchJudge {
public:
    explicit ListJudge(std::string answers) : answers_(std::move(answers)) {}
    bool Replace(const Kyvant::PerlGlue::MatchOffer& offer) override
    {
        asked += std::to_string(offer.rule) + "/" + std::to_string(offer.ruleCount) + "@" +
                 std::to_string(offer.line) + ":" +
                 offer.subject.substr(offer.start, offer.length) + "=" + offer.replacement + " ";
        return answers_[at_++ % answers_.size()] == 'y';
    }
    std::string asked;

private:
    std::string answers_;
    std::size_t at_ = 0;
};

} // namespace

// Offsets point into the subject as it stands; rules with "n" never ask.
TEST(EngineRules, JudgeDecidesEachMatch)
{
    struct Case {
        std::vector<std::string> words;
        const char* answers;
        std::string in, out, asked;
    } const cases[] = {
        {{"-pab", "-qX"}, "ny", "ab ab ab", "ab X ab", "1/1@0:ab=X 1/1@0:ab=X 1/1@0:ab=X "},
        {{"-p(\\d)", "-q<$1>", "-r"},
         "yn",
         "1 2 3",
         "<1> 2 <3>",
         "1/1@0:1=<1> 1/1@0:2=<2> 1/1@0:3=<3> "},
        {{"-pa", "-qb", "-n", "-pb", "-qc"}, "n", "ab", "bb", "2/2@0:b=c 2/2@0:b=c "},
        {{"-pa", "-qb", "-0", "-L"}, "y", "x\na a", "x\nb b", "1/2@1:a=b 1/2@1:a=b "},
    };
    for (const Case& c : cases) {
        const PerlConfiguration config = Configure(c.words);
        RuleSet rules(config.Rules());
        ListJudge judge(c.answers);
        std::string text = c.in;
        if (config.Options().lineMode)
            rules.ApplyByLine(text, false, &judge);
        else
            rules.Apply(text, &judge);
        EXPECT_EQ(c.out, text) << c.words[0];
        EXPECT_EQ(c.asked, judge.asked) << c.words[0];
    }
}
