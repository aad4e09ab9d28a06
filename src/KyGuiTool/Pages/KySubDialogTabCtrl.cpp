// KySubDialogTabCtrl: the pages, their windows and the display area, switching
// pages by call and by tab, and the default-button and focus corrections.
#include "KyGuiTool/Pages/KySubDialogTabCtrl.h"

#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGui/Helpers/DialogEx.h"

#include <stdexcept>

namespace {

const char kTabClass[] = "SysTabControl32";
const DWORD kTabStyle = WS_CHILD | WS_VISIBLE | TCS_FOCUSONBUTTONDOWN;
const int kCaptionLimit = 256;
// The low bits of a button's style that hold its kind (push, default push, ...).
const DWORD kButtonKindBits = 0x1F;
// The size a page window is first made at, before it is placed.
const CRect kFirstPageRect(0, 0, 100, 100);

// Makes a default push button a plain one.
void MakePlainPushButton(HWND button)
{
    const DWORD style = static_cast<DWORD>(::GetWindowLongA(button, GWL_STYLE));
    ::SendMessageA(button, BM_SETSTYLE, style & ~kButtonKindBits, TRUE);
}

bool IsDefaultPushButton(HWND window)
{
    return (::SendMessageA(window, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) != 0;
}

BOOL CALLBACK PlainFirstDefaultButton(HWND child, LPARAM)
{
    if (!IsDefaultPushButton(child))
        return TRUE;
    MakePlainPushButton(child);
    return FALSE;
}

} // namespace

IMPLEMENT_DYNAMIC(KySubDialogTabCtrl, CTabCtrl)

BEGIN_MESSAGE_MAP(KySubDialogTabCtrl, CTabCtrl)
ON_WM_CREATE()
ON_WM_SETFOCUS()
ON_NOTIFY_REFLECT(TCN_SELCHANGING, OnSelChanging)
ON_NOTIFY_REFLECT(TCN_SELCHANGE, OnSelChange)
END_MESSAGE_MAP()

const char KySubDialogTabCtrl::kPageGuidValue[] = "PageGUID";

KySubDialogTabCtrl::KySubDialogTabCtrl(int actualId, int proxyId,
                                       const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                                       const Kyvant::RegKey& stateKey, int pageGuidRecordType,
                                       int defaultPage)
    : SubDialogBridge(*this, bridge, actualId, proxyId), m_activeIndex(-1), m_activePage(nullptr),
      m_stateKey(stateKey), m_pageGuidRecordType(pageGuidRecordType), m_defaultPage(defaultPage)
{
}

KySubDialogTabCtrl::~KySubDialogTabCtrl() = default;

void KySubDialogTabCtrl::AddPage(KySubDialogPage* page, const Kyvant::ky_BSB<char>& caption)
{
    m_pages.push_back({page, Kyvant::ky_S(caption)});
}

void KySubDialogTabCtrl::AddPage(KySubDialogPage* page, const char* caption)
{
    m_pages.push_back({page, Kyvant::ky_S(caption != nullptr ? caption : "")});
}

KySubDialogPage* KySubDialogTabCtrl::GetPagePtr(unsigned index) const
{
    if (index >= m_pages.size())
        throw std::invalid_argument("KySubDialogTabCtrl: Bad page index");
    KySubDialogPage* page = m_pages[index].page;
    if (page == nullptr)
        throw std::runtime_error("KySubDialogTabCtrl: Missing page");
    return page;
}

KySubDialogPage& KySubDialogTabCtrl::GetPage(unsigned index) const
{
    return *GetPagePtr(index);
}

KySubDialogPage& KySubDialogTabCtrl::GetActivePage() const
{
    return GetPage(static_cast<unsigned>(m_activeIndex));
}

Kyvant::ky_S KySubDialogTabCtrl::GetPageCaption(unsigned index) const
{
    if (index >= m_pages.size())
        throw std::invalid_argument("KySubDialogTabCtrl: Bad page index");
    char text[kCaptionLimit + 1] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = kCaptionLimit;
    if (m_hWnd == nullptr || !GetItem(static_cast<int>(index), &item))
        return Kyvant::ky_S();
    return Kyvant::ky_S(item.pszText != nullptr ? item.pszText : "");
}

Kyvant::ky_S KySubDialogTabCtrl::GetActivePageCaption() const
{
    return GetPageCaption(static_cast<unsigned>(m_activeIndex));
}

int KySubDialogTabCtrl::IndexOf(const KySubDialogPage* page) const
{
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (m_pages[i].page == page)
            return static_cast<int>(i);
    }
    return -1;
}

