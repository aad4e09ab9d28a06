// PathPlanIndexingServiceSubDialog's window: its start, layout, data
// exchange with the checks on OK, the mode controls that follow the query,
// the query's larger editor, and the changes that mark the task modified.
#include "KyGuiTool/IndexingServicePage/PathPlanIndexingServiceSubDialog.h"

#include "KyConTool/IndexingService/IndexingServiceMRU.h"
#include "KyGui/Adapters/DataExchange.h"
#include "KyGui/Helpers/ComboBoxEx.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/AdvancedFilters/AdvancedFiltersResource.h"
#include "KyGuiTool/IndexingServicePage/IndexingServicePageResource.h"
#include "KyGuiTool/PathLists/KyBigEditor.h"
#include "KyGuiTool/PathPlans/PathPlanPageGuids.h"
#include "KyGuiTool/PathPlans/PathPlanSupport.h"
#include "KyGuiTool/PathPlans/PathPlansResource.h"
#include "KyGuiTool/ShellObjEdit/HandlerErrors.h"

using namespace Kyvant;
using namespace Kyvant::PathPlanSupport;

namespace {

const char kEntrySeparator = '\n';
// A query keeps its line breaks as line feeds; the editor shows CR LF.
const char kQueryLineEnd[] = "\n";
const char kEditorLineEnd[] = "\r\n";

#define KY_IS_HELP(id) id, (static_cast<DWORD>(id) << 16) | IDD_KY_INDEXING_SERVICE_PAGE
const DWORD kHelpIds[] = {KY_IS_HELP(IDC_KY_IS_CATALOGS_LABEL),
                          KY_IS_HELP(IDC_KY_IS_CATALOGS),
                          KY_IS_HELP(IDC_KY_IS_QUERY_BUTTON),
                          KY_IS_HELP(IDC_KY_IS_QUERY),
                          KY_IS_HELP(IDC_KY_IS_MODE_LABEL),
                          KY_IS_HELP(IDC_KY_IS_MODE),
                          KY_IS_HELP(IDC_KY_IS_SORT_LABEL),
                          KY_IS_HELP(IDC_KY_IS_SORT),
                          KY_IS_HELP(IDC_KY_IS_ORDER_LABEL),
                          KY_IS_HELP(IDC_KY_IS_ORDER),
                          KY_IS_HELP(IDC_KY_PP_MASK_SET),
                          KY_IS_HELP(IDC_KY_PP_MASKS),
                          KY_IS_HELP(IDC_KY_PP_EXCEPTIONS),
                          KY_IS_HELP(IDC_KY_PP_ADVANCED),
                          KY_IS_HELP(IDC_KY_PP_RESTORE),
                          0,
                          0};
#undef KY_IS_HELP

// A drop list's entries from a string of this library, one a line.
void FillDropList(HWND combo, UINT entries)
{
    const ky_S text = Load(entries);
    unsigned start = 0;
    while (start <= text.length()) {
        unsigned end = text.find(kEntrySeparator, start);
        if (end == ky_S::npos)
            end = text.length();
        ::SendMessageA(combo, CB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(text.substr(start, end - start).c_str()));
        start = end + 1;
    }
}

} // namespace

IMPLEMENT_DYNAMIC(PathPlanIndexingServiceSubDialog, KyPathPlanSubDialogBase)

BEGIN_MESSAGE_MAP(PathPlanIndexingServiceSubDialog, KyPathPlanSubDialogBase)
ON_CBN_EDITCHANGE(IDC_KY_IS_QUERY, OnQueryEditChange)
ON_CBN_SELCHANGE(IDC_KY_IS_QUERY, OnQuerySelChange)
ON_CBN_SELCHANGE(IDC_KY_IS_MODE, OnOptionChange)
ON_CBN_SELCHANGE(IDC_KY_IS_SORT, OnOptionChange)
ON_CBN_SELCHANGE(IDC_KY_IS_ORDER, OnOptionChange)
ON_MESSAGE(KyCatalogTreeCtrl::kCheckChangedMessage, OnCatalogCheckChanged)
ON_WM_SIZE()
END_MESSAGE_MAP()

