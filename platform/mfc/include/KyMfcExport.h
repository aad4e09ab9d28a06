// Export and declaration macros shared by every header of the layer.
#pragma once

#include <windows.h>

#ifdef KyMfc_BUILD
#define AFX_API __declspec(dllexport)
#else
#define AFX_API __declspec(dllimport)
#endif

#define AFX_DATA
#define afx_msg
#define AFX_MSG_CALL
#define AFX_CDECL
