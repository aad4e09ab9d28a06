// Conversions between time_t and FILETIME, leap years and month lengths.
#include "KyStd/Win32/TimeConv.h"

#include <stdexcept>

namespace Kyvant {

namespace {

// Seconds from 1601-01-01 to 1970-01-01, and 100-ns units per second.
const long long kEpochSeconds = 11644473600LL;
const unsigned long long kTicksPerSecond = 10000000ULL;
const unsigned long long kEpochTicks = 116444736000000000ULL;

} // namespace

FILETIME ConvertToFILETIME(long t)
{
    unsigned long long ticks =
        static_cast<unsigned long long>(static_cast<long long>(t) + kEpochSeconds) *
        kTicksPerSecond;
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(ticks);
    ft.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return ft;
}

long ConvertTo_time_t(const FILETIME& ft)
{
    unsigned long long ticks =
        (static_cast<unsigned long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    // Unsigned arithmetic: a time before 1970 wraps to a huge value and is refused below.
    unsigned long long seconds = (ticks - kEpochTicks) / kTicksPerSecond;
    if (seconds > 2147483647ULL)
        return -1;
    return static_cast<long>(seconds);
}

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysPerMonth(int month, int year)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        throw std::out_of_range("DaysPerMonth: month must be 1 to 12");
    if (month == 2 && IsLeapYear(year))
        return 29;
    return days[month - 1];
}

} // namespace Kyvant
