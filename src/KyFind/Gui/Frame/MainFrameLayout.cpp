// The Find frame's window and pane layout in the registry, its hidden start,
// closing and the end of the session.
#include "KyFind/Gui/Frame/MainFrame.h"

#include "FinderLink/Frame/FrameWindow.h"
#include "KyFind/Gui/FileList/FileListView.h"
#include "KyFind/Gui/Finder/Finder.h"
#include "KyFind/Gui/MatchList/FileMatchListView.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyGuiTool/Settings/SettingsResource.h"
#include "KyStd/Registry/RegValues.h"

namespace {

const char kWindowKey[] = "Window";
const char kFileListPaneKey[] = "Window\\FileListPane";
const char kLineListPaneKey[] = "Window\\LineListPane";
const char kFilePaneKey[] = "Window\\FilePane";
const char kHeightValue[] = "Height";
const int kFileListRow = 0;
const int kLineListRow = 1;
const int kFileRow = 2;
const int kMinPaneHeight = 0;
// The match list's column widths, one value per column.
struct MatchColumnValue {
    int column;
    const char* name;
};
const MatchColumnValue kMatchColumnValues[] = {
    {FileMatchListView::TextColumn, "WLineText"},
    {FileMatchListView::LineColumn, "WLineNo"},
};

Kyvant::RegKey PaneKey(const char* path)
{
    return Kyvant::RegKey(KyGuiApp::Instance().GetRegKey(), path);
}

int PaneHeight(CSplitterWnd& splitter, int row)
{
    int current = 0, least = 0;
    splitter.GetRowInfo(row, current, least);
    return current;
}

void SaveMatchColumns(FileMatchListView* view, HKEY key)
{
    if (view == nullptr || !view->GetSafeHwnd())
        return;
    CListCtrl& list = view->GetListCtrl();
    for (const MatchColumnValue& value : kMatchColumnValues)
        Kyvant::WriteRegistryDWORD(key, value.name,
                                   static_cast<DWORD>(list.GetColumnWidth(value.column)));
}

// A stored width counts in its low 16 bits; a column without a stored width
// keeps the one it has.
void RestoreMatchColumns(FileMatchListView* view, HKEY key)
{
    if (view == nullptr || !view->GetSafeHwnd())
        return;
    CListCtrl& list = view->GetListCtrl();
    for (const MatchColumnValue& value : kMatchColumnValues) {
        const DWORD current = static_cast<DWORD>(list.GetColumnWidth(value.column));
        const DWORD stored = Kyvant::GetRegistryDWORD(key, value.name, current);
        list.SetColumnWidth(value.column, LOWORD(stored));
    }
}

} // namespace

void CMainFrame::SaveLayout()
{
    const HKEY appKey = KyGuiApp::Instance().GetRegKey().get();
    Kyvant::WndEx::SaveWindowState(*this, appKey, kWindowKey);
    if (!m_splitter.GetSafeHwnd())
        return;
    Kyvant::RegKey fileList = PaneKey(kFileListPaneKey);
    Kyvant::WriteRegistryDWORD(fileList.get(), kHeightValue, PaneHeight(m_splitter, kFileListRow));
    if (FileListView* list = GetFileListView())
        list->SaveState(fileList);
    Kyvant::RegKey lineList = PaneKey(kLineListPaneKey);
    Kyvant::WriteRegistryDWORD(lineList.get(), kHeightValue, PaneHeight(m_splitter, kLineListRow));
    SaveMatchColumns(GetMatchListView(), lineList.get());
    Kyvant::WriteRegistryDWORD(PaneKey(kFilePaneKey).get(), kHeightValue,
                               PaneHeight(m_splitter, kFileRow));
}

// Rows take their saved heights, by default a quarter of the splitter each
// for the two lists and the rest for the file view.
void CMainFrame::RestoreLayout()
{
    const HKEY appKey = KyGuiApp::Instance().GetRegKey().get();
    Kyvant::WndEx::RestoreWindowState(*this, appKey, kWindowKey, true, CSize(0, 0));
    m_layoutRestored = true;
    if (!m_splitter.GetSafeHwnd())
        return;
    RecalcLayout();
    CRect client;
    m_splitter.GetClientRect(&client);
    const int h = client.Height();
    Kyvant::RegKey fileList = PaneKey(kFileListPaneKey);
    m_splitter.SetRowInfo(kFileListRow,
                          Kyvant::GetRegistryDWORD(fileList.get(), kHeightValue, h / 4),
                          kMinPaneHeight);
    if (FileListView* list = GetFileListView())
        list->RestoreState(fileList);
    Kyvant::RegKey lineList = PaneKey(kLineListPaneKey);
    RestoreMatchColumns(GetMatchListView(), lineList.get());
    m_splitter.SetRowInfo(kLineListRow,
                          Kyvant::GetRegistryDWORD(lineList.get(), kHeightValue, h / 4),
                          kMinPaneHeight);
    m_splitter.SetRowInfo(
        kFileRow,
        Kyvant::GetRegistryDWORD(PaneKey(kFilePaneKey).get(), kHeightValue, h - 2 * (h / 4)),
        kMinPaneHeight);
    m_splitter.RecalcLayout();
}

LRESULT CMainFrame::OnWindowPosChanging(WPARAM, LPARAM lParam)
{
    WINDOWPOS* pos = reinterpret_cast<WINDOWPOS*>(lParam);
    if (!m_layoutRestored && pos)
        Kyvant::FinderLink::KeepHidden(*pos);
    return Default();
}

// A running task is stopped first; the layout is kept and the clipboard's
// data made independent of this program. A task still starting closes the
// window once its start is through.
void CMainFrame::OnClose()
{
    if (Stopping())
        return;
    if (m_finder && m_finder->PutOffCloseWhileStarting(m_hWnd))
        return;
    if (m_finder)
        m_finder->Stop();
    if (m_layoutRestored)
        SaveLayout();
    COleDataSource::FlushClipboard();
    CFrameWnd::OnClose();
}

BOOL CMainFrame::OnQueryEndSession()
{
    if (InModalState()) {
        Kyvant::ky_S text;
        text.LoadStringA(Kyvant::KyGuiToolModule(), IDS_KY_CLOSE_BEFORE_SHUTDOWN);
        AfxMessageBox(text.c_str(), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (Stopping() || (m_finder && m_finder->IsStarting()))
        return FALSE;
    return CFrameWnd::OnQueryEndSession();
}

LRESULT CMainFrame::OnEndSession(WPARAM ending, LPARAM)
{
    if (ending && !Stopping()) {
        if (m_finder)
            m_finder->Stop();
        if (m_layoutRestored)
            SaveLayout();
        COleDataSource::FlushClipboard();
    }
    return Default();
}

void CMainFrame::OnSize(UINT nType, int cx, int cy)
{
    CFrameWnd::OnSize(nType, cx, cy);
    if (m_reBar.GetSafeHwnd())
        m_reBar.SendMessage(RB_MINIMIZEBAND, 0);
}
