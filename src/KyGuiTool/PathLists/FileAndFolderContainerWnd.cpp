// KYB_FileAndFolderContainerWnd: the toolbar and edit made over the row, the
// browsing commands, and ending the row's editing from the toolbar.
#include "KyGuiTool/PathLists/FileAndFolderContainerWnd.h"

#include "KyGui/Helpers/WndEx.h"
#include "KyGui/Lists/ListEditors.h"
#include "KyGui/Shell/Browse.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyGuiTool/PathLists/FileAndFolderEditorBase.h"
#include "KyGuiTool/PathLists/KyEditableFileAndFolderListBox.h"
#include "KyGuiTool/PathLists/PathListsResource.h"
#include "KyGuiTool/ShellObjEdit/HandlerErrors.h"
#include "KyGuiTool/ShellObjEdit/PathText.h"
#include "KyGuiTool/ShellObjEdit/ShellObjEditResource.h"
#include "KyGuiTool/ShellObjEdit/ToolAppSettings.h"

#include <commctrl.h>
#include <shlobj.h>

#include <iterator>

namespace {

using Kyvant::ky_BSB;
using Kyvant::ky_S;

// Posted to the container by Cancel Edit (wParam 0) and Accept Changes (1):
// the row's editing, and with it this window and its toolbar, must not end
// while the toolbar is still handling the click.
const UINT WM_KY_CONTAINER_STOP_EDITING = WM_APP + 0x40;

const int kButtonCount = 4;
const int kButtonWidth = 23;
const CSize kBitmapSize(15, 13);
const CSize kButtonSize(kButtonWidth, 20);
// Themed toolbars have a border, two pixels wider; unthemed ones sit a pixel higher.
const int kThemedBorderExtra = 2;
const int kUnthemedTop = -1;
const UINT kToolBarId = 1;
const DWORD kToolBarStyle = WS_CHILD | WS_VISIBLE | CCS_NORESIZE | CCS_NODIVIDER;
const DWORD kThemedToolBarStyle = WS_BORDER | TBSTYLE_FLAT;
const DWORD kContainerStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
const UINT kFolderFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
const DWORD kFileFlags = OFN_SHAREAWARE | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;

const UINT kCommands[kButtonCount] = {ID_KY_INSERT_FOLDER_NAME, ID_KY_INSERT_FILENAME,
                                      ID_KY_CANCEL_EDIT, ID_KY_ACCEPT_CHANGES};

TBBUTTON Button(int image, UINT command)
{
    TBBUTTON button = {};
    button.iBitmap = image;
    button.idCommand = static_cast<int>(command);
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = TBSTYLE_BUTTON;
    return button;
}

ky_S LibraryString(UINT id)
{
    return ky_S().LoadStringA(Kyvant::KyGuiToolModule(), id);
}

} // namespace

BEGIN_MESSAGE_MAP(KYB_FileAndFolderContainerWnd, CWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_KY_INSERT_FOLDER_NAME, OnInsertFolderName)
    ON_COMMAND(ID_KY_INSERT_FILENAME, OnInsertFilename)
    ON_COMMAND(ID_KY_CANCEL_EDIT, OnCancelEdit)
    ON_COMMAND(ID_KY_ACCEPT_CHANGES, OnAcceptChanges)
    ON_MESSAGE(WM_KY_CONTAINER_STOP_EDITING, OnStopEditing)
END_MESSAGE_MAP()

KYB_FileAndFolderContainerWnd::KYB_FileAndFolderContainerWnd(KYB_FileAndFolderEditorBase& editor)
    : m_editor(editor)
{
}

KYB_FileAndFolderContainerWnd::~KYB_FileAndFolderContainerWnd() = default;

bool KYB_FileAndFolderContainerWnd::Create(const CRect& rect, CWnd& parent, UINT id)
{
    const LPCSTR windowClass = AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW),
                                                   reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return CreateEx(0, windowClass, "", kContainerStyle, rect, &parent, id) != FALSE;
}

int KYB_FileAndFolderContainerWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CRect client;
    GetClientRect(&client);
    if (!CreateToolBar(client))
        return -1;
    const CRect bar = Kyvant::WndEx::WindowRect(m_toolBar, true);
    if (!m_editor.CreateEditWindow(CRect(0, 0, bar.left, client.bottom), *this))
        return -1;
    m_toolTip.Create(this);
    for (UINT command : kCommands)
        AddButtonTip(command);
    m_toolBar.SetToolTips(&m_toolTip);
    return 0;
}

