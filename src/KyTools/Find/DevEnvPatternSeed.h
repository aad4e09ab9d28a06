// The initial pattern of a Find page: the text selected in the development
// environment that started this program, when it lies within one line.
#pragma once

#include "KyStd/Strings/String.h"
#include "KyTools/KyToolsExport.h"

namespace Kyvant {
namespace DevEnvPatternSeed {

// Visual C++ 6 is asked first (its active text document's selection, when
// its top and bottom lines are equal); only when it is not found is VS.NET
// asked (its active selection, not empty, within one line or exactly one
// whole line). The text loses one trailing line feed, then one trailing
// carriage return. Empty when there is no such text or an automation call
// fails.
KYTOOLS_API ky_S Read();

// The candidate text without one trailing "\n" and then one trailing "\r".
KYTOOLS_API ky_S TrimLineEnd(const ky_S& text);

} // namespace DevEnvPatternSeed
} // namespace Kyvant
