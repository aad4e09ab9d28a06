// CDocument: a document's title, modified flag and views, with its new and close steps.
#pragma once

#include "AfxCmdTarget.h"
#include "AfxPosition.h"
#include "AfxString.h"

#include <vector>

class CDocTemplate;
class CFrameWnd;
class CView;

class AFX_API CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCSTR lpszTitle);  // and the frames' titles
    const CString& GetPathName() const { return m_strPathName; }
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    // Views: the list of views showing this document, first to last.
    POSITION GetFirstViewPosition() const;
    CView* GetNextView(POSITION& rPosition) const;
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);
    void UpdateFrameCounts();

    // DeleteContents and a cleared modified flag; FALSE refuses the new document.
    virtual BOOL OnNewDocument();
    virtual void DeleteContents();
    // Whether the document may be replaced or closed; this layer never saves, so TRUE.
    virtual BOOL SaveModified();
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    // Destroys the frames of the views, empties the document and deletes it (when auto-deleting).
    virtual void OnCloseDocument();
    virtual void OnChangedViewList();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    BOOL m_bAutoDelete;
    CDocTemplate* m_pDocTemplate;

protected:
    CString m_strTitle;
    CString m_strPathName;
    BOOL m_bModified;
    std::vector<CView*> m_viewList;
};
