// Perl pattern options that std::regex's ECMAScript grammar lacks, applied
// to the pattern text: legible layout ("x") and dot matching newlines ("s").
#pragma once

#include <string>

namespace Kyvant {
namespace StandIn {

// legible: blanks and '#' comments outside character classes are dropped
// (an escaped blank or '#' stays as the plain character); dotAll: a '.'
// outside character classes matches any character.
std::string TranslatePerlPattern(const std::string& pattern, bool legible, bool dotAll);

} // namespace StandIn
} // namespace Kyvant
