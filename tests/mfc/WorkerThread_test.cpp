// Worker threads: started suspended, waited for after they end, and ended alone by an escaping exception.
#include "TestApp.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

namespace {

struct WorkerData
{
    std::atomic<int> runs{ 0 };
    bool bThrow = false;
};

UINT Work(LPVOID pParam)
{
    WorkerData* pData = static_cast<WorkerData*>(pParam);
    ++pData->runs;
    if (pData->bThrow)
        throw std::runtime_error("worker failed");
    return 7;
}

TEST(WorkerThreadTest, SuspendedThreadRunsAfterResumeAndCanBeWaitedForAfterItEnds)
{
    WorkerData data;
    CWinThread* pThread = AfxBeginThread(&Work, &data, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(pThread, nullptr);
    pThread->m_bAutoDelete = FALSE;
    ::Sleep(100);
    EXPECT_EQ(data.runs.load(), 0);
    pThread->ResumeThread();
    ASSERT_EQ(::WaitForSingleObject(pThread->m_hThread, 5000), WAIT_OBJECT_0);
    EXPECT_EQ(data.runs.load(), 1);
    ::Sleep(50);
    EXPECT_EQ(::WaitForSingleObject(pThread->m_hThread, 0), WAIT_OBJECT_0);  // the handle is still good
    DWORD dwExit = 0;
    EXPECT_TRUE(::GetExitCodeThread(pThread->m_hThread, &dwExit));
    EXPECT_EQ(dwExit, 7u);
    delete pThread;
}

TEST(WorkerThreadTest, AnEscapingExceptionEndsOnlyThatThread)
{
    for (BOOL bAutoDelete : { FALSE, TRUE }) {
        WorkerData data;
        data.bThrow = true;
        CWinThread* pThread = AfxBeginThread(&Work, &data, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
        ASSERT_NE(pThread, nullptr);
        pThread->m_bAutoDelete = bAutoDelete;
        HANDLE hWait = nullptr;
        ::DuplicateHandle(::GetCurrentProcess(), pThread->m_hThread, ::GetCurrentProcess(), &hWait, 0, FALSE,
                          DUPLICATE_SAME_ACCESS);
        pThread->ResumeThread();
        ASSERT_EQ(::WaitForSingleObject(hWait, 5000), WAIT_OBJECT_0);
        DWORD dwExit = 0;
        ::GetExitCodeThread(hWait, &dwExit);
        EXPECT_EQ(dwExit, 0xFFFFFFFFu);
        ::CloseHandle(hWait);
        EXPECT_EQ(data.runs.load(), 1);
        if (!bAutoDelete)
            delete pThread;
    }
}

TEST(WorkerThreadTest, AfxGetThreadIsTheWorkerOnItsOwnThread)
{
    static CWinThread* s_pSeen = nullptr;
    CWinThread* pThread = AfxBeginThread(
        [](LPVOID) -> UINT {
            s_pSeen = AfxGetThread();
            return 0;
        },
        nullptr, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(pThread, nullptr);
    pThread->m_bAutoDelete = FALSE;
    pThread->ResumeThread();
    ::WaitForSingleObject(pThread->m_hThread, 5000);
    EXPECT_EQ(s_pSeen, pThread);
    EXPECT_EQ(AfxGetThread(), &theApp);
    delete pThread;
}

}  // namespace
