// The work on one file: read it whole, apply the rules, and when anything
// was replaced write the result into the temporary file (truncated first).
// Standard input goes, changed or not, to standard output.
#pragma once

#include "FileListReader.h"
#include "KyPerlGlue/RuleSet.h"
#include "KyPerlGlue/RuleSpec.h"

namespace Kyvant {
namespace KyPerl {

// The number of replacements. Both files are closed when it returns.
// Failures throw std::runtime_error; the temporary file may then hold
// partial data but the count says nothing was changed.
unsigned long ProcessFile(const FileListItem& item, const PerlGlue::RuleSet& rules,
                          const PerlGlue::EngineOptions& options);

} // namespace KyPerl
} // namespace Kyvant
