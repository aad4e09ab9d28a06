// CWinThread: the message loop, idle processing and the last catch of handler exceptions.
#pragma once

#include "AfxCmdTarget.h"

class CException;
class CWnd;

typedef UINT (AFX_CDECL* AFX_THREADPROC)(LPVOID);

class AFX_API CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);  // a worker thread, not started yet
    ~CWinThread() override;

    CWnd* m_pMainWnd;     // cleared when the window is destroyed
    CWnd* m_pActiveWnd;
    HANDLE m_hThread;
    DWORD m_nThreadID;
    MSG m_msgCur;
    BOOL m_bAutoDelete;              // a worker deletes its object (and handle) when it ends
    AFX_THREADPROC m_pfnThreadProc;
    LPVOID m_pThreadParams;

    // Starts the worker (suspended with CREATE_SUSPENDED); false when no thread could be made.
    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0, LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
    DWORD ResumeThread() { return ::ResumeThread(m_hThread); }
    DWORD SuspendThread() { return ::SuspendThread(m_hThread); }
    int GetThreadPriority() { return ::GetThreadPriority(m_hThread); }
    BOOL SetThreadPriority(int nPriority) { return ::SetThreadPriority(m_hThread, nPriority); }
    operator HANDLE() const { return m_hThread; }
    virtual void Delete();  // deletes the object when it deletes itself

    virtual BOOL InitInstance();
    virtual int ExitInstance();  // the exit code: WM_QUIT's wParam
    virtual int Run();
    virtual BOOL OnIdle(LONG lCount);  // count 0 updates commands, 1 frees temporary objects
    virtual BOOL PumpMessage();
    // From the target window up to the main window, each object's PreTranslateMessage.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    // A handler's exception: WM_CREATE fails, WM_PAINT validates, others go on.
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);
    virtual CWnd* GetMainWnd();
};

AFX_API CWinThread* AfxGetThread();
// A worker thread running pfnThreadProc(pParam); null when it could not be started.
AFX_API CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority = THREAD_PRIORITY_NORMAL,
                                   UINT nStackSize = 0, DWORD dwCreateFlags = 0,
                                   LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
AFX_API void AfxPostQuitMessage(int nExitCode);
