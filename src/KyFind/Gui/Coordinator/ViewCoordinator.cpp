// ViewCoordinator: binding the panes, the current file and match, reset,
// and the text options.
#include "KyFind/Gui/Coordinator/ViewCoordinator.h"

#include "KyFind/Gui/Coordinator/PaneFrame.h"
#include "KyFind/Gui/Coordinator/TextOptionsDlg.h"
#include "KyFind/Gui/FileList/FileListResource.h"
#include "KyFind/Gui/FileList/FileListView.h"
#include "KyFind/Gui/MatchList/FileMatchListView.h"
#include "KyFind/Gui/TextView/FileTextView.h"
#include "KyGui/Helpers/ListViewEx.h"
#include "KyStd/Core/FlagScope.h"

#include <exception>

ViewCoordinator::ViewCoordinator(Finder& finder, const Kyvant::RegKey& appKey)
    : m_finder(finder), m_appKey(appKey), m_fileList(nullptr), m_matchList(nullptr),
      m_fileView(nullptr), m_splitter(nullptr), m_frame(nullptr), m_currentFile(-1),
      m_currentMatch(-1), m_matchesWidth(0), m_settingFile(false), m_selectingMatch(false)
{
    try {
        m_options.Load(m_appKey);
    } catch (const std::exception&) {
    }
}

ViewCoordinator::~ViewCoordinator()
{
    Unbind();
    try {
        m_options.Store(m_appKey);
    } catch (const std::exception&) {
    }
}

void ViewCoordinator::Bind(FileListView& fileList, FileMatchListView& matchList,
                           FileTextView& fileView, ViewSplitterWnd* splitter, PaneFrame& frame)
{
    m_fileList = &fileList;
    m_matchList = &matchList;
    m_fileView = &fileView;
    m_splitter = splitter;
    m_frame = &frame;
    fileList.SetLink(this);
    matchList.SetCoordinator(this);
    fileView.SetFrame(&frame);
    fileView.SetTextOptions(&m_options);
    if (!m_options.HasMatchListFont()) {
        CFont systemFont;
        if (m_options.LoadMatchListFont(m_appKey, MatchListFontShown(systemFont)))
            matchList.SetFont(m_options.MatchListFont());
    }
    fileView.ApplyFont();
    fileView.ApplyWordWrap();
}

void ViewCoordinator::Unbind()
{
    if (m_fileList != nullptr && ::IsWindow(m_fileList->GetSafeHwnd()))
        m_fileList->SetLink(nullptr);
    if (m_matchList != nullptr && ::IsWindow(m_matchList->GetSafeHwnd()))
        m_matchList->SetCoordinator(nullptr);
    if (m_fileView != nullptr && ::IsWindow(m_fileView->GetSafeHwnd())) {
        m_fileView->SetFrame(nullptr);
        m_fileView->SetTextOptions(nullptr);
    }
    m_fileList = nullptr;
    m_matchList = nullptr;
    m_fileView = nullptr;
    m_splitter = nullptr;
    m_frame = nullptr;
}

Finder::Model::FileRec* ViewCoordinator::GetCurrentFileRec() const
{
    return m_currentFile >= 0 ? m_finder.GetModel().GetFile(m_currentFile) : nullptr;
}

int ViewCoordinator::MatchRows(const Finder::Model::FileRec* file)
{
    return file != nullptr ? static_cast<int>(file->GetMatches().size()) : 0;
}

void ViewCoordinator::ShowStatus(UINT stringId, bool atOnce)
{
    if (m_frame != nullptr)
        m_frame->SetStatus(stringId, atOnce);
}

void ViewCoordinator::SetIdleStatus()
{
    ShowStatus(PaneFrame::kIdleStatus, true);
}

void ViewCoordinator::ActivateFileView()
{
    m_frame->GetFrameWnd().SendMessage(WM_COMMAND, ID_VIEW_FILE_VIEW);
}

void ViewCoordinator::ShowNothing()
{
    m_currentFile = -1;
    m_currentMatch = -1;
    if (!IsBound())
        return;
    m_matchList->Empty();
    m_fileView->ShowEmpty();
}

int ViewCoordinator::FileRowCount() const
{
    return m_fileList != nullptr ? m_fileList->GetListCtrl().GetItemCount() : 0;
}

void ViewCoordinator::SetCurrentFile(int row)
{
    if (m_settingFile)
        return;
    Kyvant::ClearingFlagScope guard(m_settingFile);
    SetIdleStatus();
    if (!IsBound()) {
        m_currentFile = row;
        m_currentMatch = -1;
        return;
    }
    CListCtrl& files = m_fileList->GetListCtrl();
    if (row < 0 || row >= files.GetItemCount() || m_finder.GetModel().GetFile(row) == nullptr) {
        files.SetItemState(-1, 0, LVIS_SELECTED);
        if (files.GetItemCount() > 0)
            Kyvant::ListViewEx::SetFocusItem(files, 0);
        ShowNothing();
        return;
    }
    Kyvant::ListViewEx::SetCurSel(files, row);
    if (row == m_currentFile)
        return;
    m_currentMatch = -1;
    m_currentFile = row;
    m_matchList->Fill();
    m_fileView->Load(GetCurrentFileRec()->GetFullFileName());
}

// The current file's record moved to another row; gone (-1): nothing shows.
void ViewCoordinator::MoveCurrentFile(int row)
{
    if (row < 0) {
        ShowNothing();
        return;
    }
    m_currentFile = row;
}

