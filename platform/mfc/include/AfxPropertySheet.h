// CPropertyPage and CPropertySheet: tabbed dialogs over comctl32's PropertySheetA.
#pragma once

#include "AfxDialog.h"
#include "AfxString.h"
#include "AfxTabCtrl.h"

#include <prsht.h>

#include <vector>

class CPropertySheet;

class AFX_API CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)
public:
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption = 0);

    PROPSHEETPAGEA m_psp;  // filled when the sheet is built; lParam is this object

    void SetModified(BOOL bChanged = TRUE);
    void CancelToClose();
    // Sends PSM_QUERYSIBLINGS through the sheet to the other pages with windows; the first non-zero answer.
    LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);

    // The sheet's notifications (only pages whose windows exist receive them)
    virtual BOOL OnSetActive();    // exchanges data into the controls, except the first time
    virtual BOOL OnKillActive();   // exchanges data out of the controls; FALSE keeps the page
    virtual BOOL OnApply();        // OnOK, then TRUE
    virtual void OnReset();        // OnCancel
    virtual BOOL OnQueryCancel();  // TRUE lets the sheet close
    void OnOK() override;          // nothing by default
    void OnCancel() override;      // nothing by default

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    CString m_strCaption;
    BOOL m_bFirstSetActive;

private:
    void CommonConstruct(LPCSTR lpszTemplateName, UINT nIDCaption);
    friend class CPropertySheet;
};

class AFX_API CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    PROPSHEETHEADERA m_psh;  // flags (PSH_NOAPPLYNOW, ...) may be changed before DoModal

    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }
    void SetTitle(LPCSTR lpszText, UINT nStyle = 0);
    CTabCtrl* GetTabControl() const;
    void PressButton(int nButton) { ::SendMessageA(m_hWnd, PSM_PRESSBUTTON, static_cast<WPARAM>(nButton), 0); }
    void SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }
    void SetWizardButtons(DWORD dwFlags) { ::PostMessageA(m_hWnd, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(dwFlags)); }
    void EndDialog(int nEndID);

    // IDOK when OK (or Apply) succeeded on every page with a window, else IDCANCEL; -1 when it cannot run.
    virtual INT_PTR DoModal();
    virtual BOOL OnInitDialog();  // after the sheet's window and its first page exist

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void BuildPropPageArray();

    std::vector<CPropertyPage*> m_pages;
    std::vector<BYTE> m_pageRecords;  // the pages' records back to back, each as long as its dwSize
    CString m_strCaption;
    CWnd* m_pParentWnd;

private:
    void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage);
};
