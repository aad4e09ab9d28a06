// The application base in the test front-end, whose application object it
// is: the hand-off variables it takes and hides, the one object per
// process, the Explorer hand-off file and its registry values, the stored
// editor font and the commands every front-end chains to.
#include "FrontEndTestSupport.h"
#include "KyStd/Core/Errors.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace guitest;

namespace {

const char kSharedKey[] = "Software\\Kyvant\\Tools\\Shared";

// A registry key of the test's own under HKCU, removed at the end.
class TestKey {
public:
    TestKey() : name_("Software\\Kyvant\\Tools\\" + Unique("KyGuiToolTest")) {}
    ~TestKey() { RegDeleteTreeOf(HKEY_CURRENT_USER, name_); }
    const std::string& Name() const { return name_; }

    static void RegDeleteTreeOf(HKEY root, const std::string& path)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
            return;
        char name[256];
        while (RegEnumKeyA(key, 0, name, sizeof name) == ERROR_SUCCESS)
            RegDeleteTreeOf(key, name);
        RegCloseKey(key);
        RegDeleteKeyA(root, path.c_str());
    }

private:
    std::string name_;
};

std::set<std::string> ValueNames(HKEY root, const std::string& path)
{
    std::set<std::string> names;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return names;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumValueA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.insert(name);
    }
    RegCloseKey(key);
    return names;
}

std::string StringValue(HKEY root, const std::string& path, const char* value)
{
    char data[1024] = "";
    DWORD size = sizeof data;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegQueryValueExA(key, value, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
        RegCloseKey(key);
    }
    return data;
}

DWORD DwordValue(HKEY root, const std::string& path, const char* value)
{
    DWORD data = 0xFFFFFFFF, size = sizeof data;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegQueryValueExA(key, value, nullptr, nullptr, reinterpret_cast<BYTE*>(&data), &size);
        RegCloseKey(key);
    }
    return data;
}

// Runs the front-end without a console tool; its exit code.
DWORD RunFrontEnd(const Scratch& dir, const Script& script, const Env& extra = {})
{
    Env env = extra;
    env.push_back({"KYTEST_FRONTEND_SCRIPT", script.Write()});
    Started frontEnd("KyGuiTool_frontend.exe", {}, env, dir);
    return frontEnd.Wait(30000);
}

std::string OwnHandleForChildren(HANDLE& handle)
{
    DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &handle, 0, TRUE,
                    DUPLICATE_SAME_ACCESS);
    return std::to_string(reinterpret_cast<UINT_PTR>(handle));
}

} // namespace

TEST(KyGuiApp, TakesTheHandOffVariablesAndHidesThemFromLaterPrograms)
{
    Scratch dir;
    Script child(dir, "child");
    child("probe");
    child.Write();
    Script script(dir);
    script("probe")("child=" + child.Write())("second");
    HANDLE console = nullptr;
    const std::string task = dir["task.kyfnd"];
    EXPECT_EQ(RunFrontEnd(dir, script,
                          {{"KYVANT_CON_APP_HANDLE", OwnHandleForChildren(console)},
                           {"KYVANT_KYSTARTED", "1"},
                           {"KYVANT_LOAD_FILE", task}}),
              0u);
    CloseHandle(console);
    const std::string log = script.Log();
    const std::string gone = " KYVANT_CON_APP_HANDLE=unset KYVANT_KYSTARTED=unset "
                             "KYVANT_LOAD_FILE=unset help=" +
                             kytest::ProgramFolder() + "KyTools.hlp";
    // The load file is given once.
    EXPECT_TRUE(
        Has(log, "probe handle=yes started=1 will=1 load1=" + task + " load2=" + gone + "\n"))
        << log;
    EXPECT_TRUE(Has(log, "child exit=0")) << log;
    EXPECT_TRUE(Has(child.Log(), "probe handle=none started=0 will=0 load1= load2=" + gone))
        << child.Log();
    // A second application object is refused and leaves the first in place.
    EXPECT_TRUE(Has(log, "second threw Multiple KyGuiApps.\napp intact=1\n")) << log;
}

