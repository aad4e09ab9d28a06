// CWinApp: the application object, its handles and names, idle work, exceptions, icons and help.
#include "AfxApp.h"

#include "AfxException.h"
#include "AfxHandleMap.h"
#include "AfxMsgMacros.h"
#include "AfxResources.h"
#include "AfxWnd.h"
#include "DocManager.h"
#include "afxpriv.h"
#include "afxres.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

namespace {

const int kMaxName = 256;
const HCURSOR kNoCursor = nullptr;

LPSTR DuplicateText(LPCSTR text) { return text ? _strdup(text) : nullptr; }

void FreeText(LPCSTR& text)
{
    std::free(const_cast<LPSTR>(text));
    text = nullptr;
}

}  // namespace

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_pszAppName(DuplicateText(lpszAppName)), m_pszHelpFilePath(nullptr), m_pszExeName(nullptr),
      m_hInstance(nullptr), m_hPrevInstance(nullptr), m_lpCmdLine(nullptr), m_nCmdShow(SW_SHOWNORMAL),
      m_nWaitCursorCount(0), m_hcurWaitCursorRestore(kNoCursor), m_pDocManager(nullptr)
{
    AfxLock lock;
    AfxProcess().pApp = this;
}

CWinApp::~CWinApp()
{
    delete m_pDocManager;
    FreeText(m_pszAppName);
    FreeText(m_pszHelpFilePath);
    FreeText(m_pszExeName);
    AfxLock lock;
    if (AfxProcess().pApp == this)
        AfxProcess().pApp = nullptr;
}

void CWinApp::SetCurrentHandles()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(m_hInstance, path, MAX_PATH);
    char* name = std::strrchr(path, '\\');
    name = name ? name + 1 : path;
    if (m_pszExeName == nullptr) {
        char exe[MAX_PATH];
        ::lstrcpynA(exe, name, MAX_PATH);
        if (char* dot = std::strrchr(exe, '.'))
            *dot = '\0';
        m_pszExeName = DuplicateText(exe);
    }
    if (m_pszAppName == nullptr) {
        CString title;
        m_pszAppName = DuplicateText(title.LoadString(AFX_IDS_APP_TITLE) ? static_cast<LPCSTR>(title) : m_pszExeName);
    }
    if (m_pszHelpFilePath == nullptr) {
        char help[MAX_PATH];
        ::lstrcpynA(help, path, MAX_PATH);
        char* base = std::strrchr(help, '\\');
        char* dot = std::strrchr(base ? base : help, '.');
        if (dot != nullptr)
            *dot = '\0';
        if (std::strlen(help) + sizeof ".HLP" <= MAX_PATH)
            std::strcat(help, ".HLP");
        m_pszHelpFilePath = DuplicateText(help);
    }
}

BOOL CWinApp::InitApplication() { return TRUE; }

int CWinApp::ExitInstance() { return CWinThread::ExitInstance(); }

int CWinApp::Run()
{
    if (m_pMainWnd == nullptr)
        AfxPostQuitMessage(0);  // nothing would ever end the loop
    return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    BOOL bMore = CWinThread::OnIdle(lCount);
    return lCount == 0 ? TRUE : bMore;
}

LRESULT CWinApp::ProcessWndProcException(CException* e, const MSG* pMsg)
{
    if (pMsg->message == WM_CREATE || pMsg->message == WM_PAINT)
        return CWinThread::ProcessWndProcException(e, pMsg);
    UINT nIDP = AFX_IDP_INTERNAL_FAILURE;
    LRESULT lResult = 0;
    if (pMsg->message == WM_COMMAND) {
        if (pMsg->lParam == 0)
            nIDP = AFX_IDP_COMMAND_FAILURE;
        lResult = TRUE;  // the command counts as handled
    }
    if (e->IsKindOf(RUNTIME_CLASS(CMemoryException)))
        e->ReportError(MB_ICONEXCLAMATION | MB_SYSTEMMODAL, nIDP);
    else if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
        e->ReportError(MB_ICONSTOP, nIDP);
    return lResult;
}

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT)
{
    HWND hWndOwner = CWnd::GetSafeOwner_(nullptr, nullptr);
    if ((nType & MB_ICONMASK) == 0) {
        UINT buttons = nType & MB_TYPEMASK;
        if (buttons == MB_OK || buttons == MB_OKCANCEL)
            nType |= MB_ICONEXCLAMATION;
        else if (buttons == MB_YESNO || buttons == MB_YESNOCANCEL)
            nType |= MB_ICONQUESTION;
    }
    CString title;
    LPCSTR caption = m_pszAppName;
    if (caption == nullptr) {
        title.LoadString(AFX_IDS_APP_TITLE);
        caption = title;
    }
    return ::MessageBoxA(hWndOwner, lpszPrompt, caption, nType);
}

void CWinApp::DoWaitCursor(int nCode)
{
    m_nWaitCursorCount += nCode;
    if (m_nWaitCursorCount < 0)
        m_nWaitCursorCount = 0;
    if (m_nWaitCursorCount > 0) {
        HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
        if (nCode > 0 && m_nWaitCursorCount == 1)
            m_hcurWaitCursorRestore = previous;
    } else if (nCode != 0) {
        ::SetCursor(m_hcurWaitCursorRestore);
    }
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    if (CWnd* pMainWnd = AfxGetMainWnd()) {
        pMainWnd->WinHelp(dwData, nCmd);
        return;
    }
    if (!AfxWinHelp(nullptr, m_pszHelpFilePath, nCmd, dwData))
        AfxMessageBox(AFX_IDP_FAILED_TO_LAUNCH_HELP);
}

void CWinApp::OnHelp()
{
    // The active window may answer with its own context; otherwise the help file's contents.
    HWND hWndActive = ::GetActiveWindow();
    if (hWndActive != nullptr && ::SendMessageA(hWndActive, WM_COMMANDHELP, 0, 0))
        return;
    WinHelp(0, HELP_FINDER);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != nullptr)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

BOOL CWinApp::Enable3dControls() { return TRUE; }

HICON CWinApp::LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCEA(nIDResource)); }

HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const
{
    return ::LoadIconA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const { return LoadCursor(MAKEINTRESOURCEA(nIDResource)); }

HCURSOR CWinApp::LoadCursor(LPCSTR lpszResourceName) const
{
    return ::LoadCursorA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), lpszResourceName);
}

CWinApp* AfxGetApp() { return AfxProcess().pApp; }

CWnd* AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread ? pThread->GetMainWnd() : nullptr;
}

LPCSTR AfxGetAppName()
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->m_pszAppName : "";
}
