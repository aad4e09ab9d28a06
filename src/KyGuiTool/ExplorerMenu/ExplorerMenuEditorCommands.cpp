// KyExplorerContextMenuEditorDialog: the buttons, the list's notifications,
// browsing for a task file, saving on OK or Cancel, and context help.
#include "KyGuiTool/ExplorerMenu/KyExplorerContextMenuEditorDialog.h"

#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGui/Helpers/DialogEx.h"
#include "KyGui/Shell/KyFileDialog.h"
#include "KyGuiTool/ExplorerMenu/ExplorerMenuList.h"
#include "KyGuiTool/ExplorerMenu/ExplorerMenuResource.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyGuiTool/TaskFiles/TaskFileInitialDirManager.h"
#include "KyStd/Registry/RegSeq.h"

#include <cstdlib>
#include <exception>
#include <stdexcept>

namespace {

using Kyvant::ky_S;
namespace Menu = Kyvant::ExplorerMenu;

// The help context of a control: its id above the dialog's template id.
constexpr DWORD HelpId(DWORD control)
{
    return (control << 16) | IDD_KY_EXPLORER_MENU_EDITOR;
}

const DWORD kHelpIds[] = {
    IDC_KY_ECM_LIST,
    HelpId(IDC_KY_ECM_LIST),
    IDC_KY_ECM_STANDARD_TOOL,
    HelpId(IDC_KY_ECM_STANDARD_TOOL),
    IDC_KY_ECM_TASK_FILE,
    HelpId(IDC_KY_ECM_TASK_FILE),
    IDC_KY_ECM_ADD_SEPARATOR,
    HelpId(IDC_KY_ECM_ADD_SEPARATOR),
    IDC_KY_ECM_BROWSE,
    HelpId(IDC_KY_ECM_BROWSE),
    IDC_KY_ECM_FILE_NAME,
    HelpId(IDC_KY_ECM_FILE_NAME),
    IDC_KY_ECM_TOOL_NAME,
    HelpId(IDC_KY_ECM_TOOL_NAME),
    IDC_KY_ECM_RESET,
    HelpId(IDC_KY_ECM_RESET),
    0,
    0,
};

const DWORD kBrowseFlags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;

ky_S LoadText(UINT id)
{
    ky_S text;
    text.LoadStringA(Kyvant::KyGuiToolModule(), id);
    return text;
}

LPCSTR HelpFile()
{
    CWinApp* app = AfxGetApp();
    return app != nullptr ? app->m_pszHelpFilePath : nullptr;
}

// Runs a handler; a standard exception reaches MFC's error report.
template <class Handler>
void Guarded(Handler handler)
{
    try {
        handler();
    } catch (const std::exception& e) {
        throw Kyvant::MfcStdException::Create(e);
    }
}

} // namespace

BEGIN_MESSAGE_MAP(KyExplorerContextMenuEditorDialog, CDialog)
ON_LBN_SELCHANGE(IDC_KY_ECM_LIST, OnListSelChange)
ON_BN_CLICKED(IDC_KY_ECM_STANDARD_TOOL, OnToolRadio)
ON_BN_CLICKED(IDC_KY_ECM_TASK_FILE, OnToolRadio)
ON_CBN_SELCHANGE(IDC_KY_ECM_TOOL_NAME, OnToolNameChange)
ON_EN_CHANGE(IDC_KY_ECM_FILE_NAME, OnFileNameChange)
ON_BN_CLICKED(IDC_KY_ECM_ADD_SEPARATOR, OnAddSeparator)
ON_BN_CLICKED(IDC_KY_ECM_RESET, OnReset)
ON_MESSAGE(KyButtonEditorInvoker::kInvokeMessage, OnBrowse)
ON_MESSAGE(WM_KY_LIST_TEXT_CHANGED, OnItemTextChanged)
ON_MESSAGE(WM_KY_LIST_ITEM_DELETED, OnItemDeleted)
ON_MESSAGE(WM_KY_LIST_ITEM_MOVED, OnItemMoved)
ON_MESSAGE(WM_KY_LIST_EDIT_UNCHANGED, OnEditUnchanged)
ON_WM_HELPINFO()
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

void KyExplorerContextMenuEditorDialog::OnListSelChange()
{
    if (m_moving)
        return;
    Guarded([this] {
        StoreCurrentCommand();
        ShowSelection();
    });
}

void KyExplorerContextMenuEditorDialog::OnToolRadio()
{
    MarkModified();
    EnableCommandControls();
}

void KyExplorerContextMenuEditorDialog::OnToolNameChange()
{
    MarkModified();
}

void KyExplorerContextMenuEditorDialog::OnFileNameChange()
{
    MarkModified();
}

void KyExplorerContextMenuEditorDialog::OnAddSeparator()
{
    Guarded([this] {
        StoreCurrentCommand();
        const int row = m_currentRow;
        if (row < 0 || row >= m_list.GetCount())
            return;
        char* copy = _strdup(Menu::kSeparator);
        if (copy == nullptr)
            AfxThrowMemoryException();
        const LRESULT at = m_list.SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(row),
                                              reinterpret_cast<LPARAM>(copy));
        if (at < 0) {
            std::free(copy);
            AfxThrowMemoryException();
        }
        m_list.SetCurSel(static_cast<int>(at));
        ShowSelection();
        MarkModified();
    });
}

