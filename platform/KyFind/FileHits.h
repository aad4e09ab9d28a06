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
    std::size_t firstLine = 0;
    std::size_t lastLine = 0;
    std::size_t position = 0;
};

// At most limit hits. In line mode every line is searched on its own and
// gives at most one hit; otherwise the whole text is searched, a match may
// span lines, and a match that starts on a line of the previous hit is
// passed over.
std::vector<Hit> FindHits(const FileText& file, const PatternSet& patterns,
                          const FindOptions& options, std::size_t limit);

} // namespace StandIn
} // namespace Kyvant