bool KySubDialogTabCtrl::CreateGUI(CWnd& parent, const CRect& rect)
{
    return CreateEx(WS_EX_CONTROLPARENT, kTabClass, nullptr, kTabStyle, rect.left, rect.top,
                    rect.Width(), rect.Height(), parent.m_hWnd,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(GetActualID()))) != FALSE;
}

int KySubDialogTabCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTabCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    CWnd* parent = GetParent();
    if (parent != nullptr)
        SetFont(parent->GetFont(), FALSE);
    CreatePages();
    return 0;
}

// Inserts the tabs, shows the remembered (else the default) page and sizes
// the control to the larger of the page windows made so far.
void KySubDialogTabCtrl::CreatePages()
{
    Kyvant::ky_I stored;
    if (m_stateKey.get() != nullptr)
        stored.LoadStringA(m_stateKey.get(), kPageGuidValue, nullptr);
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (InsertItem(static_cast<int>(i), m_pages[i].caption.c_str()) < 0)
            AfxThrowResourceException();
        KySubDialogPage& page = GetPage(static_cast<unsigned>(i));
        if (i == 0)
            CreatePageWindow(page, false);
        if (m_activePage == nullptr && !stored.empty() && page.GetGUID() == stored)
            ShowFirstPage(static_cast<unsigned>(i));
    }
    if (m_activePage == nullptr && !m_pages.empty())
        ShowFirstPage(m_defaultPage < 0 ? 0u : static_cast<unsigned>(m_defaultPage));
    CRect largest(0, 0, 0, 0);
    for (const Entry& entry : m_pages) {
        if (entry.page == nullptr || entry.page->m_hWnd == nullptr)
            continue;
        CRect rect;
        entry.page->GetWindowRect(&rect);
        largest.right = largest.right > rect.Width() ? largest.right : rect.Width();
        largest.bottom = largest.bottom > rect.Height() ? largest.bottom : rect.Height();
    }
    AdjustRect(TRUE, &largest);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, largest.Width(), largest.Height(),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const CRect area = DisplayArea();
    for (const Entry& entry : m_pages) {
        if (entry.page != nullptr && entry.page->m_hWnd != nullptr)
            entry.page->MoveWindow(&area);
    }
}

// The page shown as the control is made keeps its template's size until the
// control has been sized to it.
void KySubDialogTabCtrl::ShowFirstPage(unsigned index)
{
    CreatePageWindow(GetPage(index), false);
    SetActivePage(index, false, true);
}

CRect KySubDialogTabCtrl::DisplayArea()
{
    CRect area;
    GetClientRect(&area);
    AdjustRect(FALSE, &area);
    return area;
}

void KySubDialogTabCtrl::CreatePageWindow(KySubDialogPage& page, bool place)
{
    if (page.m_hWnd != nullptr)
        return;
    if (!page.CreateGUI(*this, kFirstPageRect))
        AfxThrowResourceException();
    page.ShowWindow(SW_HIDE);
    if (place) {
        const CRect area = DisplayArea();
        page.MoveWindow(&area);
    }
}

void KySubDialogTabCtrl::SetActivePage(unsigned index, bool focus, bool ask)
{
    if (static_cast<int>(index) == m_activeIndex)
        return;
    const int selection = m_hWnd != nullptr ? GetCurSel() : -1;
    if (ask && m_activePage != nullptr && !m_activePage->OnDeactivatePage()) {
        SetCurSel(selection);
        return;
    }
    try {
        ActivatePage(index, focus);
    } catch (...) {
        if (m_activeIndex != static_cast<int>(index) && m_hWnd != nullptr)
            SetCurSel(selection);
        throw;
    }
}

