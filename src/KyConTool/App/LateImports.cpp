// KyConTool's calls of COM and OLE Automation (the Indexing Service and the
// development environments' objects), found on first use (see
// KyStd/Win32/LateImport.h), so that a console tool starts without them.
#include "KyStd/Win32/LateImport.h"

#include <oleauto.h>

using Kyvant::Win32::kOle32Dll;
using Kyvant::Win32::kOleAut32Dll;

KY_LATE_IMPORT(kOle32Dll, CLSIDFromProgID, 8)
KY_LATE_IMPORT(kOle32Dll, CLSIDFromString, 8)
KY_LATE_IMPORT(kOle32Dll, CoCreateInstance, 20)
KY_LATE_IMPORT(kOle32Dll, CoInitialize, 4)
KY_LATE_IMPORT(kOle32Dll, CoTaskMemFree, 4)
KY_LATE_IMPORT(kOle32Dll, CoUninitialize, 0)
KY_LATE_IMPORT(kOleAut32Dll, GetActiveObject, 12)
KY_LATE_IMPORT(kOleAut32Dll, SafeArrayGetDim, 4)
KY_LATE_IMPORT(kOleAut32Dll, SafeArrayGetElement, 12)
KY_LATE_IMPORT(kOleAut32Dll, SafeArrayGetLBound, 12)
KY_LATE_IMPORT(kOleAut32Dll, SafeArrayGetUBound, 12)
KY_LATE_IMPORT(kOleAut32Dll, SysAllocString, 4)
KY_LATE_IMPORT(kOleAut32Dll, SysAllocStringByteLen, 8)
KY_LATE_IMPORT(kOleAut32Dll, SysFreeString, 4)
KY_LATE_IMPORT(kOleAut32Dll, SysStringByteLen, 4)
KY_LATE_IMPORT(kOleAut32Dll, SysStringLen, 4)
KY_LATE_IMPORT(kOleAut32Dll, VariantChangeType, 16)
KY_LATE_IMPORT(kOleAut32Dll, VariantClear, 4)
KY_LATE_IMPORT(kOleAut32Dll, VariantInit, 4)
