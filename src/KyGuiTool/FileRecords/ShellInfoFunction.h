// The shell-information call through which file records learn icons, type
// names and shell attributes, replaceable so that tests can count and answer
// the queries.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"

#include <windows.h>
#include <shellapi.h>

namespace Kyvant {
namespace ShFileRec {

// The signature of SHGetFileInfoA.
using ShellInfoFunction = DWORD_PTR(WINAPI*)(LPCSTR path, DWORD attributes, SHFILEINFOA* info,
                                             UINT infoSize, UINT flags);

// Installs f (null: SHGetFileInfoA again) and returns the one it replaces.
KYGUITOOL_API ShellInfoFunction SetShellInfoFunction(ShellInfoFunction f);

// Calls the installed function.
KYGUITOOL_API DWORD_PTR GetShellInfo(LPCSTR path, DWORD attributes, SHFILEINFOA& info, UINT flags);

} // namespace ShFileRec
} // namespace Kyvant
