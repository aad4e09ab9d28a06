// ky_BS: the string base under a character-traits class: comparison, the
// searches, Split and Substitute all match by the traits' rules.
//
// A traits class supplies three static functions:
//   bool eq(T a, T b);                               // the characters are equal
//   int compare(const T* a, const T* b, unsigned n); // <0, 0 or >0 over n characters
//   const T* find(const T* s, unsigned n, T c);      // first of the n equal to c, or null
// See String.h for how a string class is built on it.
#pragma once

#include "KyStd/Strings/StringBase.h"

namespace Kyvant {

template <class T, class Traits, class A = ky_A<T>>
class ky_BS : public ky_BSB<T, ky_SACT<T>, A> {
public:
    using Base = ky_BSB<T, ky_SACT<T>, A>;
    using Base::npos;
    using typename Base::const_iterator;

    KY_FORCE_INLINE ky_BS(const A& a = A()) : Base(a) {}
    KY_FORCE_INLINE ky_BS(const ky_BS& s) : Base(s) {}
    KY_FORCE_INLINE ky_BS(const Base& s) : Base(s) {}
    KY_FORCE_INLINE ky_BS(const Base& s, unsigned pos, unsigned n = npos, const A& a = A())
        : Base(s, pos, n, a)
    {
    }
    KY_FORCE_INLINE ky_BS(const T* s, const A& a = A()) : Base(s, a) {}
    KY_FORCE_INLINE ky_BS(const T* s, unsigned n, const A& a = A()) : Base(s, n, a) {}
    KY_FORCE_INLINE ky_BS(unsigned n, T c, const A& a = A()) : Base(n, c, a) {}
    KY_FORCE_INLINE ky_BS(const T* first, const T* last, const A& a = A()) : Base(first, last, a) {}
    KY_FORCE_INLINE ky_BS(const_iterator first, const_iterator last, const A& a = A())
        : Base(first, last, a)
    {
    }
    ~ky_BS() override;

    using Base::operator=;
    KY_FORCE_INLINE ky_BS& operator=(const ky_BS& s)
    {
        Base::assign(s);
        return *this;
    }

    // -1, 0 or 1; on a common prefix the shorter range sorts first.
    KY_FORCE_INLINE int compare(const Base& s) const { return Compare(s.data(), s.length()); }
    KY_FORCE_INLINE int compare(const T* s) const { return Compare(s, ky_SACT<T>::length(s)); }
    int compare(unsigned pos, unsigned n, const Base& s, unsigned pos2 = 0,
                unsigned count2 = npos) const;
    int compare(unsigned pos, unsigned n, const T* s, unsigned len) const;

    // Positions or npos; an empty needle or set finds nothing.
    unsigned find(const T* s, unsigned pos, unsigned len) const;
    KY_FORCE_INLINE unsigned find(const Base& s, unsigned pos = 0) const
    {
        return find(s.data(), pos, s.length());
    }
    KY_FORCE_INLINE unsigned find(const T* s, unsigned pos = 0) const
    {
        return find(s, pos, ky_SACT<T>::length(s));
    }
    KY_FORCE_INLINE unsigned find(T c, unsigned pos = 0) const { return find(&c, pos, 1); }

    unsigned rfind(const T* s, unsigned pos, unsigned len) const;
    KY_FORCE_INLINE unsigned rfind(const Base& s, unsigned pos = npos) const
    {
        return rfind(s.data(), pos, s.length());
    }
    KY_FORCE_INLINE unsigned rfind(const T* s, unsigned pos = npos) const
    {
        return rfind(s, pos, ky_SACT<T>::length(s));
    }
    KY_FORCE_INLINE unsigned rfind(T c, unsigned pos = npos) const { return rfind(&c, pos, 1); }

    unsigned find_first_of(const T* set, unsigned pos, unsigned len) const;
    KY_FORCE_INLINE unsigned find_first_of(const T* set, unsigned pos = 0) const
    {
        return find_first_of(set, pos, ky_SACT<T>::length(set));
    }
    KY_FORCE_INLINE unsigned find_first_of(T c, unsigned pos = 0) const
    {
        return find_first_of(&c, pos, 1);
    }

