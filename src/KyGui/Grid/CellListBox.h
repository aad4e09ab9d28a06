// KyCellListBox: a small grid on the editable list box. Each item is a row
// of cells described by the columns; headers are painted above the client
// area; a row is edited cell by cell in a container window spanning it.
#pragma once

#include "KyGui/Adapters/ListBoxVectorInterface.h"
#include "KyGui/Grid/Columns.h"
#include "KyGui/KyGuiExport.h"
#include "KyGui/Lists/EditableListBox.h"

#include <afxwin.h>

class KYGUI_API KyCellListBox : public KyEditableListBox,
                                public Kyvant::ListBoxVectorInterface<CString, CLB_Row*> {
public:
    using Vector = Kyvant::ListBoxVectorInterface<CString, CLB_Row*>;

    KyCellListBox();
    // Owns the column description from here on; null gives an empty one.
    KyCellListBox(CLB_RowDesc* columns, bool enableDrag, bool createToolbar, UINT toolbarId);
    ~KyCellListBox() override;

    void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct) override;
    bool IsTextuallyEmpty() override;
    int GetEmptyItemIndex() override;
    int GetDefaultItemHeight() override;
    void DrawItemContents(CDC& dc, const CRect& rect, int item, DRAWITEMSTRUCT& dis) override;
    // Inserts one new row at min(index, row count) (index -1: at the end); its index.
    int CreateNewEmptyItem(int index) override;
    bool BeginEditing(SelectType how, CPoint pt) override;
    bool HandleClickAfterStoppedEditing(CPoint pt) override;
    bool CanEditItem(int item, bool start, SelectType how, CPoint pt) override;
    using KyEditableListBox::CanEditItem;
    // A new row for insertion: the row description's.
    virtual CLB_Row* CreateRow();

    // The items are rows, not texts: the list's text functions do not apply.
    const char* ItemText(int item) const = delete;
    template <class... Args>
    void StoreContents(Args&&...) = delete;
    template <class... Args>
    void LoadContents(Args&&...) = delete;

    Vector& as_vec() { return *this; }
    // The row and the cell; std::out_of_range when there is none.
    CLB_Row& GetRow(unsigned row);
    CLB_Cell& GetCell(unsigned row, unsigned col);
    CLB_Cell& at(unsigned row, unsigned col) { return GetCell(row, col); }
    static CLB_Cell& at(const Vector::reference& row, unsigned col);
    static CLB_Cell& at(CLB_Row& row, unsigned col);
    static CLB_Cell& at(KyCellListBox& grid, unsigned row, unsigned col);

    // Inserts count rows at index: the prototype (or, when null, CreateRow()) and clones of the row
    // before. The grid owns the prototype from the call on: on a failure the inserted rows are
    // erased and the prototype deleted once, and the exception passes on.
    void InsertRow(unsigned index, CLB_Row* prototype);
    void InsertRow(unsigned index, unsigned count, CLB_Row* prototype);
    // Inserts count columns described by desc at index: every row gets new cells there and the
    // horizontal extent becomes the row width. The grid owns desc from the call on.
    void InsertColumn(unsigned index, CLB_ColumnDescBase* desc);
    void InsertColumn(unsigned index, unsigned count, CLB_ColumnDescBase* desc);
    int GetRowWidth() const;
    unsigned GetNumColumns() const;
    const CLB_RowDesc& GetRowDesc() const { return *m_rowDesc; }

    // Shows the column headers in a strip above the client area.
    void CreateHeaders();
    bool HeadersShown() const { return m_headersShown; }
    int GetHeaderHeight() const { return m_headerHeight; }

    // The cell's rectangle in client coordinates; with scrolled, as horizontally scrolled now.
    CRect GetCellRect(unsigned row, unsigned col, bool scrolled) const;
    void GetCellPosAndWidth(unsigned col, int& x, int& width, bool scrolled) const;
    // The cell under a client point: false when the point lies on no cell. The point in the cell is
    // relative to the cell's top left; the rectangle is in client coordinates.
    bool HitTestCell(CPoint pt, unsigned* row, unsigned* col, CPoint* ptInCell,
                     CRect* cellRect) const;
    bool HitTestCell(unsigned row, CPoint pt, unsigned* col, CPoint* ptInCell,
                     CRect* cellRect) const;

    // The column that editing starts in or is in.
    unsigned GetCurrentColumn() const { return m_currentColumn; }
    void SetCurrentColumn(unsigned col) { m_currentColumn = col; }
    // Sends the parent WM_APP+0x97 for the row (a cell's text or check changed).
    void NotifyCellChanged(unsigned row);
    // The horizontal scroll position (0 without a horizontal scroll bar).
    int GetHorzScrollPos() const;

protected:
    KYB_Editor* CreateEditor(int item, const CRect& rect) override;
    void PreSubclassWindow() override;
    // Re-reads the visual styles and the check-box size.
    void UpdateTheme();

    afx_msg LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnThemeChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnNcDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void PaintHeaders(CDC& dc, const CRect& strip);
    int MaxCellHeight();

    CLB_RowDesc* m_rowDesc;
    unsigned m_currentColumn;
    bool m_headersShown;
    int m_headerHeight;
    bool m_maxCellHeightComputed;
    int m_maxCellHeight;
    bool m_holdsTheme;
};
