// CKyReplaceGView: the log pane: lines appended without taking the user's place in it, and the
// log saved to a file.
#include "KyReplace/Gui/View/KyReplaceGView.h"

#include "KyGuiTool/TaskFiles/MirrorFile.h"
#include "KyReplace/Gui/View/PaneText.h"
#include "KyReplace/Gui/View/ReplaceViewResource.h"

#include <cstdio>
#include <stdexcept>

using namespace Kyvant;

namespace {

struct LogOutput {
    std::FILE* stream;
    bool failed;
};

DWORD CALLBACK WriteLog(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* written)
{
    LogOutput& out = *reinterpret_cast<LogOutput*>(cookie);
    const size_t n = count > 0 ? static_cast<size_t>(count) : 0;
    if (std::fwrite(buffer, 1, n, out.stream) != n) {
        out.failed = true;
        *written = 0;
        return 1;
    }
    *written = count;
    return 0;
}

} // namespace

// With the caret on the last line the log follows the new text; otherwise
// the user's selection and scroll position stay where they were.
void CKyReplaceGView::AppendLog(const ky_S& text)
{
    CHARRANGE saved = {};
    m_log.GetSel(saved);
    const bool following = m_log.LineFromChar(saved.cpMax) >= m_log.GetLineCount() - 1;
    const int firstVisible = m_log.GetFirstVisibleLine();
    KyRichEditCtrl::SelHider hider(m_log);
    const long end = m_log.GetTextLength();
    m_log.CRichEditCtrl::SetSel(end, end);
    PaneText::ReplaceSelection(m_log, text);
    if (following) {
        const long newEnd = m_log.GetTextLength();
        m_log.CRichEditCtrl::SetSel(newEnd, newEnd);
        m_log.SendMessage(EM_SCROLLCARET);
    } else {
        m_log.CRichEditCtrl::SetSel(saved);
        m_log.LineScroll(firstVisible - m_log.GetFirstVisibleLine());
    }
}

bool CKyReplaceGView::LogEmpty() const
{
    return m_log.GetTextLength() == 0;
}

// The file is written beside its target and put in place only when whole,
// so a failed save leaves an existing file as it was.
bool CKyReplaceGView::SaveLog(const char* path)
{
    try {
        MirrorFile file(ky_F(path ? path : ""),
                        CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        LogOutput out = {file.m_pStream, false};
        EDITSTREAM es = {reinterpret_cast<DWORD_PTR>(&out), 0, &WriteLog};
        m_log.StreamOut(SF_TEXT, es);
        if (out.failed || es.dwError != 0)
            throw std::runtime_error("The log could not be written.");
        file.Close();
        return true;
    } catch (const std::exception&) {
    } catch (CException* e) {
        e->Delete();
    }
    AfxMessageBox(IDS_KY_REPLACE_LOG_WRITE_FAILED, MB_OK | MB_ICONERROR);
    return false;
}