    unsigned find_last_of(const T* set, unsigned pos, unsigned len) const;
    KY_FORCE_INLINE unsigned find_last_of(const T* set, unsigned pos = npos) const
    {
        return find_last_of(set, pos, ky_SACT<T>::length(set));
    }
    KY_FORCE_INLINE unsigned find_last_of(T c, unsigned pos = npos) const
    {
        return find_last_of(&c, pos, 1);
    }

    unsigned find_first_not_of(const T* set, unsigned pos, unsigned len) const;
    KY_FORCE_INLINE unsigned find_first_not_of(const T* set, unsigned pos = 0) const
    {
        return find_first_not_of(set, pos, ky_SACT<T>::length(set));
    }
    KY_FORCE_INLINE unsigned find_first_not_of(T c, unsigned pos = 0) const
    {
        return find_first_not_of(&c, pos, 1);
    }

    unsigned find_last_not_of(const T* set, unsigned pos, unsigned len) const;
    KY_FORCE_INLINE unsigned find_last_not_of(const T* set, unsigned pos = npos) const
    {
        return find_last_not_of(set, pos, ky_SACT<T>::length(set));
    }
    KY_FORCE_INLINE unsigned find_last_not_of(T c, unsigned pos = npos) const
    {
        return find_last_not_of(&c, pos, 1);
    }

    // Clears out and appends the pieces of the string cut at the separators:
    // at any of the sepsLen characters of seps, or at the whole of them when
    // sepIsString is set. Returns the number of pieces; at most maxPieces,
    // the last one then being the unsplit rest (0 or 1: the whole string).
    // sepsLen npos: up to the NUL.
    unsigned Split(const output_sequencer<Base>& out, const T* seps, bool keepEmpty = false,
                   bool dropTrailingEmpty = false, unsigned maxPieces = npos,
                   bool sepIsString = false, unsigned sepsLen = npos) const;

