// The test single-document program: document, views, splitter, rebar and frame, with what they saw.
#pragma once

#include <afxcview.h>
#include <afxext.h>

#include <string>
#include <vector>

// What the program's objects did, and how they answer; reset by each test.
struct SdiLog
{
    int newDocuments = 0;
    int deleteContents = 0;
    int saveModified = 0;
    int closeDocuments = 0;
    int initialUpdates = 0;
    int idleUpdates = 0;
    int accelerated = 0;
    int dropDowns = 0;
    int tabSelections = 0;
    int okCommands = 0;
    int cancelCommands = 0;
    int ideCommands = 0;
    int dispInfos = 0;
    int columnClicked = -1;
    int barsDrawn = 0;
    int panesDrawn = 0;
    std::string drawnText;           // the item data of the last owner-drawn pane
    bool documentDeleted = false;
    bool saveAnswer = true;
    bool newDocumentAnswer = true;
    std::string routeTaker;          // "view", "doc", "frame" or "app": who takes ID_SDI_ROUTE
    std::vector<std::string> route;  // who was offered it, in order
    UINT statusId = 0;               // the frame's replacement for the idle message; 0 keeps it
};

extern SdiLog g_sdi;

class CSdiDoc : public CDocument
{
    DECLARE_DYNCREATE(CSdiDoc)
public:
    CSdiDoc();
    ~CSdiDoc() override;
    BOOL OnNewDocument() override;
    void DeleteContents() override;
    BOOL SaveModified() override;
    void OnCloseDocument() override;

protected:
    afx_msg BOOL OnRoute(UINT nID);
    DECLARE_MESSAGE_MAP()
};

class CSdiListView : public CListView
{
    DECLARE_DYNCREATE(CSdiListView)
public:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnInitialUpdate() override;

protected:
    afx_msg BOOL OnRoute(UINT nID);
    afx_msg void OnAccel();
    afx_msg void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    char m_text[32] = "";
};

class CSdiTextView : public CView
{
    DECLARE_DYNCREATE(CSdiTextView)
public:
    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;
};

class CSdiFormView : public CFormView
{
    DECLARE_DYNCREATE(CSdiFormView)
public:
    CSdiFormView();
};

class CSdiSplitter : public CSplitterWnd
{
public:
    void UseThemedSizes();  // bars and gaps of 6, no borders
    int BarSize() const { return m_cySplitterGap; }
    int BorderSize() const { return m_cyBorder; }
    void OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect) override;
};

class CSdiReBar : public CReBar
{
public:
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;  // two pixels taller
};

class CSdiStatusBar : public CStatusBar
{
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
};

class CSdiFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CSdiFrame)
public:
    CToolBar m_wndToolBar;
    CDialogBar m_wndDlgBar;
    CSdiReBar m_wndReBar;
    CSdiStatusBar m_wndStatusBar;
    CSdiSplitter m_wndSplitter;

    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    void GetMessageString(UINT nID, CString& rMessage) const override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnRoute(UINT nID);
    afx_msg LRESULT OnIdleCount(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnToolTip(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDropDown(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTabSelEndOk();
    afx_msg void OnBarOk();
    afx_msg void OnBarCancel();
    afx_msg void OnIde();
    afx_msg void OnToolOff();
    afx_msg void OnUpdateEnabled(CCmdUI* pCmdUI);
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePanePos(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

// The program's template once, then the first New; the frame, or null when it failed.
CSdiFrame* StartSdiProgram();
// Closes the frame (saving allowed) and drops the quit message its end posts.
void StopSdiProgram();
