// The administration interface of the Indexing Service object
// "Microsoft.ISAdm", as this suite calls it. The method order below is the
// one contract between the suite and whatever object answers the ProgID;
// keep it the only declaration of the interface.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace Kyvant {
namespace IndexingService {

constexpr IID kIID_IAdminService = {
    0x3bc4f3a0, 0x652a, 0x11d1, {0xb4, 0xd4, 0x00, 0xc0, 0x4f, 0xc2, 0xdb, 0x8d}};

constexpr wchar_t kAdminProgId[] = L"Microsoft.ISAdm";

// A dual interface: the automation methods come first, then these, in this order.
struct IAdminService : public IDispatch {
    // The computer whose service the object manages; empty: this computer.
    virtual HRESULT STDMETHODCALLTYPE put_MachineName(BSTR name) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_MachineName(BSTR* name) = 0;
    virtual HRESULT STDMETHODCALLTYPE Start() = 0;
    virtual HRESULT STDMETHODCALLTYPE Stop() = 0;
    virtual HRESULT STDMETHODCALLTYPE Pause() = 0;
    virtual HRESULT STDMETHODCALLTYPE Continue() = 0;
    virtual HRESULT STDMETHODCALLTYPE IsRunning(VARIANT_BOOL* running) = 0;
    virtual HRESULT STDMETHODCALLTYPE IsPaused(VARIANT_BOOL* paused) = 0;
};

} // namespace IndexingService
} // namespace Kyvant
