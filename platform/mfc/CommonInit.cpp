// Registering common-control classes: InitCommonControlsEx found at run time, InitCommonControls before it.
#include "AfxCommonInit.h"

void AfxInitCommonControl(DWORD dwIccClasses)
{
    typedef BOOL(WINAPI * InitEx)(const INITCOMMONCONTROLSEX*);
    HMODULE hComCtl = ::GetModuleHandleA("comctl32.dll");
    InitEx pfnInitEx = hComCtl ? reinterpret_cast<InitEx>(reinterpret_cast<void*>(::GetProcAddress(hComCtl, "InitCommonControlsEx")))
                               : nullptr;
    if (pfnInitEx != nullptr) {
        INITCOMMONCONTROLSEX init = { sizeof init, dwIccClasses };
        if (pfnInitEx(&init))
            return;
    }
    ::InitCommonControls();
}
