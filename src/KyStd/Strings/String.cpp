// The exported 8-bit string instance, ky_S and ky_I, and concatenation.
#include "KyStd/Strings/String.h"

namespace Kyvant {

template class COWVectorHandle<char, ky_A<char>>;
template class COWVector<char, ky_A<char>, ky_CVIR<char, ky_A<char>>, ky_CVCIR<char, ky_A<char>>>;
template class ky_BSB<char, ky_SACT<char>, ky_A<char>>;
template class ky_BS<char, ky_SCCT<char>, ky_A<char>>;
template class ky_BS<char, ky_ICCT<char>, ky_A<char>>;

ky_S::~ky_S() {}
ky_I::~ky_I() {}

namespace {

template <class S>
S Concat(const char* a, unsigned an, const char* b, unsigned bn)
{
    S r;
    if (an + bn < an)
        throw std::length_error("ky_basic_string_base::append");
    r.reserve(an + bn);
    r.append(a, an);
    r.append(b, bn);
    return r;
}

} // namespace

ky_S operator+(const ky_S& a, const ky_S& b)
{
    return Concat<ky_S>(a.data(), a.length(), b.data(), b.length());
}
ky_S operator+(const char* a, const ky_S& b)
{
    return Concat<ky_S>(a, ky_SACT<char>::length(a), b.data(), b.length());
}
ky_S operator+(const ky_S& a, const char* b)
{
    return Concat<ky_S>(a.data(), a.length(), b, ky_SACT<char>::length(b));
}
ky_S operator+(char a, const ky_S& b)
{
    return Concat<ky_S>(&a, 1, b.data(), b.length());
}
ky_S operator+(const ky_S& a, char b)
{
    return Concat<ky_S>(a.data(), a.length(), &b, 1);
}

ky_I operator+(const ky_I& a, const ky_I& b)
{
    return Concat<ky_I>(a.data(), a.length(), b.data(), b.length());
}
ky_I operator+(const char* a, const ky_I& b)
{
    return Concat<ky_I>(a, ky_SACT<char>::length(a), b.data(), b.length());
}
ky_I operator+(const ky_I& a, const char* b)
{
    return Concat<ky_I>(a.data(), a.length(), b, ky_SACT<char>::length(b));
}
ky_I operator+(char a, const ky_I& b)
{
    return Concat<ky_I>(&a, 1, b.data(), b.length());
}
ky_I operator+(const ky_I& a, char b)
{
    return Concat<ky_I>(a.data(), a.length(), &b, 1);
}

} // namespace Kyvant
