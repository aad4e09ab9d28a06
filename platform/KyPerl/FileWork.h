// The work on one file: read it whole, apply the rules, and when anything
// was replaced write the result into the temporary file (truncated first).
// Standard input goes, changed or not, to standard output. With a front-end
// its judge is told the file and confirms the matches.
#pragma once

#include "FileListReader.h"
#include "FrontEndJudge.h"
#include "KyPerlGlue/RuleSet.h"
#include "KyPerlGlue/RuleSpec.h"

namespace Kyvant {
namespace KyPerl {

// The number of replacements. Both files are closed when it returns.
// Failures throw std::runtime_error; the temporary file may then hold
// partial data but the count says nothing was changed. A stop asked for by
// the front-end (StopRun) leaves the temporary file untouched.
unsigned long ProcessFile(const FileListItem& item, const PerlGlue::RuleSet& rules,
                          const PerlGlue::EngineOptions& options, FrontEndJudge* judge);

} // namespace KyPerl
} // namespace Kyvant
