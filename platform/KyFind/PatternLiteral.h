// What a pattern's std::regex source promises about the text it matches:
// that it is plain text matching exactly its own characters, or else the
// longest run of characters that every match must contain. Anything the
// reading below is not sure of gives no run at all, which costs speed only.
#pragma once

#include "FindOptions.h"

#include <string>

namespace Kyvant {
namespace StandIn {

struct PatternLiteral {
    bool plain = false; // text is the whole pattern, matched character by character
    std::string text;   // empty: nothing is known
};

// source: the text given to std::regex in the flavour's grammar (a Perl
// pattern after its translation); a literal (Fgrep) pattern is taken as it
// was given. A pattern with a line end is never plain and gives no run.
PatternLiteral LiteralOf(const std::string& pattern, const std::string& source,
                         PatternFlavor flavor);

} // namespace StandIn
} // namespace Kyvant
