// Tests of the Advanced Filters sheet as a whole: its pages and start page,
// caption, buttons and tab captions, the filters it leaves alone when nothing
// is changed, context help on every page, and a filter the pages cannot show.
#include "KyGuiTool/AdvancedFilters/AdvancedFiltersPropertySheet.h"

#include "AdvancedFilters/AdvancedFiltersDriving.h"
#include "KyConTool/IndexingService/IndexingService.h"

using namespace aftest;

namespace {

const int kApplyButton = 0x3021;

Filters Parsed(const Strings& texts)
{
    Filters filters;
    for (const std::string& text : texts)
        filters.Parse(Kyvant::ky_I(text.c_str()));
    return filters;
}

// What the sheet showed when it came up.
struct Shown {
    int active = -1;
    Strings tabs;
    std::string caption;
    bool contextHelp = false;
    bool applyShown = true;
};

Shown ShowAndCancel(Filters& filters, UINT selectPage = 0, const char* shot = nullptr)
{
    AdvancedFiltersPropertySheet sheet(filters, IDS_KY_ADVANCED_FILTERS, nullptr, selectPage);
    Shown shown;
    EXPECT_EQ(IDCANCEL, RunSheet(sheet, [&](AdvancedFiltersPropertySheet& s) {
                  shown.active = s.GetActiveIndex();
                  shown.tabs = TabCaptions(s);
                  shown.caption = Text(s.m_hWnd);
                  shown.contextHelp = (s.GetExStyle() & WS_EX_CONTEXTHELP) != 0;
                  const HWND apply = ::GetDlgItem(s.m_hWnd, kApplyButton);
                  shown.applyShown = apply != nullptr && ::IsWindowVisible(apply);
                  if (shot != nullptr)
                      Snapshot(s, shot);
                  s.PressButton(PSBTN_CANCEL);
              }));
    return shown;
}

} // namespace

TEST(AdvancedFiltersSheet, StartsOnTheFirstPageWhoseFilterHoldsAConditionWithItsTabStarred)
{
    ASSERT_TRUE(Kyvant::IndexingService::Available()); // this prefix reports Windows 7
    const struct Case {
        Strings filters;
        UINT selectPage;
        int active;
        Strings tabs;
    } cases[] = {
        {{}, 0, 0, {"Time", "Size", "Attributes", "Indexing Service"}},
        {{}, 2, 2, {"Time", "Size", "Attributes", "Indexing Service"}},
        {{"S>=10KB"}, 0, 1, {"Time", "* Size", "Attributes", "Indexing Service"}},
        {{"A-H"}, 3, 2, {"Time", "Size", "* Attributes", "Indexing Service"}},
        {{"Iqcontents"}, 0, 3, {"Time", "Size", "Attributes", "* Indexing Service"}},
        {{"Ipword", "A+R", "S<=1"}, 0, 1, {"Time", "* Size", "* Attributes", "* Indexing Service"}},
        {{"TMLD3", "S>=1"}, 2, 0, {"* Time", "* Size", "Attributes", "Indexing Service"}},
    };
    for (const Case& c : cases) {
        Filters filters = Parsed(c.filters);
        const Filters before = filters;
        const Shown shown = ShowAndCancel(filters, c.selectPage,
                                          c.filters.empty() ? nullptr : "advanced-filters-sheet");
        const std::string name = c.filters.empty() ? "none" : c.filters.front();
        EXPECT_EQ(c.active, shown.active) << name;
        EXPECT_EQ(c.tabs, shown.tabs) << name;
        EXPECT_TRUE(filters == before) << name;
        // The caller's caption, the context-help button, no Apply button.
        EXPECT_EQ("Advanced Filters", shown.caption) << name;
        EXPECT_TRUE(shown.contextHelp) << name;
        EXPECT_FALSE(shown.applyShown) << name;
    }
}

TEST(AdvancedFiltersSheet, OkOnEveryPageWithNothingChangedLeavesTheFiltersEqual)
{
    const Strings cases[] = {
        {},
        {"S>=10KB", "S<=2MB"},
        {"S<=512"},
        {"A+~RH", "A-=SAC"},
        {"A-&N"},
        {"Ianearby words"},
        {"TC<20240131235959"},
        {"TA>=20230615083000"},
        {"TM>=20200101000000,<20200201120000"},
        // Conditions the pages cannot show stay as they are.
        {"TM>20200101000000"},
        {"S>5", "S<=10"},
    };
    for (const Strings& texts : cases) {
        Filters filters = Parsed(texts);
        const Filters before = filters;
        AdvancedFiltersPropertySheet sheet(filters, IDS_KY_ADVANCED_FILTERS);
        Boxes boxes;
        EXPECT_EQ(IDOK, RunSheet(sheet, [](AdvancedFiltersPropertySheet& s) {
                      for (int i = 0; i < s.GetPageCount(); ++i)
                          ShowPage(s, i);
                      s.PressButton(PSBTN_OK);
                  }));
        const std::string name = texts.empty() ? "none" : texts.front();
        EXPECT_TRUE(filters == before) << name;
        EXPECT_TRUE(boxes.Texts().empty()) << name;
    }
}

