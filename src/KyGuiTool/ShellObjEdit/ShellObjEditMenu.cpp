// KyShellObjListEditCtrl: opening the insert menu (right button, Shift+F10),
// filling its shell-folder and mask-set submenus as they open, and enabling
// its items by the control's mode and settings.
#include "KyGuiTool/ShellObjEdit/KyShellObjListEditCtrl.h"

#include "KyDB/Named/MaskDB.h"
#include "KyDB/Named/PathPlanDB.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/ShellObjEdit/ShellObjEditResource.h"
#include "KyStd/Shell/ShellFolderTable.h"

#include <afxpriv.h>
#include <shlobj.h>

#include <exception>
#include <iterator>

namespace {

// The menu opens this far inside the control's client area when asked for by keyboard.
const int kKeyboardMenuOffset = 5;
const int kNoPoint = -1;
const UINT kMaskSetCount = ID_KY_SOE_LAST_MASK_SET - ID_KY_SOE_FIRST_MASK_SET + 1;
const char kCommonMenu[] = "Common";

// The all-users folders, listed apart under "Common".
const int kCommonFolders[] = {
    CSIDL_COMMON_ADMINTOOLS,    CSIDL_COMMON_ALTSTARTUP,
    CSIDL_COMMON_APPDATA,       CSIDL_COMMON_DESKTOPDIRECTORY,
    CSIDL_COMMON_DOCUMENTS,     CSIDL_COMMON_FAVORITES,
    CSIDL_COMMON_MUSIC,         CSIDL_COMMON_PICTURES,
    CSIDL_PROGRAM_FILES_COMMON, CSIDL_COMMON_PROGRAMS,
    CSIDL_COMMON_STARTMENU,     CSIDL_COMMON_STARTUP,
    CSIDL_COMMON_TEMPLATES,     CSIDL_COMMON_VIDEO,
};

// The marks of folders that only some systems have, by the table's level.
const char* const kLevelMarks[] = {"", " (WinNT)", " (Win2K)", " (WinXP)"};

bool IsCommonFolder(int csidl)
{
    for (int common : kCommonFolders)
        if (common == csidl)
            return true;
    return false;
}

Kyvant::ky_S FolderCaption(const Kyvant::Shell::ShellFolderDesc& row)
{
    Kyvant::ky_S caption(row.name);
    const int levels = static_cast<int>(std::size(kLevelMarks));
    if (row.level > 0 && row.level < levels)
        caption += kLevelMarks[row.level];
    return caption;
}

// A popup holding only its placeholder command, as loaded.
bool HoldsOnly(CMenu& popup, UINT placeholder)
{
    return popup.GetMenuItemCount() == 1 && popup.GetMenuItemID(0) == placeholder;
}

// An item opening a submenu is enabled on the menu itself.
void EnablePopupItem(CCmdUI& state, bool enable)
{
    state.m_pMenu->EnableMenuItem(state.m_nIndex,
                                  MF_BYPOSITION | (enable ? MF_ENABLED : MF_GRAYED));
}

bool PathPlansStored()
{
    try {
        return !Kyvant::PathPlanDB::Instance().empty();
    } catch (const std::exception&) {
        return false; // an unreadable database offers nothing to choose
    }
}

} // namespace

BEGIN_MESSAGE_MAP(KyShellObjListEditCtrl, CEdit)
    ON_WM_CONTEXTMENU()
    ON_WM_RBUTTONDOWN()
    ON_WM_INITMENUPOPUP()
    ON_MESSAGE(WM_DROPFILES, OnDropFiles)
    ON_COMMAND(ID_KY_SOE_FOLDER, OnFolder)
    ON_UPDATE_COMMAND_UI(ID_KY_SOE_FOLDER, OnUpdateFolder)
    ON_COMMAND(ID_KY_SOE_FILE, OnFile)
    ON_UPDATE_COMMAND_UI(ID_KY_SOE_FILE, OnUpdateFile)
    ON_COMMAND(ID_KY_SOE_LOCAL_DRIVES, OnLocalDrives)
    ON_UPDATE_COMMAND_UI(ID_KY_SOE_LOCAL_DRIVES, OnUpdateLocalDrives)
    ON_COMMAND_RANGE(ID_KY_SOE_FIRST_SHELL_FOLDER, ID_KY_SOE_LAST_SHELL_FOLDER, OnShellFolder)
    ON_UPDATE_COMMAND_UI_RANGE(ID_KY_SOE_FIRST_SHELL_FOLDER, ID_KY_SOE_LAST_SHELL_FOLDER,
                               OnUpdateShellFolder)
    ON_COMMAND(ID_KY_SOE_PATH_PLAN, OnPathPlan)
    ON_UPDATE_COMMAND_UI(ID_KY_SOE_PATH_PLAN, OnUpdatePathPlan)
    ON_COMMAND(ID_KY_SOE_ALL_FILES, OnAllFiles)
    ON_UPDATE_COMMAND_UI(ID_KY_SOE_ALL_FILES, OnUpdateAllFiles)
    ON_COMMAND_RANGE(ID_KY_SOE_FIRST_MASK_SET, ID_KY_SOE_LAST_MASK_SET, OnMaskSet)
    ON_UPDATE_COMMAND_UI_RANGE(ID_KY_SOE_FIRST_MASK_SET, ID_KY_SOE_LAST_MASK_SET, OnUpdateMaskSet)
    ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateNeedsSelection)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateNeedsSelection)
    ON_COMMAND(ID_EDIT_CLEAR, OnEditClear)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateNeedsSelection)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
    ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, OnUpdateEditSelectAll)
END_MESSAGE_MAP()

