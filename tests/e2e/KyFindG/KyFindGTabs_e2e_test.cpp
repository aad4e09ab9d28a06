// Tab-indented source as KyFindG shows it: the match list expands each tab
// to the next multiple of the tab size while other control bytes stay dots,
// and the frame's caption draws its buttons with the system's symbol font.
#include "KyFindG/KyFindGDriving.h"

using namespace kytest::gui;
using namespace findge2e;

namespace {

const int kMatchListPane = 0xE910;
const int kTextColumn = 0;
const int kLineColumn = 1;

HWND MatchList(HWND frame)
{
    HWND splitter = Control(frame, kFileListPane);
    return splitter ? Control(splitter, kMatchListPane) : nullptr;
}

int CALLBACK CountFamily(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found)
{
    ++*reinterpret_cast<int*>(found);
    return 1;
}

} // namespace

TEST(KyFindGTabs, MatchListExpandsTabsByTheTabSize)
{
    const std::string folder = kytest::NewFolder(kytest::ScratchBase(), "kyfindg_tabs");
    kytest::WriteFile(folder + "tabs.c", std::string("#define ONE\talpha\n"
                                                     "\tindented alpha\n"
                                                     "ab\tcd\x01"
                                                     "alpha\n"));
    HKEY textView = nullptr;
    const std::string textViewKey = std::string(kAppKey) + "\\TextView";
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, textViewKey.c_str(), 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &textView, nullptr));
    const DWORD tabSize = 8;
    RegSetValueExA(textView, "TabSize", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&tabSize),
                   sizeof tabSize);
    RegCloseKey(textView);
    HandOverPaths({folder});
    Session session;
    ASSERT_TRUE(session.Start("alpha"));
    ASSERT_TRUE(session.Idle());
    HWND files = FileList(session.frame);
    ASSERT_TRUE(WaitFor([&] { return ListRowCount(files) == 1; }, kStartMs));
    ASSERT_TRUE(Activate(session.frame));
    ParkMouse();
    ClickAt(files, 60, 30); // the first row, below the header
    HWND matches = MatchList(session.frame);
    ASSERT_TRUE(WaitFor([&] { return ListRowCount(matches) == 3; }, 5000));

    const std::vector<std::vector<std::string>> rows = ReadListView(matches);
    ASSERT_EQ(3u, rows.size());
    EXPECT_EQ("#define ONE     alpha", rows[0][kTextColumn]) << "a tab at column 11";
    EXPECT_EQ("        indented alpha", rows[1][kTextColumn]) << "a tab at column 0";
    EXPECT_EQ("ab      cd\xB7"
              "alpha",
              rows[2][kTextColumn])
        << "other control bytes stay dots";
    EXPECT_EQ("2", rows[1][kLineColumn]);
    Screenshot(session.frame, kArtifacts, "10-match-list-tabs");

    session.Close();
    EXPECT_EQ(kInteractiveExitCode, session.program.Wait(kStartMs));
    kytest::RemoveTree(folder);
}

// Windows draw the buttons of their captions from the "Marlett" font; when
// it is missing they show letters and digits ("0 1 r") instead. The frame's
// caption is kept as a screenshot.
TEST(KyFindGTabs, CaptionButtonsHaveTheirSymbolFont)
{
    HDC screen = GetDC(nullptr);
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpyA(wanted.lfFaceName, "Marlett");
    int found = 0;
    EnumFontFamiliesExA(screen, &wanted, &CountFamily, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    EXPECT_GT(found, 0) << "the symbol font of window captions is not installed";

    const std::string folder = WriteFixture(false);
    HandOverPaths({folder});
    Session session;
    ASSERT_TRUE(session.Start("alpha"));
    ASSERT_TRUE(session.Idle());
    Screenshot(session.frame, kArtifacts, "11-frame-caption");
    session.Close();
    EXPECT_EQ(kInteractiveExitCode, session.program.Wait(kStartMs));
    kytest::RemoveTree(folder);
}
