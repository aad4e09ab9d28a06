// KyRichEditCtrl: the message table, the edit context menu with its commands and their
// update rules, the right button on older systems and the cursor.
#include "KyGui/RichEdit/KyRichEditCtrl.h"

#include "KyGui/Helpers/WndEx.h"
#include "KyGui/Module/KyGuiModule.h"
#include "KyGui/RichEdit/RichEditResource.h"
#include "KyStd/Win32/OsVersion.h"

#include <afxres.h>

#include <algorithm>

namespace {

constexpr UINT kCaptionHitTest = 2; // the hit-test code that gets the arrow

// The point asked for from the keyboard.
bool FromKeyboard(CPoint pos)
{
    return pos.x == -1 && pos.y == -1;
}

} // namespace

BEGIN_MESSAGE_MAP(KyRichEditCtrl, CRichEditCtrl)
ON_WM_CONTEXTMENU()
ON_WM_RBUTTONUP()
ON_WM_SETCURSOR()
ON_WM_INITMENUPOPUP()
ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
ON_COMMAND(ID_EDIT_CUT, OnEditCut)
ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCut)
ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
ON_COMMAND(ID_EDIT_CLEAR, OnEditClear)
ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateEditClear)
ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, OnUpdateEditSelectAll)
END_MESSAGE_MAP()

CPoint KyRichEditCtrl::ContextMenuPoint(CPoint pos)
{
    if (!FromKeyboard(pos))
        return pos;
    CHARRANGE selection = {};
    GetSel(selection);
    CPoint at = GetCharPos(selection.cpMin);
    CRect client;
    GetClientRect(&client);
    at.x = std::max<LONG>(0, std::min<LONG>(at.x, client.right));
    at.y = std::max<LONG>(0, std::min<LONG>(at.y, client.bottom));
    ClientToScreen(&at);
    return at;
}

void KyRichEditCtrl::OnContextMenu(CWnd*, CPoint pos)
{
    CMenu menu;
    HMENU loaded = ::LoadMenuA(Kyvant::KyGuiModule(), MAKEINTRESOURCEA(IDR_KY_RICHEDIT_CONTEXT));
    if (loaded == nullptr || !menu.Attach(loaded))
        return;
    CMenu* popup = menu.GetSubMenu(0);
    const CPoint at = ContextMenuPoint(pos);
    if (popup != nullptr)
        popup->TrackPopupMenu(TPM_RIGHTBUTTON, at.x, at.y, this);
}

void KyRichEditCtrl::OnRButtonUp(UINT, CPoint point)
{
    if (Kyvant::OsVersion::AtLeast2K()) {
        Default();
        return;
    }
    // Older rich edit controls never send WM_CONTEXTMENU themselves.
    ClientToScreen(&point);
    SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_hWnd), MAKELPARAM(point.x, point.y));
}

BOOL KyRichEditCtrl::OnSetCursor(CWnd*, UINT nHitTest, UINT)
{
    if (nHitTest != kCaptionHitTest)
        return static_cast<BOOL>(Default());
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    return TRUE;
}

void KyRichEditCtrl::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    Kyvant::WndEx::DoPopupCmdUI(*pPopupMenu, *this, bSysMenu, true);
}

bool KyRichEditCtrl::HasSelection() const
{
    CHARRANGE selection = {};
    GetSel(selection);
    return selection.cpMin != selection.cpMax;
}

void KyRichEditCtrl::OnEditUndo()
{
    Undo();
}

void KyRichEditCtrl::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!IsReadOnly() && CanUndo());
}

void KyRichEditCtrl::OnEditCut()
{
    Cut();
}

void KyRichEditCtrl::OnUpdateEditCut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!IsReadOnly() && HasSelection());
}

void KyRichEditCtrl::OnEditCopy()
{
    Copy();
}

void KyRichEditCtrl::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(HasSelection());
}

void KyRichEditCtrl::OnEditPaste()
{
    Paste();
}

void KyRichEditCtrl::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!IsReadOnly() && CanPaste(0));
}

void KyRichEditCtrl::OnEditClear()
{
    Clear();
}

void KyRichEditCtrl::OnUpdateEditClear(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!IsReadOnly() && HasSelection());
}

void KyRichEditCtrl::OnEditSelectAll()
{
    CRichEditCtrl::SetSel(0, -1);
}

void KyRichEditCtrl::OnUpdateEditSelectAll(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!Empty());
}
