// The program entry and AfxWinInit: handles, names, common controls, and the start-up sequence.
#include "AfxApp.h"

#include "AfxException.h"
#include "AfxOleException.h"
#include "AfxState.h"
#include "AfxWnd.h"

#include <commctrl.h>

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    AfxProcessState& state = AfxProcess();
    state.hInstance = hInstance;
    state.hResource = hInstance;
    ::InitCommonControls();
    if (CWinApp* pApp = AfxGetApp()) {
        pApp->m_hInstance = hInstance;
        pApp->m_hPrevInstance = hPrevInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        pApp->SetCurrentHandles();
    }
    return TRUE;
}

void AfxWinTerm()
{
    AfxOleTerm();
    CWnd::DeleteTempMap();
}

namespace {

int RunApplication(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) || !pApp->InitApplication())
        return -1;
    if (!pApp->InitInstance()) {
        if (pApp->m_pMainWnd != nullptr)
            pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}

}  // namespace

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    int nReturnCode = -1;
    try {
        nReturnCode = RunApplication(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
    } catch (...) {
        try {
            CException* e = AfxExceptionFromCurrent();
            if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
                e->ReportError(MB_ICONSTOP);
            e->Delete();
        } catch (...) {
        }
    }
    AfxWinTerm();
    return nReturnCode;
}
