// PathPlanSelectorSubDialog: the check list kept in line with the database,
// checking plans by name, the label's counts and the two buttons, the
// layout, the check on OK, the arguments, registry state and task records.
#include "KyGuiTool/PathPlans/PathPlanSelectorSubDialog.h"

#include "KyGui/Adapters/DataExchange.h"
#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGui/Helpers/DialogEx.h"
#include "KyGui/Helpers/ListBoxEx.h"
#include "KyGuiTool/PathPlans/PathPlanPageGuids.h"
#include "KyGuiTool/PathPlans/PathPlanSupport.h"
#include "KyGuiTool/PathPlans/PathPlansResource.h"
#include "KyGuiTool/ShellObjEdit/ShellObjEditResource.h"
#include "KyGuiTool/TaskFiles/ToolDocFile.h"
#include "KyStd/Registry/RegValues.h"

#include <exception>
#include <vector>

using namespace Kyvant;
using namespace Kyvant::PathPlanSupport;

namespace {

const char kLabelEnd[] = ":";
const char kMissingNameStart = '\t';
const char kMissingNameEnd = '\n';

#define KY_PP_CHOOSER_HELP(id) id, (static_cast<DWORD>(id) << 16) | IDD_KY_PATH_PLAN_SELECTOR
const DWORD kHelpIds[] = {KY_PP_CHOOSER_HELP(IDC_KY_PP_CHOOSER_LABEL),
                          KY_PP_CHOOSER_HELP(IDC_KY_PP_CHOOSER_LIST),
                          KY_PP_CHOOSER_HELP(IDC_KY_PP_CHECK_ALL),
                          KY_PP_CHOOSER_HELP(IDC_KY_PP_CHECK_NONE),
                          KY_PP_CHOOSER_HELP(IDC_KY_PP_MASK_SET),
                          KY_PP_CHOOSER_HELP(IDC_KY_PP_MASKS),
                          KY_PP_CHOOSER_HELP(IDC_KY_PP_EXCEPTIONS),
                          KY_PP_CHOOSER_HELP(IDC_KY_PP_ADVANCED),
                          KY_PP_CHOOSER_HELP(IDC_KY_PP_RESTORE),
                          0,
                          0};
#undef KY_PP_CHOOSER_HELP

using NameTexts = forward_input_sequencer<PathPlanSelectorSubDialog::NameList,
                                          static_hierarchy_converter<ky_I, ky_BSB<char>>>;

} // namespace

const char PathPlanSelectorSubDialog::kPlanListValue[] = "PathPlanList";

IMPLEMENT_DYNAMIC(PathPlanSelectorSubDialog, KyPathPlanSubDialogBase)

BEGIN_MESSAGE_MAP(PathPlanSelectorSubDialog, KyPathPlanSubDialogBase)
ON_BN_CLICKED(IDC_KY_PP_CHECK_ALL, OnCheckAll)
ON_BN_CLICKED(IDC_KY_PP_CHECK_NONE, OnUncheckAll)
ON_CONTROL(KY_CLBN_CHECK_CHANGED, IDC_KY_PP_CHOOSER_LIST, OnChkChange)
ON_WM_SIZE()
END_MESSAGE_MAP()

PathPlanSelectorSubDialog::PathPlanSelectorSubDialog(const rc_ptr<AppBridge>& bridge)
    : KyPathPlanSubDialogBase(IDD_KY_PATH_PLAN_SELECTOR, PageGuids::PathPlan::Chooser, kHelpIds,
                              bridge, ky_S()),
      m_db(PathPlanDB::Instance()), m_shownCount(-1), m_shownChecked(-1), m_laidOut(false)
{
}

PathPlanSelectorSubDialog::~PathPlanSelectorSubDialog() = default;

