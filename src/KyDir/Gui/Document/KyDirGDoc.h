// CKyDirGDoc: the Dir front-end's one document. It owns the task controller
// over the list view; each New starts a task once the program has started,
// and closing stops a running task first.
#pragma once

#include "KyDir/Gui/Finder/Finder.h"

#include <afxwin.h>

#include <memory>

class FileListView;

class CKyDirGDoc : public CDocument {
    DECLARE_DYNCREATE(CKyDirGDoc)

public:
    CKyDirGDoc();
    ~CKyDirGDoc() override;

    // Null until the first New.
    Finder* GetFinder() const { return m_finder.get(); }
    FileListView* GetListView() const { return m_listView; }

    BOOL OnNewDocument() override;
    void DeleteContents() override;
    void OnCloseDocument() override;
    // Stops a running task; closing never asks to save.
    BOOL SaveModified() override;

private:
    FileListView* FindListView() const;

    std::unique_ptr<Finder> m_finder;
    FileListView* m_listView;
    bool m_closing;
};
