// PathPlanEditorSubDialog: construction, start-up with the Explorer
// selection, layout, data exchange with the rule checks, the depth combo,
// the plan's save question on OK, Cancel and leaving the page, and the
// change notifications that make the plan dirty.
#include "KyGuiTool/PathPlans/PathPlanEditorSubDialog.h"

#include "KyGui/Adapters/DataExchange.h"
#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGui/Helpers/ListBoxEx.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/MaskSets/MasksCombo.h"
#include "KyGuiTool/PathLists/KyBigEditor.h"
#include "KyGuiTool/PathPlans/ExplorerHandoff.h"
#include "KyGuiTool/PathPlans/PathPlanPageGuids.h"
#include "KyGuiTool/PathPlans/PathPlanSupport.h"
#include "KyGuiTool/PathPlans/PathPlansResource.h"
#include "KyGuiTool/Storage/StorageResource.h"
#include "KyStd/Containers/Sequencer.h"

#include <climits>
#include <cstring>
#include <exception>
#include <vector>

using namespace Kyvant;
using namespace Kyvant::PathPlanSupport;

namespace {

const char kAllFiles[] = "*";
const char kDepthSeparators[] = ";";
const char kFolderSearchEnds[] = "\\/:";

#define KY_PP_EDITOR_HELP(id) id, (static_cast<DWORD>(id) << 16) | IDD_KY_PATH_PLAN_EDITOR
const DWORD kHelpIds[] = {KY_PP_EDITOR_HELP(IDC_KY_PP_PLAN_MENU),
                          KY_PP_EDITOR_HELP(IDC_KY_PP_PLAN_NAMES),
                          KY_PP_EDITOR_HELP(IDC_KY_PP_PLAN_SAVE),
                          KY_PP_EDITOR_HELP(IDC_KY_PP_PLAN_DELETE),
                          KY_PP_EDITOR_HELP(IDC_KY_PP_PLAN_NEW),
                          KY_PP_EDITOR_HELP(IDC_KY_PP_RULES_EDITOR),
                          KY_PP_EDITOR_HELP(IDC_KY_PP_RULES),
                          KY_PP_EDITOR_HELP(IDC_KY_PP_DEPTH_LABEL),
                          KY_PP_EDITOR_HELP(IDC_KY_PP_DEPTH),
                          KY_PP_EDITOR_HELP(IDC_KY_PP_MASK_SET),
                          KY_PP_EDITOR_HELP(IDC_KY_PP_MASKS),
                          KY_PP_EDITOR_HELP(IDC_KY_PP_EXCEPTIONS),
                          KY_PP_EDITOR_HELP(IDC_KY_PP_ADVANCED),
                          KY_PP_EDITOR_HELP(IDC_KY_PP_RESTORE),
                          0,
                          0};
#undef KY_PP_EDITOR_HELP

using Lines = std::vector<ky_BSB<char>>;

bool StartsWith(const ky_BSB<char>& text, const char* prefix)
{
    return std::strncmp(text.c_str(), prefix, std::strlen(prefix)) == 0;
}

} // namespace

const char PathPlanEditorSubDialog::kPlanValue[] = "Plan";
const char PathPlanEditorSubDialog::kPathsList[] = "Paths";
const char PathPlanEditorSubDialog::kDepthValue[] = "MaxRecursionDepth";

IMPLEMENT_DYNAMIC(PathPlanEditorSubDialog, KyPathPlanSubDialogBase)

BEGIN_MESSAGE_MAP(PathPlanEditorSubDialog, KyPathPlanSubDialogBase)
ON_CBN_SELCHANGE(IDC_KY_PP_DEPTH, OnControlChange)
ON_CBN_EDITCHANGE(IDC_KY_PP_DEPTH, OnControlChange)
ON_MESSAGE(WM_KY_LIST_TEXT_CHANGED, OnPathListItemModified)
ON_MESSAGE(WM_KY_LIST_ITEM_DELETED, OnPathListItemModified)
ON_MESSAGE(WM_KY_LIST_ITEM_MOVED, OnPathListItemModified)
ON_MESSAGE(WM_KY_FILES_DROPPED, OnPathListItemModified)
END_MESSAGE_MAP()

