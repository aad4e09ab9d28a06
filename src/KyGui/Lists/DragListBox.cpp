// KyDragListBox: toolbar, drag-list notifications, moves and the insert mark.
#include "KyGui/Lists/DragListBox.h"

#include "KyGui/Helpers/DialogEx.h"
#include "KyGui/Helpers/ListBoxEx.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGui/Lists/ListsResource.h"

#include <commctrl.h>

namespace {

const UINT g_dragListMessage = ::RegisterWindowMessageA(DRAGLISTMSGSTRING);

const int kToolbarWidth = 48;
const int kToolbarHeight = 20;
const DWORD kToolbarStyle =
    WS_CHILD | WS_VISIBLE | TBSTYLE_TRANSPARENT | TBSTYLE_FLAT | CCS_NODIVIDER | CCS_NORESIZE;
const CSize kBitmapSize(15, 13);
const CSize kButtonSize(23, 20);
const int kMoveImageCount = 2;
const int kHotImageGrow = 2;
const COLORREF kMagenta = RGB(255, 0, 255);

// The insert mark: a 4 px strip on an item edge, inset 4 px, with end ticks
// 4 px wide reaching 8 px above and below it.
const int kMarkHalfHeight = 2;
const int kMarkInset = 4;
const int kTickWidth = 4;
const int kTickReach = 8;

TBBUTTON Button(int image, UINT command)
{
    TBBUTTON button = {};
    button.iBitmap = image;
    button.idCommand = static_cast<int>(command);
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = TBSTYLE_BUTTON;
    return button;
}

// Redraw is off while the window is visible, and on again at the end.
class RedrawFreeze
{
public:
    explicit RedrawFreeze(CWnd& wnd) : m_wnd(wnd), m_frozen(wnd.IsWindowVisible() != FALSE)
    {
        if (m_frozen)
            m_wnd.SetRedraw(FALSE);
    }
    ~RedrawFreeze()
    {
        if (m_frozen) {
            m_wnd.SetRedraw(TRUE);
            m_wnd.Invalidate();
        }
    }
    RedrawFreeze(const RedrawFreeze&) = delete;
    RedrawFreeze& operator=(const RedrawFreeze&) = delete;

private:
    CWnd& m_wnd;
    bool m_frozen;
};

} // namespace

BEGIN_MESSAGE_MAP(KyDragListBox, CListBox)
    ON_WM_CREATE()
    ON_WM_SYSKEYDOWN()
    ON_COMMAND(ID_KY_LIST_MOVE_UP, OnMoveItemUp)
    ON_COMMAND(ID_KY_LIST_MOVE_DOWN, OnMoveItemDown)
END_MESSAGE_MAP()

KyDragListBox::KyDragListBox() : KyDragListBox(true, true, ID_KY_LIST_TOOLBAR) {}

KyDragListBox::KyDragListBox(bool enableDrag, bool createToolbar, UINT toolbarId)
    : m_insertIndex(-1), m_dragging(false), m_dragEnabled(enableDrag), m_toolbarDone(createToolbar),
      m_toolbarId(toolbarId)
{
}

KyDragListBox::~KyDragListBox() = default;

UINT KyDragListBox::DragListMessage()
{
    return g_dragListMessage;
}

void KyDragListBox::PreSubclassWindow()
{
    if (m_dragEnabled)
        ::MakeDragList(m_hWnd);
    CListBox::PreSubclassWindow();
    if (m_toolbarDone) {
        m_toolbarDone = false;
        CreateToolbar(m_toolbarId);
    }
}

int KyDragListBox::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    return CListBox::OnCreate(lpCreateStruct);
}

