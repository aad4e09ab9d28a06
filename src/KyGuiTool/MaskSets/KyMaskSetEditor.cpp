// KyMaskSetEditor: start-up on the masks combo's text, layout and remembered
// placement, the dirty contents, and what OK and Cancel hand back.
#include "KyGuiTool/MaskSets/KyMaskSetEditor.h"

#include "KyDB/Named/DbLocation.h"
#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/MaskSets/MaskSetText.h"
#include "KyGuiTool/MaskSets/MaskSetsResource.h"
#include "KyGuiTool/MaskSets/MasksCombo.h"
#include "KyGuiTool/Storage/StorageResource.h"
#include "KyGuiTool/Storage/StorageText.h"

#include <exception>
#include <string>

namespace {

const char kPlacementSubkey[] = "\\MaskSetEditorWindow";

std::string PlacementKey()
{
    return std::string(Kyvant::kSharedSettingsKey) + kPlacementSubkey;
}

} // namespace

BEGIN_MESSAGE_MAP(KyMaskSetEditor, CDialog)
ON_EN_CHANGE(IDC_KY_MASK_SET_CONTENTS, OnContentsChange)
ON_WM_SIZE()
ON_MESSAGE(WM_GETMINMAXINFO, OnGetMinMaxInfo)
ON_WM_DESTROY()
END_MESSAGE_MAP()

KyMaskSetEditor::KyMaskSetEditor(CComboBox& masks, CWnd* parent)
    : CDialog(IDD_KY_MASK_SET_EDITOR, parent), m_db(Kyvant::MaskDB::Instance()), m_masks(masks),
      m_currentName(Kyvant::StorageText::WindowText(masks)), m_menuButton(IDR_KY_STORAGE_MENU),
      m_initialSize(0, 0)
{
}

KyMaskSetEditor::~KyMaskSetEditor() = default;

BOOL KyMaskSetEditor::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_ui && m_ui->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CDialog::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void KyMaskSetEditor::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KY_MASK_SET_MENU, m_menuButton);
    DDX_Control(pDX, IDC_KY_MASK_SET_NAMES, m_names);
    DDX_Control(pDX, IDC_KY_MASK_SET_SAVE, m_save);
    DDX_Control(pDX, IDC_KY_MASK_SET_NEW, m_new);
    DDX_Control(pDX, IDC_KY_MASK_SET_DELETE, m_delete);
    DDX_Control(pDX, IDC_KY_MASK_SET_CONTENTS, m_contentsEdit);
    if (!pDX->m_bSaveAndValidate)
        return; // the storage controls fill the window themselves
    pDX->PrepareCtrl(IDC_KY_MASK_SET_NAMES);
    const Kyvant::ky_I name = Kyvant::StorageText::WindowText(m_names);
    DDV_MaxChars(pDX, CString(name.c_str()), static_cast<int>(kMaxNameLength));
    m_currentName = name;
    m_contents = Kyvant::StorageText::WindowText(m_contentsEdit);
}

BOOL KyMaskSetEditor::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (KyGuiApp::s_pApp != nullptr) {
        const HGDIOBJ font = KyGuiApp::s_pApp->GetAltEdFont().GetSafeHandle();
        if (font != nullptr)
            m_contentsEdit.SetFont(static_cast<HFONT>(font));
    }
    m_ui = std::make_unique<MaskDbUI>(*this);
    ShowInitialItem();
    Kyvant::WndEx::SetHeightEqual(m_menuButton, m_names);
    const Kyvant::WndEx::WindowRect window(*this);
    m_initialSize = window.Size();
    SetUpLayout();
    Kyvant::WndEx::RestoreWindowState(*this, HKEY_CURRENT_USER, PlacementKey().c_str(), true);
    GotoDlgCtrl(&m_contentsEdit);
    m_contentsEdit.SetSel(0, 0);
    return FALSE;
}

// A stored set's name shows that set; any other text is a list of masks
// without a name.
void KyMaskSetEditor::ShowInitialItem()
{
    if (m_ui->IsStored(m_currentName)) {
        m_ui->Select(m_currentName);
        m_ui->HandleSelChange();
        return;
    }
    m_contentsEdit.SetWindowText(Kyvant::MaskSetText::ToLines(m_currentName).c_str());
    m_ui->ClearName(false);
}

void KyMaskSetEditor::SetUpLayout()
{
    using Side = Kyvant::SimpleLayoutManager::Side;
    for (CWnd* button : {static_cast<CWnd*>(&m_save), static_cast<CWnd*>(&m_new),
                         static_cast<CWnd*>(&m_delete), GetDlgItem(IDOK), GetDlgItem(IDCANCEL)})
        m_layout.m_sideWindows.Add(*button, Side::Right);
    m_layout.m_sideWindows.Add(*GetDlgItem(IDOK), Side::Bottom);
    m_layout.m_sideWindows.Add(*GetDlgItem(IDCANCEL), Side::Bottom);
    m_layout.m_stretchyWindows.Add(m_names, Side::Right);
    m_layout.m_stretchyWindows.Add(m_contentsEdit, Side::Right);
    m_layout.m_stretchyWindows.Add(m_contentsEdit, Side::Bottom);
}

void KyMaskSetEditor::OnContentsChange()
{
    if (m_ui)
        m_ui->SetDirty(true);
}

void KyMaskSetEditor::OnSize(UINT type, int, int)
{
    if (type != SIZE_MINIMIZED && m_initialSize.cx > 0)
        m_layout.Layout();
}

LRESULT KyMaskSetEditor::OnGetMinMaxInfo(WPARAM, LPARAM lParam)
{
    if (m_initialSize.cx > 0) {
        MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = m_initialSize.cx;
        info->ptMinTrackSize.y = m_initialSize.cy;
    }
    return 0;
}

void KyMaskSetEditor::OnDestroy()
{
    Kyvant::WndEx::SaveWindowState(*this, HKEY_CURRENT_USER, PlacementKey().c_str());
    m_ui.reset();
    CDialog::OnDestroy();
}

// A named set goes back as its name without '&' marks (after the save
// question), an unnamed one as its list of masks.
void KyMaskSetEditor::OnOK()
{
    try {
        if (!UpdateData(TRUE))
            return;
        if (!m_currentName.empty() && !m_ui->AskToSaveIfDirty(false))
            return;
        const Kyvant::ky_S text = m_currentName.empty()
                                      ? Kyvant::MaskSetText::FromLines(m_contents)
                                      : Kyvant::ky_S(Kyvant::MaskDB::UnAmpersand(m_currentName));
        Kyvant::MasksCombo::Show(m_masks, text.c_str());
        EndDialog(IDOK);
    } catch (const std::exception& e) {
        throw Kyvant::MfcStdException::Create(e);
    }
}

void KyMaskSetEditor::OnCancel()
{
    try {
        if (m_ui && !m_ui->AskToSaveIfDirty(true))
            return;
        EndDialog(IDCANCEL);
    } catch (const std::exception& e) {
        throw Kyvant::MfcStdException::Create(e);
    }
}
