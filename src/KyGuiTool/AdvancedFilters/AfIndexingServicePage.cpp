// AfIndexingServicePage: the query filter, its history, its mode controls and its editor.
#include "KyGuiTool/AdvancedFilters/AfIndexingServicePage.h"

#include "KyConTool/IndexingService/IndexingServiceMRU.h"
#include "KyGui/Adapters/DataExchange.h"
#include "KyGui/Helpers/ComboBoxEx.h"
#include "KyGui/Helpers/WndEx.h"
#include "KyGuiTool/AdvancedFilters/AdvancedFiltersResource.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyGuiTool/PathLists/KyBigEditor.h"
#include "KyGuiTool/ShellObjEdit/HandlerErrors.h"

namespace {

using namespace Kyvant::AdvancedFiltration;

constexpr UINT kTemplate = IDD_KY_AF_INDEXING_SERVICE;

const int kHelpControls[] = {
    IDC_KY_AF_IS_ON,
    IDC_KY_AF_IS_QUERY_BUTTON,
    IDC_KY_AF_IS_QUERY,
    IDC_KY_AF_IS_MODE,
};
const AfPageBase::HelpControls kHelp = {
    kHelpControls, static_cast<int>(sizeof kHelpControls / sizeof kHelpControls[0])};

const AfPageBase::Layout kLayout = {
    IDC_KY_AF_IS_ON, IDC_KY_AF_IS_QUERY_BUTTON, IDC_KY_AF_IS_QUERY, IDC_KY_AF_IS_QUERY, nullptr, 0};

const AfPageBase::Captions kCaptions = {IDS_KY_AF_INDEXING_SERVICE, IDS_KY_AF_INDEXING_SERVICE_ON};

// The query's line ends as the combo box holds them and as the editor shows them.
const char kQueryLineEnd[] = "\n";
const char kEditorLineEnd[] = "\r\n";

} // namespace

IMPLEMENT_DYNAMIC(AfIndexingServicePage, AfPageBase)

BEGIN_MESSAGE_MAP(AfIndexingServicePage, AfPageBase)
ON_CBN_EDITCHANGE(IDC_KY_AF_IS_QUERY, OnQueryEditChange)
ON_CBN_SELCHANGE(IDC_KY_AF_IS_QUERY, OnQuerySelChange)
ON_MESSAGE(KyButtonEditorInvoker::kInvokeMessage, OnInvokeEditor)
ON_MESSAGE(PSM_QUERYSIBLINGS, OnQuerySiblings)
END_MESSAGE_MAP()

AfIndexingServicePage::AfIndexingServicePage(Filters& filters)
    : AfPageBase(filters, kTemplate, kHelp, kCaptions, IsOn(filters), kLayout),
      m_queryButton(KyButtonEditorInvoker::kEditText), m_querySelecting(false)
{
}

bool AfIndexingServicePage::IsOn(const Filters& filters)
{
    return filters.IndexingService().Active();
}

void AfIndexingServicePage::InitControls()
{
    const IndexingServiceFilter& filter = GetFilters().IndexingService();
    m_queryButton.SubclassDlgItem(IDC_KY_AF_IS_QUERY_BUTTON, this);
    FillCombo(IDC_KY_AF_IS_MODE, IDS_KY_AF_QUERY_MODES, filter.GetQueryType());

    CComboBox& query = *static_cast<CComboBox*>(GetDlgItem(IDC_KY_AF_IS_QUERY));
    query.LimitText(kMaxQueryLength);
    Kyvant::IndexingService::QueryMRU& history = Kyvant::IndexingService::QueryMRU::Instance();
    for (const Kyvant::ky_S* entry = history.GetFirst(); entry != nullptr;
         entry = history.GetNext())
        query.AddString(entry->c_str());
    Kyvant::ComboBoxEx::SetCurSelExact(query, filter.GetQuery().c_str());
    Kyvant::WndEx::SetHeightEqual(m_queryButton, query, false);
    SetChecked(IDC_KY_AF_IS_ON, filter.Active());
}

void AfIndexingServicePage::SaveControls(CDataExchange& dx)
{
    dx.PrepareCtrl(IDC_KY_AF_IS_QUERY);
    const Kyvant::ky_S query = QueryText();
    DDV_string_MaxLength(&dx, query, kMaxQueryLength);
    IndexingServiceFilter& filter = GetFilters().IndexingService();
    if (IsMasterOn())
        filter.Set(static_cast<Kyvant::IndexingService::QueryType>(ComboIndex(IDC_KY_AF_IS_MODE)),
                   query);
    else
        filter.Clear();
}

void AfIndexingServicePage::ApplyExtraEnabling(bool masterOn)
{
    const bool modeOn =
        masterOn &&
        (m_querySelecting || ::GetWindowTextLengthA(::GetDlgItem(m_hWnd, IDC_KY_AF_IS_QUERY)) != 0);
    EnableControl(IDC_KY_AF_IS_MODE_LABEL, modeOn);
    EnableControl(IDC_KY_AF_IS_MODE, modeOn);
}

void AfIndexingServicePage::OnQueryEditChange()
{
    ApplyExtraEnabling(IsMasterOn());
}

void AfIndexingServicePage::OnQuerySelChange()
{
    m_querySelecting = true;
    ApplyExtraEnabling(IsMasterOn());
    m_querySelecting = false;
}

LRESULT AfIndexingServicePage::OnInvokeEditor(WPARAM wParam, LPARAM)
{
    if (static_cast<int>(wParam) != IDC_KY_AF_IS_QUERY_BUTTON)
        return 0;
    try {
        EditQuery();
    } catch (...) {
        Kyvant::RethrowForMfc();
    }
    return 0;
}

void AfIndexingServicePage::EditQuery()
{
    CComboBox& query = *static_cast<CComboBox*>(GetDlgItem(IDC_KY_AF_IS_QUERY));
    Kyvant::ky_S shown = QueryText();
    shown.Substitute(kQueryLineEnd, kEditorLineEnd);
    const Kyvant::ky_S caption =
        Kyvant::ky_S().LoadStringA(Kyvant::KyGuiToolModule(), IDS_KY_QUERY_EDITOR);
    KyBigEditor editor(query, caption, this);
    editor.LoadContents(shown, 0);
    if (editor.DoModal() != IDOK)
        return;
    KyBigEditor::Text joined;
    editor.StoreContents(joined, true, kQueryLineEnd, sizeof kQueryLineEnd - 1, 0);
    Kyvant::ComboBoxEx::SetCurSelExact(query, joined.c_str());
    ApplyExtraEnabling(IsMasterOn());
}

LRESULT AfIndexingServicePage::OnQuerySiblings(WPARAM, LPARAM)
{
    try {
        Kyvant::IndexingService::QueryMRU::Instance().Add(QueryText());
    } catch (...) {
        Kyvant::RethrowForMfc();
    }
    return 0;
}

Kyvant::ky_S AfIndexingServicePage::QueryText() const
{
    Kyvant::ky_S text;
    text.GetWindowTextA(::GetDlgItem(m_hWnd, IDC_KY_AF_IS_QUERY));
    return text;
}
