// Starting the editor: the shell request, the shell's failures as errors,
// and a real start of the editor stand-in that logs its arguments.
#include "KyFind/Gui/Editor/EditorLaunch.h"

#include "FindGTestApp.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Shell/ShellLaunch.h"
#include "common/ProgramFolder.h"
#include "common/TempFolder.h"
#include "common/WholeFile.h"

#include <gtest/gtest.h>

#include <string>

using namespace Kyvant::FindEditor;

namespace {

struct ShellRequest {
    HWND owner = nullptr;
    std::string verb, file, parameters;
    bool directory = false;
    int show = -1;
};
ShellRequest g_request;
UINT_PTR g_result = 42;

BOOL WINAPI RecordRequest(SHELLEXECUTEINFOA* info)
{
    g_request.owner = info->hwnd;
    g_request.verb = info->lpVerb ? info->lpVerb : "";
    g_request.file = info->lpFile ? info->lpFile : "";
    g_request.parameters = info->lpParameters ? info->lpParameters : "";
    g_request.directory = info->lpDirectory != nullptr;
    g_request.show = info->nShow;
    info->hInstApp = reinterpret_cast<HINSTANCE>(g_result);
    return g_result > 32;
}

class ShellSeam {
public:
    ShellSeam() : old_(Kyvant::Shell::SetShellExecuteFunction(&RecordRequest)) {}
    ~ShellSeam() { Kyvant::Shell::SetShellExecuteFunction(old_); }

private:
    Kyvant::Shell::ShellExecuteFunction old_;
};

// The error a result gives: "" for none, else "os:<code>" or "shell:<code>"
// with the text.
std::string ErrorOf(unsigned result, std::string* text = nullptr)
{
    try {
        ThrowShellResult(result);
    } catch (const ShellStartError& e) {
        if (text)
            *text = e.what();
        return "shell:" + std::to_string(e.code());
    } catch (const Kyvant::os_error& e) {
        if (text)
            *text = e.what();
        return "os:" + std::to_string(e.code());
    }
    return "";
}

} // namespace

TEST(EditorLaunch, ShellResultsBecomeErrors)
{
    // Nothing went wrong above 32.
    EXPECT_EQ("", ErrorOf(33));
    EXPECT_EQ("", ErrorOf(4000));
    // 0 is the shell running out of memory.
    EXPECT_EQ("os:8", ErrorOf(0));
    for (unsigned code : {2u, 3u, 5u, 8u, 11u})
        EXPECT_EQ("os:" + std::to_string(code), ErrorOf(code));
    const char* const names[] = {"SE_ERR_SHARE",      "SE_ERR_ASSOCINCOMPLETE", "SE_ERR_DDETIMEOUT",
                                 "SE_ERR_DDEFAIL",    "SE_ERR_DDEBUSY",         "SE_ERR_NOASSOC",
                                 "SE_ERR_DLLNOTFOUND"};
    for (unsigned code = 26; code <= 32; ++code) {
        std::string text;
        EXPECT_EQ("shell:" + std::to_string(code), ErrorOf(code, &text));
        EXPECT_NE(std::string::npos, text.find(names[code - 26])) << text;
    }
}

TEST(EditorLaunch, RequestCarriesProgramAndCommandLine)
{
    ShellSeam seam;
    EditorSettings settings;
    settings.path = "C:\\Tools\\ed.exe";
    settings.options = "-n%L %F";
    const HWND owner = GetDesktopWindow();
    g_result = 42;
    OpenInEditor(owner, settings, "C:\\a b.c", 12);
    EXPECT_EQ(owner, g_request.owner);
    EXPECT_EQ("", g_request.verb);
    EXPECT_EQ("C:\\Tools\\ed.exe", g_request.file);
    EXPECT_EQ("-n12 C:\\a b.c", g_request.parameters);
    EXPECT_FALSE(g_request.directory);
    EXPECT_EQ(SW_SHOWNORMAL, g_request.show);

    g_result = SE_ERR_NOASSOC;
    EXPECT_THROW(OpenInEditor(owner, settings, "C:\\a b.c", 12), ShellStartError);
    g_result = 0;
    EXPECT_THROW(OpenInEditor(owner, settings, "C:\\a b.c", 12), Kyvant::os_error);
    g_result = 42;
}

// The shell really starts the stand-in, which logs the arguments it got.
TEST(EditorLaunch, StandInEditorLogsItsArguments)
{
    const std::string log = kytest::TempFolder() + "editor_standin.log";
    DeleteFileA(log.c_str());
    findgtest::SetVariable("KYTEST_EDITOR_LOG", log);
    EditorSettings settings;
    settings.path = kytest::ProgramFolder() + "KyEditorStandIn.exe";
    const struct {
        const char* options;
        unsigned line;
        const char* logged;
    } cases[] = {
        {"-n%L %F", 12, "-n12 C:\\a b.c"},
        {"", 3, "\"C:\\a b.c\""},
        {"/r", 3, "/r \"C:\\a b.c\""},
    };
    std::string expected;
    for (const auto& c : cases) {
        settings.options = c.options;
        ASSERT_NO_THROW(OpenInEditor(nullptr, settings, "C:\\a b.c", c.line));
        expected += std::string(c.logged) + "\n";
        // One start at a time, so that the lines keep their order.
        ASSERT_TRUE(findgtest::PumpUntil([&] { return kytest::ReadFile(log) == expected; }, 10000))
            << kytest::ReadFile(log);
    }
    findgtest::SetVariable("KYTEST_EDITOR_LOG", "");
}
