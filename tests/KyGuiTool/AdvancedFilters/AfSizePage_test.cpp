// Tests of the Size page: the bounds it shows and stores with their units,
// the refusals of a missing bound and of text the size parser rejects, and
// the spins on empty fields.
#include "KyGuiTool/AdvancedFilters/AfSizePage.h"

#include "AdvancedFilters/AdvancedFiltersDriving.h"

using namespace aftest;
using namespace Kyvant::AdvancedFiltration;

namespace {

const int kSizePage = 1;

INT_PTR RunSizePage(Filters& filters, const std::function<void(CPropertySheet&, CWnd&)>& script)
{
    AdvancedFiltersPropertySheet sheet(filters, IDS_KY_ADVANCED_FILTERS);
    return RunSheet(sheet,
                    [&](AdvancedFiltersPropertySheet& s) { script(s, ShowPage(s, kSizePage)); });
}

Filters Parsed(const char* text)
{
    Filters filters;
    filters.Parse(Kyvant::ky_I(text));
    return filters;
}

// The message FileSize::Parse gives for the text.
std::string ParserMessage(const char* text)
{
    try {
        FileSize().Parse(Kyvant::ky_I(text));
    } catch (const std::exception& e) {
        return e.what();
    }
    return "accepted";
}

} // namespace

TEST(AfSizePage, StoresEachCheckedBoundAsItsNumberAndUnitAndShowsItAgain)
{
    const struct Case {
        bool atLeast;
        const char* leastNumber;
        int leastUnit;
        bool atMost;
        const char* mostNumber;
        int mostUnit;
        const char* stored;
    } cases[] = {
        {true, "10", FileSize::KB, false, "", FileSize::KB, "S>=10KB"},
        {false, "", FileSize::KB, true, "512", FileSize::Bytes, "S<=512"},
        {true, "1", FileSize::MB, true, "4", FileSize::GB, "S>=1MB,<=4GB"},
        {true, "18446744073709551615", FileSize::Bytes, false, "", FileSize::KB,
         "S>=18446744073709551615"},
    };
    for (const Case& c : cases) {
        Filters filters;
        EXPECT_EQ(IDOK, RunSizePage(filters, [&](CPropertySheet& sheet, CWnd& page) {
                      Click(page, IDC_KY_AF_SIZE_ON);
                      if (c.atLeast) {
                          Click(page, IDC_KY_AF_SIZE_AT_LEAST);
                          Type(page, IDC_KY_AF_SIZE_AT_LEAST_NUMBER, c.leastNumber);
                          Choose(page, IDC_KY_AF_SIZE_AT_LEAST_UNIT, c.leastUnit);
                      }
                      if (c.atMost) {
                          Click(page, IDC_KY_AF_SIZE_AT_MOST);
                          Type(page, IDC_KY_AF_SIZE_AT_MOST_NUMBER, c.mostNumber);
                          Choose(page, IDC_KY_AF_SIZE_AT_MOST_UNIT, c.mostUnit);
                      }
                      sheet.PressButton(PSBTN_OK);
                  }));
        EXPECT_STREQ(c.stored, filters.Size().AsString().c_str());

        Strings shown;
        RunSizePage(filters, [&](CPropertySheet& sheet, CWnd& page) {
            shown = {TabCaptions(sheet)[kSizePage],
                     Checked(page, IDC_KY_AF_SIZE_ON) ? "on" : "off",
                     Checked(page, IDC_KY_AF_SIZE_AT_LEAST) ? "least" : "-",
                     Text(page, IDC_KY_AF_SIZE_AT_LEAST_NUMBER),
                     std::to_string(Selected(page, IDC_KY_AF_SIZE_AT_LEAST_UNIT)),
                     Checked(page, IDC_KY_AF_SIZE_AT_MOST) ? "most" : "-",
                     Text(page, IDC_KY_AF_SIZE_AT_MOST_NUMBER),
                     std::to_string(Selected(page, IDC_KY_AF_SIZE_AT_MOST_UNIT))};
            if (c.atLeast && c.atMost)
                Snapshot(sheet, "advanced-filters-size");
            sheet.PressButton(PSBTN_CANCEL);
        });
        const Strings expected = {"* Size",
                                  "on",
                                  c.atLeast ? "least" : "-",
                                  c.leastNumber,
                                  std::to_string(c.leastUnit),
                                  c.atMost ? "most" : "-",
                                  c.mostNumber,
                                  std::to_string(c.mostUnit)};
        EXPECT_EQ(expected, shown) << c.stored;
    }
}

