// Tests of the Attributes page: the rules it stores and shows with their
// treatments and attribute bits, the master that clears them, and the
// refusals of a rule without attributes and of no rule.
#include "KyGuiTool/AdvancedFilters/AfAttributesPage.h"

#include "AdvancedFilters/AdvancedFiltersDriving.h"

using namespace aftest;
using namespace Kyvant::AdvancedFiltration;

namespace {

const int kAttributesPage = 2;
const int kNotIndexed = 6;

INT_PTR RunAttributesPage(Filters& filters,
                          const std::function<void(CPropertySheet&, CWnd&)>& script)
{
    AdvancedFiltersPropertySheet sheet(filters, IDS_KY_ADVANCED_FILTERS);
    return RunSheet(
        sheet, [&](AdvancedFiltersPropertySheet& s) { script(s, ShowPage(s, kAttributesPage)); });
}

// The checked attribute boxes of a rule, as '1' and '0' in the page's order.
std::string AttributeChecks(CWnd& page, int first)
{
    std::string checks;
    for (int i = 0; i <= kNotIndexed; ++i)
        checks += Checked(page, first + i) ? '1' : '0';
    return checks;
}

} // namespace

TEST(AfAttributesPage, StoresTheCheckedAttributesOfEachRuleAndShowsThemAgainWithTheTabStarred)
{
    const struct Case {
        const char* stored;
        bool include;
        int includeTreatment;
        std::string includeChecks; // Archive ... Not Content-Indexed
        bool exclude;
        int excludeTreatment;
        std::string excludeChecks;
    } cases[] = {
        {"A+~HR", true, AttribAll, "0110000", false, AttribAny, "0000000"},
        {"A-=ASN", false, AttribAny, "0000000", true, AttribExact, "1001001"},
        {"A+&CE,-&H", true, AttribAny, "0000110", true, AttribAny, "0100000"},
    };
    for (const Case& c : cases) {
        Filters filters;
        EXPECT_EQ(IDOK, RunAttributesPage(filters, [&](CPropertySheet& sheet, CWnd& page) {
                      Click(page, IDC_KY_AF_ATTRIB_ON);
                      const auto rule = [&](int check, int treatment, int first, int chosen,
                                            const std::string& checks) {
                          Click(page, check);
                          Choose(page, treatment, chosen);
                          for (int a = 0; a <= kNotIndexed; ++a) {
                              if (checks[static_cast<size_t>(a)] == '1')
                                  Click(page, first + a);
                          }
                      };
                      if (c.include)
                          rule(IDC_KY_AF_ATTRIB_INCLUDE, IDC_KY_AF_ATTRIB_INCLUDE_TREATMENT,
                               IDC_KY_AF_ATTRIB_INCLUDE_FIRST, c.includeTreatment, c.includeChecks);
                      if (c.exclude)
                          rule(IDC_KY_AF_ATTRIB_EXCLUDE, IDC_KY_AF_ATTRIB_EXCLUDE_TREATMENT,
                               IDC_KY_AF_ATTRIB_EXCLUDE_FIRST, c.excludeTreatment, c.excludeChecks);
                      sheet.PressButton(PSBTN_OK);
                  }));
        EXPECT_STREQ(c.stored, filters.Attrib().AsString().c_str());

        Strings shown;
        RunAttributesPage(filters, [&](CPropertySheet& sheet, CWnd& page) {
            shown = {TabCaptions(sheet)[kAttributesPage],
                     std::to_string(sheet.GetActiveIndex()),
                     Checked(page, IDC_KY_AF_ATTRIB_ON) ? "on" : "off",
                     Checked(page, IDC_KY_AF_ATTRIB_INCLUDE) ? "include" : "-",
                     std::to_string(Selected(page, IDC_KY_AF_ATTRIB_INCLUDE_TREATMENT)),
                     AttributeChecks(page, IDC_KY_AF_ATTRIB_INCLUDE_FIRST),
                     Checked(page, IDC_KY_AF_ATTRIB_EXCLUDE) ? "exclude" : "-",
                     std::to_string(Selected(page, IDC_KY_AF_ATTRIB_EXCLUDE_TREATMENT)),
                     AttributeChecks(page, IDC_KY_AF_ATTRIB_EXCLUDE_FIRST)};
            if (c.include && c.exclude)
                Snapshot(sheet, "advanced-filters-attributes");
            sheet.PressButton(PSBTN_CANCEL);
        });
        const Strings expected = {"* Attributes",
                                  std::to_string(kAttributesPage),
                                  "on",
                                  c.include ? "include" : "-",
                                  std::to_string(c.includeTreatment),
                                  c.includeChecks,
                                  c.exclude ? "exclude" : "-",
                                  std::to_string(c.excludeTreatment),
                                  c.excludeChecks};
        EXPECT_EQ(expected, shown) << c.stored;
    }
}

