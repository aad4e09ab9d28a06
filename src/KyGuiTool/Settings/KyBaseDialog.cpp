// KyBaseDialog: construction, the window made from its template (icons, menu,
// the merged pages), the modal run, key translation and data exchange.
#include "KyGuiTool/Settings/KyBaseDialog.h"

#include "KyConTool/App/ConGuiHandoff.h"
#include "KyConTool/App/ProtocolPrefix.h"
#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/App/DlgMainWndManager.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/Handoff/ConGuiBridge.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyGuiTool/Pages/KySubDialogTabCtrl.h"
#include "KyGuiTool/Settings/SettingsResource.h"

#include <stdexcept>

using namespace Kyvant;
using Kyvant::ToolDoc::AllSettings;
using Kyvant::ToolDoc::FileSearchSettings;
using Kyvant::ToolDoc::ToolSettings;

namespace {

const char kToolsKey[] = "Software\\Kyvant\\Tools";
const int kProgramIcon = 128;
const int kBigIconSize = 32;
const int kSmallIconSize = 16;
const int kMenuLineHeight = 2;
const int kMenuLineOverhang = 1000;

// The front-end's own key; a program without the application base uses the
// key named after it under the tools' key.
RegKey ApplicationKey(KyGuiApp* app)
{
    if (app != nullptr)
        return app->GetRegKey();
    const RegKey tools(HKEY_CURRENT_USER, kToolsKey);
    const char* name = AfxGetAppName();
    return RegKey(tools, name != nullptr && name[0] != '\0' ? name : "Shared");
}

// The dialog will stand in as the main window: there is none, or it is hidden.
bool NoMainWindowShown()
{
    CWinApp* app = AfxGetApp();
    CWnd* main = app != nullptr ? app->m_pMainWnd : nullptr;
    return main == nullptr || main->GetSafeHwnd() == nullptr || !main->IsWindowVisible();
}

HICON ProgramIcon(int size)
{
    return static_cast<HICON>(::LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(kProgramIcon),
                                           IMAGE_ICON, size, size, 0));
}

// An item's text from the program's own strings, when it has the string.
void SetProgramText(CMenu& menu, UINT item, UINT stringId)
{
    char text[256] = "";
    if (::LoadStringA(AfxGetInstanceHandle(), stringId, text, sizeof text) > 0)
        menu.ModifyMenu(item, MF_BYCOMMAND | MF_STRING, item, text);
}

// Posted at the end of OnInitDialog: the start-up load runs once the dialog
// is up.
const UINT kPostInitMessage = ::RegisterWindowMessageA("Kyvant.KyBaseDialog.PostInitDialog");

// A tab control of the dialog with more than one page.
KySubDialogTabCtrl* MultiPageTabs(HWND window)
{
    auto* tabs = dynamic_cast<KySubDialogTabCtrl*>(CWnd::FromHandlePermanent(window));
    return tabs != nullptr && tabs->GetPageCount() > 1 ? tabs : nullptr;
}

} // namespace

const char KyBaseDialog::kLastFileValue[] = "Last File Used";
const char KyBaseDialog::kRecentFilesList[] = "Recent Files";

IMPLEMENT_DYNAMIC(KyBaseDialog, CDialog)

BEGIN_MESSAGE_MAP(KyBaseDialog, CDialog)
    ON_WM_QUERYENDSESSION()
    ON_WM_DESTROY()
    ON_WM_INITMENUPOPUP()
    ON_REGISTERED_MESSAGE(kPostInitMessage, OnPostInit)
    ON_COMMAND(ID_KY_DOC_NEW, OnDocNew)
    ON_COMMAND(ID_KY_DOC_OPEN, OnDocOpen)
    ON_COMMAND(ID_KY_DOC_SAVE, OnDocSave)
    ON_COMMAND(ID_KY_DOC_SAVE_AS, OnDocSaveAs)
    ON_COMMAND(ID_KY_DOC_CANCEL, OnDocCancel)
    ON_COMMAND(ID_KY_DLG_HELP, OnHelp)
    ON_COMMAND(ID_KY_DLG_ABOUT, OnAbout)
    ON_COMMAND(ID_KY_OPTIONS, OnOptions)
    ON_COMMAND(ID_KY_WEB, OnWeb)
    ON_COMMAND(ID_KY_EXPLORER_MENU_EDITOR, OnExplorerMenuEditor)
    ON_COMMAND(ID_KY_SHELL_EXTENSION, OnShellExtension)
    ON_UPDATE_COMMAND_UI(ID_KY_SHELL_EXTENSION, OnUpdateShellExtension)
    ON_UPDATE_COMMAND_UI(ID_KY_RECENT_FILES, OnUpdateRecentFiles)
    ON_COMMAND_RANGE(ID_KY_RECENT_FILE_FIRST, ID_KY_RECENT_FILE_LAST, OnRecentFile)
    ON_BN_CLICKED(IDC_KY_HELP, OnHelp)
    ON_BN_CLICKED(IDC_KY_ABOUT, OnAbout)
