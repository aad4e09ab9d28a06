// The system's string classes: ky_S (case-sensitive) and ky_I
// (case-insensitive), copy-on-write strings over the exported 8-bit string
// base. Include this header for all of them.
//
// Adding a string class with its own character rules (as the file-name
// string does):
//  1. Write a traits class with static eq, compare and find (BasicString.h
//     lists their contracts).
//  2. Derive the class from ky_BS<char, YourTraits, ky_A<char>>; mirror the
//     constructors below and re-export substr, Substitute and the
//     assignments with the class's own return type.
//  3. In the header, after the class: extern template class KYSTD_API
//     ky_BS<char, YourTraits, ky_A<char>>; in one KyStd .cpp: template class
//     KYSTD_API ky_BS<char, YourTraits, ky_A<char>>; so KyStd exports it.
// The 16-bit strings are instantiated by the modules that use them, e.g.
// ky_BS<unsigned short, ky_SCCT<unsigned short>, ky_A<unsigned short>>;
// their empty block is shared process-wide like the 8-bit one.
#pragma once

#include "KyStd/KyStdExport.h"
#include "KyStd/Strings/BasicString.h"

namespace Kyvant {

extern template class KYSTD_API COWVectorHandle<char, ky_A<char>>;
extern template class KYSTD_API
    COWVector<char, ky_A<char>, ky_CVIR<char, ky_A<char>>, ky_CVCIR<char, ky_A<char>>>;
extern template class KYSTD_API ky_BSB<char, ky_SACT<char>, ky_A<char>>;
extern template class KYSTD_API ky_BS<char, ky_SCCT<char>, ky_A<char>>;
extern template class KYSTD_API ky_BS<char, ky_ICCT<char>, ky_A<char>>;

// Case-sensitive string.
class KYSTD_API ky_S : public ky_BS<char, ky_SCCT<char>, ky_A<char>> {
    using BS = ky_BS<char, ky_SCCT<char>, ky_A<char>>;

public:
    ky_S(const ky_A<char>& a = ky_A<char>()) : BS(a) {}
    ky_S(const ky_S& s) : BS(s) {}
    ky_S(const Base& s) : BS(s) {}
    ky_S(const Base& s, unsigned pos, unsigned n = npos, const ky_A<char>& a = ky_A<char>())
        : BS(s, pos, n, a)
    {
    }
    ky_S(const char* s, const ky_A<char>& a = ky_A<char>()) : BS(s, a) {}
    ky_S(const char* s, unsigned n, const ky_A<char>& a = ky_A<char>()) : BS(s, n, a) {}
    ky_S(unsigned n, char c, const ky_A<char>& a = ky_A<char>()) : BS(n, c, a) {}
    ky_S(const char* first, const char* last, const ky_A<char>& a = ky_A<char>())
        : BS(first, last, a)
    {
    }
    ky_S(const_iterator first, const_iterator last, const ky_A<char>& a = ky_A<char>())
        : BS(first, last, a)
    {
    }
    ~ky_S() override;

    ky_S& operator=(const ky_S& s)
    {
        assign(s);
        return *this;
    }
    ky_S& operator=(const Base& s)
    {
        assign(s);
        return *this;
    }
    ky_S& operator=(const char* s)
    {
        assign(s);
        return *this;
    }
    ky_S& operator=(char c)
    {
        assign(1, c);
        return *this;
    }
    ky_S& operator+=(const Base& s)
    {
        append(s);
        return *this;
    }
    ky_S& operator+=(const char* s)
    {
        append(s);
        return *this;
    }
    ky_S& operator+=(char c)
    {
        append(1, c);
        return *this;
    }

    ky_S substr(unsigned pos = 0, unsigned n = npos) const { return ky_S(*this, pos, n); }
    ky_S& Substitute(const char* from, const char* to, bool stripTrailing = false,
                     unsigned fromLen = npos, unsigned toLen = npos)
    {
        BS::Substitute(from, to, stripTrailing, fromLen, toLen);
        return *this;
    }
};

// Case-insensitive string: comparison, searches, Split and Substitute ignore case.
class KYSTD_API ky_I : public ky_BS<char, ky_ICCT<char>, ky_A<char>> {
    using BS = ky_BS<char, ky_ICCT<char>, ky_A<char>>;

public:
    ky_I(const ky_A<char>& a = ky_A<char>()) : BS(a) {}
    ky_I(const ky_I& s) : BS(s) {}
    ky_I(const Base& s) : BS(s) {}
    ky_I(const Base& s, unsigned pos, unsigned n = npos, const ky_A<char>& a = ky_A<char>())
        : BS(s, pos, n, a)
    {
    }
    ky_I(const char* s, const ky_A<char>& a = ky_A<char>()) : BS(s, a) {}
    ky_I(const char* s, unsigned n, const ky_A<char>& a = ky_A<char>()) : BS(s, n, a) {}
    ky_I(unsigned n, char c, const ky_A<char>& a = ky_A<char>()) : BS(n, c, a) {}
    ky_I(const char* first, const char* last, const ky_A<char>& a = ky_A<char>())
        : BS(first, last, a)
    {
    }
    ky_I(const_iterator first, const_iterator last, const ky_A<char>& a = ky_A<char>())
        : BS(first, last, a)
    {
    }
    ~ky_I() override;

    ky_I& operator=(const ky_I& s)
    {
        assign(s);
        return *this;
    }
    ky_I& operator=(const Base& s)
    {
        assign(s);
        return *this;
    }
    ky_I& operator=(const char* s)
    {
        assign(s);
        return *this;
    }
    ky_I& operator=(char c)
    {
        assign(1, c);
        return *this;
    }
    ky_I& operator+=(const Base& s)
    {
        append(s);
        return *this;
    }
    ky_I& operator+=(const char* s)
    {
        append(s);
        return *this;
    }
    ky_I& operator+=(char c)
    {
        append(1, c);
        return *this;
    }

    ky_I substr(unsigned pos = 0, unsigned n = npos) const { return ky_I(*this, pos, n); }
    ky_I& Substitute(const char* from, const char* to, bool stripTrailing = false,
                     unsigned fromLen = npos, unsigned toLen = npos)
    {
        BS::Substitute(from, to, stripTrailing, fromLen, toLen);
        return *this;
    }
};

// Concatenation: a new string of the left operand's class, its room reserved once.
KYSTD_API ky_S operator+(const ky_S& a, const ky_S& b);
KYSTD_API ky_S operator+(const char* a, const ky_S& b);
KYSTD_API ky_S operator+(const ky_S& a, const char* b);
KYSTD_API ky_S operator+(char a, const ky_S& b);
KYSTD_API ky_S operator+(const ky_S& a, char b);
KYSTD_API ky_I operator+(const ky_I& a, const ky_I& b);
KYSTD_API ky_I operator+(const char* a, const ky_I& b);
KYSTD_API ky_I operator+(const ky_I& a, const char* b);
KYSTD_API ky_I operator+(char a, const ky_I& b);
KYSTD_API ky_I operator+(const ky_I& a, char b);

} // namespace Kyvant
