// Opening a file through the shell with a verb or its default action.
#pragma once

#include "KyStd/KyStdExport.h"

#include <windows.h>
#include <shellapi.h>

namespace Kyvant {
namespace Shell {

// The function LaunchFile hands its request to; ShellExecuteExA unless
// replaced (tests replace it so that nothing is started).
using ShellExecuteFunction = BOOL(WINAPI*)(SHELLEXECUTEINFOA* info);

// Installs f (null: ShellExecuteExA again) and returns the one it replaces.
KYSTD_API ShellExecuteFunction SetShellExecuteFunction(ShellExecuteFunction f);

// Hands a request of the caller's own making (owner window, verb, mask) to
// the installed function; false when it fails, with the thread's last error
// set. Never throws.
KYSTD_API bool RunShellExecute(SHELLEXECUTEINFOA& info);

// Opens file with the parameters, shown normally and without an owner window
// (hwnd is not used). With a verb, that verb; "properties" (any case) asks
// for the item's context-menu verb. Without a verb, the default action; when
// the shell reports that the file type has no association, the Open With
// dialog ("openas") decides the result. Never throws; a null file is false.
KYSTD_API bool LaunchFile(const char* file, const char* parameters = nullptr,
                          const char* verb = nullptr, HWND hwnd = nullptr);

} // namespace Shell
} // namespace Kyvant
