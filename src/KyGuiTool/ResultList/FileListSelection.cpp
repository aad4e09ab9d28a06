// KyFileListViewBase and its selection: the row a command acts on, the
// selected objects for the Explorer menu, the menu itself, launching a row's
// file and the select-all marker.
#include "KyGuiTool/ResultList/KyFileListViewBase.h"

#include "KyGuiTool/ResultList/HandlerExceptions.h"
#include "KyGuiTool/ResultList/ResultListSeams.h"
#include "KyStd/Shell/ShellLaunch.h"

using Kyvant::ResultList::RunReportingErrors;

namespace {

const char PropertiesVerb[] = "properties";

bool IsSelected(const CListCtrl& list, int row)
{
    return (list.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

} // namespace

int KyFileListViewBase::GetHotItem(int& selectedCount, CPoint* point)
{
    CListCtrl& list = GetListCtrl();
    selectedCount = static_cast<int>(list.GetSelectedCount());
    if (selectedCount == 0)
        return -1;
    int row = list.GetNextItem(-1, LVNI_SELECTED);
    if (selectedCount > 1) {
        const int focused = list.GetNextItem(-1, LVNI_FOCUSED);
        if (focused >= 0 && IsSelected(list, focused))
            row = focused;
    }
    if (point != nullptr) {
        if (point->x == -1 && point->y == -1) {
            CRect icon;
            list.GetItemRect(row, &icon, LVIR_ICON);
            const int half = icon.Height() / 2;
            *point = CPoint(icon.left + half, icon.top + half);
        } else {
            ScreenToClient(point);
        }
    }
    return row;
}

void KyFileListViewBase::CreateShellExtensionSelectionVector(std::vector<Kyvant::Shell::FsObj>& out,
                                                             int focusRow, int reserve)
{
    CWaitCursor wait;
    CListCtrl& list = GetListCtrl();
    out.clear();
    out.reserve(reserve > 0 ? static_cast<unsigned>(reserve) : 0);
    const auto add = [&](int row) {
        Kyvant::ky_F path;
        DWORD attributes = 0;
        GetItemFileAndAttributes(path, row, attributes);
        out.push_back(Kyvant::Shell::FsObj(path, attributes));
    };
    const bool focusFirst = focusRow >= 0 && focusRow == list.GetNextItem(-1, LVNI_FOCUSED) &&
                            IsSelected(list, focusRow);
    if (focusFirst)
        add(focusRow);
    for (int row = list.GetNextItem(-1, LVNI_SELECTED); row >= 0;
         row = list.GetNextItem(row, LVNI_SELECTED))
        if (!focusFirst || row != focusRow)
            add(row);
}

void KyFileListViewBase::DoItemContextMenu(CPoint point)
{
    int count = 0;
    const int row = GetHotItem(count, &point);
    if (count == 0)
        return;
    Kyvant::ResultList::ExplorerMenuRequest request = {nullptr, nullptr, point};
    if (count == 1) {
        Kyvant::ky_F file;
        GetItemFile(file, row);
        request.path = file.c_str();
        Kyvant::ResultList::ShowExplorerMenu(*this, request);
        return;
    }
    std::vector<Kyvant::Shell::FsObj> selection;
    CreateShellExtensionSelectionVector(selection, row, count);
    request.selection = &selection;
    Kyvant::ResultList::ShowExplorerMenu(*this, request);
}

void KyFileListViewBase::OnContextMenu(CWnd*, CPoint point)
{
    RunReportingErrors([this, point] { DoItemContextMenu(point); });
}

void KyFileListViewBase::DoItemLaunch(int row, bool properties)
{
    if (row < 0)
        return;
    Kyvant::ky_F file;
    GetItemFile(file, row);
    Kyvant::Shell::LaunchFile(file.c_str(), nullptr, properties ? PropertiesVerb : nullptr);
}

KyFileListViewBase::AllSelectorSetup::AllSelectorSetup(KyFileListViewBase& view) : m_view(view)
{
    CListCtrl& list = view.GetListCtrl();
    view.m_selectAllInProgress = true;
    view.m_selectTop = list.GetTopIndex();
    view.m_selectEnd = view.m_selectTop + list.GetCountPerPage() + 1;
}

KyFileListViewBase::AllSelectorSetup::~AllSelectorSetup()
{
    m_view.m_selectAllInProgress = false;
}
