// UserEx: input-message groups, the busy-loop pump and the visual-styles test.
#include "KyGui/Helpers/UserEx.h"

#include "KyGui/Helpers/VisualStyles.h"
#include "KyStd/Win32/OsVersion.h"

#include <afxpriv.h>
#include <afxwin.h>

namespace Kyvant {
namespace UserEx {

namespace {

bool IsKeyboardMessage(UINT message)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_CONTEXTMENU:
        return true;
    default:
        return false;
    }
}

bool IsMouseMessage(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
    case WM_XBUTTONDOWN:
    case WM_XBUTTONUP:
    case WM_XBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
    case WM_NCMBUTTONDBLCLK:
    case WM_NCXBUTTONDOWN:
    case WM_NCXBUTTONUP:
    case WM_NCXBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

bool IsCommandMessage(UINT message)
{
    return message == WM_COMMAND || message == WM_SYSCOMMAND || message == WM_CONTEXTMENU;
}

bool IsAimedAt(HWND busyWindow, HWND target)
{
    return busyWindow == nullptr || target == busyWindow || ::IsChild(busyWindow, target);
}

const char kDialogClass[] = "#32770";

// A dialog that is none of the framework's windows: a message box, say,
// which the framework's PreTranslateMessage does not serve.
bool IsPlainDialog(HWND window)
{
    char name[sizeof kDialogClass + 1] = "";
    return window != nullptr && ::GetClassNameA(window, name, sizeof name) > 0 &&
           lstrcmpA(name, kDialogClass) == 0 && CWnd::FromHandlePermanent(window) == nullptr;
}

// The active dialog's keys (Enter, Esc, Tab, arrows, mnemonics), as its own
// modal loop gives them: a loop that runs while a message box is up (a wait
// begun from inside the box's loop) serves the box's keys too, before any
// of the framework's windows may translate them. True when the dialog took
// the message.
bool GivenToActiveDialog(MSG& msg)
{
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    const HWND active = ::GetActiveWindow();
    if (!IsPlainDialog(active) || (msg.hwnd != active && !::IsChild(active, msg.hwnd)))
        return false;
    return ::IsDialogMessageA(active, &msg) != FALSE;
}

using IsAppThemedFn = BOOL(WINAPI*)();

IsAppThemedFn ThemeQuery()
{
    static const IsAppThemedFn query = VisualStyles::Function<IsAppThemedFn>("IsAppThemed");
    return query;
}

} // namespace

bool IsInputMessage(UINT message, bool keyboard, bool mouse, bool commands)
{
    return (keyboard && IsKeyboardMessage(message)) || (mouse && IsMouseMessage(message)) ||
           (commands && IsCommandMessage(message));
}

bool PumpMessagesDiscardingInputMessages(HWND busyWindow)
{
    MSG msg;
    if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        // Dispatched, it would be lost and the outer loop would never end.
        ::PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    if (msg.message == WM_KICKIDLE)
        return true;
    if (IsInputMessage(msg.message) && IsAimedAt(busyWindow, msg.hwnd))
        return true;
    if (GivenToActiveDialog(msg))
        return true;
    CWinThread* thread = AfxGetThread();
    if (thread == nullptr || !thread->PreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return true;
}

bool IsAppThemed()
{
    if (!OsVersion::AtLeastXP())
        return false;
    IsAppThemedFn query = ThemeQuery();
    return query != nullptr && query() != FALSE;
}

} // namespace UserEx
} // namespace Kyvant
