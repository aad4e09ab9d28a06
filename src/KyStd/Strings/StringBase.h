// ky_BSB: the copy-on-write string base. It holds every storage operation
// (assign, append, replace, erase, reserve, ...) and keeps the text
// NUL-terminated; comparison and search come with ky_BS (BasicString.h).
// Copying shares the buffer, the first change of a shared buffer takes a
// private copy, and all empty strings of a process, in every module, share
// one empty block (capacity 1, only the NUL).
//
// Counts and positions are unsigned; npos means "up to the end" as a count
// and "not found" as a result. Range errors are std::out_of_range and
// std::length_error whose texts name the operation.
//
// The text operations below the storage members (edits, numbers, windows,
// resources, environment) exist for the 8-bit string; KyStd exports them.
#pragma once

#include "KyStd/Containers/COWVector.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Core/ProcessSingleton.h"
#include "KyStd/Strings/StringTraits.h"

#include <windows.h>
#include <richedit.h>

#include <cstdint>
#include <cstdio>
#include <stdexcept>

namespace Kyvant {

// Where ToEllipsis puts the "...": in front of the text or at its end.
enum EllipsisType { EllipsisFront = 0, EllipsisEnd = 1 };

template <class T, class Tr = ky_SACT<T>, class A = ky_A<T>>
class ky_BSB : public COWVector<T, A, ky_CVIR<T, A>, ky_CVCIR<T, A>> {
protected:
    using Vector = COWVector<T, A, ky_CVIR<T, A>, ky_CVCIR<T, A>>;
    using Rep = typename Vector::Rep;

public:
    using value_type = T;
    using size_type = unsigned;
    using traits_type = Tr;
    using allocator_type = A;
    using iterator = ky_CVI<T, A>;
    using const_iterator = ky_CVCI<T, A>;
    using reference = ky_CVIR<T, A>;
    using const_reference = ky_CVCIR<T, A>;

    static constexpr unsigned npos = 0xFFFFFFFFu;

    KY_FORCE_INLINE ky_BSB(const A& = A()) : Vector(NullRep()) {}
    KY_FORCE_INLINE ky_BSB(const ky_BSB& s) : Vector(s) {}
    ky_BSB(const ky_BSB& s, unsigned pos, unsigned n = npos, const A& = A());
    ky_BSB(const T* s, const A& = A());
    ky_BSB(const T* s, unsigned n, const A& = A());
    ky_BSB(unsigned n, T c, const A& = A());
    ky_BSB(const T* first, const T* last, const A& = A());
    ky_BSB(const_iterator first, const_iterator last, const A& = A());
    ~ky_BSB() override;

    KY_FORCE_INLINE ky_BSB& operator=(const ky_BSB& s) { return assign(s); }
    KY_FORCE_INLINE ky_BSB& operator=(const T* s) { return assign(s); }
    KY_FORCE_INLINE ky_BSB& operator=(T c) { return assign(1, c); }
    KY_FORCE_INLINE ky_BSB& operator+=(const ky_BSB& s) { return append(s); }
    KY_FORCE_INLINE ky_BSB& operator+=(const T* s) { return append(s); }
    KY_FORCE_INLINE ky_BSB& operator+=(T c) { return append(1, c); }

    KY_FORCE_INLINE unsigned length() const { return this->count() - 1; }
    KY_FORCE_INLINE unsigned size() const { return this->count() - 1; }
    KY_FORCE_INLINE bool empty() const { return this->count() == 1; }
    // Elements allocated, the terminator included.
    KY_FORCE_INLINE unsigned capacity() const { return this->allocated(); }
    KY_FORCE_INLINE static constexpr unsigned max_size() { return Vector::element_max - 1; }
    KY_FORCE_INLINE const T* c_str() const { return this->first(); }
    KY_FORCE_INLINE const T* data() const { return this->first(); }

    KY_FORCE_INLINE iterator begin() { return iterator(this, 0); }
    KY_FORCE_INLINE iterator end() { return iterator(this, length()); }
    KY_FORCE_INLINE const_iterator begin() const { return const_iterator(this, 0); }
    KY_FORCE_INLINE const_iterator end() const { return const_iterator(this, length()); }

    // Unchecked element access; writing through the reference unshares first.
    KY_FORCE_INLINE T operator[](unsigned i) const { return this->first()[i]; }
    KY_FORCE_INLINE reference operator[](unsigned i) { return reference(this, i); }
    reference at(unsigned i);
    const_reference at(unsigned i) const;

