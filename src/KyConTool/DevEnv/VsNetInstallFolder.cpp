// VS.NET's Visual C++ installation folder, from the project engine or "VCINSTALLDIR".
#include "KyConTool/DevEnv/VsNetInstallFolder.h"

#include "KyConTool/DevEnv/DispatchCall.h"

#include <cstdlib>

namespace Kyvant {
namespace DevEnv {

namespace {

// The Visual C++ project engines of VS.NET 2003 (7.1) and 2002 (7.0).
const CLSID kEngine71 = {
    0x680CFEFF, 0x11B2, 0x4331, {0xAD, 0x02, 0x9E, 0xAC, 0xE3, 0x51, 0xC7, 0x5F}};
const CLSID kEngine70 = {
    0x9F367027, 0x33C6, 0x11D3, {0x8D, 0x52, 0x00, 0xC0, 0x4F, 0x8E, 0xCD, 0xB6}};

const wchar_t kInstallDirMacro[] = L"$(VcInstallDir)";

} // namespace

ky_S EvaluateEngineMacro(const CLSID& engine, const wchar_t* macro)
{
    IDispatch* created = nullptr;
    if (FAILED(CoCreateInstance(engine, nullptr, CLSCTX_ALL, IID_IDispatch,
                                reinterpret_cast<void**>(&created))) ||
        !created)
        return ky_S();
    DispatchPtr object(created, false);
    try {
        DispatchPtr platform =
            GetDispatch(GetDispatch(object, L"Platforms"), L"Item", {_variant_t(L"Win32")});
        return GetText(platform, L"Evaluate", {_variant_t(macro)});
    } catch (const _com_error&) {
        return ky_S();
    }
}

ky_F FindVsNetInstallFolder(IDispatch* dte)
{
    if (dte) {
        ky_S version = GetText(dte, L"Version");
        if (version.compare(0, 3, "7.1", 3) == 0)
            return EvaluateEngineMacro(kEngine71, kInstallDirMacro);
        if (version.compare(0, 3, "7.0", 3) == 0)
            return EvaluateEngineMacro(kEngine70, kInstallDirMacro);
        return ky_F();
    }
    const char* root = std::getenv("VCINSTALLDIR");
    if (root && *root)
        return ky_F().ToPath(root, "Vc7");
    return EvaluateEngineMacro(kEngine70, kInstallDirMacro);
}

ky_F VsNetInstallFolder(IDispatch* dte)
{
    static ky_F kept;
    if (kept.empty())
        kept = FindVsNetInstallFolder(dte);
    return kept;
}

} // namespace DevEnv
} // namespace Kyvant
