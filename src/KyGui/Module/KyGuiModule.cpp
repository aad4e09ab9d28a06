// Start-up of the GUI control library: it joins the layer's resource chain as
// an extension module, so its dialogs, strings and bitmaps are found by id.
#include "KyGui/Module/KyGuiModule.h"

#include "KyGui/Module/ExtensionModuleEntry.h"

namespace {

AFX_EXTENSION_MODULE g_extension = {FALSE, nullptr, nullptr};
HMODULE g_module = nullptr;

} // namespace

namespace Kyvant {

HMODULE KyGuiModule()
{
    return g_module;
}

} // namespace Kyvant

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    return Kyvant::ExtensionModuleEntry(g_extension, g_module, instance, reason);
}