TEST(AfSizePage, RefusesNoBoundOnAtLeastAndBadTextWithTheParsersMessage)
{
    const struct Case {
        const char* number;
        int unit;
        int focus;
        std::string message;
    } cases[] = {
        {nullptr, 0, IDC_KY_AF_SIZE_AT_LEAST, "You must specify at least one size field"},
        {"ten", FileSize::KB, IDC_KY_AF_SIZE_AT_MOST_NUMBER, ParserMessage("tenKB")},
        {"5 K", FileSize::Bytes, IDC_KY_AF_SIZE_AT_MOST_NUMBER, ParserMessage("5 K")},
        {"", FileSize::MB, IDC_KY_AF_SIZE_AT_MOST_NUMBER, ParserMessage("MB")},
        {"18446744073709551615", FileSize::KB, IDC_KY_AF_SIZE_AT_MOST_NUMBER,
         "Overflow in scaled file size"},
    };
    for (const Case& c : cases) {
        Filters filters = Parsed("S>=7");
        const Filters before = filters;
        Boxes boxes;
        bool focused = false;
        EXPECT_EQ(IDCANCEL, RunSizePage(filters, [&](CPropertySheet& sheet, CWnd& page) {
                      Click(page, IDC_KY_AF_SIZE_AT_LEAST); // off: no bound left
                      if (c.number != nullptr) {
                          Click(page, IDC_KY_AF_SIZE_AT_MOST);
                          Type(page, IDC_KY_AF_SIZE_AT_MOST_NUMBER, c.number);
                          Choose(page, IDC_KY_AF_SIZE_AT_MOST_UNIT, c.unit);
                      }
                      sheet.PressButton(PSBTN_OK);
                      focused = ::GetFocus() == Item(page, c.focus);
                      sheet.PressButton(PSBTN_CANCEL);
                  }));
        EXPECT_EQ(Strings{c.message}, boxes.Texts()) << c.message;
        EXPECT_TRUE(focused) << c.message;
        EXPECT_TRUE(filters == before) << c.message;
    }
}

TEST(AfSizePage, TheMasterStarsTheTabAndASpinOnAnEmptyFieldPutsOneThereAndNothingElse)
{
    Filters filters;
    Strings shown;
    Strings tabs;
    EXPECT_EQ(IDOK, RunSizePage(filters, [&](CPropertySheet& sheet, CWnd& page) {
                  // The tab follows the master at once, before OK.
                  for (int i = 0; i < 3; ++i) {
                      Click(page, IDC_KY_AF_SIZE_ON);
                      tabs.push_back(TabCaptions(sheet)[kSizePage]);
                  }
                  Click(page, IDC_KY_AF_SIZE_AT_MOST);
                  Choose(page, IDC_KY_AF_SIZE_AT_MOST_UNIT, FileSize::MB);
                  PressKey(Item(page, IDC_KY_AF_SIZE_AT_MOST_NUMBER), VK_DOWN);
                  shown.push_back(Text(page, IDC_KY_AF_SIZE_AT_MOST_NUMBER));
                  PressKey(Item(page, IDC_KY_AF_SIZE_AT_MOST_NUMBER), VK_UP);
                  shown.push_back(Text(page, IDC_KY_AF_SIZE_AT_MOST_NUMBER));
                  shown.push_back(Text(page, IDC_KY_AF_SIZE_AT_LEAST_NUMBER));
                  shown.push_back(std::to_string(Selected(page, IDC_KY_AF_SIZE_AT_MOST_UNIT)));
                  sheet.PressButton(PSBTN_OK);
              }));
    EXPECT_EQ((Strings{"* Size", "Size", "* Size"}), tabs);
    EXPECT_EQ((Strings{"1", "2", "", "2"}), shown);
    EXPECT_STREQ("S<=2MB", filters.Size().AsString().c_str());
}
