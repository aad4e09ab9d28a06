// Whole hand-offs: the console test tools started without arguments start
// the test front-end, which hands back its scripted command line and serves
// the run through the progress dialog; what the tool did and how it ended.
#include "FrontEndTestSupport.h"
#include "KyConTool/IndexingServiceTestSupport.h"
#include "KyStd/Core/Errors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace guitest;

namespace {

// One tool run with the front-end's script; the tool still runs when
// returned unless waited for.
class ToolRun {
public:
    ToolRun(const Scratch& dir, const Script& script, const char* tool = "KyConTool_tool.exe",
            const Env& extra = {})
        : record_(dir["record.txt"])
    {
        DeleteFileA(record_.c_str());
        Env env = extra;
        env.push_back({"KYTEST_FRONTEND", "KyGuiTool_frontend.exe"});
        env.push_back({"KYTEST_FRONTEND_SCRIPT", script.Write()});
        env.push_back({"KYTEST_RECORD", record_});
        env.push_back({"Kyvant_Protocol_Prefix_EnvVar", Unique("kygt")});
        tool_.reset(new Started(tool, {}, env, dir));
    }
    Started& Tool() { return *tool_; }
    std::string Record() const { return kytest::ReadText(record_); }

private:
    std::string record_;
    std::unique_ptr<Started> tool_;
};

// The tool's exit code and, once the front-end ended too, its log.
struct Ended {
    DWORD tool;
    DWORD frontEnd;
    std::string log;
    std::string record;
    std::string err;
};

Ended RunToEnd(const Scratch& dir, const Script& script, const char* tool = "KyConTool_tool.exe",
               const Env& extra = {})
{
    ToolRun run(dir, script, tool, extra);
    Ended ended;
    ended.tool = run.Tool().Wait();
    ended.frontEnd = WaitForFrontEnd(script);
    ended.log = script.Log();
    ended.record = run.Record();
    ended.err = run.Tool().Err();
    return ended;
}

HWND ProgressWindow(const Script& script)
{
    HANDLE frontEnd = OpenFrontEnd(script);
    const std::string log = script.Log();
    const DWORD pid = static_cast<DWORD>(std::stoul(log.substr(log.find("start pid=") + 10)));
    CloseHandle(frontEnd);
    for (int i = 0; i < 250; ++i) {
        if (HWND w = FindWindowOf(pid, 1040))
            return w;
        Sleep(20);
    }
    return nullptr;
}

} // namespace

TEST(ConsoleHandoff, TheToolRunsTheScriptedCommandLine)
{
    Scratch dir;
    Script script(dir);
    const std::string file = dir["x.txt"];
    script("arg=-v")("arg=a b")("arg=@!")("arg=" + file)("write")("release=run");
    const Ended run = RunToEnd(dir, script);
    EXPECT_EQ(run.tool, 0u) << run.err;
    EXPECT_TRUE(Has(run.record, "main argc=5 ")) << run.record;
    EXPECT_TRUE(Has(run.record, "arg0=KyConTool_tool.exe\narg1=-v\narg2=a b\narg3=@!\narg4=" +
                                    file + "\nmain done\n"))
        << run.record;
    EXPECT_EQ(run.frontEnd, 0u);
    EXPECT_TRUE(Has(run.log, "run returned")) << run.log;
}

TEST(ConsoleHandoff, ACancelledOrAbandonedHandOffNeverRunsMain)
{
    for (const char* end : {"release=false", "exit=0", "exit=5"}) {
        SCOPED_TRACE(end);
        Scratch dir;
        Script script(dir);
        script("arg=x")("write")(end);
        ToolRun run(dir, script);
        EXPECT_EQ(run.Tool().Wait(), 2u);
        EXPECT_FALSE(Has(run.Record(), "main")) << run.Record();
    }
}