// The four buttons at the right end of the client area.
bool KYB_FileAndFolderContainerWnd::CreateToolBar(const CRect& client)
{
    const bool themed = Kyvant::ListEditorStyles::Themed();
    const int width = kButtonCount * kButtonWidth + (themed ? kThemedBorderExtra : 0);
    const CRect rect(client.right - width, themed ? 0 : kUnthemedTop, client.right, client.bottom);
    const DWORD style = kToolBarStyle | (themed ? kThemedToolBarStyle : 0);
    if (!m_toolBar.Create(style, rect, this, kToolBarId))
        return false;
    m_toolBar.SetButtonStructSize(sizeof(TBBUTTON));
    m_toolBar.SetBitmapSize(kBitmapSize);
    m_toolBar.SetButtonSize(kButtonSize);
    const int first = m_toolBar.AddBitmap(kButtonCount, IDB_KY_FILE_FOLDER_TOOLBAR);
    TBBUTTON buttons[kButtonCount];
    for (int i = 0; i < kButtonCount; ++i)
        buttons[i] = Button(first + i, kCommands[i]);
    return m_toolBar.AddButtons(kButtonCount, buttons) != FALSE;
}

void KYB_FileAndFolderContainerWnd::AddButtonTip(UINT command)
{
    if (m_toolTip.GetSafeHwnd() == nullptr)
        return;
    CRect rect;
    m_toolBar.GetItemRect(static_cast<int>(m_toolBar.CommandToIndex(command)), &rect);
    // A toolbar that has its tip control already adds a tool of its own for
    // each new button, without text: this one takes its place.
    m_toolTip.DelTool(&m_toolBar, command);
    m_toolTip.AddTool(&m_toolBar, command, &rect, command);
}

CWnd& KYB_FileAndFolderContainerWnd::EditWindow()
{
    return m_editor.GetStringEditor().GetEditorWindow();
}

CWnd& KYB_FileAndFolderContainerWnd::FocusEdit()
{
    CWnd& edit = EditWindow();
    edit.SetFocus();
    return edit;
}

void KYB_FileAndFolderContainerWnd::SetText(ky_BSB<char>& text)
{
    KYB_StringEditor& editor = m_editor.GetStringEditor();
    editor.SetText(text.c_str());
    editor.SetSelection(0, -1, false);
}

void KYB_FileAndFolderContainerWnd::OnInsertFolderName()
{
    try {
        FocusEdit();
        const ky_S start = Kyvant::ToolAppSettings::BrowseFolderPath();
        ky_BSB<char> folder;
        if (!Kyvant::Shell::BrowseFolder(folder, m_hWnd, nullptr, start.c_str(), kFolderFlags))
            return;
        Kyvant::ToolAppSettings::SetBrowseFolderPath(folder);
        if (m_editor.GetListBox().FoldersRequireTrailingDirSep())
            Kyvant::PathText::TerminateFolder(folder);
        if (m_editor.AcceptFolder(folder))
            SetText(folder);
    } catch (...) {
        Kyvant::RethrowForMfc();
    }
}

void KYB_FileAndFolderContainerWnd::OnInsertFilename()
{
    try {
        FocusEdit();
        const ky_S start = Kyvant::ToolAppSettings::BrowseFolderPath();
        ky_BSB<char> file;
        if (!Kyvant::Shell::BrowseFile(true, file, LibraryString(IDS_KY_ALL_FILES_FILTER).c_str(),
                                       start.c_str(), nullptr, nullptr, kFileFlags,
                                       LibraryString(IDS_KY_SELECT_A_FILE).c_str(), this))
            return;
        Kyvant::ToolAppSettings::RememberFolderOf(file);
        if (m_editor.AcceptFile(file))
            SetText(file);
    } catch (...) {
        Kyvant::RethrowForMfc();
    }
}

void KYB_FileAndFolderContainerWnd::OnCancelEdit()
{
    FocusEdit();
    PostMessage(WM_KY_CONTAINER_STOP_EDITING, FALSE);
}

void KYB_FileAndFolderContainerWnd::OnAcceptChanges()
{
    FocusEdit();
    PostMessage(WM_KY_CONTAINER_STOP_EDITING, TRUE);
}

LRESULT KYB_FileAndFolderContainerWnd::OnStopEditing(WPARAM wParam, LPARAM)
{
    m_editor.GetListBox().StopEditing(wParam != FALSE, true, true);
    return 0;
}
