#include "KyStd/TimeConv.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

using namespace Kyvant;

namespace {

FILETIME Ticks(unsigned long long t)
{
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(t);
    ft.dwHighDateTime = static_cast<DWORD>(t >> 32);
    return ft;
}

unsigned long long TicksOf(const FILETIME& ft)
{
    return (static_cast<unsigned long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

const unsigned long long kEpoch = 116444736000000000ULL;

} // namespace

TEST(TimeConv, RoundTripsAndKnownValues)
{
    for (long t : {0L, 1L, 86399L, 946684800L, 1000000000L, LONG_MAX})
        EXPECT_EQ(ConvertTo_time_t(ConvertToFILETIME(t)), t) << t;

    EXPECT_EQ(TicksOf(ConvertToFILETIME(0)), kEpoch);
    // 2000-01-01 00:00:00 UTC.
    EXPECT_EQ(TicksOf(ConvertToFILETIME(946684800L)), 125911584000000000ULL);
    // Matches the system's own conversion of that date.
    SYSTEMTIME st = {2000, 1, 6, 1, 0, 0, 0, 0};
    FILETIME sys;
    ASSERT_TRUE(SystemTimeToFileTime(&st, &sys));
    EXPECT_EQ(ConvertTo_time_t(sys), 946684800L);
}

TEST(TimeConv, OutOfRangeFileTimesGiveMinusOne)
{
    struct Row {
        unsigned long long ticks;
        long expected;
    } rows[] = {
        {0, -1},                                          // 1 January 1601
        {kEpoch - 1, -1},                                 // just before 1970
        {kEpoch + 9999999ULL, 0},                         // fractions are dropped
        {kEpoch + 2147483647ULL * 10000000ULL, LONG_MAX}, // last 32-bit second
        {kEpoch + 2147483648ULL * 10000000ULL, -1},       // 2038 and later
        {0xFFFFFFFFFFFFFFFFULL, -1},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ConvertTo_time_t(Ticks(r.ticks)), r.expected) << r.ticks;
}

TEST(TimeConv, LeapYearsAndMonthLengths)
{
    struct Row {
        int year;
        bool leap;
    } years[] = {{1900, false}, {2000, true}, {2004, true}, {2001, false}, {2100, false},
                 {2400, true},  {1600, true}, {1, false},   {0, true}};
    for (const Row& r : years)
        EXPECT_EQ(IsLeapYear(r.year), r.leap) << r.year;

    const int ordinary[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(DaysPerMonth(m, 2001), ordinary[m - 1]) << m;
        EXPECT_EQ(DaysPerMonth(m, 2000), m == 2 ? 29 : ordinary[m - 1]) << m;
    }
    EXPECT_EQ(DaysPerMonth(2, 1900), 28);
    EXPECT_EQ(DaysPerMonth(2, 2000), 29);
    for (int bad : {0, 13, -1, INT_MIN, INT_MAX})
        EXPECT_THROW(DaysPerMonth(bad, 2000), std::out_of_range) << bad;
}
