// CMainFrame's status texts: the stored status id shown at once or on a
// short timer with the working cursor, the idle text telling the selected
// items, and the count pane with its number grouped as the locale says.
#include "KyDir/Gui/Frame/MainFrame.h"

#include "FinderLink/Frame/StatusPanes.h"
#include "KyDir/Gui/FileList/FileListView.h"
#include "KyDir/Gui/Finder/Finder.h"
#include "KyDir/Gui/Frame/FrameResource.h"

#include <afxpriv.h>

#include <clocale>
#include <string>

namespace {

const UINT_PTR kStatusTimerId = 1;
const UINT kStatusDelayMs = 200;
// The count pane is brought up to date on FinderLink's modal-panes timer,
// also while a box of the Dir program's texts waits for the user.

// The digits with the locale's thousands separator every group of digits
// from the right.
std::string Grouped(unsigned long long number)
{
    std::string digits = std::to_string(number);
    const std::lconv* locale = std::localeconv();
    const char separator = locale->thousands_sep != nullptr ? locale->thousands_sep[0] : '\0';
    const int group = locale->grouping != nullptr ? locale->grouping[0] : 0;
    if (separator == '\0' || group <= 0 || group == CHAR_MAX)
        return digits;
    for (int at = static_cast<int>(digits.size()) - group; at > 0; at -= group)
        digits.insert(static_cast<size_t>(at), 1, separator);
    return digits;
}

CString FormatCount(UINT oneId, UINT manyId, unsigned long long number)
{
    CString text;
    AfxFormatString1(text, number == 1 ? oneId : manyId, Grouped(number).c_str());
    return text;
}

} // namespace

CString CMainFrame::CountText(unsigned long long items)
{
    return FormatCount(IDS_COUNT_ONE, IDS_COUNT_MANY, items);
}

// While a task runs the idle text is "Working...".
void CMainFrame::SetStatus(UINT id, bool now)
{
    Finder* finder = GetFinder();
    if (id == AFX_IDS_IDLEMESSAGE && finder != nullptr &&
        (finder->IsRunning() || finder->IsEnding()))
        id = IDS_STATUS_WORKING;
    // Shown at once even when unchanged: a task that ended before its start
    // was reported leaves the pane without any text otherwise.
    if (id == m_statusId && !now)
        return;
    m_statusId = id;
    if (now) {
        ShowStatus();
    } else if (!m_statusTimer) {
        m_statusTimer = SetTimer(kStatusTimerId, kStatusDelayMs, nullptr) != 0;
        if (!m_statusTimer)
            ShowStatus();
    }
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kStatusTimerId)
        ShowStatus();
    else if (!Kyvant::FinderLink::OnModalPanesTimer(*this, m_statusBar, nIDEvent))
        CFrameWnd::OnTimer(nIDEvent);
}

void CMainFrame::ShowStatus()
{
    if (m_statusTimer) {
        KillTimer(kStatusTimerId);
        m_statusTimer = false;
    }
    SetMessageText(AFX_IDS_IDLEMESSAGE);
    Kyvant::FinderLink::FollowWorkingCursor(m_workingCursor, m_statusId, IDS_STATUS_WORKING);
}

// The idle text tells the selected items.
void CMainFrame::GetMessageString(UINT nID, CString& rMessage) const
{
    if (nID != AFX_IDS_IDLEMESSAGE) {
        CFrameWnd::GetMessageString(nID, rMessage);
        return;
    }
    const FileListView* view = GetListView();
    const unsigned selected = view != nullptr ? view->GetListCtrl().GetSelectedCount() : 0;
    if (m_statusId == AFX_IDS_IDLEMESSAGE && selected > 0)
        rMessage = FormatCount(IDS_STATUS_SELECTED_ONE, IDS_STATUS_SELECTED_MANY, selected);
    else
        CFrameWnd::GetMessageString(m_statusId, rMessage);
}

LRESULT CMainFrame::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    m_messagePending = false;
    CString text;
    if (wParam != 0)
        GetMessageString(static_cast<UINT>(wParam), text);
    else if (lParam != 0)
        text = reinterpret_cast<LPCSTR>(lParam);
    if (CStatusBar* bar = dynamic_cast<CStatusBar*>(GetMessageBar()))
        bar->SetPaneText(0, text);
    return 0;
}

// The count follows the list's rows; a new selection count refreshes the
// idle text.
void CMainFrame::OnUpdateCountPane(CCmdUI* pCmdUI)
{
    const FileListView* view = GetListView();
    const long long count = view != nullptr ? view->GetListCtrl().GetItemCount() : 0;
    if (count != m_shownCount) {
        m_shownCount = count;
        m_countText = CountText(static_cast<unsigned long long>(count));
    }
    pCmdUI->Enable();
    pCmdUI->SetText(m_countText);
    FollowSelection(view != nullptr ? static_cast<int>(view->GetListCtrl().GetSelectedCount()) : 0);
}

void CMainFrame::FollowSelection(int selected)
{
    if (selected == m_shownSelected)
        return;
    m_shownSelected = selected;
    if (m_statusId == AFX_IDS_IDLEMESSAGE && !m_messagePending) {
        m_messagePending = true;
        PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    }
}
