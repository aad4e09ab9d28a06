// FileTextView: creation, loading a file, the current match, the fonts and
// tab stops, the caret text and the search settings kept in the registry.
#include "KyFind/Gui/TextView/FileTextView.h"

#include "KyFind/Gui/App/KyFindGApp.h"
#include "KyFind/Gui/Coordinator/PaneFrame.h"
#include "KyFind/Gui/Coordinator/TextOptions.h"
#include "KyFind/Gui/Panes/PanesResource.h"
#include "KyFind/Gui/TextView/TextStreamReader.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Registry/RegValues.h"

#include <afxext.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

const char kTextViewKey[] = "TextView";
const char kMatchCaseValue[] = "FindMatchCase";
const char kWholeWordsValue[] = "FindWholeWords";
const char kIgnoreCaseValue[] = "FindIgnoreCase";
const char kFindDownValue[] = "FindDown";
const char kCouldNotOpen[] = "Could not open ";

// Closes the file with the last owner.
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

IMPLEMENT_DYNCREATE(FileTextView, CView)

BEGIN_MESSAGE_MAP(FileTextView, CView)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_WM_ERASEBKGND()
ON_MESSAGE(FileTextView::kFocusEditMessage, OnFocusEdit)
ON_NOTIFY(EN_SELCHANGE, FileTextView::kEditId, OnSelChange)
ON_COMMAND(ID_EDIT_FIND, OnEditFind)
ON_UPDATE_COMMAND_UI(ID_EDIT_FIND, OnUpdateEditFind)
ON_COMMAND(ID_FIND_NEXT, OnFindNext)
ON_UPDATE_COMMAND_UI(ID_FIND_NEXT, OnUpdateFindAgain)
ON_COMMAND(ID_FIND_PREVIOUS, OnFindPrevious)
ON_UPDATE_COMMAND_UI(ID_FIND_PREVIOUS, OnUpdateFindAgain)
ON_COMMAND(ID_FIND_NEXT_SELECTED, OnFindSelectedNext)
ON_COMMAND(ID_FIND_PREVIOUS_SELECTED, OnFindSelectedPrevious)
ON_COMMAND(ID_TOGGLE_MATCH_CASE, OnToggleMatchCase)
ON_UPDATE_COMMAND_UI(ID_TOGGLE_MATCH_CASE, OnUpdateToggleMatchCase)
ON_COMMAND(ID_TOGGLE_WHOLE_WORDS, OnToggleWholeWords)
ON_UPDATE_COMMAND_UI(ID_TOGGLE_WHOLE_WORDS, OnUpdateToggleWholeWords)
ON_COMMAND(ID_SELECT_MATCHED_TEXT, OnSelectMatchedText)
ON_UPDATE_COMMAND_UI(ID_SELECT_MATCHED_TEXT, OnUpdateSelectMatchedText)
END_MESSAGE_MAP()

FileTextView::FileTextView()
    : m_frame(nullptr), m_options(nullptr), m_match{-1, -1}, m_caretMoved(true), m_matchCase(false),
      m_wholeWords(false)
{
}

FileTextView::~FileTextView() {}

int FileTextView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    try {
        KyGuiApp::InitRichEdit();
        CRect client;
        GetClientRect(&client);
        if (!m_edit.Create(kEditStyle, client, *this, kEditId))
            return -1;
        m_edit.SetEventMask(m_edit.GetEventMask() | ENM_SELCHANGE);
        LoadSearchSettings();
    } catch (const std::exception&) {
        return -1; // no rich edit, or no registry key: the frame fails to open
    }
    return 0;
}

void FileTextView::OnDestroy()
{
    try {
        StoreSearchSettings();
    } catch (const std::exception&) {
    }
    CView::OnDestroy();
}

void FileTextView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    if (m_edit.m_hWnd != nullptr)
        m_edit.MoveWindow(0, 0, cx, cy);
}

void FileTextView::OnSetFocus(CWnd* pOldWnd)
{
    CView::OnSetFocus(pOldWnd);
    PostMessage(kFocusEditMessage);
}

LRESULT FileTextView::OnFocusEdit(WPARAM, LPARAM)
{
    if (m_edit.m_hWnd != nullptr)
        m_edit.SetFocus();
    return 0;
}

