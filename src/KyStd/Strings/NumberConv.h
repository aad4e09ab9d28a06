// The library's own 64-bit number parsers (the C runtime of the target has
// no portable ones): strtoll-style, over 8- and 16-bit characters.
#pragma once

#include "KyStd/KyStdExport.h"

namespace Kyvant {

// Skips leading blanks, takes one '+' or '-', then digits of the radix (0:
// "0x" selects 16, a leading '0' selects 8, else 10; 16 also skips "0x").
// A radix outside 2..36 or no digit gives 0 with *end = s. Out of range sets
// errno to ERANGE and gives the nearest limit; *end points after the digits.
KYSTD_API long long strtoi64(const char* s, char** end, int radix);
KYSTD_API unsigned long long strtoui64(const char* s, char** end, int radix);
KYSTD_API long long wcstoi64(const wchar_t* s, wchar_t** end, int radix);
KYSTD_API unsigned long long wcstoui64(const wchar_t* s, wchar_t** end, int radix);

} // namespace Kyvant
