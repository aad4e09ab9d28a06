// Export and declaration macros shared by every header of the layer.
#pragma once

#include <windows.h>

#ifdef KyMfc_BUILD
#define AFX_API __declspec(dllexport)
#else
#define AFX_API __declspec(dllimport)
#endif

// Classes of an extension DLL: exported while building it (_AFXEXT defined), imported elsewhere.
#ifdef _AFXEXT
#define AFX_EXT_CLASS __declspec(dllexport)
#else
#define AFX_EXT_CLASS __declspec(dllimport)
#endif

#define AFX_DATA
#define afx_msg
#define AFX_MSG_CALL
#define AFX_CDECL