TEST(AfAttributesPage, HiddenAndReadOnlyGiveTheirBitsAndTheMasterOffClearsBothRules)
{
    Filters filters;
    filters.Parse(Kyvant::ky_I("A-S"));
    EXPECT_EQ(IDOK, RunAttributesPage(filters, [](CPropertySheet& sheet, CWnd& page) {
                  Click(page, IDC_KY_AF_ATTRIB_INCLUDE);
                  Choose(page, IDC_KY_AF_ATTRIB_INCLUDE_TREATMENT, AttribExact);
                  Click(page, IDC_KY_AF_ATTRIB_INCLUDE_HIDDEN);
                  Click(page, IDC_KY_AF_ATTRIB_INCLUDE_READ_ONLY);
                  sheet.PressButton(PSBTN_OK);
              }));
    EXPECT_EQ(AttribExact, filters.Attrib().MustRule().GetTreatment());
    EXPECT_EQ(static_cast<DWORD>(0x2 | 0x1), filters.Attrib().MustRule().GetMask());
    EXPECT_EQ(static_cast<DWORD>(0x4), filters.Attrib().MustNotRule().GetMask());

    EXPECT_EQ(IDOK, RunAttributesPage(filters, [](CPropertySheet& sheet, CWnd& page) {
                  Click(page, IDC_KY_AF_ATTRIB_ON);
                  sheet.PressButton(PSBTN_OK);
              }));
    EXPECT_TRUE(filters == Filters());
}

TEST(AfAttributesPage, RefusesARuleWithoutAttributesAndTheMasterWithoutARule)
{
    const struct Case {
        const char* name;
        std::vector<int> clicks;
        int focus;
    } cases[] = {
        {"exclude without attributes", {IDC_KY_AF_ATTRIB_EXCLUDE}, IDC_KY_AF_ATTRIB_EXCLUDE_FIRST},
        {"include without attributes",
         {IDC_KY_AF_ATTRIB_EXCLUDE, IDC_KY_AF_ATTRIB_EXCLUDE_HIDDEN, IDC_KY_AF_ATTRIB_INCLUDE},
         IDC_KY_AF_ATTRIB_INCLUDE_FIRST},
        {"no rule", {}, IDC_KY_AF_ATTRIB_INCLUDE},
    };
    for (const Case& c : cases) {
        Filters filters;
        Boxes boxes;
        bool focused = false;
        EXPECT_EQ(IDCANCEL, RunAttributesPage(filters, [&](CPropertySheet& sheet, CWnd& page) {
                      Click(page, IDC_KY_AF_ATTRIB_ON);
                      for (int id : c.clicks)
                          Click(page, id);
                      sheet.PressButton(PSBTN_OK);
                      focused = ::GetFocus() == Item(page, c.focus);
                      sheet.PressButton(PSBTN_CANCEL);
                  }));
        EXPECT_EQ(Strings{"You must specify at least one attribute"}, boxes.Texts()) << c.name;
        EXPECT_TRUE(focused) << c.name;
        EXPECT_TRUE(filters == Filters()) << c.name;
    }
}
