// The one replaceable help function of the layer; by default the system's WinHelp.
#include "AfxApp.h"

#include "AfxState.h"

AFX_WINHELPPROC AfxSetWinHelpProc(AFX_WINHELPPROC pfn)
{
    AfxLock lock;
    AFX_WINHELPPROC previous = AfxProcess().pfnWinHelp;
    AfxProcess().pfnWinHelp = pfn;
    return previous;
}

BOOL AfxWinHelp(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData)
{
    AFX_WINHELPPROC pfn = AfxProcess().pfnWinHelp;
    if (pfn != nullptr)
        return pfn(hWndMain, lpszHelp, uCommand, dwData);
    return ::WinHelpA(hWndMain, lpszHelp, uCommand, dwData);
}
