// KyReplaceGSubDialogPage: construction from the registry, data exchange with
// the rule checks, arguments, registry state, start-up, the prologue controls
// and the change notifications that mark the plan dirty.
#include "KyTools/Replace/KyReplaceGSubDialogPage.h"

#include "KyGui/Adapters/DataExchange.h"
#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGui/Helpers/ComboBoxEx.h"
#include "KyGui/Helpers/DialogEx.h"
#include "KyGui/Helpers/ListBoxEx.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGui/Lists/EditableListBox.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/Storage/StorageResource.h"
#include "KyStd/Registry/RegValues.h"
#include "KyTools/PageSupport/PageExchange.h"
#include "KyTools/Replace/ReplacePlanDbUI.h"
#include "KyTools/Replace/ReplaceResource.h"
#include "KyTools/Replace/ReplaceText.h"

#include <algorithm>
#include <exception>
#include <vector>

namespace {

using Kyvant::ky_S;

const int kToolProxyId = 32005;

const char kConfigNameValue[] = "ConfigName";
const char kConfigValue[] = "Config";
const char kPrologueHistoryList[] = "MRUPrologueScript";

#define KY_REPLACE_HELP(id) id, (static_cast<DWORD>(id) << 16) | IDD_KY_REPLACE_PAGE
const DWORD kHelpIds[] = {KY_REPLACE_HELP(IDC_KY_REPLACE_NO_CONFIRM),
                          KY_REPLACE_HELP(IDC_KY_REPLACE_VERBOSE),
                          KY_REPLACE_HELP(IDC_KY_REPLACE_PROLOGUE_FILE),
                          KY_REPLACE_HELP(IDC_KY_REPLACE_GRID),
                          KY_REPLACE_HELP(IDC_KY_REPLACE_PLAN_SAVE),
                          KY_REPLACE_HELP(IDC_KY_REPLACE_PLAN_DELETE),
                          KY_REPLACE_HELP(IDC_KY_REPLACE_BACKUPS),
                          KY_REPLACE_HELP(IDC_KY_REPLACE_PLAN_NEW),
                          KY_REPLACE_HELP(IDC_KY_REPLACE_PROLOGUE),
                          KY_REPLACE_HELP(IDC_KY_REPLACE_RULE_EDITOR),
                          KY_REPLACE_HELP(IDC_KY_REPLACE_QUICK_SCRIPT),
                          KY_REPLACE_HELP(IDC_KY_REPLACE_BINARY),
                          KY_REPLACE_HELP(IDC_KY_REPLACE_LINE_MODE),
                          KY_REPLACE_HELP(IDC_KY_REPLACE_PLAN_NAMES),
                          KY_REPLACE_HELP(IDC_KY_REPLACE_PLAN_MENU),
                          KY_REPLACE_HELP(IDC_KY_REPLACE_PROLOGUE_BROWSE),
                          0,
                          0};
#undef KY_REPLACE_HELP

// The plan kept in "Config"; one that does not decode is replaced by an empty
// plan, so that the page, and the dialog holding it, still opens.
Kyvant::ReplacePlan StoredPlan(const Kyvant::RegKey& settings)
{
    Kyvant::ReplacePlan plan;
    if (settings.empty())
        return plan;
    ky_S stored;
    stored.LoadStringA(settings.get(), kConfigValue, nullptr);
    try {
        plan.LoadContents(stored);
    } catch (const std::exception&) {
        plan = Kyvant::ReplacePlan();
    }
    return plan;
}

bool Checked(const CWnd& page, int id)
{
    return page.IsDlgButtonChecked(id) == BST_CHECKED;
}

} // namespace

IMPLEMENT_DYNAMIC(KyReplaceGSubDialogPage, KySubDialogPage)

BEGIN_MESSAGE_MAP(KyReplaceGSubDialogPage, KySubDialogPage)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_REPLACE_BACKUPS, IDC_KY_REPLACE_BACKUPS, OnOptionChanged)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_REPLACE_BINARY, IDC_KY_REPLACE_LINE_MODE, OnOptionChanged)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_REPLACE_NO_CONFIRM, IDC_KY_REPLACE_VERBOSE, OnOptionChanged)
ON_CONTROL_RANGE(CBN_EDITCHANGE, IDC_KY_REPLACE_PROLOGUE_FILE, IDC_KY_REPLACE_PROLOGUE_FILE,
                 OnOptionChanged)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_KY_REPLACE_PROLOGUE_FILE, IDC_KY_REPLACE_PROLOGUE_FILE,
                 OnOptionChanged)
