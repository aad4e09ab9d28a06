// Narrow/wide text conversion for the shell helpers, in a given code page.
#pragma once

#include "KyStd/KyStdExport.h"

#include <windows.h>

#include <string>

namespace Kyvant {
namespace Shell {

// Converts `length` characters of text (an empty source gives an empty
// result). The first attempt uses a buffer of the source length; when that is
// too small the exact length is asked for and the conversion repeated. Any
// other failure throws os_error with the system's code.
KYSTD_API std::wstring ToWide(const char* text, unsigned length, UINT codePage = CP_ACP);
KYSTD_API std::string ToNarrow(const wchar_t* text, unsigned length, UINT codePage = CP_ACP);

} // namespace Shell
} // namespace Kyvant
