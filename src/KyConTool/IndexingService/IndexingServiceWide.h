// Text between the suite's 8-bit strings (the ANSI code page) and the wide
// strings of the query library.
#pragma once

#include "KyStd/Strings/StringBase.h"

#include <string>

namespace Kyvant {
namespace IndexingService {

std::wstring ToWide(const ky_BSB<char>& text);
// Null gives an empty text.
void FromWide(const wchar_t* text, ky_BSB<char>& out);

} // namespace IndexingService
} // namespace Kyvant
