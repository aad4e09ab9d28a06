// CSingleDocTemplate: one document with one frame; each later File New reuses both.
#include "AfxDocTemplate.h"

#include "AfxApp.h"
#include "AfxDocument.h"
#include "AfxFrameWnd.h"
#include "afxres.h"

IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                       CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_pOnlyDoc(nullptr)
{
    LoadTemplate();
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    if (m_pOnlyDoc != nullptr)
        m_pOnlyDoc->m_pDocTemplate = nullptr;
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (m_pOnlyDoc == pDoc)
        m_pOnlyDoc = nullptr;
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString title;
    if (!GetDocString(title, docName) || title.IsEmpty())
        title.LoadString(AFX_IDS_UNTITLED);
    if (title.IsEmpty())
        title = "Untitled";
    pDocument->SetTitle(title);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    if (lpszPathName != nullptr)
        return nullptr;  // documents are never read from files here
    CDocument* pDocument = m_pOnlyDoc;
    CFrameWnd* pFrame = nullptr;
    bool bCreated = false;
    if (pDocument != nullptr) {
        if (!pDocument->SaveModified())
            return nullptr;
        if (CWinApp* pApp = AfxGetApp())
            pFrame = DYNAMIC_DOWNCAST(CFrameWnd, pApp->m_pMainWnd);
    } else {
        pDocument = CreateNewDocument();
        if (pDocument == nullptr) {
            AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
            return nullptr;
        }
        bCreated = true;
        BOOL bAutoDelete = pDocument->m_bAutoDelete;
        pDocument->m_bAutoDelete = FALSE;  // a failed frame must not take the document with it
        pFrame = CreateNewFrame(pDocument, nullptr);
        pDocument->m_bAutoDelete = bAutoDelete;
        if (pFrame == nullptr) {
            AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
            delete pDocument;
            return nullptr;
        }
    }
    SetDefaultTitle(pDocument);
    if (!pDocument->OnNewDocument()) {
        // The first document refused: its frame goes, and the document with it.
        if (bCreated) {
            if (pFrame->m_hWnd != nullptr)
                pFrame->DestroyWindow();
            if (m_pOnlyDoc == pDocument)
                delete pDocument;
        }
        return nullptr;
    }
    if (pFrame != nullptr) {
        if (bCreated) {
            if (CWinApp* pApp = AfxGetApp()) {
                if (pApp->m_pMainWnd == nullptr)
                    pApp->m_pMainWnd = pFrame;
            }
        }
        InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    }
    return pDocument;
}
