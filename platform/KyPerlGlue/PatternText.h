// Text transformations of rule texts before they are compiled: the escapes
// of a double-quoted search text, the regular-expression dialect the rule
// letters ask for, and the parsed form of a regular-expression replacement.
#pragma once

#include <string>
#include <vector>

namespace Kyvant {
namespace PerlGlue {

// "\n", "\t", "\r", "\f", "\a", "\e", "\0", "\xHH" and "\\" become their
// characters; a backslash before any other character is dropped.
std::string ExpandEscapes(const std::string& text);

// The ECMAScript form of a Perl-style pattern: '.' matches anything but
// '\n' (anything at all with dotMatchesNL); with legible, blanks and
// '#' comments outside character classes are dropped.
std::string TranslatePattern(const std::string& pattern, bool dotMatchesNL, bool legible);

// One piece of a replacement: literal text, then the text of a group
// (0 = the whole match) unless group is -1.
struct ReplacementPiece {
    std::string text;
    int group = -1;
};

// "$1", "${12}", "$&" and the escapes "\n", "\t", "\r", "\\", "\$".
// Throws std::runtime_error for a group above groupCount.
std::vector<ReplacementPiece> ParseReplacement(const std::string& replacement, unsigned groupCount);

} // namespace PerlGlue
} // namespace Kyvant
