// FileMatchListView: the Find front-end's middle pane, one row per match
// line of the current file, its text with tabs expanded and its line
// number. A thin strip at the left of the text marks the selected row; Enter
// and double clicks make a row the current match and show it in the file
// view.
#pragma once

#include <afxcview.h>

#include <string>

class ViewCoordinator;

class FileMatchListView : public CListView {
    DECLARE_DYNCREATE(FileMatchListView)

public:
    // Column ids: the columns' indexes (Line is shown first).
    enum Column { TextColumn, LineColumn };
    // The row refresh while a task runs.
    static const UINT kRefreshTimer = 1;
    static const UINT kRefreshMs = 1000;
    // The longest text shown in a cell, with its NUL.
    static const unsigned kCellBuffer = 260;
    // The strip that marks the selected row.
    static const int kStripWidth = 4;

    FileMatchListView();
    ~FileMatchListView() override;

    void SetCoordinator(ViewCoordinator* coordinator) { m_coordinator = coordinator; }

    // The current file changed: the rows start anew.
    void Fill();
    // The row count follows the current file's match lines; the refresh
    // timer runs while a task runs.
    void Refresh();
    // No rows.
    void Empty();
    // Selects (and focuses) the row alone; -1 clears the selection.
    void SelectRow(int row);
    bool IsRefreshTimerRunning() const { return m_timerRunning; }

    // The text with each tab expanded to spaces up to the next multiple of
    // the tab size (below 1 counts as 1), cut to bufferSize - 1 characters.
    static std::string ExpandTabs(const char* text, int tabSize, unsigned bufferSize);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnInitialUpdate() override;

protected:
    afx_msg void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnDoubleClickRow(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void StopTimer();
    void OnReturn();
    void ActivateRow(int row);
    void ReselectCurrentMatch();
    CRect StripRect(int row) const;
    LRESULT PrePaintItem(NMLVCUSTOMDRAW& draw);
    void PostPaintItem(NMLVCUSTOMDRAW& draw);

    ViewCoordinator* m_coordinator;
    bool m_initialUpdated;
    bool m_timerRunning;
    HRGN m_savedClip; // the clip region before an item's drawing; null: none was set
    bool m_hadClip;
};