BOOL FileTextView::OnEraseBkgnd(CDC*)
{
    return TRUE; // the rich edit covers the view
}

void FileTextView::OnDraw(CDC*) {}

// The rich edit sees the commands first: its edit commands and menu.
BOOL FileTextView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_edit.m_hWnd != nullptr && m_edit.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CView::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void FileTextView::OnSelChange(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    m_caretMoved = true;
}

bool FileTextView::IsEmpty() const
{
    return m_edit.m_hWnd == nullptr || m_edit.Empty();
}

void FileTextView::ShowEmpty()
{
    m_edit.SetWindowText("");
    m_match = CHARRANGE{-1, -1};
    m_caretMoved = true;
    if (m_loadedName.empty())
        return;
    m_loadedName.clear();
    if (m_frame != nullptr)
        m_frame->OnShownFileChanged();
}

void FileTextView::Load(const Kyvant::ky_F& name)
{
    if (!m_loadedName.empty() && name == m_loadedName)
        return;
    ShowEmpty();
    if (!m_failedName.empty() && name == m_failedName)
        return;
    try {
        StreamFile(name);
    } catch (...) {
        m_failedName = name;
        throw;
    }
    m_failedName.clear();
    ApplyFont(); // streamed text comes in the control's default format
    m_loadedName = name;
    m_caretMoved = true;
    if (m_frame != nullptr)
        m_frame->OnShownFileChanged();
}

// Streams the file in; where a platform limits streamed text to the
// control's length limit, the limit is raised to the file's characters and
// the file streamed again.
void FileTextView::StreamFile(const Kyvant::ky_F& name)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::unique_ptr<std::FILE, FileCloser> file(std::fopen(name.c_str(), "rb"));
        if (!file)
            throw Kyvant::rtl_error(errno);
        Kyvant::TextView::TextStreamReader reader(file.get(),
                                                  CKyFindGApp::Instance().GetBinaryMode());
        EDITSTREAM stream = {};
        stream.dwCookie = reinterpret_cast<DWORD_PTR>(&reader);
        stream.pfnCallback = &Kyvant::TextView::TextStreamReader::Callback;
        m_edit.StreamIn(SF_TEXT, stream);
        if (reader.Failed() || stream.dwError != 0) {
            m_edit.SetWindowText("");
            throw std::runtime_error(std::string(kCouldNotOpen) + name.c_str());
        }
        const long shown = m_edit.GetTextLength();
        if (shown >= reader.Delivered() || attempt > 0)
            return;
        m_edit.LimitText(reader.Delivered() + 1);
    }
}

void FileTextView::SetLoadedName(const Kyvant::ky_F& name)
{
    if (m_loadedName.empty())
        return;
    m_loadedName = name;
    if (m_frame != nullptr)
        m_frame->OnShownFileChanged();
}

