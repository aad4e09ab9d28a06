// The Find frame's commands: the task commands, the panes, the editor and
// the development environments, the tab-size box, and what every command
// goes through (nothing while a task stops, notices ended, errors shown).
#include "KyFind/Gui/Frame/MainFrame.h"

#include "FinderLink/Frame/TabSizeBox.h"
#include "KyFind/Gui/Coordinator/ViewCoordinator.h"
#include "KyFind/Gui/Editor/EditorLaunch.h"
#include "KyFind/Gui/Editor/EditorOptionsDlg.h"
#include "KyFind/Gui/Editor/IdeOpening.h"
#include "KyFind/Gui/Editor/IdePresence.h"
#include "KyFind/Gui/FileList/FileListView.h"
#include "KyFind/Gui/MatchList/FileMatchListView.h"
#include "KyFind/Gui/Finder/Finder.h"
#include "KyFind/Gui/Frame/FrameResource.h"
#include "KyFind/Gui/Model/FinderModel.h"
#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/ResultList/ResultListResource.h"
#include "KyStd/Containers/Sequencer.h"

#include <comdef.h>

#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace FindEditor = Kyvant::FindEditor;

namespace {

const int kFirstBarId = 0xE800;
const int kLastBarId = 0xE8FF;
const int kDecimal = 10;

bool IsBarId(UINT id)
{
    return static_cast<int>(id) >= kFirstBarId && static_cast<int>(id) <= kLastBarId;
}

// The commands that would take away or rename the file the finder is still
// reporting matches of.
bool ChangesTheFile(UINT id)
{
    return id == ID_EDIT_CUT || id == ID_EDIT_CLEAR || id == ID_KY_RENAME;
}

} // namespace

// While a task stops nothing but the bars' own commands runs, and while it
// runs the file still being filled is neither cut, deleted nor renamed; an
// executed command ends a notice; errors reach the user as message boxes.
BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    const bool update = static_cast<UINT>(nCode) == CN_UPDATE_COMMAND_UI;
    if (pHandlerInfo == nullptr &&
        ((Stopping() && !IsBarId(nID)) || (ChangesTheFile(nID) && WatchedRowSelected()))) {
        if (update && pExtra)
            static_cast<CCmdUI*>(pExtra)->Enable(FALSE);
        if (update || nCode == CN_COMMAND)
            return TRUE;
    }
    if (nCode == CN_COMMAND && pHandlerInfo == nullptr && IsNotice(m_statusId))
        SetStatusText(AFX_IDS_IDLEMESSAGE, false);
    try {
        return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    } catch (const _com_error& e) {
        throw Kyvant::MfcStdException::Create(std::runtime_error(static_cast<const char*>(
            _bstr_t(e.Description().length() ? e.Description() : _bstr_t(e.ErrorMessage())))));
    } catch (const std::exception& e) {
        throw Kyvant::MfcStdException::Create(e);
    }
}

bool CMainFrame::WatchedRowSelected() const
{
    const FileListView* list = GetFileListView();
    if (!TaskRunning() || list == nullptr || list->GetWatchedRow() < 0)
        return false;
    return list->GetListCtrl().GetItemState(list->GetWatchedRow(), LVIS_SELECTED) != 0;
}

bool CMainFrame::HasFiles() const
{
    return m_finder && m_finder->GetModel().GetFileCount() > 0;
}

void CMainFrame::OnUpdateAlways(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

void CMainFrame::OnStop()
{
    if (m_finder)
        m_finder->Stop();
}

void CMainFrame::OnUpdateStop(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TaskRunning());
}

void CMainFrame::OnUpdateResultsIdle(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(HasFiles() && !TaskRunning());
}

