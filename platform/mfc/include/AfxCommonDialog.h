// CCommonDialog, the base of the system's common dialogs, and the hook procedure they all share.
#pragma once

#include "AfxDialog.h"
#include "AfxThreadState.h"

class AFX_API CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);

protected:
    // The system dialog ends itself: OK exchanges data first, and either goes on to the system.
    void OnOK() override;
    void OnCancel() override;
};

// The hook of every common dialog of the layer: attaches the object, runs OnInitDialog, gives the
// layer's first-idle hook its turn, and passes the dialogs' registered messages to the object.
AFX_API UINT_PTR CALLBACK AfxCommDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// The module along the resource chain that holds a dialog template (for a common dialog's hInstance).
AFX_API HINSTANCE AfxFindTemplateHandle(LPCSTR lpszTemplateName);