PathPlanEditorSubDialog::PathPlanEditorSubDialog(const rc_ptr<AppBridge>& bridge,
                                                 const char* handoffKeyPath)
    : KyPathPlanSubDialogBase(IDD_KY_PATH_PLAN_EDITOR, PageGuids::PathPlan::Editor, kHelpIds,
                              bridge, ky_S()),
      m_db(PathPlanDB::Instance()), m_saveState(true), m_fromExplorer(false),
      m_handoffKeyPath(handoffKeyPath != nullptr ? handoffKeyPath : ""),
      m_planMenu(IDR_KY_STORAGE_MENU), m_rulesEditor(KyButtonEditorInvoker::kEditText)
{
}

PathPlanEditorSubDialog::~PathPlanEditorSubDialog() = default;

void PathPlanEditorSubDialog::DoDataExchange(CDataExchange* pDX)
{
    StopRuleEditing();
    KyPathPlanSubDialogBase::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KY_PP_PLAN_MENU, m_planMenu);
    DDX_Control(pDX, IDC_KY_PP_PLAN_NAMES, m_planNames);
    DDX_Control(pDX, IDC_KY_PP_PLAN_SAVE, m_planSave);
    DDX_Control(pDX, IDC_KY_PP_PLAN_DELETE, m_planDelete);
    DDX_Control(pDX, IDC_KY_PP_PLAN_NEW, m_planNew);
    DDX_Control(pDX, IDC_KY_PP_RULES_EDITOR, m_rulesEditor);
    DDX_Control(pDX, IDC_KY_PP_RULES, m_ruleList);
    DDX_Control(pDX, IDC_KY_PP_DEPTH_LABEL, m_depthLabel);
    DDX_Control(pDX, IDC_KY_PP_DEPTH, m_depthCombo);
    {
        const QuietScope quiet(*this);
        DDX_CB_string_exact(pDX, IDC_KY_PP_PLAN_NAMES, m_planName);
        DDV_string_MaxLength(pDX, m_planName, kMaxPlanNameLength);
        DDX_CB_string_exact(pDX, IDC_KY_PP_DEPTH, m_depth);
        DDV_string_MaxLength(pDX, m_depth, kMaxDepthLength);
    }
    if (pDX->m_bSaveAndValidate)
        ValidateRules(*pDX);
}

bool PathPlanEditorSubDialog::IsFolderSearch(const ky_BSB<char>& rule)
{
    if (rule.empty() || std::strchr(kFolderSearchEnds, rule[rule.length() - 1]) == nullptr)
        return false;
    return std::strchr(rule.c_str(), PathPlanDB::s_PathSectionSeparator) == nullptr &&
           !StartsWith(rule, PathPlanDB::s_LiteralSpecifier) &&
           !StartsWith(rule, PathPlanDB::s_ExceptionSpecifier);
}

// The rules must not be empty, and a folder search needs masks and a depth
// that reads as one.
void PathPlanEditorSubDialog::ValidateRules(CDataExchange& dx)
{
    ky_DDV_PrepareCtrl(dx, m_ruleList);
    const StringList rules = ListedRules();
    if (rules.empty())
        ky_DDV_General_Fail(dx, Load(IDS_KY_PP_EMPTY_LIST).c_str());
    m_rules = rules;
    bool folderSearch = false;
    for (const ky_S& rule : m_rules)
        folderSearch = folderSearch || IsFolderSearch(rule);
    ky_DDV_PrepareCtrl(dx, m_masksCombo);
    if (m_masks.empty() && folderSearch)
        ky_DDV_General_Fail(dx, Load(IDS_KY_PP_NEED_MASKS).c_str());
    ky_DDV_PrepareCtrl(dx, m_depthCombo);
    if (m_depth.empty() && folderSearch)
        ky_DDV_General_Fail(dx, Load(IDS_KY_PP_NEED_DEPTH).c_str());
    try {
        PathPlanDB::TextToMaxRecDepth(ky_I(m_depth));
    } catch (const std::exception& e) {
        ky_DDV_General_Fail(dx, e.what());
    }
}