bool KyDragListBox::CreateToolbar(UINT id)
{
    if (m_toolbarDone)
        return true;
    m_toolbarDone = true;
    m_toolbarId = id;
    const CRect list = Kyvant::WndEx::WindowRect(*this, true);
    const CRect bar(list.right - kToolbarWidth, list.top - kToolbarHeight, list.right, list.top);
    if (!m_toolBar.Create(kToolbarStyle, bar, this, id))
        return false;
    ::SetParent(m_toolBar.m_hWnd, ::GetParent(m_hWnd));
    m_toolBar.SetButtonStructSize(sizeof(TBBUTTON));
    m_toolBar.SetBitmapSize(kBitmapSize);
    m_toolBar.SetButtonSize(kButtonSize);
    m_toolBar.AddBitmap(kMoveImageCount, IDB_KY_LIST_MOVE_ITEMS);
    TBBUTTON buttons[] = {Button(0, ID_KY_LIST_MOVE_DOWN), Button(1, ID_KY_LIST_MOVE_UP)};
    m_toolBar.AddButtons(kMoveImageCount, buttons);
    if (m_hotImages.Create(IDB_KY_LIST_MOVE_ITEMS_HOT, kBitmapSize.cx, kHotImageGrow, kMagenta))
        m_toolBar.SetHotImageList(&m_hotImages);
    m_toolTip.Create(this);
    AddButtonTip(ID_KY_LIST_MOVE_DOWN);
    AddButtonTip(ID_KY_LIST_MOVE_UP);
    m_toolBar.SetToolTips(&m_toolTip);
    return true;
}

void KyDragListBox::AddButtonTip(UINT command)
{
    if (m_toolTip.GetSafeHwnd() == nullptr)
        return;
    CRect rect;
    m_toolBar.GetItemRect(static_cast<int>(m_toolBar.CommandToIndex(command)), &rect);
    // A toolbar that has its tip control already adds a tool of its own for each
    // new button, without text: this one takes its place.
    m_toolTip.DelTool(&m_toolBar, command);
    m_toolTip.AddTool(&m_toolBar, command, &rect, command);
}

bool KyDragListBox::HasStrings() const
{
    const DWORD style = GetStyle();
    return (style & LBS_HASSTRINGS) != 0 || (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) == 0;
}

int KyDragListBox::MoveItem(int from, int to)
{
    return IsValidMove(from, to) ? MoveItem_imp(from, to) : from;
}

bool KyDragListBox::IsValidMove(int from, int to)
{
    // A target at or past the end would be inserted beyond the shortened list and lost.
    const int count = GetCount();
    return count >= 2 && from != to && from >= 0 && from < count && to >= 0 && to < count;
}

int KyDragListBox::MoveItem_imp(int from, int to)
{
    int at = from;
    {
        RedrawFreeze freeze(*this);
        const int oldTop = GetTopIndex();
        const bool strings = HasStrings();
        CString text;
        if (strings)
            GetText(from, text);
        const DWORD_PTR data = GetItemData(from);
        DeleteString(static_cast<UINT>(from));
        if (strings) {
            at = InsertString(to, text);
            if (at >= 0)
                SetItemData(at, data);
        } else {
            at = Kyvant::ListBoxEx::XpBugInsertString(*this, to, reinterpret_cast<const char*>(data));
            if (at >= 0)
                SetItemData(at, data);
        }
        SetCurSel(at);
        const int chosenTop = GetTopIndex();
        const bool cameFromAbove = from < oldTop && to >= oldTop;
        if (chosenTop != oldTop || cameFromAbove) {
            SetTopIndex(cameFromAbove ? oldTop - 1 : oldTop);
            CRect item, client;
            GetItemRect(at, &item);
            GetClientRect(&client);
            CRect both;
            both.IntersectRect(&item, &client);
            if (!::EqualRect(&both, &item))
                SetTopIndex(chosenTop);
        }
    }
    return at;
}

