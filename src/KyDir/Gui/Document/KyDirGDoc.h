// CKyDirGDoc: the Dir front-end's one document. It owns the task controller
// over the list view (FinderLink/Controller/TaskDocument.h); each New starts
// a task once the program has started, and closing stops a running task
// first.
#pragma once

#include "FinderLink/Controller/TaskDocument.h"
#include "KyDir/Gui/Finder/Finder.h"

#include <afxwin.h>

class FileListView;

class CKyDirGDoc : public Kyvant::FinderLink::TaskDocument<Finder> {
    DECLARE_DYNCREATE(CKyDirGDoc)

public:
    CKyDirGDoc();
    ~CKyDirGDoc() override;

    FileListView* GetListView() const { return m_listView; }

private:
    FileListView* FindListView() const;
    void MakeController() override;
    BOOL StartTask() override;

    FileListView* m_listView;
};
