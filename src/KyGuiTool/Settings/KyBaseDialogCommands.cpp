// KyBaseDialog's menu and window commands: the task-file commands, help,
// About, the home page, Options, the Explorer context-menu editor and the
// shell extension's registration, the menus' update and the end of session.
#include "KyGuiTool/Settings/KyBaseDialog.h"

#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/App/AboutBox.h"
#include "KyGuiTool/App/AppResource.h"
#include "KyGuiTool/ExplorerMenu/KyExplorerContextMenuEditorDialog.h"
#include "KyGuiTool/ExplorerMenu/ShellExtensionRegistration.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyGuiTool/Settings/KyOptionsDialog.h"
#include "KyGuiTool/Settings/SettingsResource.h"

#include <stdexcept>

using namespace Kyvant;

namespace {

// Help topics of dialogs lie above the contexts of controls.
const DWORD kDialogHelpBase = 0x20000;

bool ShiftDown()
{
    return ::GetKeyState(VK_SHIFT) < 0;
}

bool IsRecentFileItem(UINT id)
{
    return id >= ID_KY_RECENT_FILE_FIRST && id <= ID_KY_RECENT_FILE_LAST;
}

// Runs a command; a standard exception reaches MFC's reporting as its own.
template <class Command>
void Guarded(Command command)
{
    try {
        command();
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    }
}

} // namespace

BOOL KyBaseDialog::OnQueryEndSession()
{
    AfxMessageBox(ky_S().LoadStringA(KyGuiToolModule(), IDS_KY_CLOSE_BEFORE_SHUTDOWN).c_str(),
                  MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

void KyBaseDialog::OnDestroy()
{
    if (m_wasMainWindow) {
        if (CWinApp* app = AfxGetApp())
            app->WinHelp(0, HELP_QUIT);
    }
    // The window takes its menu along.
    m_menu.Detach();
    CDialog::OnDestroy();
}

// The recent files' items are taken out again and their placeholder put back,
// so that its update handler lists the files as they now are.
void KyBaseDialog::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    CDialog::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    if (bSysMenu)
        return;
    int first = -1;
    for (int item = static_cast<int>(pPopupMenu->GetMenuItemCount()) - 1; item >= 0; --item) {
        if (IsRecentFileItem(pPopupMenu->GetMenuItemID(item))) {
            pPopupMenu->RemoveMenu(static_cast<UINT>(item), MF_BYPOSITION);
            first = item;
        }
    }
    if (first >= 0) {
        const ky_S text = ky_S().LoadStringA(KyGuiToolModule(), IDS_KY_RECENT_FILES);
        pPopupMenu->InsertMenu(static_cast<UINT>(first), MF_BYPOSITION | MF_STRING,
                               ID_KY_RECENT_FILES, text.c_str());
    }
    WndEx::DoPopupCmdUI(*pPopupMenu, *this, FALSE, false);
}

// Shift+New keeps the settings and forgets only the file.
void KyBaseDialog::OnDocNew()
{
    DocNew(!ShiftDown());
}

void KyBaseDialog::OnDocOpen()
{
    DocOpen();
}

void KyBaseDialog::OnDocSave()
{
    DocSave(true, true);
}

void KyBaseDialog::OnDocSaveAs()
{
    DocSaveAs(true, true);
}

void KyBaseDialog::OnDocCancel()
{
    OnCancel();
}

void KyBaseDialog::OnHelp()
{
    if (CWinApp* app = AfxGetApp())
        app->WinHelp(kDialogHelpBase + static_cast<DWORD>(m_helpId), HELP_CONTEXT);
}

void KyBaseDialog::OnAbout()
{
    Guarded([] { ShowAboutBox(); });
}

void KyBaseDialog::OnOptions()
{
    Guarded([this] {
        KyOptionsDialog options(this);
        options.DoModal();
    });
}

void KyBaseDialog::OnWeb()
{
    if (CWinApp* app = AfxGetApp())
        app->OnCmdMsg(ID_KY_HELP_WEB, CN_COMMAND, nullptr, nullptr);
}

void KyBaseDialog::OnExplorerMenuEditor()
{
    Guarded([this] {
        KyExplorerContextMenuEditorDialog editor(this);
        editor.DoModal();
    });
}

void KyBaseDialog::OnShellExtension()
{
    Guarded([] { SetShellExtensionRegistration(!IsShellExtensionRegistered()); });
}

void KyBaseDialog::OnUpdateShellExtension(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(IsShellExtensionRegistered() ? 1 : 0);
}
