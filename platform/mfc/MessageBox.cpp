// AfxMessageBox: every box of the layer, through the application's DoMessageBox.
#include "AfxApp.h"

#include "AfxFrameWnd.h"
#include "AfxResources.h"
#include "afxres.h"

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    // The main frame is in its modal state while the box is up.
    CFrameModalScope modal;
    if (CWinApp* pApp = AfxGetApp())
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return ::MessageBoxA(nullptr, lpszText, nullptr, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    if (!text.LoadString(nIDPrompt))
        text.LoadString(AFX_IDP_NO_ERROR_AVAILABLE);
    if (nIDHelp == static_cast<UINT>(-1))
        nIDHelp = nIDPrompt;
    return AfxMessageBox(text, nType, nIDHelp);
}