TEST(ConsoleHandoff, YesToAllCoversFilesWithTheSameAttributes)
{
    Scratch dir;
    const std::string one = dir["one.txt"], two = dir["two.txt"], hidden = dir["hidden.txt"];
    for (const std::string& f : {one, two, hidden}) {
        kytest::WriteFile(f, "text");
        SetFileAttributesA(f.c_str(), FILE_ATTRIBUTE_READONLY);
    }
    // Hidden needs extended attributes on the Unix side.
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    const bool hiddenWorks = (GetFileAttributesA(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0;

    Script script(dir);
    script("query=1003,1004")("arg=attrib:" + one)("arg=attrib:" + two);
    if (hiddenWorks)
        script("arg=attrib:" + hidden);
    script("write")("release=run");
    const Ended run = RunToEnd(dir, script);
    EXPECT_EQ(run.tool, 0u) << run.err;
    const std::vector<std::string> asked = Lines(run.log, "query ");
    ASSERT_EQ(asked.size(), hiddenWorks ? 2u : 1u) << run.log;
    EXPECT_TRUE(Has(asked[0], "path=   " + one +
                                  " text=has the following attributes:\\n\\n   "
                                  "Read-Only\\n\\nWould you like to process this "
                                  "file anyway?"))
        << asked[0];
    // Both read-only files were processed with the attribute cleared, and
    // got it back.
    EXPECT_EQ(Count(run.record, "attrib during=0 skip=0\nattrib after=1\n"), 2u) << run.record;
    if (hiddenWorks) {
        EXPECT_TRUE(Has(asked[1], "text=has the following attributes:\\n\\n   Hidden\\n   "
                                  "Read-Only\\n\\nWould"))
            << asked[1];
        EXPECT_TRUE(Has(run.record, "attrib during=1 skip=1\n")) << run.record;
    }
}

TEST(ConsoleHandoff, MissingFilesAndFoldersAskWithoutToAllAndNoSilencesThem)
{
    Scratch dir;
    const std::string gone1 = dir["gone1.txt"], gone2 = dir["gone2.txt"];
    const std::string folder = dir["folder"];
    CreateDirectoryA(folder.c_str(), nullptr);
    {
        Script script(dir);
        script("query=1004,1004")("arg=infile:" + gone1)("arg=infile:" + gone2)(
            "arg=infile:" + folder)("write")("release=run");
        const Ended run = RunToEnd(dir, script);
        EXPECT_EQ(run.tool, 1u) << "files skipped";
        const std::vector<std::string> asked = Lines(run.log, "query ");
        ASSERT_EQ(asked.size(), 2u) << run.log;
        EXPECT_TRUE(Has(asked[0], "path=   " + gone1 +
                                      " text=cannot be processed due to the following error:\\n\\n"
                                      "   " +
                                      Kyvant::os_error(ERROR_FILE_NOT_FOUND).what() +
                                      "\\n\\nContinue reporting this type of error? "
                                      "buttons=1002,1004,2 "))
            << asked[0];
        EXPECT_TRUE(Has(asked[1], "path=   " + folder +
                                      " text=is not a file. Continue reporting this type of "
                                      "error? buttons=1002,1004,2 "))
            << asked[1];
        EXPECT_TRUE(Has(run.record, "skipped " + gone1 + "\nskipped " + gone2 + "\nskipped " +
                                        folder + "\nmain done\n"))
            << run.record;
    }
    {
        SCOPED_TRACE("Cancel");
        Script script(dir);
        script("query=2")("arg=infile:" + gone1)("arg=infile:" + gone2)("write")("release=run");
        const Ended run = RunToEnd(dir, script);
        EXPECT_EQ(run.tool, 3u);
        EXPECT_EQ(Lines(run.log, "query ").size(), 1u);
        EXPECT_FALSE(Has(run.record, "main done"));
        EXPECT_EQ(run.frontEnd, 0u) << "the dialog closed and the front-end ended";
    }
}

TEST(ConsoleHandoff, WarningsAskWithTheToolsNameAndCancelEndsTheRun)
{
    Scratch dir;
    {
        Script script(dir);
        script("box=2")("arg=warn:careful")("arg=never.txt")("write")("release=run");
        const Ended run = RunToEnd(dir, script);
        EXPECT_EQ(run.tool, 2u);
        const std::vector<std::string> boxes = Lines(run.log, "box ");
        ASSERT_EQ(boxes.size(), 1u) << run.log;
        EXPECT_TRUE(Has(boxes[0], "box caption=Kyvant Test Tool type=49 text=")) << boxes[0];
        EXPECT_TRUE(Has(boxes[0], "careful")) << boxes[0];
        EXPECT_FALSE(Has(run.record, "main done"));
    }
    {
        SCOPED_TRACE("a warning before any work");
        Script script(dir);
        const std::string later = dir["later.txt"];
        script("box=1")("arg=warn:early")("arg=" + later)("write")("release=run");
        const Ended run = RunToEnd(dir, script);
        EXPECT_EQ(run.tool, 0u) << run.err;
        EXPECT_TRUE(Has(run.record, "main done")) << run.record;
        const std::vector<std::string> boxes = Lines(run.log, "box ");
        ASSERT_EQ(boxes.size(), 1u) << run.log;
        EXPECT_TRUE(Has(boxes[0], "main=none progress=hidden")) << boxes[0];
        EXPECT_EQ(run.frontEnd, 0u);
    }
}

TEST(ConsoleHandoff, CancelInTheProgressDialogStopsTheToolSilently)
{
    Scratch dir;
    Script script(dir);
    const std::string file = dir["folder\\name.txt"];
    script("arg=checkterm:" + file)("write")("release=run");
    ToolRun run(dir, script);
    const HWND dialog = ProgressWindow(script);
    ASSERT_NE(dialog, nullptr) << script.Log();
    EXPECT_LE(WaitVisible(dialog, 3000), 1600u);
    EXPECT_EQ(WindowText(dialog), "Kyvant Test Tool");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, 1040)), dir["folder\\"]);
    EXPECT_EQ(WindowText(GetDlgItem(dialog, 1001)), "name.txt");
    EXPECT_TRUE(SavePainted(dialog, "kyguitool_progress_checkterm"));

    PostMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_EQ(run.Tool().Wait(), 2u);
    EXPECT_EQ(run.Tool().Err(), "") << "stopped without a word";
    EXPECT_FALSE(Has(run.Record(), "survived"));
    EXPECT_EQ(WaitForFrontEnd(script), 0u);
}

