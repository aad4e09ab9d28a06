// Small text rules of the path controls: where a folder name already ends in
// a path character, and the backslash a folder gets when it does not.
#pragma once

#include "KyStd/Strings/String.h"

namespace Kyvant {
namespace PathText {

// Ends in '\', '/' or ':' (a drive such as "C:" needs no separator).
bool EndsInPathChar(const ky_BSB<char>& text);
// Appends a backslash to a non-empty text that does not end in a path character.
void TerminateFolder(ky_BSB<char>& text);

} // namespace PathText
} // namespace Kyvant
