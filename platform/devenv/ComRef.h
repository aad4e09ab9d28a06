// An owning reference to a COM object of the stand-ins.
#pragma once

#include <utility>

namespace DevEnvStandIn {

template <class T>
class ComRef {
public:
    ComRef() : p_(nullptr) {}
    // Takes over one reference of p (addRef false) or adds one.
    explicit ComRef(T* p, bool addRef = true) : p_(p)
    {
        if (p_ && addRef)
            p_->AddRef();
    }
    ComRef(const ComRef& other) : ComRef(other.p_) {}
    ComRef(ComRef&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComRef& operator=(ComRef other) noexcept
    {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComRef()
    {
        if (p_)
            p_->Release();
    }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    T& operator*() const { return *p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_;
};

} // namespace DevEnvStandIn
