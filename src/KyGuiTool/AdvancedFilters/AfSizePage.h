// AfSizePage: the "Size" page of the Advanced Filters sheet: a file size of
// at least and at most a number of bytes, KB, MB or GB.
#pragma once

#include "KyGuiTool/AdvancedFilters/AfPageBase.h"

class KYGUITOOL_API AfSizePage : public AfPageBase {
    DECLARE_DYNAMIC(AfSizePage)
public:
    explicit AfSizePage(Filters& filters);

    // Whether the size filter holds a condition.
    static bool IsOn(const Filters& filters);

protected:
    void InitControls() override;
    void SaveControls(CDataExchange& dx) override;

private:
    // Bound 0 is "At least" (">="), bound 1 "At most" ("<=").
    void ShowBound(int index);
    void SaveBound(CDataExchange& dx, int index, Kyvant::AdvancedFiltration::SizeFilter& filter);

    // The filter held conditions the controls cannot show (such as ">"):
    // it stays as it is while the user changes nothing.
    bool m_keepsUnshown;
};
