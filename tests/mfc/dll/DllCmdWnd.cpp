// The test DLL's window class: command, range, user and registered message handlers.
#include "dll/KyMfcTestDll.h"

#include "TestIds.h"

#include <cstdio>

const UINT g_dllRegisteredMessage = ::RegisterWindowMessageA("KyMfcTestDll.Registered");

IMPLEMENT_DYNCREATE(CDllCmdWnd, CWnd)

BEGIN_MESSAGE_MAP(CDllCmdWnd, CWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_DLL_COMMAND, OnDllCommand)
    ON_COMMAND_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, OnRange)
    ON_MESSAGE(WM_APP + 1, OnUserMessage)
    ON_REGISTERED_MESSAGE(g_dllRegisteredMessage, OnRegistered)
END_MESSAGE_MAP()

CDllCmdWnd::CDllCmdWnd() : m_createCount(0) {}

int CDllCmdWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    ++m_createCount;
    return CWnd::OnCreate(lpCreateStruct);
}

void CDllCmdWnd::OnDllCommand() { m_log.push_back("dll command"); }

void CDllCmdWnd::OnRange(UINT nID)
{
    char text[32];
    std::snprintf(text, sizeof text, "range %#x", nID);
    m_log.push_back(text);
}

LRESULT CDllCmdWnd::OnUserMessage(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam) + 1; }

LRESULT CDllCmdWnd::OnRegistered(WPARAM, LPARAM lParam) { return lParam * 2; }
