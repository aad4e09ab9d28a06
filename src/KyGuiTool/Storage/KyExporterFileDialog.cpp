// KyExporterFileDialog: the list of items under the Save dialog, its height
// in whole rows, and the refusal of an empty choice.
#include "KyGuiTool/Storage/KyExporterFileDialog.h"

#include "KyGui/Helpers/ListBoxEx.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/Storage/StorageResource.h"
#include "KyGuiTool/Storage/StorageSelection.h"
#include "KyGuiTool/Storage/StorageText.h"

namespace {

const int kMinimumRows = 3;
const DWORD kExportFlags =
    OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_EXPLORER | OFN_ENABLETEMPLATE;

// Makes the window taller (or shorter) by dy, its top-left corner kept.
void GrowBy(CWnd& window, int dy)
{
    const Kyvant::WndEx::WindowRect rect(window, true);
    ::SetWindowPos(window.m_hWnd, nullptr, 0, 0, rect.Width(), rect.Height() + dy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

const char KyExporterFileDialog::kFilter[] = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||";
const char KyExporterFileDialog::kDefaultExtension[] = "txt";

BEGIN_MESSAGE_MAP(KyExporterFileDialog, KyFileDialog)
ON_LBN_SELCHANGE(IDC_KY_EXPORTER_LIST, OnSelChange)
ON_BN_CLICKED(IDC_KY_EXPORTER_ALL, OnSelectAll)
ON_BN_CLICKED(IDC_KY_EXPORTER_NONE, OnSelectNone)
END_MESSAGE_MAP()

KyExporterFileDialog::KyExporterFileDialog(
    const Kyvant::input_sequencer<const char*>& names,
    const Kyvant::output_sequencer<Kyvant::ky_BSB<char>>& chosen, const Kyvant::ky_BSB<char>& label,
    const char* preselected, CWnd* parent)
    : KyFileDialog(FALSE, kDefaultExtension, nullptr, kExportFlags, kFilter, parent),
      m_names(names), m_chosen(chosen), m_label(Kyvant::StorageText::WithoutMnemonics(label)),
      m_preselected(preselected ? preselected : "")
{
    m_ofn.lpTemplateName = MAKEINTRESOURCEA(IDD_KY_EXPORTER_CHILD);
}

BOOL KyExporterFileDialog::OnInitDialog()
{
    KyFileDialog::OnInitDialog();
    m_list.SubclassDlgItem(IDC_KY_EXPORTER_LIST, this);
    m_selectAll.SubclassDlgItem(IDC_KY_EXPORTER_ALL, this);
    m_selectNone.SubclassDlgItem(IDC_KY_EXPORTER_NONE, this);
    FitListHeight();
    Kyvant::StorageSelection::Fill(m_list, m_names, m_preselected.c_str(), true);
    Refresh();
    return TRUE;
}

// The list a whole number of rows high; the group box around it follows.
void KyExporterFileDialog::FitListHeight()
{
    const int rowHeight = m_list.GetItemHeight(0);
    if (rowHeight <= 0)
        return;
    const int dy = Kyvant::ListBoxEx::SetIntegralHeight(m_list, rowHeight, true, false, nullptr,
                                                        nullptr, true, kMinimumRows);
    if (dy != 0)
        GrowBy(*GetDlgItem(IDC_KY_EXPORTER_GROUP), dy);
}

void KyExporterFileDialog::Refresh()
{
    Kyvant::StorageSelection::Refresh(*this, *GetDlgItem(IDC_KY_EXPORTER_LABEL), m_label, m_list,
                                      m_selectAll, m_selectNone);
}

void KyExporterFileDialog::OnSelChange()
{
    Refresh();
}

void KyExporterFileDialog::OnSelectAll()
{
    Kyvant::StorageSelection::SelectAll(m_list, true);
    Refresh();
}

void KyExporterFileDialog::OnSelectNone()
{
    Kyvant::StorageSelection::SelectAll(m_list, false);
    Refresh();
}

BOOL KyExporterFileDialog::OnFileNameOK()
{
    if (Kyvant::StorageSelection::Collect(m_list, m_chosen, true) == 0) {
        AfxMessageBox(Kyvant::StorageSelection::kEmptySelection);
        m_list.SetFocus();
        return TRUE;
    }
    return KyFileDialog::OnFileNameOK();
}
