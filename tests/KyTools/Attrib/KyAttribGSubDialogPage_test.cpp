// Tests of the Attrib page in a settings dialog: the arguments of the rows,
// the OK checks and their answers, registry state, task-file records and
// modification marks.
#include "KyTools/Attrib/KyAttribGSubDialogPage.h"

#include "Host/SettingsHost.h"
#include "KyTools/Attrib/AttribResource.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace hosttest;
using Args = std::vector<std::string>;
using Ids = std::vector<int>;

// Every control of the rows and the two switches.
const int kFirstControl = IDC_KY_ATTRIB_ARCHIVE_SET;
const int kLastControl = IDC_KY_ATTRIB_NOT_INDEXED_LEAVE;
// The Leave alone buttons of all rows.
const Ids kAllLeftAlone = {IDC_KY_ATTRIB_ARCHIVE_LEAVE,    IDC_KY_ATTRIB_HIDDEN_LEAVE,
                           IDC_KY_ATTRIB_READONLY_LEAVE,   IDC_KY_ATTRIB_SYSTEM_LEAVE,
                           IDC_KY_ATTRIB_COMPRESSED_LEAVE, IDC_KY_ATTRIB_ENCRYPTED_LEAVE,
                           IDC_KY_ATTRIB_NOT_INDEXED_LEAVE};

class AttribPage : public ::testing::Test, protected PageRunner<KyAttribGSubDialogPage> {
protected:
    using PageRunner<KyAttribGSubDialogPage>::Run;

    void SetUp() override
    {
        theApp.m_boxes.clear();
        m_key = FreshKey("Attrib");
    }
    void TearDown() override { DeleteTestsKey(); }

    // Clicks the controls in turn, then OK.
    INT_PTR ClickAndOK(const Ids& clicks)
    {
        return Run(m_key, [&](KyAttribGSubDialogPage& page, SettingsHost& host) {
            for (int id : clicks)
                Click(page, id);
            host.PressOK();
        });
    }

    Kyvant::RegKey m_key;
};

TEST_F(AttribPage, RowsGiveSetAndClearArgumentsInTableOrder)
{
    const struct {
        const char* name;
        Ids clicks;
        Args argv;
    } cases[] = {
        {"archive set, hidden clear",
         {IDC_KY_ATTRIB_ARCHIVE_SET, IDC_KY_ATTRIB_HIDDEN_CLEAR},
         {"+a", "-h"}},
        {"compressed set with encrypted clear",
         {IDC_KY_ATTRIB_COMPRESSED_SET, IDC_KY_ATTRIB_ENCRYPTED_CLEAR},
         {"+c", "-e"}},
        {"letters by record, then both switches",
         {IDC_KY_ATTRIB_NOT_INDEXED_SET, IDC_KY_ATTRIB_ARCHIVE_SET, IDC_KY_ATTRIB_SYSTEM_SET,
          IDC_KY_ATTRIB_READONLY_CLEAR, IDC_KY_ATTRIB_COMPRESSED_CLEAR, IDC_KY_ATTRIB_VERBOSE,
          IDC_KY_ATTRIB_DO_FOLDERS},
         {"+asn", "-rc", "-F", "-v"}},
        {"only clears", {IDC_KY_ATTRIB_READONLY_CLEAR}, {"-r"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_key = FreshKey("Attrib");
        EXPECT_EQ(IDOK, ClickAndOK(c.clicks));
        EXPECT_EQ(c.argv, Argv());
        EXPECT_TRUE(BoxTexts().empty());
    }
}

TEST_F(AttribPage, CompressedAndEncryptedBothSetAreRefused)
{
    int focus = 0;
    const INT_PTR result = Run(m_key, [&](KyAttribGSubDialogPage& page, SettingsHost& host) {
        Click(page, IDC_KY_ATTRIB_ARCHIVE_SET);
        Click(page, IDC_KY_ATTRIB_COMPRESSED_SET);
        Click(page, IDC_KY_ATTRIB_ENCRYPTED_SET);
        host.PressOK();
        focus = FocusId();
        SaveWindowPng(host.m_hWnd, "attrib_page");
    });
    EXPECT_EQ(kLeftOpen, result);
    EXPECT_EQ(Args{ResourceText(IDS_KY_ATTRIB_COMPRESS_AND_ENCRYPT)}, BoxTexts());
    ASSERT_EQ(1u, theApp.m_boxes.size());
    EXPECT_EQ(static_cast<UINT>(MB_OK), theApp.m_boxes[0].type & MB_TYPEMASK);
    EXPECT_EQ(IDC_KY_ATTRIB_COMPRESSED_SET, focus);
    EXPECT_EQ(0, m_host->saves);
}

TEST_F(AttribPage, NothingSelectedYesRunsWithOnlyTheSwitches)
{
    for (bool switches : {true, false}) {
        SCOPED_TRACE(switches ? "both switches on" : "no switches");
        m_key = FreshKey("Attrib");
        BoxAnswers answers({IDYES}, switches ? "attrib_nothing_selected" : nullptr);
        const INT_PTR result = Run(m_key, [&](KyAttribGSubDialogPage& page, SettingsHost& host) {
            if (switches) {
                Click(page, IDC_KY_ATTRIB_DO_FOLDERS);
                Click(page, IDC_KY_ATTRIB_VERBOSE);
            }
            host.PressOK();
        });
        EXPECT_EQ(IDOK, result);
        EXPECT_EQ(switches ? (Args{"-F", "-v"}) : Args{}, Argv());
        EXPECT_EQ(Args{ResourceText(IDS_KY_ATTRIB_NOTHING_SELECTED)}, BoxTexts());
        ASSERT_EQ(1u, theApp.m_boxes.size());
        EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL), theApp.m_boxes[0].type & MB_TYPEMASK);
    }
}

