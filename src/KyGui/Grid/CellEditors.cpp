// The row editor of the cell list box and its container window: creating the
// active cell's editor over the cell (scrolling it into view), moving between
// cells by Tab and clicks, and painting the row around the editor.
#include "KyGui/Grid/CellEditors.h"

#include "KyGui/Grid/CellDrawArea.h"
#include "KyGui/Grid/CellListBox.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyStd/Core/FlagScope.h"

#include <exception>

namespace {

const DWORD kContainerStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;
const UINT kContainerId = 0;
const UINT kCellEditorId = 0;

LPCSTR ContainerClass()
{
    static LPCSTR name = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW));
    return name;
}

} // namespace

// The row editor.

KYB_CellListBoxEditor::KYB_CellListBoxEditor(KyCellListBox& grid, unsigned row, unsigned column,
                                             const CRect& rect, bool create)
    : KYB_Editor(grid, true), m_grid(grid), m_container(*this, row, column)
{
    if (create && !CreateEditorWindow(rect, grid, kContainerId))
        AfxThrowResourceException();
}

KYB_CellListBoxEditor::~KYB_CellListBoxEditor()
{
    if (m_container.GetSafeHwnd() != nullptr)
        m_container.DestroyWindow();
}

bool KYB_CellListBoxEditor::CreateEditorWindow(const CRect& rect, CWnd&, UINT)
{
    return m_container.Create(rect, m_grid);
}

void KYB_CellListBoxEditor::StoreContents(int item, bool& isNew, bool& isEmpty, bool& changed)
{
    isNew = isEmpty = changed = false;
    if (KYB_Editor* cell = m_container.GetCellEditor())
        cell->StoreContents(item, isNew, isEmpty, changed);
}

void KYB_CellListBoxEditor::LoadContents(int item, SelectType how, CPoint pt)
{
    m_container.LoadCellEditor(item, how, pt);
}

CWnd& KYB_CellListBoxEditor::GetEditorWindow()
{
    KYB_Editor* cell = m_container.GetCellEditor();
    return cell != nullptr ? cell->GetEditorWindow() : m_container;
}

void KYB_CellListBoxEditor::SetFont(CFont* font, bool redraw)
{
    if (KYB_Editor* cell = m_container.GetCellEditor())
        cell->SetFont(font, redraw);
}

CWnd* KYB_CellListBoxEditor::SetFocus()
{
    KYB_Editor* cell = m_container.GetCellEditor();
    return cell != nullptr ? cell->SetFocus() : m_container.SetFocus();
}

CWnd& KYB_CellListBoxEditor::GetFocusWindow()
{
    KYB_Editor* cell = m_container.GetCellEditor();
    return cell != nullptr ? cell->GetFocusWindow() : m_container;
}

LRESULT KYB_CellListBoxEditor::SendMessageA(UINT message, WPARAM wParam, LPARAM lParam)
{
    KYB_Editor* cell = m_container.GetCellEditor();
    return cell != nullptr ? cell->SendMessageA(message, wParam, lParam) : 0;
}

// The container window.

// clang-format off
BEGIN_MESSAGE_MAP(KYB_CellListBoxContainerWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_LBUTTONDOWN()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_DESTROY()
END_MESSAGE_MAP()
// clang-format on

KYB_CellListBoxContainerWnd::KYB_CellListBoxContainerWnd(KYB_CellListBoxEditor& owner, unsigned row,
                                                         unsigned column)
    : m_owner(owner), m_rowIndex(row), m_row(&owner.GetGrid().GetRow(row)), m_column(column),
      m_cell(nullptr), m_creating(false)
{
}

KYB_CellListBoxContainerWnd::~KYB_CellListBoxContainerWnd()
{
    m_cellEditor.reset();
    if (m_hWnd != nullptr)
        DestroyWindow();
}

KyCellListBox& KYB_CellListBoxContainerWnd::GetCellListBox() const
{
    return m_owner.GetGrid();
}

bool KYB_CellListBoxContainerWnd::InCreateEditor() const
{
    return m_creating || GetCellListBox().InCreateEditor();
}

CLB_Cell::Locator KYB_CellListBoxContainerWnd::Where(unsigned column) const
{
    return CLB_Cell::Locator(&GetCellListBox(), m_rowIndex, column);
}

bool KYB_CellListBoxContainerWnd::Create(const CRect& rect, KyCellListBox& grid)
{
    return CreateEx(0, ContainerClass(), "", kContainerStyle, rect, &grid, kContainerId) != FALSE;
}

int KYB_CellListBoxContainerWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    try {
        FollowScrolling();
        Kyvant::FlagScope creating(m_creating);
        CreateCellEditor();
    } catch (CException* e) {
        e->Delete(); // the grid reports the editor it could not open
        return -1;
    } catch (const std::exception&) {
        return -1;
    }
    return m_cellEditor ? 0 : -1;
}

void KYB_CellListBoxContainerWnd::OnDestroy()
{
    m_cellEditor.reset();
    CWnd::OnDestroy();
}

void KYB_CellListBoxContainerWnd::FollowScrolling()
{
    KyCellListBox& grid = GetCellListBox();
    if (m_hWnd == nullptr || (grid.GetStyle() & WS_HSCROLL) == 0)
        return;
    const CRect rect = Kyvant::WndEx::WindowRect(*this, true);
    MoveWindow(-grid.GetHorzScrollPos(), rect.top, grid.GetHorizontalExtent(), rect.Height());
}