BOOL PathPlanEditorSubDialog::OnInitDialog()
{
    try {
        KyPathPlanSubDialogBase::OnInitDialog();
        m_ui.reset(new PathPlanDbUI(*this));
        FillDepths();
        TakeExplorerSelection();
        if (!m_fromExplorer)
            RestoreState(m_pageKey);
        LayOut();
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    }
    return TRUE;
}

void PathPlanEditorSubDialog::FillDepths()
{
    std::vector<ky_BSB<char>> depths;
    Load(IDS_KY_PP_DEPTHS)
        .Split(back_insert_sequencer<std::vector<ky_BSB<char>>>(depths), kDepthSeparators, false);
    for (const ky_BSB<char>& depth : depths)
        m_depthCombo.AddString(depth.c_str());
}

// A fresh selection (or one the user still wants) becomes the rules, with an
// infinite depth and all files; this tool's last settings are not restored.
void PathPlanEditorSubDialog::TakeExplorerSelection()
{
    const ExplorerHandoff::Selection selection = ExplorerHandoff::Take(m_handoffKeyPath);
    if (selection.state == ExplorerHandoff::Selection::kFailed)
        ReportProblems(selection.problem);
    if (selection.state != ExplorerHandoff::Selection::kTaken)
        return;
    if (selection.responseFile)
        m_saveState = false;
    m_rules = selection.rules;
    ShowRules();
    SetMaxRecDepthWindowText(INT_MAX);
    m_masks = kAllFiles;
    ShowMasks();
    SetDirty(false);
    m_fromExplorer = true;
    GetAppBridge()->SetPathPlanLoadedFromNonDocFile();
}

void PathPlanEditorSubDialog::LayOut()
{
    m_ruleList.SetDefaultItemHeight();
    ListBoxEx::SetIntegralHeight(m_ruleList, m_ruleList.GetItemHeight(0), false, false, nullptr,
                                 nullptr);
    WndEx::SetHeightEqual(m_planMenu, m_planNames);
    WndEx::SetYHEqualToInternalEditBox(m_rulesEditor, m_depthCombo);
    WndEx::SetHeightEqual(m_maskSet, m_masksCombo);
}

void PathPlanEditorSubDialog::SetMaxRecDepthWindowText(int depth)
{
    if (m_depthCombo.m_hWnd == nullptr)
        return;
    const QuietScope quiet(*this);
    ky_S text;
    if (PathPlanDB::MaxRecDepthToText(depth, text))
        m_depthCombo.SetCurSel(0);
    else
        MasksCombo::Show(m_depthCombo, text.c_str());
}

void PathPlanEditorSubDialog::SetMaxRecDepthWindowText(const ky_BSB<char>& text)
{
    if (text.empty()) {
        if (m_depthCombo.m_hWnd != nullptr) {
            const QuietScope quiet(*this);
            m_depthCombo.SetCurSel(-1);
        }
        return;
    }
    SetMaxRecDepthWindowText(PathPlanDB::TextToMaxRecDepth(ky_I(text)));
}

void PathPlanEditorSubDialog::ShowDepthTolerantly(const ky_BSB<char>& text, ky_S& problems)
{
    m_depth = text;
    try {
        SetMaxRecDepthWindowText(text);
    } catch (const std::exception& e) {
        AddProblem(problems, e.what());
        if (m_depthCombo.m_hWnd != nullptr) {
            const QuietScope quiet(*this);
            MasksCombo::Show(m_depthCombo, text.c_str());
        }
    }
}

void PathPlanEditorSubDialog::ShowRules()
{
    if (m_ruleList.m_hWnd == nullptr)
        return;
    const QuietScope quiet(*this);
    m_ruleList.LoadContents(ListTexts(m_rules), true);
    SelectFirstRule();
}

void PathPlanEditorSubDialog::SelectFirstRule()
{
    if (m_ruleList.m_hWnd != nullptr && m_ruleList.GetCount() > 0)
        m_ruleList.SetCurSel(0);
}

