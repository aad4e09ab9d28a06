// Tests of the Touch page in a settings dialog: the time stamps applied from
// the registry or a new task, given times and "now", the copy-source
// toolbars, Shift with "Now", registry state and task-file records.
#include "KyTools/Touch/KyTouchGSubDialogPage.h"

#include "Host/SettingsHost.h"
#include "KyTools/PageSupport/PageExchange.h"
#include "KyTools/Touch/TouchResource.h"
#include "Touch/TouchDriving.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace hosttest;
using namespace touchtest;
using Args = std::vector<std::string>;
using Ids = std::vector<int>;

const int kWriteBar = IDC_KY_TOUCH_WRITE_TOOLBAR;
const int kCreationBar = IDC_KY_TOUCH_CREATION_TOOLBAR;
const int kAccessBar = IDC_KY_TOUCH_ACCESS_TOOLBAR;

int g_beeps = 0;

void CountBeep()
{
    ++g_beeps;
}

// The record of a group that is applied at 2024-01-31 23:59:00.
const std::string kGivenCreation("\x01\x00\x1F\x01\xE8\x07\x00\x3B\x17\x00", 10);
// A group that is not applied, or applied with "now".
const std::string kNotApplied("\x00\x01\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 10);
const std::string kAppliedNow("\x01\x01\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 10);

class TouchPage : public ::testing::Test, protected PageRunner<KyTouchGSubDialogPage> {
protected:
    using PageRunner<KyTouchGSubDialogPage>::Run;

    void SetUp() override
    {
        theApp.m_boxes.clear();
        g_beeps = 0;
        m_previousBeep = Kyvant::PageExchange::SetBeepFunction(&CountBeep);
        m_key = FreshKey("Touch");
    }
    void TearDown() override
    {
        Kyvant::PageExchange::SetBeepFunction(m_previousBeep);
        DeleteTestsKey();
    }

    static void NewTask(KyTouchGSubDialogPage& page)
    {
        page.DocOnNew();
        page.UpdateData(FALSE);
        page.DocOnFinishNew();
        PumpPending();
    }
    // Creation applied at 2024-01-31 23:59:00, as the user enters it.
    static void GiveCreationTime(KyTouchGSubDialogPage& page)
    {
        if (!Checked(page, IDC_KY_TOUCH_CREATION_APPLY))
            Click(page, IDC_KY_TOUCH_CREATION_APPLY);
        if (Checked(page, IDC_KY_TOUCH_CREATION_NOW))
            Click(page, IDC_KY_TOUCH_CREATION_NOW);
        SetPicker(page, IDC_KY_TOUCH_CREATION_DATE, Time(2024, 1, 31, 0, 0, 0));
        SetPicker(page, IDC_KY_TOUCH_CREATION_TIME, Time(2000, 1, 1, 23, 59, 0));
    }
    // The checked apply and "Now" boxes.
    static Ids Boxes(CWnd& page)
    {
        return CheckedIn(page, IDC_KY_TOUCH_WRITE_NOW, IDC_KY_TOUCH_ACCESS_APPLY);
    }
    // The enabled "Now" boxes and pickers of the three groups, as 1 or 0.
    static std::string EnabledTimes(CWnd& page)
    {
        std::string flags;
        for (int ids : {0, 2, 4}) {
            flags += Enabled(page, IDC_KY_TOUCH_WRITE_NOW + ids / 2) ? '1' : '0';
            for (int id : {IDC_KY_TOUCH_WRITE_DATE_LABEL + ids, IDC_KY_TOUCH_WRITE_DATE + ids,
                           IDC_KY_TOUCH_WRITE_TIME_LABEL + ids, IDC_KY_TOUCH_WRITE_TIME + ids})
                flags += Enabled(page, id) ? '1' : '0';
            flags += ' ';
        }
        flags.pop_back();
        return flags;
    }
    // The make-source and copy buttons of the three toolbars.
    static std::string Toolbars(CWnd& page)
    {
        return ButtonState(page, kWriteBar, ID_KY_TOUCH_WRITE_MAKE_SOURCE) +
               ButtonState(page, kWriteBar, ID_KY_TOUCH_WRITE_COPY) + " " +
               ButtonState(page, kCreationBar, ID_KY_TOUCH_CREATION_MAKE_SOURCE) +
               ButtonState(page, kCreationBar, ID_KY_TOUCH_CREATION_COPY) + " " +
               ButtonState(page, kAccessBar, ID_KY_TOUCH_ACCESS_MAKE_SOURCE) +
               ButtonState(page, kAccessBar, ID_KY_TOUCH_ACCESS_COPY);
    }

    Kyvant::PageExchange::BeepFunction m_previousBeep = nullptr;
    Kyvant::RegKey m_key;
};

TEST_F(TouchPage, WithNoStoredValuesOnlyLastWriteIsAppliedNow)
{
    Ids boxes;
    std::string enabled;
    const INT_PTR result = Run(m_key, [&](KyTouchGSubDialogPage& page, SettingsHost& host) {
        boxes = Boxes(page);
        enabled = EnabledTimes(page);
        SaveWindowPng(host.m_hWnd, "touch_page_defaults");
        host.PressOK();
    });
    EXPECT_EQ((Ids{IDC_KY_TOUCH_WRITE_NOW, IDC_KY_TOUCH_CREATION_NOW, IDC_KY_TOUCH_ACCESS_NOW,
                   IDC_KY_TOUCH_WRITE_APPLY}),
              boxes);
    EXPECT_EQ("10000 00000 00000", enabled);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(Args{"-w"}, Argv());
}

TEST_F(TouchPage, NewTaskAppliesNothingAndOKBeepsUntilOneIsApplied)
{
    Ids boxes;
    int focus = 0;
    int beepsBeforeApply = 0;
    const INT_PTR result = Run(m_key, [&](KyTouchGSubDialogPage& page, SettingsHost& host) {
        NewTask(page);
        boxes = Boxes(page);
        host.PressOK();
        focus = FocusId();
        beepsBeforeApply = g_beeps;
        Click(page, IDC_KY_TOUCH_ACCESS_APPLY);
        host.PressOK();
    });
    EXPECT_EQ((Ids{IDC_KY_TOUCH_WRITE_NOW, IDC_KY_TOUCH_CREATION_NOW, IDC_KY_TOUCH_ACCESS_NOW}),
              boxes);
    EXPECT_EQ(1, beepsBeforeApply);
    EXPECT_EQ(IDC_KY_TOUCH_WRITE_APPLY, focus);
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(Args{"-a"}, Argv());
}

TEST_F(TouchPage, GivenCreationTimeIsTheArgumentAndTheRecord)
{
    std::string enabled;
    Run(m_key, [&](KyTouchGSubDialogPage& page, SettingsHost& host) {
        NewTask(page);
        GiveCreationTime(page);
        enabled = EnabledTimes(page);
        SaveWindowPng(host.m_hWnd, "touch_page_given_time");
        host.PressOK();
    });
    EXPECT_EQ("00000 11111 00000", enabled);
    EXPECT_EQ(Args{"-c20240131235900"}, Argv());
    const std::string records = SaveRecords(*m_page);
    EXPECT_EQ(Record(7001, kNotApplied) + Record(7000, kGivenCreation) + Record(7002, kNotApplied) +
                  Record(7003, std::string(1, '\0')) + Record(7004, std::string(1, '\0')) +
                  Record(7005, std::string(1, '\0')),
              records);
}

TEST_F(TouchPage, UtcAddsItsSwitchAndLeavesTheTimeAlone)
{
    std::string date, time;
    Run(m_key, [&](KyTouchGSubDialogPage& page, SettingsHost& host) {
        NewTask(page);
        GiveCreationTime(page);
        Click(page, IDC_KY_TOUCH_UTC);
        Click(page, IDC_KY_TOUCH_VERBOSE);
        Click(page, IDC_KY_TOUCH_FOLDERS);
        host.PressOK();
        date = DateShown(page, IDC_KY_TOUCH_CREATION_DATE);
        time = TimeShown(page, IDC_KY_TOUCH_CREATION_TIME);
    });
    EXPECT_EQ((Args{"-c20240131235900", "-F", "-u", "-v"}), Argv());
    EXPECT_EQ("2024-01-31", date);
    EXPECT_EQ("23:59:00", time);
}

TEST_F(TouchPage, CopyButtonsCopyTheSourceDateTimeAndNow)
{
    std::vector<std::string> bars;
    std::string creationDate, creationTime;
    bool creationNow = true;
    std::string enabledAfterCopy;
    bool creationNowAfterSecondCopy = false;
    int modified = 0;
    Run(m_key, [&](KyTouchGSubDialogPage& page, SettingsHost& host) {
        bars.push_back(Toolbars(page));
        Click(page, IDC_KY_TOUCH_CREATION_APPLY);
        Click(page, IDC_KY_TOUCH_WRITE_NOW);
        SetPicker(page, IDC_KY_TOUCH_WRITE_DATE, Time(2023, 5, 6, 0, 0, 0));
        SetPicker(page, IDC_KY_TOUCH_WRITE_TIME, Time(2000, 1, 1, 7, 8, 9));
        bars.push_back(Toolbars(page));
        ClickToolbarButton(page, kWriteBar, ID_KY_TOUCH_WRITE_MAKE_SOURCE);
        bars.push_back(Toolbars(page));
        SaveWindowPng(host.m_hWnd, "touch_page_copy_source");

        const int before = m_bridge->modified;
        ClickToolbarButton(page, kCreationBar, ID_KY_TOUCH_CREATION_COPY);
        modified = m_bridge->modified - before;
        creationNow = Checked(page, IDC_KY_TOUCH_CREATION_NOW);
        creationDate = DateShown(page, IDC_KY_TOUCH_CREATION_DATE);
        creationTime = TimeShown(page, IDC_KY_TOUCH_CREATION_TIME);
        enabledAfterCopy = EnabledTimes(page);

        Click(page, IDC_KY_TOUCH_WRITE_NOW);
        ClickToolbarButton(page, kCreationBar, ID_KY_TOUCH_CREATION_COPY);
        creationNowAfterSecondCopy = Checked(page, IDC_KY_TOUCH_CREATION_NOW);

        ClickToolbarButton(page, kCreationBar, ID_KY_TOUCH_CREATION_MAKE_SOURCE);
        bars.push_back(Toolbars(page));
        Click(page, IDC_KY_TOUCH_CREATION_APPLY);
        bars.push_back(Toolbars(page));
    });
    EXPECT_EQ((std::vector<std::string>{
                  // Only the applied last write can be the source; no source yet.
                  "e--- ---- ----",
                  "e--- e--- ----",
                  // The last write is the source: the creation may copy it.
                  "ec-- e-e- ----",
                  // The creation took over as source.
                  "e-e- ec-- ----",
                  // A group that is not applied is no source, and nothing can copy.
                  "e--- ---- ----",
              }),
              bars);
    EXPECT_FALSE(creationNow);
    EXPECT_EQ("2023-05-06", creationDate);
    EXPECT_EQ("07:08:09", creationTime);
    EXPECT_EQ("11111 11111 00000", enabledAfterCopy);
    EXPECT_TRUE(creationNowAfterSecondCopy);
    EXPECT_GE(modified, 1);
}

TEST_F(TouchPage, ShiftNowPutsTheCurrentTimeInThePickers)
{
    for (bool nowChecked : {true, false}) {
        SCOPED_TRACE(nowChecked ? "from now" : "from a given time");
        bool now = true;
        std::string enabled;
        SYSTEMTIME before = {}, date = {}, time = {}, after = {};
        Run(m_key, [&](KyTouchGSubDialogPage& page, SettingsHost&) {
            if (!nowChecked)
                Click(page, IDC_KY_TOUCH_WRITE_NOW);
            SetPicker(page, IDC_KY_TOUCH_WRITE_DATE, Time(2001, 2, 3, 4, 5, 6));
            SetPicker(page, IDC_KY_TOUCH_WRITE_TIME, Time(2001, 2, 3, 4, 5, 6));
            ::GetLocalTime(&before);
            ShiftClick(page, IDC_KY_TOUCH_WRITE_NOW);
            ::GetLocalTime(&after);
            now = Checked(page, IDC_KY_TOUCH_WRITE_NOW);
            enabled = EnabledTimes(page);
            date = Picker(page, IDC_KY_TOUCH_WRITE_DATE);
            time = Picker(page, IDC_KY_TOUCH_WRITE_TIME);
        });
        EXPECT_FALSE(now);
        EXPECT_EQ("11111 00000 00000", enabled);
        EXPECT_TRUE(date.wYear == before.wYear || date.wYear == after.wYear);
        EXPECT_TRUE(date.wDay == before.wDay || date.wDay == after.wDay);
        const int seconds = time.wHour * 3600 + time.wMinute * 60 + time.wSecond;
        const int from = before.wHour * 3600 + before.wMinute * 60 + before.wSecond;
        const int to = after.wHour * 3600 + after.wMinute * 60 + after.wSecond;
        EXPECT_TRUE((seconds >= from && seconds <= to) || to < from) << seconds;
    }
}

TEST_F(TouchPage, StateRoundTripsThroughTheRegistry)
{
    Run(m_key, [&](KyTouchGSubDialogPage& page, SettingsHost& host) {
        GiveCreationTime(page);
        Click(page, IDC_KY_TOUCH_ACCESS_APPLY);
        Click(page, IDC_KY_TOUCH_FOLDERS);
        host.PressOK();
    });
    const struct {
        const char* name;
        DWORD value;
    } stored[] = {{"lwApply", 1}, {"lwNow", 1}, {"lwDate", 0xFFFFFFFF}, {"lwTime", 0xFFFFFFFF},
                  {"crApply", 1}, {"crNow", 0}, {"crDate", 0x07E8011F}, {"crTime", 0x00173B00},
                  {"laApply", 1}, {"laNow", 1}, {"TouchFolders", 1},    {"UTC", 0},
                  {"Verbose", 0}};
    for (const auto& value : stored)
        EXPECT_EQ(value.value, ReadDword(m_key, value.name)) << value.name;

    Ids boxes;
    std::string date, time;
    Run(m_key, [&](KyTouchGSubDialogPage& page, SettingsHost& host) {
        boxes = Boxes(page);
        date = DateShown(page, IDC_KY_TOUCH_CREATION_DATE);
        time = TimeShown(page, IDC_KY_TOUCH_CREATION_TIME);
        host.PressOK();
    });
    EXPECT_EQ((Ids{IDC_KY_TOUCH_WRITE_NOW, IDC_KY_TOUCH_ACCESS_NOW, IDC_KY_TOUCH_WRITE_APPLY,
                   IDC_KY_TOUCH_CREATION_APPLY, IDC_KY_TOUCH_ACCESS_APPLY}),
              boxes);
    EXPECT_EQ("2024-01-31", date);
    EXPECT_EQ("23:59:00", time);
    EXPECT_EQ((Args{"-w", "-c20240131235900", "-a", "-F"}), Argv());
}

TEST_F(TouchPage, MissingKeyAndBadStoredTimesCauseNoHarm)
{
    WriteDword(m_key, "lwNow", 0);
    WriteDword(m_key, "lwDate", 0x07E80D20); // month 13
    WriteDword(m_key, "lwTime", 0x00173B00);
    WriteDword(m_key, "crApply", 1);
    WriteDword(m_key, "crNow", 0);
    WriteDword(m_key, "crDate", 0x07E8011F);
    WriteDword(m_key, "crTime", 0x00FF0000); // hour 255
    const Kyvant::RegKey noKey;
    for (bool withKey : {false, true}) {
        SCOPED_TRACE(withKey ? "bad times" : "no key");
        Run(withKey ? m_key : noKey, [&](KyTouchGSubDialogPage& page, SettingsHost& host) {
            SetPicker(page, IDC_KY_TOUCH_CREATION_DATE, Time(2022, 2, 2, 0, 0, 0));
            SetPicker(page, IDC_KY_TOUCH_CREATION_TIME, Time(2000, 1, 1, 2, 2, 2));
            SetPicker(page, IDC_KY_TOUCH_WRITE_DATE, Time(2021, 1, 1, 0, 0, 0));
            SetPicker(page, IDC_KY_TOUCH_WRITE_TIME, Time(2000, 1, 1, 1, 1, 1));
            host.PressOK();
        });
        // What the pickers show is what the user sees and what runs.
        EXPECT_EQ(withKey ? (Args{"-w20210101010101", "-c20220202020202"}) : Args{"-w"}, Argv());
    }
}

TEST_F(TouchPage, RecordsAreReadBackToTheSameArguments)
{
    Run(m_key, [&](KyTouchGSubDialogPage& page, SettingsHost& host) {
        NewTask(page);
        GiveCreationTime(page);
        Click(page, IDC_KY_TOUCH_ACCESS_APPLY);
        Click(page, IDC_KY_TOUCH_UTC);
        host.PressOK();
    });
    const std::string records = SaveRecords(*m_page);
    EXPECT_EQ((std::vector<int>{7001, 7000, 7002, 7003, 7004, 7005}), RecordTypes(records));
    const Args saved = Argv();

    m_key = FreshKey("Touch");
    std::string enabled;
    Run(m_key, [&](KyTouchGSubDialogPage& page, SettingsHost& host) {
        LoadRecords(page, records);
        enabled = EnabledTimes(page);
        host.PressOK();
    });
    EXPECT_EQ("00000 11111 10000", enabled);
    EXPECT_EQ(saved, Argv());
}

TEST_F(TouchPage, ShortStateRecordsTakeTheDefaultsOfMissingFields)
{
    const struct {
        const char* name;
        std::string records;
        Args argv;
    } cases[] = {
        {"empty: not applied",
         Record(7001, "") + Record(7000, std::string(1, '\1')) + Record(7003, ""),
         {"-c", "-F"}},
        {"apply and now only",
         Record(7001, std::string("\x01\x01", 2)) + Record(7002, std::string("\x01\x01\xFF", 3)),
         {"-w", "-a", "-F"}},
        {"unknown types", Record(7009, "x") + Record(1000, "y"), {"-w", "-F"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_key = FreshKey("Touch");
        WriteDword(m_key, "TouchFolders", 1);
        Run(m_key, [&](KyTouchGSubDialogPage& page, SettingsHost& host) {
            LoadRecords(page, c.records);
            host.PressOK();
        });
        EXPECT_EQ(c.argv, Argv());
    }
}

TEST_F(TouchPage, AGivenTimeMissingFromTheRecordIsWhatThePickersShow)
{
    std::string shown;
    bool now = true;
    Run(m_key, [&](KyTouchGSubDialogPage& page, SettingsHost& host) {
        NewTask(page);
        LoadRecords(page, Record(7000, kGivenCreation.substr(0, 6)));
        now = Checked(page, IDC_KY_TOUCH_CREATION_NOW);
        SetPicker(page, IDC_KY_TOUCH_CREATION_TIME, Time(2000, 1, 1, 5, 6, 7));
        shown = DateShown(page, IDC_KY_TOUCH_CREATION_DATE) + " " +
                TimeShown(page, IDC_KY_TOUCH_CREATION_TIME);
        host.PressOK();
    });
    EXPECT_FALSE(now);
    ASSERT_EQ(1u, Argv().size());
    const std::string expected =
        "-c" + shown.substr(0, 4) + shown.substr(5, 2) + shown.substr(8, 2) + "050607";
    EXPECT_EQ(expected, Argv()[0]);
}

TEST_F(TouchPage, ToolbarsTakeThePlaceholdersPlacesWithTheirTips)
{
    Run(m_key, [&](KyTouchGSubDialogPage& page, SettingsHost&) {
        const struct {
            int toolbar;
            int makeSource;
            int copy;
        } bars[] = {{kWriteBar, ID_KY_TOUCH_WRITE_MAKE_SOURCE, ID_KY_TOUCH_WRITE_COPY},
                    {kCreationBar, ID_KY_TOUCH_CREATION_MAKE_SOURCE, ID_KY_TOUCH_CREATION_COPY},
                    {kAccessBar, ID_KY_TOUCH_ACCESS_MAKE_SOURCE, ID_KY_TOUCH_ACCESS_COPY}};
        // The placeholders' right edge, 284 + 15 dialog units.
        CRect place(0, 0, 299, 0);
        page.MapDialogRect(&place);
        for (const auto& bar : bars) {
            SCOPED_TRACE(bar.toolbar);
            const HWND toolbar = Toolbar(page, bar.toolbar);
            char name[32] = "";
            ::GetClassNameA(toolbar, name, sizeof name);
            EXPECT_STREQ(TOOLBARCLASSNAMEA, name);
            EXPECT_EQ(2, ::SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
            CRect rect;
            ::GetWindowRect(toolbar, &rect);
            page.ScreenToClient(&rect);
            EXPECT_EQ(CSize(28, 13), rect.Size());
            EXPECT_EQ(place.right, rect.right);
            EXPECT_EQ(ResourceText(IDS_KY_TOUCH_MAKE_SOURCE_TIP),
                      TipText(page, bar.toolbar, bar.makeSource));
            EXPECT_EQ(ResourceText(IDS_KY_TOUCH_COPY_TIP), TipText(page, bar.toolbar, bar.copy));
        }
    });
}

TEST_F(TouchPage, PickersShowNothingWhileDisabled)
{
    int blank = -1;
    int shown = -1;
    Run(m_key, [&](KyTouchGSubDialogPage& page, SettingsHost&) {
        blank = DarkPixels(page, IDC_KY_TOUCH_CREATION_DATE) +
                DarkPixels(page, IDC_KY_TOUCH_CREATION_TIME);
        GiveCreationTime(page);
        shown = DarkPixels(page, IDC_KY_TOUCH_CREATION_DATE) +
                DarkPixels(page, IDC_KY_TOUCH_CREATION_TIME);
    });
    EXPECT_EQ(0, blank);
    EXPECT_GT(shown, 20);
}

TEST_F(TouchPage, ChangesMarkTheTaskModified)
{
    std::vector<int> counts;
    Run(m_key, [&](KyTouchGSubDialogPage& page, SettingsHost&) {
        const std::vector<std::function<void()>> changes = {
            [&] { Click(page, IDC_KY_TOUCH_CREATION_APPLY); },
            [&] { Click(page, IDC_KY_TOUCH_CREATION_NOW); },
            [&] { SetPicker(page, IDC_KY_TOUCH_CREATION_TIME, Time(2000, 1, 1, 1, 2, 3)); },
            [&] { Click(page, IDC_KY_TOUCH_UTC); },
            [&] { Click(page, IDC_KY_TOUCH_VERBOSE); },
            [&] { Click(page, IDC_KY_TOUCH_FOLDERS); },
        };
        for (const auto& change : changes) {
            const int before = m_bridge->modified;
            change();
            counts.push_back(m_bridge->modified - before);
        }
    });
    EXPECT_EQ((std::vector<int>{1, 1, 1, 1, 1, 1}), counts);
}

} // namespace