void KYB_CellListBoxContainerWnd::ScrollIntoView(int left, int right)
{
    KyCellListBox& grid = GetCellListBox();
    if ((grid.GetStyle() & WS_HSCROLL) == 0)
        return;
    CRect client;
    grid.GetClientRect(&client);
    const int pos = grid.GetHorzScrollPos();
    const int shownLeft = left - pos;
    const int shownRight = right - pos;
    int delta = 0;
    if (right - left > client.Width() || shownLeft < 0)
        delta = shownLeft; // a cell wider than the grid shows its left edge
    else if (shownRight > client.Width())
        delta = shownRight - client.Width();
    if (delta == 0)
        return;
    grid.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, pos + delta), 0);
    FollowScrolling();
}

void KYB_CellListBoxContainerWnd::CreateCellEditor()
{
    if (m_cellEditor) {
        const CRect old = Kyvant::WndEx::WindowRect(m_cellEditor->GetEditorWindow(), true);
        m_cellEditor.reset();
        InvalidateRect(&old, TRUE);
        UpdateWindow();
    }
    KyCellListBox& grid = GetCellListBox();
    m_cell = &m_row->GetCell(m_column);
    int x = 0;
    int width = 0;
    grid.GetCellPosAndWidth(m_column, x, width, false);
    const CRect rect(x - 1, -1, x + width, grid.GetItemHeight(static_cast<int>(m_rowIndex)));
    ScrollIntoView(x, x + width);
    m_cellEditor.reset(m_cell->NewEditor(Where(m_column), rect, true, this, kCellEditorId));
}

void KYB_CellListBoxContainerWnd::LoadCellEditor(int item, KYB_Editor::SelectType how, CPoint pt)
{
    Kyvant::FlagScope creating(m_creating);
    if (m_cellEditor)
        m_cellEditor->LoadContents(item, how, pt);
}

void KYB_CellListBoxContainerWnd::EditCell(unsigned column, KYB_Editor::SelectType how, CPoint pt)
{
    if ((column == m_column && m_cellEditor) || column >= m_row->size())
        return;
    KyCellListBox& grid = GetCellListBox();
    grid.StopEditing(true, false, true);
    m_column = column;
    grid.SetCurrentColumn(column);
    Kyvant::FlagScope creating(m_creating);
    CreateCellEditor();
    HFONT font = grid.GetFont();
    if (font != nullptr)
        m_cellEditor->SetFont(CFont::FromHandle(font), true);
    m_cellEditor->LoadContents(static_cast<int>(m_rowIndex), how, pt);
}

void KYB_CellListBoxContainerWnd::OnTabPressed(UINT, bool shift)
{
    const unsigned cells = m_row->size();
    if (cells > 1) {
        unsigned column = m_column;
        for (;;) {
            column = shift ? (column == 0 ? cells - 1 : column - 1)
                           : (column + 1 == cells ? 0 : column + 1);
            if (column == m_column)
                break;
            if (m_row->GetCell(column).AcceptsEditing(false)) {
                EditCell(column, KYB_Editor::Keyboard, CPoint(0, 0));
                return;
            }
        }
    }
    ::MessageBeep(MB_ICONEXCLAMATION);
}

void KYB_CellListBoxContainerWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    KyCellListBox& grid = GetCellListBox();
    CPoint inGrid(point);
    ClientToScreen(&inGrid);
    grid.ScreenToClient(&inGrid);
    unsigned column = 0;
    CPoint inCell;
    if (!grid.HitTestCell(m_rowIndex, inGrid, &column, &inCell, nullptr)) {
        CWnd::OnLButtonDown(nFlags, point);
        return;
    }
    if (!m_row->GetCell(column).AcceptsEditing(false)) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    EditCell(column, KYB_Editor::MouseClick, inCell);
}

BOOL KYB_CellListBoxContainerWnd::OnEraseBkgnd(CDC*)
{
    return TRUE; // painted whole by OnPaint
}

void KYB_CellListBoxContainerWnd::OnPaint()
{
    CPaintDC dc(this);
    KyCellListBox& grid = GetCellListBox();
    if (m_cellEditor && m_cellEditor->GetEditorWindow().GetSafeHwnd() != nullptr) {
        const CRect editor = Kyvant::WndEx::WindowRect(m_cellEditor->GetEditorWindow(), true);
        dc.ExcludeClipRect(&editor);
    }
    CRect client;
    GetClientRect(&client);
    ::FillRect(dc.GetSafeHdc(), &client, ::GetSysColorBrush(COLOR_WINDOW));
    HFONT font = grid.GetFont();
    if (font != nullptr)
        dc.SelectObject(font);
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_LISTBOX;
    dis.itemID = m_rowIndex;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.hwndItem = grid.m_hWnd;
    dis.hDC = dc.GetSafeHdc();
    const int rowHeight = grid.GetItemHeight(static_cast<int>(m_rowIndex));
    for (unsigned c = 0; c < m_row->size() && c < grid.GetNumColumns(); ++c) {
        int x = 0;
        int width = 0;
        grid.GetCellPosAndWidth(c, x, width, false);
        CRect cell = Kyvant::Grid::CellDrawArea(CRect(x - 1, -1, x - 1 + width, rowHeight - 1),
                                                grid.HeadersShown());
        dis.rcItem = cell;
        m_row->GetCell(c).Draw(dc, cell, grid, dis);
    }
}
