// The replace engine's configuration, read from the replace program's
// option words: "-p<find>", "-q<replacement>", "-0" (a disabled rule),
// rule letters i w s r x n e d after a rule, and the plan letters
// A B I L N V anywhere. Words that are not understood, rules the engine
// cannot run and bad patterns are refused with a std::runtime_error.
#pragma once

#include "KyPerlGlue/KyPerlGlueExport.h"
#include "KyPerlGlue/RuleSpec.h"

#include <vector>

namespace Kyvant {
namespace PerlGlue {

class KYPERLGLUE_API PerlConfiguration {
public:
    // Reads argv[1] to argv[argc - 1].
    PerlConfiguration(int argc, const char* const* argv);
    ~PerlConfiguration();

    // True when no enabled rule asks for confirmation (or "N" turns it off).
    bool GoNonInteractive() const;

    bool BackupsOn() const { return options_.backups; }
    bool BinaryModeForced() const { return options_.binaryMode; }
    bool ResultsToStdout() const { return options_.resultsToStdout; }
    bool RelaxedOpening() const { return options_.relaxedOpening; }

    const EngineOptions& Options() const { return options_; }
    const std::vector<RuleSpec>& Rules() const { return rules_; }

private:
    EngineOptions options_;
    std::vector<RuleSpec> rules_;
};

// Checks rules and options the way the engine will run them; throws
// std::runtime_error naming the first problem.
KYPERLGLUE_API void ValidateRules(const std::vector<RuleSpec>& rules);

} // namespace PerlGlue
} // namespace Kyvant
