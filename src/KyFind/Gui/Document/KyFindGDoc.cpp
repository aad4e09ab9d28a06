// The Find document: its task controller bound to the panes, and new tasks.
#include "KyFind/Gui/Document/KyFindGDoc.h"

#include "KyFind/Gui/App/KyFindGApp.h"
#include "KyFind/Gui/FileList/FileListView.h"
#include "KyFind/Gui/Frame/MainFrame.h"

IMPLEMENT_DYNCREATE(CKyFindGDoc, CDocument)

CKyFindGDoc::CKyFindGDoc() : m_fileList(nullptr) {}

CKyFindGDoc::~CKyFindGDoc() {}

void CKyFindGDoc::FindViews()
{
    POSITION pos = GetFirstViewPosition();
    while (pos) {
        CView* view = GetNextView(pos);
        if (FileListView* list = dynamic_cast<FileListView*>(view))
            m_fileList = list;
    }
}

// The frame of the document's views (the application's main window is set
// only after the first document is made).
CMainFrame* CKyFindGDoc::Frame() const
{
    POSITION pos = GetFirstViewPosition();
    CView* view = pos ? GetNextView(pos) : nullptr;
    return view ? dynamic_cast<CMainFrame*>(view->GetParentFrame()) : nullptr;
}

void CKyFindGDoc::MakeController()
{
    FindViews();
    CMainFrame* frame = Frame();
    m_finder.reset(new Finder(m_fileList, frame ? frame->GetResultPanes() : nullptr));
    if (m_fileList)
        m_fileList->SetFinder(m_finder.get());
    if (frame) {
        frame->BindFinder(*m_finder);
        frame->BindPanes();
    }
}

// Once the program is interactive; the frame hears how the start went.
BOOL CKyFindGDoc::StartTask()
{
    if (!CKyFindGApp::Instance().IsInteractive())
        return TRUE;
    CMainFrame* frame = Frame();
    const bool running = m_finder->Start();
    if (frame)
        frame->OnTaskStarted(running);
    return running;
}