TEST(AdvancedFiltersSheet, ContextHelpOfEachPageNamesItsControlsWithTheirHelpIds)
{
    const struct Case {
        int page;
        UINT templateId;
        std::vector<int> controls;
    } cases[] = {
        {0,
         IDD_KY_AF_TIME,
         {2000, 2002, 2003, 2004, 2005, 2006, 2008, 2010, 2011, 2012, 2013, 2014, 2015, 2016, 2017,
          2018}},
        {1, IDD_KY_AF_SIZE, {2019, 2020, 2021, 2022, 2024, 2025, 2027}},
        {2,
         IDD_KY_AF_ATTRIBUTES,
         {2028, 2029, 2030, 2032, 2034, 2035, 2036, 2037, 2038, 2039, 2040, 2042, 2044, 2045, 2046,
          2047, 2048, 2049, 2050}},
        {3, IDD_KY_AF_INDEXING_SERVICE, {2060, 2061, 2062, 2064}},
    };
    Filters filters;
    AdvancedFiltersPropertySheet sheet(filters, IDS_KY_ADVANCED_FILTERS);
    HelpRecorder help;
    std::vector<std::pair<HWND, HWND>> expectedWindows;
    RunSheet(sheet, [&](AdvancedFiltersPropertySheet& s) {
        for (const Case& c : cases) {
            CPropertyPage& page = ShowPage(s, c.page);
            const int first = c.controls.front();
            const HWND control = Item(page, first);
            HELPINFO info = {};
            info.cbSize = sizeof info;
            info.iContextType = HELPINFO_WINDOW;
            info.iCtrlId = first;
            info.hItemHandle = control;
            ::SendMessageA(control, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
            // A right click on the last control, as the mouse gives it.
            const HWND last = Item(page, c.controls.back());
            ::SendMessageA(last, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
            ::SendMessageA(last, WM_RBUTTONUP, 0, MAKELPARAM(2, 2));
            expectedWindows.push_back({control, last});
        }
        s.PressButton(PSBTN_CANCEL);
    });
    ASSERT_EQ(2 * (sizeof cases / sizeof cases[0]), help.Made().size());
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        const Case& c = cases[i];
        std::vector<DWORD> table;
        for (int id : c.controls) {
            table.push_back(static_cast<DWORD>(id));
            table.push_back(static_cast<DWORD>(id) * 65536 + c.templateId);
        }
        table.push_back(0);
        table.push_back(0);
        const HelpRecorder::Call& onHelp = help.Made()[2 * i];
        const HelpRecorder::Call& onRightClick = help.Made()[2 * i + 1];
        EXPECT_EQ(static_cast<UINT>(HELP_WM_HELP), onHelp.command) << c.page;
        EXPECT_EQ(expectedWindows[i].first, onHelp.window) << c.page;
        EXPECT_EQ(table, onHelp.table) << c.page;
        EXPECT_EQ(static_cast<UINT>(HELP_CONTEXTMENU), onRightClick.command) << c.page;
        EXPECT_EQ(expectedWindows[i].second, onRightClick.window) << c.page;
        EXPECT_EQ(table, onRightClick.table) << c.page;
    }
}

TEST(AdvancedFiltersSheet, ATimeThePickersCannotShowIsReportedAndKeptUntilChanged)
{
    using namespace Kyvant::AdvancedFiltration;
    const FILETIME farOff = {0xFFFFFFFFu, 0xFFFFFFF0u};
    for (bool change : {false, true}) {
        Filters filters;
        filters.Time().SetBeforeTime(FileTimeWrite, FileTime(farOff));
        const Filters before = filters;
        AdvancedFiltersPropertySheet sheet(filters, IDS_KY_ADVANCED_FILTERS);
        Boxes boxes;
        bool masterOn = false;
        EXPECT_EQ(IDOK, RunSheet(sheet, [&](AdvancedFiltersPropertySheet& s) {
                      CPropertyPage& page = ShowPage(s, 0);
                      masterOn = Checked(page, IDC_KY_AF_TIME_ON) &&
                                 Checked(page, IDC_KY_AF_TIME_BEFORE) &&
                                 Enabled(page, IDC_KY_AF_TIME_BEFORE_DATE);
                      if (change)
                          Choose(page, IDC_KY_AF_TIME_FIELD, FileTimeCreation);
                      s.PressButton(PSBTN_OK);
                  }));
        ASSERT_EQ(1u, boxes.Texts().size());
        EXPECT_FALSE(boxes.Texts()[0].empty());
        EXPECT_TRUE(masterOn);
        if (change) {
            EXPECT_EQ(TimeFilter::ModeBefore, filters.Time().GetMode());
            EXPECT_EQ(FileTimeCreation, filters.Time().GetField());
        } else {
            EXPECT_TRUE(filters == before);
        }
    }
}
