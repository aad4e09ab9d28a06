// Tests of time conversion: round trips, out-of-range file times, leap years and month lengths.
#include "KyStd/Win32/TimeConv.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

using namespace Kyvant;

TEST(TimeConv, RoundTripsAndOutOfRangeFileTimes)
{
    for (long t : {0L, 1L, 946684800L, LONG_MAX})
        EXPECT_EQ(ConvertTo_time_t(ConvertToFILETIME(t)), t) << t;
    FILETIME y2k = ConvertToFILETIME(946684800L); // 2000-01-01 00:00:00
    EXPECT_EQ((static_cast<unsigned long long>(y2k.dwHighDateTime) << 32) | y2k.dwLowDateTime,
              125911584000000000ULL);

    const unsigned long long epoch = 116444736000000000ULL;
    struct Row {
        unsigned long long ticks;
        long expected;
    } rows[] = {{0, -1},                                   // 1 January 1601
                {epoch - 1, -1},                           // just before 1970
                {epoch + 9999999ULL, 0},                   // fractions are dropped
                {epoch + 2147483648ULL * 10000000ULL, -1}, // 2038 and later
                {0xFFFFFFFFFFFFFFFFULL, -1}};
    for (const Row& r : rows) {
        FILETIME ft = {static_cast<DWORD>(r.ticks), static_cast<DWORD>(r.ticks >> 32)};
        EXPECT_EQ(ConvertTo_time_t(ft), r.expected) << r.ticks;
    }
}

TEST(TimeConv, LeapYearsAndMonthLengths)
{
    for (int year : {2000, 2004, 2400, 1600, 0})
        EXPECT_TRUE(IsLeapYear(year)) << year;
    for (int year : {1900, 2001, 2100, 1})
        EXPECT_FALSE(IsLeapYear(year)) << year;
    const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(DaysPerMonth(m, 1900), days[m - 1]) << m;
    EXPECT_EQ(DaysPerMonth(2, 2000), 29);
    for (int bad : {0, 13, -1, INT_MIN})
        EXPECT_THROW(DaysPerMonth(bad, 2000), std::out_of_range) << bad;
}
