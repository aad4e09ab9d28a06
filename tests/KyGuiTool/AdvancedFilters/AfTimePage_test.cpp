// Tests of the Time page: the master check box with the tab caption and the
// enabling of its controls (blank pickers while disabled), the stored
// condition it shows, what OK makes of each mode, the refusals of bad counts
// and pickers without a value, and the count's spin on an empty field.
#include "KyGuiTool/AdvancedFilters/AfTimePage.h"

#include "AdvancedFilters/AdvancedFiltersDriving.h"

using namespace aftest;
using namespace Kyvant::AdvancedFiltration;

namespace {

const int kTimePage = 0;

// Runs the sheet on the Time page over the filters parsed from the texts.
INT_PTR RunTimePage(Filters& filters, const std::function<void(CPropertySheet&, CWnd&)>& script)
{
    AdvancedFiltersPropertySheet sheet(filters, IDS_KY_ADVANCED_FILTERS);
    return RunSheet(sheet,
                    [&](AdvancedFiltersPropertySheet& s) { script(s, ShowPage(s, kTimePage)); });
}

Filters Parsed(const char* text)
{
    Filters filters;
    filters.Parse(Kyvant::ky_I(text));
    return filters;
}

// The ids from first to last that are enabled, as a string of '1' and '0'.
std::string EnabledRange(CWnd& page, int first, int last)
{
    std::string states;
    for (int id = first; id <= last; ++id)
        states += Enabled(page, id) ? '1' : '0';
    return states;
}

std::string Date(const SYSTEMTIME& t)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", t.wYear, t.wMonth, t.wDay);
    return text;
}

std::string Clock(const SYSTEMTIME& t)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u", t.wHour, t.wMinute, t.wSecond);
    return text;
}

std::string Today()
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    return Date(now);
}

// A picker's value as "yyyy-mm-dd" (date picker) or "hh:mm:ss" (time picker).
std::string Picker(CWnd& page, int id, bool date)
{
    SYSTEMTIME t = {};
    if (!PickerTime(page, id, t))
        return "invalid";
    return date ? Date(t) : Clock(t);
}

// Clicks the upper arrow of a spin as the mouse does.
void ClickSpinUp(CWnd& page, int id)
{
    const HWND spin = Item(page, id);
    RECT rect;
    ::GetClientRect(spin, &rect);
    const LPARAM point = MAKELPARAM(rect.right / 2, 1);
    ::SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, point);
    ::SendMessageA(spin, WM_LBUTTONUP, 0, point);
}

// A picker that has no valid value to give, whatever it shows.
LRESULT CALLBACK NoValuePicker(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC original = reinterpret_cast<WNDPROC>(::GetPropA(window, "original"));
    if (message == DTM_GETSYSTEMTIME)
        return GDT_NONE;
    return ::CallWindowProcA(original, window, message, wParam, lParam);
}

void TakeValueAway(CWnd& page, int id)
{
    const HWND picker = Item(page, id);
    const LONG_PTR original =
        ::SetWindowLongPtrA(picker, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NoValuePicker));
    ::SetPropA(picker, "original", reinterpret_cast<HANDLE>(original));
}

} // namespace

