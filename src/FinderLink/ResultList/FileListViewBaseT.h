// Kyvant::FileListViewBaseT<T>: the file operations of a result list whose
// rows are records T (derived from Kyvant::ShFileRec::Item) kept in a
// Kyvant::TsListVectorHybrid<T>: refresh, copy and cut to the clipboard,
// dragging, deleting, the properties of the selection and renaming, with
// the data source FileDS that renders the rows' files; and what both result
// views do alike with their rows: the file columns' texts and widths, the
// sort by a column, the list's growth with its model on the monitor timer
// and the removal of erased rows. The derived view supplies the records of
// its rows, its own columns and order, and erases records from its model.
// It holds no type of one front-end: both result views instantiate it
// (header-only).
#pragma once

#include "FinderLink/Results/TsListVectorHybrid.h"
#include "FinderLink/ResultList/FileColumns.h"
#include "FinderLink/ResultList/FileDropData.h"
#include "KyGuiTool/FileRecords/ShFileRecItem.h"
#include "KyGuiTool/ResultList/FileDataSource.h"
#include "KyGuiTool/ResultList/KyFileListViewBase.h"

#include <afxcmn.h>
#include <afxole.h>

#include <map>
#include <vector>

// The message-map entries of the handlers every result view routes to
// FileListViewBaseT<T>: display texts, a column click, the header popup's
// column commands (firstId to lastId) and the monitor timer.
#define ON_FILE_LIST_VIEW_MESSAGES(firstId, lastId)                                                \
    ON_NOTIFY_REFLECT(LVN_GETDISPINFO, OnGetDispInfo)                                              \
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)                                              \
    ON_COMMAND_RANGE(firstId, lastId, OnHeaderCommand)                                             \
    ON_UPDATE_COMMAND_UI_RANGE(firstId, lastId, OnUpdateHeaderCommand)                             \
    ON_WM_TIMER()

namespace Kyvant {

template <class T>
class FileListViewBaseT : public KyFileListViewBase {
public:
    using Record = T;
    using RowIterator = typename TsListVectorHybrid<T>::iterator;
    using RowIterators = std::vector<RowIterator>;

    class FileDS;

    // fileColumns: the ids the view gives the columns every file list has.
    FileListViewBaseT(const ColumnInitInfo* columns, unsigned count, unsigned headerMenuId,
                      unsigned firstHeaderCommandId, const FileColumnIds& fileColumns)
        : KyFileListViewBase(columns, count, headerMenuId, firstHeaderCommandId),
          m_fileColumns(fileColumns), m_rowsMoving(false)
    {
    }

    using Rows = TsListVectorHybrid<T>;

    // The model's records, one a row; null while the view shows no model.
    virtual Rows* GetRows() const = 0;
    // The record of a row; null for a row the model does not hold.
    T* GetRecord(int row) const;
    // The model's iterator of a row below the model's size.
    RowIterator GetRowIterator(int row) const;
    // Erases the rows' records from the model and their rows from the list;
    // focusedRow comes in as the focused row and goes out as the row that
    // should have the focus now.
    virtual void EraseRows(const RowIterators& rows, int& focusedRow) = 0;
    // Sorts by the column: its first direction when it is not sorted, else
    // the other one; each row's selection and focus stay with its record.
    virtual void SortByColumn(int column) = 0;

    // The rows' files and folders, from their records.
    void GetItemFileAndAttributes(ky_F& out, int row, DWORD& attributes) override;
    void GetItemFile(ky_F& out, int row) override;
    void GetItemFolder(ky_F& out, int row) override;

    // Removes the rows (all, or with onlyGone those whose files no longer
    // exist) under the wait cursor, the clipboard's data flushed first; the
    // focus ends on the old focused row or the last one. Iterators of rows
    // that are gone already are ignored.
    void RemoveRows(const RowIterators& rows, bool onlyGone);

    // Rows whose files still exist show their size, times and attributes
    // fetched anew; the others are removed.
    void Refresh() override;
    // Copy (true) or cut (false) the selected files to the clipboard.
    void CopyItems(bool copy) override;
    void ShowItemProperties() override;
    // To the recycle bin, or for good while Shift is held.
    void DeleteItems() override;
    void BeginItemDrag(NMHDR* pNMHDR, LRESULT* pResult) override;
    void EndItemLabelEdit(NMHDR* pNMHDR, LRESULT* pResult) override;

protected:
    // The selected rows the model holds, in list order, with their files.
    void GetSelectedRows(RowIterators& rows, std::vector<ky_F>* paths) const;

    // The display texts of a row's cell asked for by the list.
    virtual void FillDispInfo(LVITEMA& item) = 0;
    // Fills the cell of one of the columns every file list has from the
    // record, its fields prepared; false for another column.
    bool FillFileColumn(LVITEMA& item, const T& record, int column);

    // A task still adds records to the model.
    virtual bool IsTaskRunning() const = 0;
    // Drops the results of the task that has ended.
    virtual void DiscardResults() = 0;

    // Sorts the rows the list shows by the column (ignored out of range or
    // while no model shows) in its next direction with Order(column,
    // descending); each row's selection and focus stay with its record, and
    // each row of followed comes out as its record's new row (-1: it showed
    // no record, or its record is no longer shown). False when it did not
    // sort.
    template <class Order>
    bool SortRowsBy(int column, std::vector<int>& followed);

