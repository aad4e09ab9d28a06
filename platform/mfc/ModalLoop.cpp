// The modal loop of dialogs: idle kicks, the first-idle hook, and messages through PreTranslateMessage.
#include "AfxDialog.h"

#include "AfxState.h"
#include "afxpriv.h"

AFX_MODALIDLEHOOK AfxSetModalIdleHook(AFX_MODALIDLEHOOK pfnHook)
{
    AfxLock lock;
    AFX_MODALIDLEHOOK previous = AfxProcess().pfnModalIdleHook;
    AfxProcess().pfnModalIdleHook = pfnHook;
    return previous;
}

// One message through the thread's PumpMessage; false on WM_QUIT.
BOOL CDialog::PumpOne(MSG& msg)
{
    if (CWinThread* pThread = AfxGetThread()) {
        BOOL bMore = pThread->PumpMessage();
        msg = pThread->m_msgCur;
        return bMore;
    }
    if (!::GetMessageA(&msg, nullptr, 0, 0))
        return FALSE;
    if (msg.message != WM_KICKIDLE && !WalkPreTranslateTree(nullptr, &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

// A dialog whose window went away ends its loop too.
static bool KeepRunning(const CDialog& dlg, BOOL bContinueModal)
{
    return bContinueModal && dlg.m_hWnd != nullptr && ::IsWindow(dlg.m_hWnd);
}

int CDialog::RunModalLoop()
{
    m_bInModalLoop = TRUE;
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    bool bHookRan = false;
    BOOL bShowIdle = !(GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(m_hWnd);
    MSG msg = {};
    for (;;) {
        while (bIdle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (bShowIdle) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (hWndParent != nullptr && lIdleCount == 0)
                ::SendMessageA(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(m_hWnd));
            BOOL bMore = SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++) != 0;
            if (!bHookRan) {
                bHookRan = true;
                if (AFX_MODALIDLEHOOK pfnHook = AfxProcess().pfnModalIdleHook)
                    pfnHook(this);
                if (!KeepRunning(*this, m_bContinueModal))
                    break;
            }
            if (!bMore)
                bIdle = FALSE;
        }
        if (!KeepRunning(*this, m_bContinueModal))
            break;
        bool bQuit = false;
        do {
            if (!PumpOne(msg)) {
                AfxPostQuitMessage(static_cast<int>(msg.wParam));
                m_nModalResult = -1;
                bQuit = true;
                break;
            }
            if (!KeepRunning(*this, m_bContinueModal))
                break;
            CWinThread* pThread = AfxGetThread();
            if (pThread ? pThread->IsIdleMessage(&msg) : msg.message != WM_PAINT) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
        if (bQuit || !KeepRunning(*this, m_bContinueModal))
            break;
    }
    m_bInModalLoop = FALSE;
    m_bContinueModal = FALSE;
    return m_nModalResult;
}
