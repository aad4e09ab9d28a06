// AdvancedFiltersPropertySheet: the modal sheet that edits an advanced-filters
// value: its Time, Size and Attributes pages, and the Indexing Service page
// when the service is available or the value holds a query. It has no Apply
// button; the value holds the edited filters after DoModal gave IDOK.
#pragma once

#include "KyConTool/Filters/AdvancedFilters.h"
#include "KyGuiTool/AdvancedFilters/AfAttributesPage.h"
#include "KyGuiTool/AdvancedFilters/AfIndexingServicePage.h"
#include "KyGuiTool/AdvancedFilters/AfSizePage.h"
#include "KyGuiTool/AdvancedFilters/AfTimePage.h"
#include "KyGuiTool/KyGuiToolExport.h"

#include <afxdlgs.h>

class KYGUITOOL_API AdvancedFiltersPropertySheet : public CPropertySheet {
    DECLARE_DYNAMIC(AdvancedFiltersPropertySheet)
public:
    // The pages edit filters in place (the caller passes a copy it may keep
    // or drop). The sheet starts on the first page whose filter holds a
    // condition (Time, Size, Attributes, Indexing Service), else on
    // selectPage.
    AdvancedFiltersPropertySheet(Kyvant::AdvancedFiltration::Filters& filters, UINT captionId,
                                 CWnd* parent = nullptr, UINT selectPage = 0);

    // Whether the sheet shows the Indexing Service page for these filters.
    static bool ShowsIndexingService(const Kyvant::AdvancedFiltration::Filters& filters);

    // Adds the context-help button and shows each tab's caption.
    BOOL OnInitDialog() override;

    AfTimePage& GetTimePage() { return m_time; }
    AfSizePage& GetSizePage() { return m_size; }
    AfAttributesPage& GetAttributesPage() { return m_attributes; }
    AfIndexingServicePage& GetIndexingServicePage() { return m_indexingService; }

private:
    int StartPage(const Kyvant::AdvancedFiltration::Filters& filters, UINT selectPage);

    AfTimePage m_time;
    AfSizePage m_size;
    AfAttributesPage m_attributes;
    AfIndexingServicePage m_indexingService;
};
