// The scriptable object: members set up by name, collections, and its IDispatch calls.
#include "devenv/DispObject.h"

#include <oleauto.h>

#include <algorithm>
#include <wchar.h>

namespace DevEnvStandIn {

DispObject::DispObject() : refs_(1), key_(L"Name") {}

DispObject::~DispObject()
{
    for (Member& m : members_)
        VariantClear(&m.value);
}

ComRef<DispObject> DispObject::New()
{
    return ComRef<DispObject>(new DispObject, false);
}

ComRef<DispObject> DispObject::NewCollection(const std::vector<ComRef<DispObject>>& items)
{
    ComRef<DispObject> c = New();
    DispObject* self = c.get();
    for (const ComRef<DispObject>& item : items)
        c->Add(item.get());
    c->Define(L"Count", [self](const std::vector<VARIANT>&, VARIANT* result) {
        V_VT(result) = VT_I4;
        V_I4(result) = static_cast<LONG>(self->items_.size());
        return S_OK;
    });
    c->Define(L"Item", [self](const std::vector<VARIANT>& args, VARIANT* result) {
        return self->Collect(args, result);
    });
    return c;
}

HRESULT DispObject::Collect(const std::vector<VARIANT>& args, VARIANT* result) const
{
    if (args.size() != 1)
        return DISP_E_BADPARAMCOUNT;
    const DispObject* found = nullptr;
    VARIANT arg = args[0];
    if (V_VT(&arg) == VT_BSTR) {
        for (const ComRef<DispObject>& item : items_) {
            VARIANT key = item->Value(key_);
            if (V_VT(&key) == VT_BSTR && _wcsicmp(V_BSTR(&key), V_BSTR(&arg)) == 0)
                found = item.get();
            VariantClear(&key);
            if (found)
                break;
        }
    } else {
        VARIANT index;
        VariantInit(&index);
        if (FAILED(VariantChangeType(&index, &arg, 0, VT_I4)))
            return DISP_E_TYPEMISMATCH;
        if (V_I4(&index) >= 1 && static_cast<size_t>(V_I4(&index)) <= items_.size())
            found = items_[V_I4(&index) - 1].get();
    }
    if (!found)
        return E_INVALIDARG;
    V_VT(result) = VT_DISPATCH;
    V_DISPATCH(result) = const_cast<DispObject*>(found);
    V_DISPATCH(result)->AddRef();
    return S_OK;
}

DispObject::Member& DispObject::Find(const std::wstring& name)
{
    for (Member& m : members_)
        if (_wcsicmp(m.name.c_str(), name.c_str()) == 0)
            return m;
    members_.emplace_back();
    Member& m = members_.back();
    m.name = name;
    VariantInit(&m.value);
    return m;
}

DispObject& DispObject::Set(const std::wstring& name, const VARIANT& value)
{
    Member& m = Find(name);
    VariantClear(&m.value);
    VariantCopy(&m.value, const_cast<VARIANT*>(&value));
    m.method = nullptr;
    return *this;
}

DispObject& DispObject::Set(const std::wstring& name, const wchar_t* text)
{
    VARIANT v;
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocString(text);
    Set(name, v);
    VariantClear(&v);
    return *this;
}

DispObject& DispObject::Set(const std::wstring& name, long number)
{
    VARIANT v;
    V_VT(&v) = VT_I4;
    V_I4(&v) = number;
    return Set(name, v);
}

DispObject& DispObject::Set(const std::wstring& name, IDispatch* object)
{
    VARIANT v;
    V_VT(&v) = VT_DISPATCH;
    V_DISPATCH(&v) = object;
    return Set(name, v);
}

DispObject& DispObject::Define(const std::wstring& name, Method method)
{
    Find(name).method = std::move(method);
    return *this;
}

DispObject& DispObject::Fail(const std::wstring& name, HRESULT hr, bool asException)
{
    Member& m = Find(name);
    m.failure = hr;
    m.asException = asException;
    return *this;
}

DispObject& DispObject::Default(const std::wstring& name)
{
    default_ = name;
    return *this;
}

DispObject& DispObject::Answer(const IID& iid)
{
    iids_.push_back(iid);
    return *this;
}

DispObject& DispObject::Answer(const IID& iid, IDispatch* face)
{
    faces_.emplace_back(iid, ComRef<IDispatch>(face));
    return *this;
}

DispObject& DispObject::Add(DispObject* item)
{
    items_.emplace_back(item);
    return *this;
}

DispObject& DispObject::KeyMember(const std::wstring& name)
{
    key_ = name;
    return *this;
}

VARIANT DispObject::Value(const std::wstring& name) const
{
    VARIANT v;
    VariantInit(&v);
    for (const Member& m : members_)
        if (_wcsicmp(m.name.c_str(), name.c_str()) == 0)
            VariantCopy(&v, const_cast<VARIANT*>(&m.value));
    return v;
}

HRESULT DispObject::QueryInterface(REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    for (const auto& face : faces_) {
        if (face.first == iid)
            return face.second->QueryInterface(IID_IDispatch, out);
    }
    bool answered = iid == IID_IUnknown || iid == IID_IDispatch ||
                    std::find(iids_.begin(), iids_.end(), iid) != iids_.end();
    *out = answered ? static_cast<IDispatch*>(this) : nullptr;
    if (!answered)
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG DispObject::AddRef()
{
    return InterlockedIncrement(&refs_);
}

ULONG DispObject::Release()
{
    LONG n = InterlockedDecrement(&refs_);
    if (n == 0)
        delete this;
    return n;
}

HRESULT DispObject::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT DispObject::GetTypeInfo(UINT, LCID, ITypeInfo** out)
{
    if (out)
        *out = nullptr;
    return E_NOTIMPL;
}

HRESULT DispObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (!names || !ids || count == 0)
        return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    for (size_t i = 0; i < members_.size(); ++i)
        if (_wcsicmp(members_[i].name.c_str(), names[0]) == 0) {
            ids[0] = static_cast<DISPID>(i + 1);
            return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
        }
    return DISP_E_UNKNOWNNAME;
}

HRESULT DispObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                           EXCEPINFO* info, UINT*)
{
    if (id == DISPID_VALUE && !default_.empty()) {
        auto it = std::find_if(members_.begin(), members_.end(), [this](const Member& m) {
            return _wcsicmp(m.name.c_str(), default_.c_str()) == 0;
        });
        id = it == members_.end() ? DISPID_UNKNOWN : static_cast<DISPID>(it - members_.begin() + 1);
    }
    if (id < 1 || static_cast<size_t>(id) > members_.size())
        return DISP_E_MEMBERNOTFOUND;
    Member& m = members_[id - 1];
    const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    calls_.push_back(put ? m.name + L"=" : m.name);
    if (FAILED(m.failure)) {
        if (!m.asException)
            return m.failure;
        if (info) {
            *info = EXCEPINFO();
            info->scode = m.failure;
            info->bstrDescription = SysAllocString(L"Stand-in failure");
        }
        return DISP_E_EXCEPTION;
    }
    std::vector<VARIANT> args;
    if (params)
        for (UINT i = params->cArgs; i > 0; --i)
            args.push_back(params->rgvarg[i - 1]);
    VARIANT local;
    VariantInit(&local);
    VARIANT* out = result ? result : &local;
    VariantInit(out);
    HRESULT hr = S_OK;
    if (m.method) {
        Method method = m.method; // the call may redefine the member
        hr = method(args, out);
    } else if (put) {
        hr = args.size() == 1 ? VariantCopy(&m.value, &args[0]) : DISP_E_BADPARAMCOUNT;
    } else if (!args.empty()) {
        hr = DISP_E_BADPARAMCOUNT;
    } else {
        hr = VariantCopy(out, const_cast<VARIANT*>(&m.value));
    }
    VariantClear(&local);
    return hr;
}

} // namespace DevEnvStandIn
