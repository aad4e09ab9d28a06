// The window playing the Find frame around the three panes: the splitter
// with the file list, the match list and the file view, the status bar with
// its caret pane, the pane commands and the navigation commands routed to
// the coordinator; it records the status ids it is asked to show.
#pragma once

#include "KyFind/Gui/Coordinator/PaneFrame.h"
#include "KyFind/Gui/FileList/FileListView.h"
#include "KyFind/Gui/MatchList/FileMatchListView.h"
#include "KyFind/Gui/Panes/StatusBar.h"
#include "KyFind/Gui/Panes/ViewSplitterWnd.h"
#include "KyFind/Gui/TextView/FileTextView.h"

#include <afxwin.h>

#include <vector>

class ViewCoordinator;

class PanesFrame : public CFrameWnd, public PaneFrame {
public:
    // A visible frame; destroyed with its window.
    static PanesFrame* Create();
    // Binds the panes to the coordinator and gives them their first update.
    void Bind(ViewCoordinator& coordinator);

    FileListView& Files() const { return *m_files; }
    FileMatchListView& Matches() const { return *m_matches; }
    FileTextView& Text() const { return *m_text; }
    StatusBar& Status() { return m_status; }
    ViewSplitterWnd& Splitter() { return m_splitter; }

    // PaneFrame
    void SetStatus(UINT stringId, bool atOnce) override;
    void OnShownFileChanged() override;
    void OnTabSizeChanged() override { ++m_tabSizeChanges; }
    CFrameWnd& GetFrameWnd() override { return *this; }

    std::vector<UINT> m_statusIds;    // every status asked for
    std::vector<bool> m_statusAtOnce; // whether each was asked for at once
    int m_tabSizeChanges = 0;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    void PostNcDestroy() override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaneCommand(UINT id);
    afx_msg void OnNavigate(UINT id);
    afx_msg void OnUpdateCaret(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    void Navigate(UINT id);

    ViewSplitterWnd m_splitter;
    StatusBar m_status;
    FileListView* m_files = nullptr;
    FileMatchListView* m_matches = nullptr;
    FileTextView* m_text = nullptr;
    ViewCoordinator* m_coordinator = nullptr;
};