PathPlanIndexingServiceSubDialog::PathPlanIndexingServiceSubDialog(const rc_ptr<AppBridge>& bridge)
    : KyPathPlanSubDialogBase(IDD_KY_INDEXING_SERVICE_PAGE, PageGuids::PathPlan::IndexingService,
                              kHelpIds, bridge, ky_S()),
      m_useSearchParameters(true), m_querySelecting(false), m_laidOut(false),
      m_queryButton(KyButtonEditorInvoker::kEditText)
{
    ResetSearchParameters();
}

PathPlanIndexingServiceSubDialog::~PathPlanIndexingServiceSubDialog() = default;

BOOL PathPlanIndexingServiceSubDialog::OnInitDialog()
{
    try {
        FillDropLists();
        KyPathPlanSubDialogBase::OnInitDialog();
        SetUpLayout();
        RestoreState(m_pageKey);
        FillQueryHistory();
        WndEx::SetHeightEqual(m_queryButton, m_queryCombo);
        UpdateMode();
    } catch (...) {
        RethrowForMfc();
    }
    return TRUE;
}

// Before the first exchange, which selects their entries by index.
void PathPlanIndexingServiceSubDialog::FillDropLists()
{
    FillDropList(::GetDlgItem(m_hWnd, IDC_KY_IS_MODE), IDS_KY_AF_QUERY_MODES);
    FillDropList(::GetDlgItem(m_hWnd, IDC_KY_IS_SORT), IDS_KY_IS_SORT_COLUMNS);
    FillDropList(::GetDlgItem(m_hWnd, IDC_KY_IS_ORDER), IDS_KY_IS_SORT_DIRECTIONS);
}

void PathPlanIndexingServiceSubDialog::FillQueryHistory()
{
    const QuietScope quiet(*this);
    IndexingService::QueryMRU& history = IndexingService::QueryMRU::Instance();
    for (const ky_S* entry = history.GetFirst(); entry != nullptr; entry = history.GetNext())
        m_queryCombo.AddString(entry->c_str());
    ComboBoxEx::SetCurSelExact(m_queryCombo, m_query.c_str());
}

// The masks row keeps to the bottom edge, the tree stretches to it.
void PathPlanIndexingServiceSubDialog::SetUpLayout()
{
    using Side = SimpleLayoutManager::Side;
    for (CWnd* window : {static_cast<CWnd*>(&m_maskSet), static_cast<CWnd*>(&m_masksCombo),
                         static_cast<CWnd*>(&m_exceptionsButton), static_cast<CWnd*>(&m_advanced),
                         static_cast<CWnd*>(&m_restore)})
        m_layout.m_sideWindows.Add(*window, Side::Bottom);
    m_layout.m_stretchyWindows.Add(m_catalogs, Side::Bottom);
    m_laidOut = true;
}

void PathPlanIndexingServiceSubDialog::OnSize(UINT type, int cx, int cy)
{
    KyPathPlanSubDialogBase::OnSize(type, cx, cy);
    if (m_laidOut && type != SIZE_MINIMIZED)
        m_layout.Layout();
}