END_MESSAGE_MAP()

KyBaseDialog::KyBaseDialog(int helpId, const ky_S& title, const ky_F& guiProgram,
                           const ky_F& consoleProgram, const ky_S& extension, const ky_S& filter,
                           CWnd* parent, bool)
    : CDialog(IDD_KY_BASE_DIALOG, parent), m_helpId(helpId), m_wasMainWindow(NoMainWindowShown()),
      m_extent(AllSettings), m_fileExtent(AllSettings), m_partial(false), m_suppressModified(false),
      m_pathPlanFromElsewhere(false), m_startUpLoaded(false), m_modified(0), m_title(title),
      m_guiProgram(guiProgram), m_consoleProgram(consoleProgram), m_extension(extension),
      m_filter(filter), m_app(KyGuiApp::s_pApp), m_appKey(ApplicationKey(m_app)),
      m_handoff((GetProtocolPrefix() + ToolHandoffBlock::kName).c_str(), FILE_MAP_ALL_ACCESS),
      m_bigIcon(nullptr), m_smallIcon(nullptr),
      m_accelerators(
          ::LoadAcceleratorsA(KyGuiToolModule(), MAKEINTRESOURCEA(IDR_KY_BASE_ACCELERATORS)))
{
}

KyBaseDialog::~KyBaseDialog()
{
    for (HICON icon : {m_bigIcon, m_smallIcon}) {
        if (icon != nullptr)
            ::DestroyIcon(icon);
    }
}

void KyBaseDialog::SetSubDialogs(SubDialogBridge* tool, SubDialogBridge* fileSearch)
{
    m_tool.reset(tool);
    m_fileSearch.reset(fileSearch);
}

bool KyBaseDialog::AllowOK()
{
    if (m_tool && Includes(ToolSettings) && !m_tool->AllowOK())
        return false;
    return !(m_fileSearch && Includes(FileSearchSettings) && !m_fileSearch->AllowOK());
}

bool KyBaseDialog::AllowCancel()
{
    if (m_tool && Includes(ToolSettings) && !m_tool->AllowCancel())
        return false;
    return !(m_fileSearch && Includes(FileSearchSettings) && !m_fileSearch->AllowCancel());
}

void KyBaseDialog::SaveState()
{
    if (m_tool)
        m_tool->SaveState();
    if (m_fileSearch)
        m_fileSearch->SaveState();
}

void KyBaseDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    const struct {
        SubDialogBridge* bridge;
        unsigned part;
    } parts[] = {{m_tool.get(), ToolSettings}, {m_fileSearch.get(), FileSearchSettings}};
    for (const auto& part : parts) {
        if (part.bridge == nullptr || part.bridge->GetCWnd().GetSafeHwnd() == nullptr ||
            !Includes(part.part))
            continue;
        if (!part.bridge->UpdateData(pDX->m_bSaveAndValidate))
            pDX->Fail();
    }
}

INT_PTR KyBaseDialog::DoModal()
{
    INT_PTR result;
    {
        DlgMainWndManager mainWindow(*this);
        result = CDialog::DoModal();
    }
    if (result == IDOK && DocIsFile() && m_app != nullptr) {
        ky_F name(m_fileName);
        m_app->DocSetName(name.ToFilePart());
    }
    return result;
}

// A dialog that cannot show its pages ends at once; the failure is reported.
BOOL KyBaseDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_startUpLoaded = false;
    try {
        ConGuiBridge::Reset();
        SetIcons();
        SpaceButtonColumn();
        AttachMenu();
        Merge(m_tool.get(), true);
        Merge(m_fileSearch.get(), false);
        DocOnNameChange(ky_F());
    } catch (const std::exception& e) {
        EndDialog(IDABORT);
        throw MfcStdException::Create(e);
    } catch (...) {
        EndDialog(IDABORT);
        throw;
    }
    PostMessage(kPostInitMessage);
    return TRUE;
}

LRESULT KyBaseDialog::OnPostInit(WPARAM, LPARAM)
{
    PostInitDialog();
    return 0;
}

void KyBaseDialog::PostInitDialog()
{
    m_modified = 0;
    if (m_startUpLoaded)
        return;
    m_startUpLoaded = true;
    try {
        DocOnAppStartLoadFile();
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    } catch (const std::exception& e) {
        AfxMessageBox(e.what(), MB_OK | MB_ICONEXCLAMATION);
    }
}

