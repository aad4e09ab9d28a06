// KyExplorerContextMenuEditorDialog: opening, the current row and its command
// in the command controls, and enabling those controls.
#include "KyGuiTool/ExplorerMenu/KyExplorerContextMenuEditorDialog.h"

#include "KyGui/Helpers/DialogEx.h"
#include "KyGui/Helpers/ListBoxEx.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/ExplorerMenu/ExplorerMenuList.h"
#include "KyGuiTool/ExplorerMenu/ExplorerMenuResource.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Registry/RegSeq.h"
#include "KyStd/Core/FlagScope.h"

#include <exception>

namespace {

using Kyvant::ky_S;
namespace Menu = Kyvant::ExplorerMenu;

const int kCommandControls[] = {IDC_KY_ECM_STANDARD_TOOL, IDC_KY_ECM_TOOL_NAME,
                                IDC_KY_ECM_TASK_FILE, IDC_KY_ECM_FILE_NAME, IDC_KY_ECM_BROWSE};

} // namespace

IMPLEMENT_DYNAMIC(KyExplorerContextMenuEditorDialog, CDialog)

KyExplorerContextMenuEditorDialog::KyExplorerContextMenuEditorDialog(CWnd* parent)
    : CDialog(IDD_KY_EXPLORER_MENU_EDITOR, parent), m_toolsKey(HKEY_CURRENT_USER, Menu::kToolsKey),
      m_modified(false), m_loading(false), m_moving(false), m_currentRow(-1), m_list(*this),
      m_browse(KyButtonEditorInvoker::kChooseFile)
{
}

KyExplorerContextMenuEditorDialog::~KyExplorerContextMenuEditorDialog() = default;

BOOL KyExplorerContextMenuEditorDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    Kyvant::FlagScope loading(m_loading);
    m_list.SubclassDlgItem(IDC_KY_ECM_LIST, this);
    m_toolName.SubclassDlgItem(IDC_KY_ECM_TOOL_NAME, this);
    m_browse.SubclassDlgItem(IDC_KY_ECM_BROWSE, this);
    for (const Menu::Tool& tool : Menu::Tools())
        m_toolName.AddString(tool.name);
    m_toolName.SetCurSel(0);
    m_list.SetDefaultItemHeight();
    Kyvant::ListBoxEx::SetIntegralHeight(m_list, m_list.GetDefaultItemHeight(), false, false,
                                         nullptr, nullptr);
    Kyvant::WndEx::EquiSpaceVertically_2(GetDlgItem(IDOK), GetDlgItem(IDC_KY_ECM_NOTE));
    CenterWindow();
    LoadEntries({});
    LoadStoredMenu();
    m_currentRow = -1;
    ShowSelection();
    return TRUE;
}

void KyExplorerContextMenuEditorDialog::LoadEntries(const std::vector<ky_S>& entries)
{
    std::vector<Kyvant::ky_BSB<char>> texts(entries.begin(), entries.end());
    m_list.LoadContents(Kyvant::forward_input_sequencer<std::vector<Kyvant::ky_BSB<char>>>(texts),
                        true);
}

// A list that cannot be read is reported; the editor then starts empty.
void KyExplorerContextMenuEditorDialog::LoadStoredMenu()
{
    try {
        Kyvant::RegSeqReader<ky_S> reader(m_toolsKey, Menu::kListName, true);
        std::vector<ky_S> entries;
        for (const ky_S* entry = reader.GetFirst(); entry != nullptr; entry = reader.GetNext())
            entries.push_back(*entry);
        LoadEntries(entries);
    } catch (const std::exception& e) {
        CString text;
        AfxFormatString1(text, IDS_KY_ECM_UNREADABLE, e.what());
        AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    }
}

// The list's selection becomes the current row and its command is shown.
void KyExplorerContextMenuEditorDialog::ShowSelection()
{
    m_currentRow = m_list.GetCurSel();
    ShowCurrentRow();
}

void KyExplorerContextMenuEditorDialog::MakeRowCurrent(int row)
{
    if (row == m_currentRow)
        return;
    StoreCurrentCommand();
    m_currentRow = row;
    ShowCurrentRow();
}

// A row of the list other than the empty new row.
bool KyExplorerContextMenuEditorDialog::IsItemRow(int row)
{
    return row >= 0 && row < m_list.GetCount() && m_list.ItemText(row) != nullptr;
}