TEST(AfTimePage,
     TheMasterStarsTheTabAtOnceAndEnablesTheChosenModesControlsWithBlankPickersElsewhere)
{
    Filters filters;
    struct Step {
        std::string tab;
        std::string enabled; // 2001 to 2018
        int darkBefore, darkBetween;
        std::string betweenValue;
    };
    std::vector<Step> steps;
    EXPECT_EQ(IDCANCEL, RunTimePage(filters, [&](CPropertySheet& sheet, CWnd& page) {
                  const auto note = [&] {
                      steps.push_back(
                          {TabCaptions(sheet)[kTimePage],
                           EnabledRange(page, IDC_KY_AF_TIME_FIELD_LABEL, IDC_KY_AF_TIME_TO_TIME),
                           DarkPixels(page, IDC_KY_AF_TIME_BEFORE_DATE),
                           DarkPixels(page, IDC_KY_AF_TIME_FROM_DATE),
                           Picker(page, IDC_KY_AF_TIME_FROM_DATE, true)});
                  };
                  note();
                  Click(page, IDC_KY_AF_TIME_ON);
                  note();
                  Click(page, IDC_KY_AF_TIME_BETWEEN);
                  note();
                  Snapshot(sheet, "advanced-filters-time-between");
                  Click(page, IDC_KY_AF_TIME_ON);
                  note();
                  Click(page, IDC_KY_AF_TIME_ON);
                  note();
                  sheet.PressButton(PSBTN_CANCEL);
              }));
    ASSERT_EQ(5u, steps.size());
    const std::string today = Today();
    //                              2001 ... 2007 | 2008-2010 | 2011-2018
    const std::string off = "000000000000000000";
    const std::string inTheLast = "111111111100000000";
    const std::string between = "111111100000001111";
    const Step expected[] = {
        {"Time", off, 0, 0, today},       {"* Time", inTheLast, 0, 0, today},
        {"* Time", between, 0, 1, today}, {"Time", off, 0, 0, today},
        {"* Time", between, 0, 1, today},
    };
    for (size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(expected[i].tab, steps[i].tab) << i;
        EXPECT_EQ(expected[i].enabled, steps[i].enabled) << i;
        EXPECT_EQ(0, steps[i].darkBefore) << i;
        EXPECT_EQ(expected[i].darkBetween != 0, steps[i].darkBetween > 0) << i;
        EXPECT_EQ(expected[i].betweenValue, steps[i].betweenValue) << i;
    }
}

TEST(AfTimePage, ShowsTheStoredConditionAndTodayAtMidnightInTheOtherPickers)
{
    const std::string today = Today();
    const struct Case {
        const char* filter;
        int radio;
        std::string count;
        int field, unit;
        Strings pickers; // 2011 to 2018
    } cases[] = {
        {"TALW2",
         IDC_KY_AF_TIME_IN_THE_LAST,
         "2",
         FileTimeAccess,
         InTheLastWeeks,
         {today, "00:00:00", today, "00:00:00", today, "00:00:00", today, "00:00:00"}},
        {"TC<20240131235958",
         IDC_KY_AF_TIME_BEFORE,
         "",
         FileTimeCreation,
         InTheLastDays,
         {"2024-01-31", "23:59:58", today, "00:00:00", today, "00:00:00", today, "00:00:00"}},
        {"TM>=20230615083000",
         IDC_KY_AF_TIME_AFTER,
         "",
         FileTimeWrite,
         InTheLastDays,
         {today, "00:00:00", "2023-06-15", "08:30:00", today, "00:00:00", today, "00:00:00"}},
        {"TA>=20200101000001,<20201231120000",
         IDC_KY_AF_TIME_BETWEEN,
         "",
         FileTimeAccess,
         InTheLastDays,
         {today, "00:00:00", today, "00:00:00", "2020-01-01", "00:00:01", "2020-12-31",
          "12:00:00"}},
    };
    for (const Case& c : cases) {
        Filters filters = Parsed(c.filter);
        bool master = false, radio = false;
        std::string count;
        int field = -1, unit = -1;
        Strings pickers;
        RunTimePage(filters, [&](CPropertySheet& sheet, CWnd& page) {
            master = Checked(page, IDC_KY_AF_TIME_ON);
            radio = Checked(page, c.radio);
            count = Text(page, IDC_KY_AF_TIME_COUNT);
            field = Selected(page, IDC_KY_AF_TIME_FIELD);
            unit = Selected(page, IDC_KY_AF_TIME_UNIT);
            for (int id = IDC_KY_AF_TIME_BEFORE_DATE; id <= IDC_KY_AF_TIME_TO_TIME; ++id)
                pickers.push_back(Picker(page, id, (id - IDC_KY_AF_TIME_BEFORE_DATE) % 2 == 0));
            sheet.PressButton(PSBTN_CANCEL);
        });
        EXPECT_TRUE(master) << c.filter;
        EXPECT_TRUE(radio) << c.filter;
        EXPECT_EQ(c.count, count) << c.filter;
        EXPECT_EQ(c.field, field) << c.filter;
        EXPECT_EQ(c.unit, unit) << c.filter;
        EXPECT_EQ(c.pickers, pickers) << c.filter;
    }
}

