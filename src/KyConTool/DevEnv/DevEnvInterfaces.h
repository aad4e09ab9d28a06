// The application objects of the two development environments as this
// library sees them: every member is reached through IDispatch by name, so
// only the interfaces' identities are declared here, with their smart
// pointers IApplicationPtr (Visual C++ 6) and _DTEPtr (VS.NET).
#pragma once

#include "KyStd/Shell/ComError.h"

#include <oaidl.h>

struct IApplication : IDispatch {};
struct _DTE : IDispatch {};

__CRT_UUID_DECL(IApplication, 0xEC1D73A1, 0x8CC4, 0x11CF, 0x9B, 0xE9, 0x00, 0xA0, 0xC9, 0x0A, 0x63,
                0x2C)
__CRT_UUID_DECL(_DTE, 0x04A72314, 0x32E9, 0x48E2, 0x9B, 0x87, 0xA6, 0x36, 0x03, 0x45, 0x4F, 0x3E)

_COM_SMARTPTR_TYPEDEF(IApplication, __uuidof(IApplication));
_COM_SMARTPTR_TYPEDEF(_DTE, __uuidof(_DTE));
