// The compiled rules of one run. Each enabled rule replaces every match in
// the text, in rule order, each rule working on the previous one's result.
#pragma once

#include "KyPerlGlue/KyPerlGlueExport.h"
#include "KyPerlGlue/RuleSpec.h"

#include <memory>
#include <string>
#include <vector>

namespace Kyvant {
namespace PerlGlue {

class KYPERLGLUE_API RuleSet {
public:
    // Throws std::runtime_error naming the rule (1-based) whose pattern or
    // replacement does not compile.
    explicit RuleSet(const std::vector<RuleSpec>& rules);
    ~RuleSet();
    RuleSet(const RuleSet&) = delete;
    RuleSet& operator=(const RuleSet&) = delete;

    // The whole text is one subject; returns the number of replacements.
    unsigned long Apply(std::string& text) const;
    // Each line is a subject of its own. In text mode (binary false) a "\r"
    // before the "\n" belongs to the line end, not to the line.
    unsigned long ApplyByLine(std::string& text, bool binary) const;

private:
    struct Rule;
    std::vector<std::unique_ptr<Rule>> rules_;
};

} // namespace PerlGlue
} // namespace Kyvant
