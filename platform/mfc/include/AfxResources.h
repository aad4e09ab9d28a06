// The resource chain: the program, extension DLLs in the order they joined, then the layer.
#pragma once

#include "KyMfcExport.h"

AFX_API HINSTANCE AfxGetInstanceHandle();
AFX_API HINSTANCE AfxGetResourceHandle();
AFX_API void AfxSetResourceHandle(HINSTANCE hInstResource);
// The first module of the chain that holds the resource; the program's when none does.
AFX_API HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
// The string from the first module that has it; 0 when none has.
AFX_API int AfxLoadString(UINT nID, LPSTR lpszBuf, UINT nMaxBuf = 256);

#define RT_DLGINIT MAKEINTRESOURCEA(240)
