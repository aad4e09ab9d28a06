// KyFind's result lines: "FILE(LINE):x(POS):TEXT" for each line of a hit,
// "::N" before a hit of N lines (a match over several lines, or a match
// with its context lines).
#pragma once

#include "FileHits.h"
#include "FileText.h"
#include "FindOptions.h"

#include <string>
#include <vector>

namespace Kyvant {
namespace StandIn {

// The lines for one file. With file names only, the first line of the
// first hit alone; LINE is 0 without line numbers.
std::string FormatHits(const std::string& fileName, const FileText& file,
                       const std::vector<Hit>& hits, const FindOptions& options);

} // namespace StandIn
} // namespace Kyvant
