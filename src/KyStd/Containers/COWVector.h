// Copy-on-write element vector: one heap block holding a reference count, the
// end and capacity-end addresses and the elements. Copies share the block; a
// block whose count is above 1 is never written. Iterators and element
// references hold {vector, index}, so they survive reallocation.
#pragma once

#include "KyStd/Core/Errors.h"
#include "KyStd/Core/RefCount.h"

#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <new>
#include <stdexcept>

// Members of the string templates whose 8-bit instance KyStd exports are
// either out of line (and exported) or always inlined: GCC neither exports
// inline members of an exported template instance nor emits them in the
// modules that import it.
#define KY_FORCE_INLINE inline __attribute__((always_inline))

namespace Kyvant {

// Stateless allocator of representation blocks.
template <class T>
class ky_A {
public:
    static void* allocate(std::size_t bytes)
    {
        void* p = std::malloc(bytes);
        if (!p)
            ThrowBadAlloc();
        return p;
    }
    static void deallocate(void* p) { std::free(p); }
};

// The block header; the elements follow it directly.
template <class T, class A>
class COWVectorImp {
public:
    COWVectorImp() : end_(elements()), capEnd_(elements()) {}
    COWVectorImp(const COWVectorImp&) = delete;
    COWVectorImp& operator=(const COWVectorImp&) = delete;

    // The holder interface of ky_handle.
    long AddRef() { return count_.AddRef(); }
    long RemoveRef() { return count_.RemoveRef(); }
    long Count() const { return count_.Count(); }
    COWVectorImp& Object() { return *this; }

    T* elements() { return reinterpret_cast<T*>(this + 1); }
    const T* elements() const { return reinterpret_cast<const T*>(this + 1); }

    RefCounter count_;
    T* end_;    // one past the terminating NUL
    T* capEnd_; // one past the last allocated element
};

template <class T, class A>
class COWVectorHandle;

// Element reference: writing through it first unshares the buffer.
template <class T, class A>
class ky_CVIR {
public:
    ky_CVIR(COWVectorHandle<T, A>* v, unsigned i) : v_(v), i_(i) {}
    operator T() const { return v_->first()[i_]; }
    ky_CVIR& operator=(T c)
    {
        v_->UnshareExact();
        v_->first()[i_] = c;
        return *this;
    }
    ky_CVIR& operator=(const ky_CVIR& other) { return *this = static_cast<T>(other); }

private:
    COWVectorHandle<T, A>* v_;
    unsigned i_;
};

template <class T, class A>
class ky_CVCIR {
public:
    ky_CVCIR(const COWVectorHandle<T, A>* v, unsigned i) : v_(v), i_(i) {}
    operator T() const { return v_->first()[i_]; }

private:
    const COWVectorHandle<T, A>* v_;
    unsigned i_;
};

// Random-access iterators over a vector's elements, by index.
template <class T, class A>
class ky_CVI {
public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = T;
    using difference_type = int;
    using pointer = void;
    using reference = ky_CVIR<T, A>;

    ky_CVI() : v_(nullptr), i_(0) {}
    ky_CVI(COWVectorHandle<T, A>* v, unsigned i) : v_(v), i_(i) {}

    reference operator*() const { return reference(v_, i_); }
    reference operator[](int n) const { return reference(v_, i_ + n); }
    ky_CVI& operator++()
    {
        ++i_;
        return *this;
    }
    ky_CVI operator++(int) { return ky_CVI(v_, i_++); }
    ky_CVI& operator--()
    {
        --i_;
        return *this;
    }
    ky_CVI operator--(int) { return ky_CVI(v_, i_--); }
    ky_CVI& operator+=(int n)
    {
        i_ += n;
        return *this;
    }
    ky_CVI& operator-=(int n)
    {
        i_ -= n;
        return *this;
    }
    ky_CVI operator+(int n) const { return ky_CVI(v_, i_ + n); }
    ky_CVI operator-(int n) const { return ky_CVI(v_, i_ - n); }
    int operator-(const ky_CVI& o) const { return static_cast<int>(i_ - o.i_); }
    bool operator==(const ky_CVI& o) const { return v_ == o.v_ && i_ == o.i_; }
    bool operator!=(const ky_CVI& o) const { return !(*this == o); }
    bool operator<(const ky_CVI& o) const { return i_ < o.i_; }
    bool operator>(const ky_CVI& o) const { return i_ > o.i_; }
    bool operator<=(const ky_CVI& o) const { return i_ <= o.i_; }
    bool operator>=(const ky_CVI& o) const { return i_ >= o.i_; }

