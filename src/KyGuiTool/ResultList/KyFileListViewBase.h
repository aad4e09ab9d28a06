// KyFileListViewBase: the base of the result list views, a virtual report
// list of files whose rows the derived view supplies. The base keeps the
// columns the user chose (order and widths in the registry), the sort mark,
// the monitor timer, the message window over an empty list, the Explorer
// context menu of the selection, launching, selection commands, in-place
// renaming and the routing of clipboard and drag commands.
#pragma once

#include "KyGui/Shell/ContextMenuHost.h"
#include "KyGui/Shell/FsObj.h"
#include "KyGuiTool/Controls/KyColorStaticWnd.h"
#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Strings/String.h"

#include <afxcmn.h>
#include <afxcview.h>
#include <afxwin.h>

#include <vector>

class KYGUITOOL_API KyFileListViewBase : public CListView,
                                         public Kyvant::Shell::ExplorerContextMenuHost {
    DECLARE_DYNAMIC(KyFileListViewBase)

public:
    enum SortState { SortAscending = 0, SortDescending = 1, SortNone = 2 };

    // One column the view can show, in table order (the table index is the
    // column's id).
    struct ColumnInitInfo {
        BYTE shownByDefault;
        BYTE mayHide;             // 0: always shown
        int orderKey;             // default display order; where a re-shown column goes
        SortState firstSortState; // for the derived view's first sort by it
        UINT titleId;             // string resource of the caption
        int format;               // LVCFMT_ alignment
        UINT mask;                // LVCF_ mask the column is inserted with
        const char* registryValueName;
    };

    // The column table and the header popup (its first submenu lists the
    // columns as commands firstHeaderCommandId + table index) stay the
    // caller's for the view's life.
    KyFileListViewBase(const ColumnInitInfo* columns, unsigned count, unsigned headerMenuId,
                       unsigned firstHeaderCommandId);
    ~KyFileListViewBase() override;

    // Empties the view: ends a label edit, flushes the clipboard's data,
    // removes the rows and the sort mark, stops the monitor timer.
    virtual void Clear();
    // Column state, one "shown,order,width" value per table entry.
    virtual void SaveState(Kyvant::RegKey& key);
    virtual void RestoreState(Kyvant::RegKey& key);
    // Fills one display-info request with a text, image and overlay.
    virtual void HandleDispInfo_imp(LVITEMA& item, const char* text, int image, int overlay);
    // Shows a column: at the end, or next to its neighbours by order key.
    virtual void CreateColumnX(int column, bool placeByOrderKey);

    virtual void GetItemFileAndAttributes(Kyvant::ky_F& out, int row, DWORD& attributes) = 0;
    virtual void GetItemFile(Kyvant::ky_F& out, int row) = 0;
    virtual void GetItemFolder(Kyvant::ky_F& out, int row) = 0;
    // Called once from the first initial update.
    virtual void InitColumnWidths(int* widths, int availableWidth, int widthOfX, int widthOf0,
                                  int smallIconWidth, int extra) = 0;
    virtual void GetMsgWndText(Kyvant::ky_S& out) = 0;
    virtual void Refresh() = 0;
    virtual void CopyItems(bool copy) = 0;
    virtual void ShowItemProperties() = 0;
    virtual void DeleteItems() = 0;
    virtual void BeginItemDrag(NMHDR* pNMHDR, LRESULT* pResult) = 0;
    // Must clear the label-edit flag, and do nothing while a cancel runs.
    virtual void EndItemLabelEdit(NMHDR* pNMHDR, LRESULT* pResult) = 0;
    virtual void OnMonitorTimerKilled();
    // The Explorer menu of the selected rows at the point (screen
    // coordinates, or -1, -1 from the keyboard).
    virtual void DoItemContextMenu(CPoint point);

    void HandleDispInfo(LVITEMA& item, const Kyvant::ky_BSB<char>& text, int image, int overlay);
    // Timer 1, every second, which the derived view handles.
    void EnableMonitorTimer(bool on);
    bool IsMonitorTimerRunning() const { return m_monitorTimerRunning; }
    void ShowMsgWnd(bool show);
    // The column of a header item (-1 for a negative index), the index taken
    // as a display position when asked.
    int GetColIDX(int index, bool byDisplayOrder) const;
    // The header index of a column; -1 when it is not shown.
    int GetColIndexX(int column) const;
    // The selected rows' objects in list order; a selected focusRow first.
    void CreateShellExtensionSelectionVector(std::vector<Kyvant::Shell::FsObj>& out, int focusRow,
                                             int reserve);

    // The header popup's command range and its update, routed here by the
    // derived view's message map.
    void OnHeaderPopup(UINT id);
    void OnUpdateHeaderPopup(CCmdUI* pCmdUI);

    bool IsColumnShown(int column) const;
    SortState GetSortState(int column) const;
    int GetSortedColumn() const { return m_sortedColumn; }

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnInitialUpdate() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // Marks the duration of a select-all or invert for the derived view's
    // handling of the item changes they cause.
    class KYGUITOOL_API AllSelectorSetup {
    public:
        explicit AllSelectorSetup(KyFileListViewBase& view);
        ~AllSelectorSetup();
        AllSelectorSetup(const AllSelectorSetup&) = delete;
        AllSelectorSetup& operator=(const AllSelectorSetup&) = delete;

    private:
        KyFileListViewBase& m_view;
    };

    // Sets the header's mark for the column (clearing another column's).
    void SetSortStateX(int column, SortState state);
    // The row a command acts on (-1 for none); with a point, the point for a
    // menu in client coordinates.
    int GetHotItem(int& selectedCount, CPoint* point);
    void DoItemLaunch(int row, bool properties);

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    afx_msg void OnEditCut();
    afx_msg void OnEditCopy();
    afx_msg void OnUpdateEditCutCopy(CCmdUI* pCmdUI);
    afx_msg void OnEditClear();
    afx_msg void OnUpdateEditClear(CCmdUI* pCmdUI);
    afx_msg void OnEditSelectAll();
    afx_msg void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
    afx_msg void OnInvertSelection();
    afx_msg void OnUpdateInvertSelection(CCmdUI* pCmdUI);
    afx_msg void OnProperties();
    afx_msg void OnUpdateProperties(CCmdUI* pCmdUI);
    afx_msg void OnOpenContainingFolder();
    afx_msg void OnRename();
    afx_msg void OnUpdateRename(CCmdUI* pCmdUI);
    afx_msg void OnRefresh();
    afx_msg void OnUpdateRefresh(CCmdUI* pCmdUI);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnBeginLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDoubleClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnRightClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    // The column table.
    const ColumnInitInfo* m_columns;
    const unsigned m_columnCount;
    const unsigned m_headerMenuId;
    const unsigned m_firstHeaderCommandId;
    // Per column, in table order.
    std::vector<int> m_widths;
    std::vector<BYTE> m_shown;
    std::vector<SortState> m_sortStates;

    int m_sortedColumn;     // -1: none
    int m_shell32IconIndex; // icon 2 of shell32.dll in the own image list; -1 until loaded

    bool m_monitorTimerRunning;
    bool m_sortImagesAvailable;
    bool m_isNT4;
    bool m_clickActivatedOnSelectedItem;
    bool m_labelEditing;
    bool m_selectAllInProgress;
    bool m_cancellingLabelEdit;
    bool m_initialUpdateDone;

    // While a select-all runs: the top row and the row after the last visible one.
    int m_selectTop;
    int m_selectEnd;

    CBitmap m_sortBitmaps[2];  // ascending, descending; before common controls 6.0
    CImageList m_systemImages; // the system's small icons, attached only
    CImageList m_ownImages;    // with the link overlay; Windows NT 4 only
    CHeaderCtrl m_header;      // attached to the list's header
    KyColorStaticWnd m_msgWnd;

private:
    bool ModernHeader() const;
    void SetUpHeader();
    void LoadSortImages();
    void SetUpImageLists();
    void SetUpOwnImageList();
    void CallInitColumnWidths();
    void CreateMsgWnd();
    void LayOutMsgWnd();
    void ShowHeaderPopup();
    void ApplySortMark(int column, SortState state);
    int PositionByOrderKey(int column) const;
    void MoveToDisplayPosition(int index, int position);
    bool ReadColumnState(Kyvant::RegKey& key, int column, BYTE& shown, int& order, int& width);
    CWnd* LabelEdit() const;
    bool IsSingleSelection() const;
    bool ListIsEmpty() const;
};
