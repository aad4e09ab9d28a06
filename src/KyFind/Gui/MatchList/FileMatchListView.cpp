// FileMatchListView: columns, rows, cell texts, the refresh timer, keys and
// clicks.
#include "KyFind/Gui/MatchList/FileMatchListView.h"

#include "KyFind/Gui/Coordinator/ViewCoordinator.h"
#include "KyFind/Gui/Panes/PanesResource.h"
#include "KyFind/Gui/TextView/FileTextView.h"
#include "KyGui/Helpers/ListViewEx.h"
#include "KyGui/Helpers/UserEx.h"
#include "KyGuiTool/ResultList/HandlerExceptions.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

using Kyvant::ResultList::RunReportingErrors;

namespace {

const DWORD kViewStyles = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA |
                          LVS_NOSORTHEADER | WS_CLIPCHILDREN;
// Room beside the Line caption.
const int kCaptionMargin = 14;
const int kLeastTextWidth = 240;
const int kLeastListWidth = 300;

} // namespace

IMPLEMENT_DYNCREATE(FileMatchListView, CListView)

BEGIN_MESSAGE_MAP(FileMatchListView, CListView)
ON_NOTIFY_REFLECT(LVN_GETDISPINFO, OnGetDispInfo)
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemChanged)
ON_NOTIFY_REFLECT(NM_DBLCLK, OnDoubleClickRow)
ON_NOTIFY_REFLECT(NM_CLICK, OnClick)
ON_NOTIFY_REFLECT(NM_RCLICK, OnClick)
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_TIMER()
ON_WM_DESTROY()
END_MESSAGE_MAP()

FileMatchListView::FileMatchListView()
    : m_coordinator(nullptr), m_initialUpdated(false), m_timerRunning(false), m_savedClip(nullptr),
      m_hadClip(false)
{
}

FileMatchListView::~FileMatchListView()
{
    if (m_savedClip != nullptr)
        ::DeleteObject(m_savedClip);
}

BOOL FileMatchListView::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= kViewStyles;
    const BOOL created = CListView::PreCreateWindow(cs);
    if (Kyvant::UserEx::IsAppThemed())
        cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return created;
}

// Once: whole rows, the columns with Line shown first.
void FileMatchListView::OnInitialUpdate()
{
    CListView::OnInitialUpdate();
    if (m_initialUpdated)
        return;
    m_initialUpdated = true;
    CListCtrl& list = GetListCtrl();
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);

    CString text;
    CString line;
    text.LoadString(IDS_ML_TEXT);
    line.LoadString(IDS_ML_LINE);
    const int captionWidth = static_cast<int>(list.SendMessage(
        LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(line))));
    const int matchesWidth = m_coordinator != nullptr ? m_coordinator->GetMatchesColumnWidth() : 0;
    const int lineWidth = std::max(captionWidth + kCaptionMargin, matchesWidth);
    CRect client;
    GetClientRect(&client);
    const int listWidth =
        std::max(kLeastListWidth, client.Width() - ::GetSystemMetrics(SM_CXVSCROLL));
    const int textWidth = std::max(kLeastTextWidth, listWidth - lineWidth);
    list.InsertColumn(TextColumn, text, LVCFMT_LEFT, textWidth);
    list.InsertColumn(LineColumn, line, LVCFMT_RIGHT, lineWidth);
    int order[] = {LineColumn, TextColumn};
    list.SendMessage(LVM_SETCOLUMNORDERARRAY, 2, reinterpret_cast<LPARAM>(order));
}

void FileMatchListView::Fill()
{
    StopTimer();
    GetListCtrl().DeleteAllItems();
    Refresh();
}