TEST(KyGuiApp, WithoutAConsoleHandleThereIsNothingToRelease)
{
    const char* kAbsent = nullptr;
    const std::vector<const char*> handles = {kAbsent, "0",  "12abc",      "-5",
                                              "0x10",  " 7", "99999999999"};
    for (const char* value : handles) {
        SCOPED_TRACE(value ? value : "absent");
        Scratch dir;
        Script script(dir);
        script("probe")("release=true");
        Env env;
        if (value)
            env.push_back({"KYVANT_CON_APP_HANDLE", value});
        EXPECT_EQ(RunFrontEnd(dir, script, env), 0u);
        const std::string log = script.Log();
        EXPECT_TRUE(Has(log, "probe handle=none ")) << log;
        EXPECT_TRUE(Has(log, "release=0\n")) << log;
    }
    SCOPED_TRACE("after ConProcessTerminated");
    Scratch dir;
    Script script(dir);
    script("probe")("terminated")("release=true");
    HANDLE console = nullptr;
    EXPECT_EQ(RunFrontEnd(dir, script, {{"KYVANT_CON_APP_HANDLE", OwnHandleForChildren(console)}}),
              0u);
    CloseHandle(console);
    EXPECT_TRUE(Has(script.Log(), "probe handle=yes ")) << script.Log();
    EXPECT_TRUE(Has(script.Log(), "terminated\nrelease=0\n")) << script.Log();
}

TEST(KyGuiApp, ExplorerHandOffFileIsReusedItsValuesReplacedAndItGoesAtExit)
{
    Scratch dir;
    TestKey appKey;
    const std::string fontKey = std::string(kSharedKey) + "\\AltEdFont";
    TestKey::RegDeleteTreeOf(HKEY_CURRENT_USER, fontKey);
    const std::string handoffKey = appKey.Name() + "\\ShellExArgs";
    HoldEvent hold;
    Script script(dir);
    script("hold=" + hold.Name())("shellex=C:\\a.txt|D:\\b c.txt")("pause")(
        "shellex=E:\\third.txt")("pause")("shellex=");
    Env env = {{"KYTEST_FRONTEND_SCRIPT", script.Write()}, {"KYTEST_FRONTEND_KEY", appKey.Name()}};
    Started frontEnd("KyGuiTool_frontend.exe", {}, env, dir);

    const std::set<std::string> threeValues = {"PathsFile", "TimeLo", "TimeHi"};
    std::string log = WaitForLine(script, "hold pause");
    std::vector<std::string> made = Lines(log, "shellex ");
    ASSERT_EQ(made.size(), 1u) << log;
    const std::string file = made[0].substr(13, made[0].find(" content=") - 13);
    EXPECT_EQ(made[0], "shellex file=" + file + " content=C:\\a.txt\\nD:\\b c.txt\\n");
    EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, handoffKey), threeValues);
    EXPECT_EQ(StringValue(HKEY_CURRENT_USER, handoffKey, "PathsFile"), file);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const unsigned long long stamp =
        (static_cast<unsigned long long>(DwordValue(HKEY_CURRENT_USER, handoffKey, "TimeHi"))
         << 32) |
        DwordValue(HKEY_CURRENT_USER, handoffKey, "TimeLo");
    const unsigned long long nowTicks =
        (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    const unsigned long long kMinute = 600000000ull;
    EXPECT_LE(stamp, nowTicks);
    EXPECT_GT(stamp + kMinute, nowTicks);
    // A value of another writer goes with the next hand-off.
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, handoffKey.c_str(), 0, KEY_ALL_ACCESS, &key);
    const DWORD stale = 1;
    RegSetValueExA(key, "Stale", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stale), sizeof stale);
    RegCloseKey(key);
    hold.Release();

    log = WaitForLines(script, "hold pause", 2);
    ASSERT_EQ(Count(log, "hold pause"), 2u) << log;
    made = Lines(log, "shellex ");
    ASSERT_EQ(made.size(), 2u);
    EXPECT_EQ(made[1], "shellex file=" + file + " content=E:\\third.txt\\n") << "the same file";
    EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, handoffKey), threeValues);
    hold.Release();

    EXPECT_EQ(frontEnd.Wait(), 0u);
    log = script.Log();
    made = Lines(log, "shellex ");
    ASSERT_EQ(made.size(), 3u);
    EXPECT_EQ(made[2], "shellex file=" + file + " content=E:\\third.txt\\n") << "no paths: nothing";
    EXPECT_TRUE(Has(log, "exitinstance code=0 file=\n")) << log;
    EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES) << "deleted at exit";
    // The alternate editor font is stored at exit with its defaults.
    EXPECT_EQ(StringValue(HKEY_CURRENT_USER, fontKey, "Face"), "Courier New");
    EXPECT_EQ(DwordValue(HKEY_CURRENT_USER, fontKey, "Height"), 100u);
    EXPECT_EQ(DwordValue(HKEY_CURRENT_USER, fontKey, "Weight"), 400u);
    EXPECT_EQ(DwordValue(HKEY_CURRENT_USER, fontKey, "Italic"), 0u);
}

