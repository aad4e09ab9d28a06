// A scriptable object whose members are set up by name: properties holding
// a value, methods given as functions, and members that fail. It answers
// IUnknown, IDispatch and any further interface identifiers it is told to
// (all served by its IDispatch), and logs the members called (a property
// put as the member's name followed by "="; it stores the value unless the
// member is a method). With an item
// list it is also a collection: Count, and Item by 1-based number or by the
// items' key member.
#pragma once

#include "devenv/ComRef.h"

#include <oaidl.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace DevEnvStandIn {

class DispObject : public IDispatch {
public:
    // The arguments in their written order; the result is left empty for
    // a member without value.
    using Method = std::function<HRESULT(const std::vector<VARIANT>& args, VARIANT* result)>;

    static ComRef<DispObject> New();
    // A collection of the items (Count and Item).
    static ComRef<DispObject> NewCollection(const std::vector<ComRef<DispObject>>& items = {});

    DispObject& Set(const std::wstring& name, const VARIANT& value);
    DispObject& Set(const std::wstring& name, const wchar_t* text);
    DispObject& Set(const std::wstring& name, long number);
    // An object value; null is Nothing.
    DispObject& Set(const std::wstring& name, IDispatch* object);
    DispObject& Define(const std::wstring& name, Method method);
    // Every later call of the member fails with hr: as the call's result, or
    // reported as an exception (DISP_E_EXCEPTION) carrying hr.
    DispObject& Fail(const std::wstring& name, HRESULT hr, bool asException);
    // The member that answers DISPID_VALUE (the object's default value).
    DispObject& Default(const std::wstring& name);
    DispObject& Answer(const IID& iid);
    // Asked for iid, the object hands out face instead of itself (an
    // environment object that also leads to another environment's).
    DispObject& Answer(const IID& iid, IDispatch* face);

    // Collection use: Item with a text finds the item whose key member
    // ("Name" unless set) equals it, ignoring case.
    DispObject& Add(DispObject* item);
    DispObject& KeyMember(const std::wstring& name);
    const std::vector<ComRef<DispObject>>& Items() const { return items_; }

    // The current value of a property; VT_EMPTY when there is none.
    VARIANT Value(const std::wstring& name) const;
    // The members called through IDispatch so far, in order.
    const std::vector<std::wstring>& Calls() const { return calls_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** out) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* info, UINT* badArg) override;

private:
    struct Member {
        std::wstring name;
        VARIANT value;
        Method method;
        HRESULT failure = S_OK;
        bool asException = false;
    };

    DispObject();
    virtual ~DispObject();
    Member& Find(const std::wstring& name);
    HRESULT Collect(const std::vector<VARIANT>& args, VARIANT* result) const;

    LONG refs_;
    std::vector<Member> members_; // DISPID = index + 1
    std::vector<IID> iids_;
    std::vector<std::pair<IID, ComRef<IDispatch>>> faces_;
    std::vector<std::wstring> calls_;
    std::vector<ComRef<DispObject>> items_;
    std::wstring key_;
    std::wstring default_;
};

} // namespace DevEnvStandIn