ky_S KyExplorerContextMenuEditorDialog::CurrentCommand()
{
    if (IsDlgButtonChecked(IDC_KY_ECM_STANDARD_TOOL) == BST_CHECKED) {
        const int tool = m_toolName.GetCurSel();
        return tool >= 0 ? Menu::ToolCommand(tool) : ky_S();
    }
    if (IsDlgButtonChecked(IDC_KY_ECM_TASK_FILE) == BST_CHECKED) {
        CString file;
        GetDlgItemText(IDC_KY_ECM_FILE_NAME, file);
        return ky_S(static_cast<LPCSTR>(file));
    }
    return ky_S();
}

// The command controls' choice goes back into the current row's entry.
void KyExplorerContextMenuEditorDialog::StoreCurrentCommand()
{
    m_list.StopEditing(true, true, true);
    if (!IsItemRow(m_currentRow))
        return;
    const ky_S caption = Menu::Caption(m_list.ItemText(m_currentRow));
    m_list.SetEntry(m_currentRow, Menu::Entry(caption, CurrentCommand()).c_str());
}

void KyExplorerContextMenuEditorDialog::ShowCurrentRow()
{
    Kyvant::FlagScope loading(m_loading);
    const char* entry = IsItemRow(m_currentRow) ? m_list.ItemText(m_currentRow) : nullptr;
    const bool separator = entry != nullptr && Menu::IsSeparator(entry);
    const ky_S command = entry != nullptr && !separator ? Menu::Command(entry) : ky_S();
    if (!command.empty()) {
        ShowCommand(command);
        EnableCommandControls();
    } else {
        ClearCommand();
        if (entry == nullptr || separator)
            DisableCommandControls();
        else
            EnableCommandControls();
    }
    Kyvant::DialogEx::RecoverFromDisabledFocusWindow(*this);
}

void KyExplorerContextMenuEditorDialog::ShowCommand(const ky_S& command)
{
    if (command[0] == Menu::kToolMark) {
        CheckRadioButton(IDC_KY_ECM_STANDARD_TOOL, IDC_KY_ECM_TASK_FILE, IDC_KY_ECM_STANDARD_TOOL);
        m_toolName.SetCurSel(Menu::ToolIndex(command.c_str()));
        SetDlgItemText(IDC_KY_ECM_FILE_NAME, "");
    } else {
        CheckRadioButton(IDC_KY_ECM_STANDARD_TOOL, IDC_KY_ECM_TASK_FILE, IDC_KY_ECM_TASK_FILE);
        SetDlgItemText(IDC_KY_ECM_FILE_NAME, command.c_str());
        m_toolName.SetCurSel(-1);
    }
}

void KyExplorerContextMenuEditorDialog::ClearCommand()
{
    CheckDlgButton(IDC_KY_ECM_STANDARD_TOOL, BST_UNCHECKED);
    CheckDlgButton(IDC_KY_ECM_TASK_FILE, BST_UNCHECKED);
    m_toolName.SetCurSel(-1);
    SetDlgItemText(IDC_KY_ECM_FILE_NAME, "");
}

// Both radios; the tool list with the standard-tool radio, the file name and
// its browse button with the task-file radio.
void KyExplorerContextMenuEditorDialog::EnableCommandControls()
{
    const bool tool = IsDlgButtonChecked(IDC_KY_ECM_STANDARD_TOOL) == BST_CHECKED;
    const bool file = IsDlgButtonChecked(IDC_KY_ECM_TASK_FILE) == BST_CHECKED;
    GetDlgItem(IDC_KY_ECM_STANDARD_TOOL)->EnableWindow(TRUE);
    GetDlgItem(IDC_KY_ECM_TASK_FILE)->EnableWindow(TRUE);
    m_toolName.EnableWindow(tool);
    GetDlgItem(IDC_KY_ECM_FILE_NAME)->EnableWindow(file);
    m_browse.EnableWindow(file);
}

void KyExplorerContextMenuEditorDialog::DisableCommandControls()
{
    for (int id : kCommandControls)
        GetDlgItem(id)->EnableWindow(FALSE);
}

void KyExplorerContextMenuEditorDialog::MarkModified()
{
    if (!m_loading)
        m_modified = true;
}

void KyExplorerContextMenuEditorDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    if (pDX->m_bSaveAndValidate)
        StoreCurrentCommand();
}
