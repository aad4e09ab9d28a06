// CKyDirGDoc: the Finder made on the first New over the list view, tasks
// started by the later ones.
#include "KyDir/Gui/Document/KyDirGDoc.h"

#include "KyDir/Gui/App/KyDirGApp.h"
#include "KyDir/Gui/FileList/FileListView.h"
#include "KyDir/Gui/Frame/StatusTarget.h"

IMPLEMENT_DYNCREATE(CKyDirGDoc, CDocument)

CKyDirGDoc::CKyDirGDoc() : m_listView(nullptr) {}

CKyDirGDoc::~CKyDirGDoc() {}

FileListView* CKyDirGDoc::FindListView() const
{
    POSITION position = GetFirstViewPosition();
    while (position != nullptr) {
        if (FileListView* view = dynamic_cast<FileListView*>(GetNextView(position)))
            return view;
    }
    return nullptr;
}

void CKyDirGDoc::MakeController()
{
    m_listView = FindListView();
    m_finder.reset(new Finder(m_listView));
    if (m_listView != nullptr) {
        m_listView->SetFinder(m_finder.get());
        // The frame around the list shows the controller's status.
        CWnd* frame = m_listView->GetParentFrame();
        if (StatusTarget* target = dynamic_cast<StatusTarget*>(frame))
            m_finder->SetStatusSink([target](UINT id, bool now) { target->SetStatus(id, now); });
    }
}

// Once the program has started.
BOOL CKyDirGDoc::StartTask()
{
    SetModifiedFlag(TRUE);
    return CKyDirGApp::Instance().IsStarted() ? m_finder->Start() : TRUE;
}