    ky_BSB& assign(const ky_BSB& s);
    ky_BSB& assign(const ky_BSB& s, unsigned pos, unsigned n);
    ky_BSB& assign(const T* s, unsigned n);
    KY_FORCE_INLINE ky_BSB& assign(const T* s) { return assign(s, s ? Tr::length(s) : 0); }
    ky_BSB& assign(unsigned n, T c);

    KY_FORCE_INLINE ky_BSB& append(const ky_BSB& s) { return append(s.data(), s.length()); }
    ky_BSB& append(const ky_BSB& s, unsigned pos, unsigned n);
    ky_BSB& append(const T* s, unsigned n);
    KY_FORCE_INLINE ky_BSB& append(const T* s) { return append(s, s ? Tr::length(s) : 0); }
    ky_BSB& append(unsigned n, T c);

    KY_FORCE_INLINE ky_BSB& replace(unsigned pos, unsigned count, const ky_BSB& s)
    {
        return replace(pos, count, s, 0, npos);
    }
    ky_BSB& replace(unsigned pos, unsigned count, const ky_BSB& s, unsigned pos2, unsigned count2);
    ky_BSB& replace(unsigned pos, unsigned count, const T* s, unsigned count2);
    KY_FORCE_INLINE ky_BSB& replace(unsigned pos, unsigned count, const T* s)
    {
        return replace(pos, count, s, s ? Tr::length(s) : 0);
    }
    ky_BSB& replace(unsigned pos, unsigned count, unsigned count2, T c);

    ky_BSB& erase(unsigned pos = 0, unsigned n = npos);
    // Returns an iterator at min(first, new length).
    iterator erase(iterator first, iterator last);
    void clear();
    // Removes the last character and returns it; 0 for an empty string.
    T chop();

    KY_FORCE_INLINE ky_BSB substr(unsigned pos = 0, unsigned n = npos) const
    {
        return ky_BSB(*this, pos, n);
    }
    // Copies min(n, length - pos) characters without a NUL; returns the count.
    unsigned copy(T* dst, unsigned n, unsigned pos = 0) const;

    // Unshares and makes room for n characters.
    void reserve(unsigned n = 0);
    void resize(unsigned n, T c = T());

    // In-place edits of the range (pos, n); each unshares first.
    ky_BSB& Reverse(unsigned pos = 0, unsigned n = npos);
    ky_BSB& ToUpper(unsigned pos = 0, unsigned n = npos);
    ky_BSB& ToLower(unsigned pos = 0, unsigned n = npos);
    ky_BSB& EraseFrontSpaces();
    ky_BSB& EraseBackSpaces();
    ky_BSB& EraseEdgeSpaces();

    // The next line of the stream without its '\n', read in chunks; false at
    // the end of the file when nothing was read. A read error throws rtl_error.
    bool getline(FILE* stream);
    // The text from buf + pos up to the next '\n' or the end of the len
    // characters; pos moves past the '\n'. False when pos was at the end.
    bool getline(const T* buf, unsigned len, unsigned& pos);
    // The items in sequence order, sepLen characters of sep between them (and
    // after the last one when trailing is set).
    ky_BSB& Join(const input_sequencer<ky_BSB>& items, const T* sep, bool trailing = false,
                 unsigned sepLen = npos);

    // Environment of the C runtime (and, on request, of the process).
    ky_BSB& GetEnv(const char* name, const char* def);
    void PutEnv(const char* name, unsigned nameLength = npos) const;
    void PutEnv(const char* name, unsigned nameLength, bool alsoProcess) const;
    ky_BSB& ExpandEnvironmentStringsA();

    // Whole-string numbers: leading blanks are allowed, anything after the
    // number is rtl_error EINVAL, a value out of range rtl_error ERANGE.
    long GetLong(int radix = 10) const;
    unsigned long GetUnsignedLong(int radix = 10) const;
    long long GetInt64(int radix = 10) const;
    unsigned long long GetUnsignedInt64(int radix = 10) const;
    int GetInt(int radix = 10) const;
    unsigned GetUnsignedInt(int radix = 10) const;
    short GetShort(int radix = 10) const;
    unsigned short GetUnsignedShort(int radix = 10) const;
    double GetDouble() const;
    float GetFloat() const;
    // The value as "%.*E" (exponent) or "%.*G", precision clamped to 0..15.
    ky_BSB& Convert(double value, int precision, bool exponent);

