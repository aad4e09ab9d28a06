// ViewCoordinator: keeps the Find front-end's three panes in step. It holds
// the current file (a row of the file list) and the current match (a row of
// the match list), selects and shows them, walks to the next or previous
// match or file, and applies the text options, which it loads when it is
// made and stores when it goes.
#pragma once

#include "KyFind/Gui/Coordinator/TextOptions.h"
#include "KyFind/Gui/FileList/FileListLink.h"
#include "KyFind/Gui/Finder/Finder.h"
#include "KyFind/Gui/Model/FinderModel.h"
#include "KyStd/Registry/RegKey.h"

class FileListView;
class FileMatchListView;
class FileTextView;
class PaneFrame;
class TextOptionsDlg;
class ViewSplitterWnd;

class ViewCoordinator : public FileListLink {
public:
    // Loads the text options under the application key; a registry failure
    // leaves the defaults.
    ViewCoordinator(Finder& finder, const Kyvant::RegKey& appKey);
    // Stores the text options; failures are ignored.
    ~ViewCoordinator() override;
    ViewCoordinator(const ViewCoordinator&) = delete;
    ViewCoordinator& operator=(const ViewCoordinator&) = delete;

    // The panes and their frame, once they exist: each pane is told of the
    // coordinator, the match list gets its stored font, the file view the
    // text options.
    void Bind(FileListView& fileList, FileMatchListView& matchList, FileTextView& fileView,
              ViewSplitterWnd* splitter, PaneFrame& frame);
    // The panes are going: nothing is shown any more. The match list calls
    // it when its window is destroyed, while the other panes still exist.
    void Unbind();
    bool IsBound() const { return m_frame != nullptr; }
    // A status text by string id through the frame, when there is one.
    void ShowStatus(UINT stringId, bool atOnce);

    Finder& GetFinder() const { return m_finder; }
    TextOptions& GetTextOptions() { return m_options; }
    const TextOptions& GetTextOptions() const { return m_options; }
    FileListView* GetFileList() const { return m_fileList; }
    FileMatchListView* GetMatchList() const { return m_matchList; }
    FileTextView* GetFileView() const { return m_fileView; }
    ViewSplitterWnd* GetSplitter() const { return m_splitter; }

    // The current file's record (null: none) and the current match (-1 none).
    Finder::Model::FileRec* GetCurrentFileRec() const;
    int GetCurrentMatch() const { return m_currentMatch; }
    // Only the index, without showing it (a row chosen while the file view
    // shows nothing).
    void SetCurrentMatchIndex(int index) { m_currentMatch = index; }
    int GetMatchesColumnWidth() const { return m_matchesWidth; }

    // FileListLink
    int GetCurrentFile() const override { return m_currentFile; }
    void SetCurrentFile(int row) override;
    void MoveCurrentFile(int row) override;
    void SelectFirstMatch() override { FirstMatch(); }
    void OnFileRenamed() override;
    void SetMatchesColumnWidth(int width) override { m_matchesWidth = width; }

    // Makes the match of the current file current and shows it; with
    // activate the file view becomes the active pane. index < 0: none.
    void SelectMatch(int index, bool activate);
    void FirstMatch();
    void LastMatch();
    // From the selected rows to the next or previous match or file; past
    // the ends both selections are cleared and a notice is shown.
    void NextMatch(bool forward);
    void NextFile(bool forward);
    // file -1: passed the ends; match -1: the file's last match.
    void Go(int file, int match, bool forward);
    // The results were discarded: all panes empty, the file list active.
    void Reset();

    // Applies the fonts (the match list's only when it has one).
    void ApplyFonts();
    // The tab size to the match list and the file view (a stored size below
    // 1 acts as 1).
    void ApplyTabSize();
    void SetTabSize(int size);
    void ToggleWordWrap();
    // Shows the current match again in the current colouring.
    void ShowCurrentMatchAgain();
    // The Text Options dialog over the frame; true when it was accepted.
    bool DoTextOptions();

    // Match rows of a file: its match lines.
    static int MatchRows(const Finder::Model::FileRec* file);

private:
    void SetIdleStatus();
    void ActivateFileView();
    void ShowNothing();
    int SelectedFileRow() const;
    int SelectedMatchRow() const;
    int FileRowCount() const;
    int LastMatchOf(int file) const;
    CFont& MatchListFontShown(CFont& fallback);
    void TakeTextOptions(const TextOptionsDlg& dialog);

    Finder& m_finder;
    Kyvant::RegKey m_appKey;
    TextOptions m_options;
    FileListView* m_fileList;
    FileMatchListView* m_matchList;
    FileTextView* m_fileView;
    ViewSplitterWnd* m_splitter;
    PaneFrame* m_frame;
    int m_currentFile;
    int m_currentMatch;
    int m_matchesWidth;
    bool m_settingFile;
    bool m_selectingMatch;
};
