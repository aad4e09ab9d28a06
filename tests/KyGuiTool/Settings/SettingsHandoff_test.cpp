// The settings dialog in the test front-end: a console test tool started
// without arguments gets the test pages' arguments through the real dialog
// and the hand-off, or ends without running after Cancel; the starter's task
// file, and the commands the dialog passes to the application.
#include "FrontEndTestSupport.h"
#include "KyStd/Registry/RegKey.h"
#include "Settings/SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace guitest;

const int kToolEdit = IDC_SETTINGS_TOOL_EDIT;
const int kSearchEdit = IDC_SETTINGS_SEARCH_EDIT;

// The front-end's own application key, removed afterwards.
class FrontEndKey {
public:
    FrontEndKey() : name_(Unique("KyGuiToolSettings")) {}
    ~FrontEndKey()
    {
        Kyvant::RegKey(HKEY_CURRENT_USER, settingstest::kToolsKey).DeleteKey(name_.c_str());
    }
    FrontEndKey(const FrontEndKey&) = delete;
    FrontEndKey& operator=(const FrontEndKey&) = delete;

    std::string Path() const { return std::string(settingstest::kToolsKey) + "\\" + name_; }
    std::string Value(const char* name) const
    {
        Kyvant::ky_S value;
        value.LoadStringA(Kyvant::RegKey(HKEY_CURRENT_USER, Path().c_str()).get(), name,
                          "<missing>");
        return value.c_str();
    }

private:
    std::string name_;
};

std::string Stage(const std::vector<std::string>& steps)
{
    std::string stage = "stage=";
    for (const std::string& step : steps)
        stage += (stage.size() > 6 ? ";" : "") + step;
    return stage;
}

std::string Text(int id, const std::string& text)
{
    return "text:" + std::to_string(id) + ":" + text;
}

// The console test tool started without arguments, with the front-end and
// its script.
struct ToolRun {
    ToolRun(const Scratch& dir, const Script& script, const FrontEndKey& key)
        : record(dir["record.txt"]), tool("KyConTool_tool.exe", {},
                                          {{"KYTEST_FRONTEND", "KyGuiTool_frontend.exe"},
                                           {"KYTEST_FRONTEND_SCRIPT", script.Write()},
                                           {"KYTEST_FRONTEND_KEY", key.Path()},
                                           {"KYTEST_RECORD", record},
                                           {"Kyvant_Protocol_Prefix_EnvVar", Unique("kyset")}},
                                          dir)
    {
    }
    std::string Record() const { return kytest::ReadText(record); }

    std::string record;
    Started tool;
};

TEST(SettingsHandoff, TheToolRunsTheArgumentsOfThePagesAcceptedWithOk)
{
    Scratch dir;
    FrontEndKey key;
    Script script(dir);
    const std::string file = dir["found.txt"];
    script("box=1")("settings")(
        Stage({Text(kToolEdit, "warn:from the page"), Text(kSearchEdit, file), "click:1"}));
    ToolRun run(dir, script, key);
    EXPECT_EQ(0u, run.tool.Wait()) << run.tool.Err();
    const std::string record = run.Record();
    EXPECT_TRUE(Has(record, "main argc=3 ")) << record;
    EXPECT_TRUE(Has(record, "arg0=KyConTool_tool.exe\narg1=warn:from the page\narg2=" + file +
                                "\nmain done\n"))
        << record;
    EXPECT_EQ(0u, WaitForFrontEnd(script));
    const std::string log = script.Log();
    EXPECT_TRUE(Has(log, "settings result=1 ")) << log;
    const std::vector<std::string> boxes = Lines(log, "box ");
    ASSERT_EQ(1u, boxes.size()) << log;
    EXPECT_TRUE(Has(boxes[0], "text=from the page")) << boxes[0];
    EXPECT_TRUE(Has(log, "\nrun returned")) << log;
    EXPECT_TRUE(Has(log, "page tool:SaveState\npage files:SaveState")) << log;
}

TEST(SettingsHandoff, CancelInTheSettingsDialogEndsTheToolWithoutRunning)
{
    Scratch dir;
    FrontEndKey key;
    Script script(dir);
    script("settings")(Stage({"click:2"}));
    ToolRun run(dir, script, key);
    EXPECT_EQ(2u, run.tool.Wait());
    EXPECT_FALSE(Has(run.Record(), "main")) << run.Record();
    const std::string log = WaitForLine(script, "process end");
    EXPECT_TRUE(Has(log, "settings result=2 ")) << log;
    EXPECT_TRUE(Has(log, "\nrelease=0")) << log;
}

TEST(SettingsHandoff, TheStartersTaskFileIsLoadedAndNamesTheDocument)
{
    Scratch dir;
    FrontEndKey key;
    const std::string task = dir["start.kytst"];
    kytest::WriteFile(
        task, settingstest::Header(3) +
                  settingstest::Record(settingstest::kToolRecord, "from starter") +
                  settingstest::Record(settingstest::kPageGuidRecord, settingstest::kGuidPlan) +
                  settingstest::Record(settingstest::kSearchRecord, "plan text") +
                  settingstest::Record(1, ""));
    Script script(dir);
    script("settings")(Stage({"log", "click:1"}));
    ConsoleDouble console(dir, script,
                          {{"KYVANT_LOAD_FILE", task}, {"KYTEST_FRONTEND_KEY", key.Path()}});
    ASSERT_TRUE(console.Released()) << script.Log();
    const std::string log = WaitForLine(script, "settings result=");
    EXPECT_TRUE(Has(log, "stage caption=start.kytst - Test Task controls:")) << log;
    EXPECT_TRUE(Has(log, " 1101=from starter")) << log;
    EXPECT_TRUE(Has(log, " 1111=plan text")) << log;
    EXPECT_TRUE(Has(log, "settings result=1 docname=start.kytst")) << log;
    EXPECT_EQ(3u, console.Word(8));
    EXPECT_EQ(task, key.Value("Last File Used"));
}

TEST(SettingsHandoff, HelpWebAboutAndOptionsReachTheApplication)
{
    Scratch dir;
    FrontEndKey key;
    Script script(dir);
    script("settings")(Stage({"cmd:53791", "cmd:53785", "cmd:53789", "cmd:53790"}))(
        Stage({"log", "click:2", "main:2"}));
    ConsoleDouble console(dir, script, {{"KYTEST_FRONTEND_KEY", key.Path()}});
    ASSERT_TRUE(console.Released()) << script.Log();
    EXPECT_EQ(0u, console.Word(0)) << "released without running";
    const std::string log = WaitForLine(script, "release=");
    EXPECT_TRUE(Has(log, "shellexecute verb=open file=http://www.kyvant.com/")) << log;
    EXPECT_TRUE(Has(log, "winhelp file=")) << log;
    EXPECT_TRUE(Has(log, "KyTools.hlp command=1 data=131079")) << log;
    EXPECT_TRUE(Has(log, "text=Kyvant Test Front-End\\n\\nVersion 1.2.3.4")) << log;
    EXPECT_TRUE(Has(log, "stage caption=Options")) << log;
    EXPECT_TRUE(Has(log, "KyTools.hlp command=2 data=0\nsettings result=2")) << log;
}

} // namespace
