// The exported file-name string instance, its constants and concatenation.
#include "KyStd/Files/FileName.h"

#include <stdexcept>

namespace Kyvant {

template class ky_BS<char, ky_FCCT<char>, ky_A<char>>;

ky_F::~ky_F() {}

const ky_F ky_F::m_wildChars("*?");
const ky_F ky_F::m_pathChars("\\:/");
const ky_F ky_F::m_dirSeps("\\/");

namespace {

ky_F Concat(const char* a, unsigned an, const char* b, unsigned bn)
{
    if (an + bn < an)
        throw std::length_error("ky_basic_string_base::append");
    ky_F r;
    r.reserve(an + bn);
    r.append(a, an);
    r.append(b, bn);
    return r;
}

} // namespace

ky_F operator+(const ky_F& a, const ky_F& b)
{
    return Concat(a.data(), a.length(), b.data(), b.length());
}
ky_F operator+(const char* a, const ky_F& b)
{
    return Concat(a, ky_SACT<char>::length(a), b.data(), b.length());
}
ky_F operator+(const ky_F& a, const char* b)
{
    return Concat(a.data(), a.length(), b, ky_SACT<char>::length(b));
}
ky_F operator+(char a, const ky_F& b)
{
    return Concat(&a, 1, b.data(), b.length());
}
ky_F operator+(const ky_F& a, char b)
{
    return Concat(a.data(), a.length(), &b, 1);
}

} // namespace Kyvant
