// The add-in's module state: its handle, its file name and the count of live objects.
#pragma once

#include <windows.h>

#include <string>

namespace KyAddIn {

HINSTANCE ModuleHandle();
void SetModuleHandle(HINSTANCE module);
// The full path of the DLL.
std::string ModulePath();

void ObjectCreated();
void ObjectDestroyed();
LONG ObjectCount();

} // namespace KyAddIn