void KyExplorerContextMenuEditorDialog::OnReset()
{
    Guarded([this] {
        m_list.StopEditing(true, true, true);
        if (m_modified &&
            AfxMessageBox(IDS_KY_ECM_DISCARD_CHANGES, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
        LoadEntries(Menu::DefaultMenu());
        m_currentRow = -1;
        ShowSelection();
        m_modified = true;
    });
}

LRESULT KyExplorerContextMenuEditorDialog::OnBrowse(WPARAM, LPARAM)
{
    Guarded([this] {
        const ky_S filter = LoadText(IDS_KY_TASK_FILE_FILTER);
        KyFileDialog dialog(TRUE, nullptr, nullptr, kBrowseFlags, filter.c_str(), this);
        Kyvant::TaskFileInitialDirManager folder(dialog);
        if (dialog.DoModal() != IDOK)
            return;
        SetDlgItemText(IDC_KY_ECM_FILE_NAME, dialog.GetPathName());
        m_modified = true;
        folder.Update();
    });
    return 0;
}

LRESULT KyExplorerContextMenuEditorDialog::OnItemTextChanged(WPARAM, LPARAM)
{
    MarkModified();
    EnableCommandControls();
    return 0;
}

// The row that takes the deleted one's place is shown; its command was
// stored when it stopped being current.
LRESULT KyExplorerContextMenuEditorDialog::OnItemDeleted(WPARAM, LPARAM)
{
    MarkModified();
    const int selection = m_list.GetCurSel();
    const int last = m_list.GetCount() - 1;
    m_currentRow = selection >= 0 ? selection : (m_currentRow < last ? m_currentRow : last);
    ShowCurrentRow();
    return 0;
}

LRESULT KyExplorerContextMenuEditorDialog::OnItemMoved(WPARAM wParam, LPARAM)
{
    MarkModified();
    m_currentRow = static_cast<int>(wParam);
    return 0;
}

LRESULT KyExplorerContextMenuEditorDialog::OnEditUnchanged(WPARAM, LPARAM)
{
    return 0;
}

// Rows with an empty command are caught as well as those without one: the
// shell extension could run neither.
void KyExplorerContextMenuEditorDialog::CheckCommands(const std::vector<ky_S>& entries)
{
    int row = 0;
    for (const ky_S& entry : entries) {
        if (!Menu::IsSeparator(entry.c_str()) && Menu::Command(entry.c_str()).empty()) {
            m_list.SetCurSel(row);
            Kyvant::DialogEx::SetFocus(m_list);
            ShowSelection();
            throw std::runtime_error(LoadText(IDS_KY_ECM_NO_COMMAND).c_str());
        }
        ++row;
    }
}

bool KyExplorerContextMenuEditorDialog::SaveMenu()
{
    if (!UpdateData(TRUE))
        return false;
    std::vector<ky_S> entries;
    const int count = m_list.GetCount();
    for (int row = 0; row < count; ++row) {
        if (m_list.ItemText(row) != nullptr)
            entries.push_back(ky_S(m_list.ItemText(row)));
    }
    CheckCommands(entries);
    bool items = false;
    for (const ky_S& entry : entries)
        items = items || !Menu::IsSeparator(entry.c_str());
    if (!items) {
        const int answer = AfxMessageBox(IDS_KY_ECM_EMPTY_MENU, MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDCANCEL)
            return false;
        if (answer == IDYES)
            Kyvant::RegSeqWriter<ky_S> writer(m_toolsKey, Menu::kListName);
        EndDialog(answer == IDYES ? IDOK : IDCANCEL);
        return true;
    }
    Kyvant::RegSeqWriter<ky_S> writer(m_toolsKey, Menu::kListName);
    for (const ky_S& entry : entries)
        writer.Write(entry);
    EndDialog(IDOK);
    return true;
}

void KyExplorerContextMenuEditorDialog::OnOK()
{
    Guarded([this] { SaveMenu(); });
}

void KyExplorerContextMenuEditorDialog::OnCancel()
{
    Guarded([this] {
        m_list.StopEditing(true, true, true);
        if (!m_modified) {
            EndDialog(IDCANCEL);
            return;
        }
        const int answer = AfxMessageBox(IDS_KY_ECM_SAVE_CHANGES, MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDYES)
            SaveMenu();
        else if (answer == IDNO)
            EndDialog(IDCANCEL);
    });
}

BOOL KyExplorerContextMenuEditorDialog::OnHelpInfo(HELPINFO* pHelpInfo)
{
    if (pHelpInfo->iContextType == HELPINFO_WINDOW) {
        AfxWinHelp(static_cast<HWND>(pHelpInfo->hItemHandle), HelpFile(), HELP_WM_HELP,
                   reinterpret_cast<ULONG_PTR>(kHelpIds));
        return TRUE;
    }
    return CDialog::OnHelpInfo(pHelpInfo);
}

void KyExplorerContextMenuEditorDialog::OnContextMenu(CWnd* pWnd, CPoint pos)
{
    if (pWnd != nullptr && pWnd->m_hWnd != m_hWnd) {
        AfxWinHelp(pWnd->m_hWnd, HelpFile(), HELP_CONTEXTMENU,
                   reinterpret_cast<ULONG_PTR>(kHelpIds));
        return;
    }
    CDialog::OnContextMenu(pWnd, pos);
}
