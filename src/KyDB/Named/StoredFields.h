// Cutting a stored record text into its fields.
#pragma once

#include "KyStd/Strings/String.h"

#include <vector>

namespace Kyvant {

// The pieces of the text between sep characters, empty ones between two
// separators kept; an empty piece after the last separator gives nothing.
std::vector<ky_S> SplitStoredFields(const ky_S& text, char sep);

// Refuses a text holding one of the separator characters in seps, which the
// stored layout of the item (a kind such as "Path Plan", and its name) uses.
void CheckNoSeparators(const ky_BSB<char>& text, const char* seps, const char* kind,
                       const ky_BSB<char>& name);

} // namespace Kyvant
