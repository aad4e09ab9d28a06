// The development environments' presence as the Find front-end asks for it, behind a replaceable
// table.
#include "KyFind/Gui/Editor/IdePresence.h"

#include <objbase.h>
#include <oleauto.h>

namespace Kyvant {
namespace FindEditor {

namespace {

// Developer Studio's application class, and VS.NET's program identifiers
// from the most general one.
const CLSID kDevStudioClass = {
    0xFB7FDAE2, 0x89B8, 0x11CF, {0x9B, 0xE8, 0x00, 0xA0, 0xC9, 0x0A, 0x63, 0x2C}};
const wchar_t* const kDteNames[] = {L"VisualStudio.DTE", L"VisualStudio.DTE.7.1",
                                    L"VisualStudio.DTE.7"};

bool VcPresent()
{
    LPOLESTR progId = nullptr;
    const HRESULT hr = ProgIDFromCLSID(kDevStudioClass, &progId);
    CoTaskMemFree(progId);
    return SUCCEEDED(hr);
}

bool VsNetPresent()
{
    CLSID clsid;
    return SUCCEEDED(CLSIDFromProgID(kDteNames[0], &clsid));
}

bool VsNetRunning()
{
    for (const wchar_t* name : kDteNames) {
        CLSID clsid;
        IUnknown* running = nullptr;
        if (SUCCEEDED(CLSIDFromProgID(name, &clsid)) &&
            SUCCEEDED(GetActiveObject(clsid, nullptr, &running)) && running) {
            running->Release();
            return true;
        }
    }
    return false;
}

const IdePresence kSystemPresence = {&VcPresent, &VsNetPresent, &VsNetRunning};
IdePresence g_presence = kSystemPresence;

} // namespace

const IdePresence& GetIdePresence()
{
    return g_presence;
}

IdePresence SetIdePresence(const IdePresence* presence)
{
    const IdePresence old = g_presence;
    g_presence = presence ? *presence : kSystemPresence;
    return old;
}

Ide IdeToUse()
{
    const IdePresence& p = GetIdePresence();
    if (p.vsNetPresent() && (!p.vcPresent() || p.vsNetRunning()))
        return Ide::VsNet;
    return p.vcPresent() ? Ide::VisualCpp : Ide::None;
}

} // namespace FindEditor
} // namespace Kyvant
