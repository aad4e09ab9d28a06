// The compiled rules of one run. Each enabled rule replaces every match in
// the text, in rule order, each rule working on the previous one's result.
// A rule that asks for confirmation offers each match to a judge first.
#pragma once

#include "KyPerlGlue/KyPerlGlueExport.h"
#include "KyPerlGlue/RuleSpec.h"

#include <memory>
#include <string>
#include <vector>

namespace Kyvant {
namespace PerlGlue {

// A match waiting for confirmation. Offsets are those of the subject as it
// stands, with the replacements made so far.
struct MatchOffer {
    unsigned rule = 0;      // 1-based, counting disabled rules too
    unsigned ruleCount = 0; // all rules
    const RuleSpec* spec = nullptr;
    std::size_t line = 0; // the subject's line in the text (by-line mode), else 0
    std::size_t start = 0;
    std::size_t length = 0;
    std::string subject;
    std::string replacement;
};

class KYPERLGLUE_API MatchJudge {
public:
    virtual ~MatchJudge();
    // True: replace the match; false: leave it. May throw to stop.
    virtual bool Replace(const MatchOffer& offer) = 0;
};

class KYPERLGLUE_API RuleSet {
public:
    // Throws std::runtime_error naming the rule (1-based) whose pattern or
    // replacement does not compile.
    explicit RuleSet(const std::vector<RuleSpec>& rules);
    ~RuleSet();
    RuleSet(const RuleSet&) = delete;
    RuleSet& operator=(const RuleSet&) = delete;

    // The whole text is one subject; returns the number of replacements.
    // Without a judge every match is replaced.
    unsigned long Apply(std::string& text, MatchJudge* judge = nullptr) const;
    // Each line is a subject of its own. In text mode (binary false) a "\r"
    // before the "\n" belongs to the line end, not to the line.
    unsigned long ApplyByLine(std::string& text, bool binary, MatchJudge* judge = nullptr) const;

private:
    struct Rule;
    unsigned long ApplyToLine(std::string& text, std::size_t line, MatchJudge* judge) const;

    std::vector<std::unique_ptr<Rule>> rules_;
    unsigned ruleCount_ = 0;
};

} // namespace PerlGlue
} // namespace Kyvant
