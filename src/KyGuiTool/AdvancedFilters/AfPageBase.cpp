// AfPageBase: captions, the enabling rules, spins, failures, help and OK.
#include "KyGuiTool/AdvancedFilters/AfPageBase.h"

#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGui/Helpers/DialogEx.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyStd/Strings/String.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>

namespace {

// A date or time picker with this format shows nothing.
const char kBlankFormat[] = " ";
const char kPickerClass[] = "SysDateTimePick32";
const char kSpinClass[] = "msctls_updown32";

Kyvant::ky_S LoadText(UINT id)
{
    return Kyvant::ky_S().LoadStringA(Kyvant::KyGuiToolModule(), id);
}

bool IsOfClass(HWND window, const char* className)
{
    char name[32] = "";
    ::GetClassNameA(window, name, sizeof name);
    return ::lstrcmpiA(name, className) == 0;
}

LPCSTR HelpFile()
{
    CWinApp* app = AfxGetApp();
    return app != nullptr ? app->m_pszHelpFilePath : nullptr;
}

// The notifications by which a user's change of a control shows.
bool IsChangeNotification(UINT code)
{
    return code == BN_CLICKED || code == EN_CHANGE || code == CBN_SELCHANGE ||
           code == CBN_EDITCHANGE;
}

} // namespace

IMPLEMENT_DYNAMIC(AfPageBase, CPropertyPage)

BEGIN_MESSAGE_MAP(AfPageBase, CPropertyPage)
ON_WM_HELPINFO()
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

AfPageBase::AfPageBase(Filters& filters, UINT templateId, const HelpControls& help,
                       const Captions& captions, bool on, const Layout& layout)
    : CPropertyPage(templateId, on ? captions.starred : captions.plain), m_filters(filters),
      m_captions(captions), m_captionId(on ? captions.starred : captions.plain), m_layout(layout),
      m_initialising(false), m_changedByUser(false)
{
    const int kHelpIdShift = 16;
    for (int i = 0; i < help.count; ++i) {
        const DWORD control = static_cast<DWORD>(help.ids[i]);
        m_helpIds.push_back(control);
        m_helpIds.push_back((control << kHelpIdShift) + templateId);
    }
    m_helpIds.push_back(0);
    m_helpIds.push_back(0);
}

void AfPageBase::PutCaptionOnTab(CPropertySheet& sheet)
{
    const int index = sheet.GetPageIndex(this);
    CTabCtrl* tabs = sheet.GetSafeHwnd() != nullptr ? sheet.GetTabControl() : nullptr;
    if (index < 0 || tabs == nullptr || tabs->GetSafeHwnd() == nullptr)
        return;
    Kyvant::ky_S caption = LoadText(m_captionId);
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(caption.c_str());
    tabs->SendMessage(TCM_SETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void AfPageBase::OnOK()
{
    CPropertyPage::OnOK();
    QuerySiblings(0, 0);
}

BOOL AfPageBase::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_initialising = true;
    try {
        InitControls();
        ApplyEnabling();
    } catch (const std::exception& e) {
        // What was filled stays, under the rules, and the text is shown.
        ApplyEnabling();
        m_initialising = false;
        throw Kyvant::MfcStdException::Create(e);
    }
    m_initialising = false;
    return TRUE;
}

void AfPageBase::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    if (!pDX->m_bSaveAndValidate)
        return;
    try {
        SaveControls(*pDX);
    } catch (const std::exception& e) {
        Fail(*pDX, e);
    }
}

void AfPageBase::ApplyExtraEnabling(bool) {}

void AfPageBase::ApplyEnabling()
{
    const bool on = IsMasterOn();
    for (int id = m_layout.first; id <= m_layout.last; ++id)
        EnableControl(id, on && id <= m_layout.lastByMaster);
    if (on) {
        for (int i = 0; i < m_layout.dependentCount; ++i) {
            const Dependent& row = m_layout.dependents[i];
            const bool rowOn = IsChecked(row.control);
            for (int id = row.first; id <= row.last; ++id)
                EnableControl(id, rowOn);
        }
    }
    ApplyExtraEnabling(on);
    if (m_hWnd != nullptr && ::IsWindowVisible(m_hWnd))
        Kyvant::DialogEx::RecoverFromDisabledFocusWindow(*this);
}

void AfPageBase::EnableControl(int id, bool enable)
{
    const HWND control = ::GetDlgItem(m_hWnd, id);
    if (control == nullptr)
        return;
    if (IsOfClass(control, kPickerClass)) {
        const char* format = enable ? nullptr : kBlankFormat;
        ::SendMessageA(control, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(format));
    }
    ::EnableWindow(control, enable ? TRUE : FALSE);
}

