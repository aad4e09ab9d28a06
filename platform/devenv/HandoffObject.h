// The object that the environment's Kyvant add-in publishes in the
// running-object table: one of four dual interfaces, each with the one
// method GetVcAppUnk after the IDispatch methods. Each interface can be
// answered or not, and can hand out its own object or failure, so that a
// test sees which interface the reader used.
#pragma once

#include "devenv/ComRef.h"

#include <oaidl.h>

namespace DevEnvStandIn {

// The published classes and their interfaces, in the reader's order.
extern const CLSID kHandoffClasses[4];
extern const IID kHandoffInterfaces[4];

class HandoffObject : public IUnknown {
public:
    static ComRef<HandoffObject> New();

    // Interface k (0 to 3) is answered; its GetVcAppUnk gives app (null
    // allowed) and returns hr.
    void Answer(int k, IUnknown* app, HRESULT hr = S_OK);
    // The interface whose GetVcAppUnk was called last; -1 for none.
    int LastUsed() const { return lastUsed_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

private:
    // One published interface, a tear-off of the object.
    class Face : public IDispatch {
    public:
        HandoffObject* owner = nullptr;
        int index = 0;
        bool answered = false;
        IUnknown* app = nullptr;
        HRESULT result = S_OK;

        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
        ULONG STDMETHODCALLTYPE AddRef() override;
        ULONG STDMETHODCALLTYPE Release() override;
        HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
        HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** out) override;
        HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
        HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                         EXCEPINFO*, UINT*) override;
        virtual HRESULT STDMETHODCALLTYPE GetVcAppUnk(IUnknown** out);
    };

    HandoffObject();
    virtual ~HandoffObject();

    LONG refs_;
    Face faces_[4];
    int lastUsed_;
};

} // namespace DevEnvStandIn