    // Text of windows and controls.
    ky_BSB& GetWindowTextA(HWND window);
    ky_BSB& GetLBItemText(HWND listBox, int index);
    ky_BSB& GetCBItemText(HWND comboBox, int index);
    // Line -1 is the caret's line; a single-line control has only line 0.
    ky_BSB& GetEditLine(HWND edit, int line, bool append = false);
    // -1 as an end means the end of the text; reversed ends are swapped.
    ky_BSB& GetRichEditTextRange(HWND richEdit, const CHARRANGE& range, bool append = false);

    // String resource id of the module.
    ky_BSB& LoadStringA(HINSTANCE module, unsigned id);
    // REG_SZ value of the key; def (or empty when def is null) when the value
    // is missing or of another type.
    ky_BSB& LoadStringA(HKEY key, const char* valueName, const char* def);

    // Shortens the text with "..." to fit width pixels.
    ky_BSB& ToEllipsis(HDC dc, int width, EllipsisType type);
    ky_BSB& ToEllipsis(HDC dc, int width, HFONT font, EllipsisType type);
    ky_BSB& ToEllipsis(HWND window, HFONT font, EllipsisType type);

protected:
    // min(n, length - pos); out_of_range "ky_basic_string_base::check" when pos > length.
    unsigned check(unsigned pos, unsigned n) const;
    // check on another string, for derived classes.
    KY_FORCE_INLINE static unsigned check_of(const ky_BSB& s, unsigned pos, unsigned n)
    {
        return s.check(pos, n);
    }
    // n when it is at most max_size, else length_error or out_of_range.
    static unsigned checknpos(unsigned n, bool lengthError);
    // Block capacity for n characters and the NUL, rounded up to 8 elements.
    static unsigned round(unsigned n);
    // Takes a private copy of a shared buffer.
    void cow();
    // Unshares and makes room for n characters, doubling the length on growth.
    void reserve_pow2(unsigned n);
    // Sets the length within the capacity of an unshared buffer; writes the NUL.
    void uninitialized_resize_no_reserve(unsigned n);
    // Makes the string n characters of unspecified content in an unshared buffer.
    void cow_and_set_size_without_retaining_data(unsigned n);
    ky_BSB& assign_unchecked(const ky_BSB& s, unsigned pos, unsigned n);
    // The buffer of an unshared string, for in-place writes.
    KY_FORCE_INLINE T* mutable_data() { return this->first(); }
    // True when p points into the text (not its NUL).
    KY_FORCE_INLINE bool inside(const T* p) const
    {
        auto a = reinterpret_cast<std::uintptr_t>(p);
        auto b = reinterpret_cast<std::uintptr_t>(this->first());
        return a >= b && a < b + length() * sizeof(T);
    }
    // Makes this string share the process's empty block.
    KY_FORCE_INLINE void share_empty() { Vector::operator=(NullRep()); }

