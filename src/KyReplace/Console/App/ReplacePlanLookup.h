// Looks a stored replace plan up by name (any letter case) in the
// replace-plan database, opened without loading, and gives its words.
#pragma once

#include <string>
#include <vector>

namespace Kyvant {

bool LookUpReplacePlan(const std::string& name, std::vector<std::string>& words);

} // namespace Kyvant