ON_BN_CLICKED(IDC_KY_REPLACE_PROLOGUE, OnPrologueClicked)
ON_BN_CLICKED(IDC_KY_REPLACE_QUICK_SCRIPT, OnQuickScriptClicked)
ON_MESSAGE(KyButtonEditorInvoker::kInvokeMessage, OnInvokeEditor)
ON_MESSAGE(WM_KY_LIST_TEXT_CHANGED, OnGridChanged)
ON_MESSAGE(WM_KY_LIST_ITEM_DELETED, OnGridChanged)
ON_MESSAGE(WM_KY_LIST_ITEM_MOVED, OnGridChanged)
END_MESSAGE_MAP()

KyReplaceGSubDialogPage::KyReplaceGSubDialogPage(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                                                 const Kyvant::RegKey& settings)
    : KySubDialogPage(IDD_KY_REPLACE_PAGE, Kyvant::ky_I(), kHelpIds, bridge, kToolProxyId),
      m_saving(false), m_settings(settings), m_db(Kyvant::ReplacePlanDB::Instance()),
      m_plan(StoredPlan(settings)), m_quiet(0), m_planMenu(IDR_KY_STORAGE_MENU),
      m_prologueBrowse(KyButtonEditorInvoker::kChooseFile),
      m_ruleEditor(KyButtonEditorInvoker::kEditText)
{
    if (!m_settings.empty()) {
        m_prologueHistory.reset(new Kyvant::RegMRUReader<ky_S>(m_settings, kPrologueHistoryList));
        m_prologueHistoryWriter.reset(
            new Kyvant::RegMRUWriter<ky_S>(*m_prologueHistory, kPrologueHistorySize));
    }
    ShowOptions(m_plan);
}

KyReplaceGSubDialogPage::~KyReplaceGSubDialogPage() = default;

void KyReplaceGSubDialogPage::DoDataExchange(CDataExchange* pDX)
{
    StopGridEditing();
    KySubDialogPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KY_REPLACE_PLAN_MENU, m_planMenu);
    DDX_Control(pDX, IDC_KY_REPLACE_QUICK_SCRIPT, m_quickScriptButton);
    DDX_Control(pDX, IDC_KY_REPLACE_PROLOGUE_BROWSE, m_prologueBrowse);
    DDX_Control(pDX, IDC_KY_REPLACE_PROLOGUE, m_prologueBox);
    DDX_Control(pDX, IDC_KY_REPLACE_PROLOGUE_FILE, m_prologueFileCombo);
    DDX_Control(pDX, IDC_KY_REPLACE_PLAN_NAMES, m_planNames);
    DDX_Control(pDX, IDC_KY_REPLACE_PLAN_NEW, m_planNew);
    DDX_Control(pDX, IDC_KY_REPLACE_PLAN_DELETE, m_planDelete);
    DDX_Control(pDX, IDC_KY_REPLACE_PLAN_SAVE, m_planSave);
    DDX_Control(pDX, IDC_KY_REPLACE_RULE_EDITOR, m_ruleEditor);
    DDX_Control(pDX, IDC_KY_REPLACE_GRID, m_grid);
    DDX_Check(pDX, IDC_KY_REPLACE_BACKUPS, m_options.backups);
    DDX_CB_string_exact(pDX, IDC_KY_REPLACE_PLAN_NAMES, m_planName);
    DDV_string_MaxLength(pDX, m_planName, kMaxPlanName);
    DDX_Check(pDX, IDC_KY_REPLACE_BINARY, m_options.binary);
    DDX_Check(pDX, IDC_KY_REPLACE_NO_CONFIRM, m_options.noConfirm);
    DDX_Check(pDX, IDC_KY_REPLACE_VERBOSE, m_options.verbose);
    DDX_Check(pDX, IDC_KY_REPLACE_LINE_MODE, m_options.lineMode);
    DDX_CB_string_exact(pDX, IDC_KY_REPLACE_PROLOGUE_FILE, m_options.prologueFile);
    DDX_Check(pDX, IDC_KY_REPLACE_PROLOGUE, m_options.usePrologue);
    if (pDX->m_bSaveAndValidate)
        ValidateRules(*pDX);
}

