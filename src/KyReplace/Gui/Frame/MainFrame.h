// CMainFrame: the Replace front-end's one frame window: a rebar with the
// tool bar and the tab-size bar, the status bar with the Indexing Service
// pane, the status texts shown by string id through a short timer with the
// view's animation and the working cursor, the saved placement and minimum
// size, and the rules for closing and for commands while a stop waits for
// the engine.
#pragma once

#include "KyGui/Bars/KyReBar.h"
#include "KyGui/Bars/KyToolBar.h"
#include "KyGui/Bars/KyTransparentDialogBar.h"
#include "KyReplace/Gui/View/ReplaceViewFrame.h"

#include <afxcmn.h>
#include <afxext.h>
#include <afxwin.h>

class CKyReplaceGView;

class CMainFrame : public CFrameWnd, public Kyvant::ReplaceViewFrame {
    DECLARE_DYNCREATE(CMainFrame)
public:
    // The status timer and the message that shows the current tab size
    // again in the tab-size box.
    static const UINT kStatusTimer = 2;
    static const UINT kStatusDelayMs = 200;
    static const UINT kResyncTabSizeMessage = 0x8002;
    // Where the placement is kept under the application's key.
    static const char kPlacementValue[];

    ~CMainFrame() override;

    CKyReplaceGView* GetReplaceView() const;

    // The status text by string id, shown by the status timer; with it the
    // animation and the working cursor start or stop.
    void SetStatus(UINT id) override;
    UINT GetStatusId() const { return m_statusId; }
    bool IsAnimating() const { return m_animating; }

    // The saved placement, once, before the frame is first shown; until
    // then the frame stays hidden and undrawn.
    void RestorePlacement();
    bool PlacementRestored() const { return m_placementRestored; }
    void SavePlacement();
    // The smallest size the frame may be given: its size when restored.
    CSize GetMinTrackSize() const { return m_minTrackSize; }

    // The tab size shown in the tab-size box again, the focus back to Before.
    void ShowTabSize();
    CComboBoxEx& GetTabSizeCombo() { return m_tabSize; }
    CStatusBar& GetStatusBar() { return m_statusBar; }
    CReBar& GetReBar() { return m_reBar; }

    // While a stop waits for the engine, or the view stops or ends a task,
    // commands are swallowed.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    CMainFrame();
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    afx_msg void OnClose();
    afx_msg LRESULT OnWindowPosChanging(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg BOOL OnQueryEndSession();
    afx_msg LRESULT OnEndSession(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTabSizeSelEndOk();
    afx_msg void OnTabSizeSelEndCancel();
    afx_msg void OnTabSizeEndEdit(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnBarOk();
    afx_msg void OnBarCancel();
    afx_msg LRESULT OnResyncTabSize(WPARAM wParam, LPARAM lParam);
    afx_msg void OnStatusBarClick(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    bool CreateBars();
    bool CreateTabSizeBar();
    bool CreateStatusBar();
    void FillTabSizeCombo();
    bool TabSizeHasFocus() const;
    void SetTabSize(long size);
    void FocusBefore();
    // The process watchdog of the view's stop is running (or has ticked).
    bool WatchdogActive() const;

    KyToolBar m_toolBar;
    KyTransparentDialogBar m_tabSizeBar;
    KyReBar m_reBar;
    CStatusBar m_statusBar;
    CComboBoxEx m_tabSize;
    UINT m_statusId;
    bool m_statusTimer;
    bool m_animating;
    HCURSOR m_appStarting;
    CSize m_minTrackSize;
    bool m_placementRestored;
};
