// KyStd's calls of the shell, COM and OLE Automation, found on first use
// (see LateImport.h), so that loading KyStd loads none of those DLLs.
#include "KyStd/Win32/LateImport.h"

#include <oleauto.h>
#include <shellapi.h>
#include <shlobj.h>

using Kyvant::Win32::kOle32Dll;
using Kyvant::Win32::kOleAut32Dll;
using Kyvant::Win32::kShell32Dll;

KY_LATE_IMPORT(kShell32Dll, SHGetDesktopFolder, 4)
KY_LATE_IMPORT(kShell32Dll, SHGetMalloc, 4)
KY_LATE_IMPORT(kShell32Dll, SHGetSpecialFolderLocation, 12)
KY_LATE_IMPORT(kShell32Dll, ShellExecuteExA, 4)
KY_LATE_IMPORT(kOle32Dll, CoCreateInstance, 20)
KY_LATE_IMPORT(kOle32Dll, CoGetMalloc, 8)
KY_LATE_IMPORT(kOle32Dll, CoInitialize, 4)
KY_LATE_IMPORT(kOle32Dll, CoUninitialize, 0)
KY_LATE_IMPORT(kOle32Dll, GetErrorInfo, 8)
KY_LATE_IMPORT(kOleAut32Dll, SysAllocStringLen, 8)
KY_LATE_IMPORT(kOleAut32Dll, SysFreeString, 4)
KY_LATE_IMPORT(kOleAut32Dll, SysStringLen, 4)
