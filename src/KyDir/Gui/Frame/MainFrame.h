// CMainFrame: the Dir front-end's frame around the list: its tool bar and
// status bar, the task link's messages (the task dialog, the task's end,
// texts), the task commands, the status texts with the selection and the
// item count, its placement in the registry, closing and the end of the
// session while a task runs, and the cursors of a working task.
#pragma once

#include "KyDir/Gui/Frame/StatusTarget.h"
#include "KyGui/Bars/KyReBar.h"
#include "KyGui/Bars/KyToolBar.h"
#include "KyGuiTool/App/DatabaseFreshness.h"
#include "KyStd/Registry/RegKey.h"

#include <afxext.h>
#include <afxwin.h>

class CKyDirGDoc;
class FileListView;
class Finder;

class CMainFrame : public CFrameWnd, public StatusTarget {
    DECLARE_DYNCREATE(CMainFrame)

public:
    CMainFrame();
    ~CMainFrame() override;

    // Shows the string id's text: at once, or on a 200 ms timer. While a
    // task runs the idle text becomes "Working...".
    void SetStatus(UINT id, bool now) override;
    UINT GetStatusId() const { return m_statusId; }
    bool IsWorkingCursorShown() const { return m_workingCursor; }

    // The placement and the list's columns from the registry; the frame may
    // show from now on.
    void RestorePlacement();
    // The placement and the list's columns into the registry.
    void SavePlacement();

    // The text of the count pane for a number of items.
    static CString CountText(unsigned long long items);

    CKyDirGDoc* GetDirDocument() const;
    Finder* GetFinder() const;
    FileListView* GetListView() const;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void GetMessageString(UINT nID, CString& rMessage) const override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    // The task dialog, modal; its answer. Tests answer it themselves.
    virtual INT_PTR RunTaskDialog();
    // Stops a task, saves the placement and flushes the clipboard's data;
    // false while a stop runs.
    bool PrepareToClose();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnToolMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnTaskEnd(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFocusView(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnClose();
    afx_msg BOOL OnQueryEndSession();
    afx_msg LRESULT OnEndSession(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnWindowPosChanging(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnStatusBarClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnStop();
    afx_msg void OnUpdateStop(CCmdUI* pCmdUI);
    afx_msg void OnUpdateAlways(CCmdUI* pCmdUI);
    afx_msg void OnDiscard();
    afx_msg void OnFindInResults();
    afx_msg void OnSaveAs();
    afx_msg void OnUpdateResultCommand(CCmdUI* pCmdUI);
    afx_msg void OnUpdateCountPane(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    bool CreateBars();
    void ShowStatus();
    void FollowSelection(int selected);
    bool HasResultsAndIdle() const;
    void AnswerDialogRequest();
    Kyvant::RegKey ColumnKey() const;

    UINT m_statusId;
    bool m_statusTimer;
    bool m_workingCursor;
    bool m_placementRestored;
    bool m_messagePending;
    long long m_shownCount; // items the count pane shows; -1 none yet
    CString m_countText;
    int m_shownSelected; // selected items the idle text went by; -1 none yet
    // A database file changed by another program since the last dialog is
    // read again before the next one.
    Kyvant::DatabaseFreshness m_databases;
    HCURSOR m_appStarting;
    KyToolBar m_toolBar;
    KyReBar m_reBar;
    CStatusBar m_statusBar;
};