// The files in list order become an Explorer hand-off to the next task,
// whose path-plan page takes them.
void CMainFrame::OnFindInResults()
{
    {
        CWaitCursor wait;
        std::vector<Kyvant::ky_S> paths;
        FileListView* list = GetFileListView();
        const int rows = list ? list->GetListCtrl().GetItemCount() : 0;
        for (int row = 0; row < rows; ++row) {
            Kyvant::ky_F path;
            list->GetItemFile(path, row);
            paths.push_back(Kyvant::ky_S(path.c_str()));
        }
        using Converter = Kyvant::static_hierarchy_converter<Kyvant::ky_S, Kyvant::ky_BSB<char>>;
        KyGuiApp::Instance().CreateShellExToolArgs(
            Kyvant::forward_input_sequencer<std::vector<Kyvant::ky_S>, Converter>(paths));
    }
    AfxGetApp()->OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr);
}

void CMainFrame::OnDiscard()
{
    if (m_finder)
        m_finder->Discard();
    SetStatusText(AFX_IDS_IDLEMESSAGE, true);
}

void CMainFrame::OnActivatePane(UINT id)
{
    if (CView* view = dynamic_cast<CView*>(
            m_splitter.GetPane(static_cast<int>(id - ID_KYFINDG_FILE_LIST_PANE), 0)))
        SetActiveView(view);
}

bool CMainFrame::GetCurrentFile(std::string& path)
{
    FileListView* list = GetFileListView();
    const int row = list ? list->GetLink().GetCurrentFile() : -1;
    if (row < 0 || row >= list->GetListCtrl().GetItemCount())
        return false;
    Kyvant::ky_F name;
    list->GetItemFile(name, row);
    path = name.c_str();
    return !path.empty();
}

// The current match's line; without one, the line of the match list's
// selected row.
unsigned CMainFrame::GetCurrentMatchLine()
{
    ViewCoordinator* views = Views();
    const Finder::Model::FileRec* file = views ? views->GetCurrentFileRec() : nullptr;
    if (!file)
        return 0;
    int match = views->GetCurrentMatch();
    if (match < 0) {
        FileMatchListView* list = GetMatchListView();
        match = list ? list->GetListCtrl().GetNextItem(-1, LVNI_SELECTED) : -1;
    }
    const Finder::Model::MatchRec* record =
        match >= 0 ? Finder::Model::GetMatch(*file, match) : nullptr;
    return record && record->line > 0 ? static_cast<unsigned>(record->line) : 0;
}

void CMainFrame::OnNavigate(UINT id)
{
    ViewCoordinator* views = Views();
    if (!views)
        return;
    switch (id) {
    case ID_KYFINDG_NEXT_MATCH:
    case ID_KYFINDG_SINGLE_KEY_BROWSE:
        views->NextMatch(true);
        break;
    case ID_KYFINDG_PREVIOUS_MATCH:
        views->NextMatch(false);
        break;
    case ID_KYFINDG_NEXT_FILE:
        views->NextFile(true);
        break;
    case ID_KYFINDG_PREVIOUS_FILE:
        views->NextFile(false);
        break;
    default:
        break;
    }
}

void CMainFrame::OnUpdateNavigate(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(HasFiles());
}

void CMainFrame::OnWordWrap()
{
    if (ViewCoordinator* views = Views())
        views->ToggleWordWrap();
}

void CMainFrame::OnUpdateWordWrap(CCmdUI* pCmdUI)
{
    ViewCoordinator* views = Views();
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(views && views->GetTextOptions().GetWordWrap() ? 1 : 0);
}

void CMainFrame::OnSelectMatchedText()
{
    if (ViewCoordinator* views = Views())
        views->ShowCurrentMatchAgain();
}

void CMainFrame::OnUpdateSelectMatchedText(CCmdUI* pCmdUI)
{
    ViewCoordinator* views = Views();
    pCmdUI->Enable(views && views->GetCurrentMatch() >= 0);
}

void CMainFrame::OnTextOptions()
{
    if (ViewCoordinator* views = Views()) {
        views->DoTextOptions();
        ShowTabSize();
    }
}

void CMainFrame::OnConfigureEditor()
{
    EditorOptionsDlg dialog(m_editor, this);
    if (dialog.DoModal() == IDOK)
        m_editor = dialog.GetSettings();
}

void CMainFrame::OnOpenInEditor()
{
    std::string file;
    if (GetCurrentFile(file))
        FindEditor::OpenInEditor(m_hWnd, m_editor, file, GetCurrentMatchLine());
}