void PathPlanSelectorSubDialog::DoDataExchange(CDataExchange* pDX)
{
    KyPathPlanSubDialogBase::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KY_PP_CHOOSER_LABEL, m_label);
    DDX_Control(pDX, IDC_KY_PP_CHECK_ALL, m_checkAll);
    DDX_Control(pDX, IDC_KY_PP_CHECK_NONE, m_checkNone);
    DDX_Control(pDX, IDC_KY_PP_CHOOSER_LIST, m_list);
    if (!pDX->m_bSaveAndValidate)
        return;
    ky_DDV_PrepareCtrl(*pDX, m_list);
    m_checkedNames.clear();
    for (int i = 0; i < m_list.GetCount(); ++i) {
        if (m_list.GetCheck(i) == KyCheckListBoxBase::kChecked)
            m_checkedNames.push_back(EntryName(i));
    }
    if (m_checkedNames.empty())
        ky_DDV_General_Fail(*pDX, Load(IDS_KY_PP_NO_PLAN_CHECKED).c_str());
}

BOOL PathPlanSelectorSubDialog::OnInitDialog()
{
    try {
        KyPathPlanSubDialogBase::OnInitDialog();
        SetUpLayout();
        UpdateList();
        RestoreState(m_pageKey);
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    }
    return TRUE;
}

// The masks row keeps to the bottom edge, the list stretches to it.
void PathPlanSelectorSubDialog::SetUpLayout()
{
    using Side = SimpleLayoutManager::Side;
    for (CWnd* window : {static_cast<CWnd*>(&m_maskSet), static_cast<CWnd*>(&m_masksCombo),
                         static_cast<CWnd*>(&m_exceptionsButton), static_cast<CWnd*>(&m_advanced),
                         static_cast<CWnd*>(&m_restore)})
        m_layout.m_sideWindows.Add(*window, Side::Bottom);
    m_layout.m_stretchyWindows.Add(m_list, Side::Bottom);
    m_laidOut = true;
    FitList();
}

void PathPlanSelectorSubDialog::FitList()
{
    const int rowHeight = m_list.GetItemHeight(0);
    if (rowHeight > 0)
        ListBoxEx::SetIntegralHeight(m_list, rowHeight, false, false, nullptr, nullptr, true,
                                     kMinListRows);
}

void PathPlanSelectorSubDialog::OnSize(UINT type, int cx, int cy)
{
    KyPathPlanSubDialogBase::OnSize(type, cx, cy);
    if (!m_laidOut || type == SIZE_MINIMIZED)
        return;
    m_layout.Layout();
    FitList();
}

void PathPlanSelectorSubDialog::OnActivatePage()
{
    try {
        UpdateList();
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    }
}

ky_I PathPlanSelectorSubDialog::EntryName(int index) const
{
    CString text;
    m_list.GetText(index, text);
    return ky_I(static_cast<LPCSTR>(text));
}

void PathPlanSelectorSubDialog::UpdateList()
{
    if (m_list.m_hWnd == nullptr)
        return;
    for (int i = m_list.GetCount() - 1; i >= 0; --i) {
        if (m_db.find(EntryName(i)) == m_db.end())
            m_list.DeleteString(static_cast<UINT>(i));
    }
    int index = 0;
    for (auto plan = m_db.begin(); plan != m_db.end(); ++plan, ++index) {
        const ky_I& name = plan->first;
        if (index < m_list.GetCount() && EntryName(index) == name)
            continue;
        m_list.InsertString(index, name.c_str());
        m_list.SetCheck(index, KyCheckListBoxBase::kUnchecked);
    }
    OnChkChange();
}

void PathPlanSelectorSubDialog::CheckNames(const ky_BSB<char>& joinedNames)
{
    std::vector<ky_BSB<char>> pieces;
    const char separator[] = {kNameSeparator, '\0'};
    ky_S(joinedNames)
        .Split(back_insert_sequencer<std::vector<ky_BSB<char>>>(pieces), separator, false);
    NameSet names;
    for (const ky_BSB<char>& piece : pieces)
        names.insert(ky_I(piece));
    CheckNames(names);
}

void PathPlanSelectorSubDialog::CheckNames(RegKey& key)
{
    ky_S joined;
    joined.LoadStringA(key.get(), kPlanListValue, "");
    CheckNames(joined);
}

