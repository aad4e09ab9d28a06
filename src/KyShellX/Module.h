// The shell extension's module state: its handle, its class and the count of live objects.
#pragma once

#include <windows.h>

namespace KyShellX {

// {57E25520-4EBA-11D2-AF21-00E0291D2688}, the one class served.
extern const CLSID kShellExtClsid;

HINSTANCE ModuleHandle();
void SetModuleHandle(HINSTANCE module);

// Class factories and extension objects alive in the process; changed only
// by interlocked increment and decrement.
void ObjectCreated();
void ObjectDestroyed();
LONG ObjectCount();

} // namespace KyShellX
