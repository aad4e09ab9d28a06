// Worker threads: AfxBeginThread, the thread's entry and the object's automatic deletion.
#include "AfxThread.h"

#include "AfxException.h"
#include "AfxState.h"

#include <process.h>

namespace {

thread_local CWinThread* t_pWorker = nullptr;

// What a worker ends with when its procedure let an exception escape.
const UINT kExitCodeOnException = static_cast<UINT>(-1);

unsigned __stdcall WorkerEntry(void* pParam)
{
    CWinThread* pThread = static_cast<CWinThread*>(pParam);
    t_pWorker = pThread;
    UINT nExitCode = kExitCodeOnException;
    try {
        nExitCode = pThread->m_pfnThreadProc(pThread->m_pThreadParams);
    } catch (...) {
        // An exception ends this thread only; it is dropped here.
        try {
            CException* e = AfxExceptionFromCurrent();
            e->Delete();
        } catch (...) {
        }
    }
    t_pWorker = nullptr;
    try {
        pThread->Delete();
    } catch (...) {
    }
    return nExitCode;
}

}  // namespace

CWinThread* AfxCurrentWorkerThread() { return t_pWorker; }

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
    : m_pMainWnd(nullptr), m_pActiveWnd(nullptr), m_hThread(nullptr), m_nThreadID(0), m_msgCur(),
      m_bAutoDelete(TRUE), m_pfnThreadProc(pfnThreadProc), m_pThreadParams(pParam)
{
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (m_pfnThreadProc == nullptr || m_hThread != nullptr)
        return FALSE;
    // Started suspended, so the handle and id are stored before the thread can end and delete the object.
    unsigned nThreadID = 0;
    uintptr_t handle = ::_beginthreadex(lpSecurityAttrs, nStackSize, &WorkerEntry, this, CREATE_SUSPENDED, &nThreadID);
    if (handle == 0)
        return FALSE;
    m_hThread = reinterpret_cast<HANDLE>(handle);
    m_nThreadID = nThreadID;
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        ::ResumeThread(m_hThread);
    return TRUE;
}

void CWinThread::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority, UINT nStackSize,
                           DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (pfnThreadProc == nullptr)
        return nullptr;
    CWinThread* pThread = new CWinThread(pfnThreadProc, pParam);
    if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs)) {
        delete pThread;
        return nullptr;
    }
    pThread->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        pThread->ResumeThread();
    return pThread;
}
