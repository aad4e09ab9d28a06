// CKyFindGDoc: the Find front-end's document. It owns the task controller
// (made with the first new document, bound to the result panes), starts a
// task on each new document once the program is interactive, discards the
// results when emptied, and stops a running task instead of asking to save
// (FinderLink/Controller/TaskDocument.h).
#pragma once

#include "FinderLink/Controller/TaskDocument.h"
#include "KyFind/Gui/Finder/Finder.h"

#include <afxwin.h>

class CMainFrame;
class FileListView;

class CKyFindGDoc : public Kyvant::FinderLink::TaskDocument<Finder> {
    DECLARE_DYNCREATE(CKyFindGDoc)

public:
    CKyFindGDoc();
    ~CKyFindGDoc() override;

    FileListView* GetFileListView() const { return m_fileList; }

private:
    void FindViews();
    CMainFrame* Frame() const;
    void MakeController() override;
    BOOL StartTask() override;

    FileListView* m_fileList;
};
