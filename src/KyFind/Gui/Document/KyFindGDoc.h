// CKyFindGDoc: the Find front-end's document. It owns the task controller
// (made with the first new document, bound to the result panes), starts a
// task on each new document once the program is interactive, discards the
// results when emptied, and stops a running task instead of asking to save.
#pragma once

#include "KyFind/Gui/Finder/Finder.h"

#include <afxwin.h>

#include <memory>

class CMainFrame;
class FileListView;

class CKyFindGDoc : public CDocument {
    DECLARE_DYNCREATE(CKyFindGDoc)

public:
    CKyFindGDoc();
    ~CKyFindGDoc() override;

    // The task controller; null before the first new document.
    Finder* GetFinder() const { return m_finder.get(); }
    FileListView* GetFileListView() const { return m_fileList; }

    BOOL OnNewDocument() override;
    void DeleteContents() override;
    void OnCloseDocument() override;
    // Stops a running task; closing never asks to save.
    BOOL SaveModified() override;

private:
    void FindViews();
    CMainFrame* Frame() const;

    bool m_closing;
    FileListView* m_fileList;
    std::unique_ptr<Finder> m_finder;
};
