// Process-wide state of the layer: application, modules, hooks, and each thread's message state.
#pragma once

#include "AfxApp.h"
#include "AfxDialog.h"
#include "AfxDynLinkLibrary.h"

class CDynLinkLibrary;

// A critical section held for one scope.
class AfxLock
{
public:
    AfxLock();
    ~AfxLock();
    AfxLock(const AfxLock&) = delete;
    AfxLock& operator=(const AfxLock&) = delete;
};

struct AfxProcessState
{
    CWinApp* pApp = nullptr;
    HINSTANCE hInstance = nullptr;
    HINSTANCE hResource = nullptr;
    HMODULE hLayer = nullptr;
    CDynLinkLibrary* pFirstDLL = nullptr;
    AFX_MODALIDLEHOOK pfnModalIdleHook = nullptr;
    AFX_WINHELPPROC pfnWinHelp = nullptr;
};

struct AfxThreadState
{
    CWnd* pWndInit = nullptr;        // the window being created
    HHOOK hHookCbt = nullptr;
    MSG lastSentMsg = {};            // the message being handled, for Default()
    HWND hLockoutNotifyWindow = nullptr;  // notifications ignored while it exchanges data
};

AfxProcessState& AfxProcess();
AfxThreadState& AfxThread();

// Turns whatever a handler threw into one CException the caller can report and delete.
CException* AfxExceptionFromCurrent();

// Reports and answers for an exception a handler threw (through the application when there is one).
LRESULT AfxProcessWndProcException(CException* e, const MSG* pMsg);

// The worker thread object of the calling thread; null on threads the layer did not start.
CWinThread* AfxCurrentWorkerThread();
