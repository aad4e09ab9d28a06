// The match status pane's text: "%1 matches in %2 files" and its singular
// forms, the numbers grouped by the C locale's thousands separator.
#pragma once

#include <string>

namespace Kyvant {
namespace FindFrame {

// The digits of n with the first character of the locale's thousands
// separator every grouping[0] digits from the right; none when the locale
// does not group.
std::string GroupThousands(unsigned long long n);

// The string id of the form for the counts (singular for exactly 1).
unsigned MatchStatusFormat(unsigned long long matches, unsigned long long files);

// The pane's text, from the form's string with the grouped numbers.
std::string MatchStatusText(unsigned long long matches, unsigned long long files);

} // namespace FindFrame
} // namespace Kyvant