    COWVectorHandle<T, A>* vector() const { return v_; }
    unsigned index() const { return i_; }

private:
    COWVectorHandle<T, A>* v_;
    unsigned i_;
};

template <class T, class A>
class ky_CVCI {
public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = T;
    using difference_type = int;
    using pointer = const T*;
    using reference = ky_CVCIR<T, A>;

    ky_CVCI() : v_(nullptr), i_(0) {}
    ky_CVCI(const COWVectorHandle<T, A>* v, unsigned i) : v_(v), i_(i) {}
    ky_CVCI(const ky_CVI<T, A>& it) : v_(it.vector()), i_(it.index()) {}

    T operator*() const { return v_->first()[i_]; }
    T operator[](int n) const { return v_->first()[i_ + n]; }
    ky_CVCI& operator++()
    {
        ++i_;
        return *this;
    }
    ky_CVCI operator++(int) { return ky_CVCI(v_, i_++); }
    ky_CVCI& operator--()
    {
        --i_;
        return *this;
    }
    ky_CVCI operator--(int) { return ky_CVCI(v_, i_--); }
    ky_CVCI& operator+=(int n)
    {
        i_ += n;
        return *this;
    }
    ky_CVCI& operator-=(int n)
    {
        i_ -= n;
        return *this;
    }
    ky_CVCI operator+(int n) const { return ky_CVCI(v_, i_ + n); }
    ky_CVCI operator-(int n) const { return ky_CVCI(v_, i_ - n); }
    int operator-(const ky_CVCI& o) const { return static_cast<int>(i_ - o.i_); }
    bool operator==(const ky_CVCI& o) const { return v_ == o.v_ && i_ == o.i_; }
    bool operator!=(const ky_CVCI& o) const { return !(*this == o); }
    bool operator<(const ky_CVCI& o) const { return i_ < o.i_; }
    bool operator>(const ky_CVCI& o) const { return i_ > o.i_; }
    bool operator<=(const ky_CVCI& o) const { return i_ <= o.i_; }
    bool operator>=(const ky_CVCI& o) const { return i_ >= o.i_; }

    const COWVectorHandle<T, A>* vector() const { return v_; }
    unsigned index() const { return i_; }

private:
    const COWVectorHandle<T, A>* v_;
    unsigned i_;
};

// The counted holder of one block: allocation, reallocation and release.
// The last release frees the block with this class's deallocator, so the
// module whose code built the handle frees what it allocated.
template <class T, class A>
class COWVectorHandle : public ky_handle<COWVectorImp<T, A>, COWVectorImp<T, A>>, public A {
    using Handle = ky_handle<COWVectorImp<T, A>, COWVectorImp<T, A>>;

public:
    using Rep = COWVectorImp<T, A>;

    // Largest element count of one block: header and elements within 2^32 - 1 bytes.
    static constexpr unsigned element_max = 0xFFFFFFF3u / sizeof(T);

    KY_FORCE_INLINE COWVectorHandle() {}
    KY_FORCE_INLINE COWVectorHandle(const COWVectorHandle& other) : Handle(other), A() {}
    KY_FORCE_INLINE COWVectorHandle& operator=(const COWVectorHandle& other)
    {
        Handle::operator=(other);
        return *this;
    }
    ~COWVectorHandle() override;

    KY_FORCE_INLINE Rep* rep() const { return this->holder(); }
    KY_FORCE_INLINE T* first() const { return rep()->elements(); }
    // Elements in use, the terminator included.
    KY_FORCE_INLINE unsigned count() const
    {
        return static_cast<unsigned>(rep()->end_ - rep()->elements());
    }
    // Elements allocated, the terminator included.
    KY_FORCE_INLINE unsigned allocated() const
    {
        return static_cast<unsigned>(rep()->capEnd_ - rep()->elements());
    }
    KY_FORCE_INLINE bool shared() const { return rep()->Count() > 1; }

