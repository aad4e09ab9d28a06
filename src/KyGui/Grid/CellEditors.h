// The in-place editors of the cell list box: the row editor and its container
// window, which hosts the editor of the active cell; the text cell's edit and
// editor; the check cell's editor and its focus window.
#pragma once

#include "KyGui/Grid/Cells.h"
#include "KyGui/KyGuiExport.h"
#include "KyGui/Lists/ListEditors.h"
#include "KyStd/Core/RcPtr.h"

#include <afxwin.h>

class KyCellListBox;
class CLB_Row;
class KYB_CellListBoxEditor;

// Spans the row under edit and hosts the active cell's editor; Tab, Shift+Tab and clicks move
// the editing from cell to cell, each move saving the cell left.
class KYGUI_API KYB_CellListBoxContainerWnd : public CWnd {
public:
    KYB_CellListBoxContainerWnd(KYB_CellListBoxEditor& owner, unsigned row, unsigned column);
    ~KYB_CellListBoxContainerWnd() override;

    bool Create(const CRect& rect, KyCellListBox& grid);
    KYB_CellListBoxEditor& GetOwner() const { return m_owner; }
    unsigned GetCol() const { return m_column; }
    unsigned GetRowIndex() const { return m_rowIndex; }
    KyCellListBox& GetCellListBox() const;
    // While a cell editor is being made or loaded, here or in the grid.
    bool InCreateEditor() const;
    CLB_Cell* GetActiveCell() const { return m_cell; }
    KYB_Editor* GetCellEditor() const { return m_cellEditor.get(); }

    // Saves the active cell and opens the editor of another one.
    void EditCell(unsigned column, KYB_Editor::SelectType how, CPoint pt);
    // Moves to the next (or, with shift, the previous) cell that accepts editing.
    void OnTabPressed(UINT flags, bool shift);
    // Loads the active cell's editor; no change notifications meanwhile.
    void LoadCellEditor(int item, KYB_Editor::SelectType how, CPoint pt);
    // Places the window over the row from the grid's unscrolled origin, as wide as the columns.
    void FollowScrolling();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    // Replaces the active cell's editor with a new one over the cell.
    void CreateCellEditor();
    // Scrolls the grid so that the cell [left, right) (unscrolled) is in view; its left edge wins.
    void ScrollIntoView(int left, int right);
    CLB_Cell::Locator Where(unsigned column) const;

    KYB_CellListBoxEditor& m_owner;
    unsigned m_rowIndex;
    CLB_Row* m_row;
    unsigned m_column;
    CLB_Cell* m_cell;
    Kyvant::rc_ptr<KYB_Editor> m_cellEditor;
    bool m_creating;
};

// The row editor the grid opens: its work goes to the active cell's editor.
class KYGUI_API KYB_CellListBoxEditor : public KYB_Editor {
public:
    KYB_CellListBoxEditor(KyCellListBox& grid, unsigned row, unsigned column, const CRect& rect,
                          bool create);
    ~KYB_CellListBoxEditor() override;

    void StoreContents(int item, bool& isNew, bool& isEmpty, bool& changed) override;
    void LoadContents(int item, SelectType how, CPoint pt) override;
    bool CreateEditorWindow(const CRect& rect, CWnd& parent, UINT id) override;
    CWnd& GetEditorWindow() override;
    void SetFont(CFont* font, bool redraw) override;
    CWnd* SetFocus() override;
    CWnd& GetFocusWindow() override;
    LRESULT SendMessageA(UINT message, WPARAM wParam, LPARAM lParam) override;

    CLB_Cell* GetActiveCell() const { return m_container.GetActiveCell(); }
    KYB_CellListBoxContainerWnd& GetContainer() { return m_container; }
    KyCellListBox& GetGrid() const { return m_grid; }

private:
    KyCellListBox& m_grid;
    KYB_CellListBoxContainerWnd m_container;
};

// The text cell's edit control: Tab moves to the next cell, Enter and Esc end the row's editing,
// and each change of the text is reported to the grid's parent.
class KYGUI_API KYB_CellListBoxCEdit : public KYB_StandardCEdit {
public:
    explicit KYB_CellListBoxCEdit(KYB_Editor& editor)
        : KYB_StandardCEdit(editor), m_container(nullptr)
    {
    }

    KYB_CellListBoxContainerWnd* GetContainer() const { return m_container; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnChange();
    DECLARE_MESSAGE_MAP()

private:
    KYB_CellListBoxContainerWnd* m_container;
};

// The editor of a text cell: loads the cell's text, stores the edited text back into it.
template <class Edit>
class KYB_CellListBoxStringEditor : public KYB_StandardEditor<Edit> {
public:
    KYB_CellListBoxStringEditor(KyEditableListBox& owner, CLB_StringCellBase& cell)
        : KYB_StandardEditor<Edit>(owner, false), m_cell(cell)
    {
    }

    void LoadContents(int, KYB_Editor::SelectType how, CPoint) override
    {
        this->SetText(m_cell.GetText());
        if (how == KYB_Editor::Keyboard || how == KYB_Editor::MouseClick)
            this->SetSelection(0, -1, false);
        else if (how == KYB_Editor::CaretAtStart)
            this->SetSelection(0, 0, false);
        this->SetFocus();
    }
    void StoreContents(int, bool& isNew, bool& isEmpty, bool& changed) override
    {
        isNew = isEmpty = changed = false;
        CString text;
        this->GetText(text);
        m_cell.SetText(text, nullptr);
    }

private:
    CLB_StringCellBase& m_cell;
};

class KYB_CheckCellEditor;

// The check cell's editor window: a focus frame over the cell; a click or Space toggles the cell.
class KYGUI_API CLB_CheckCellEditorWnd : public CWnd {
public:
    CLB_CheckCellEditorWnd(KYB_CheckCellEditor& owner, const CLB_Cell::Locator& where,
                           CLB_CheckCell& cell, KYB_CellListBoxContainerWnd* container);

    bool Create(const CRect& rect, CWnd& parent, UINT id);

protected:
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    void Toggle();

    KYB_CheckCellEditor& m_owner;
    CLB_Cell::Locator m_where;
    CLB_CheckCell& m_cell;
    KYB_CellListBoxContainerWnd* m_container;
};

class KYGUI_API KYB_CheckCellEditor : public KYB_Editor {
public:
    KYB_CheckCellEditor(KyEditableListBox& owner, const CLB_Cell::Locator& where,
                        CLB_CheckCell& cell);
    ~KYB_CheckCellEditor() override;

    void StoreContents(int item, bool& isNew, bool& isEmpty, bool& changed) override;
    void LoadContents(int item, SelectType how, CPoint pt) override;
    bool CreateEditorWindow(const CRect& rect, CWnd& parent, UINT id) override;
    CWnd& GetEditorWindow() override { return m_window; }
    void SetFont(CFont* font, bool redraw) override;
    CWnd* SetFocus() override { return m_window.SetFocus(); }
    CWnd& GetFocusWindow() override { return m_window; }
    LRESULT SendMessageA(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CLB_CheckCellEditorWnd m_window;
};
