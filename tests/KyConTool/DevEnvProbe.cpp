// A process without a console application object (as a GUI option page
// is) asks for Visual C++ 6 while the hand-off names VS.NET. Exit code:
// 0 the running Visual C++ 6 was found, 1 nothing found, 2 an exception.
#include "devenv/DevEnvModel.h"
#include "devenv/HandoffObject.h"
#include "devenv/Registration.h"
#include "KyConTool/DevEnv/DevEnvAccess.h"

#include <cstdlib>
#include <exception>
#include <string>

using namespace DevEnvStandIn;

int main()
{
    CoInitialize(nullptr);
    int result = 2;
    {
        const CLSID msDevClass = {
            0x5e1a7c01, 0x1111, 0x4e2f, {0x9a, 0x10, 0x5b, 0x61, 0x7c, 0x2d, 0x3e, 0x09}};
        ComRef<DispObject> dte = Dte(L"7.1");
        ComRef<DispObject> msDev = VcApplication();
        ComRef<HandoffObject> handoff = HandoffObject::New();
        handoff->Answer(0, dte.get());
        RunningObject published(handoff.get(), kHandoffClasses[0]);
        ProgIdKey key(L"MSDEV.APPLICATION", msDevClass);
        RunningObject running(msDev.get(), msDevClass);
        std::string text = ClassText(kHandoffClasses[0]);
        _putenv(("KYVANT_VC_CLSID=" + text).c_str());
        _putenv(("KYVANT_VSNET_CLSID=" + text).c_str());
        try {
            IApplicationPtr app;
            result = Kyvant::GetMsDev(app, false, false, true) ? 0 : 1;
        } catch (...) {
            result = 2;
        }
    }
    CoUninitialize();
    return result;
}
