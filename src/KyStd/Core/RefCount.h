// Thread-safe reference counting and the counted handle ky_handle.
#pragma once

#include <windows.h>

#include <utility>

namespace Kyvant {

class RefCounter {
public:
    RefCounter() : count_(0) {}
    long AddRef() { return InterlockedIncrement(&count_); }
    long RemoveRef() { return InterlockedDecrement(&count_); }
    long Count() const { return count_; }

private:
    volatile LONG count_;
};

// An object with its own reference count, starting at 0; every holder adds one.
template <class T>
class RefCountedObject {
public:
    template <class... Args>
    explicit RefCountedObject(Args&&... args) : object_(std::forward<Args>(args)...)
    {
    }
    RefCountedObject(const RefCountedObject&) = delete;
    RefCountedObject& operator=(const RefCountedObject&) = delete;

    long AddRef() { return counter_.AddRef(); }
    long RemoveRef() { return counter_.RemoveRef(); }
    long Count() const { return counter_.Count(); }
    T& Object() { return object_; }
    const T& Object() const { return object_; }

private:
    RefCounter counter_;
    T object_;
};

// Counted handle: copies add a reference, the last release destroys the held
// object through DestroyHeld, so it is freed by code of this handle's type.
template <class T, class Holder = RefCountedObject<T>>
class ky_handle {
public:
    ky_handle() : holder_(nullptr) {}
    explicit ky_handle(Holder* holder) : holder_(holder)
    {
        if (holder_)
            holder_->AddRef();
    }
    ky_handle(const ky_handle& other) : holder_(other.holder_)
    {
        if (holder_)
            holder_->AddRef();
    }
    ky_handle& operator=(const ky_handle& other)
    {
        if (other.holder_ != holder_) {
            if (other.holder_)
                other.holder_->AddRef();
            Holder* old = holder_;
            holder_ = other.holder_;
            Release(old);
        }
        return *this;
    }
    virtual ~ky_handle() { Release(holder_); }

    void reset()
    {
        Holder* old = holder_;
        holder_ = nullptr;
        Release(old);
    }
    bool empty() const { return holder_ == nullptr; }
    Holder* holder() const { return holder_; }
    T* get() const { return holder_ ? &holder_->Object() : nullptr; }
    T& operator*() const { return holder_->Object(); }
    T* operator->() const { return &holder_->Object(); }

protected:
    virtual void DestroyHeld(Holder* holder) { delete holder; }

private:
    void Release(Holder* holder)
    {
        if (holder && holder->RemoveRef() == 0)
            DestroyHeld(holder);
    }

    Holder* holder_;
};

} // namespace Kyvant
