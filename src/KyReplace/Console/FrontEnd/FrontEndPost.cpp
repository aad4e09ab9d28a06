// Posting to the Replace front-end's window, retried while its process and window are there.
#include "KyReplace/Console/FrontEnd/FrontEndPost.h"

namespace Kyvant {

bool FrontEndPresent(HWND window, const CRT::Process& frontEnd)
{
    return IsWindow(window) && WaitForSingleObject(frontEnd.get(), 0) == WAIT_TIMEOUT;
}

bool PostToFrontEnd(HWND window, WPARAM wParam, LPARAM lParam, const CRT::Process& frontEnd)
{
    while (!PostMessageA(window, kFrontEndMessage, wParam, lParam)) {
        if (!FrontEndPresent(window, frontEnd))
            return false;
        Sleep(0);
    }
    return true;
}

} // namespace Kyvant
