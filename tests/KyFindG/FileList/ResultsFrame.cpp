// The frame around the file list in the tests, and the multi-selection view.
#include "ResultsFrame.h"

#include "KyFind/Gui/FileList/FileListResource.h"

#include <afxext.h>

IMPLEMENT_DYNCREATE(MultiSelectFileListView, FileListView)

BOOL MultiSelectFileListView::PreCreateWindow(CREATESTRUCT& cs)
{
    const BOOL created = FileListView::PreCreateWindow(cs);
    cs.style &= ~LVS_SINGLESEL;
    return created;
}

ResultsFrame* ResultsFrame::Create(CRuntimeClass* viewClass)
{
    CCreateContext context;
    context.m_pNewViewClass = viewClass;
    ResultsFrame* frame = new ResultsFrame;
    if (!frame->CFrameWnd::Create(nullptr, "Find results", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CRect(40, 40, 840, 440), nullptr, nullptr, 0, &context))
        return nullptr;
    frame->m_view =
        DYNAMIC_DOWNCAST(FileListView, frame->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE));
    frame->RecalcLayout();
    frame->SetActiveView(frame->m_view);
    return frame;
}

void ResultsFrame::InitialUpdate(Kyvant::RegKey& columnState)
{
    m_view->OnInitialUpdate();
    m_view->RestoreState(columnState);
}

BOOL ResultsFrame::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == ID_VIEW_FILE_VIEW) {
        m_commands.push_back(LOWORD(wParam));
        return TRUE;
    }
    return CFrameWnd::OnCommand(wParam, lParam);
}

// The view answers first (the notification is reflected to it); what it
// answered is what the list shows.
BOOL ResultsFrame::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const BOOL handled = CFrameWnd::OnNotify(wParam, lParam, pResult);
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (m_recordCells && m_view != nullptr && header->hwndFrom == m_view->m_hWnd &&
        header->code == LVN_GETDISPINFOA) {
        const LVITEMA& item = reinterpret_cast<const NMLVDISPINFOA*>(lParam)->item;
        if ((item.mask & LVIF_TEXT) && item.pszText != nullptr)
            m_cells.push_back({item.iItem, m_view->GetColIDX(item.iSubItem, false), item.pszText});
    }
    return handled;
}

void ResultsFrame::PostNcDestroy()
{
    delete this;
}
