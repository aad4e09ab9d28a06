// AfTimePage: the "Time" page of the Advanced Filters sheet: a condition on
// one of a file's three times, "in the last" n units or before, after or
// between local dates and times.
#pragma once

#include "KyGuiTool/AdvancedFilters/AfPageBase.h"

class KYGUITOOL_API AfTimePage : public AfPageBase {
    DECLARE_DYNAMIC(AfTimePage)
public:
    explicit AfTimePage(Filters& filters);

    // Whether the time filter holds a condition.
    static bool IsOn(const Filters& filters);

protected:
    void InitControls() override;
    void SaveControls(CDataExchange& dx) override;

private:
    // The date and time picker pair of one time stamp.
    struct Pickers {
        int date;
        int time;
    };

    void ShowTimes(const Kyvant::AdvancedFiltration::TimeFilter& filter);
    // Whether both pickers took the time.
    bool ShowTime(const Pickers& pickers, const Kyvant::AdvancedFiltration::FileTime& time);
    // The local time of the pair; an invalid picker fails the exchange on it.
    Kyvant::AdvancedFiltration::FileTime TakeTime(CDataExchange& dx, const Pickers& pickers);
    int CheckedMode() const;
    void SaveInTheLast(CDataExchange& dx, Kyvant::AdvancedFiltration::TimeFilter& filter,
                       Kyvant::AdvancedFiltration::FileTimeField field);

    // The filter held a condition the controls cannot show (such as "<>"):
    // it stays as it is while the user changes nothing.
    bool m_keepsUnshown;
};
