// Process-wide behaviour of the shell helpers: the once-per-process icon
// overlay workaround, and a clean process end after COM objects were cached.
#include "KyStd/Shell/Co.h"
#include "KyStd/Shell/IconOverlay.h"
#include "KyStd/Shell/ItemIdList.h"
#include "KyStd/Shell/ShellFolders.h"
#include "KyStd/Win32/DllVersion.h"
#include "KyStd/Win32/OsVersion.h"
#include "ShellTestUtil.h"

#include <gtest/gtest.h>
#include <process.h>

#include <cstdlib>

using namespace Kyvant;

namespace {

// Runs f with the temporary folder (TMP) pointing at a new empty folder that
// is watched for new files; true when f made or deleted one there.
template <class F>
bool TouchesTemp(const char* leaf, F f, DWORD ms)
{
    ShellTest::TempFolder temp(leaf);
    char old[MAX_PATH] = {};
    DWORD had = GetEnvironmentVariableA("TMP", old, MAX_PATH);
    SetEnvironmentVariableA("TMP", (temp.path() + "\\").c_str());
    HANDLE watch =
        FindFirstChangeNotificationA(temp.path().c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
    f();
    bool touched = WaitForSingleObject(watch, ms) == WAIT_OBJECT_0;
    FindCloseChangeNotification(watch);
    SetEnvironmentVariableA("TMP", had ? old : nullptr);
    WIN32_FIND_DATAA fd;
    HANDLE left = FindFirstFileA((temp.path() + "\\kyf3w8u*").c_str(), &fd);
    EXPECT_EQ(INVALID_HANDLE_VALUE, left) << "no shortcut left behind";
    if (left != INVALID_HANDLE_VALUE)
        FindClose(left);
    return touched;
}

} // namespace

TEST(ShellProcess, IconOverlayWorkaroundRunsOnce)
{
    Co::Initializer com;
    const bool nt4 = OsVersion::Info().dwMajorVersion == 4;
    bool flag = !nt4;
    EXPECT_TRUE(TouchesTemp(
        "kyshell-overlay-1", [&] { Shell::AddIconOverlayToSystemImageListKludge(&flag); }, 5000));
    EXPECT_EQ(nt4, flag);
    flag = !nt4;
    EXPECT_FALSE(TouchesTemp(
        "kyshell-overlay-2", [&] { Shell::AddIconOverlayToSystemImageListKludge(&flag); }, 1000));
    EXPECT_EQ(nt4, flag) << "later calls only report the flag";
}

// Run in a child process by the next test: uses every cached COM object,
// ends COM on the thread and lets the process end with them still cached.
TEST(ShellProcess, DISABLED_UseCachedComObjectsThenExit)
{
    const char* marker = std::getenv("KY_SHELL_EXIT_MARKER");
    ASSERT_NE(nullptr, marker);
    {
        Co::Initializer com;
        Co::IMallocDeleter()(CoTaskMemAlloc(8));
        LPITEMIDLIST pidl = nullptr;
        Shell::GetSpecialFolder(CSIDL_WINDOWS, &pidl)->Release();
        Shell::MallocDeleter()(Shell::Dup(pidl));
        Shell::MallocDeleter()(pidl);
        Shell::AddIconOverlayToSystemImageListKludge();
        Shell::GetComCtl32Version();
    }
    ShellTest::WriteFileText(marker, "done");
}

TEST(ShellProcess, ExitsCleanlyAfterUsingCachedComObjects)
{
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    const std::string marker = ShellTest::TempPath("kyshell-exit-marker.txt");
    DeleteFileA(marker.c_str());
    SetEnvironmentVariableA("KY_SHELL_EXIT_MARKER", marker.c_str());
    std::string quoted = std::string("\"") + exe + "\"";
    intptr_t code =
        _spawnl(_P_WAIT, exe, quoted.c_str(), "--gtest_brief=1", "--gtest_also_run_disabled_tests",
                "--gtest_filter=ShellProcess.DISABLED_UseCachedComObjectsThenExit", nullptr);
    SetEnvironmentVariableA("KY_SHELL_EXIT_MARKER", nullptr);
    EXPECT_EQ(0, code);
    EXPECT_TRUE(DeleteFileA(marker.c_str())) << "the child did its work";
}
