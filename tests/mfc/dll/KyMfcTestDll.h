// The test extension DLL: a window class whose message map sits between the program's and the layer's.
#pragma once

#include <afxwin.h>

#include <string>
#include <vector>

// An extension DLL exports with the layer's AFX_EXT_CLASS (its build defines _AFXEXT).
#define KYMFCTEST_API AFX_EXT_CLASS

// The registered message that the DLL window's map handles.
KYMFCTEST_API extern const UINT g_dllRegisteredMessage;
KYMFCTEST_API HMODULE DllModule();

class KYMFCTEST_API CDllCmdWnd : public CWnd
{
    DECLARE_DYNCREATE(CDllCmdWnd)
public:
    CDllCmdWnd();
    std::vector<std::string> m_log;
    int m_createCount;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDllCommand();
    afx_msg void OnRange(UINT nID);
    afx_msg LRESULT OnUserMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
