// AfSizePage: the size filter's two bounds shown in and taken from their controls.
#include "KyGuiTool/AdvancedFilters/AfSizePage.h"

#include "KyGuiTool/AdvancedFilters/AdvancedFiltersResource.h"
#include "KyStd/Strings/String.h"

#include <afxcmn.h>
#include <commctrl.h>

#include <climits>
#include <string>

namespace {

using namespace Kyvant::AdvancedFiltration;

constexpr UINT kTemplate = IDD_KY_AF_SIZE;
constexpr int kSpinLowest = 1;

const int kHelpControls[] = {
    IDC_KY_AF_SIZE_ON,
    IDC_KY_AF_SIZE_AT_LEAST,
    IDC_KY_AF_SIZE_AT_MOST,
    IDC_KY_AF_SIZE_AT_LEAST_NUMBER,
    IDC_KY_AF_SIZE_AT_LEAST_UNIT,
    IDC_KY_AF_SIZE_AT_MOST_NUMBER,
    IDC_KY_AF_SIZE_AT_MOST_UNIT,
};
const AfPageBase::HelpControls kHelp = {
    kHelpControls, static_cast<int>(sizeof kHelpControls / sizeof kHelpControls[0])};

const AfPageBase::Dependent kDependents[] = {
    {IDC_KY_AF_SIZE_AT_LEAST, IDC_KY_AF_SIZE_AT_LEAST_NUMBER, IDC_KY_AF_SIZE_AT_LEAST_UNIT},
    {IDC_KY_AF_SIZE_AT_MOST, IDC_KY_AF_SIZE_AT_MOST_NUMBER, IDC_KY_AF_SIZE_AT_MOST_UNIT},
};

const AfPageBase::Layout kLayout = {IDC_KY_AF_SIZE_ON,
                                    IDC_KY_AF_SIZE_AT_LEAST,
                                    IDC_KY_AF_SIZE_AT_MOST_UNIT,
                                    IDC_KY_AF_SIZE_AT_MOST,
                                    kDependents,
                                    static_cast<int>(sizeof kDependents / sizeof kDependents[0])};

const AfPageBase::Captions kCaptions = {IDS_KY_AF_SIZE, IDS_KY_AF_SIZE_ON};

// The controls of one bound and the condition it stands for.
struct BoundIds {
    int check;
    int number;
    int spin;
    int unit;
    Op_t op;
};

const BoundIds kBounds[] = {
    {IDC_KY_AF_SIZE_AT_LEAST, IDC_KY_AF_SIZE_AT_LEAST_NUMBER, IDC_KY_AF_SIZE_AT_LEAST_SPIN,
     IDC_KY_AF_SIZE_AT_LEAST_UNIT, OpGreaterEqual},
    {IDC_KY_AF_SIZE_AT_MOST, IDC_KY_AF_SIZE_AT_MOST_NUMBER, IDC_KY_AF_SIZE_AT_MOST_SPIN,
     IDC_KY_AF_SIZE_AT_MOST_UNIT, OpLessEqual},
};
constexpr int kBoundCount = static_cast<int>(sizeof kBounds / sizeof kBounds[0]);

} // namespace

IMPLEMENT_DYNAMIC(AfSizePage, AfPageBase)

AfSizePage::AfSizePage(Filters& filters)
    : AfPageBase(filters, kTemplate, kHelp, kCaptions, IsOn(filters), kLayout),
      m_keepsUnshown(false)
{
    AfxInitCommonControl(ICC_UPDOWN_CLASS);
}

bool AfSizePage::IsOn(const Filters& filters)
{
    return filters.Size().HasConditions();
}

void AfSizePage::InitControls()
{
    const SizeFilter& filter = GetFilters().Size();
    unsigned shownCount = 0;
    for (int i = 0; i < kBoundCount; ++i) {
        ShowBound(i);
        shownCount += filter.IsSet(kBounds[i].op) ? 1 : 0;
    }
    m_keepsUnshown = filter.GetCount() != shownCount;
    SetChecked(IDC_KY_AF_SIZE_ON, filter.HasConditions());
}

void AfSizePage::ShowBound(int index)
{
    const BoundIds& bound = kBounds[index];
    ::SendDlgItemMessageA(m_hWnd, bound.spin, UDM_SETRANGE32, kSpinLowest, INT_MAX);
    const SizeFilter& filter = GetFilters().Size();
    int unit = FileSize::KB;
    if (filter.IsSet(bound.op)) {
        const FileSize& size = filter.GetValue(bound.op);
        SetDlgItemText(bound.number, std::to_string(size.GetNumber()).c_str());
        unit = size.GetUnits();
        SetChecked(bound.check, true);
    }
    FillCombo(bound.unit, IDS_KY_AF_SIZE_UNITS, unit);
}

void AfSizePage::SaveControls(CDataExchange& dx)
{
    if (m_keepsUnshown && !ChangedByUser())
        return;
    SizeFilter filter;
    if (IsMasterOn()) {
        for (int i = 0; i < kBoundCount; ++i) {
            if (IsChecked(kBounds[i].check))
                SaveBound(dx, i, filter);
        }
        if (!filter.HasConditions())
            Fail(dx, IDC_KY_AF_SIZE_AT_LEAST, IDS_KY_AF_NO_SIZE_FIELD);
    }
    GetFilters().Size() = filter;
}

void AfSizePage::SaveBound(CDataExchange& dx, int index, SizeFilter& filter)
{
    const BoundIds& bound = kBounds[index];
    dx.PrepareEditCtrl(bound.number);
    Kyvant::ky_I text;
    text.GetWindowTextA(::GetDlgItem(m_hWnd, bound.number));
    text += FileSize::GetUnitsStringRep(static_cast<FileSize::Units>(ComboIndex(bound.unit)));
    // Bad text is refused by the parser with its own message.
    FileSize size;
    size.Parse(text);
    filter.SetCondition(bound.op, size);
}
