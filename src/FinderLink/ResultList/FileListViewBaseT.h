// Kyvant::FileListViewBaseT<T>: the file operations of a result list whose
// rows are records T (derived from Kyvant::ShFileRec::Item) kept in a
// Kyvant::TsListVectorHybrid<T>: refresh, copy and cut to the clipboard,
// dragging, deleting, the properties of the selection and renaming, with
// the data source FileDS that renders the rows' files. The derived view
// supplies the records of its rows and erases them from its model. It holds
// no type of one front-end: both result views instantiate it (header-only).
#pragma once

#include "FinderLink/Results/TsListVectorHybrid.h"
#include "FinderLink/ResultList/FileDropData.h"
#include "KyGuiTool/FileRecords/ShFileRecItem.h"
#include "KyGuiTool/ResultList/FileDataSource.h"
#include "KyGuiTool/ResultList/KyFileListViewBase.h"

#include <afxcmn.h>
#include <afxole.h>

#include <vector>

namespace Kyvant {

template <class T>
class FileListViewBaseT : public KyFileListViewBase {
public:
    using Record = T;
    using RowIterator = typename TsListVectorHybrid<T>::iterator;
    using RowIterators = std::vector<RowIterator>;

    class FileDS;

    // The view's ids of the columns every file list has.
    struct FileColumns {
        int name;
        int inFolder;
        int size;
        int type;
        int modified;
        int created;
        int attributes;
    };

    FileListViewBaseT(const ColumnInitInfo* columns, unsigned count, unsigned headerMenuId,
                      unsigned firstHeaderCommandId)
        : KyFileListViewBase(columns, count, headerMenuId, firstHeaderCommandId)
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
    bool FillFileColumn(LVITEMA& item, const T& record, int column, const FileColumns& ids);
    // One tick of the monitor timer while it runs.
    virtual void OnMonitorTick() = 0;

    // The window created with the styles added, without the client edge
    // under a theme.
    BOOL PreCreateListWindow(CREATESTRUCT& cs, DWORD styles);
    // The text's width in the list's font.
    int StringWidth(const char* text) const;
    // The column's first direction when it is not sorted, else the other one.
    SortState NextSortState(int column) const;
    // The wider of every attribute letter and the title of the string id.
    int AttributesTextWidth(UINT titleId) const;
    // Spreads the width that the columns shown by default leave over: six
    // tenths to the folder column, one to the type column, the rest to the
    // name column.
    void SpreadSurplusWidth(int* widths, int availableWidth, int name, int inFolder,
                            int type) const;

    afx_msg void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnHeaderCommand(UINT id);
    afx_msg void OnUpdateHeaderCommand(CCmdUI* pCmdUI);

private:
    static const UINT_PTR kMonitorTimerId = 1;

    RowIterators LiveRows(const RowIterators& rows) const;
    void RenameRow(int row, const char* newName, LRESULT* pResult);
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
#include "FinderLink/ResultList/FileListHandlers.h"
#include "FinderLink/ResultList/FileListRows.h"
#include "FinderLink/ResultList/FileListRowFiles.h"
#include "FinderLink/ResultList/FileListTransfer.h"
#include "FinderLink/ResultList/FileListWidths.h"
