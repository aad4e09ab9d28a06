// CWinThread: the message loop, idle processing and the last catch of handler exceptions.
#pragma once

#include "AfxCmdTarget.h"

class CException;
class CWnd;

class AFX_API CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    ~CWinThread() override;

    CWnd* m_pMainWnd;     // cleared when the window is destroyed
    CWnd* m_pActiveWnd;
    HANDLE m_hThread;
    DWORD m_nThreadID;
    MSG m_msgCur;

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
AFX_API void AfxPostQuitMessage(int nExitCode);