void PathPlanIndexingServiceSubDialog::DoDataExchange(CDataExchange* pDX)
{
    KyPathPlanSubDialogBase::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KY_IS_CATALOGS, m_catalogs);
    DDX_Control(pDX, IDC_KY_IS_QUERY_BUTTON, m_queryButton);
    DDX_Control(pDX, IDC_KY_IS_QUERY, m_queryCombo);
    DDX_Control(pDX, IDC_KY_IS_MODE_LABEL, m_modeLabel);
    DDX_Control(pDX, IDC_KY_IS_MODE, m_modeCombo);
    DDX_Control(pDX, IDC_KY_IS_SORT, m_sortCombo);
    DDX_Control(pDX, IDC_KY_IS_ORDER, m_orderCombo);
    {
        const QuietScope quiet(*this);
        DDX_CB_string_exact(pDX, IDC_KY_IS_QUERY, m_query);
        DDV_string_MaxLength(pDX, m_query, kMaxQueryLength);
        DDX_CBIndex(pDX, IDC_KY_IS_MODE, m_queryType);
        DDX_CBIndex(pDX, IDC_KY_IS_SORT, m_sortOrder);
        DDX_CBIndex(pDX, IDC_KY_IS_ORDER, m_sortDirection);
    }
    if (!pDX->m_bSaveAndValidate)
        return;
    KeepSearchParametersInRange();
    ky_DDV_PrepareCtrl(*pDX, m_catalogs);
    if (m_catalogs.GetCheckedCount() == 0)
        ky_DDV_General_Fail(*pDX, Load(IDS_KY_IS_NO_CATALOG_CHECKED).c_str());
    if (m_masks.empty()) {
        ky_DDV_PrepareCtrl(*pDX, m_masksCombo);
        ky_DDV_General_Fail(*pDX, Load(IDS_KY_PP_NEED_MASKS).c_str());
    }
}

void PathPlanIndexingServiceSubDialog::ShowSearchParameters()
{
    if (m_hWnd == nullptr)
        return;
    const QuietScope quiet(*this);
    ComboBoxEx::SetCurSelExact(m_queryCombo, m_query.c_str());
    m_modeCombo.SetCurSel(m_queryType);
    m_sortCombo.SetCurSel(m_sortOrder);
    m_orderCombo.SetCurSel(m_sortDirection);
    UpdateMode();
}

void PathPlanIndexingServiceSubDialog::UpdateMode()
{
    if (m_hWnd == nullptr)
        return;
    const bool queried = ::GetWindowTextLengthA(m_queryCombo.m_hWnd) != 0 ||
                         (m_querySelecting && m_queryCombo.GetCurSel() != CB_ERR);
    m_modeLabel.EnableWindow(queried);
    m_modeCombo.EnableWindow(queried);
}

void PathPlanIndexingServiceSubDialog::OnQueryEditChange()
{
    if (Quiet())
        return;
    SetDirty(true);
    UpdateMode();
}

void PathPlanIndexingServiceSubDialog::OnQuerySelChange()
{
    if (Quiet())
        return;
    SetDirty(true);
    m_querySelecting = true;
    UpdateMode();
    m_querySelecting = false;
}

void PathPlanIndexingServiceSubDialog::OnOptionChange()
{
    if (!Quiet())
        SetDirty(true);
}

LRESULT PathPlanIndexingServiceSubDialog::OnCatalogCheckChanged(WPARAM, LPARAM)
{
    SetDirty(true);
    return 0;
}

bool PathPlanIndexingServiceSubDialog::OnInvokeAlternateEditor(UINT id)
{
    if (id == IDC_KY_IS_QUERY_BUTTON)
        return EditQuery();
    return KyPathPlanSubDialogBase::OnInvokeAlternateEditor(id);
}

// The query's lines, one a line; on OK they are joined by line feeds again.
bool PathPlanIndexingServiceSubDialog::EditQuery()
{
    ky_S shown;
    shown.GetWindowTextA(m_queryCombo.m_hWnd);
    shown.Substitute(kQueryLineEnd, kEditorLineEnd);
    KyBigEditor editor(m_queryCombo, Load(IDS_KY_QUERY_EDITOR), this);
    editor.LoadContents(shown, FALSE);
    if (editor.DoModal() != IDOK)
        return false;
    KyBigEditor::Text joined;
    editor.StoreContents(joined, true, kQueryLineEnd, sizeof kQueryLineEnd - 1, FALSE);
    {
        const QuietScope quiet(*this);
        ComboBoxEx::SetCurSelExact(m_queryCombo, joined.c_str());
    }
    SetDirty(true);
    UpdateMode();
    return true;
}
