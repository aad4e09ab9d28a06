// The cell editors' windows: the text cell's edit (Tab, change reports) and
// the check cell's focus window (clicks, Space, Tab, Enter and Esc).
#include "KyGui/Grid/CellEditors.h"

#include "KyGui/Grid/CellDrawArea.h"
#include "KyGui/Grid/CellListBox.h"

namespace {

const UINT kTab = 9;
const UINT kEnter = 13;
const UINT kEscape = 27;
const UINT kSpace = 32;
const DWORD kCheckEditorStyle = WS_CHILD | WS_VISIBLE;

bool ShiftDown()
{
    return ::GetKeyState(VK_SHIFT) < 0;
}

LPCSTR CheckEditorClass()
{
    static LPCSTR name = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW));
    return name;
}

} // namespace

// The text cell's edit.

// clang-format off
BEGIN_MESSAGE_MAP(KYB_CellListBoxCEdit, KYB_StandardCEdit)
    ON_WM_CREATE()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_CONTROL_REFLECT_EX(EN_CHANGE, OnChange)
END_MESSAGE_MAP()
// clang-format on

int KYB_CellListBoxCEdit::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (KYB_StandardCEdit::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_container =
        dynamic_cast<KYB_CellListBoxContainerWnd*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
    return 0;
}

void KYB_CellListBoxCEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_TAB && m_container != nullptr) {
        m_container->OnTabPressed(nFlags, ShiftDown());
        return;
    }
    KYB_StandardCEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void KYB_CellListBoxCEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == kTab && m_container != nullptr)
        return; // handled as a key
    KYB_StandardCEdit::OnChar(nChar, nRepCnt, nFlags);
}

BOOL KYB_CellListBoxCEdit::OnChange()
{
    if (m_container != nullptr && !m_container->InCreateEditor())
        m_container->GetCellListBox().NotifyCellChanged(m_container->GetRowIndex());
    return FALSE;
}

// The check cell's editor and its window.

KYB_CheckCellEditor::KYB_CheckCellEditor(KyEditableListBox& owner, const CLB_Cell::Locator& where,
                                         CLB_CheckCell& cell)
    : KYB_Editor(owner, false), m_window(*this, where, cell, nullptr)
{
}

KYB_CheckCellEditor::~KYB_CheckCellEditor()
{
    if (m_window.GetSafeHwnd() != nullptr)
        m_window.DestroyWindow();
}

bool KYB_CheckCellEditor::CreateEditorWindow(const CRect& rect, CWnd& parent, UINT id)
{
    return m_window.Create(rect, parent, id);
}

void KYB_CheckCellEditor::StoreContents(int, bool& isNew, bool& isEmpty, bool& changed)
{
    isNew = isEmpty = changed = false;
}

void KYB_CheckCellEditor::LoadContents(int, SelectType how, CPoint pt)
{
    m_window.SetFocus();
    if (how == MouseClick)
        m_window.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
}

void KYB_CheckCellEditor::SetFont(CFont*, bool redraw)
{
    // The window paints with the grid's font; only the picture may need renewing.
    if (redraw && m_window.GetSafeHwnd() != nullptr)
        m_window.Invalidate();
}

LRESULT KYB_CheckCellEditor::SendMessageA(UINT message, WPARAM wParam, LPARAM lParam)
{
    return m_window.SendMessage(message, wParam, lParam);
}

// clang-format off
BEGIN_MESSAGE_MAP(CLB_CheckCellEditorWnd, CWnd)
    ON_WM_GETDLGCODE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
END_MESSAGE_MAP()
// clang-format on

CLB_CheckCellEditorWnd::CLB_CheckCellEditorWnd(KYB_CheckCellEditor& owner,
                                               const CLB_Cell::Locator& where, CLB_CheckCell& cell,
                                               KYB_CellListBoxContainerWnd* container)
    : m_owner(owner), m_where(where), m_cell(cell), m_container(container)
{
}

bool CLB_CheckCellEditorWnd::Create(const CRect& rect, CWnd& parent, UINT id)
{
    m_container = dynamic_cast<KYB_CellListBoxContainerWnd*>(&parent);
    return CreateEx(0, CheckEditorClass(), "", kCheckEditorStyle, rect, &parent, id) != FALSE;
}

UINT CLB_CheckCellEditorWnd::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}

BOOL CLB_CheckCellEditorWnd::OnEraseBkgnd(CDC*)
{
    return TRUE; // painted whole by OnPaint
}

void CLB_CheckCellEditorWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    ::FillRect(dc.GetSafeHdc(), &client, ::GetSysColorBrush(COLOR_WINDOW));
    KyCellListBox& grid = *m_where.grid;
    HFONT font = grid.GetFont();
    if (font != nullptr)
        dc.SelectObject(font);
    // The cell lies one pixel inside the window's right and bottom edges, as in the row.
    CRect cell = Kyvant::Grid::CellDrawArea(CRect(0, 0, client.right - 1, client.bottom - 1),
                                            grid.HeadersShown());
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_LISTBOX;
    dis.itemID = m_where.row;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.hwndItem = grid.m_hWnd;
    dis.hDC = dc.GetSafeHdc();
    dis.rcItem = cell;
    m_cell.Draw(dc, cell, grid, dis);
    // The window reaches a pixel past the row editor's client area at the top and two at the
    // bottom (as a text cell's edit does): the frame keeps to what shows.
    CRect frame(1, 1, client.right - 1, client.bottom - 2);
    dc.DrawFocusRect(&frame);
}

void CLB_CheckCellEditorWnd::Toggle()
{
    m_cell.HandleClick(CPoint(0, 0), m_where, nullptr);
    Invalidate(FALSE);
}

void CLB_CheckCellEditorWnd::OnLButtonDown(UINT, CPoint)
{
    if (::GetFocus() != m_hWnd)
        SetFocus();
    Toggle();
}

void CLB_CheckCellEditorWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    OnLButtonDown(nFlags, point);
}

void CLB_CheckCellEditorWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_SPACE) {
        Toggle();
        return;
    }
    if (nChar == VK_TAB && m_container != nullptr) {
        m_container->OnTabPressed(nFlags, ShiftDown());
        return;
    }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CLB_CheckCellEditorWnd::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == kEnter)
        m_owner.StopEditing(true);
    else if (nChar == kEscape)
        m_owner.StopEditing(false);
    else if (nChar != kSpace && nChar != kTab) // both handled as keys
        CWnd::OnChar(nChar, nRepCnt, nFlags);
}
