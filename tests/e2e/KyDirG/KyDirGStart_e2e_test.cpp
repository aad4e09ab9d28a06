// KyDirG started as a user starts it: the Dir Task dialog comes before any
// window; Cancel ends the program with no window ever shown; OK over the
// fixture tree lists exactly its names, folders, sizes, times and
// attributes, read from the program's list view, and the count pane
// groups the item count in the tests' English locale.
#include "KyDirG/KyDirGDriving.h"

#include <algorithm>
#include <map>

using namespace kytest::gui;
using namespace dirge2e;

namespace {

// The shown columns, in the list view's order.
enum Column { Name, InFolder, Size, TypeColumn, Modified, Attributes };

std::string Letters(DWORD attributes)
{
    static const struct {
        DWORD bit;
        char letter;
    } kLetters[] = {{FILE_ATTRIBUTE_DIRECTORY, 'F'},
                    {FILE_ATTRIBUTE_READONLY, 'R'},
                    {FILE_ATTRIBUTE_HIDDEN, 'H'},
                    {FILE_ATTRIBUTE_SYSTEM, 'S'},
                    {FILE_ATTRIBUTE_ARCHIVE, 'A'}};
    std::string text;
    for (const auto& l : kLetters)
        if (attributes & l.bit)
            text += l.letter;
    return text;
}

// The fixture's time as the user's short date and time without seconds.
std::string FixtureTimeText()
{
    FILETIME local;
    const FILETIME utc = FixtureFileTime();
    FileTimeToLocalFileTime(&utc, &local);
    SYSTEMTIME parts;
    FileTimeToSystemTime(&local, &parts);
    char date[100] = "", clock[100] = "";
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &parts, nullptr, date, sizeof date);
    GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &parts, nullptr, clock, sizeof clock);
    return std::string(date) + " " + clock;
}

// Per full path: size, modified time and attribute letters as listed.
using Listing = std::map<std::string, std::vector<std::string>>;

Listing ExpectedListing(const std::string& folder)
{
    Listing expected;
    const std::string time = FixtureTimeText();
    for (const FixtureFile& file : kFixtureFiles) {
        const std::string path = folder + file.name;
        expected[path] = {file.sizeText, time, Letters(GetFileAttributesA(path.c_str()))};
    }
    const std::string sub = folder + kFixtureFolder;
    expected[sub] = {"", time, Letters(GetFileAttributesA(sub.c_str()))};
    return expected;
}

Listing ShownListing(HWND list)
{
    Listing shown;
    for (const std::vector<std::string>& row : ReadListView(list))
        shown[row[InFolder] + row[Name]] = {row[Size], row[Modified], row[Attributes]};
    return shown;
}

} // namespace

TEST(KyDirGStart, CancelledFirstDialogEndsWithoutAWindow)
{
    Session session;
    ASSERT_TRUE(session.ShowDialog());
    EXPECT_EQ(std::vector<HWND>{session.dialog}, TopWindows(session.program.Pid()));
    Click(Control(session.dialog, IDCANCEL));
    EXPECT_NE(STILL_ACTIVE, session.program.Wait(kStartMs));
    EXPECT_TRUE(TopWindows(session.program.Pid()).empty());
}

TEST(KyDirGStart, AcceptedDialogListsTheTreeAsItIs)
{
    const std::string folder = WriteFixture();
    HandOverPaths({folder});
    Session session;
    ASSERT_TRUE(session.ShowDialog());
    EXPECT_EQ(std::vector<HWND>{session.dialog}, TopWindows(session.program.Pid()))
        << "the dialog comes first, alone";
    SetCheck(session.dialog, kIncludeFoldersId, true);
    Screenshot(session.dialog, kArtifacts, "01-task-dialog");
    ASSERT_TRUE(session.Accept()) << DescribeWindows(session.program.Pid());
    ASSERT_TRUE(session.Listed(kFixtureRows))
        << ListRowCount(session.list) << " [" << StatusText(session.status, 0) << "]";

    EXPECT_EQ(6, ListColumnCount(session.list));
    EXPECT_EQ(ExpectedListing(folder), ShownListing(session.list));
    for (const std::vector<std::string>& row : ReadListView(session.list))
        EXPECT_NE("", row[TypeColumn]) << row[Name];
    // The count pane follows at the frame's next idle update.
    EXPECT_TRUE(
        WaitFor([&] { return StatusText(session.status, kCountPane) == "5 objects"; }, 5000))
        << StatusText(session.status, kCountPane);
    Screenshot(session.frame, kArtifacts, "02-listing");

    session.Close();
    EXPECT_EQ(0u, session.program.Wait(kStartMs));
    kytest::RemoveTree(folder);
}

TEST(KyDirGStart, TheCountPaneGroupsThousands)
{
    const std::string folder = WriteFixture();
    HandOverPaths({folder});
    Session session;
    const int madeUp = 1234;
    ASSERT_TRUE(session.Start({"KYTEST_TASK_LINK=slow=" + std::to_string(madeUp) + ",slow-ms=0"}));
    ASSERT_TRUE(session.Listed(madeUp + kFixtureRows)) << ListRowCount(session.list);
    EXPECT_TRUE(
        WaitFor([&] { return StatusText(session.status, kCountPane) == "1,239 objects"; }, 5000))
        << StatusText(session.status, kCountPane);
    session.Close();
    EXPECT_EQ(0u, session.program.Wait(kStartMs));
    kytest::RemoveTree(folder);
}
