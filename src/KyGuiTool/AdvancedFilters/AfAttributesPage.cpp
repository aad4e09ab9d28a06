// AfAttributesPage: the two attribute rules shown in and taken from their controls.
#include "KyGuiTool/AdvancedFilters/AfAttributesPage.h"

#include "KyGuiTool/AdvancedFilters/AdvancedFiltersResource.h"

namespace {

using namespace Kyvant::AdvancedFiltration;

constexpr UINT kTemplate = IDD_KY_AF_ATTRIBUTES;

// The attribute of each check box, in the order of the checks of a rule.
const DWORD kAttributeBits[] = {
    FILE_ATTRIBUTE_ARCHIVE,
    FILE_ATTRIBUTE_HIDDEN,
    FILE_ATTRIBUTE_READONLY,
    FILE_ATTRIBUTE_SYSTEM,
    FILE_ATTRIBUTE_COMPRESSED,
    FILE_ATTRIBUTE_ENCRYPTED,
    FILE_ATTRIBUTE_NOT_CONTENT_INDEXED,
};
constexpr int kAttributeCount = static_cast<int>(sizeof kAttributeBits / sizeof kAttributeBits[0]);

const int kHelpControls[] = {
    IDC_KY_AF_ATTRIB_ON,
    IDC_KY_AF_ATTRIB_INCLUDE,
    IDC_KY_AF_ATTRIB_EXCLUDE,
    IDC_KY_AF_ATTRIB_INCLUDE_TREATMENT,
    IDC_KY_AF_ATTRIB_INCLUDE_ARCHIVE,
    IDC_KY_AF_ATTRIB_INCLUDE_HIDDEN,
    IDC_KY_AF_ATTRIB_INCLUDE_READ_ONLY,
    IDC_KY_AF_ATTRIB_INCLUDE_SYSTEM,
    IDC_KY_AF_ATTRIB_INCLUDE_COMPRESSED,
    IDC_KY_AF_ATTRIB_INCLUDE_ENCRYPTED,
    IDC_KY_AF_ATTRIB_INCLUDE_NOT_INDEXED,
    IDC_KY_AF_ATTRIB_EXCLUDE_TREATMENT,
    IDC_KY_AF_ATTRIB_EXCLUDE_ARCHIVE,
    IDC_KY_AF_ATTRIB_EXCLUDE_HIDDEN,
    IDC_KY_AF_ATTRIB_EXCLUDE_READ_ONLY,
    IDC_KY_AF_ATTRIB_EXCLUDE_SYSTEM,
    IDC_KY_AF_ATTRIB_EXCLUDE_COMPRESSED,
    IDC_KY_AF_ATTRIB_EXCLUDE_ENCRYPTED,
    IDC_KY_AF_ATTRIB_EXCLUDE_NOT_INDEXED,
};
const AfPageBase::HelpControls kHelp = {
    kHelpControls, static_cast<int>(sizeof kHelpControls / sizeof kHelpControls[0])};

const AfPageBase::Dependent kDependents[] = {
    {IDC_KY_AF_ATTRIB_INCLUDE, IDC_KY_AF_ATTRIB_INCLUDE_THAT_HAVE, IDC_KY_AF_ATTRIB_INCLUDE_LAST},
    {IDC_KY_AF_ATTRIB_EXCLUDE, IDC_KY_AF_ATTRIB_EXCLUDE_THAT_HAVE, IDC_KY_AF_ATTRIB_EXCLUDE_LAST},
};

const AfPageBase::Layout kLayout = {IDC_KY_AF_ATTRIB_ON,
                                    IDC_KY_AF_ATTRIB_INCLUDE,
                                    IDC_KY_AF_ATTRIB_EXCLUDE_LAST,
                                    IDC_KY_AF_ATTRIB_EXCLUDE,
                                    kDependents,
                                    static_cast<int>(sizeof kDependents / sizeof kDependents[0])};

const AfPageBase::Captions kCaptions = {IDS_KY_AF_ATTRIBUTES, IDS_KY_AF_ATTRIBUTES_ON};

// The controls of one rule.
struct RuleIds {
    int check;
    int treatment;
    int firstAttribute;
};

const RuleIds kRules[] = {
    {IDC_KY_AF_ATTRIB_INCLUDE, IDC_KY_AF_ATTRIB_INCLUDE_TREATMENT, IDC_KY_AF_ATTRIB_INCLUDE_FIRST},
    {IDC_KY_AF_ATTRIB_EXCLUDE, IDC_KY_AF_ATTRIB_EXCLUDE_TREATMENT, IDC_KY_AF_ATTRIB_EXCLUDE_FIRST},
};
constexpr int kRuleCount = static_cast<int>(sizeof kRules / sizeof kRules[0]);

AttribFilter::Rule& RuleOf(AttribFilter& filter, int index)
{
    return index == 0 ? filter.MustRule() : filter.MustNotRule();
}

} // namespace

IMPLEMENT_DYNAMIC(AfAttributesPage, AfPageBase)

AfAttributesPage::AfAttributesPage(Filters& filters)
    : AfPageBase(filters, kTemplate, kHelp, kCaptions, IsOn(filters), kLayout)
{
}

bool AfAttributesPage::IsOn(const Filters& filters)
{
    return filters.Attrib().Active();
}

void AfAttributesPage::InitControls()
{
    for (int i = 0; i < kRuleCount; ++i)
        ShowRule(i);
    SetChecked(IDC_KY_AF_ATTRIB_ON, IsOn(GetFilters()));
}

void AfAttributesPage::ShowRule(int index)
{
    const RuleIds& ids = kRules[index];
    const AttribFilter::Rule& rule = RuleOf(GetFilters().Attrib(), index);
    const bool inUse = rule.InUse();
    FillCombo(ids.treatment, IDS_KY_AF_TREATMENTS, inUse ? rule.GetTreatment() : AttribAny);
    SetChecked(ids.check, inUse);
    for (int a = 0; a < kAttributeCount; ++a)
        SetChecked(ids.firstAttribute + a, inUse && (rule.GetMask() & kAttributeBits[a]) != 0);
}

void AfAttributesPage::SaveControls(CDataExchange& dx)
{
    AttribFilter filter;
    if (IsMasterOn()) {
        for (int i = 0; i < kRuleCount; ++i) {
            if (IsChecked(kRules[i].check))
                SaveRule(dx, i, filter);
        }
        if (!filter.Active())
            Fail(dx, IDC_KY_AF_ATTRIB_INCLUDE, IDS_KY_AF_NO_ATTRIBUTE);
    }
    GetFilters().Attrib() = filter;
}

void AfAttributesPage::SaveRule(CDataExchange& dx, int index, AttribFilter& filter)
{
    const RuleIds& ids = kRules[index];
    DWORD bits = 0;
    for (int a = 0; a < kAttributeCount; ++a) {
        if (IsChecked(ids.firstAttribute + a))
            bits |= kAttributeBits[a];
    }
    if (bits == 0)
        Fail(dx, ids.firstAttribute, IDS_KY_AF_NO_ATTRIBUTE);
    RuleOf(filter, index)
        .SetAttrib(static_cast<AttribTreatment_t>(ComboIndex(ids.treatment)), bits);
}
