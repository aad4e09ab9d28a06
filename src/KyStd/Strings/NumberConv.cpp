// Whole-string number parsing of the 8-bit string base and the own 64-bit
// parsers.
#include "KyStd/Strings/NumberConv.h"

#include "KyStd/Strings/String.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cwctype>

namespace Kyvant {

namespace {

bool IsBlank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}
bool IsBlank(wchar_t c)
{
    return std::iswspace(static_cast<wint_t>(c)) != 0;
}

template <class C>
int DigitValue(C c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    return 36;
}

struct Scanned {
    unsigned long long magnitude = 0;
    bool negative = false;
    bool overflow = false;
};

// Reads sign, radix prefix and digits; false (and *end = s) when there is no
// number.
template <class C>
bool Scan(const C* s, C** end, int radix, Scanned& out)
{
    const C* p = s;
    while (IsBlank(*p))
        ++p;
    if (*p == '+' || *p == '-') {
        out.negative = *p == '-';
        ++p;
    }
    bool hexPrefix = p[0] == '0' && (p[1] == 'x' || p[1] == 'X');
    if (radix == 0) {
        radix = hexPrefix ? 16 : (p[0] == '0' ? 8 : 10);
        if (hexPrefix)
            p += 2;
    } else if (radix == 16 && hexPrefix) {
        p += 2;
    }
    if (radix < 2 || radix > 36 || DigitValue(*p) >= radix) {
        if (end)
            *end = const_cast<C*>(s);
        out = Scanned();
        return false;
    }
    const unsigned long long r = static_cast<unsigned long long>(radix);
    unsigned long long v = 0;
    for (int d; (d = DigitValue(*p)) < radix; ++p) {
        if (out.overflow)
            continue;
        if (v > (ULLONG_MAX - static_cast<unsigned>(d)) / r)
            out.overflow = true;
        else
            v = v * r + static_cast<unsigned>(d);
    }
    out.magnitude = v;
    if (end)
        *end = const_cast<C*>(p);
    return true;
}

template <class C>
long long ToSigned(const C* s, C** end, int radix)
{
    Scanned n;
    if (!Scan(s, end, radix, n))
        return 0;
    const unsigned long long top = 0x8000000000000000ull;
    if (n.negative) {
        if (n.overflow || n.magnitude > top) {
            errno = ERANGE;
            return LLONG_MIN;
        }
        return static_cast<long long>(0 - n.magnitude);
    }
    if (n.overflow || n.magnitude >= top) {
        errno = ERANGE;
        return LLONG_MAX;
    }
    return static_cast<long long>(n.magnitude);
}

template <class C>
unsigned long long ToUnsigned(const C* s, C** end, int radix)
{
    Scanned n;
    if (!Scan(s, end, radix, n))
        return 0;
    if (n.overflow) {
        errno = ERANGE;
        return ULLONG_MAX;
    }
    return n.negative ? 0 - n.magnitude : n.magnitude;
}

// The whole text must be the number: the parser has to stop at the end of
// the string (not at an embedded NUL) after consuming something, else
// EINVAL; the parser's own errno (ERANGE) counts only then. A parser that
// stops at a byte from 0x80 up may leave another errno behind.
template <class V, class Parse>
V ParseWhole(const char* text, unsigned length, Parse parse)
{
    char* end = nullptr;
    errno = 0;
    V v = parse(text, &end);
    int err = errno;
    if (end == text || end != text + length)
        throw rtl_error(EINVAL);
    if (err != 0)
        throw rtl_error(err);
    return v;
}

} // namespace

long long strtoi64(const char* s, char** end, int radix)
{
    return ToSigned(s, end, radix);
}
unsigned long long strtoui64(const char* s, char** end, int radix)
{
    return ToUnsigned(s, end, radix);
}
long long wcstoi64(const wchar_t* s, wchar_t** end, int radix)
{
    return ToSigned(s, end, radix);
}
unsigned long long wcstoui64(const wchar_t* s, wchar_t** end, int radix)
{
    return ToUnsigned(s, end, radix);
}

template <class T, class Tr, class A>
long ky_BSB<T, Tr, A>::GetLong(int radix) const
{
    return ParseWhole<long>(c_str(), length(),
                            [radix](const char* s, char** e) { return std::strtol(s, e, radix); });
}

template <class T, class Tr, class A>
unsigned long ky_BSB<T, Tr, A>::GetUnsignedLong(int radix) const
{
    return ParseWhole<unsigned long>(
        c_str(), length(), [radix](const char* s, char** e) { return std::strtoul(s, e, radix); });
}

template <class T, class Tr, class A>
long long ky_BSB<T, Tr, A>::GetInt64(int radix) const
{
    return ParseWhole<long long>(
        c_str(), length(), [radix](const char* s, char** e) { return strtoi64(s, e, radix); });
}

template <class T, class Tr, class A>
unsigned long long ky_BSB<T, Tr, A>::GetUnsignedInt64(int radix) const
{
    return ParseWhole<unsigned long long>(
        c_str(), length(), [radix](const char* s, char** e) { return strtoui64(s, e, radix); });
}

template <class T, class Tr, class A>
int ky_BSB<T, Tr, A>::GetInt(int radix) const
{
    return static_cast<int>(GetLong(radix));
}

template <class T, class Tr, class A>
unsigned ky_BSB<T, Tr, A>::GetUnsignedInt(int radix) const
{
    return static_cast<unsigned>(GetUnsignedLong(radix));
}

template <class T, class Tr, class A>
short ky_BSB<T, Tr, A>::GetShort(int radix) const
{
    long v = GetLong(radix);
    if (v < SHRT_MIN || v > SHRT_MAX)
        throw rtl_error(ERANGE);
    return static_cast<short>(v);
}

template <class T, class Tr, class A>
unsigned short ky_BSB<T, Tr, A>::GetUnsignedShort(int radix) const
{
    unsigned long v = GetUnsignedLong(radix);
    if (v <= USHRT_MAX)
        return static_cast<unsigned short>(v);
    // strtoul negates after a '-': "-1" comes back as 0xFFFFFFFF.
    const char* p = c_str();
    while (IsBlank(*p))
        ++p;
    if (*p == '-' && 0 - v <= USHRT_MAX)
        return static_cast<unsigned short>(v & 0xFFFF);
    throw rtl_error(ERANGE);
}

template <class T, class Tr, class A>
double ky_BSB<T, Tr, A>::GetDouble() const
{
    return ParseWhole<double>(c_str(), length(),
                              [](const char* s, char** e) { return std::strtod(s, e); });
}

template <class T, class Tr, class A>
float ky_BSB<T, Tr, A>::GetFloat() const
{
    double v = GetDouble();
    if (std::fabs(v) > 3.4028235e38)
        throw rtl_error(ERANGE);
    return static_cast<float>(v);
}

using String8 = ky_BSB<char, ky_SACT<char>, ky_A<char>>;

template long String8::GetLong(int) const;
template unsigned long String8::GetUnsignedLong(int) const;
template long long String8::GetInt64(int) const;
template unsigned long long String8::GetUnsignedInt64(int) const;
template int String8::GetInt(int) const;
template unsigned String8::GetUnsignedInt(int) const;
template short String8::GetShort(int) const;
template unsigned short String8::GetUnsignedShort(int) const;
template double String8::GetDouble() const;
template float String8::GetFloat() const;

} // namespace Kyvant
