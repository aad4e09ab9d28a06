// The add-in's hand-off object: its four dual interfaces and what each one answers.
#include "devenv/HandoffObject.h"

namespace DevEnvStandIn {

const CLSID kHandoffClasses[4] = {
    {0x2DF49261, 0xE61A, 0x11D3, {0xB2, 0x9C, 0x00, 0xE0, 0x29, 0x1D, 0x26, 0x88}},
    {0x2DF49263, 0xE61A, 0x11D3, {0xB2, 0x9C, 0x00, 0xE0, 0x29, 0x1D, 0x26, 0x88}},
    {0x2DF49265, 0xE61A, 0x11D3, {0xB2, 0x9C, 0x00, 0xE0, 0x29, 0x1D, 0x26, 0x88}},
    {0x2DF49267, 0xE61A, 0x11D3, {0xB2, 0x9C, 0x00, 0xE0, 0x29, 0x1D, 0x26, 0x88}},
};
const IID kHandoffInterfaces[4] = {
    {0x2DF49260, 0xE61A, 0x11D3, {0xB2, 0x9C, 0x00, 0xE0, 0x29, 0x1D, 0x26, 0x88}},
    {0x2DF49262, 0xE61A, 0x11D3, {0xB2, 0x9C, 0x00, 0xE0, 0x29, 0x1D, 0x26, 0x88}},
    {0x2DF49264, 0xE61A, 0x11D3, {0xB2, 0x9C, 0x00, 0xE0, 0x29, 0x1D, 0x26, 0x88}},
    {0x2DF49266, 0xE61A, 0x11D3, {0xB2, 0x9C, 0x00, 0xE0, 0x29, 0x1D, 0x26, 0x88}},
};

HandoffObject::HandoffObject() : refs_(1), lastUsed_(-1)
{
    for (int k = 0; k < 4; ++k) {
        faces_[k].owner = this;
        faces_[k].index = k;
    }
}

HandoffObject::~HandoffObject()
{
    for (Face& f : faces_)
        if (f.app)
            f.app->Release();
}

ComRef<HandoffObject> HandoffObject::New()
{
    return ComRef<HandoffObject>(new HandoffObject, false);
}

void HandoffObject::Answer(int k, IUnknown* app, HRESULT hr)
{
    Face& f = faces_[k];
    if (app)
        app->AddRef();
    if (f.app)
        f.app->Release();
    f.answered = true;
    f.app = app;
    f.result = hr;
}

HRESULT HandoffObject::QueryInterface(REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown)
        *out = static_cast<IUnknown*>(this);
    for (Face& f : faces_)
        if (f.answered && iid == kHandoffInterfaces[f.index])
            *out = static_cast<IDispatch*>(&f);
    if (!*out)
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG HandoffObject::AddRef()
{
    return InterlockedIncrement(&refs_);
}

ULONG HandoffObject::Release()
{
    LONG n = InterlockedDecrement(&refs_);
    if (n == 0)
        delete this;
    return n;
}

HRESULT HandoffObject::Face::QueryInterface(REFIID iid, void** out)
{
    if (iid == IID_IDispatch && out) {
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    return owner->QueryInterface(iid, out);
}

ULONG HandoffObject::Face::AddRef()
{
    return owner->AddRef();
}

ULONG HandoffObject::Face::Release()
{
    return owner->Release();
}

HRESULT HandoffObject::Face::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT HandoffObject::Face::GetTypeInfo(UINT, LCID, ITypeInfo** out)
{
    if (out)
        *out = nullptr;
    return E_NOTIMPL;
}

HRESULT HandoffObject::Face::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return DISP_E_UNKNOWNNAME;
}

HRESULT HandoffObject::Face::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                    UINT*)
{
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT HandoffObject::Face::GetVcAppUnk(IUnknown** out)
{
    owner->lastUsed_ = index;
    if (!out)
        return E_POINTER;
    *out = app;
    if (app)
        app->AddRef();
    return result;
}

} // namespace DevEnvStandIn
