// KyStringPicker: the list in single or multiple mode, its height in whole
// rows, the counting label and the choice handed back on OK.
#include "KyGuiTool/Storage/KyStringPicker.h"

#include "KyGui/Helpers/ListBoxEx.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/Storage/StorageResource.h"
#include "KyGuiTool/Storage/StorageSelection.h"

namespace {

const int kMinimumRows = 3;
const DWORD kMultipleSelection = LBS_EXTENDEDSEL | LBS_MULTIPLESEL;

} // namespace

BEGIN_MESSAGE_MAP(KyStringPicker, CDialog)
ON_LBN_SELCHANGE(IDC_KY_PICKER_LIST, OnSelChange)
ON_BN_CLICKED(IDC_KY_PICKER_ALL, OnSelectAll)
ON_BN_CLICKED(IDC_KY_PICKER_NONE, OnSelectNone)
END_MESSAGE_MAP()

KyStringPicker::KyStringPicker(const Kyvant::input_sequencer<const char*>& choices,
                               const Kyvant::output_sequencer<Kyvant::ky_BSB<char>>& chosen,
                               const Kyvant::ky_BSB<char>& caption,
                               const Kyvant::ky_BSB<char>& label, const char* preselected,
                               bool multiple, CWnd* parent)
    : CDialog(IDD_KY_STRING_PICKER, parent), m_choices(choices), m_chosen(chosen),
      m_caption(caption), m_label(label), m_preselected(preselected ? preselected : ""),
      m_multiple(multiple)
{
}

BOOL KyStringPicker::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_caption.c_str());
    if (!m_multiple)
        MakeSingleChoiceList();
    m_list.SubclassDlgItem(IDC_KY_PICKER_LIST, this);
    m_selectAll.SubclassDlgItem(IDC_KY_PICKER_ALL, this);
    m_selectNone.SubclassDlgItem(IDC_KY_PICKER_NONE, this);
    FitListHeight();
    Kyvant::StorageSelection::Fill(m_list, m_choices, m_preselected.c_str(), m_multiple);
    if (m_multiple) {
        Refresh();
    } else {
        SetDlgItemText(IDC_KY_PICKER_LABEL, (m_label + ":").c_str());
        m_selectAll.ShowWindow(SW_HIDE);
        m_selectNone.ShowWindow(SW_HIDE);
    }
    CenterWindow();
    return TRUE;
}

// The template's list allows several choices: a single-choice list takes its
// place, position, id, font and tab order.
void KyStringPicker::MakeSingleChoiceList()
{
    CWnd* old = GetDlgItem(IDC_KY_PICKER_LIST);
    const Kyvant::WndEx::WindowRect rect(*old, true);
    const DWORD style = (old->GetStyle() & ~kMultipleSelection) | WS_VSCROLL;
    HWND single = ::CreateWindowExA(
        old->GetExStyle(), "LISTBOX", "", style, rect.left, rect.top, rect.Width(), rect.Height(),
        m_hWnd, reinterpret_cast<HMENU>(IDC_KY_PICKER_LIST), AfxGetInstanceHandle(), nullptr);
    ::SendMessageA(single, WM_SETFONT, old->SendMessage(WM_GETFONT), FALSE);
    ::SetWindowPos(single, old->m_hWnd, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    old->DestroyWindow();
}

void KyStringPicker::FitListHeight()
{
    const int rowHeight = m_list.GetItemHeight(0);
    if (rowHeight > 0)
        Kyvant::ListBoxEx::SetIntegralHeight(m_list, rowHeight, true, true, &m_selectAll,
                                             GetDlgItem(IDOK), true, kMinimumRows);
}

void KyStringPicker::Refresh()
{
    Kyvant::StorageSelection::Refresh(*this, *GetDlgItem(IDC_KY_PICKER_LABEL), m_label, m_list,
                                      m_selectAll, m_selectNone);
}

void KyStringPicker::OnSelChange()
{
    if (m_multiple)
        Refresh();
}

void KyStringPicker::OnSelectAll()
{
    Kyvant::StorageSelection::SelectAll(m_list, true);
    Refresh();
}

void KyStringPicker::OnSelectNone()
{
    Kyvant::StorageSelection::SelectAll(m_list, false);
    Refresh();
}

void KyStringPicker::OnOK()
{
    if (Kyvant::StorageSelection::Collect(m_list, m_chosen, m_multiple) == 0) {
        AfxMessageBox(Kyvant::StorageSelection::kEmptySelection);
        GotoDlgCtrl(&m_list);
        return;
    }
    EndDialog(IDOK);
}