BOOL KyShellObjListEditCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (m_mode != PlainText && pMsg->hwnd == m_hWnd) {
        const bool keyDown = pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN;
        const bool shiftF10 = keyDown && pMsg->wParam == VK_F10 && ::GetKeyState(VK_SHIFT) < 0;
        if (shiftF10 || pMsg->message == WM_CONTEXTMENU) {
            CPoint at(kKeyboardMenuOffset, kKeyboardMenuOffset);
            ClientToScreen(&at);
            ShowContextMenu(at);
            return TRUE;
        }
    }
    return CEdit::PreTranslateMessage(pMsg);
}

void KyShellObjListEditCtrl::OnContextMenu(CWnd*, CPoint pos)
{
    if (m_mode == PlainText) {
        Default();
        return;
    }
    if (pos.x == kNoPoint && pos.y == kNoPoint) {
        pos = CPoint(kKeyboardMenuOffset, kKeyboardMenuOffset);
        ClientToScreen(&pos);
    }
    ShowContextMenu(pos);
}

void KyShellObjListEditCtrl::ShowContextMenu(CPoint screen)
{
    if (m_mode == PlainText) {
        SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_hWnd),
                    MAKELPARAM(screen.x, screen.y));
        return;
    }
    CMenu menu;
    if (!menu.LoadMenu(IDR_KY_SHELL_OBJ_MENU))
        AfxThrowResourceException();
    menu.GetSubMenu(0)->TrackPopupMenu(TPM_RIGHTBUTTON, screen.x, screen.y, this);
}

void KyShellObjListEditCtrl::OnRButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    CEdit::OnRButtonDown(nFlags, point);
}

void KyShellObjListEditCtrl::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu || pPopupMenu == nullptr)
        return;
    if (m_shellFolders && HoldsOnly(*pPopupMenu, ID_KY_SOE_FIRST_SHELL_FOLDER))
        FillShellFolderMenu(*pPopupMenu);
    if (m_maskSets && HoldsOnly(*pPopupMenu, ID_KY_SOE_ALL_FILES))
        FillMaskSetMenu(*pPopupMenu);
    Kyvant::WndEx::DoPopupCmdUI(*pPopupMenu, *this, FALSE, false);
}

// The table's rows in order, the all-users folders in "Common" at the end.
void KyShellObjListEditCtrl::FillShellFolderMenu(CMenu& popup)
{
    popup.DeleteMenu(0, MF_BYPOSITION);
    CMenu common;
    common.CreatePopupMenu();
    const UINT rows = ID_KY_SOE_LAST_SHELL_FOLDER - ID_KY_SOE_FIRST_SHELL_FOLDER + 1;
    for (UINT row = 0; row < rows; ++row) {
        const Kyvant::Shell::ShellFolderDesc* desc =
            Kyvant::Shell::GetShellFolderDesc(static_cast<int>(row));
        if (desc == nullptr)
            break;
        CMenu& target = IsCommonFolder(desc->csidl) ? common : popup;
        target.AppendMenu(MF_STRING, ID_KY_SOE_FIRST_SHELL_FOLDER + row,
                          FolderCaption(*desc).c_str());
    }
    if (common.GetMenuItemCount() == 0)
        return;
    popup.AppendMenu(MF_SEPARATOR);
    popup.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(common.Detach()), kCommonMenu);
}

// "All Files", then the stored sets with their access keys as stored.
void KyShellObjListEditCtrl::FillMaskSetMenu(CMenu& popup)
{
    Kyvant::MaskDB& db = Kyvant::MaskDB::Instance();
    if (db.empty())
        return;
    popup.AppendMenu(MF_SEPARATOR);
    UINT command = ID_KY_SOE_FIRST_MASK_SET;
    for (auto it = db.begin(); it != db.end() && command <= kMaskSetCount; ++it, ++command)
        popup.AppendMenu(MF_STRING, command, it->first.c_str());
}

void KyShellObjListEditCtrl::OnUpdateFolder(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FoldersAllowed());
}

void KyShellObjListEditCtrl::OnUpdateFile(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FilesAllowed());
}

void KyShellObjListEditCtrl::OnUpdateLocalDrives(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pathSets && FoldersAllowed());
}

void KyShellObjListEditCtrl::OnUpdateShellFolder(CCmdUI* pCmdUI)
{
    if (pCmdUI->m_pSubMenu != nullptr)
        EnablePopupItem(*pCmdUI, m_shellFolders);
    else
        pCmdUI->Enable(TRUE);
}

void KyShellObjListEditCtrl::OnUpdatePathPlan(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pathSets && PathPlansStored());
}

void KyShellObjListEditCtrl::OnUpdateAllFiles(CCmdUI* pCmdUI)
{
    if (pCmdUI->m_pSubMenu != nullptr)
        EnablePopupItem(*pCmdUI, m_maskSets);
    else
        pCmdUI->Enable(m_maskSets);
}

void KyShellObjListEditCtrl::OnUpdateMaskSet(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

void KyShellObjListEditCtrl::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanUndo());
}

void KyShellObjListEditCtrl::OnUpdateNeedsSelection(CCmdUI* pCmdUI)
{
    int start = 0, end = 0;
    GetSel(start, end);
    pCmdUI->Enable(start != end);
}

void KyShellObjListEditCtrl::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(::IsClipboardFormatAvailable(CF_TEXT));
}

void KyShellObjListEditCtrl::OnUpdateEditSelectAll(CCmdUI* pCmdUI)
{
    const int length = GetWindowTextLength();
    int start = 0, end = 0;
    GetSel(start, end);
    pCmdUI->Enable(length > 0 && !(start == 0 && end == length));
}
