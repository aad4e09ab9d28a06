// AdvancedFiltersPropertySheet: the pages, the start page, the help button and the captions.
#include "KyGuiTool/AdvancedFilters/AdvancedFiltersPropertySheet.h"

#include "KyConTool/IndexingService/IndexingService.h"

IMPLEMENT_DYNAMIC(AdvancedFiltersPropertySheet, CPropertySheet)

AdvancedFiltersPropertySheet::AdvancedFiltersPropertySheet(
    Kyvant::AdvancedFiltration::Filters& filters, UINT captionId, CWnd* parent, UINT selectPage)
    : CPropertySheet(captionId, parent, 0), m_time(filters), m_size(filters), m_attributes(filters),
      m_indexingService(filters)
{
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
    AddPage(&m_time);
    AddPage(&m_size);
    AddPage(&m_attributes);
    if (ShowsIndexingService(filters))
        AddPage(&m_indexingService);
    SetActivePage(StartPage(filters, selectPage));
}

bool AdvancedFiltersPropertySheet::ShowsIndexingService(
    const Kyvant::AdvancedFiltration::Filters& filters)
{
    return Kyvant::IndexingService::Available() || AfIndexingServicePage::IsOn(filters);
}

int AdvancedFiltersPropertySheet::StartPage(const Kyvant::AdvancedFiltration::Filters& filters,
                                            UINT selectPage)
{
    if (AfTimePage::IsOn(filters))
        return GetPageIndex(&m_time);
    if (AfSizePage::IsOn(filters))
        return GetPageIndex(&m_size);
    if (AfAttributesPage::IsOn(filters))
        return GetPageIndex(&m_attributes);
    if (AfIndexingServicePage::IsOn(filters))
        return GetPageIndex(&m_indexingService);
    return static_cast<int>(selectPage) < GetPageCount() ? static_cast<int>(selectPage) : 0;
}

BOOL AdvancedFiltersPropertySheet::OnInitDialog()
{
    const BOOL result = CPropertySheet::OnInitDialog();
    ModifyStyleEx(0, WS_EX_CONTEXTHELP, SWP_FRAMECHANGED);
    for (int i = 0; i < GetPageCount(); ++i) {
        AfPageBase* page = DYNAMIC_DOWNCAST(AfPageBase, GetPage(i));
        if (page != nullptr)
            page->PutCaptionOnTab(*this);
    }
    return result;
}
