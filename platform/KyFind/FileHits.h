// The hits of one file: each a match (or, inverted, a line without one) with
// the lines it covers and the position where its highlight starts.
#pragma once

#include "FileText.h"
#include "FindOptions.h"
#include "PatternSet.h"

#include <cstddef>
#include <vector>

namespace Kyvant {
namespace StandIn {

struct Hit {
    Line first;
    Line last;
    std::size_t position = 0;
};

// At most limit hits. In line mode every line is searched on its own and
// gives at most one hit: plain-text patterns are found by their literals
// in the whole text, expressions are run only on the lines that hold a
// literal each of their matches contains (on every line when one has
// none). Otherwise the whole text is searched, a match may span lines, and
// a match that starts on a line of the previous hit is passed over.
std::vector<Hit> FindHits(FileText& file, const PatternSet& patterns, const FindOptions& options,
                          std::size_t limit);

} // namespace StandIn
} // namespace Kyvant
