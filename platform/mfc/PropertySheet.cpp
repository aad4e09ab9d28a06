// CPropertySheet: pages in a comctl32 sheet run by PropertySheetA, with the sheet's window attached.
#include "AfxPropertySheet.h"

#include "AfxResources.h"
#include "AfxState.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

namespace {

const int kMaxCaption = 256;

UINT SheetInitializedMessage()
{
    static const UINT message = ::RegisterWindowMessageA("KyMfc.SheetInitialized");
    return message;
}

// Once the sheet's window exists (and is attached): OnInitDialog, then the layer's first-idle hook.
int CALLBACK SheetCallback(HWND hWnd, UINT message, LPARAM)
{
    if (message == PSCB_INITIALIZED)
        ::PostMessageA(hWnd, SheetInitializedMessage(), 0, 0);
    return 0;
}

}  // namespace

CPropertySheet::CPropertySheet() { CommonConstruct(nullptr, 0); }

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    CommonConstruct(pParentWnd, iSelectPage);
    char caption[kMaxCaption] = "";
    AfxLoadString(nIDCaption, caption, kMaxCaption);
    m_strCaption = caption;
}

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption = pszCaption != nullptr ? pszCaption : "";
}

CPropertySheet::~CPropertySheet() = default;

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage)
{
    m_psh = PROPSHEETHEADERA();
    m_psh.dwSize = PROPSHEETHEADERA_V1_SIZE;
    m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    m_psh.nStartPage = iSelectPage;
    m_psh.pfnCallback = &SheetCallback;
    m_pParentWnd = pParentWnd;
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    m_pages.push_back(pPage);
    if (m_hWnd != nullptr) {
        pPage->m_psp.hInstance = AfxFindResourceHandle(pPage->m_psp.pszTemplate, RT_DIALOG);
        HPROPSHEETPAGE hPage = ::CreatePropertySheetPageA(&pPage->m_psp);
        if (hPage != nullptr)
            ::SendMessageA(m_hWnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(hPage));
    }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage) { RemovePage(GetPageIndex(pPage)); }

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    if (m_hWnd != nullptr)
        ::SendMessageA(m_hWnd, PSM_REMOVEPAGE, static_cast<WPARAM>(nPage), 0);
    m_pages.erase(m_pages.begin() + nPage);
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    return nPage >= 0 && nPage < GetPageCount() ? m_pages[static_cast<size_t>(nPage)] : nullptr;
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    for (size_t i = 0; i < m_pages.size(); ++i)
        if (m_pages[i] == pPage)
            return static_cast<int>(i);
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    if (m_hWnd == nullptr)
        return GetPage(static_cast<int>(m_psh.nStartPage));
    HWND hPage = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
    return DYNAMIC_DOWNCAST(CPropertyPage, CWnd::FromHandlePermanent(hPage));
}

int CPropertySheet::GetActiveIndex() const
{
    if (m_hWnd == nullptr)
        return static_cast<int>(m_psh.nStartPage);
    return GetPageIndex(GetActivePage());
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (m_hWnd == nullptr) {
        m_psh.nStartPage = static_cast<UINT>(nPage);
        return TRUE;
    }
    return static_cast<BOOL>(::SendMessageA(m_hWnd, PSM_SETCURSEL, static_cast<WPARAM>(nPage), 0));
}

void CPropertySheet::SetTitle(LPCSTR lpszText, UINT nStyle)
{
    m_strCaption = lpszText;
    m_psh.dwFlags = (m_psh.dwFlags & ~static_cast<DWORD>(PSH_PROPTITLE)) | (nStyle & PSH_PROPTITLE);
    if (m_hWnd != nullptr)
        ::SendMessageA(m_hWnd, PSM_SETTITLEA, nStyle, reinterpret_cast<LPARAM>(lpszText));
}

CTabCtrl* CPropertySheet::GetTabControl() const
{
    HWND hTab = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0));
    return static_cast<CTabCtrl*>(CWnd::FromHandle(hTab));
}

void CPropertySheet::EndDialog(int nEndID)
{
    ::PostMessageA(m_hWnd, PSM_PRESSBUTTON, nEndID == IDOK ? PSBTN_OK : PSBTN_CANCEL, 0);
}

void CPropertySheet::BuildPropPageArray()
{
    m_pageRecords.clear();
    for (CPropertyPage* pPage : m_pages) {
        if (pPage->m_psp.hInstance == nullptr)
            pPage->m_psp.hInstance = AfxFindResourceHandle(pPage->m_psp.pszTemplate, RT_DIALOG);
        pPage->m_bFirstSetActive = TRUE;
        // The system steps through the array by each record's own size.
        const BYTE* pRecord = reinterpret_cast<const BYTE*>(&pPage->m_psp);
        m_pageRecords.insert(m_pageRecords.end(), pRecord, pRecord + pPage->m_psp.dwSize);
    }
    m_psh.nPages = static_cast<UINT>(m_pages.size());
    m_psh.ppsp = reinterpret_cast<LPCPROPSHEETPAGEA>(m_pageRecords.data());
    m_psh.pszCaption = m_strCaption;
}

INT_PTR CPropertySheet::DoModal()
{
    if (m_pages.empty())
        return -1;
    BuildPropPageArray();
    m_psh.hwndParent = GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), nullptr);
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.dwFlags &= ~static_cast<DWORD>(PSH_MODELESS);
    AfxHookWindowCreate(this);
    INT_PTR nResult = ::PropertySheetA(&m_psh);
    AfxUnhookWindowCreate();
    if (m_hWnd != nullptr)
        Detach();
    if (nResult < 0)
        return -1;
    return nResult > 0 ? IDOK : IDCANCEL;
}

BOOL CPropertySheet::OnInitDialog() { return TRUE; }

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == SheetInitializedMessage()) {
        OnInitDialog();
        if (AFX_MODALIDLEHOOK pfnHook = AfxProcess().pfnModalIdleHook)
            pfnHook(this);
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
