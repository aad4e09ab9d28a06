// KyPathPlanSubDialogBase: the page's keys and masks history, its start, data
// exchange, button texts, and the Restore, Advanced and Exceptions buttons
// with their Shift forms and larger editors.
#include "KyGuiTool/PathPlans/KyPathPlanSubDialogBase.h"

#include "KyDB/Named/PathPlanDB.h"
#include "KyGui/Adapters/DataExchange.h"
#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGuiTool/AdvancedFilters/AdvancedFiltersPropertySheet.h"
#include "KyGuiTool/AdvancedFilters/AdvancedFiltersResource.h"
#include "KyGuiTool/MaskSets/KyMaskSetEditor.h"
#include "KyGuiTool/MaskSets/MasksCombo.h"
#include "KyGuiTool/PathLists/KyBigEditor.h"
#include "KyGuiTool/PathPlans/PathPlanSupport.h"
#include "KyGuiTool/PathPlans/PathPlansResource.h"
#include "KyGuiTool/Storage/StorageText.h"

#include <exception>
#include <vector>

using namespace Kyvant;
using namespace Kyvant::PathPlanSupport;

namespace {

// The proxy of the page container in the settings dialog's template.
const int kTabsProxyId = 32000;

} // namespace

const char KyPathPlanSubDialogBase::kMasksHistoryList[] = "MasksMRU";
const char KyPathPlanSubDialogBase::kPreviousToolSubkey[] = "PreviousTool";
const char KyPathPlanSubDialogBase::kMasksValue[] = "Masks";
const char KyPathPlanSubDialogBase::kExceptionsList[] = "Exceptions";
const char KyPathPlanSubDialogBase::kAdvancedFiltersList[] = "AdvancedFilters";

IMPLEMENT_DYNAMIC(KyPathPlanSubDialogBase, KySubDialogPage)

BEGIN_MESSAGE_MAP(KyPathPlanSubDialogBase, KySubDialogPage)
ON_BN_CLICKED(IDC_KY_PP_RESTORE, OnRestoreFromPreviousTool)
ON_BN_CLICKED(IDC_KY_PP_ADVANCED, OnAdvanced)
ON_BN_CLICKED(IDC_KY_PP_EXCEPTIONS, OnExceptions)
ON_CBN_SELCHANGE(IDC_KY_PP_MASKS, OnMasksChange)
ON_CBN_EDITCHANGE(IDC_KY_PP_MASKS, OnMasksChange)
ON_MESSAGE(KyButtonEditorInvoker::kInvokeMessage, OnInvokeEditorMessage)
END_MESSAGE_MAP()

KyPathPlanSubDialogBase::KyPathPlanSubDialogBase(int templateId, const ky_I& guid,
                                                 const DWORD* helpIds,
                                                 const rc_ptr<AppBridge>& bridge,
                                                 const ky_S& defaultMasks)
    : KySubDialogPage(templateId, guid, helpIds, bridge, kTabsProxyId),
      m_defaultMasks(defaultMasks), m_pageKey(ToolOptionsKey(), guid),
      m_sharedPageKey(PathPlanDB::Instance().m_regKey, guid),
      m_previousToolKey(m_sharedPageKey, kPreviousToolSubkey), m_maskSet(m_masksCombo), m_quiet(0)
{
    m_masksHistory.reset(
        new RegMRUReader<ky_S>(PathPlanDB::Instance().m_regKey, kMasksHistoryList));
    m_masksHistoryWriter.reset(new RegMRUWriter<ky_S>(*m_masksHistory, kMasksHistorySize));
}

KyPathPlanSubDialogBase::~KyPathPlanSubDialogBase() = default;

RegKey& KyPathPlanSubDialogBase::GetRegKeyForPreviousTool(bool ownWithShift)
{
    return ownWithShift && ShiftHeld() ? m_pageKey : m_previousToolKey;
}

void KyPathPlanSubDialogBase::DoDataExchange(CDataExchange* pDX)
{
    KySubDialogPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KY_PP_ADVANCED, m_advanced);
    DDX_Control(pDX, IDC_KY_PP_EXCEPTIONS, m_exceptionsButton);
    DDX_Control(pDX, IDC_KY_PP_RESTORE, m_restore);
    DDX_Control(pDX, IDC_KY_PP_MASKS, m_masksCombo);
    DDX_Control(pDX, IDC_KY_PP_MASK_SET, m_maskSet);
    const QuietScope quiet(*this);
    DDX_CB_string_exact(pDX, IDC_KY_PP_MASKS, m_masks);
    DDV_string_MaxLength(pDX, m_masks, kMaxMasksLength);
}

