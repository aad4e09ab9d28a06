// FileTextView's search: Find Next and Previous with wrapping at the ends
// of the file, the selection as the search text, the Find dialog and the
// search option commands.
#include "KyFind/Gui/TextView/FileTextView.h"

#include "KyFind/Gui/Coordinator/PaneFrame.h"
#include "KyFind/Gui/Panes/PanesResource.h"
#include "KyFind/Gui/TextView/FindTextDlg.h"
#include "KyGuiTool/ResultList/HandlerExceptions.h"

#include <afxext.h>

using Kyvant::ResultList::RunReportingErrors;

bool FileTextView::FindIn(CHARRANGE range, bool forward, CHARRANGE& hit) const
{
    const DWORD flags = (m_matchCase ? FR_MATCHCASE : 0) | (m_wholeWords ? FR_WHOLEWORD : 0);
    FINDTEXTEXA find = {};
    find.chrg = range;
    find.lpstrText = m_searchText;
    const long found =
        forward ? m_edit.FindText(flags | FR_DOWN, &find) : m_edit.FindReverse(flags, &find);
    if (found < 0)
        return false;
    hit = find.chrgText;
    return true;
}

void FileTextView::SelectHit(const CHARRANGE& hit)
{
    m_edit.SetSel(hit, VisibleLines());
    m_caretMoved = true;
}

void FileTextView::ShowNotice(UINT id)
{
    if (m_frame != nullptr)
        m_frame->SetStatus(id, true);
}

bool FileTextView::Find(bool forward)
{
    if (m_searchText.IsEmpty() || m_edit.m_hWnd == nullptr)
        return false;
    CWaitCursor wait;
    CHARRANGE selection = {};
    m_edit.GetSel(selection);
    const long end = m_edit.GetTextLength();
    CHARRANGE hit = {};
    CHARRANGE range = forward ? CHARRANGE{selection.cpMax, end} : CHARRANGE{0, selection.cpMin};
    bool found = FindIn(range, forward, hit);
    if (found && hit.cpMin == selection.cpMin && hit.cpMax == selection.cpMax) {
        range = forward ? CHARRANGE{hit.cpMin + 1, end} : CHARRANGE{0, hit.cpMax - 1};
        found = FindIn(range, forward, hit);
    }
    if (!found) {
        ShowNotice(forward ? IDS_PASSED_END_OF_FILE : IDS_PASSED_BEGINNING_OF_FILE);
        if (forward) {
            const int line = static_cast<int>(m_edit.LineFromChar(selection.cpMin));
            range =
                CHARRANGE{0, m_edit.LineIndex(line) + m_edit.LineLength(m_edit.LineIndex(line))};
        } else {
            range = CHARRANGE{
                m_edit.LineIndex(static_cast<int>(m_edit.LineFromChar(selection.cpMax))), end};
        }
        found = FindIn(range, forward, hit);
    }
    if (!found)
        return false;
    SelectHit(hit);
    return true;
}

bool FileTextView::GetSelectionAsSearchText(CString& text) const
{
    CHARRANGE selection = {};
    m_edit.GetSel(selection);
    if (selection.cpMin == selection.cpMax)
        return false;
    const long firstLine = m_edit.LineFromChar(selection.cpMin);
    const long lastLine = m_edit.LineFromChar(selection.cpMax);
    const bool endsAtNextLine = lastLine == firstLine + 1 &&
                                m_edit.LineIndex(static_cast<int>(lastLine)) == selection.cpMax;
    if (lastLine != firstLine && !endsAtNextLine)
        return false;
    m_edit.GetTextRange(selection.cpMin, selection.cpMax, text);
    while (!text.IsEmpty() &&
           (text[text.GetLength() - 1] == '\n' || text[text.GetLength() - 1] == '\r'))
        text = text.Left(text.GetLength() - 1);
    return !text.IsEmpty();
}

void FileTextView::FindAgain(bool forward)
{
    RunReportingErrors([this, forward] {
        if (!Find(forward))
            ::MessageBeep(MB_ICONEXCLAMATION);
    });
}

void FileTextView::FindSelected(bool forward)
{
    CString text;
    if (!GetSelectionAsSearchText(text)) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    m_searchText = text;
    FindAgain(forward);
}

void FileTextView::OnEditFind()
{
    CString initial;
    if (!GetSelectionAsSearchText(initial))
        initial = m_searchText;
    RunReportingErrors([this, &initial] {
        FindTextDlg dialog(*this, initial, this);
        dialog.DoModal();
    });
}

void FileTextView::OnUpdateEditFind(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!IsEmpty());
}

void FileTextView::OnFindNext()
{
    FindAgain(true);
}

void FileTextView::OnFindPrevious()
{
    FindAgain(false);
}

void FileTextView::OnUpdateFindAgain(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!IsEmpty() && !m_searchText.IsEmpty());
}

void FileTextView::OnFindSelectedNext()
{
    FindSelected(true);
}

void FileTextView::OnFindSelectedPrevious()
{
    FindSelected(false);
}

void FileTextView::OnToggleMatchCase()
{
    m_matchCase = !m_matchCase;
}

void FileTextView::OnUpdateToggleMatchCase(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_matchCase ? 1 : 0);
}

void FileTextView::OnToggleWholeWords()
{
    m_wholeWords = !m_wholeWords;
}

void FileTextView::OnUpdateToggleWholeWords(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wholeWords ? 1 : 0);
}

void FileTextView::OnSelectMatchedText()
{
    SelectMatchedText();
}

void FileTextView::OnUpdateSelectMatchedText(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(HasMatch());
}