TEST(AfTimePage, OkSetsTheChosenModeFromTheCountOrThePickersAndTheMasterOffClearsTheFilter)
{
    // Each picker pair's date comes from its date picker and its time of day
    // from its time picker; the other half of each picker's value must not count.
    const SYSTEMTIME first = Local(2023, 3, 4, 5, 6, 7);
    const SYSTEMTIME second = Local(2023, 11, 12, 13, 14, 15);
    const auto setPair = [](CWnd& page, int date, const SYSTEMTIME& when) {
        SYSTEMTIME datePart = when, timePart = when;
        datePart.wHour = 23;
        timePart.wYear = 2001;
        SetPickerTime(page, date, datePart);
        SetPickerTime(page, date + 1, timePart);
    };
    TimeFilter inTheLast, before, after, between;
    inTheLast.SetInTheLastTime(FileTimeCreation, 3, InTheLastDays);
    before.SetBeforeTime(FileTimeCreation, FileTime(first, true));
    after.SetAfterTime(FileTimeAccess, FileTime(first, true));
    between.SetBetweenTime(FileTimeWrite, FileTime(first, true), FileTime(second, true));
    const struct Case {
        int radio;
        int field;
        const TimeFilter& expected;
    } cases[] = {
        {IDC_KY_AF_TIME_IN_THE_LAST, FileTimeCreation, inTheLast},
        {IDC_KY_AF_TIME_BEFORE, FileTimeCreation, before},
        {IDC_KY_AF_TIME_AFTER, FileTimeAccess, after},
        {IDC_KY_AF_TIME_BETWEEN, FileTimeWrite, between},
        {IDC_KY_AF_TIME_ON, FileTimeWrite, TimeFilter()}, // the master off
    };
    for (const Case& c : cases) {
        Filters filters = Parsed("TA<20200101000000");
        EXPECT_EQ(IDOK, RunTimePage(filters, [&](CPropertySheet& sheet, CWnd& page) {
                      Choose(page, IDC_KY_AF_TIME_FIELD, c.field);
                      Click(page, c.radio);
                      Type(page, IDC_KY_AF_TIME_COUNT, "3");
                      setPair(page, IDC_KY_AF_TIME_BEFORE_DATE, first);
                      setPair(page, IDC_KY_AF_TIME_AFTER_DATE, first);
                      setPair(page, IDC_KY_AF_TIME_FROM_DATE, first);
                      setPair(page, IDC_KY_AF_TIME_TO_DATE, second);
                      sheet.PressButton(PSBTN_OK);
                  }));
        EXPECT_TRUE(c.expected == filters.Time()) << filters.Time().AsString().c_str();
    }
    EXPECT_STREQ("TCLD3", inTheLast.AsString().c_str());
}

TEST(AfTimePage, RefusesABadCountOrAPickerWithoutAValueOnThatControlAndStaysOpen)
{
    const struct Case {
        int radio;
        const char* count;
        int valueless; // a picker that gives no valid value
        int focus;
        std::string message;
    } cases[] = {
        {IDC_KY_AF_TIME_IN_THE_LAST, "", 0, IDC_KY_AF_TIME_COUNT, "Enter a whole number."},
        {IDC_KY_AF_TIME_IN_THE_LAST, "3 days", 0, IDC_KY_AF_TIME_COUNT, "Enter a whole number."},
        {IDC_KY_AF_TIME_IN_THE_LAST, "99999999999", 0, IDC_KY_AF_TIME_COUNT,
         "Enter a whole number."},
        {IDC_KY_AF_TIME_IN_THE_LAST, "-5", 0, IDC_KY_AF_TIME_COUNT,
         "Expected positive number for the in-the-last value part of: MLD-5"},
        {IDC_KY_AF_TIME_BETWEEN, "", IDC_KY_AF_TIME_TO_DATE, IDC_KY_AF_TIME_TO_DATE,
         "Invalid date"},
        {IDC_KY_AF_TIME_AFTER, "", IDC_KY_AF_TIME_AFTER_TIME, IDC_KY_AF_TIME_AFTER_TIME,
         "Invalid time"},
    };
    for (const Case& c : cases) {
        Filters filters;
        Boxes boxes;
        bool focused = false, stillOpen = false;
        EXPECT_EQ(IDCANCEL, RunTimePage(filters, [&](CPropertySheet& sheet, CWnd& page) {
                      Click(page, IDC_KY_AF_TIME_ON);
                      Click(page, c.radio);
                      Type(page, IDC_KY_AF_TIME_COUNT, c.count);
                      if (c.valueless != 0)
                          TakeValueAway(page, c.valueless);
                      sheet.PressButton(PSBTN_OK);
                      const HWND focus = ::GetFocus();
                      focused =
                          focus == Item(page, c.focus) || ::IsChild(Item(page, c.focus), focus);
                      stillOpen = ::IsWindowVisible(sheet.m_hWnd) && sheet.GetActivePage() == &page;
                      sheet.PressButton(PSBTN_CANCEL);
                  }));
        EXPECT_EQ(Strings{c.message}, boxes.Texts()) << c.count;
        EXPECT_TRUE(focused) << c.message;
        EXPECT_TRUE(stillOpen) << c.message;
        EXPECT_TRUE(filters == Filters()) << c.message;
    }
}

