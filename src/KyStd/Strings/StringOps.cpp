// In-place edits, line readers, joining and number formatting of the 8-bit
// string base.
#include "KyStd/Strings/String.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace Kyvant {

namespace {

bool IsSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

} // namespace

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::Reverse(unsigned pos, unsigned n)
{
    n = check(pos, n);
    if (n < 2)
        return *this;
    cow();
    T* lo = mutable_data() + pos;
    T* hi = lo + n - 1;
    for (; lo < hi; ++lo, --hi) {
        T c = *lo;
        *lo = *hi;
        *hi = c;
    }
    return *this;
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::ToUpper(unsigned pos, unsigned n)
{
    n = check(pos, n);
    if (n == 0)
        return *this;
    cow();
    T* p = mutable_data() + pos;
    for (unsigned i = 0; i < n; ++i)
        p[i] = static_cast<T>(ky_toupper(p[i]));
    return *this;
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::ToLower(unsigned pos, unsigned n)
{
    n = check(pos, n);
    if (n == 0)
        return *this;
    cow();
    T* p = mutable_data() + pos;
    for (unsigned i = 0; i < n; ++i)
        p[i] = static_cast<T>(ky_tolower(p[i]));
    return *this;
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::EraseFrontSpaces()
{
    unsigned len = length();
    unsigned i = 0;
    while (i < len && IsSpace(data()[i]))
        ++i;
    if (i != 0)
        erase(0, i);
    return *this;
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::EraseBackSpaces()
{
    unsigned len = length();
    unsigned i = len;
    while (i > 0 && IsSpace(data()[i - 1]))
        --i;
    if (i != len)
        erase(i);
    return *this;
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::EraseEdgeSpaces()
{
    EraseBackSpaces();
    return EraseFrontSpaces();
}

template <class T, class Tr, class A>
bool ky_BSB<T, Tr, A>::getline(FILE* stream)
{
    const int chunk = 2048;
    char buffer[chunk];
    ky_BSB line;
    bool any = false;
    for (;;) {
        if (!std::fgets(buffer, chunk, stream)) {
            if (std::ferror(stream)) {
                int err = errno;
                throw rtl_error(err != 0 ? err : EIO);
            }
            assign(line);
            return any;
        }
        unsigned n = static_cast<unsigned>(std::strlen(buffer));
        any = true;
        if (n > 0 && buffer[n - 1] == '\n') {
            line.append(buffer, n - 1);
            assign(line);
            return true;
        }
        line.append(buffer, n);
    }
}

template <class T, class Tr, class A>
bool ky_BSB<T, Tr, A>::getline(const T* buf, unsigned len, unsigned& pos)
{
    if (pos >= len) {
        clear();
        return false;
    }
    const T* start = buf + pos;
    const void* nl = std::memchr(start, '\n', len - pos);
    unsigned n = nl ? static_cast<unsigned>(static_cast<const T*>(nl) - start) : len - pos;
    assign(start, n);
    pos += nl ? n + 1 : n;
    return true;
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::Join(const input_sequencer<ky_BSB>& items, const T* sep,
                                         bool trailing, unsigned sepLen)
{
    if (sepLen == npos)
        sepLen = sep ? Tr::length(sep) : 0;
    ky_BSB joined;
    bool first = true;
    for (; !items.at_end(); items.next()) {
        if (!first)
            joined.append(sep, sepLen);
        joined.append(items.current());
        first = false;
    }
    if (trailing && !first)
        joined.append(sep, sepLen);
    return assign(joined);
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::Convert(double value, int precision, bool exponent)
{
    if (precision < 0)
        precision = 0;
    if (precision > 15)
        precision = 15;
    char buffer[64];
    int n = std::snprintf(buffer, sizeof buffer, exponent ? "%.*E" : "%.*G", precision, value);
    if (n < 0)
        throw rtl_error(errno != 0 ? errno : EINVAL);
    return assign(buffer, static_cast<unsigned>(n) < sizeof buffer ? n : sizeof buffer - 1);
}

using String8 = ky_BSB<char, ky_SACT<char>, ky_A<char>>;

template String8& String8::Reverse(unsigned, unsigned);
template String8& String8::ToUpper(unsigned, unsigned);
template String8& String8::ToLower(unsigned, unsigned);
template String8& String8::EraseFrontSpaces();
template String8& String8::EraseBackSpaces();
template String8& String8::EraseEdgeSpaces();
template bool String8::getline(FILE*);
template bool String8::getline(const char*, unsigned, unsigned&);
template String8& String8::Join(const input_sequencer<String8>&, const char*, bool, unsigned);
template String8& String8::Convert(double, int, bool);

} // namespace Kyvant
