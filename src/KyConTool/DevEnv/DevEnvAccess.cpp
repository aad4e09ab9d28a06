// Finding the environment: the add-in's hand-off object, or the first running instance by ProgID.
#include "KyConTool/DevEnv/DevEnvAccess.h"

#include "KyConTool/DevEnv/DevEnvPtrs.h"
#include "KyConTool/DevEnv/DevEnvWarning.h"
#include "KyStd/Shell/Co.h"

#include <cstdlib>
#include <vector>

using Kyvant::DevEnv::UnknownPtr;

namespace Kyvant {
namespace DevEnv {

// The add-in's published objects each offer one of these dual interfaces;
// its one method after the IDispatch methods hands out the environment's
// application object. (Not in an unnamed namespace: the objects come from
// another module, and the compiler must not assume it sees every class
// that implements it.)
struct IVcAppHandoff : IDispatch {
    virtual HRESULT STDMETHODCALLTYPE GetVcAppUnk(IUnknown** out) = 0;
};

} // namespace DevEnv
} // namespace Kyvant

using Kyvant::DevEnv::IVcAppHandoff;

namespace {

// Tried in this order.
const IID kHandoffIids[] = {
    {0x2DF49260, 0xE61A, 0x11D3, {0xB2, 0x9C, 0x00, 0xE0, 0x29, 0x1D, 0x26, 0x88}},
    {0x2DF49262, 0xE61A, 0x11D3, {0xB2, 0x9C, 0x00, 0xE0, 0x29, 0x1D, 0x26, 0x88}},
    {0x2DF49264, 0xE61A, 0x11D3, {0xB2, 0x9C, 0x00, 0xE0, 0x29, 0x1D, 0x26, 0x88}},
    {0x2DF49266, 0xE61A, 0x11D3, {0xB2, 0x9C, 0x00, 0xE0, 0x29, 0x1D, 0x26, 0x88}},
};

const char kVcVariable[] = "KYVANT_VC_CLSID";
const char kVsNetVariable[] = "KYVANT_VSNET_CLSID";
const char kOtherIdeWarning[] =
    "You are attempting to operate on a different VC++ or VS.NET instance than the one you used "
    "to start this Kyvant Tools program.";

bool g_msDevWarned = false;
bool g_vsNetWarned = false;

std::vector<wchar_t> Widen(const char* text)
{
    int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::vector<wchar_t> wide(n > 0 ? n : 1, L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), n);
    return wide;
}

// The running object of the class that text names (a class identifier in
// braces or a ProgID); null when the text names no class or none runs.
UnknownPtr RunningObject(const char* text)
{
    std::vector<wchar_t> wide = Widen(text);
    CLSID clsid;
    HRESULT hr = text[0] == '{' ? CLSIDFromString(wide.data(), &clsid)
                                : CLSIDFromProgID(wide.data(), &clsid);
    IUnknown* object = nullptr;
    if (FAILED(hr) || FAILED(GetActiveObject(clsid, nullptr, &object)))
        return nullptr;
    return UnknownPtr(object, false);
}

// The application object that the add-in of the environment that started
// this program hands out; null when no environment started it.
UnknownPtr ReadHandoffObject()
{
    const char* text = std::getenv(kVcVariable);
    if (!text)
        return nullptr;
    UnknownPtr published = RunningObject(text);
    if (published) {
        for (const IID& iid : kHandoffIids) {
            IVcAppHandoff* handoff = nullptr;
            if (FAILED(published->QueryInterface(iid, reinterpret_cast<void**>(&handoff))) ||
                !handoff)
                continue;
            IUnknown* app = nullptr;
            HRESULT hr = handoff->GetVcAppUnk(&app);
            if (FAILED(hr)) {
                if (app)
                    app->Release();
                UnknownPtr keep(handoff, false);
                _com_issue_errorex(hr, handoff, iid);
            }
            handoff->Release();
            if (!app)
                break;
            return UnknownPtr(app, false);
        }
    }
    Kyvant::Co::Throw(OLE_E_NOTRUNNING);
}

// The object's interface of Ptr; null when the object does not answer it.
template <class Ptr>
Ptr Ask(IUnknown* object)
{
    typename Ptr::Interface* p = nullptr;
    if (!object || FAILED(object->QueryInterface(Ptr::GetIID(), reinterpret_cast<void**>(&p))))
        return Ptr();
    return Ptr(p, false);
}

// One attempt of GetMsDev or GetVsNet with one ProgID.
template <class Ptr>
void Attempt(Ptr& out, const char* progId, bool noRunningObject, bool warnOtherIde, bool& warned)
{
    UnknownPtr handoff = ReadHandoffObject();
    Ptr app = Ask<Ptr>(handoff);
    if (!app) {
        if (handoff && warnOtherIde && !warned && Kyvant::DevEnv::Warn(kOtherIdeWarning, false))
            warned = true;
        if (!noRunningObject)
            app = Ask<Ptr>(RunningObject(progId));
    }
    out = app;
}

} // namespace

namespace Kyvant {

bool GetMsDev(IApplicationPtr& out, bool quiet, bool noRunningObject, bool warnOtherIde)
{
    Attempt(out, "MSDEV.APPLICATION", noRunningObject, warnOtherIde, g_msDevWarned);
    if (!out && !quiet)
        Co::Throw(OLE_E_NOTRUNNING);
    return out != nullptr;
}

bool GetVsNet(_DTEPtr& out, bool quiet, bool noRunningObject, bool warnOtherIde)
{
    static const char* const progIds[] = {"VisualStudio.DTE", "VisualStudio.DTE.7.1",
                                          "VisualStudio.DTE.7"};
    out = nullptr;
    for (const char* progId : progIds) {
        Attempt(out, progId, noRunningObject, warnOtherIde, g_vsNetWarned);
        if (out)
            break;
    }
    if (!out && !quiet)
        Co::Throw(OLE_E_NOTRUNNING);
    return out != nullptr;
}

bool LaunchedByMsDev()
{
    return std::getenv(kVcVariable) && !std::getenv(kVsNetVariable);
}

bool LaunchedByVsNet()
{
    return std::getenv(kVsNetVariable) != nullptr;
}

} // namespace Kyvant