COLORREF FileTextView::DefaultTextColor() const
{
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    m_edit.SendMessage(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    if ((format.dwEffects & CFE_AUTOCOLOR) != 0)
        return ::GetSysColor(COLOR_WINDOWTEXT);
    return format.crTextColor;
}

void FileTextView::UncolourMatch()
{
    if (m_match.cpMin < 0 || m_match.cpMin == m_match.cpMax)
        return;
    KyRichEditCtrl::SelHider hider(m_edit);
    CHARRANGE selection = {};
    m_edit.GetSel(selection);
    CHARRANGE range = m_match;
    m_edit.CRichEditCtrl::SetSel(range);
    m_edit.SetTextColor(DefaultTextColor(), false);
    m_edit.CRichEditCtrl::SetSel(selection);
}

void FileTextView::ShowMatch(int position)
{
    const bool colour = m_options == nullptr || m_options->GetUseColors();
    if (colour)
        UncolourMatch();
    CString text;
    const long readEnd = std::min<long>(position + kMatchLineRead, m_edit.GetTextLength());
    const long length = m_edit.GetTextRange(position, readEnd, text);
    const int lineEnd = length > 0 ? text.Find('\n') : -1;
    const long end = position + (lineEnd >= 0 ? lineEnd : length);
    m_match = CHARRANGE{position, end};
    if (colour) {
        const COLORREF matchColour =
            m_options != nullptr ? m_options->GetShownMatchColor() : TextOptions::kAutoMatchColor;
        m_edit.SetTextColor(matchColour, m_match, VisibleLines());
    } else {
        m_edit.SetSel(m_match, VisibleLines());
    }
    m_caretMoved = true;
}

void FileTextView::SelectMatchedText()
{
    if (m_match.cpMin < 0)
        return;
    m_edit.SetSel(m_match, VisibleLines());
    m_caretMoved = true;
}

int FileTextView::VisibleLines() const
{
    CRect area;
    m_edit.GetRect(&area);
    TEXTMETRICA metrics = {};
    CClientDC dc(const_cast<TextViewRichEditCtrl*>(&m_edit));
    CFont* font = m_options != nullptr ? &m_options->FileViewFont() : nullptr;
    CFont* old =
        font != nullptr && font->GetSafeHandle() != nullptr ? dc.SelectObject(font) : nullptr;
    ::GetTextMetricsA(dc.GetSafeHdc(), &metrics);
    if (old != nullptr)
        dc.SelectObject(old);
    const int lineHeight = metrics.tmHeight > 0 ? metrics.tmHeight : 1;
    const int lines = area.Height() / lineHeight;
    return lines > 0 ? lines : 1;
}

void FileTextView::ApplyFont()
{
    if (m_options == nullptr || m_options->FileViewFont().GetSafeHandle() == nullptr)
        return;
    m_edit.SetFont(m_options->FileViewFont());
    ApplyTabSize();
}

void FileTextView::ApplyTabSize()
{
    if (m_options == nullptr || m_options->FileViewFont().GetSafeHandle() == nullptr)
        return;
    m_edit.SetTabSize(m_options->FileViewFont(), m_options->GetUsableTabSize());
}

void FileTextView::ApplyWordWrap()
{
    if (m_options != nullptr)
        m_edit.SetWordWrap(m_options->GetWordWrap());
}

const CString& FileTextView::GetCaretText()
{
    if (!m_caretMoved || m_edit.m_hWnd == nullptr)
        return m_caretText;
    m_caretMoved = false;
    CHARRANGE selection = {};
    m_edit.GetSel(selection);
    const long line = m_edit.LineFromChar(selection.cpMin);
    const long column = selection.cpMin - m_edit.LineIndex(static_cast<int>(line));
    CString format;
    format.LoadString(IDS_CARET_FORMAT);
    m_caretText.Format(format, static_cast<int>(line + 1), static_cast<int>(column + 1));
    return m_caretText;
}

void FileTextView::SetSearch(const CString& text, bool matchCase, bool wholeWords)
{
    m_searchText = text;
    m_matchCase = matchCase;
    m_wholeWords = wholeWords;
}

// The older "FindIgnoreCase" gives its answer once and goes; "FindDown" is
// no longer kept.
void FileTextView::LoadSearchSettings()
{
    const Kyvant::RegKey key(CKyFindGApp::Instance().GetRegKey(), kTextViewKey);
    const DWORD kMissing = 0xFFFFFFFF;
    const DWORD ignoreCase = Kyvant::GetRegistryDWORD(key.get(), kIgnoreCaseValue, kMissing);
    if (ignoreCase != kMissing) {
        m_matchCase = ignoreCase == 0;
        key.DeleteValue(kIgnoreCaseValue);
    } else {
        m_matchCase = Kyvant::GetRegistryDWORD(key.get(), kMatchCaseValue, 0) != 0;
    }
    m_wholeWords = Kyvant::GetRegistryDWORD(key.get(), kWholeWordsValue, 0) != 0;
    key.DeleteValue(kFindDownValue);
}

void FileTextView::StoreSearchSettings() const
{
    const Kyvant::RegKey key(CKyFindGApp::Instance().GetRegKey(), kTextViewKey);
    Kyvant::WriteRegistryDWORD(key.get(), kMatchCaseValue, m_matchCase ? 1 : 0);
    Kyvant::WriteRegistryDWORD(key.get(), kWholeWordsValue, m_wholeWords ? 1 : 0);
}