    // Each monitor tick that finds records, before the list grows to their
    // count (shown: the rows the list shows; the same count: it does not
    // grow).
    virtual void BeforeGrowing(int count, int shown);
    // After the list grew from shownBefore rows.
    virtual void AfterGrowing(int shownBefore) = 0;

    // The list follows the model's erasing of records: removed holds the
    // erased rows ascending; focusedRow comes in as the focused row and goes
    // out as the row that should have the focus now. An emptied model
    // empties the list and, once no task runs, discards the results.
    void RemoveErasedRows(const std::vector<int>& removed, int& focusedRow);
    // The model was emptied (the list is empty).
    virtual void OnAllRowsErased();
    // Rows were erased and others remain; the list still shows them.
    virtual void OnRowsErased(const std::vector<int>& removed);

    // The window created with the styles added, without the client edge
    // under a theme.
    BOOL PreCreateListWindow(CREATESTRUCT& cs, DWORD styles);
    // The text's width in the list's font.
    int StringWidth(const char* text) const;
    // The column's first direction when it is not sorted, else the other one.
    SortState NextSortState(int column) const;
    // The default widths of the file columns (w: width of "x", n: of "0",
    // i: a small icon, e: the margin); the Attributes column fits every
    // attribute letter and the title of the string id.
    void FileColumnWidths(int* widths, int w, int n, int i, int e, UINT attributesTitleId) const;
    // Spreads the width that the columns shown by default leave over: six
    // tenths to the folder column, one to the type column, the rest to the
    // name column.
    void SpreadSurplusWidth(int* widths, int availableWidth) const;

    afx_msg void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnHeaderCommand(UINT id);
    afx_msg void OnUpdateHeaderCommand(CCmdUI* pCmdUI);
    afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);

    const FileColumnIds m_fileColumns;
    // The rows move under the view's own hand (a sort puts their states
    // back, erased rows go): selection changes then are no user's choice.
    bool m_rowsMoving;

private:
    static const UINT_PTR kMonitorTimerId = 1;

    // One tick of the monitor timer while it runs.
    void OnMonitorTick();
    int AttributesTextWidth(UINT titleId) const;
    RowIterators LiveRows(const RowIterators& rows) const;
    void RenameRow(int row, const char* newName, LRESULT* pResult);
    // Each row's selected and focused state, by its record.
    using RowStates = std::map<const T*, UINT>;
    RowStates RememberRowStates() const;
    void RestoreRowStates(const RowStates& states, const std::vector<const T*>& followed,
                          std::vector<int>& rows);
};

// The clipboard and drag data of a list's selection. CF_HDROP and the
// shell's ID-list array are rendered from the rows selected when they are
// asked for; a drop target may write back the drop effects, and a move
// written back removes the rendered rows whose files are gone.
template <class T>
class FileListViewBaseT<T>::FileDS : public FileDataSource {
public:
    using ShellFolderDesc = FileDrop::ShellFolderDesc;

    // keepRendered: each rendered block is kept and later requests get
    // copies; offerFeedbackFormats: the data is offered for a move, and the
    // drop target may write back what it did.
    FileDS(FileListViewBaseT& view, bool keepRendered, bool offerFeedbackFormats);
    ~FileDS() override;

    BOOL OnRenderHDrop(LPFORMATETC lpFormatEtc, HGLOBAL* phGlobal) override;
    BOOL RenderHDrop(HGLOBAL* phGlobal) override;
    BOOL OnRenderShellIdList(LPFORMATETC lpFormatEtc, HGLOBAL* phGlobal) override;
    BOOL RenderShellIdList(HGLOBAL* phGlobal) override;
    BOOL OnSetData(LPFORMATETC lpFormatEtc, LPSTGMEDIUM lpStgMedium, BOOL bRelease) override;

    // What a drop target wrote back (0 until written).
    DWORD GetPerformedDropEffect() const { return m_performed; }
    DWORD GetLogicalPerformedDropEffect() const { return m_logicalPerformed; }
    DWORD GetPasteSucceeded() const { return m_pasteSucceeded; }
    bool MoveWrittenBack() const
    {
        return ((m_performed | m_logicalPerformed | m_pasteSucceeded) & DROPEFFECT_MOVE) != 0;
    }
    // The rows the last rendering listed.
    const RowIterators& GetRenderedRows() const { return m_rendered; }

private:
    BOOL Deliver(HGLOBAL rendered, HGLOBAL* phGlobal, HGLOBAL& kept);
    void RemoveMovedRows();

    FileListViewBaseT& m_view;
    const bool m_forMove;
    RowIterators m_rendered;
    DWORD m_performed;
    DWORD m_logicalPerformed;
    DWORD m_pasteSucceeded;
    FileDrop::ShellIdListBuilder m_idLists; // keeps the shell folders by folder name
};

} // namespace Kyvant

#include "FinderLink/ResultList/FileListDataSource.h"
#include "FinderLink/ResultList/FileListGrowth.h"
#include "FinderLink/ResultList/FileListHandlers.h"
#include "FinderLink/ResultList/FileListRows.h"
#include "FinderLink/ResultList/FileListRowFiles.h"
#include "FinderLink/ResultList/FileListSort.h"
#include "FinderLink/ResultList/FileListTransfer.h"
#include "FinderLink/ResultList/FileListWidths.h"