TEST(AfTimePage, TheCountsSpinPutsZeroIntoAnEmptyFieldAndCountsOnFromThere)
{
    Filters filters;
    Strings shown;
    bool unitKept = false, radioKept = false;
    EXPECT_EQ(IDOK, RunTimePage(filters, [&](CPropertySheet& sheet, CWnd& page) {
                  Click(page, IDC_KY_AF_TIME_ON);
                  ClickSpinUp(page, IDC_KY_AF_TIME_COUNT_SPIN);
                  shown.push_back(Text(page, IDC_KY_AF_TIME_COUNT));
                  ClickSpinUp(page, IDC_KY_AF_TIME_COUNT_SPIN);
                  shown.push_back(Text(page, IDC_KY_AF_TIME_COUNT));
                  // The arrow keys in the emptied field do the same.
                  Type(page, IDC_KY_AF_TIME_COUNT, "");
                  PressKey(Item(page, IDC_KY_AF_TIME_COUNT), VK_UP);
                  shown.push_back(Text(page, IDC_KY_AF_TIME_COUNT));
                  unitKept = Selected(page, IDC_KY_AF_TIME_UNIT) == InTheLastDays;
                  radioKept = Checked(page, IDC_KY_AF_TIME_IN_THE_LAST);
                  sheet.PressButton(PSBTN_OK);
              }));
    EXPECT_EQ((Strings{"0", "1", "0"}), shown);
    EXPECT_TRUE(unitKept);
    EXPECT_TRUE(radioKept);
    EXPECT_STREQ("TMLD0", filters.Time().AsString().c_str());
}

TEST(AfTimePage, AConditionWithoutAModeStaysUntouchedButOnceChangedAsksForAMode)
{
    Filters filters = Parsed("TM>20200101000000");
    const Filters before = filters;
    Boxes boxes;
    bool noRadio = false, focused = false;
    EXPECT_EQ(IDCANCEL, RunTimePage(filters, [&](CPropertySheet& sheet, CWnd& page) {
                  noRadio = Checked(page, IDC_KY_AF_TIME_ON) &&
                            !Checked(page, IDC_KY_AF_TIME_IN_THE_LAST) &&
                            !Checked(page, IDC_KY_AF_TIME_BEFORE) &&
                            !Checked(page, IDC_KY_AF_TIME_AFTER) &&
                            !Checked(page, IDC_KY_AF_TIME_BETWEEN);
                  Choose(page, IDC_KY_AF_TIME_FIELD, FileTimeAccess);
                  sheet.PressButton(PSBTN_OK);
                  focused = ::GetFocus() == Item(page, IDC_KY_AF_TIME_IN_THE_LAST);
                  sheet.PressButton(PSBTN_CANCEL);
              }));
    EXPECT_TRUE(noRadio);
    EXPECT_EQ(Strings{"You must choose In the last, Before, After or Between"}, boxes.Texts());
    EXPECT_TRUE(focused);
    EXPECT_TRUE(filters == before);
}
