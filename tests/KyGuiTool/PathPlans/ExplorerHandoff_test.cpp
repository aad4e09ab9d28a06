// Tests of the Explorer selection taken by the path-plan editor as the
// settings dialog opens: the age that makes it ask, values that decline it,
// small files read into rules and large ones passed on as a response file,
// which files are deleted, unreadable files, and the page it opens on.
#include "PathPlans/PathPlanTestSupport.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>

namespace {

using namespace pathplantest;

const std::string kEditorKey = PageKey(kEditorGuid);
const std::string kStaleQuestion =
    std::string("At some point, you selected ") + AfxGetAppName() +
    " from an Explorer context menu, but so much time has passed since then, it appears there "
    "was a communication error. Use the Explorer values anyway?";

// The editor's rules when the dialog opened, and the boxes shown by then.
struct Opened {
    Strings rules;
    Strings boxes;
    std::string masks;
    std::string depth;
    int page = -1;
};

Opened OpenDialog(std::deque<int> answers = {})
{
    BoxAnswers boxes(std::move(answers));
    Host host;
    Opened opened;
    host.Run([&] {
        opened.rules = host.Rules();
        opened.masks = Host::Text(host.Editor(), IDC_KY_PP_MASKS);
        opened.depth = Host::Text(host.Editor(), IDC_KY_PP_DEPTH);
        opened.page = host.tabs->GetActivePageIndex();
        opened.boxes = boxes.Texts();
        host.Cancel();
    });
    return opened;
}

struct AgeCase {
    const char* name;
    long long age;
    int answer; // to the question, when there is one
    bool asks;
    bool taken;
};

TEST_F(PathPlanTest, TheSelectionsAgeDecidesWhetherTheUserIsAskedFirst)
{
    const AgeCase cases[] = {
        {"29.9 seconds", 299 * kSecond / 10, IDNO, false, true},
        {"30 seconds, declined", 30 * kSecond, IDNO, true, false},
        {"an hour, taken", 3600 * kSecond, IDYES, true, true},
        {"in the future", -60 * kSecond, IDNO, false, true},
        {"a stamp far in the future", -(1LL << 40), IDNO, false, true},
    };
    for (const AgeCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetList(kEditorKey, "Paths", {"C:\\saved\\"});
        const std::string file = TempHandoffFile("C:\\picked\\\nC:\\picked.txt\n");
        WriteHandoff(file, c.age);
        const Opened opened = OpenDialog({c.answer});
        EXPECT_EQ(c.asks ? Strings{kStaleQuestion} : Strings{}, opened.boxes);
        EXPECT_EQ(c.taken ? (Strings{"C:\\picked\\", "C:\\picked.txt"}) : Strings{"C:\\saved\\"},
                  opened.rules);
        EXPECT_FALSE(Exists(file));
        EXPECT_EQ(0u, HandoffValues());
    }
}

TEST_F(PathPlanTest, ATimeStoredAsTextDeclinesTheSelectionAndStillClearsIt)
{
    SetList(kEditorKey, "Paths", {"C:\\saved\\"});
    const std::string file = TempHandoffFile("C:\\picked\\\n");
    WriteHandoff(file, 0);
    SetValue(kHandoffKey, "TimeLo", "12345");
    const Opened opened = OpenDialog();
    EXPECT_TRUE(opened.boxes.empty());
    EXPECT_EQ((Strings{"C:\\saved\\"}), opened.rules);
    EXPECT_FALSE(Exists(file));
    EXPECT_EQ(0u, HandoffValues());
}

TEST_F(PathPlanTest, AFileOfUpTo8192BytesBecomesTheRulesAndTheEditorIsShown)
{
    SetValue(OptionsKey(), "PageGUID", kChooserGuid);
    std::string contents = "C:\\one\\\n\n\nC:\\two.txt\n\n";
    const std::string last = "C:\\" + std::string(8192 - contents.size() - 4, 'x') + "\n";
    contents += last;
    ASSERT_EQ(8192u, contents.size());
    const std::string file = TempHandoffFile(contents);
    WriteHandoff(file, kSecond);
    Host host;
    Opened opened;
    host.Run([&] {
        opened.rules = host.Rules();
        opened.masks = Host::Text(host.Editor(), IDC_KY_PP_MASKS);
        opened.depth = Host::Text(host.Editor(), IDC_KY_PP_DEPTH);
        opened.page = host.tabs->GetActivePageIndex();
        StorageTest::Snapshot(host.dialog.m_hWnd, "PathPlanEditorFromExplorer");
        host.Ok();
    });
    EXPECT_EQ((Strings{"C:\\one\\", "C:\\two.txt", last.substr(0, last.size() - 1)}), opened.rules);
    EXPECT_EQ("*", opened.masks);
    EXPECT_EQ("Infinite", opened.depth);
    EXPECT_EQ(0, opened.page);
    EXPECT_FALSE(Exists(file));
    EXPECT_EQ((Strings{"C:\\one\\", "C:\\two.txt", last.substr(0, last.size() - 1)}),
              List(kEditorKey, "Paths"));
}

TEST_F(PathPlanTest, ALargerFileIsPassedOnAsAResponseFileAndNothingOfThePageIsKept)
{
    SetList(kEditorKey, "Paths", {"C:\\saved\\"});
    SetValue(kEditorKey, "Masks", "*.saved");
    const std::string file = TempHandoffFile(std::string(8193, '\n'));
    WriteHandoff(file, kSecond);
    Host host;
    Strings rules;
    host.Run([&] {
        rules = host.Rules();
        host.Ok();
    });
    EXPECT_EQ((Strings{"@F " + file + "\\"}), rules);
    EXPECT_EQ((Strings{"@dInfinite", "@m*", "@F " + file + "\\"}), Host::Args());
    EXPECT_TRUE(Exists(file));
    EXPECT_EQ((Strings{"C:\\saved\\"}), List(kEditorKey, "Paths"));
    EXPECT_EQ("*.saved", Value(kEditorKey, "Masks"));
    EXPECT_EQ("<missing>", Value(PreviousToolKey(kEditorGuid), "Masks"));
    ::DeleteFileA(file.c_str());
}

TEST_F(PathPlanTest, AFileOutsideTheTemporaryFolderIsReadOrDeclinedButNeverDeleted)
{
    NamedDbTest::ScratchFolder folder;
    const std::string file = folder.Path("selection.txt");
    kytest::WriteFile(file, "C:\\mine\\\n");
    WriteHandoff(file, kSecond);
    const Opened taken = OpenDialog();
    EXPECT_EQ((Strings{"C:\\mine\\"}), taken.rules);
    EXPECT_TRUE(Exists(file));

    WriteHandoff(file, 60 * kSecond);
    const Opened declined = OpenDialog({IDNO});
    EXPECT_EQ((Strings{kStaleQuestion}), declined.boxes);
    EXPECT_TRUE(Exists(file));
    EXPECT_EQ(0u, HandoffValues());
}

TEST_F(PathPlanTest, AFileThatCannotBeReadIsReportedAndThePageStartsFromItsSettings)
{
    SetList(kEditorKey, "Paths", {"C:\\saved\\"});
    WriteHandoff(kytest::TempFolder() + "kyfmissing.tmp", kSecond);
    const Opened opened = OpenDialog();
    ASSERT_EQ(1u, opened.boxes.size());
    EXPECT_EQ(0u, opened.boxes[0].find("The selection handed over from Explorer could not be "
                                       "read:\n\n"))
        << opened.boxes[0];
    EXPECT_EQ((Strings{"C:\\saved\\"}), opened.rules);
    EXPECT_EQ(0u, HandoffValues());
    EXPECT_TRUE(OpenDialog().boxes.empty());
}

} // namespace
