// FileListView: the Dir front-end's list, one row per listed item of the
// finder's listing, growing on the monitor timer while a task runs. It
// supplies the rows, the eight columns and their texts, sorts by a column
// with folders kept together, removes dropped rows, and draws the Name
// icon itself where the list cannot (Windows NT 4).
#pragma once

#include "KyDir/Gui/Finder/Finder.h"
#include "KyDir/Gui/Model/DirModel.h"
#include "FinderLink/ResultList/TaskFileListViewT.h"

#include <afxwin.h>

class FileListView : public Kyvant::TaskFileListViewT<Finder, Finder::Model::Item> {
    DECLARE_DYNCREATE(FileListView)

public:
    using Item = Finder::Model::Item;
    using Base = Kyvant::TaskFileListViewT<Finder, Item>;

    // Column ids: the index into the column table.
    enum Column { Name, InFolder, Size, Type, Modified, Created, Attributes, Rank, ColumnCount };
    static constexpr Kyvant::FileColumnIds kFileColumns = {Name,     InFolder, Size,      Type,
                                                           Modified, Created,  Attributes};

    FileListView();
    ~FileListView() override;

    static const ColumnInitInfo* ColumnTable();

    // KyFileListViewBase
    void InitColumnWidths(int* widths, int availableWidth, int widthOfX, int widthOf0,
                          int smallIconWidth, int extra) override;
    void GetMsgWndText(Kyvant::ky_S& out) override;

    // FileListViewBaseT
    Rows* GetRows() const override;
    void EraseRows(const RowIterators& rows, int& focusedRow) override;
    // Folders are kept together.
    void SortByColumn(int column) override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    afx_msg void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnOdStateChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnReturn(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDoubleClickRow(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    // The Name icon of the row being drawn, kept between the item's two
    // drawing stages.
    struct IconDrawing {
        HIMAGELIST images = nullptr;
        int image = -1;
        int overlay = 0;
        bool selected = false;
        COLORREF background = CLR_NONE;
        COLORREF foreground = CLR_NONE;
        CRect place;
        int savedDC = 0;
    };
    // Whether the view draws the Name icons itself.
    bool DrawsOwnIcons() const;
    bool PrepareIconDrawing(HDC dc, int row);
    void DrawIcon(HDC dc);

private:
    void FillDispInfo(LVITEMA& item) override;
    void AfterGrowing(int shownBefore) override;
    void InvalidateIcons(int first, int last);
    int LastVisibleRow() const;

    IconDrawing m_drawing;
};
