// Reference-linked owning pointer: all owners of one pointee form a ring,
// changed only under one process-wide critical section per pointee type; the
// last owner deletes the pointee.
#pragma once

#include "KyStd/Core/CritSec.h"
#include "KyStd/Core/ProcessSingleton.h"

#include <type_traits>

namespace Kyvant {

template <class T>
struct new_deleter {
    void operator()(T* p) const { delete p; }
};

// Tag type whose name keys the ring lock of rc_ptr<T, Deleter>.
template <class T, class Deleter>
struct rc_ptr_base {
};

template <class T, class Deleter = new_deleter<T>>
class rc_ptr {
    using LockHandle = ky_singleton_handle<Win32::CritSec, rc_ptr_base<T, Deleter>>;
    using Singleton = ProcessSingleton<Win32::CritSec, rc_ptr_base<T, Deleter>>;

public:
    rc_ptr() : lock_(Singleton::Handle()), next_(this), prev_(this), p_(nullptr) {}
    explicit rc_ptr(T* p) : lock_(Singleton::Handle()), next_(this), prev_(this), p_(p) {}
    rc_ptr(const rc_ptr& other) : lock_(Singleton::Handle()), next_(this), prev_(this), p_(nullptr)
    {
        Join(other);
    }
    rc_ptr& operator=(const rc_ptr& other)
    {
        if (&other != this && other.p_ != p_) {
            release();
            Join(other);
        }
        return *this;
    }
    ~rc_ptr() { release(); }

    // Drops this owner; the pointee goes with its last owner.
    void release()
    {
        Win32::CritSecLock lock(*lock_);
        if (next_ == this) {
            T* p = p_;
            p_ = nullptr;
            lock.Release();
            if (p)
                Deleter()(p);
        } else {
            prev_->next_ = next_;
            next_->prev_ = prev_;
            next_ = prev_ = this;
            p_ = nullptr;
        }
    }

    // Drops the current pointee and owns p alone.
    void reset(T* p = nullptr)
    {
        release();
        p_ = p;
    }

    T* get() const { return p_; }
    std::add_lvalue_reference_t<T> operator*() const { return *p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // True when no other owner shares the pointee.
    bool unique() const
    {
        Win32::CritSecLock lock(*lock_);
        return next_ == this;
    }

private:
    void Join(const rc_ptr& other)
    {
        Win32::CritSecLock lock(*lock_);
        rc_ptr& o = const_cast<rc_ptr&>(other);
        next_ = &o;
        prev_ = o.prev_;
        o.prev_->next_ = this;
        o.prev_ = this;
        p_ = o.p_;
    }

    LockHandle lock_;
    rc_ptr* next_;
    rc_ptr* prev_;
    T* p_;
};

} // namespace Kyvant
