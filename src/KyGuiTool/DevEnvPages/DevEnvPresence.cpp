// The presence checks of the two development environments: the registry's
// class names for "installed", the running-object table for "running".
#include "KyGuiTool/DevEnvPages/DevEnvPresence.h"

#include "KyConTool/DevEnv/DevEnvInterfaces.h"

#include <objbase.h>
#include <oleauto.h>

#include <string>

namespace Kyvant {

namespace {

// Developer Studio's application class.
const CLSID kDevStudioClass = {
    0xFB7FDAE2, 0x89B8, 0x11CF, {0x9B, 0xE8, 0x00, 0xA0, 0xC9, 0x0A, 0x63, 0x2C}};

// The program identifiers of Visual Studio .NET, most general first.
const char kDteProgId[] = "VisualStudio.DTE";
const char* const kDteNames[] = {kDteProgId, "VisualStudio.DTE.7.1", "VisualStudio.DTE.7"};
const char kClassTextStart = '{';

std::wstring Wide(const char* text)
{
    std::wstring wide;
    for (; *text != '\0'; ++text)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(*text));
    return wide;
}

// A class text in braces, or a program identifier.
bool ClassOf(const char* name, CLSID& clsid)
{
    std::wstring wide = Wide(name);
    const HRESULT hr = name[0] == kClassTextStart ? CLSIDFromString(&wide[0], &clsid)
                                                  : CLSIDFromProgID(wide.c_str(), &clsid);
    return SUCCEEDED(hr);
}

bool HasProgId(const CLSID& clsid)
{
    LPOLESTR progId = nullptr;
    const HRESULT hr = ProgIDFromCLSID(clsid, &progId);
    if (progId != nullptr)
        CoTaskMemFree(progId);
    return SUCCEEDED(hr);
}

// The class's running object answers the interface; both are let go at once.
bool RunningObjectAnswers(const CLSID& clsid, const IID& iid)
{
    IUnknown* object = nullptr;
    if (FAILED(GetActiveObject(clsid, nullptr, &object)) || object == nullptr)
        return false;
    void* face = nullptr;
    const HRESULT hr = object->QueryInterface(iid, &face);
    if (SUCCEEDED(hr) && face != nullptr)
        static_cast<IUnknown*>(face)->Release();
    object->Release();
    return SUCCEEDED(hr) && face != nullptr;
}

// Runs a check; anything it raises counts as no.
template <class Check>
bool Quietly(Check check)
{
    try {
        return check();
    } catch (...) {
        return false;
    }
}

} // namespace

namespace VC {

bool IsPresent()
{
    static const bool present = Quietly([] { return HasProgId(kDevStudioClass); });
    return present;
}

bool IsRunning()
{
    return IsPresent() &&
           Quietly([] { return RunningObjectAnswers(kDevStudioClass, __uuidof(IApplication)); });
}

} // namespace VC

namespace VsNet {

bool IsPresent()
{
    static const bool present = Quietly([] {
        CLSID clsid;
        return ClassOf(kDteProgId, clsid);
    });
    return present;
}

bool IsRunning()
{
    if (!IsPresent())
        return false;
    return Quietly([] {
        for (const char* name : kDteNames) {
            CLSID clsid;
            if (ClassOf(name, clsid) && RunningObjectAnswers(clsid, __uuidof(_DTE)))
                return true;
        }
        return false;
    });
}

} // namespace VsNet
} // namespace Kyvant