void KyReplaceGSubDialogPage::ValidateRules(CDataExchange& dx)
{
    StopGridEditing();
    Kyvant::PageExchange::PrepareCtrl(dx, m_grid);
    const unsigned rows = static_cast<unsigned>(std::max(m_grid.GetCount(), 0));
    bool anyActive = false;
    for (unsigned row = 0; row < rows; ++row) {
        if (!m_grid.IsChecked(row, KyReplaceGPatternListBox::kActive))
            continue;
        anyActive = true;
        if (*m_grid.CellText(row, KyReplaceGPatternListBox::kFind) != '\0')
            continue;
        AfxMessageBox(IDS_KY_REPLACE_ZERO_LENGTH, MB_OK);
        m_grid.SetCurSel(static_cast<int>(row));
        m_grid.BeginEditing(KYB_Editor::Keyboard, CPoint(0, 0));
        // The failure's focus goes to the row's editor, not the grid (which
        // would take it from the editor).
        if (KYB_Editor* editor = m_grid.GetEditorPtr())
            Kyvant::PageExchange::PrepareCtrl(dx, editor->GetFocusWindow());
        dx.Fail();
    }
    if (!anyActive)
        Kyvant::PageExchange::Fail(
            dx, Kyvant::ReplaceText::Load(IDS_KY_REPLACE_NO_ACTIVE_RULES).c_str());
}

Kyvant::ReplacePlan KyReplaceGSubDialogPage::BuildPlan()
{
    if (m_hWnd != nullptr)
        m_options.ReadControls(*this, m_prologueFileCombo);
    const Kyvant::ReplaceRuleVector rules =
        m_grid.m_hWnd != nullptr ? m_grid.GetRules() : m_plan.Rules();
    return m_options.WithRules(rules);
}

void KyReplaceGSubDialogPage::UpdateArgv(const ArgSink& argv)
{
    m_plan = BuildPlan();
    if (m_planName.empty())
        m_plan.StoreAsCmdArgs(argv);
    else
        argv.append(ky_S("-R") += m_planName.c_str());
    if (m_saving && m_options.noConfirm == 0)
        argv.append(ky_S("-N"));
    argv.append(KyGuiApp::GetPureShellArgSep());
}

void KyReplaceGSubDialogPage::SaveState()
{
    if (m_settings.empty())
        return;
    const HKEY key = m_settings.get();
    Kyvant::WriteRegistryString(key, kConfigNameValue, m_planName);
    ky_S stored;
    m_plan.StoreContents(stored);
    Kyvant::WriteRegistryString(key, kConfigValue, stored);
    if (m_prologueHistoryWriter)
        m_prologueHistoryWriter->Add(ky_S(m_options.prologueFile));
}

bool KyReplaceGSubDialogPage::AllowOK()
{
    if (m_planName.empty() || !m_ui)
        return true;
    return m_ui->AskToSaveIfDirty(false);
}

bool KyReplaceGSubDialogPage::AllowCancel()
{
    if ((m_planName.empty() && GetAppBridge()->DocFileIncludesTool()) || !m_ui)
        return true;
    return m_ui->AskToSaveIfDirty(true);
}

BOOL KyReplaceGSubDialogPage::OnInitDialog()
{
    try {
        KySubDialogPage::OnInitDialog();
        m_ui.reset(new ReplacePlanDbUI(*this));
        m_grid.InsertRuleColumns();
        m_grid.CreateHeaders();
        m_grid.SetDefaultItemHeight();
        Kyvant::ListBoxEx::SetIntegralHeight(m_grid, m_grid.GetItemHeight(0), false, true,
                                             m_grid.GetWindow(GW_HWNDNEXT), nullptr);
        FillPrologueHistory();
        ky_S name;
        if (!m_settings.empty())
            name.LoadStringA(m_settings.get(), kConfigNameValue, nullptr);
        m_planName = name;
        if (m_ui->Select(m_planName) < 0) {
            ShowPlan(m_plan);
            SetDirty(false);
        } else {
            m_ui->HandleSelChange();
        }
        Kyvant::WndEx::SetHeightEqual(m_planMenu, m_planNames);
        Kyvant::WndEx::SetHeightEqual(m_prologueBrowse, m_prologueFileCombo);
        std::vector<Kyvant::GridHeaderTips::Tip> tips;
        for (unsigned column = 0; column < KyReplaceGPatternListBox::kColumnCount; ++column) {
            const UINT tip = KyReplaceGPatternListBox::Info(column).tip;
            if (tip != 0)
                tips.push_back({column, tip});
        }
        m_headerTips.Build(*this, m_grid, tips, IDC_KY_REPLACE_HEADER_SPOT);
        if (m_grid.GetCount() == 0 && m_db.empty())
            m_ui->AfterNew();
        else
            FocusFirstTabStop();
    } catch (const std::exception& e) {
        throw Kyvant::MfcStdException::Create(e);
    }
    return FALSE;
}

BOOL KyReplaceGSubDialogPage::PreTranslateMessage(MSG* pMsg)
{
    m_headerTips.Relay(pMsg);
    return KySubDialogPage::PreTranslateMessage(pMsg);
}

