// KyBigEditor: opening with the editor font, caption and remembered
// placement, the layout while resized, the modified flag, and the focus given
// back to the target field.
#include "KyGuiTool/PathLists/KyBigEditor.h"

#include "KyGui/Adapters/DataExchange.h"
#include "KyGui/Helpers/DialogEx.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/PathLists/PathListsResource.h"
#include "KyGuiTool/ShellObjEdit/ToolAppSettings.h"

namespace {

const char kPlacementSubkey[] = "BigEditorWindow";
const int kWholeText = -1;

} // namespace

BEGIN_MESSAGE_MAP(KyBigEditor, CDialog)
    ON_EN_CHANGE(IDC_KY_BIG_EDITOR_EDIT, OnEditChange)
    ON_WM_SIZE()
    ON_MESSAGE(WM_GETMINMAXINFO, OnGetMinMaxInfo)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

KyBigEditor::KyBigEditor(CWnd& target, const Kyvant::ky_S& caption, CWnd* parent)
    : CDialog(IDD_KY_BIG_EDITOR, parent), m_target(target), m_caption(caption), m_modified(false),
      m_returnFocus(true), m_watchChanges(false), m_initialSize(0, 0)
{
}

KyBigEditor::~KyBigEditor()
{
    if (m_returnFocus)
        ReturnFocus();
}

void KyBigEditor::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_ok);
    DDX_Control(pDX, IDCANCEL, m_cancel);
    DDX_Control(pDX, IDC_KY_BIG_EDITOR_EDIT, m_edit);
    DDX_string_edit(pDX, IDC_KY_BIG_EDITOR_EDIT, m_text);
}

BOOL KyBigEditor::OnInitDialog()
{
    m_watchChanges = false;
    CDialog::OnInitDialog();
    if (KyGuiApp::s_pApp != nullptr) {
        const HGDIOBJ font = KyGuiApp::s_pApp->GetAltEdFont().GetSafeHandle();
        if (font != nullptr)
            m_edit.SetFont(static_cast<HFONT>(font));
    }
    SetWindowText(m_caption.c_str());
    m_initialSize = Kyvant::WndEx::WindowRect(*this).Size();
    SetUpLayout();
    const Kyvant::RegKey appKey = Kyvant::ToolAppSettings::ApplicationKey();
    Kyvant::WndEx::RestoreWindowState(*this, appKey.get(), kPlacementSubkey, true);
    GotoDlgCtrl(&m_edit);
    m_edit.SetSel(0, 0);
    m_watchChanges = true;
    return FALSE;
}

// The edit stretches to the right and bottom edges; OK and Cancel keep their
// distance to both.
void KyBigEditor::SetUpLayout()
{
    using Side = Kyvant::SimpleLayoutManager::Side;
    m_layout.m_stretchyWindows.Add(m_edit, Side::Right);
    m_layout.m_stretchyWindows.Add(m_edit, Side::Bottom);
    for (CWnd* button : {static_cast<CWnd*>(&m_ok), static_cast<CWnd*>(&m_cancel)}) {
        m_layout.m_sideWindows.Add(*button, Side::Right);
        m_layout.m_sideWindows.Add(*button, Side::Bottom);
    }
}

bool KyBigEditor::IsOfClass(const CWnd& window, const char* className)
{
    char name[32] = "";
    ::GetClassNameA(window.m_hWnd, name, sizeof name);
    return ::lstrcmpiA(name, className) == 0;
}

void KyBigEditor::OnEditChange()
{
    if (m_watchChanges)
        m_modified = true;
}

void KyBigEditor::OnSize(UINT nType, int, int)
{
    if (nType != SIZE_MINIMIZED && m_initialSize.cx > 0)
        m_layout.Layout();
}

LRESULT KyBigEditor::OnGetMinMaxInfo(WPARAM, LPARAM lParam)
{
    if (m_initialSize.cx > 0) {
        MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = m_initialSize.cx;
        info->ptMinTrackSize.y = m_initialSize.cy;
    }
    return 0;
}

void KyBigEditor::OnDestroy()
{
    const Kyvant::RegKey appKey = Kyvant::ToolAppSettings::ApplicationKey();
    Kyvant::WndEx::SaveWindowState(*this, appKey.get(), kPlacementSubkey);
    CDialog::OnDestroy();
}

// A combo box with an edit gets all its text selected, an edit all its text
// with the caret in view, a list without a selected row its first row.
void KyBigEditor::ReturnFocus()
{
    const HWND target = m_target.GetSafeHwnd();
    if (target == nullptr || !::IsWindow(target))
        return;
    Kyvant::DialogEx::SetFocus(m_target);
    if (IsOfClass(m_target, "ComboBox")) {
        if (::SendMessageA(target, CB_GETEDITSEL, 0, 0) != CB_ERR)
            ::SendMessageA(target, CB_SETEDITSEL, 0, MAKELPARAM(0, static_cast<WORD>(kWholeText)));
    } else if (IsOfClass(m_target, "Edit")) {
        ::SendMessageA(target, EM_SETSEL, 0, kWholeText);
        ::SendMessageA(target, EM_SCROLLCARET, 0, 0);
    } else if (IsOfClass(m_target, "ListBox")) {
        if (::SendMessageA(target, LB_GETCURSEL, 0, 0) == LB_ERR)
            ::SendMessageA(target, LB_SETCURSEL, 0, 0);
    }
}
