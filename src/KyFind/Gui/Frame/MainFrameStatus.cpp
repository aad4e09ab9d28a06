// The Find frame's status: the message pane's text by string id with its
// deferred update and notices, the match pane, the working cursor, keys
// inside the result panes.
#include "KyFind/Gui/Frame/MainFrame.h"

#include "FinderLink/Frame/StatusPanes.h"
#include "KyFind/Gui/Editor/IdePresence.h"
#include "KyFind/Gui/Finder/Finder.h"
#include "KyFind/Gui/Frame/FrameResource.h"
#include "KyFind/Gui/Frame/MatchStatus.h"
#include "KyFind/Gui/Model/FinderModel.h"
#include "KyFind/Gui/TextView/FileTextView.h"

namespace {

const UINT_PTR kStatusTimer = 1;
const UINT kStatusDelayMs = 200;
// The panes are brought up to date on FinderLink's modal-panes timer, also
// while a box of the finder's texts or of an error waits for the user.

// An edit inside a pane (a row being renamed) takes its keys itself.
bool IsEdit(HWND window)
{
    char name[16] = "";
    ::GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, "Edit") == 0;
}

bool EndsNotice(UINT message)
{
    return message == WM_KEYDOWN || message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN ||
           message == WM_MBUTTONDOWN || message == WM_MOUSEWHEEL;
}

} // namespace

bool CMainFrame::IsNotice(UINT id)
{
    return id == IDS_KYFINDG_PASSED_FIRST_MATCH || id == IDS_KYFINDG_PASSED_LAST_MATCH ||
           id == IDS_KYFINDG_PASSED_FILE_START || id == IDS_KYFINDG_PASSED_FILE_END;
}

bool CMainFrame::TaskRunning() const
{
    return m_finder && m_finder->IsRunning();
}

bool CMainFrame::Stopping() const
{
    return m_finder && m_finder->IsStopping();
}

void CMainFrame::OnTaskStarted(bool running)
{
    SetStatusText(running ? IDS_KYFINDG_WORKING : AFX_IDS_IDLEMESSAGE, !running);
}

void CMainFrame::SetStatusText(UINT id, bool atOnce)
{
    if (id == AFX_IDS_IDLEMESSAGE && (TaskRunning() || (m_finder && m_finder->IsEnding())))
        id = IDS_KYFINDG_WORKING;
    // Shown at once even when unchanged: a task that ended before its start
    // was reported leaves the pane without any text otherwise.
    if (id == m_statusId && !atOnce)
        return;
    m_statusId = id;
    if (atOnce) {
        ShowStatusText();
    } else if (!m_statusTimerRunning && GetSafeHwnd()) {
        SetTimer(kStatusTimer, kStatusDelayMs, nullptr);
        m_statusTimerRunning = true;
    }
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kStatusTimer)
        ShowStatusText();
    else if (!Kyvant::FinderLink::OnModalPanesTimer(*this, m_statusBar, nIDEvent))
        CFrameWnd::OnTimer(nIDEvent);
}

// The message pane shows the idle message, which GetMessageString turns
// into the stored id's text.
void CMainFrame::ShowStatusText()
{
    if (m_statusTimerRunning && GetSafeHwnd())
        KillTimer(kStatusTimer);
    m_statusTimerRunning = false;
    if (m_statusBar.GetSafeHwnd()) {
        CString text;
        GetMessageString(AFX_IDS_IDLEMESSAGE, text);
        m_statusBar.SetNotice(IsNotice(m_statusId));
        m_statusBar.SetPaneText(0, text);
        m_statusBar.UpdateWindow();
    }
    Kyvant::FinderLink::FollowWorkingCursor(m_workingCursorShown, m_statusId, IDS_KYFINDG_WORKING);
}

void CMainFrame::GetMessageString(UINT nID, CString& rMessage) const
{
    if (nID == AFX_IDS_IDLEMESSAGE) {
        rMessage.LoadString(m_statusId);
        return;
    }
    CFrameWnd::GetMessageString(nID == ID_KYFINDG_OPEN_IN_IDE ? IdeCommandId() : nID, rMessage);
}

UINT CMainFrame::IdeCommandId() const
{
    return Kyvant::FindEditor::IdeToUse() == Kyvant::FindEditor::Ide::VsNet
               ? ID_KYFINDG_OPEN_WITH_VSNET
               : ID_KYFINDG_OPEN_WITH_VC;
}

BOOL CMainFrame::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    if (pNMHDR->idFrom != ID_KYFINDG_OPEN_IN_IDE)
        return FALSE;
    CString tip;
    tip.LoadString(IdeCommandId());
    const int newline = tip.Find('\n');
    const CString shown = newline < 0 ? tip : tip.Mid(newline + 1);
    TOOLTIPTEXTA* text = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
    lstrcpynA(text->szText, shown, sizeof text->szText);
    text->lpszText = text->szText;
    *pResult = 0;
    return TRUE;
}

const std::string& CMainFrame::GetMatchStatusText()
{
    const long long files = m_finder ? m_finder->GetModel().GetFileCount() : 0;
    const long long matches =
        m_finder ? static_cast<long long>(m_finder->GetModel().GetMatchTotal()) : 0;
    if (files != m_cachedFiles || matches != m_cachedMatches) {
        m_cachedFiles = files;
        m_cachedMatches = matches;
        m_matchText = Kyvant::FindFrame::MatchStatusText(matches, files);
    }
    return m_matchText;
}

void CMainFrame::OnUpdateMatchPane(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetText(GetMatchStatusText().c_str());
}

// The caret's place in the file view.
void CMainFrame::OnUpdateCaretPane(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    FileTextView* text = GetFileTextView();
    pCmdUI->SetText(text ? static_cast<const char*>(text->GetCaretText()) : "");
}

// After the watchdog's first tick, and over the client area or while the
// frame is disabled, the wait cursor is kept; while a task works the
// app-starting cursor shows.
BOOL CMainFrame::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_finder && m_finder->GetState() == Kyvant::ProcessKiller::User::kFirstTickPassed &&
        (nHitTest == HTCLIENT || !IsWindowEnabled())) {
        RestoreWaitCursor();
        return TRUE;
    }
    if (m_workingCursorShown) {
        ::SetCursor(m_appStarting);
        return TRUE;
    }
    return CFrameWnd::OnSetCursor(pWnd, nHitTest, message);
}

// Notices end at the next key or click; keys inside the result panes go
// through the panes' accelerators first.
BOOL CMainFrame::PreTranslateMessage(MSG* pMsg)
{
    if (EndsNotice(pMsg->message) && IsNotice(m_statusId))
        SetStatusText(AFX_IDS_IDLEMESSAGE, false);
    if (pMsg->message == WM_KEYDOWN && m_paneKeys && m_splitter.GetSafeHwnd() &&
        (pMsg->hwnd == m_splitter.m_hWnd || ::IsChild(m_splitter.m_hWnd, pMsg->hwnd)) &&
        !IsEdit(pMsg->hwnd) && ::TranslateAcceleratorA(m_hWnd, m_paneKeys, pMsg))
        return TRUE;
    return CFrameWnd::PreTranslateMessage(pMsg);
}
