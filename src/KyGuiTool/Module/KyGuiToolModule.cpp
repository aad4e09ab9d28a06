// Start-up of the GUI tool framework: it joins the layer's resource chain as
// an extension module, so its dialogs, strings and icons are found by id.
#include "KyGuiTool/Module/KyGuiToolModule.h"

#include "KyGui/Module/ExtensionModuleEntry.h"

namespace {

AFX_EXTENSION_MODULE g_extension = {FALSE, nullptr, nullptr};
HMODULE g_module = nullptr;

} // namespace

namespace Kyvant {

HMODULE KyGuiToolModule()
{
    return g_module;
}

} // namespace Kyvant

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    return Kyvant::ExtensionModuleEntry(g_extension, g_module, instance, reason);
}
