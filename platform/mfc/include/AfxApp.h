// CWinApp: the one application object of the process, its entry, message boxes and help.
#pragma once

#include "AfxString.h"
#include "AfxThread.h"

class CCommandLineInfo;
class CDocManager;
class CDocTemplate;

class AFX_API CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    // Heap texts (malloc): a caller may free one and put its own strdup in place.
    LPCSTR m_pszAppName;        // message box captions; string 57344 when none is given
    LPCSTR m_pszHelpFilePath;   // the program's path with ".HLP"
    LPCSTR m_pszExeName;
    HINSTANCE m_hInstance;
    HINSTANCE m_hPrevInstance;
    LPSTR m_lpCmdLine;
    int m_nCmdShow;
    int m_nWaitCursorCount;
    HCURSOR m_hcurWaitCursorRestore;

    virtual BOOL InitApplication();
    int ExitInstance() override;
    int Run() override;
    BOOL OnIdle(LONG lCount) override;
    LRESULT ProcessWndProcException(CException* e, const MSG* pMsg) override;

    // Every message box of the layer comes here.
    virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);
    virtual void DoWaitCursor(int nCode);  // 1 on, -1 off, 0 restore
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    BOOL Enable3dControls();  // the system's controls are three-dimensional already

    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadIcon(LPCSTR lpszResourceName) const;
    HICON LoadStandardIcon(LPCSTR lpszIconName) const { return ::LoadIconA(nullptr, lpszIconName); }
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadCursor(LPCSTR lpszResourceName) const;
    HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const { return ::LoadCursorA(nullptr, lpszCursorName); }

    void SetCurrentHandles();

    // Documents: the templates the program registers and the File New of single-document programs.
    CDocManager* m_pDocManager;
    void AddDocTemplate(CDocTemplate* pTemplate);
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    virtual BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);
    afx_msg void OnFileNew();

    afx_msg void OnHelp();
    afx_msg void OnAppExit();
    DECLARE_MESSAGE_MAP()
};

AFX_API CWinApp* AfxGetApp();
AFX_API CWnd* AfxGetMainWnd();
AFX_API LPCSTR AfxGetAppName();

AFX_API int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
AFX_API int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));

// Sets up the application's handles; GoogleTest programs call it from main.
AFX_API BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
AFX_API void AfxWinTerm();
// The program entry: AfxWinInit, InitApplication, InitInstance and Run (or ExitInstance's code).
AFX_API int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);

// All help goes through one replaceable function (WinHelp's arguments); returns the previous one.
typedef BOOL (*AFX_WINHELPPROC)(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData);
AFX_API AFX_WINHELPPROC AfxSetWinHelpProc(AFX_WINHELPPROC pfn);
AFX_API BOOL AfxWinHelp(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData);
