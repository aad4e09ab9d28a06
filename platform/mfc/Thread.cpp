// CWinThread: the message loop, idle work, PreTranslateMessage's walk and handler exceptions.
#include "AfxThread.h"

#include "AfxApp.h"
#include "AfxException.h"
#include "AfxHandleMap.h"
#include "AfxWnd.h"
#include "afxpriv.h"
#include "afxres.h"

namespace {
const UINT kSysTimer = 0x0118;  // the caret's timer: not a sign of activity
}

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread()
    : m_pMainWnd(nullptr), m_pActiveWnd(nullptr), m_hThread(::GetCurrentThread()),
      m_nThreadID(::GetCurrentThreadId()), m_msgCur(), m_bAutoDelete(TRUE), m_pfnThreadProc(nullptr),
      m_pThreadParams(nullptr)
{
}

CWinThread::~CWinThread()
{
    if (m_pfnThreadProc != nullptr && m_hThread != nullptr)
        ::CloseHandle(m_hThread);  // a worker's own handle
}

BOOL CWinThread::InitInstance() { return FALSE; }

int CWinThread::ExitInstance() { return static_cast<int>(m_msgCur.wParam); }

CWnd* CWinThread::GetMainWnd() { return m_pMainWnd; }

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;) {
        while (bIdle && !::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageA(&m_msgCur, nullptr, 0, 0))
        return FALSE;
    if (m_msgCur.message != WM_KICKIDLE && !PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    static POINT lastPoint = { -1, -1 };
    static UINT lastMessage = 0;
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        bool same = pMsg->pt.x == lastPoint.x && pMsg->pt.y == lastPoint.y && pMsg->message == lastMessage;
        lastPoint = pMsg->pt;
        lastMessage = pMsg->message;
        return !same;
    }
    return pMsg->message != WM_PAINT && pMsg->message != kSysTimer;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0) {
        // Command states of the main window and its children are brought up to date.
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMainWnd->IsWindowVisible())
            pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        return TRUE;
    }
    AfxDeleteTempMaps();
    return FALSE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == nullptr)
        return FALSE;
    CWnd* pMainWnd = GetMainWnd();
    HWND hWndMain = pMainWnd ? pMainWnd->m_hWnd : nullptr;
    bool reachedMain = false;
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr && !reachedMain; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        reachedMain = hWnd == hWndMain;
    }
    // A window outside the main window's family still lets the main window translate.
    if (!reachedMain && hWndMain != nullptr)
        return pMainWnd->PreTranslateMessage(pMsg);
    return FALSE;
}

LRESULT CWinThread::ProcessWndProcException(CException*, const MSG* pMsg)
{
    if (pMsg->message == WM_CREATE)
        return -1;
    if (pMsg->message == WM_PAINT)
        ::ValidateRect(pMsg->hwnd, nullptr);
    return 0;
}

CWinThread* AfxGetThread()
{
    CWinThread* pWorker = AfxCurrentWorkerThread();
    return pWorker ? pWorker : AfxGetApp();
}

void AfxPostQuitMessage(int nExitCode) { ::PostQuitMessage(nExitCode); }

LRESULT AfxProcessWndProcException(CException* e, const MSG* pMsg)
{
    if (CWinThread* pThread = AfxGetThread())
        return pThread->ProcessWndProcException(e, pMsg);
    if (pMsg->message == WM_CREATE)
        return -1;
    if (pMsg->message == WM_PAINT) {
        ::ValidateRect(pMsg->hwnd, nullptr);
        return 0;
    }
    if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
        e->ReportError(MB_ICONSTOP, AFX_IDP_INTERNAL_FAILURE);
    return 0;
}
