// A windowed program whose InitInstance fails after making a main window: its exit code is ExitInstance's.
#include <afxwin.h>

namespace {

const int kExitCode = 7;

class CExitApp : public CWinApp
{
public:
    BOOL InitInstance() override
    {
        CWnd* pWnd = new CWnd;
        if (pWnd->CreateEx(0, AfxRegisterWndClass(0), "Exit app", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                           nullptr))
            m_pMainWnd = pWnd;
        m_mainWnd = pWnd;
        return FALSE;
    }
    int ExitInstance() override
    {
        // The main window was destroyed by the entry before this runs.
        bool destroyed = m_pMainWnd == nullptr && m_mainWnd->m_hWnd == nullptr;
        delete m_mainWnd;
        return destroyed ? kExitCode : kExitCode + 1;
    }

private:
    CWnd* m_mainWnd = nullptr;
};

CExitApp theApp;

}  // namespace
