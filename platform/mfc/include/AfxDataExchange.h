// CDataExchange and the DDX/DDV routines between dialog controls and member values.
#pragma once

#include "AfxString.h"
#include "AfxWnd.h"

class AFX_API CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;   // TRUE: controls to members, with validation
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl;    // the control a failure puts the focus back on
    BOOL m_bEditLastControl;

    HWND PrepareCtrl(int nIDC);      // a missing control is a not-supported exception
    HWND PrepareEditCtrl(int nIDC);  // as PrepareCtrl; a failure also selects its text
    // Puts the focus back on the prepared control and ends the exchange (a user exception).
    [[noreturn]] void Fail();
};

AFX_API void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
AFX_API void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
AFX_API void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
AFX_API void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
AFX_API void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
AFX_API void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
AFX_API void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
AFX_API void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
AFX_API void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