void PathPlanEditorSubDialog::StopRuleEditing()
{
    if (m_ruleList.m_hWnd != nullptr)
        m_ruleList.StopEditing(true, true, true);
}

PathPlanEditorSubDialog::StringList PathPlanEditorSubDialog::ListedRules()
{
    Lines lines;
    m_ruleList.StoreContents(back_insert_sequencer<Lines>(lines));
    StringList rules;
    for (const ky_BSB<char>& line : lines)
        rules.push_back(ky_S(line));
    return rules;
}

void PathPlanEditorSubDialog::ClearRulesAndDepth()
{
    m_rules.clear();
    ShowRules();
    m_depth.clear();
    SetMaxRecDepthWindowText(m_depth);
}

void PathPlanEditorSubDialog::ShowPlan(const PathPlanItem& plan)
{
    ky_S problems;
    m_rules = plan.Paths();
    ShowRules();
    m_masks = plan.Masks();
    ShowMasks();
    ShowDepthTolerantly(plan.Depth(), problems);
    m_exceptions = plan.Exceptions();
    const ky_S unreadable = SetFilters(m_filters, plan.Advanced());
    if (!unreadable.empty())
        AddProblem(problems, unreadable.c_str());
    UpdateAllButtonText();
    ReportProblems(problems);
}

PathPlanItem PathPlanEditorSubDialog::BuildItem() const
{
    return PathPlanItem(m_rules, m_masks, m_depth, m_exceptions, FilterTexts(m_filters));
}

void PathPlanEditorSubDialog::SetDirty(bool dirty)
{
    KyPathPlanSubDialogBase::SetDirty(dirty);
    if (m_ui)
        m_ui->SetDirty(dirty);
}

bool PathPlanEditorSubDialog::OnDeactivatePage()
{
    return !m_ui || m_ui->AskToSaveIfDirty(true);
}

bool PathPlanEditorSubDialog::AllowOK()
{
    if (m_planName.empty() || !m_ui)
        return true;
    return m_ui->AskToSaveIfDirty(false);
}

bool PathPlanEditorSubDialog::AllowCancel()
{
    if (m_planName.empty() && GetAppBridge()->DocFileIncludesFileSearch())
        return true;
    return !m_ui || m_ui->AskToSaveIfDirty(true);
}

BOOL PathPlanEditorSubDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra,
                                       AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (nID == IDC_KY_PP_PLAN_NAMES && nCode == CBN_SELCHANGE && pHandlerInfo == nullptr)
        DocSetModified();
    if (m_ui && m_ui->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return KyPathPlanSubDialogBase::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void PathPlanEditorSubDialog::OnControlChange()
{
    if (!Quiet())
        SetDirty(true);
}

LRESULT PathPlanEditorSubDialog::OnPathListItemModified(WPARAM, LPARAM lParam)
{
    if (reinterpret_cast<CWnd*>(lParam) == &m_ruleList && !Quiet())
        SetDirty(true);
    return 0;
}

void PathPlanEditorSubDialog::OnRestoreFromPreviousTool()
{
    try {
        if (m_ui && !m_ui->AskToSaveIfDirty(true))
            return;
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    }
    KyPathPlanSubDialogBase::OnRestoreFromPreviousTool();
}

bool PathPlanEditorSubDialog::OnInvokeAlternateEditor(UINT id)
{
    if (id == IDC_KY_PP_RULES_EDITOR)
        return EditRules();
    return KyPathPlanSubDialogBase::OnInvokeAlternateEditor(id);
}

// The rules one a line; on OK the lines (empty ones dropped) become the rows.
bool PathPlanEditorSubDialog::EditRules()
{
    StopRuleEditing();
    KyBigEditor editor(m_ruleList, Load(IDS_KY_PP_RULE_EDITOR), this);
    editor.LoadContents(m_ruleList, 0);
    editor.GetEditCtrl().SetMultipleFilePermission(true);
    if (editor.DoModal() != IDOK)
        return false;
    {
        const QuietScope quiet(*this);
        editor.StoreContents(m_ruleList, 0);
    }
    if (!editor.IsModified())
        return false;
    SetDirty(true);
    return true;
}
