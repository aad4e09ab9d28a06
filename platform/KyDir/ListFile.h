// Putting KyDir's listing into its list file: overwriting goes through a
// temporary file beside it that replaces it in one step, appending adds the
// whole text in one write; either way a failure leaves the file as it was
// (or, appending, with nothing of this run).
#pragma once

#include "DirOptions.h"

#include <string>

namespace Kyvant {
namespace StandIn {

// Throws std::runtime_error naming the file and the system's reason.
void WriteListFile(const std::string& path, ListFileMode mode, const std::string& text);

} // namespace StandIn
} // namespace Kyvant
