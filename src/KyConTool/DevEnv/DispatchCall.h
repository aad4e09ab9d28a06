// Calls on the environments' automation objects, made through IDispatch by
// member name; exported for the option pages that read a selection. Every
// failure is raised as `_com_error` with the member's HRESULT; an exception
// that the object reports (DISP_E_EXCEPTION) is raised with the code it
// carries.
#pragma once

#include "KyConTool/DevEnv/DevEnvPtrs.h"
#include "KyConTool/KyConToolExport.h"
#include "KyStd/Strings/String.h"

#include <initializer_list>

namespace Kyvant {
namespace DevEnv {

// The member's value: a property get or a method call with the arguments
// in their written order.
KYCONTOOL_API _variant_t Invoke(IDispatch* object, const wchar_t* member,
                                std::initializer_list<_variant_t> args = {});

// The value as an object; null for an empty, null or Nothing value.
KYCONTOOL_API DispatchPtr AsObject(const _variant_t& value);

// Typed shortcuts of Invoke.
KYCONTOOL_API DispatchPtr GetDispatch(IDispatch* object, const wchar_t* member,
                                      std::initializer_list<_variant_t> args = {});
KYCONTOOL_API ky_S GetText(IDispatch* object, const wchar_t* member,
                           std::initializer_list<_variant_t> args = {});
KYCONTOOL_API long GetLong(IDispatch* object, const wchar_t* member);

// Item i (1-based) of a collection object.
KYCONTOOL_API DispatchPtr Item(IDispatch* collection, long i);

// Calls visit(Item(collection, i)) for each i from 1 to the collection's
// Count; nothing for a null collection.
template <class Visit>
void ForEachItem(IDispatch* collection, Visit visit)
{
    if (!collection)
        return;
    for (long i = 1, n = GetLong(collection, L"Count"); i <= n; ++i)
        visit(Item(collection, i));
}

// Whether two pointers are the same COM object (their IUnknown identities).
KYCONTOOL_API bool SameObject(IUnknown* a, IUnknown* b);

} // namespace DevEnv
} // namespace Kyvant
