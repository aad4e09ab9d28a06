// A tool started from the environment: reads the published object as the
// console tools do and writes what it found to the file named by its argument:
// "reach_active=<hr> reach_interface=<hr>" (how far the published
// object answers), "probe_found=1|0", "probe_version=..." (VS.NET, read by
// name) or "probe_error=<hr>" when the reader raised a COM error.
#include "KyConTool/DevEnv/DevEnvAccess.h"

#include "common/WholeFile.h"

#include <windows.h>

#include <sstream>
#include <string>

namespace {

std::string VersionOf(IDispatch* dte)
{
    wchar_t name[] = L"Version";
    LPOLESTR names[] = {name};
    DISPID id = 0;
    if (FAILED(dte->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id)))
        return "<no name>";
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    VARIANT value;
    VariantInit(&value);
    if (FAILED(dte->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value,
                           nullptr, nullptr)) ||
        value.vt != VT_BSTR)
        return "<no value>";
    std::wstring wide(value.bstrVal, SysStringLen(value.bstrVal));
    VariantClear(&value);
    return std::string(wide.begin(), wide.end());
}

// How far the published object is reachable: GetActiveObject on the class
// the variable names, then the slot's interface.
std::string Reach()
{
    std::ostringstream out;
    char text[64];
    if (!GetEnvironmentVariableA("KYVANT_VC_CLSID", text, sizeof text))
        return "reach=no variable\n";
    wchar_t wide[64];
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 64);
    CLSID clsid;
    CLSIDFromString(wide, &clsid);
    IUnknown* object = nullptr;
    out << std::hex << "reach_active="
        << static_cast<unsigned long>(GetActiveObject(clsid, nullptr, &object));
    if (object) {
        IID iid = clsid;
        iid.Data1 -= 1; // each slot's interface precedes its class
        IUnknown* face = nullptr;
        out << " reach_interface="
            << static_cast<unsigned long>(
                   object->QueryInterface(iid, reinterpret_cast<void**>(&face)));
        if (face)
            face->Release();
        object->Release();
    }
    out << "\n";
    return out.str();
}

std::string Probe()
{
    std::ostringstream out;
    out << Reach();
    try {
        if (Kyvant::LaunchedByVsNet()) {
            _DTEPtr dte;
            const bool found = Kyvant::GetVsNet(dte, true, true, false);
            out << "probe_found=" << found << "\n";
            if (dte)
                out << "probe_version=" << VersionOf(dte) << "\n";
        } else {
            IApplicationPtr app;
            const bool found = Kyvant::GetMsDev(app, true, true, false);
            out << "probe_found=" << found << "\n";
        }
    } catch (const _com_error& e) {
        out << "probe_error=" << std::hex << static_cast<unsigned long>(e.Error()) << "\n";
    }
    return out.str();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    CoInitialize(nullptr);
    const std::string text = Probe();
    CoUninitialize();
    kytest::WriteFile(argv[1], text);
    return 0;
}