void FileMatchListView::Refresh()
{
    const int rows = m_coordinator != nullptr
                         ? ViewCoordinator::MatchRows(m_coordinator->GetCurrentFileRec())
                         : 0;
    CListCtrl& list = GetListCtrl();
    if (list.GetItemCount() != rows)
        list.SetItemCountEx(rows, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    const bool running = m_coordinator != nullptr && m_coordinator->GetFinder().IsRunning();
    if (running && !m_timerRunning)
        m_timerRunning = SetTimer(kRefreshTimer, kRefreshMs, nullptr) != 0;
    else if (!running)
        StopTimer();
}

void FileMatchListView::Empty()
{
    StopTimer();
    GetListCtrl().DeleteAllItems();
}

void FileMatchListView::SelectRow(int row)
{
    CListCtrl& list = GetListCtrl();
    if (row < 0) {
        list.SetItemState(-1, 0, LVIS_SELECTED);
        return;
    }
    Kyvant::ListViewEx::SetCurSel(list, row);
}

void FileMatchListView::StopTimer()
{
    if (!m_timerRunning)
        return;
    KillTimer(kRefreshTimer);
    m_timerRunning = false;
}

std::string FileMatchListView::ExpandTabs(const char* text, int tabSize, unsigned bufferSize)
{
    const std::size_t limit = bufferSize > 0 ? bufferSize - 1 : 0;
    const std::size_t step = static_cast<std::size_t>(tabSize < 1 ? 1 : tabSize);
    std::string shown;
    for (const char* p = text; *p != '\0' && shown.size() < limit; ++p) {
        if (*p != '\t') {
            shown += *p;
            continue;
        }
        const std::size_t next = (shown.size() / step + 1) * step;
        shown.append(std::min(next, limit) - shown.size(), ' ');
    }
    return shown;
}

void FileMatchListView::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(pNMHDR)->item;
    if (!(item.mask & LVIF_TEXT) || item.pszText == nullptr || item.cchTextMax <= 0)
        return;
    item.pszText[0] = '\0';
    const Finder::Model::FileRec* file =
        m_coordinator != nullptr ? m_coordinator->GetCurrentFileRec() : nullptr;
    const Finder::Model::MatchRec* match =
        file != nullptr ? Finder::Model::GetMatch(*file, item.iItem) : nullptr;
    if (match == nullptr)
        return;
    const unsigned room = std::min<unsigned>(kCellBuffer, static_cast<unsigned>(item.cchTextMax));
    if (item.iSubItem == LineColumn) {
        std::snprintf(item.pszText, room, "%d", match->line);
        return;
    }
    const std::string shown =
        ExpandTabs(match->text, m_coordinator->GetTextOptions().GetUsableTabSize(), room);
    std::memcpy(item.pszText, shown.c_str(), shown.size() + 1);
}

// A row that becomes selected is the current match: shown when the file
// view shows the file, else only remembered.
void FileMatchListView::OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMLISTVIEW& change = *reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    const bool becameSelected = (change.uChanged & LVIF_STATE) &&
                                (change.uNewState & LVIS_SELECTED) &&
                                !(change.uOldState & LVIS_SELECTED);
    if (m_coordinator == nullptr || change.iItem < 0 || !becameSelected)
        return;
    const FileTextView* view = m_coordinator->GetFileView();
    if (view != nullptr && view->IsShowingFile())
        RunReportingErrors([this, &change] { m_coordinator->SelectMatch(change.iItem, false); });
    else
        m_coordinator->SetCurrentMatchIndex(change.iItem);
}

// Enter is taken before the list sees it: the list tells of it only while a
// row has the focus, and then the first row is meant.
void FileMatchListView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar != VK_RETURN) {
        CListView::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    OnReturn();
}

// Enter: the selected row, else the focused one, else the first.
void FileMatchListView::OnReturn()
{
    const CListCtrl& list = GetListCtrl();
    int row = list.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0)
        row = Kyvant::ListViewEx::GetFocusItem(list);
    ActivateRow(row < 0 ? 0 : row);
}

void FileMatchListView::OnDoubleClickRow(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const int row = reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR)->iItem;
    if (row >= 0)
        ActivateRow(row);
}

// A click beside the rows beeps and keeps the current match selected.
void FileMatchListView::OnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR)->iItem >= 0)
        return;
    ::MessageBeep(0);
    ReselectCurrentMatch();
}

// Enter was taken on its key; its character would only beep.
void FileMatchListView::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_RETURN)
        return;
    CListView::OnChar(nChar, nRepCnt, nFlags);
}

void FileMatchListView::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kRefreshTimer) {
        CListView::OnTimer(nIDEvent);
        return;
    }
    Refresh();
}

// The panes go together (all of them still exist while the first is told):
// the coordinator lets go of them all.
void FileMatchListView::OnDestroy()
{
    StopTimer();
    if (m_coordinator != nullptr)
        m_coordinator->Unbind();
    CListView::OnDestroy();
}

void FileMatchListView::ActivateRow(int row)
{
    if (m_coordinator == nullptr || row >= GetListCtrl().GetItemCount())
        return;
    if (GetListCtrl().GetNextItem(-1, LVNI_SELECTED) < 0)
        Kyvant::ListViewEx::SetFocusItem(GetListCtrl(), 0);
    RunReportingErrors([this, row] { m_coordinator->SelectMatch(row, true); });
}

void FileMatchListView::ReselectCurrentMatch()
{
    const int current = m_coordinator != nullptr ? m_coordinator->GetCurrentMatch() : -1;
    if (current >= 0 && current < GetListCtrl().GetItemCount())
        Kyvant::ListViewEx::SetCurSel(GetListCtrl(), current);
}