TEST_F(AttribPage, NothingSelectedCancelStaysOnTheArchiveRow)
{
    BoxAnswers answers({IDCANCEL});
    int focus = 0;
    Ids checked;
    const INT_PTR result = Run(m_key, [&](KyAttribGSubDialogPage& page, SettingsHost& host) {
        host.PressOK();
        focus = FocusId();
        checked = CheckedIn(page, kFirstControl, kLastControl);
    });
    EXPECT_EQ(kLeftOpen, result);
    EXPECT_EQ(IDC_KY_ATTRIB_ARCHIVE_SET, focus);
    EXPECT_EQ(kAllLeftAlone, checked);
    EXPECT_EQ(0, m_host->saves);
}

TEST_F(AttribPage, NothingSelectedNoEndsTheDialogAsCancelled)
{
    BoxAnswers answers({IDNO});
    const INT_PTR result =
        Run(m_key, [&](KyAttribGSubDialogPage&, SettingsHost& host) { host.PressOK(); });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(0, m_host->saves);
    EXPECT_EQ(0xDEADBEEFu, ReadDword(m_key, "Archive"));
}

TEST_F(AttribPage, StateRoundTripsThroughTheRegistry)
{
    ASSERT_EQ(IDOK, ClickAndOK({IDC_KY_ATTRIB_HIDDEN_SET, IDC_KY_ATTRIB_SYSTEM_CLEAR,
                                IDC_KY_ATTRIB_COMPRESSED_CLEAR, IDC_KY_ATTRIB_DO_FOLDERS}));
    const struct {
        const char* name;
        DWORD value;
    } stored[] = {{"Archive", 2},    {"Hidden", 0},    {"ReadOnly", 2},          {"System", 1},
                  {"Compressed", 1}, {"Encrypted", 2}, {"NotContentIndexed", 2}, {"DoFolders", 1},
                  {"Verbose", 0}};
    for (const auto& value : stored)
        EXPECT_EQ(value.value, ReadDword(m_key, value.name)) << value.name;

    Ids shown;
    Run(m_key, [&](KyAttribGSubDialogPage& page, SettingsHost& host) {
        shown = CheckedIn(page, kFirstControl, kLastControl);
        host.PressOK();
    });
    EXPECT_EQ(
        (Ids{IDC_KY_ATTRIB_ARCHIVE_LEAVE, IDC_KY_ATTRIB_HIDDEN_SET, IDC_KY_ATTRIB_READONLY_LEAVE,
             IDC_KY_ATTRIB_SYSTEM_CLEAR, IDC_KY_ATTRIB_DO_FOLDERS, IDC_KY_ATTRIB_COMPRESSED_CLEAR,
             IDC_KY_ATTRIB_ENCRYPTED_LEAVE, IDC_KY_ATTRIB_NOT_INDEXED_LEAVE}),
        shown);
    EXPECT_EQ((Args{"+h", "-sc", "-F"}), Argv());
}

