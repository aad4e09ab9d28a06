// The window playing the Find frame around the file list: it hosts the view
// as its one pane, keeps the commands the view sends it and, while asked,
// every cell the list asks the view to show; and the link standing in for
// the panes that follow the current file, recording what it is told.
#pragma once

#include "KyFind/Gui/FileList/FileListLink.h"
#include "KyFind/Gui/FileList/FileListView.h"
#include "KyStd/Registry/RegKey.h"

#include <afxwin.h>

#include <string>
#include <vector>

// The template's multi-selection paths, as a list without LVS_SINGLESEL
// takes them.
class MultiSelectFileListView : public FileListView {
    DECLARE_DYNCREATE(MultiSelectFileListView)

public:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
};

class ResultsFrame : public CFrameWnd {
public:
    struct Cell {
        int row;
        int column; // the column id
        std::string text;
    };

    // A frame with a view of the class; destroyed with its window.
    static ResultsFrame* Create(CRuntimeClass* viewClass);
    // The view's first initial update, then its columns from the key, as the
    // Find frame does once the view is bound to its finder.
    void InitialUpdate(Kyvant::RegKey& columnState);

    FileListView& View() const { return *m_view; }

    std::vector<UINT> m_commands; // the commands the view sent
    bool m_recordCells = false;
    std::vector<Cell> m_cells; // cells shown while m_recordCells was set

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void PostNcDestroy() override;

private:
    FileListView* m_view = nullptr;
};

class RecordingLink : public FileListLink {
public:
    int GetCurrentFile() const override { return current; }
    void SetCurrentFile(int row) override
    {
        current = row;
        heard.push_back("set " + std::to_string(row));
    }
    void MoveCurrentFile(int row) override
    {
        current = row;
        heard.push_back("move " + std::to_string(row));
    }
    void SelectFirstMatch() override { heard.push_back("first match"); }
    void OnFileRenamed() override { heard.push_back("renamed"); }
    void SetMatchesColumnWidth(int width) override { matchesWidth = width; }

    int current = -1;
    int matchesWidth = 0;
    std::vector<std::string> heard;
};