// The column from OK to About; controls a derived dialog adds stay put.
void KyBaseDialog::SpaceButtonColumn()
{
    CWnd* about = GetDlgItem(IDC_KY_ABOUT);
    WndEx::EquiSpaceVertically_2(GetDlgItem(IDOK),
                                 about != nullptr ? about->GetWindow(GW_HWNDNEXT) : nullptr);
}

void KyBaseDialog::SetIcons()
{
    m_bigIcon = ProgramIcon(kBigIconSize);
    m_smallIcon = ProgramIcon(kSmallIconSize);
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_bigIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon));
}

// The menu takes its height from the client area; the window grows by as
// much, so the controls keep their room.
void KyBaseDialog::AttachMenu()
{
    if (!m_menu.Attach(::LoadMenuA(KyGuiToolModule(), MAKEINTRESOURCEA(IDR_KY_BASE_MENU))))
        AfxThrowResourceException();
    SetProgramText(m_menu, ID_KY_DLG_HELP, IDS_KY_PROGRAM_HELP_ITEM);
    SetProgramText(m_menu, ID_KY_DLG_ABOUT, IDS_KY_PROGRAM_ABOUT_ITEM);
    const int heightBefore = WndEx::ClientRect(*this).Height();
    SetMenu(&m_menu);
    const WndEx::ClientRect client(*this);
    if (!m_menuLine.Create(nullptr, WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ,
                           CRect(0, 0, client.Width() + kMenuLineOverhang, kMenuLineHeight), this,
                           IDC_KY_MENU_LINE))
        AfxThrowResourceException();
    const WndEx::WindowRect window(*this);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, window.Width(),
                   window.Height() + heightBefore - client.Height(),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CenterWindow();
}

// The page takes the proxy's place; what lies below the proxy (and, sideways,
// to its right) moves by as much as the page outgrows it, and so does the
// dialog's size.
void KyBaseDialog::Merge(SubDialogBridge* bridge, bool sideways)
{
    if (bridge == nullptr || bridge->GetCWnd().GetSafeHwnd() != nullptr)
        return;
    CWnd* proxy = GetDlgItem(bridge->GetProxyID());
    if (proxy == nullptr)
        AfxThrowResourceException();
    const WndEx::WindowRect proxyRect(*proxy, true);
    if (!bridge->CreateGUI(*this, proxyRect))
        AfxThrowResourceException();
    CWnd& added = bridge->GetCWnd();
    const WndEx::WindowRect addedRect(added, true);
    const CSize growth(addedRect.Width() - proxyRect.Width(),
                       addedRect.Height() - proxyRect.Height());
    MoveSiblings(added, *proxy, proxyRect, growth, sideways);
    added.SetWindowPos(proxy, proxyRect.left, proxyRect.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    proxy->DestroyWindow();
    if (growth.cx == 0 && growth.cy == 0)
        return;
    const WndEx::WindowRect window(*this);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, window.Width() + (sideways ? growth.cx : 0),
                   window.Height() + growth.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CenterWindow();
}

void KyBaseDialog::MoveSiblings(const CWnd& added, const CWnd& proxy, const CRect& proxyRect,
                                CSize growth, bool sideways)
{
    const WndEx::WindowRect addedRect(added, true);
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (child == added.m_hWnd || child == proxy.m_hWnd)
            continue;
        CRect rect;
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        if (rect.top >= proxyRect.bottom)
            rect.OffsetRect(0, growth.cy);
        if (sideways && rect.left >= proxyRect.right)
            rect.OffsetRect(growth.cx, 0);
        const int id = ::GetDlgCtrlID(child);
        if (id == IDC_KY_TOOL_WIDTH)
            rect.right = rect.left + addedRect.Width();
        if (id == IDC_KY_TOOL_HEIGHT)
            rect.bottom = rect.top + addedRect.Height();
        ::SetWindowPos(child, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

KySubDialogTabCtrl* KyBaseDialog::TabCtrlToSwitch()
{
    HWND focus = ::GetFocus();
    if (focus != nullptr && ::IsChild(m_hWnd, focus)) {
        for (HWND window = focus; window != nullptr && window != m_hWnd;
             window = ::GetParent(window)) {
            if (KySubDialogTabCtrl* tabs = MultiPageTabs(window))
                return tabs;
        }
    }
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (KySubDialogTabCtrl* tabs = MultiPageTabs(child))
            return tabs;
    }
    return nullptr;
}

BOOL KyBaseDialog::PreTranslateMessage(MSG* pMsg)
{
    if (m_accelerators != nullptr && ::TranslateAcceleratorA(m_hWnd, m_accelerators, pMsg))
        return TRUE;
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB && ::GetKeyState(VK_CONTROL) < 0) {
        if (KySubDialogTabCtrl* tabs = TabCtrlToSwitch()) {
            if (::GetKeyState(VK_SHIFT) < 0)
                tabs->PrevPage();
            else
                tabs->NextPage();
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}
