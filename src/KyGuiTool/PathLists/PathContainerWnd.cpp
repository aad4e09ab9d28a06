// KYB_PathContainerWnd: the fifth button and the insert menu it opens.
#include "KyGuiTool/PathLists/PathContainerWnd.h"

#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/PathLists/FileAndFolderEditorBase.h"
#include "KyGuiTool/PathLists/PathListsResource.h"
#include "KyGuiTool/ShellObjEdit/KyShellObjListEditCtrl.h"

#include <commctrl.h>

namespace {

const int kButtonWidth = 23;

} // namespace

BEGIN_MESSAGE_MAP(KYB_PathContainerWnd, KYB_FileAndFolderContainerWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_KY_ADD_TO_PATH, OnAddToPath)
END_MESSAGE_MAP()

KYB_PathContainerWnd::KYB_PathContainerWnd(KYB_FileAndFolderEditorBase& editor)
    : KYB_FileAndFolderContainerWnd(editor)
{
}

KYB_PathContainerWnd::~KYB_PathContainerWnd() = default;

// The button goes after the other four; the toolbar grows to the left and
// the edit ends where it now begins.
int KYB_PathContainerWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (KYB_FileAndFolderContainerWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CToolBarCtrl& bar = GetToolBarCtrl();
    TBBUTTON button = {};
    button.iBitmap = bar.AddBitmap(1, IDB_KY_PATH_TOOLBAR);
    button.idCommand = ID_KY_ADD_TO_PATH;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = TBSTYLE_BUTTON;
    if (!bar.AddButtons(1, &button))
        return -1;
    CRect rect = Kyvant::WndEx::WindowRect(bar, true);
    rect.left -= kButtonWidth;
    bar.MoveWindow(&rect);
    CWnd& edit = EditWindow();
    CRect editRect = Kyvant::WndEx::WindowRect(edit, true);
    editRect.right = rect.left;
    edit.MoveWindow(&editRect);
    AddButtonTip(ID_KY_ADD_TO_PATH);
    return 0;
}

void KYB_PathContainerWnd::OnAddToPath()
{
    CWnd& edit = FocusEdit();
    KyShellObjListEditCtrl* pathEdit = dynamic_cast<KyShellObjListEditCtrl*>(&edit);
    if (pathEdit == nullptr)
        return;
    CPoint cursor;
    ::GetCursorPos(&cursor);
    pathEdit->ShowContextMenu(cursor);
}
