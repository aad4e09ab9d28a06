// IDispatch of the add-in's dual interfaces, served from its own type library.
#pragma once

#include <oaidl.h>

namespace KyAddIn {

// The type information of an interface of the embedded library; null when
// the library cannot be loaded. Loaded once per process.
ITypeInfo* TypeInfoOf(REFIID iid);

// The IDispatch members of an object whose dual interface is iid.
HRESULT DispatchTypeInfoCount(UINT* count);
HRESULT DispatchTypeInfo(REFIID iid, UINT index, ITypeInfo** out);
HRESULT DispatchIdsOfNames(REFIID iid, LPOLESTR* names, UINT count, DISPID* ids);
HRESULT DispatchInvoke(void* face, REFIID iid, DISPID id, WORD flags, DISPPARAMS* params,
                       VARIANT* result, EXCEPINFO* info, UINT* badArg);

} // namespace KyAddIn
