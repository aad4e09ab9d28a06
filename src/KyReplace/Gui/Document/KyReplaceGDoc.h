// CKyReplaceGDoc: the Replace front-end's document. It holds no data: its
// modified flag is set exactly while a task runs, so that New and closing
// ask the view to stop the task first.
#pragma once

#include <afxwin.h>

class CKyReplaceGView;

class CKyReplaceGDoc : public CDocument {
    DECLARE_DYNCREATE(CKyReplaceGDoc)
public:
    ~CKyReplaceGDoc() override;

    // Refused while it runs already, or while the view stops or ends a task.
    BOOL OnNewDocument() override;
    // A running task is stopped through the view's stop sequence, which
    // asks the user first; TRUE once it is stopped (or none ran).
    BOOL SaveModified() override;

    CKyReplaceGView* GetReplaceView() const;

protected:
    CKyReplaceGDoc();
    DECLARE_MESSAGE_MAP()

private:
    bool m_inNew;
};