BOOL KyDragListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != g_dragListMessage)
        return CListBox::OnChildNotify(message, wParam, lParam, pResult);
    const DRAGLISTINFO* info = reinterpret_cast<const DRAGLISTINFO*>(lParam);
    const CPoint pt(info->ptCursor);
    LRESULT result = 0;
    switch (info->uNotification) {
    case DL_BEGINDRAG:
        result = BeginDrag(pt) ? TRUE : FALSE;
        break;
    case DL_DRAGGING:
        result = Dragging(pt);
        break;
    case DL_DROPPED:
        Dropped(GetCurSel(), pt);
        break;
    case DL_CANCELDRAG:
        CancelDrag(pt);
        break;
    default:
        break;
    }
    if (pResult != nullptr)
        *pResult = result;
    return TRUE;
}

bool KyDragListBox::BeginDrag(CPoint pt)
{
    if (!m_dragEnabled)
        return false;
    const int item = ItemFromPt(pt, true);
    m_insertIndex = -1;
    m_dragging = item >= 0;
    if (m_dragging)
        DrawInsert(item);
    return m_dragging;
}

void KyDragListBox::CancelDrag(CPoint)
{
    DrawInsert(-1);
}

UINT KyDragListBox::Dragging(CPoint pt)
{
    const int item = ItemFromPt(pt, false);
    DrawInsert(item);
    ItemFromPt(pt, true);
    return item >= 0 ? DL_MOVECURSOR : DL_STOPCURSOR;
}

void KyDragListBox::Dropped(int srcIndex, CPoint pt)
{
    if (!m_dragging)
        return;
    DrawInsert(-1);
    MoveItem(srcIndex, ItemFromPt(pt, true));
}

void KyDragListBox::DrawInsert(int index)
{
    if (index == m_insertIndex)
        return;
    DrawInsert_imp(m_insertIndex);
    DrawInsert_imp(index);
    m_insertIndex = index;
}

int KyDragListBox::ItemFromPt(CPoint pt, bool autoScroll)
{
    return ::LBItemFromPt(m_hWnd, pt, autoScroll ? TRUE : FALSE);
}

void KyDragListBox::DrawInsert_imp(int index)
{
    const int current = GetCurSel();
    if (index < 0 || index == current)
        return;
    CRect item;
    if (GetItemRect(index, &item) == LB_ERR)
        return;
    const int edge = index >= current ? item.bottom : item.top;
    const CRect strip(item.left + kMarkInset, edge - kMarkHalfHeight, item.right - kMarkInset,
                      edge + kMarkHalfHeight);
    CRect client;
    GetClientRect(&client);
    CClientDC dc(this);
    dc.IntersectClipRect(&client);
    HGDIOBJ oldBrush = dc.SelectObject(CDC::GetHalftoneBrush()->GetSafeHandle());
    dc.PatBlt(strip.left + kTickWidth, strip.top, strip.Width() - 2 * kTickWidth, strip.Height(), PATINVERT);
    dc.PatBlt(strip.left, strip.top - kTickReach, kTickWidth, strip.Height() + 2 * kTickReach, PATINVERT);
    dc.PatBlt(strip.right - kTickWidth, strip.top - kTickReach, kTickWidth, strip.Height() + 2 * kTickReach,
              PATINVERT);
    dc.SelectObject(oldBrush);
}

void KyDragListBox::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const bool altDown = (::GetKeyState(VK_MENU) & 0x8000) != 0 || (nFlags & KF_ALTDOWN) != 0;
    if (altDown && nChar == VK_UP) {
        OnMoveItemUp();
        return;
    }
    if (altDown && nChar == VK_DOWN) {
        OnMoveItemDown();
        return;
    }
    CListBox::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void KyDragListBox::OnMoveItemUp()
{
    Kyvant::DialogEx::SetFocus(*this);
    const int current = GetCurSel();
    if (current <= 0 || MoveItem(current, current - 1) == current)
        ::MessageBeep(MB_ICONEXCLAMATION);
}

void KyDragListBox::OnMoveItemDown()
{
    Kyvant::DialogEx::SetFocus(*this);
    const int current = GetCurSel();
    const int count = GetCount();
    if (count < 2 || current < 0 || current >= count - 1 || MoveItem(current, current + 1) == current)
        ::MessageBeep(MB_ICONEXCLAMATION);
}
