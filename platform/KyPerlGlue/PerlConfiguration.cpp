// The engine's configuration read from the option words: plan and rule letters, rule validation.
#include "KyPerlGlue/PerlConfiguration.h"

#include "KyPerlGlue/RuleSet.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace Kyvant {
namespace PerlGlue {

namespace {

[[noreturn]] void Refuse(const std::string& text, const char* word)
{
    throw std::runtime_error(text + word);
}

bool SetPlanLetter(EngineOptions& options, char c)
{
    switch (c) {
    case 'A':
        options.relaxedOpening = true;
        return true;
    case 'B':
        options.backups = true;
        return true;
    case 'I':
        options.binaryMode = true;
        return true;
    case 'L':
        options.lineMode = true;
        return true;
    case 'N':
        options.noConfirm = true;
        return true;
    case 'V':
        options.resultsToStdout = true;
        return true;
    }
    return false;
}

bool SetRuleLetter(RuleSpec& rule, char c)
{
    switch (c) {
    case 'i':
        rule.ignoreCase = true;
        return true;
    case 'w':
        rule.wholeWords = true;
        return true;
    case 's':
        rule.dotMatchesNL = true;
        return true;
    case 'r':
        rule.regEx = true;
        return true;
    case 'x':
        rule.legibleRegEx = true;
        return true;
    case 'n':
        rule.noConfirm = true;
        return true;
    case 'e':
        rule.evalReplacement = true;
        return true;
    case 'd':
        rule.doubleQuote = true;
        return true;
    }
    return false;
}

} // namespace

PerlConfiguration::PerlConfiguration(int argc, const char* const* argv)
{
    // The rule that "-q" and rule letters apply to; none after "-0".
    RuleSpec* current = nullptr;
    for (int i = 1; i < argc; ++i) {
        const char* word = argv[i];
        if (!word || word[0] != '-' || word[1] == '\0')
            Refuse("Unexpected argument before @!: ", word ? word : "");
        const char code = word[1];
        if (code == 'p') {
            rules_.emplace_back();
            current = &rules_.back();
            current->find = word + 2;
        } else if (code == 'q') {
            if (!current)
                Refuse("Replacement text without a rule before it: ", word);
            current->replace = word + 2;
        } else if (code == '0' && word[2] == '\0') {
            rules_.emplace_back();
            rules_.back().enabled = false;
            current = nullptr;
        } else if (code == 'Q' || code == 'S') {
            Refuse("Prologue scripts are not supported by this replace engine: ", word);
        } else {
            for (const char* c = word + 1; *c; ++c) {
                if (SetPlanLetter(options_, *c))
                    continue;
                if (std::strchr("iwsrxned", *c)) {
                    if (!current)
                        Refuse("Rule options without a rule before them: ", word);
                    SetRuleLetter(*current, *c);
                    continue;
                }
                Refuse(std::string("Unknown option '") + *c + "' in: ", word);
            }
        }
    }
    ValidateRules(rules_);
}

PerlConfiguration::~PerlConfiguration() {}

bool PerlConfiguration::GoNonInteractive() const
{
    if (options_.noConfirm)
        return true;
    for (const RuleSpec& rule : rules_)
        if (rule.enabled && !rule.noConfirm)
            return false;
    return true;
}

void ValidateRules(const std::vector<RuleSpec>& rules)
{
    bool anyEnabled = false;
    for (const RuleSpec& rule : rules) {
        if (!rule.enabled)
            continue;
        anyEnabled = true;
        if (rule.find.empty())
            throw std::runtime_error("Can't search on match text of zero length.");
        if (rule.evalReplacement)
            Refuse("Eval replacement text is not supported by this replace engine: ",
                   rule.find.c_str());
    }
    if (!anyEnabled)
        throw std::runtime_error("The Replace Rule list is empty, or no rules are active.");
    // Compiling names the first bad pattern or replacement.
    RuleSet check(rules);
}

} // namespace PerlGlue
} // namespace Kyvant
