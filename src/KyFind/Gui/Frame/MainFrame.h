// CMainFrame: the Find front-end's one frame window: tool bar, tab-size bar,
// rebar, status bar with the caret and match panes, and the three result
// panes in a splitter. It serves the task link's messages (the finder's
// process, the task dialog between database refreshes, the task's end, the
// finder's texts), routes the task, pane and editor commands, owns the
// status text with its deferred update and notices, and keeps the window
// and pane layout in the registry.
#pragma once

#include "KyFind/Gui/Coordinator/PaneFrame.h"
#include "KyFind/Gui/Editor/EditorCommand.h"
#include "KyFind/Gui/Panes/StatusBar.h"
#include "KyFind/Gui/Panes/ViewSplitterWnd.h"
#include "KyGui/Bars/KyReBar.h"
#include "KyGui/Bars/KyToolBar.h"
#include "KyGui/Bars/KyTransparentDialogBar.h"
#include "KyGuiTool/App/DatabaseFreshness.h"

#include <afxcmn.h>
#include <afxext.h>
#include <afxwin.h>

#include <string>

class Finder;
class FileListView;
class FileMatchListView;
class FileTextView;
class ViewCoordinator;

class CMainFrame : public CFrameWnd, public PaneFrame {
    DECLARE_DYNCREATE(CMainFrame)

public:
    CMainFrame();
    ~CMainFrame() override;

    // The document's task controller, once it is made.
    void BindFinder(Finder& finder) { m_finder = &finder; }
    Finder* GetFinder() const { return m_finder; }
    // The window whose input is dropped while a stop waits.
    CWnd* GetResultPanes() { return &m_splitter; }
    CSplitterWnd& GetSplitter() { return m_splitter; }
    FileListView* GetFileListView() const;
    FileMatchListView* GetMatchListView() const;
    FileTextView* GetFileTextView() const;
    // Binds the panes to the finder's coordinator.
    void BindPanes();

    // PaneFrame
    void SetStatus(UINT stringId, bool atOnce) override { SetStatusText(stringId, atOnce); }
    void OnShownFileChanged() override { OnUpdateFrameTitle(TRUE); }
    void OnTabSizeChanged() override { ShowTabSize(); }
    CFrameWnd& GetFrameWnd() override { return *this; }
    CStatusBar& GetStatusBar() { return m_statusBar; }
    CComboBoxEx& GetTabSizeCombo() { return m_tabSize; }

    // A task's start has returned: the status says it works, or is idle.
    void OnTaskStarted(bool running);

    // Status text by string id: at once, or on a 200 ms timer. While a task
    // runs the idle message reads "Working...".
    void SetStatusText(UINT id, bool atOnce);
    UINT GetStatusTextId() const { return m_statusId; }
    // The "Passed the ..." texts, which end at the next key, click or
    // command.
    static bool IsNotice(UINT id);
    // The match pane's text now (also for the pane's update handler).
    const std::string& GetMatchStatusText();

    // The tab size the file view uses (1 to 20).
    int GetTabSize() const;
    void SetTabSize(int size);
    // Shows the current tab size in the combo box again.
    void ShowTabSize();

    const Kyvant::FindEditor::EditorSettings& GetEditorSettings() const { return m_editor; }

    // The full name of the current file; false when there is none.
    bool GetCurrentFile(std::string& path);
    // The current match's line; 0 when there is none.
    unsigned GetCurrentMatchLine();

    // Window and pane layout under the application key.
    void SaveLayout();
    void RestoreLayout();
    bool IsLayoutRestored() const { return m_layoutRestored; }

    Kyvant::DatabaseFreshness& GetDatabaseFreshness() { return m_databases; }

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    void GetMessageString(UINT nID, CString& rMessage) const override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg BOOL OnQueryEndSession();
    afx_msg LRESULT OnEndSession(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnWindowPosChanging(WPARAM wParam, LPARAM lParam);

    // The task link.
    afx_msg LRESULT OnFinderMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFocusActiveView(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnTaskEnd(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnShowTabSize(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnText(WPARAM wParam, LPARAM lParam);

    // Commands.
    afx_msg void OnStop();
    afx_msg void OnUpdateStop(CCmdUI* pCmdUI);
    afx_msg void OnFindInResults();
    afx_msg void OnDiscard();
    afx_msg void OnUpdateResultsIdle(CCmdUI* pCmdUI);
    afx_msg void OnUpdateAlways(CCmdUI* pCmdUI);
    afx_msg void OnActivatePane(UINT id);
    afx_msg void OnConfigureEditor();
    afx_msg void OnOpenInEditor();
    afx_msg void OnUpdateOpenInEditor(CCmdUI* pCmdUI);
    afx_msg void OnOpenInIde();
    afx_msg void OnUpdateOpenInIde(CCmdUI* pCmdUI);
    afx_msg void OnOpenWithVc();
    afx_msg void OnUpdateOpenWithVc(CCmdUI* pCmdUI);
    afx_msg void OnOpenWithVsNet();
    afx_msg void OnUpdateOpenWithVsNet(CCmdUI* pCmdUI);
    afx_msg void OnUpdateMatchPane(CCmdUI* pCmdUI);
    afx_msg void OnUpdateCaretPane(CCmdUI* pCmdUI);
    afx_msg void OnIdeDropDown(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg BOOL OnToolTipText(UINT id, NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTabSizeSelEndOk();
    afx_msg void OnTabSizeSelEndCancel();
    afx_msg void OnTabSizeEndEdit(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnBarOk();
    afx_msg void OnBarCancel();
    afx_msg void OnIndexingServicePane();
    afx_msg void OnNavigate(UINT id);
    afx_msg void OnUpdateNavigate(CCmdUI* pCmdUI);
    afx_msg void OnWordWrap();
    afx_msg void OnUpdateWordWrap(CCmdUI* pCmdUI);
    afx_msg void OnSelectMatchedText();
    afx_msg void OnUpdateSelectMatchedText(CCmdUI* pCmdUI);
    afx_msg void OnTextOptions();
    DECLARE_MESSAGE_MAP()

private:
    bool CreateBars();
    bool CreateStatusBar();
    void FillTabSizeCombo();
    void ShowStatusText();
    void AnswerTaskDialog();
    bool TabSizeHasFocus() const;
    bool HasFiles() const;
    // A task runs and the file list's row still being filled is selected.
    bool WatchedRowSelected() const;
    bool TaskRunning() const;
    bool Stopping() const;
    // The command id whose prompt and tip Open in IDE shows.
    UINT IdeCommandId() const;

    Finder* m_finder;
    long long m_cachedFiles;
    long long m_cachedMatches;
    std::string m_matchText;
    bool m_statusTimerRunning;
    bool m_workingCursorShown;
    bool m_layoutRestored;
    UINT m_statusId;
    HCURSOR m_appStarting;
    HACCEL m_paneKeys;
    int m_tabSizeValue;
    Kyvant::FindEditor::EditorSettings m_editor;
    Kyvant::DatabaseFreshness m_databases;
    ViewCoordinator* Views() const;

    ViewSplitterWnd m_splitter;
    CComboBoxEx m_tabSize;
    StatusBar m_statusBar;
    KyToolBar m_toolBar;
    KyReBar m_reBar;
    KyTransparentDialogBar m_dialogBar;
};