bool AfPageBase::IsChecked(int id) const
{
    return ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
}

void AfPageBase::SetChecked(int id, bool on)
{
    ::CheckDlgButton(m_hWnd, id, on ? BST_CHECKED : BST_UNCHECKED);
}

void AfPageBase::FillCombo(int id, UINT entriesId, int selected)
{
    const HWND combo = ::GetDlgItem(m_hWnd, id);
    ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    const Kyvant::ky_S entries = LoadText(entriesId);
    const char* start = entries.c_str();
    for (;;) {
        const char* end = std::strchr(start, '\n');
        const Kyvant::ky_S entry(start, end != nullptr ? static_cast<unsigned>(end - start)
                                                       : static_cast<unsigned>(std::strlen(start)));
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        if (end == nullptr)
            break;
        start = end + 1;
    }
    ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

int AfPageBase::ComboIndex(int id) const
{
    return static_cast<int>(::SendDlgItemMessageA(m_hWnd, id, CB_GETCURSEL, 0, 0));
}

void AfPageBase::Fail(CDataExchange& dx, int control, UINT messageId)
{
    const HWND window = ::GetDlgItem(m_hWnd, control);
    if (window != nullptr && IsOfClass(window, "Edit"))
        dx.PrepareEditCtrl(control);
    else if (window != nullptr)
        dx.PrepareCtrl(control);
    AfxMessageBox(LoadText(messageId).c_str(), MB_OK | MB_ICONEXCLAMATION);
    dx.Fail();
}

void AfPageBase::Fail(CDataExchange& dx, const std::exception& e)
{
    Kyvant::MfcStdException* shown = Kyvant::MfcStdException::Create(e);
    shown->ReportError(MB_OK | MB_ICONEXCLAMATION);
    shown->Delete();
    dx.Fail();
}

BOOL AfPageBase::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (lParam != 0 && !m_initialising && IsChangeNotification(code))
        m_changedByUser = true;
    if (lParam != 0 && code == BN_CLICKED) {
        if (id == m_layout.master)
            OnMasterClicked();
        else if (IsDependentControl(id))
            ApplyEnabling();
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

BOOL AfPageBase::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->code == DTN_DATETIMECHANGE && !m_initialising)
        m_changedByUser = true;
    if (header->code == UDN_DELTAPOS && IsOfClass(header->hwndFrom, kSpinClass) &&
        FillEmptyBuddy(header->hwndFrom)) {
        *pResult = TRUE;
        return TRUE;
    }
    return CPropertyPage::OnNotify(wParam, lParam, pResult);
}

bool AfPageBase::FillEmptyBuddy(HWND spin)
{
    const HWND buddy = reinterpret_cast<HWND>(::SendMessageA(spin, UDM_GETBUDDY, 0, 0));
    if (buddy == nullptr || ::GetWindowTextLengthA(buddy) != 0)
        return false;
    int lower = 0;
    int upper = 0;
    ::SendMessageA(spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower),
                   reinterpret_cast<LPARAM>(&upper));
    char text[16];
    std::snprintf(text, sizeof text, "%d", lower);
    ::SetWindowTextA(buddy, text);
    return true;
}

void AfPageBase::OnMasterClicked()
{
    m_captionId = IsMasterOn() ? m_captions.starred : m_captions.plain;
    CPropertySheet* sheet =
        DYNAMIC_DOWNCAST(CPropertySheet, CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
    if (sheet != nullptr)
        PutCaptionOnTab(*sheet);
    ApplyEnabling();
}

bool AfPageBase::IsDependentControl(int id) const
{
    for (int i = 0; i < m_layout.dependentCount; ++i) {
        if (m_layout.dependents[i].control == id)
            return true;
    }
    return false;
}

BOOL AfPageBase::OnHelpInfo(HELPINFO* pHelpInfo)
{
    if (pHelpInfo->iContextType == HELPINFO_WINDOW) {
        AfxWinHelp(static_cast<HWND>(pHelpInfo->hItemHandle), HelpFile(), HELP_WM_HELP,
                   reinterpret_cast<ULONG_PTR>(GetHelpIds()));
        return TRUE;
    }
    return CPropertyPage::OnHelpInfo(pHelpInfo);
}

void AfPageBase::OnContextMenu(CWnd* pWnd, CPoint pos)
{
    if (pWnd != nullptr && pWnd->m_hWnd != m_hWnd) {
        AfxWinHelp(pWnd->m_hWnd, HelpFile(), HELP_CONTEXTMENU,
                   reinterpret_cast<ULONG_PTR>(GetHelpIds()));
        return;
    }
    CPropertyPage::OnContextMenu(pWnd, pos);
}