BOOL KyPathPlanSubDialogBase::OnInitDialog()
{
    try {
        KySubDialogPage::OnInitDialog();
        FillMasksHistory();
        UpdateAllButtonText();
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    }
    return TRUE;
}

void KyPathPlanSubDialogBase::FillMasksHistory()
{
    const QuietScope quiet(*this);
    for (const ky_S* masks = m_masksHistory->GetFirst(); masks != nullptr;
         masks = m_masksHistory->GetNext())
        m_masksCombo.AddString(masks->c_str());
    ShowMasks();
}

void KyPathPlanSubDialogBase::ShowMasks()
{
    if (m_masksCombo.m_hWnd == nullptr)
        return;
    const QuietScope quiet(*this);
    MasksCombo::Show(m_masksCombo, m_masks.c_str());
}

void KyPathPlanSubDialogBase::ClearFilterSettings()
{
    m_masks.clear();
    m_exceptions.clear();
    m_filters.Clear();
}

void KyPathPlanSubDialogBase::SetTextIfChanged(CWnd& window, UINT id)
{
    if (window.m_hWnd == nullptr)
        return;
    const ky_S text = Load(id);
    if (StorageText::WindowText(window) != text)
        window.SetWindowText(text.c_str());
}

void KyPathPlanSubDialogBase::UpdateAllButtonText()
{
    UpdateAdvancedButtonText();
    UpdateExceptionsButtonText();
}

void KyPathPlanSubDialogBase::UpdateAdvancedButtonText()
{
    SetTextIfChanged(m_advanced, HasAdvancedFilters() ? IDS_KY_PP_ADVANCED_ON : IDS_KY_PP_ADVANCED);
}

void KyPathPlanSubDialogBase::UpdateExceptionsButtonText()
{
    SetTextIfChanged(m_exceptionsButton,
                     HasExceptions() ? IDS_KY_PP_EXCEPTIONS_ON : IDS_KY_PP_EXCEPTIONS);
}

void KyPathPlanSubDialogBase::SetDirty(bool dirty)
{
    if (dirty)
        DocSetModified();
}

void KyPathPlanSubDialogBase::OnMasksChange()
{
    if (!Quiet())
        SetDirty(true);
}

void KyPathPlanSubDialogBase::OnRestoreFromPreviousTool()
{
    try {
        RestoreState(GetRegKeyForPreviousTool(true));
        DocSetModified();
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    }
}

void KyPathPlanSubDialogBase::OnAdvanced()
{
    try {
        if (ShiftHeld()) {
            if (!HasAdvancedFilters())
                return;
            m_filters.Clear();
        } else {
            Filters edited(m_filters);
            AdvancedFiltersPropertySheet sheet(edited, IDS_KY_ADVANCED_FILTERS, this);
            if (sheet.DoModal() != IDOK || edited == m_filters)
                return;
            m_filters = edited;
        }
        UpdateAdvancedButtonText();
        SetDirty(true);
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    }
}

void KyPathPlanSubDialogBase::OnExceptions()
{
    try {
        if (ShiftHeld()) {
            if (!HasExceptions())
                return;
            m_exceptions.clear();
        } else if (!OnInvokeAlternateEditor(IDC_KY_PP_EXCEPTIONS)) {
            return;
        }
        UpdateExceptionsButtonText();
        SetDirty(true);
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    }
}

LRESULT KyPathPlanSubDialogBase::OnInvokeEditorMessage(WPARAM wParam, LPARAM)
{
    try {
        OnInvokeAlternateEditor(static_cast<UINT>(wParam));
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    }
    return 0;
}

bool KyPathPlanSubDialogBase::OnInvokeAlternateEditor(UINT id)
{
    switch (id) {
    case IDC_KY_PP_MASK_SET: {
        KyMaskSetEditor editor(m_masksCombo, this);
        if (editor.DoModal() != IDOK)
            return false;
        SetDirty(true);
        return true;
    }
    case IDC_KY_PP_EXCEPTIONS:
        return EditExceptions();
    default:
        return false;
    }
}

// The rules one a line; on OK the lines (empty ones dropped) replace them.
bool KyPathPlanSubDialogBase::EditExceptions()
{
    KyBigEditor editor(m_exceptionsButton, Load(IDS_KY_PP_EXCEPTIONS_EDITOR), this);
    editor.LoadContents(ListTexts(m_exceptions), 0);
    editor.GetEditCtrl().SetMultipleFilePermission(true);
    if (editor.DoModal() != IDOK)
        return false;
    std::vector<ky_BSB<char>> lines;
    editor.StoreContents(back_insert_sequencer<std::vector<ky_BSB<char>>>(lines), false, 0);
    m_exceptions.clear();
    for (const ky_BSB<char>& line : lines)
        m_exceptions.push_back(ky_S(line));
    return editor.IsModified();
}
