// The cells of the cell list box: the abstract cell with its locator, text
// cells and check cells. Each cell draws itself and makes its own editor.
#pragma once

#include "KyGui/KyGuiExport.h"

#include <afxwin.h>

class KyCellListBox;
class KYB_Editor;

class KYGUI_API CLB_Cell {
public:
    // Where a cell is: its grid, row and column.
    struct KYGUI_API Locator {
        Locator(KyCellListBox* grid, unsigned row, unsigned column)
            : grid(grid), row(row), column(column)
        {
        }
        // Invalidates the cell's rectangle in the grid, or the given one.
        void Invalidate(bool erase) const;
        void Invalidate(const CRect& rect, bool erase) const;

        KyCellListBox* grid;
        unsigned row;
        unsigned column;
    };

    explicit CLB_Cell(bool enabled = true) : m_enabled(enabled) {}
    virtual ~CLB_Cell();

    // Sets the flag; with a locator, repaints the cell.
    virtual void Enable(bool enable, const Locator* where);
    // Whether an editor may open on the cell, started by the keyboard or not.
    virtual bool AcceptsEditing(bool keyboardStart) const;
    // True when the cell took the click itself (no editor opens then).
    virtual bool HandleClick(CPoint ptInCell, const Locator& where, const CRect* cellRect);
    virtual void Draw(CDC& dc, const CRect& rect, KyCellListBox& grid, DRAWITEMSTRUCT& dis) = 0;
    // A new copy of the cell.
    virtual CLB_Cell* Copy() const = 0;
    // The cell's in-place editor; with create, its window is made over rect in parent.
    virtual KYB_Editor* NewEditor(const Locator& where, const CRect& rect, bool create,
                                  CWnd* parent, UINT id) = 0;
    // Deletes the cell given.
    virtual void DeleteCell(CLB_Cell* cell);

    bool IsEnabled() const { return m_enabled; }

protected:
    CLB_Cell(const CLB_Cell&) = default;
    CLB_Cell& operator=(const CLB_Cell&) = default;

    bool m_enabled;
};

// A cell showing one line of text, edited in an edit control.
class KYGUI_API CLB_StringCellBase : public CLB_Cell {
public:
    static constexpr UINT kDefaultFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;

    explicit CLB_StringCellBase(bool enabled = true) : CLB_Cell(enabled), m_format(kDefaultFormat)
    {
    }

    virtual const char* GetText() const = 0;
    // Stores the text; with a locator, repaints the cell.
    virtual void SetText(const char* text, const Locator* where) = 0;

    void Draw(CDC& dc, const CRect& rect, KyCellListBox& grid, DRAWITEMSTRUCT& dis) override;
    KYB_Editor* NewEditor(const Locator& where, const CRect& rect, bool create, CWnd* parent,
                          UINT id) override;

    UINT GetFormat() const { return m_format; }
    void SetFormat(UINT format) { m_format = format; }

protected:
    UINT m_format;
};

// The text of the value types a string cell keeps.
inline const char* CLB_TextOf(const CString& text)
{
    return text;
}
template <class S>
auto CLB_TextOf(const S& text) -> decltype(text.c_str())
{
    return text.c_str();
}

// A string cell keeping its value as a T (a string class made from a const char*).
template <class T>
class CLB_StringCell : public CLB_StringCellBase {
public:
    CLB_StringCell() : CLB_StringCellBase(true) {}
    explicit CLB_StringCell(const char* text, bool enabled = true)
        : CLB_StringCellBase(enabled), m_value(text)
    {
    }

    const char* GetText() const override { return CLB_TextOf(m_value); }
    void SetText(const char* text, const Locator* where) override
    {
        m_value = text != nullptr ? text : "";
        if (where != nullptr)
            where->Invalidate(true);
    }
    CLB_Cell* Copy() const override { return new CLB_StringCell(*this); }

    const T& GetValue() const { return m_value; }

private:
    T m_value;
};

// A check box: unchecked (0), checked (1) or, when three-state, indeterminate (2),
// with an optional caption. Clicks and Space toggle it; the keyboard never opens it.
class KYGUI_API CLB_CheckCell : public CLB_Cell {
public:
    CLB_CheckCell();
    CLB_CheckCell(const char* caption, bool threeState, int check, bool enabled);
    CLB_CheckCell(const CString& caption, bool threeState, int check, bool enabled);

    bool AcceptsEditing(bool keyboardStart) const override;
    bool HandleClick(CPoint ptInCell, const Locator& where, const CRect* cellRect) override;
    void Draw(CDC& dc, const CRect& rect, KyCellListBox& grid, DRAWITEMSTRUCT& dis) override;
    CLB_Cell* Copy() const override;
    KYB_Editor* NewEditor(const Locator& where, const CRect& rect, bool create, CWnd* parent,
                          UINT id) override;

    // Stores the state; with a locator, repaints the check box without erasing.
    void SetCheck(int state, const Locator* where);
    int GetCheck() const { return m_check; }
    bool IsThreeState() const { return m_threeState; }
    const CString& GetCaption() const { return m_caption; }

    // A check column's natural size: the check box and its margins.
    static int GetDefaultWidth();
    static int GetDefaultHeight();

private:
    // The cell rectangle narrowed to the check box part.
    static CRect CheckPart(const CRect& cellRect);
    void InvalidateCheck(const Locator& where, const CRect* cellRect) const;

    CString m_caption;
    bool m_threeState;
    int m_check;
};
