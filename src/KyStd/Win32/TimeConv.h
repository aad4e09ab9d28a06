// Conversions between C time values (seconds since 1970) and FILETIMEs
// (100-nanosecond units since 1601), and two calendar helpers.
#pragma once

#include "KyStd/KyStdExport.h"

#include <windows.h>

namespace Kyvant {

KYSTD_API FILETIME ConvertToFILETIME(long t);

// -1 for times before 1970 and after the last 32-bit second.
KYSTD_API long ConvertTo_time_t(const FILETIME& ft);

// Gregorian rule.
KYSTD_API bool IsLeapYear(int year);

// Days of month 1-12 of the year; std::out_of_range for any other month.
KYSTD_API int DaysPerMonth(int month, int year);

} // namespace Kyvant
