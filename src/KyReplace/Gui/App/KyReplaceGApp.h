// CKyReplaceGApp: the Replace front-end's application object. Its start-up
// runs the first task (with its task dialog) inside InitInstance and shows
// the frame only when that dialog was accepted. Its commands act on the one
// view; while the view's stop waits for the engine under the process
// watchdog, commands are swallowed and their update handlers disable them.
#pragma once

#include "KyGuiTool/App/KyGuiApp.h"

class CKyReplaceGView;
class CMainFrame;

class CKyReplaceGApp : public KyGuiApp {
public:
    // Where the application's settings live under HKEY_CURRENT_USER.
    static const char kAppKey[];
    // The folder of the last saved log, under the application's key.
    static const char kLastLogDirValue[];

    // Opens (making it when missing) the application's key and takes the
    // user's locale for the C runtime.
    CKyReplaceGApp();
    ~CKyReplaceGApp() override;

    // The process's application object; std::logic_error when it is not a
    // CKyReplaceGApp.
    static CKyReplaceGApp& Instance();

    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // True while an update request is routed during a running watchdog.
    bool InCommand() const { return m_inCommand; }
    CMainFrame* GetMainFrame() const;
    CKyReplaceGView* GetReplaceView() const;

    // Runs the Replace Task dialog over the view (the view's task-dialog seam).
    static INT_PTR RunJobDialog(CWnd& view);

    // The Save Log File dialog: a text file's path, starting in the folder
    // kept under "LastLogDir", which remembers the chosen one; false when
    // cancelled.
    static bool ChooseLogFile(CWnd* parent, CString& path);

protected:
    afx_msg void OnNewTask();
    afx_msg void OnWordWrap();
    afx_msg void OnUpdateWordWrap(CCmdUI* pCmdUI);
    afx_msg void OnTextOptions();
    afx_msg void OnStop();
    afx_msg void OnUpdateStop(CCmdUI* pCmdUI);
    afx_msg void OnSaveLog();
    afx_msg void OnUpdateSaveLog(CCmdUI* pCmdUI);
    afx_msg void OnSelectMatched();
    afx_msg void OnUpdateTaskCommand(CCmdUI* pCmdUI);
    afx_msg void OnUpdateAlways(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    bool StartUp();
    bool WatchdogActive() const;
    // Copy and select-all offered to the rich edit that has the focus.
    bool OfferToFocusedRichEdit(UINT nID, int nCode, void* pExtra,
                                AFX_CMDHANDLERINFO* pHandlerInfo);

    bool m_inCommand;
    bool m_exited;
};