// The first checked entry also gets the caret and is the one selected.
void PathPlanSelectorSubDialog::CheckNames(NameSet& names)
{
    int first = -1;
    for (int i = 0; i < m_list.GetCount(); ++i) {
        const auto found = names.find(EntryName(i));
        const bool checked = found != names.end();
        m_list.SetCheck(i, checked ? KyCheckListBoxBase::kChecked : KyCheckListBoxBase::kUnchecked);
        if (!checked)
            continue;
        names.erase(found);
        if (first < 0)
            first = i;
    }
    if (first >= 0) {
        m_list.SetCaretIndex(first);
        m_list.SetSel(-1, FALSE);
        m_list.SetSel(first, TRUE);
    }
    OnChkChange();
    if (names.empty())
        return;
    ky_S message = Load(IDS_KY_PP_MISSING_PLANS);
    for (const ky_I& name : names) {
        message += kMissingNameStart;
        message += name;
        message += kMissingNameEnd;
    }
    AfxMessageBox(message.c_str(), MB_OK);
}

void PathPlanSelectorSubDialog::SetAllChecks(int state)
{
    if (m_list.m_hWnd == nullptr)
        return;
    for (int i = 0; i < m_list.GetCount(); ++i)
        m_list.SetCheck(i, state);
}

void PathPlanSelectorSubDialog::OnCheckAll()
{
    SetAllChecks(KyCheckListBoxBase::kChecked);
    OnChkChange();
}

void PathPlanSelectorSubDialog::OnUncheckAll()
{
    SetAllChecks(KyCheckListBoxBase::kUnchecked);
    OnChkChange();
}

// The label counts the checked plans and all of them; the buttons offer
// what would change something.
void PathPlanSelectorSubDialog::OnChkChange()
{
    DocSetModified();
    if (m_list.m_hWnd == nullptr)
        return;
    const int count = m_list.GetCount();
    int checked = 0;
    for (int i = 0; i < count; ++i)
        checked += m_list.GetCheck(i) == KyCheckListBoxBase::kChecked ? 1 : 0;
    if (count == m_shownCount && checked == m_shownChecked)
        return;
    m_shownCount = count;
    m_shownChecked = checked;
    CString label(Load(IDS_KY_PATH_PLANS).c_str());
    if (checked > 0) {
        CString counts;
        counts.Format(Load(IDS_KY_PP_COUNTS).c_str(), checked, count);
        label += counts;
    } else {
        label += kLabelEnd;
    }
    m_label.SetWindowText(label);
    DialogEx::EnablePushButton(m_checkAll, checked < count, *this);
    DialogEx::EnablePushButton(m_checkNone, checked > 0, *this);
}

ky_S PathPlanSelectorSubDialog::JoinedCheckedNames() const
{
    ky_S joined;
    for (const ky_I& name : m_checkedNames) {
        if (!joined.empty())
            joined += kNameSeparator;
        joined += name;
    }
    return joined;
}

void PathPlanSelectorSubDialog::UpdateArgv(const ArgSink& argv)
{
    KyPathPlanSubDialogBase::UpdateArgv(argv);
    m_db.StoreAsCmdArgs(NameTexts(m_checkedNames), argv, false);
}

void PathPlanSelectorSubDialog::SaveState(RegKey& key)
{
    KyPathPlanSubDialogBase::SaveState(key);
    WriteRegistryString(key.get(), kPlanListValue, JoinedCheckedNames());
}

void PathPlanSelectorSubDialog::RestoreState(RegKey& key)
{
    CheckNames(key);
    KyPathPlanSubDialogBase::RestoreState(key);
}

void PathPlanSelectorSubDialog::DocWriteRecords(ToolDoc::File& file)
{
    file.Write(PlanListRecord, JoinedCheckedNames());
    KyPathPlanSubDialogBase::DocWriteRecords(file);
}

void PathPlanSelectorSubDialog::DocProcessRecord(ToolDoc::RecHeader& header, void* payload)
{
    if (header.type == PlanListRecord)
        CheckNames(ky_S(static_cast<const char*>(payload), header.length));
    else
        KyPathPlanSubDialogBase::DocProcessRecord(header, payload);
}

void PathPlanSelectorSubDialog::DocOnNew()
{
    OnUncheckAll();
    KyPathPlanSubDialogBase::DocOnNew();
}

void PathPlanSelectorSubDialog::DocOnFinishNew() {}

void PathPlanSelectorSubDialog::DocOnStartLoad(const ky_F& file)
{
    OnUncheckAll();
    KyPathPlanSubDialogBase::DocOnStartLoad(file);
}
