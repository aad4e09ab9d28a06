// The Find document: its task controller, new tasks, discarding and closing.
#include "KyFind/Gui/Document/KyFindGDoc.h"

#include "KyFind/Gui/App/KyFindGApp.h"
#include "KyFind/Gui/FileList/FileListView.h"
#include "KyFind/Gui/Frame/MainFrame.h"

IMPLEMENT_DYNCREATE(CKyFindGDoc, CDocument)

CKyFindGDoc::CKyFindGDoc() : m_closing(false), m_fileList(nullptr) {}

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

BOOL CKyFindGDoc::OnNewDocument()
{
    if (m_finder && m_finder->IsStarting()) {
        MessageBeep(0); // asked for from the message loop of a task's start
        return FALSE;
    }
    CWaitCursor wait;
    if (!CDocument::OnNewDocument())
        return FALSE;
    if (!m_finder) {
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
    if (!CKyFindGApp::Instance().IsInteractive())
        return TRUE;
    CMainFrame* frame = Frame();
    const bool running = m_finder->Start();
    if (frame)
        frame->OnTaskStarted(running);
    return running;
}

void CKyFindGDoc::DeleteContents()
{
    if (m_finder && !m_closing)
        m_finder->Discard();
    CDocument::DeleteContents();
}

void CKyFindGDoc::OnCloseDocument()
{
    m_closing = true;
    CDocument::OnCloseDocument();
}

BOOL CKyFindGDoc::SaveModified()
{
    if (m_finder)
        m_finder->Stop();
    return TRUE;
}