    // The process's shared empty vector.
    static const Vector& NullRep();
};

template <class T, class Tr, class A>
const typename ky_BSB<T, Tr, A>::Vector& ky_BSB<T, Tr, A>::NullRep()
{
    return ProcessSingleton<ky_COWVectorNullRep<T, A>, ky_BSB<T, ky_SACT<T>, A>>::Get();
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>::~ky_BSB()
{
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>::ky_BSB(const ky_BSB& s, unsigned pos, unsigned n, const A&) : Vector(NullRep())
{
    assign(s, pos, n);
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>::ky_BSB(const T* s, const A&) : Vector(NullRep())
{
    assign(s);
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>::ky_BSB(const T* s, unsigned n, const A&) : Vector(NullRep())
{
    assign(s, n);
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>::ky_BSB(unsigned n, T c, const A&) : Vector(NullRep())
{
    assign(n, c);
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>::ky_BSB(const T* first, const T* last, const A&) : Vector(NullRep())
{
    assign(first, last > first ? static_cast<unsigned>(last - first) : 0);
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>::ky_BSB(const_iterator first, const_iterator last, const A&) : Vector(NullRep())
{
    if (last.index() > first.index())
        assign(first.vector()->first() + first.index(), last.index() - first.index());
}

template <class T, class Tr, class A>
unsigned ky_BSB<T, Tr, A>::check(unsigned pos, unsigned n) const
{
    unsigned len = length();
    if (pos > len)
        throw std::out_of_range("ky_basic_string_base::check");
    return n < len - pos ? n : len - pos;
}

template <class T, class Tr, class A>
unsigned ky_BSB<T, Tr, A>::checknpos(unsigned n, bool lengthError)
{
    if (n <= max_size())
        return n;
    if (lengthError)
        throw std::length_error("ky_basic_string_base::checknpos");
    throw std::out_of_range("ky_basic_string_base::checknpos");
}

template <class T, class Tr, class A>
unsigned ky_BSB<T, Tr, A>::round(unsigned n)
{
    if (n > max_size())
        throw std::length_error("ky_basic_string_base::round");
    unsigned c = n + 1;
    if (Vector::element_max - c < 7)
        return c;
    return (c + 7) & ~7u;
}

template <class T, class Tr, class A>
void ky_BSB<T, Tr, A>::cow()
{
    if (this->shared()) {
        unsigned len = length();
        unsigned r = round(len);
        this->Reallocate(r > len + 1 ? r : len + 1);
    }
}

template <class T, class Tr, class A>
void ky_BSB<T, Tr, A>::reserve(unsigned n)
{
    unsigned r = round(n);
    if (this->shared()) {
        unsigned own = round(length());
        this->Reallocate(r > own ? r : own);
    }
    if (capacity() < r)
        this->Grow(r - capacity());
}

template <class T, class Tr, class A>
void ky_BSB<T, Tr, A>::reserve_pow2(unsigned n)
{
    if (capacity() - 1 >= n) {
        if (this->shared())
            reserve(n);
        return;
    }
    unsigned len = length();
    unsigned target = len < max_size() / 2 ? 2 * len : n;
    if (target < n)
        target = n;
    if (target == n) {
        reserve(n);
        return;
    }
    bool failed = false;
    try {
        reserve(target);
    } catch (...) {
        failed = true;
    }
    if (failed)
        reserve(n);
}

template <class T, class Tr, class A>
void ky_BSB<T, Tr, A>::uninitialized_resize_no_reserve(unsigned n)
{
    Rep* r = this->rep();
    r->elements()[n] = T();
    r->end_ = r->elements() + n + 1;
}

template <class T, class Tr, class A>
void ky_BSB<T, Tr, A>::cow_and_set_size_without_retaining_data(unsigned n)
{
    if (this->shared()) {
        if (n == 0) {
            share_empty();
            return;
        }
        this->Adopt(this->NewRep(round(n)));
    } else {
        uninitialized_resize_no_reserve(0);
        reserve(n);
    }
    uninitialized_resize_no_reserve(n);
}

template <class T, class Tr, class A>
typename ky_BSB<T, Tr, A>::reference ky_BSB<T, Tr, A>::at(unsigned i)
{
    if (i >= length())
        throw std::out_of_range("ky_basic_string_base::at");
    return reference(this, i);
}

template <class T, class Tr, class A>
typename ky_BSB<T, Tr, A>::const_reference ky_BSB<T, Tr, A>::at(unsigned i) const
{
    if (i >= length())
        throw std::out_of_range("ky_basic_string_base::at");
    return const_reference(this, i);
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::assign(const ky_BSB& s)
{
    Vector::operator=(s);
    return *this;
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::assign(const ky_BSB& s, unsigned pos, unsigned n)
{
    n = s.check(pos, n);
    if (pos == 0 && n == s.length())
        return assign(s);
    return assign_unchecked(s, pos, n);
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::assign_unchecked(const ky_BSB& s, unsigned pos, unsigned n)
{
    return assign(s.data() + pos, n);
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::assign(const T* s, unsigned n)
{
    checknpos(n, false);
    if (inside(s)) {
        // Own characters: never written where other copies can see them, and
        // never read past the own text.
        unsigned off = static_cast<unsigned>(s - this->first());
        if (n > length() - off)
            n = length() - off;
        if (this->shared()) {
            if (n == 0) {
                share_empty();
                return *this;
            }
            Rep* p = this->NewRep(round(n));
            Tr::copy(p->elements(), s, n);
            this->Adopt(p); // s stays valid: the other copies keep the old block
        } else if (off != 0) {
            Tr::move(mutable_data(), s, n);
        }
        uninitialized_resize_no_reserve(n);
        return *this;
    }
    cow_and_set_size_without_retaining_data(n);
    if (n != 0)
        Tr::copy(mutable_data(), s, n);
    return *this;
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::assign(unsigned n, T c)
{
    checknpos(n, true);
    cow_and_set_size_without_retaining_data(n);
    if (n != 0)
        Tr::assign(mutable_data(), n, c);
    return *this;
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::append(const ky_BSB& s, unsigned pos, unsigned n)
{
    n = s.check(pos, n);
    return append(s.data() + pos, n);
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::append(const T* s, unsigned n)
{
    checknpos(n, false);
    unsigned len = length();
    if (n > max_size() - len)
        throw std::length_error("ky_basic_string_base::append");
    if (n == 0)
        return *this;
    bool own = inside(s);
    unsigned off = own ? static_cast<unsigned>(s - this->first()) : 0;
    if (own && n > len - off)
        n = len - off; // an own source cannot run past the own text
    reserve_pow2(len + n);
    if (own)
        s = this->first() + off; // the block may have moved
    Tr::copy(mutable_data() + len, s, n);
    uninitialized_resize_no_reserve(len + n);
    return *this;
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::append(unsigned n, T c)
{
    checknpos(n, true);
    unsigned len = length();
    if (n > max_size() - len)
        throw std::length_error("ky_basic_string_base::append");
    if (n == 0)
        return *this;
    reserve_pow2(len + n);
    Tr::assign(mutable_data() + len, n, c);
    uninitialized_resize_no_reserve(len + n);
    return *this;
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::replace(unsigned pos, unsigned count, const ky_BSB& s,
                                            unsigned pos2, unsigned count2)
{
    count = check(pos, count);
    count2 = s.check(pos2, count2);
    return replace(pos, count, s.data() + pos2, count2);
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::replace(unsigned pos, unsigned count, const T* s,
                                            unsigned count2)
{
    count = check(pos, count);
    checknpos(count2, false);
    unsigned len = length();
    if (inside(s)) {
        // A source in the own text is copied out first; it cannot run past the text.
        unsigned off = static_cast<unsigned>(s - this->first());
        if (count2 > len - off)
            count2 = len - off;
        ky_BSB source(s, count2);
        return replace(pos, count, source.data(), count2);
    }
    if (count2 > count && count2 - count > max_size() - len)
        throw std::length_error("ky_basic_string_base::replace");
    unsigned newLen = len - count + count2;
    reserve_pow2(newLen > len ? newLen : len);
    T* b = mutable_data();
    Tr::move(b + pos + count2, b + pos + count, len - pos - count);
    Tr::copy(b + pos, s, count2);
    uninitialized_resize_no_reserve(newLen);
    return *this;
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::replace(unsigned pos, unsigned count, unsigned count2, T c)
{
    count = check(pos, count);
    checknpos(count2, true);
    unsigned len = length();
    if (count2 > count && count2 - count > max_size() - len)
        throw std::length_error("ky_basic_string_base::replace");
    unsigned newLen = len - count + count2;
    reserve_pow2(newLen > len ? newLen : len);
    T* b = mutable_data();
    Tr::move(b + pos + count2, b + pos + count, len - pos - count);
    Tr::assign(b + pos, count2, c);
    uninitialized_resize_no_reserve(newLen);
    return *this;
}

template <class T, class Tr, class A>
ky_BSB<T, Tr, A>& ky_BSB<T, Tr, A>::erase(unsigned pos, unsigned n)
{
    n = check(pos, n);
    if (n == 0)
        return *this;
    this->UnshareExact();
    unsigned len = length();
    T* b = mutable_data();
    Tr::move(b + pos, b + pos + n, len - pos - n);
    uninitialized_resize_no_reserve(len - n);
    return *this;
}

template <class T, class Tr, class A>
typename ky_BSB<T, Tr, A>::iterator ky_BSB<T, Tr, A>::erase(iterator first, iterator last)
{
    unsigned pos = first.index();
    erase(pos, last.index() > pos ? last.index() - pos : 0);
    return iterator(this, pos < length() ? pos : length());
}

template <class T, class Tr, class A>
void ky_BSB<T, Tr, A>::clear()
{
    if (empty())
        return;
    this->UnshareExact();
    uninitialized_resize_no_reserve(0);
}

template <class T, class Tr, class A>
T ky_BSB<T, Tr, A>::chop()
{
    unsigned len = length();
    if (len == 0)
        return T();
    T c = this->first()[len - 1];
    erase(len - 1, 1);
    return c;
}

template <class T, class Tr, class A>
unsigned ky_BSB<T, Tr, A>::copy(T* dst, unsigned n, unsigned pos) const
{
    n = check(pos, n);
    Tr::copy(dst, data() + pos, n);
    return n;
}

template <class T, class Tr, class A>
void ky_BSB<T, Tr, A>::resize(unsigned n, T c)
{
    unsigned len = length();
    if (n > len) {
        reserve(n);
        Tr::assign(mutable_data() + len, n - len, c);
        uninitialized_resize_no_reserve(n);
    } else if (n < len) {
        cow();
        uninitialized_resize_no_reserve(n);
    }
}

} // namespace Kyvant