void ViewCoordinator::OnFileRenamed()
{
    const Finder::Model::FileRec* file = GetCurrentFileRec();
    if (IsBound() && file != nullptr && m_fileView->IsShowingFile())
        m_fileView->SetLoadedName(file->GetFullFileName());
}

// The same match again only selects its text again; either way the file
// view is activated when asked, so that Enter on the current row reaches
// the file.
void ViewCoordinator::SelectMatch(int index, bool activate)
{
    if (m_selectingMatch)
        return;
    Kyvant::ClearingFlagScope guard(m_selectingMatch);
    SetIdleStatus();
    if (!IsBound())
        return;
    if (index < 0) {
        m_currentMatch = -1;
        m_fileView->ShowEmpty();
        return;
    }
    Finder::Model::FileRec* file = GetCurrentFileRec();
    if (file == nullptr)
        return;
    if (index == m_currentMatch && m_fileView->IsShowingFile()) {
        m_fileView->SelectMatchedText();
    } else {
        const Finder::Model::MatchRec* match = Finder::Model::GetMatch(*file, index);
        if (match == nullptr)
            return;
        m_currentMatch = index;
        Kyvant::ListViewEx::SetCurSel(m_fileList->GetListCtrl(), m_currentFile);
        m_matchList->Refresh();
        m_matchList->SelectRow(index);
        m_fileView->Load(file->GetFullFileName());
        m_fileView->ShowMatch(match->position);
    }
    if (activate)
        ActivateFileView();
}

void ViewCoordinator::Reset()
{
    m_currentFile = -1;
    m_currentMatch = -1;
    if (!IsBound())
        return;
    if (::IsWindow(m_fileList->GetSafeHwnd()))
        m_fileList->Clear();
    m_matchList->Empty();
    m_fileView->ShowEmpty();
    m_fileView->ForgetFailedFile();
    m_frame->GetFrameWnd().SetActiveView(m_fileList);
    SetIdleStatus();
    m_currentFile = -1;
    m_currentMatch = -1;
}

void ViewCoordinator::ApplyFonts()
{
    if (!IsBound())
        return;
    if (m_options.HasMatchListFont()) {
        m_matchList->SetFont(m_options.MatchListFont());
        if (CHeaderCtrl* header = m_matchList->GetListCtrl().GetHeaderCtrl())
            header->Invalidate();
        m_matchList->Invalidate();
    }
    m_fileView->ApplyFont();
}

void ViewCoordinator::ApplyTabSize()
{
    if (!IsBound())
        return;
    m_frame->OnTabSizeChanged();
    m_matchList->Invalidate();
    m_fileView->ApplyTabSize();
}

void ViewCoordinator::SetTabSize(int size)
{
    m_options.SetTabSize(size);
    ApplyTabSize();
}

void ViewCoordinator::ToggleWordWrap()
{
    m_options.SetWordWrap(!m_options.GetWordWrap());
    if (IsBound())
        m_fileView->ApplyWordWrap();
}

void ViewCoordinator::ShowCurrentMatchAgain()
{
    const Finder::Model::FileRec* file = GetCurrentFileRec();
    if (!IsBound() || file == nullptr || m_currentMatch < 0 || !m_fileView->IsShowingFile())
        return;
    if (const Finder::Model::MatchRec* match = Finder::Model::GetMatch(*file, m_currentMatch))
        m_fileView->ShowMatch(match->position);
}

// The match list's font as the dialog starts from: its chosen one, else
// its own, else the system font (made in fallback).
CFont& ViewCoordinator::MatchListFontShown(CFont& fallback)
{
    if (m_options.HasMatchListFont())
        return m_options.MatchListFont();
    if (const HFONT own = m_matchList->GetFont())
        return *CFont::FromHandle(own);
    fallback.CreateStockObject(SYSTEM_FONT);
    return fallback;
}

bool ViewCoordinator::DoTextOptions()
{
    if (!IsBound())
        return false;
    CFont systemFont;
    TextOptionsDlg dialog(m_options.GetTabSize(), m_options.GetUseColors(),
                          m_options.GetMatchColor(), m_options.FileViewFont(),
                          MatchListFontShown(systemFont), &m_frame->GetFrameWnd());
    if (dialog.DoModal() != IDOK)
        return false;
    TakeTextOptions(dialog);
    return true;
}

// A changed font is made anew and applied; a change of colouring first
// takes the old colour off the match; the match is then shown again in the
// new way (a new font takes the colours off all the text).
void ViewCoordinator::TakeTextOptions(const TextOptionsDlg& dialog)
{
    const TextOptionsDlg::FontChoice& viewFont = dialog.GetFileViewFont();
    const TextOptionsDlg::FontChoice& matchFont = dialog.GetMatchListFont();
    if (viewFont.changed)
        m_options.FileViewFont().Create(viewFont.pointSize, viewFont.logFont);
    if (matchFont.changed) {
        m_options.MatchListFont().Create(matchFont.pointSize, matchFont.logFont);
        m_options.SetMatchListFontChanged();
    }
    const bool colouring = dialog.GetUseColors() != m_options.GetUseColors() ||
                           dialog.GetMatchColor() != m_options.GetMatchColor();
    if (colouring && m_options.GetUseColors())
        m_fileView->UncolourMatch();
    m_options.SetUseColors(dialog.GetUseColors());
    m_options.SetMatchColor(dialog.GetMatchColor());
    if (viewFont.changed || matchFont.changed)
        ApplyFonts();
    if (colouring || viewFont.changed)
        ShowCurrentMatchAgain();
    if (dialog.GetTabSize() != m_options.GetTabSize())
        SetTabSize(dialog.GetTabSize());
}
