// An Fgrep pattern: literal alternatives separated by "|", where "\" makes
// the next character literal ("\|" a bar, "\\" a backslash).
#pragma once

#include "KyStd/Strings/String.h"
#include "KyTools/KyToolsExport.h"

#include <vector>

namespace Kyvant {
namespace FgrepPattern {

// The alternatives of the pattern in order (none for an empty pattern).
// Returns 0, or the string id of the refusal (a trailing backslash, a
// trailing bar, two adjacent bars), leaving out alone.
KYTOOLS_API unsigned Split(const ky_S& pattern, std::vector<ky_S>& out);
// The alternatives joined by the separator; the same refusals.
KYTOOLS_API unsigned Convert(const ky_S& pattern, const char* separator, ky_S& out);
// The pattern of the given alternatives: each backslash doubled, each bar
// escaped, joined by bars. Empty alternatives, which no pattern can hold,
// are left out.
KYTOOLS_API ky_S Join(const std::vector<ky_S>& alternatives);

} // namespace FgrepPattern
} // namespace Kyvant
