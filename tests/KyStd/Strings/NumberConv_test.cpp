// Tests of number conversion: whole-string ranges and radixes, floating point, the own parsers.
#include "KyStd/Strings/NumberConv.h"
#include "KyStd/Strings/String.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>

using namespace Kyvant;

namespace {

enum Kind { Long, ULong, Int, UInt, Short, UShort, Int64, UInt64 };

// The value as 64 bits, so one table holds every getter.
unsigned long long Parse(const ky_S& s, Kind kind, int radix)
{
    switch (kind) {
    case Long:
        return static_cast<unsigned long long>(static_cast<long long>(s.GetLong(radix)));
    case ULong:
        return s.GetUnsignedLong(radix);
    case Int:
        return static_cast<unsigned long long>(static_cast<long long>(s.GetInt(radix)));
    case UInt:
        return s.GetUnsignedInt(radix);
    case Short:
        return static_cast<unsigned long long>(static_cast<long long>(s.GetShort(radix)));
    case UShort:
        return s.GetUnsignedShort(radix);
    case Int64:
        return static_cast<unsigned long long>(s.GetInt64(radix));
    case UInt64:
        return s.GetUnsignedInt64(radix);
    }
    return 0;
}

unsigned long long Bits(long long v)
{
    return static_cast<unsigned long long>(v);
}

} // namespace

TEST(NumberConv, WholeStringRangesAndRadixes)
{
    struct Case {
        const char* text;
        Kind kind;
        int radix;
        unsigned long long value;
        int err; // 0: the value is expected
    } cases[] = {
        {"12", Long, 10, 12, 0},
        {" \t12", Long, 10, 12, 0},
        {"12 ", Long, 10, 0, EINVAL},
        {"", Long, 10, 0, EINVAL},
        {" ", Int, 10, 0, EINVAL},
        {"12x", Int, 10, 0, EINVAL},
        {"12\xB7", Int, 10, 0, EINVAL}, // a byte from 0x80 up after the number
        {"\xE9", UInt, 16, 0, EINVAL},
        {"+7", Int, 10, 7, 0},
        {"-7", Int, 10, Bits(-7), 0},
        {"0x1F", Long, 0, 31, 0},
        {"0x1F", Long, 16, 31, 0},
        {"1f", UInt, 16, 31, 0},
        {"077", Long, 0, 63, 0},
        {"077", Long, 10, 77, 0},
        {"08", Long, 0, 0, EINVAL},
        {"2147483647", Long, 10, 2147483647, 0},
        {"2147483648", Long, 10, 0, ERANGE},
        {"-2147483648", Int, 10, Bits(INT_MIN), 0},
        {"-2147483649", Int, 10, 0, ERANGE},
        {"4294967295", ULong, 10, 4294967295u, 0},
        {"4294967296", UInt, 10, 0, ERANGE},
        {"-1", ULong, 10, 4294967295u, 0},
        {"32767", Short, 10, 32767, 0},
        {"32768", Short, 10, 0, ERANGE},
        {"-32768", Short, 10, Bits(-32768), 0},
        {"-32769", Short, 10, 0, ERANGE},
        {"65535", UShort, 10, 65535, 0},
        {"65536", UShort, 10, 0, ERANGE},
        {"-1", UShort, 10, 65535, 0},
        {" -65535", UShort, 10, 1, 0},
        {"-65536", UShort, 10, 0, ERANGE},
        {"9223372036854775807", Int64, 10, Bits(LLONG_MAX), 0},
        {"9223372036854775808", Int64, 10, 0, ERANGE},
        {"-9223372036854775808", Int64, 10, Bits(LLONG_MIN), 0},
        {"-9223372036854775809", Int64, 10, 0, ERANGE},
        {"99999999999999999999", Int64, 10, 0, ERANGE},
        {"0x7fffffffffffffff", Int64, 0, Bits(LLONG_MAX), 0},
        {"0777", Int64, 0, 511, 0},
        {"zz", Int64, 36, 1295, 0},
        {"1", Int64, 37, 0, EINVAL},
        {"1", Int64, 1, 0, EINVAL},
        {"0x", Int64, 16, 0, EINVAL},
        {"0", Int64, 0, 0, 0},
        {"18446744073709551615", UInt64, 10, ULLONG_MAX, 0},
        {"18446744073709551616", UInt64, 10, 0, ERANGE},
        {"0XFFFFFFFFFFFFFFFF", UInt64, 16, ULLONG_MAX, 0},
        {"-1", UInt64, 10, ULLONG_MAX, 0},
        {"12 ", UInt64, 10, 0, EINVAL},
    };
    for (auto& c : cases) {
        ky_S text(c.text);
        try {
            unsigned long long v = Parse(text, c.kind, c.radix);
            EXPECT_EQ(c.err, 0) << "'" << c.text << "' kind " << c.kind << " gave " << v;
            EXPECT_EQ(v, c.value) << "'" << c.text << "' kind " << c.kind;
        } catch (const rtl_error& e) {
            EXPECT_EQ(e.code(), c.err) << "'" << c.text << "' kind " << c.kind;
        }
    }
    // The number must end with the string, not at an embedded NUL.
    EXPECT_THROW(ky_S("12\0"
                      "3",
                      4)
                     .GetLong(),
                 rtl_error);
    EXPECT_THROW(ky_S("12\0", 3).GetInt64(), rtl_error);
}

TEST(NumberConv, FloatingPointRange)
{
    struct Case {
        const char* text;
        bool asFloat;
        double value;
        int err;
    } cases[] = {
        {" 1.5", false, 1.5, 0},
        {"1e400", false, 0, ERANGE},
        {"2 ", false, 0, EINVAL},
        {"", false, 0, EINVAL},
        {"3.4028235e38", true, 3.4028234663852886e38, 0},
        {"3.5e38", true, 0, ERANGE},
        {"-3.5e38", true, 0, ERANGE},
        {"-0.25", true, -0.25, 0},
    };
    for (auto& c : cases) {
        ky_S text(c.text);
        try {
            double v = c.asFloat ? text.GetFloat() : text.GetDouble();
            EXPECT_EQ(c.err, 0) << c.text;
            EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        } catch (const rtl_error& e) {
            EXPECT_EQ(e.code(), c.err) << c.text;
        }
    }
}

TEST(NumberConv, OwnParsersReportEndAndErrno)
{
    const char* s = "  -0x10zz";
    char* end = nullptr;
    errno = 0;
    EXPECT_EQ(strtoi64(s, &end, 0), -16);
    EXPECT_EQ(end, s + 7);
    EXPECT_EQ(errno, 0);

    const char* bare = "0x";
    EXPECT_EQ(strtoui64(bare, &end, 16), 0u);
    EXPECT_EQ(end, bare);

    errno = 0;
    EXPECT_EQ(strtoi64("9223372036854775808", nullptr, 10), LLONG_MAX);
    EXPECT_EQ(errno, ERANGE);
    errno = 0;
    EXPECT_EQ(strtoi64("-9223372036854775808", nullptr, 10), LLONG_MIN);
    EXPECT_EQ(errno, 0);

    const wchar_t* w = L" \t42!";
    wchar_t* wend = nullptr;
    EXPECT_EQ(wcstoi64(w, &wend, 10), 42);
    EXPECT_EQ(wend, w + 4);
    errno = 0;
    EXPECT_EQ(wcstoui64(L"1ffffffffffffffff", nullptr, 16), ULLONG_MAX);
    EXPECT_EQ(errno, ERANGE);
}