TEST(ConsoleHandoff, AKilledToolsDialogClosesWithinTwoSeconds)
{
    Scratch dir;
    Script script(dir);
    script("arg=checkterm")("write")("release=run");
    ToolRun run(dir, script);
    const HWND dialog = ProgressWindow(script);
    ASSERT_NE(dialog, nullptr) << script.Log();
    EXPECT_LE(WaitVisible(dialog, 3000), 1600u);
    HANDLE frontEnd = OpenFrontEnd(script);
    ASSERT_NE(frontEnd, nullptr);
    run.Tool().Kill();
    const DWORD start = GetTickCount();
    EXPECT_EQ(WaitForSingleObject(frontEnd, 5000), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_LE(GetTickCount() - start, 2500u);
    CloseHandle(frontEnd);
}

TEST(ConsoleHandoff, AnIndexingServiceWarningBecomesTheApplicationsMessage)
{
    ASSERT_TRUE(istest::InstallStandIns());
    istest::QueryScript query;
    Scratch dir;
    const std::string file = dir["found.txt"];
    kytest::WriteFile(file, "text");
    query.Write("status|.|System|0x10\nrow|*|System|" + file + "|4|0x20|130000000000000000|1\n");
    Script script(dir);
    script("arg=@m*.txt")("arg=@i\\")("write")("release=run")("statusbar");
    ToolRun run(dir, script, "KyConTool_itertool.exe");
    EXPECT_EQ(run.Tool().Wait(), 0u) << run.Tool().Err();
    EXPECT_TRUE(Has(run.Tool().Out(), file)) << run.Tool().Out();
    EXPECT_EQ(WaitForFrontEnd(script), 0u);
    const std::string log = script.Log();
    EXPECT_TRUE(Has(log, "run returned message=Machine: My Computer\\nCatalog: System\\n")) << log;
    EXPECT_TRUE(Has(log, "pane icon=1 disabled=0")) << log;
    const std::vector<std::string> boxes = Lines(log, "box ");
    ASSERT_EQ(boxes.size(), 1u) << log;
    EXPECT_TRUE(Has(boxes[0], "text=Machine: My Computer\\nCatalog: System\\n")) << boxes[0];
}