TEST(KyGuiApp, CommandsForTheHomePageAboutHelpAndTheIndexingServiceMessage)
{
    Scratch dir;
    Script script(dir);
    script("command=54029")("command=54030")("command=54031")("command=54025")("statusbar")(
        "setmessage=Hello there")("statusbar")("shellfails")("command=54029");
    EXPECT_EQ(RunFrontEnd(dir, script), 0u);
    const std::string log = script.Log();
    EXPECT_TRUE(Has(log, "shellexecute verb=open file=http://www.kyvant.com/ show=1 owner=none\n"))
        << log;
    EXPECT_TRUE(Has(log, "winhelp file=" + kytest::ProgramFolder() +
                             "KyTools.hlp command=" + std::to_string(HELP_FINDER) + " data=0\n"))
        << log;
    const std::vector<std::string> boxes = Lines(log, "box ");
    ASSERT_EQ(boxes.size(), 2u) << log;
    EXPECT_TRUE(Has(boxes[0],
                    "box caption=Kyvant Test Front-End type=" + std::to_string(MB_ICONINFORMATION) +
                        " text=Kyvant Test Front-End\\n\\nVersion 1.2.3.4 "))
        << boxes[0];
    // Without a message the pane is empty and disabled, and the command
    // shows nothing; with one, the icon shows and the command shows it.
    const std::vector<std::string> panes = Lines(log, "pane ");
    ASSERT_EQ(panes.size(), 2u) << log;
    EXPECT_TRUE(Has(panes[0], "pane icon=0 disabled=1 tip=View Indexing Service message"));
    EXPECT_TRUE(Has(panes[1], "pane icon=1 disabled=0 tip=View Indexing Service message"));
    EXPECT_TRUE(Has(boxes[1], "type=48 text=Hello there ")) << boxes[1];
    // A home page that cannot be opened is reported.
    EXPECT_TRUE(
        Has(log, std::string("command threw ") + Kyvant::os_error(ERROR_NO_ASSOCIATION).what()))
        << log;
}

TEST(KyGuiApp, AHandOffFileThatCannotBeOpenedKeepsTheLastHandOff)
{
    Scratch dir;
    TestKey appKey;
    const std::string handoffKey = appKey.Name() + "\\ShellExArgs";
    HoldEvent hold;
    Script script(dir);
    script("hold=" + hold.Name())("shellex=C:\\a.txt")("pause")("shellex=D:\\b.txt");
    Started frontEnd(
        "KyGuiTool_frontend.exe", {},
        {{"KYTEST_FRONTEND_SCRIPT", script.Write()}, {"KYTEST_FRONTEND_KEY", appKey.Name()}}, dir);
    const std::string log = WaitForLine(script, "hold pause");
    const std::vector<std::string> made = Lines(log, "shellex ");
    ASSERT_EQ(made.size(), 1u) << log;
    const std::string file = made[0].substr(13, made[0].find(" content=") - 13);
    // Another program holds the file without sharing it.
    HANDLE held = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    hold.Release();
    EXPECT_EQ(frontEnd.Wait(), 0u);
    CloseHandle(held);
    EXPECT_TRUE(Has(script.Log(), "shellex threw Failed to create tempfile\n")) << script.Log();
    EXPECT_EQ(kytest::ReadText(file), "C:\\a.txt\n");
    EXPECT_EQ(StringValue(HKEY_CURRENT_USER, handoffKey, "PathsFile"), file);
    DeleteFileA(file.c_str());
}
