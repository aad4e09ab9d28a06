// Opening a file through ShellExecuteExA or its stand-in, retried with "openas" when unassociated.
#include "KyStd/Shell/ShellLaunch.h"

#include <atomic>

namespace Kyvant {
namespace Shell {

namespace {

// The shell's own launch, called (not taken by address) so that shell32 is
// loaded only when something is opened.
BOOL WINAPI SystemShellExecute(SHELLEXECUTEINFOA* info)
{
    return ShellExecuteExA(info);
}

std::atomic<ShellExecuteFunction>& Launcher()
{
    static std::atomic<ShellExecuteFunction> f{&SystemShellExecute};
    return f;
}

// The shell reports a missing association either as the SE_ERR code in
// hInstApp (which some versions fill with the Win32 code instead) or as the
// Win32 code of the thread's last error.
bool NoAssociation(const SHELLEXECUTEINFOA& info, DWORD lastError)
{
    auto code = reinterpret_cast<INT_PTR>(info.hInstApp);
    return code == SE_ERR_NOASSOC || code == ERROR_NO_ASSOCIATION ||
           lastError == ERROR_NO_ASSOCIATION;
}

bool Execute(SHELLEXECUTEINFOA& info, DWORD& lastError)
{
    SetLastError(ERROR_SUCCESS);
    BOOL ok = FALSE;
    try {
        ok = Launcher().load()(&info);
    } catch (...) {
        ok = FALSE;
    }
    lastError = GetLastError();
    return ok != FALSE;
}

} // namespace

ShellExecuteFunction SetShellExecuteFunction(ShellExecuteFunction f)
{
    return Launcher().exchange(f ? f : &SystemShellExecute);
}

bool RunShellExecute(SHELLEXECUTEINFOA& info)
{
    DWORD lastError = 0;
    const bool ok = Execute(info, lastError);
    SetLastError(lastError);
    return ok;
}

bool LaunchFile(const char* file, const char* parameters, const char* verb, HWND)
{
    if (!file)
        return false;
    if (verb && !*verb)
        verb = nullptr; // the shell reads an empty verb as the default action
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.lpVerb = verb;
    info.lpFile = file;
    info.lpParameters = parameters;
    info.nShow = SW_SHOWNORMAL;
    if (verb && lstrcmpiA(verb, "properties") == 0)
        info.fMask |= SEE_MASK_INVOKEIDLIST;

    DWORD lastError = 0;
    if (Execute(info, lastError))
        return true;
    if (verb || !NoAssociation(info, lastError))
        return false;

    SHELLEXECUTEINFOA openAs = {};
    openAs.cbSize = sizeof openAs;
    openAs.lpVerb = "openas";
    openAs.lpFile = file;
    openAs.lpParameters = parameters;
    openAs.nShow = SW_SHOWNORMAL;
    return Execute(openAs, lastError);
}

} // namespace Shell
} // namespace Kyvant