BOOL KyReplaceGSubDialogPage::OnCmdMsg(UINT nID, int nCode, void* pExtra,
                                       AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (nID == IDC_KY_REPLACE_PLAN_NAMES && nCode == CBN_SELCHANGE && pHandlerInfo == nullptr)
        DocSetModified();
    if (m_ui && m_ui->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return KySubDialogPage::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void KyReplaceGSubDialogPage::SetDirty(bool dirty)
{
    if (m_ui)
        m_ui->SetDirty(dirty);
    if (dirty)
        DocSetModified();
}

void KyReplaceGSubDialogPage::ShowOptions(const Kyvant::ReplacePlan& plan)
{
    m_options = Kyvant::ReplacePlanOptions(plan);
    if (m_hWnd != nullptr)
        m_options.ShowBoxes(*this);
}

void KyReplaceGSubDialogPage::ShowPrologueFile()
{
    if (m_prologueFileCombo.m_hWnd == nullptr)
        return;
    ++m_quiet;
    Kyvant::ComboBoxEx::SetCurSelExact(m_prologueFileCombo, m_options.prologueFile.c_str());
    --m_quiet;
}

void KyReplaceGSubDialogPage::ShowPlan(const Kyvant::ReplacePlan& plan)
{
    m_plan = plan;
    ++m_quiet;
    try {
        ShowOptions(plan);
        if (m_grid.m_hWnd != nullptr)
            m_grid.SetRules(plan.Rules());
    } catch (...) {
        --m_quiet;
        throw;
    }
    --m_quiet;
    ShowPrologueFile();
    UpdatePrologueControls();
}

void KyReplaceGSubDialogPage::ClearContents(bool interactive)
{
    ++m_quiet;
    if (m_grid.m_hWnd != nullptr) {
        m_grid.StopEditing(false, true, false);
        m_grid.ResetContent();
    }
    ShowOptions(Kyvant::ReplacePlan());
    if (m_prologueFileCombo.m_hWnd != nullptr)
        m_prologueFileCombo.SetCurSel(-1);
    --m_quiet;
    UpdatePrologueControls();
    if (!interactive)
        return;
    if (m_grid.m_hWnd != nullptr)
        Kyvant::DialogEx::GotoDialogControl(m_grid, true);
    DocSetModified();
}

void KyReplaceGSubDialogPage::UpdatePrologueControls()
{
    if (m_hWnd == nullptr)
        return;
    const BOOL enable = Checked(*this, IDC_KY_REPLACE_PROLOGUE) ? TRUE : FALSE;
    m_prologueFileCombo.EnableWindow(enable);
    m_prologueBrowse.EnableWindow(enable);
    m_quickScriptButton.EnableWindow(enable);
    const UINT caption =
        m_options.quickScript.empty() ? IDS_KY_REPLACE_QUICK : IDS_KY_REPLACE_QUICK_SET;
    m_quickScriptButton.SetWindowText(Kyvant::ReplaceText::Load(caption).c_str());
}

void KyReplaceGSubDialogPage::StartFirstRule()
{
    if (m_grid.m_hWnd == nullptr || m_grid.GetCount() != 0)
        return;
    const int row = m_grid.CreateNewEmptyItem(-1);
    if (row < 0)
        return;
    m_grid.SetCurSel(row);
    Kyvant::DialogEx::GotoDialogControl(m_grid, true);
    m_grid.BeginEditing(KYB_Editor::Keyboard, CPoint(0, 0));
}

void KyReplaceGSubDialogPage::StopGridEditing()
{
    if (m_grid.m_hWnd != nullptr)
        m_grid.StopEditing(true, true, true);
}

void KyReplaceGSubDialogPage::FillPrologueHistory()
{
    m_prologueFileCombo.ResetContent();
    if (!m_prologueHistory)
        return;
    for (const ky_S* file = m_prologueHistory->GetFirst(); file != nullptr;
         file = m_prologueHistory->GetNext())
        m_prologueFileCombo.AddString(file->c_str());
}

void KyReplaceGSubDialogPage::FocusFirstTabStop()
{
    Kyvant::DialogEx::ResetFocus(*this);
}

void KyReplaceGSubDialogPage::OnOptionChanged(UINT)
{
    if (m_quiet == 0)
        SetDirty(true);
}

void KyReplaceGSubDialogPage::OnPrologueClicked()
{
    UpdatePrologueControls();
    SetDirty(true);
}

LRESULT KyReplaceGSubDialogPage::OnGridChanged(WPARAM, LPARAM lParam)
{
    if (reinterpret_cast<CWnd*>(lParam) == &m_grid && m_quiet == 0)
        SetDirty(true);
    return 0;
}
