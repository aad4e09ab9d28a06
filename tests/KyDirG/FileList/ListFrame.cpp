// The frame around the Dir file list in the tests.
#include "FileList/ListFrame.h"

#include <afxext.h>

ListFrame* ListFrame::Create(CRuntimeClass* viewClass)
{
    CCreateContext context;
    context.m_pNewViewClass = viewClass;
    ListFrame* frame = new ListFrame;
    if (!frame->CFrameWnd::Create(nullptr, "Dir results", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CRect(20, 40, 1260, 440), nullptr, nullptr, 0, &context))
        return nullptr;
    frame->m_view =
        DYNAMIC_DOWNCAST(FileListView, frame->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE));
    frame->RecalcLayout();
    frame->SetActiveView(frame->m_view);
    return frame;
}

void ListFrame::InitialUpdate(Kyvant::RegKey& columnState)
{
    m_view->OnInitialUpdate();
    m_view->RestoreState(columnState);
}

void ListFrame::PostNcDestroy()
{
    delete this;
}
