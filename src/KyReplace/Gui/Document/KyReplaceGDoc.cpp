// CKyReplaceGDoc: New refused while a task starts, stops or ends; closing and New decide through
// the view's stop sequence.
#include "KyReplace/Gui/Document/KyReplaceGDoc.h"

#include "KyReplace/Gui/View/KyReplaceGView.h"

IMPLEMENT_DYNCREATE(CKyReplaceGDoc, CDocument)

BEGIN_MESSAGE_MAP(CKyReplaceGDoc, CDocument)
END_MESSAGE_MAP()

CKyReplaceGDoc::CKyReplaceGDoc() : m_inNew(false) {}

CKyReplaceGDoc::~CKyReplaceGDoc() {}

CKyReplaceGView* CKyReplaceGDoc::GetReplaceView() const
{
    POSITION position = GetFirstViewPosition();
    while (position != nullptr) {
        if (auto* view = dynamic_cast<CKyReplaceGView*>(GetNextView(position)))
            return view;
    }
    return nullptr;
}

BOOL CKyReplaceGDoc::OnNewDocument()
{
    const CKyReplaceGView* view = GetReplaceView();
    if (m_inNew || (view != nullptr && view->StoppingOrEnding()))
        return FALSE;
    m_inNew = true;
    CWaitCursor wait;
    const BOOL made = CDocument::OnNewDocument();
    m_inNew = false;
    return made;
}

BOOL CKyReplaceGDoc::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CKyReplaceGView* view = GetReplaceView();
    return view == nullptr || view->StopTask() ? TRUE : FALSE;
}