TEST_F(AttribPage, MissingKeyAndBadStoredValuesLeaveEverythingAlone)
{
    WriteDword(m_key, "Archive", 7);
    WriteDword(m_key, "Hidden", 0xFFFFFFFF);
    WriteDword(m_key, "Verbose", 5);
    const Kyvant::RegKey noKey;
    for (bool withKey : {false, true}) {
        const Kyvant::RegKey& key = withKey ? m_key : noKey;
        SCOPED_TRACE(key.empty() ? "no key" : "bad values");
        BoxAnswers answers({IDYES});
        Ids shown;
        Run(key, [&](KyAttribGSubDialogPage& page, SettingsHost& host) {
            shown = CheckedIn(page, IDC_KY_ATTRIB_ARCHIVE_SET, IDC_KY_ATTRIB_HIDDEN_LEAVE);
            host.PressOK();
        });
        EXPECT_EQ((Ids{IDC_KY_ATTRIB_ARCHIVE_LEAVE, IDC_KY_ATTRIB_HIDDEN_LEAVE}), shown);
        EXPECT_EQ(key.empty() ? Args{} : Args{"-v"}, Argv());
    }
}

TEST_F(AttribPage, RecordsAreWrittenInOrderAndReadBack)
{
    ASSERT_EQ(IDOK, ClickAndOK({IDC_KY_ATTRIB_ARCHIVE_SET, IDC_KY_ATTRIB_READONLY_CLEAR,
                                IDC_KY_ATTRIB_NOT_INDEXED_SET, IDC_KY_ATTRIB_VERBOSE}));
    const std::string records = SaveRecords(*m_page);
    EXPECT_EQ(Record(1000, Int32(0)) + Record(1001, Int32(2)) + Record(1002, Int32(1)) +
                  Record(1003, Int32(2)) + Record(1004, Int32(2)) + Record(1005, Int32(2)) +
                  Record(1006, Int32(0)) + Record(1007, std::string(1, '\0')) +
                  Record(1008, std::string(1, '\1')),
              records);
    const Args saved = Argv();

    m_key = FreshKey("Attrib");
    Run(m_key, [&](KyAttribGSubDialogPage& page, SettingsHost& host) {
        LoadRecords(page, records);
        host.PressOK();
    });
    EXPECT_EQ(saved, Argv());
}

TEST_F(AttribPage, ShortAndUnknownRecordsChangeNothing)
{
    WriteDword(m_key, "Archive", 1);
    WriteDword(m_key, "Hidden", 0);
    WriteDword(m_key, "DoFolders", 1);
    const std::string records = Record(1000, std::string(2, '\0')) + Record(1001, "") +
                                Record(1007, "") + Record(1002, Int32(9)) + Record(1003, Int32(1)) +
                                Record(1999, "junk") + Record(6000, "");
    Run(m_key, [&](KyAttribGSubDialogPage& page, SettingsHost& host) {
        LoadRecords(page, records);
        host.PressOK();
    });
    EXPECT_EQ((Args{"+h", "-as", "-F"}), Argv());
}

TEST_F(AttribPage, NewTaskLeavesEverythingAlone)
{
    WriteDword(m_key, "Archive", 0);
    WriteDword(m_key, "Verbose", 1);
    Ids shown;
    Run(m_key, [&](KyAttribGSubDialogPage& page, SettingsHost&) {
        page.DocOnNew();
        page.UpdateData(FALSE);
        page.DocOnFinishNew();
        shown = CheckedIn(page, kFirstControl, kLastControl);
    });
    EXPECT_EQ(kAllLeftAlone, shown);
}

TEST_F(AttribPage, EveryClickMarksTheTaskModified)
{
    std::vector<int> counts;
    Run(m_key, [&](KyAttribGSubDialogPage& page, SettingsHost&) {
        for (int id : {IDC_KY_ATTRIB_ARCHIVE_SET, IDC_KY_ATTRIB_NOT_INDEXED_CLEAR,
                       IDC_KY_ATTRIB_DO_FOLDERS, IDC_KY_ATTRIB_VERBOSE}) {
            const int before = m_bridge->modified;
            Click(page, id);
            counts.push_back(m_bridge->modified - before);
        }
    });
    EXPECT_EQ((std::vector<int>{1, 1, 1, 1}), counts);
}

} // namespace
