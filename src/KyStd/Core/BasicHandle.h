// Shared OS-handle holder: copies share one handle, closed by the traits'
// close function when the last copy goes; a null handle is never closed.
#pragma once

#include "KyStd/Core/RcPtr.h"

#include <windows.h>

namespace Kyvant {
namespace Win32 {

template <class H>
struct HandleTraits {
    static void Close(H h) { CloseHandle(h); }
};

template <>
struct HandleTraits<HKEY> {
    static void Close(HKEY h) { RegCloseKey(h); }
};

template <class Traits>
struct HandleDeleter {
    template <class P>
    void operator()(P* p) const
    {
        Traits::Close(reinterpret_cast<decltype(Traits::Null())>(p));
    }
};

template <class H, class Traits = HandleTraits<H>>
class BasicHandle {
    struct CloseTraits {
        static H Null() { return H(); }
        static void Close(H h) { Traits::Close(h); }
    };
    using Ptr = rc_ptr<void, HandleDeleter<CloseTraits>>;

public:
    BasicHandle() {}
    explicit BasicHandle(H h) : p_(reinterpret_cast<void*>(h)) {}
    virtual ~BasicHandle() {}

    H get() const { return reinterpret_cast<H>(p_.get()); }
    bool empty() const { return p_.get() == nullptr; }
    // Takes ownership of h, dropping the handle held before.
    void attach(H h) { p_.reset(reinterpret_cast<void*>(h)); }
    // Drops this copy's share; the handle is closed with the last copy.
    void close() { p_.release(); }

private:
    Ptr p_;
};

} // namespace Win32
} // namespace Kyvant