    // Replaces every occurrence of from by to, left to right without overlap;
    // with stripTrailing, repetitions of from at the very end are removed
    // first. Lengths npos: up to the NUL.
    ky_BS& Substitute(const T* from, const T* to, bool stripTrailing = false,
                      unsigned fromLen = npos, unsigned toLen = npos);

protected:
    // The whole string against len characters of s.
    KY_FORCE_INLINE int Compare(const T* s, unsigned len) const
    {
        unsigned n = this->length();
        int r = Traits::compare(this->data(), s, n < len ? n : len);
        if (r != 0)
            return r < 0 ? -1 : 1;
        return n < len ? -1 : (n > len ? 1 : 0);
    }
    // Searches over n characters of raw text, by the traits' equality.
    static unsigned Find(const T* text, unsigned n, unsigned pos, const T* s, unsigned len);
    static unsigned RFind(const T* text, unsigned n, unsigned pos, const T* s, unsigned len);
    static unsigned FirstOf(const T* text, unsigned n, unsigned pos, const T* set, unsigned len,
                            bool in);
    static unsigned LastOf(const T* text, unsigned n, unsigned pos, const T* set, unsigned len,
                           bool in);
};

template <class T, class Traits, class A>
ky_BS<T, Traits, A>::~ky_BS()
{
}

template <class T, class Traits, class A>
int ky_BS<T, Traits, A>::compare(unsigned pos, unsigned n, const Base& s, unsigned pos2,
                                 unsigned count2) const
{
    count2 = Base::check_of(s, pos2, count2);
    return compare(pos, n, s.data() + pos2, count2);
}

template <class T, class Traits, class A>
int ky_BS<T, Traits, A>::compare(unsigned pos, unsigned n, const T* s, unsigned len) const
{
    Base::checknpos(len, false);
    n = this->check(pos, n);
    int r = Traits::compare(this->data() + pos, s, n < len ? n : len);
    if (r != 0)
        return r < 0 ? -1 : 1;
    return n < len ? -1 : (n > len ? 1 : 0);
}

template <class T, class Traits, class A>
unsigned ky_BS<T, Traits, A>::Find(const T* text, unsigned n, unsigned pos, const T* s,
                                   unsigned len)
{
    if (len == 0 || pos >= n || len > n - pos)
        return npos;
    const unsigned last = n - len;
    unsigned i = pos;
    while (i <= last) {
        const T* p = Traits::find(text + i, last - i + 1, s[0]);
        if (!p)
            return npos;
        i = static_cast<unsigned>(p - text);
        if (Traits::compare(text + i + 1, s + 1, len - 1) == 0)
            return i;
        ++i;
    }
    return npos;
}

template <class T, class Traits, class A>
unsigned ky_BS<T, Traits, A>::RFind(const T* text, unsigned n, unsigned pos, const T* s,
                                    unsigned len)
{
    if (len == 0 || len > n)
        return npos;
    unsigned i = n - len;
    if (pos < i)
        i = pos;
    for (;;) {
        if (Traits::eq(text[i], s[0]) && Traits::compare(text + i + 1, s + 1, len - 1) == 0)
            return i;
        if (i == 0)
            return npos;
        --i;
    }
}

template <class T, class Traits, class A>
unsigned ky_BS<T, Traits, A>::FirstOf(const T* text, unsigned n, unsigned pos, const T* set,
                                      unsigned len, bool in)
{
    if (len == 0)
        return npos;
    for (unsigned i = pos; i < n; ++i) {
        if ((Traits::find(set, len, text[i]) != nullptr) == in)
            return i;
    }
    return npos;
}

template <class T, class Traits, class A>
unsigned ky_BS<T, Traits, A>::LastOf(const T* text, unsigned n, unsigned pos, const T* set,
                                     unsigned len, bool in)
{
    if (len == 0 || n == 0)
        return npos;
    unsigned i = pos < n - 1 ? pos : n - 1;
    for (;;) {
        if ((Traits::find(set, len, text[i]) != nullptr) == in)
            return i;
        if (i == 0)
            return npos;
        --i;
    }
}

template <class T, class Traits, class A>
unsigned ky_BS<T, Traits, A>::find(const T* s, unsigned pos, unsigned len) const
{
    Base::checknpos(len, false);
    return Find(this->data(), this->length(), pos, s, len);
}

template <class T, class Traits, class A>
unsigned ky_BS<T, Traits, A>::rfind(const T* s, unsigned pos, unsigned len) const
{
    Base::checknpos(len, false);
    return RFind(this->data(), this->length(), pos, s, len);
}

template <class T, class Traits, class A>
unsigned ky_BS<T, Traits, A>::find_first_of(const T* set, unsigned pos, unsigned len) const
{
    Base::checknpos(len, false);
    return FirstOf(this->data(), this->length(), pos, set, len, true);
}

template <class T, class Traits, class A>
unsigned ky_BS<T, Traits, A>::find_first_not_of(const T* set, unsigned pos, unsigned len) const
{
    Base::checknpos(len, false);
    return FirstOf(this->data(), this->length(), pos, set, len, false);
}

template <class T, class Traits, class A>
unsigned ky_BS<T, Traits, A>::find_last_of(const T* set, unsigned pos, unsigned len) const
{
    Base::checknpos(len, false);
    return LastOf(this->data(), this->length(), pos, set, len, true);
}

template <class T, class Traits, class A>
unsigned ky_BS<T, Traits, A>::find_last_not_of(const T* set, unsigned pos, unsigned len) const
{
    Base::checknpos(len, false);
    return LastOf(this->data(), this->length(), pos, set, len, false);
}

template <class T, class Traits, class A>
unsigned ky_BS<T, Traits, A>::Split(const output_sequencer<Base>& out, const T* seps,
                                    bool keepEmpty, bool dropTrailingEmpty, unsigned maxPieces,
                                    bool sepIsString, unsigned sepsLen) const
{
    out.clear();
    if (sepsLen == npos)
        sepsLen = seps ? ky_SACT<T>::length(seps) : 0;
    const unsigned len = this->length();
    if (len == 0)
        return 0;
    if (maxPieces <= 1) {
        out.append(*this);
        return 1;
    }
    const unsigned limit = maxPieces - 1; // pieces before the rest
    const T* text = this->data();
    unsigned count = 0;
    unsigned pos = 0;
    auto piece = [&](unsigned at, unsigned n) {
        out.append(Base(*this, at, n));
        ++count;
    };
    auto nextSep = [&](unsigned from) {
        return sepIsString ? Find(text, len, from, seps, sepsLen)
                           : FirstOf(text, len, from, seps, sepsLen, true);
    };

    if (sepsLen == 0) {
        for (; pos < len && count < limit; ++pos)
            piece(pos, 1);
    } else if (!keepEmpty && !sepIsString) {
        pos = FirstOf(text, len, 0, seps, sepsLen, false);
        while (pos < len) {
            unsigned e = nextSep(pos);
            if (e == npos)
                break;
            piece(pos, e - pos);
            if (count == limit) {
                pos = e + 1;
                break;
            }
            pos = FirstOf(text, len, e, seps, sepsLen, false);
        }
    } else if (!keepEmpty) {
        while (pos < len) {
            unsigned e = nextSep(pos);
            if (e == npos)
                break;
            if (e > pos) {
                piece(pos, e - pos);
                if (count == limit) {
                    pos = e + sepsLen;
                    break;
                }
            }
            pos = e + sepsLen;
        }
    } else {
        // A separator right at a piece's start stands for one empty piece,
        // held back until a non-empty piece follows.
        const unsigned width = sepIsString ? sepsLen : 1;
        unsigned pending = 0;
        auto flushPending = [&]() {
            for (; pending > 0; --pending) {
                if (count == limit) {
                    pos -= pending * width; // the unused separators open the rest
                    pending = 0;
                    return false;
                }
                piece(pos, 0);
            }
            return true;
        };
        bool limited = false;
        while (pos < len) {
            unsigned e = nextSep(pos);
            if (e == pos) {
                ++pending;
                pos += width;
                continue;
            }
            if (!flushPending() || count == limit) {
                limited = true;
                break;
            }
            if (e == npos)
                break;
            piece(pos, e - pos);
            pos = e + width;
        }
        if (!limited && pending > 0) {
            if (dropTrailingEmpty)
                pending = 0;
            else
                flushPending();
        }
    }
    if (pos < len)
        piece(pos, len - pos);
    return count;
}

template <class T, class Traits, class A>
ky_BS<T, Traits, A>& ky_BS<T, Traits, A>::Substitute(const T* from, const T* to, bool stripTrailing,
                                                     unsigned fromLen, unsigned toLen)
{
    using Chars = ky_SACT<T>;
    if (fromLen == npos)
        fromLen = from ? Chars::length(from) : 0;
    if (toLen == npos)
        toLen = to ? Chars::length(to) : 0;
    unsigned len = this->length();
    if (fromLen == 0 || fromLen > len)
        return *this;

    // Texts taken from the own buffer are copied out before it changes.
    Base fromCopy;
    Base toCopy;
    if (this->inside(from)) {
        fromCopy.assign(from, fromLen);
        from = fromCopy.data();
    }
    if (this->inside(to)) {
        toCopy.assign(to, toLen);
        to = toCopy.data();
    }

    if (stripTrailing) {
        const T* text = this->data();
        unsigned keep = len;
        while (keep >= fromLen && Traits::compare(text + keep - fromLen, from, fromLen) == 0)
            keep -= fromLen;
        if (keep != len) {
            this->erase(keep);
            len = keep;
        }
    }

    if (fromLen == toLen) {
        unsigned pos = Find(this->data(), len, 0, from, fromLen);
        if (pos == npos)
            return *this;
        this->cow();
        T* b = this->mutable_data();
        if (fromLen == 1) {
            for (unsigned i = pos; i < len; ++i) {
                if (Traits::eq(b[i], from[0]))
                    b[i] = to[0];
            }
        } else {
            for (; pos != npos; pos = Find(b, len, pos + toLen, from, fromLen))
                Chars::copy(b + pos, to, toLen);
        }
        return *this;
    }

    // Matches, left to right without overlap; the first ones are remembered.
    const unsigned tableSize = 128;
    unsigned table[tableSize];
    unsigned count = 0;
    const T* text = this->data();
    for (unsigned pos = Find(text, len, 0, from, fromLen); pos != npos;
         pos = Find(text, len, pos + fromLen, from, fromLen)) {
        if (count < tableSize)
            table[count] = pos;
        ++count;
    }
    if (count == 0)
        return *this;
    if (count == 1) {
        this->replace(table[0], fromLen, to, toLen);
        return *this;
    }
    long long newLen = static_cast<long long>(len) +
                       (static_cast<long long>(toLen) - static_cast<long long>(fromLen)) * count;
    if (newLen > static_cast<long long>(Base::max_size()))
        throw std::length_error("ky_basic_string_base::Substitute");
    const unsigned result = static_cast<unsigned>(newLen);

    // Growing opens the room in front, so one left-to-right pass never
    // overwrites text it has yet to read; shrinking needs no room.
    unsigned shift = 0;
    if (result > len) {
        this->reserve_pow2(result);
        shift = result - len;
        Chars::move(this->mutable_data() + shift, this->mutable_data(), len);
    } else {
        this->cow();
    }
    T* b = this->mutable_data();
    const T* src = b + shift; // the original text
    unsigned w = 0;
    unsigned prev = 0;
    for (unsigned k = 0; k < count; ++k) {
        unsigned p = k < tableSize ? table[k] : Find(src, len, prev, from, fromLen);
        Chars::move(b + w, src + prev, p - prev);
        w += p - prev;
        Chars::copy(b + w, to, toLen);
        w += toLen;
        prev = p + fromLen;
    }
    Chars::move(b + w, src + prev, len - prev);
    this->uninitialized_resize_no_reserve(result);
    return *this;
}

template <class T, class Tr, class A>
bool operator==(const ky_BS<T, Tr, A>& a, const ky_BS<T, Tr, A>& b)
{
    return a.length() == b.length() && a.compare(b) == 0;
}
template <class T, class Tr, class A>
bool operator==(const ky_BS<T, Tr, A>& a, const T* b)
{
    return a.compare(b) == 0;
}
template <class T, class Tr, class A>
bool operator==(const T* a, const ky_BS<T, Tr, A>& b)
{
    return b.compare(a) == 0;
}
template <class T, class Tr, class A>
bool operator!=(const ky_BS<T, Tr, A>& a, const ky_BS<T, Tr, A>& b)
{
    return !(a == b);
}
template <class T, class Tr, class A>
bool operator!=(const ky_BS<T, Tr, A>& a, const T* b)
{
    return !(a == b);
}
template <class T, class Tr, class A>
bool operator!=(const T* a, const ky_BS<T, Tr, A>& b)
{
    return !(a == b);
}
template <class T, class Tr, class A>
bool operator<(const ky_BS<T, Tr, A>& a, const ky_BS<T, Tr, A>& b)
{
    return a.compare(b) < 0;
}
template <class T, class Tr, class A>
bool operator<(const ky_BS<T, Tr, A>& a, const T* b)
{
    return a.compare(b) < 0;
}
template <class T, class Tr, class A>
bool operator<(const T* a, const ky_BS<T, Tr, A>& b)
{
    return b.compare(a) > 0;
}
template <class T, class Tr, class A>
bool operator>(const ky_BS<T, Tr, A>& a, const ky_BS<T, Tr, A>& b)
{
    return b < a;
}
template <class T, class Tr, class A>
bool operator<=(const ky_BS<T, Tr, A>& a, const ky_BS<T, Tr, A>& b)
{
    return !(b < a);
}
template <class T, class Tr, class A>
bool operator>=(const ky_BS<T, Tr, A>& a, const ky_BS<T, Tr, A>& b)
{
    return !(a < b);
}

} // namespace Kyvant
