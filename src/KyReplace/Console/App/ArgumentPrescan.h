// The words KyReplace handles itself before the engine's configuration
// sees the rest: "-R" with a stored replace plan's name (expanded in place
// into the plan's words), "-C" (keep going after a file that cannot be
// opened; removed) and the "@!" that ends the options.
#pragma once

#include "KyReplace/Console/App/ArgVector.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace Kyvant {

// A usage error: the message goes out with the help hint.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& text) : std::runtime_error(text) {}
};

// Gives the argument words of the plan of that name; false when there is none.
using PlanLookup = std::function<bool(const std::string& name, std::vector<std::string>& words)>;

struct PrescanResult {
    ArgVector args;
    int separator = 0;       // index of "@!", or the word count when there is none
    bool stopOnError = true; // cleared by "-C"
};

// Throws UsageError for "-R" twice or without a name, an unknown plan, and
// "-C" with anything attached.
PrescanResult PrescanArguments(int argc, const char* const* argv, const PlanLookup& lookup);

} // namespace Kyvant