void KySubDialogTabCtrl::ActivatePage(unsigned index, bool focus)
{
    KySubDialogPage& page = GetPage(index);
    CreatePageWindow(page, true);
    page.OnActivatePage();
    KySubDialogPage* old = m_activePage;
    if (old != nullptr) {
        old->ShowWindow(SW_HIDE);
        CorrectDefaultButtons(*old);
    }
    m_activeIndex = static_cast<int>(index);
    m_activePage = &page;
    page.ShowWindow(SW_SHOW);
    SetCurSel(static_cast<int>(index));
    CorrectFocus(page, focus);
    page.DocSetModified();
}

void KySubDialogTabCtrl::SetActivePage(const Kyvant::ky_I& guid, bool focus, bool ask)
{
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (m_pages[i].page != nullptr && m_pages[i].page->GetGUID() == guid) {
            SetActivePage(static_cast<unsigned>(i), focus, ask);
            return;
        }
    }
    throw std::runtime_error("Could not switch to requested Search tab");
}

void KySubDialogTabCtrl::NextPage()
{
    if (m_activePage == nullptr || m_pages.empty())
        return;
    const size_t next = (static_cast<size_t>(m_activeIndex) + 1) % m_pages.size();
    SetActivePage(static_cast<unsigned>(next), true, true);
}

void KySubDialogTabCtrl::PrevPage()
{
    if (m_activePage == nullptr || m_pages.empty())
        return;
    const size_t previous = m_activeIndex == 0 ? m_pages.size() - 1 : m_activeIndex - 1;
    SetActivePage(static_cast<unsigned>(previous), true, true);
}

void KySubDialogTabCtrl::OnSelChanging(NMHDR*, LRESULT* pResult)
{
    try {
        *pResult = m_activePage != nullptr && !m_activePage->OnDeactivatePage() ? TRUE : FALSE;
    } catch (const std::exception& e) {
        *pResult = TRUE;
        throw Kyvant::MfcStdException::Create(e);
    }
}

void KySubDialogTabCtrl::OnSelChange(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    try {
        SetActivePage(static_cast<unsigned>(GetCurSel()), false, false);
    } catch (const std::exception& e) {
        throw Kyvant::MfcStdException::Create(e);
    }
}

void KySubDialogTabCtrl::OnSetFocus(CWnd* pOldWnd)
{
    CTabCtrl::OnSetFocus(pOldWnd);
    if (m_activePage == nullptr)
        return;
    CorrectDefaultButtons(*m_activePage);
    CorrectFocus(*m_activePage, false);
}

bool KySubDialogTabCtrl::ParentIsDialogLike() const
{
    CWnd* parent = GetParent();
    return parent != nullptr && Kyvant::DialogEx::IsDialogLike(*parent);
}

// A hidden page's default button and any other that looks like the parent's
// default, besides the default itself, become plain push buttons.
void KySubDialogTabCtrl::CorrectDefaultButtons(CWnd& page)
{
    if (!ParentIsDialogLike())
        return;
    ::EnumChildWindows(page.m_hWnd, &PlainFirstDefaultButton, 0);
    CWnd* parent = GetParent();
    const WORD defaultId = LOWORD(parent->SendMessage(DM_GETDEFID));
    if (defaultId == 0)
        return;
    for (HWND child = ::GetWindow(parent->m_hWnd, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(child) != defaultId && IsDefaultPushButton(child)) {
            MakePlainPushButton(child);
            return;
        }
    }
}

// Puts the focus on the page's first tab stop, when asked to or when the
// control itself holds it.
void KySubDialogTabCtrl::CorrectFocus(CWnd& page, bool focus)
{
    if (!focus && ::GetFocus() != m_hWnd)
        return;
    if (!ParentIsDialogLike())
        return;
    HWND first = ::GetNextDlgTabItem(page.m_hWnd, nullptr, FALSE);
    if (first != nullptr && first != page.m_hWnd && ::IsChild(page.m_hWnd, first))
        GetParent()->PostMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    else
        GetParent()->PostMessage(WM_NEXTDLGCTL, 0, FALSE);
}