void CMainFrame::OnUpdateOpenInEditor(CCmdUI* pCmdUI)
{
    std::string file;
    pCmdUI->Enable(!m_editor.path.empty() && GetCurrentFile(file));
}

void CMainFrame::OnOpenInIde()
{
    switch (FindEditor::IdeToUse()) {
    case FindEditor::Ide::VsNet:
        OnOpenWithVsNet();
        break;
    case FindEditor::Ide::VisualCpp:
        OnOpenWithVc();
        break;
    case FindEditor::Ide::None:
        break;
    }
}

void CMainFrame::OnUpdateOpenInIde(CCmdUI* pCmdUI)
{
    std::string file;
    pCmdUI->Enable(FindEditor::IdeToUse() != FindEditor::Ide::None && GetCurrentFile(file));
}

void CMainFrame::OnOpenWithVc()
{
    std::string file;
    if (GetCurrentFile(file))
        FindEditor::OpenWithVisualCpp(file, GetCurrentMatchLine());
}

void CMainFrame::OnUpdateOpenWithVc(CCmdUI* pCmdUI)
{
    std::string file;
    pCmdUI->Enable(FindEditor::GetIdePresence().vcPresent() && GetCurrentFile(file));
}

void CMainFrame::OnOpenWithVsNet()
{
    std::string file;
    if (GetCurrentFile(file))
        FindEditor::OpenWithVsNet(file, GetCurrentMatchLine());
}

void CMainFrame::OnUpdateOpenWithVsNet(CCmdUI* pCmdUI)
{
    std::string file;
    pCmdUI->Enable(FindEditor::GetIdePresence().vsNetPresent() && GetCurrentFile(file));
}

// The arrow of Open in IDE: the environments' menu under the button.
void CMainFrame::OnIdeDropDown(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = TBDDRET_DEFAULT;
    if (reinterpret_cast<NMTOOLBARA*>(pNMHDR)->iItem != ID_KYFINDG_OPEN_IN_IDE)
        return;
    CMenu menu;
    if (!menu.LoadMenu(IDR_KYFINDG_IDE_MENU))
        return;
    CPoint at;
    CRect button;
    const int index = m_toolBar.CommandToIndex(ID_KYFINDG_OPEN_IN_IDE);
    if (index >= 0) {
        m_toolBar.GetItemRect(index, &button);
        m_toolBar.ClientToScreen(&button);
        at = CPoint(button.left, button.bottom);
    } else {
        GetCursorPos(&at);
    }
    menu.GetSubMenu(0)->TrackPopupMenu(TPM_LEFTALIGN | TPM_LEFTBUTTON, at.x, at.y, this);
}

void CMainFrame::OnIndexingServicePane()
{
    KyGuiApp::Instance().OnDisplayIndexingServiceMessage();
}

bool CMainFrame::TabSizeHasFocus() const
{
    return Kyvant::FinderLink::HasFocusWithin(m_tabSize);
}

void CMainFrame::OnTabSizeSelEndOk()
{
    const int selected = m_tabSize.GetCurSel();
    if (selected >= 0)
        SetTabSize(selected + 1);
    else
        ShowTabSize();
    PostMessage(WM_APP + 1);
}

void CMainFrame::OnTabSizeSelEndCancel()
{
    ShowTabSize();
}

void CMainFrame::OnTabSizeEndEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (reinterpret_cast<NMCBEENDEDITA*>(pNMHDR)->iWhy == CBENF_KILLFOCUS)
        PostMessage(WM_APP + 3);
}

// Enter in the tab-size box: its number, kept within 1 to 20.
void CMainFrame::OnBarOk()
{
    if (!TabSizeHasFocus())
        return;
    CString text;
    m_tabSize.GetWindowText(text);
    SetTabSize(static_cast<int>(std::strtol(text, nullptr, kDecimal)));
    PostMessage(WM_APP + 1);
}

// Escape in the tab-size box: the size it had.
void CMainFrame::OnBarCancel()
{
    if (!TabSizeHasFocus())
        return;
    ShowTabSize();
    PostMessage(WM_APP + 1);
}
