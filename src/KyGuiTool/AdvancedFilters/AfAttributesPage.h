// AfAttributesPage: the "Attributes" page of the Advanced Filters sheet: a
// rule for the files to include and one for those to exclude, each "any of",
// "all of" or "only" the checked attributes.
#pragma once

#include "KyGuiTool/AdvancedFilters/AfPageBase.h"

class KYGUITOOL_API AfAttributesPage : public AfPageBase {
    DECLARE_DYNAMIC(AfAttributesPage)
public:
    explicit AfAttributesPage(Filters& filters);

    // Whether either attribute rule is in use.
    static bool IsOn(const Filters& filters);

protected:
    void InitControls() override;
    void SaveControls(CDataExchange& dx) override;

private:
    // Rule 0 includes ("Include files", the must rule), rule 1 excludes.
    void ShowRule(int index);
    void SaveRule(CDataExchange& dx, int index, Kyvant::AdvancedFiltration::AttribFilter& filter);
};
