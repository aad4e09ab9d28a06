// FileListView: the Find front-end's file list, one row per found file of
// the finder's result model, growing on the monitor timer while a task runs.
// It supplies the rows, columns and display texts, sorts by a column,
// erases rows from the model and keeps the current file in step with the
// panes that follow it.
#pragma once

#include "KyFind/Gui/FileList/FileListLink.h"
#include "KyFind/Gui/Finder/Finder.h"
#include "KyFind/Gui/Model/FinderModel.h"
#include "FinderLink/ResultList/TaskFileListViewT.h"

#include <afxwin.h>

class FileListView : public Kyvant::TaskFileListViewT<Finder, Finder::Model::FileRec> {
    DECLARE_DYNCREATE(FileListView)

public:
    using FileRec = Finder::Model::FileRec;
    using Base = Kyvant::TaskFileListViewT<Finder, FileRec>;

    // Column ids: the index into the column table.
    enum Column { Name, InFolder, Matches, Size, Type, Modified, Created, Attributes, ColumnCount };
    static constexpr Kyvant::FileColumnIds kFileColumns = {Name,     InFolder, Size,      Type,
                                                           Modified, Created,  Attributes};

    FileListView();
    ~FileListView() override;

    // The panes that follow the current file; null: the view's own record
    // of the current file's row.
    void SetLink(FileListLink* link) { m_link = link != nullptr ? link : &m_ownLink; }
    FileListLink& GetLink() const { return *m_link; }

    // The last row at the last tick (-1 none) and the match count seen for it.
    int GetWatchedRow() const { return m_watchedRow; }
    long long GetWatchedCount() const { return m_watchedCount; }

    static const ColumnInitInfo* ColumnTable();

    // KyFileListViewBase
    void Clear() override;
    void InitColumnWidths(int* widths, int availableWidth, int widthOfX, int widthOf0,
                          int smallIconWidth, int extra) override;
    void GetMsgWndText(Kyvant::ky_S& out) override;
    void EndItemLabelEdit(NMHDR* pNMHDR, LRESULT* pResult) override;
    void OnMonitorTimerKilled() override;

    // FileListViewBaseT
    Rows* GetRows() const override;
    void EraseRows(const RowIterators& rows, int& focusedRow) override;
    // The current file and the watched row follow their records too.
    void SortByColumn(int column) override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnInitialUpdate() override;

protected:
    afx_msg void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnReturn(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDoubleClickRow(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnRightClickRow(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void FillDispInfo(LVITEMA& item) override;
    void BeforeGrowing(int count, int shown) override;
    void AfterGrowing(int shownBefore) override;
    void OnAllRowsErased() override;
    void OnRowsErased(const std::vector<int>& removed) override;
    void InvalidateMatchesCell(int row);
    void ActivateRow(int row);
    void SelectCurrentFileRow();

    CurrentFileOnly m_ownLink;
    FileListLink* m_link;
    bool m_initialUpdated; // this view's part of the first initial update is done
    int m_watchedRow;
    long long m_watchedCount; // -1: none seen
};