    // Gives this vector a private copy of exactly its elements when shared.
    void UnshareExact();

protected:
    // A new empty block of the given capacity; its count is 0 until adopted.
    static Rep* NewRep(unsigned capacity);
    // Makes p this vector's block and drops the old one.
    void Adopt(Rep* p);
    // Moves the content into a new block of the given capacity (at least count()).
    void Reallocate(unsigned capacity);
    // Adds `missing` elements to the capacity, keeping the content.
    void Grow(unsigned missing);

    void DestroyHeld(Rep* p) override;
};

template <class T, class A>
COWVectorHandle<T, A>::~COWVectorHandle()
{
    this->reset();
}

template <class T, class A>
void COWVectorHandle<T, A>::DestroyHeld(Rep* p)
{
    p->end_ = p->elements();
    p->~Rep();
    A::deallocate(p);
}

template <class T, class A>
typename COWVectorHandle<T, A>::Rep* COWVectorHandle<T, A>::NewRep(unsigned capacity)
{
    if (capacity > element_max)
        throw std::length_error("COWVectorHandle");
    void* block = A::allocate(sizeof(Rep) + static_cast<std::size_t>(capacity) * sizeof(T));
    Rep* p = new (block) Rep();
    p->capEnd_ = p->elements() + capacity;
    return p;
}

template <class T, class A>
void COWVectorHandle<T, A>::Adopt(Rep* p)
{
    Handle fresh(p);
    Handle::operator=(fresh);
}

template <class T, class A>
void COWVectorHandle<T, A>::Reallocate(unsigned capacity)
{
    unsigned n = count();
    Rep* p = NewRep(capacity < n ? n : capacity);
    const T* src = first();
    T* dst = p->elements();
    for (unsigned i = 0; i < n; ++i)
        dst[i] = src[i];
    p->end_ = dst + n;
    Adopt(p);
}

template <class T, class A>
void COWVectorHandle<T, A>::Grow(unsigned missing)
{
    unsigned have = allocated();
    if (missing > element_max - have)
        throw std::length_error("COWVectorHandle");
    Reallocate(have + missing);
}

template <class T, class A>
void COWVectorHandle<T, A>::UnshareExact()
{
    if (shared())
        Reallocate(count());
}

// Element vector with copy-on-write; R and CR are its reference types.
template <class T, class A, class R, class CR>
class COWVector : public COWVectorHandle<T, A> {
public:
    using reference = R;
    using const_reference = CR;

    KY_FORCE_INLINE COWVector() {}
    KY_FORCE_INLINE COWVector(const COWVector& other) : COWVectorHandle<T, A>(other) {}
    KY_FORCE_INLINE COWVector& operator=(const COWVector& other)
    {
        COWVectorHandle<T, A>::operator=(other);
        return *this;
    }
    ~COWVector() override;

    // Element i of the count() elements, the terminator included.
    KY_FORCE_INLINE R at(unsigned i)
    {
        if (i >= this->count())
            throw std::out_of_range("COWVector::at");
        return R(this, i);
    }
    KY_FORCE_INLINE CR at(unsigned i) const
    {
        if (i >= this->count())
            throw std::out_of_range("COWVector::at - const");
        return CR(this, i);
    }
};

template <class T, class A, class R, class CR>
COWVector<T, A, R, CR>::~COWVector()
{
}

// Owner of the one shared empty block of a process: capacity 1, only the NUL.
template <class T, class A>
class ky_COWVectorNullRep : public COWVector<T, A, ky_CVIR<T, A>, ky_CVCIR<T, A>> {
public:
    ky_COWVectorNullRep()
    {
        auto* p = this->NewRep(1);
        p->elements()[0] = T();
        p->end_ = p->elements() + 1;
        this->Adopt(p);
    }
    ~ky_COWVectorNullRep() override {}
};

} // namespace Kyvant
