// KyEditableListBox: mouse, keys, characters, focus, scrolling, the wheel,
// destruction and the New Item / Delete Item commands.
#include "KyGui/Lists/EditableListBox.h"

#include "KyGui/Helpers/DialogEx.h"
#include "KyGui/Lists/ListsResource.h"

namespace {

// A pending click becomes a selection once the mouse moves this far.
const int g_moveThresholdX = 1;
const int g_moveThresholdY = 1;

const LRESULT kWheelAnswered = 1;

int Distance(int a, int b)
{
    return a > b ? a - b : b - a;
}

} // namespace

BEGIN_MESSAGE_MAP(KyEditableListBox, KyDragListBox)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_SETFOCUS()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
ON_WM_DESTROY()
ON_CONTROL_REFLECT_EX(LBN_SELCHANGE, OnSelChange)
ON_MESSAGE(WM_KY_LIST_CLOSE_EDITOR, OnCloseEditor)
ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChanged)
ON_COMMAND(ID_KY_LIST_DELETE_ITEM, OnDeleteItemCommand)
ON_COMMAND(ID_KY_LIST_NEW_ITEM, OnNewItemCommand)
END_MESSAGE_MAP()

void KyEditableListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_resendingButtonDown) {
        Default();
        return;
    }
    const bool wasEditing = StopEditing(true, true, false);
    Kyvant::DialogEx::SetFocus(*this);
    if (wasEditing && HandleClickAfterStoppedEditing(point))
        return;
    if (!wasEditing && CanEditItem(point, false, KYB_Editor::MouseClick)) {
        SetCapture();
        m_clickPending = true;
        m_clickX = point.x;
        m_clickY = point.y;
        return;
    }
    (void)nFlags;
    Default();
}

void KyEditableListBox::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_clickPending && (Distance(point.x, m_clickX) >= g_moveThresholdX ||
                           Distance(point.y, m_clickY) >= g_moveThresholdY)) {
        CancelPendingClick();
        m_resendingButtonDown = true;
        SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(m_clickX, m_clickY));
        m_resendingButtonDown = false;
    }
    (void)nFlags;
    Default();
}

// Another window took the mouse: a pending click is over, so that no later
// move replays its button-down.
LRESULT KyEditableListBox::OnCaptureChanged(WPARAM, LPARAM lParam)
{
    if (reinterpret_cast<HWND>(lParam) != m_hWnd)
        m_clickPending = false;
    return Default();
}

void KyEditableListBox::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_clickPending) {
        CancelPendingClick();
        CanEditItem(point, true, KYB_Editor::MouseClick);
        return;
    }
    (void)nFlags;
    Default();
}

void KyEditableListBox::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    OnLButtonDown(nFlags, point);
}

void KyEditableListBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!Editing() && nChar == VK_DELETE) {
        UserDeleteItem(GetCurSel());
        return;
    }
    if (!Editing() && nChar == VK_F2) {
        CanEditItem(GetCurSel(), true, KYB_Editor::Keyboard, CPoint(0, 0));
        return;
    }
    KyDragListBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

void KyEditableListBox::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const CPoint none(0, 0);
    if (!Editing() && CanEditItem(GetCurSel(), false, KYB_Editor::Keyboard, none)) {
        if (BeginEditing(KYB_Editor::Keyboard, none)) {
            const MSG* msg = GetCurrentMessage();
            m_editor->SendMessageA(WM_CHAR, msg->wParam, msg->lParam);
        }
        return;
    }
    KyDragListBox::OnChar(nChar, nRepCnt, nFlags);
}

void KyEditableListBox::OnSetFocus(CWnd* pOldWnd)
{
    if (Editing()) {
        CWnd& focusWindow = m_editor->GetFocusWindow();
        if (pOldWnd == nullptr || pOldWnd->GetSafeHwnd() != focusWindow.GetSafeHwnd()) {
            m_editor->SetFocus();
            return;
        }
    }
    KyDragListBox::OnSetFocus(pOldWnd);
}

void KyEditableListBox::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    StopEditing(true, true, false);
    KyDragListBox::OnVScroll(nSBCode, nPos, pScrollBar);
}

BOOL KyEditableListBox::OnSelChange()
{
    StopEditing(true, true, true);
    return FALSE; // the parent hears of the change too
}

BOOL KyEditableListBox::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if (Editing()) {
        if (!m_wheelClosePending) {
            m_wheelClosePending = true;
            PostMessage(WM_KY_LIST_CLOSE_EDITOR, 0, 0);
            const MSG* msg = GetCurrentMessage();
            PostMessage(WM_MOUSEWHEEL, msg->wParam, msg->lParam);
        }
        return static_cast<BOOL>(kWheelAnswered);
    }
    return KyDragListBox::OnMouseWheel(nFlags, zDelta, pt);
}

// When the list refuses the text, the edit stays open and the wheel works
// again; the wheel message posted with this close is dropped, or it would
// only try the same close once more.
LRESULT KyEditableListBox::OnCloseEditor(WPARAM, LPARAM)
{
    if (!Editing())
        return 0;
    CRect old;
    GetItemRect(m_editIndex, &old);
    try {
        StopEditing(true, true, true);
    } catch (...) {
        m_wheelClosePending = false;
        MSG reposted;
        ::PeekMessageA(&reposted, m_hWnd, WM_MOUSEWHEEL, WM_MOUSEWHEEL, PM_REMOVE);
        throw;
    }
    InvalidateRect(&old);
    return 0;
}

void KyEditableListBox::OnDestroy()
{
    if (Editing())
        StopEditing(AcceptEditChangesDuringDestruction(), true, true);
    KyDragListBox::OnDestroy();
}

void KyEditableListBox::OnDeleteItemCommand()
{
    Kyvant::DialogEx::SetFocus(*this);
    if (Editing())
        ::MessageBeep(MB_ICONEXCLAMATION);
    else
        UserDeleteItem(GetCurSel());
}

void KyEditableListBox::OnNewItemCommand()
{
    Kyvant::DialogEx::SetFocus(*this);
    StopEditing(true, true, true);
    int empty = GetEmptyItemIndex();
    if (empty < 0 && CanCreateNewEmptyItem(-1))
        empty = CreateNewEmptyItem(-1);
    if (empty < 0) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    SetCurSel(empty);
    BeginEditing(KYB_Editor::Keyboard, CPoint(0, 0));
}
