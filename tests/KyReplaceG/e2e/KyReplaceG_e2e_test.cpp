// KyReplaceG end to end: the program itself (build/bin/KyReplaceG.exe) with
// the real KyReplace and the engine stand-in over fixture files written
// here, driven from outside as a user would: its Replace Task dialog over
// a stored plan and an Explorer selection, the frame's answer buttons, the
// log pane read back, the files compared byte for byte; KyReplace started
// from a console; the frame's placement and tab size kept between runs;
// a window closed while a new task's start serves messages.
// Screenshots go to build/test-artifacts.
#include "e2e/RemoteWindows.h"

#include "common/ProgramFolder.h"
#include "common/TempFolder.h"
#include "common/WholeFile.h"
#include "common/WindowPng.h"

#include "KyDB/Named/ReplacePlan.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Registry/RegValues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <string>
#include <vector>

using namespace e2e;

namespace {

const char kAppKey[] = "Software\\Kyvant\\Tools\\KyReplaceG";
const char kDialogTitle[] = "Replace Task";
const char kFrameTitle[] = "Kyvant Replace";
// The view's controls and the frame's tab-size box.
const int kFileName = 1004, kBefore = 1020, kLog = 1022;
const int kReplace = 1009, kSkip = 1011, kReplaceInFile = 1010, kSkipInFile = 1012;
const int kStop = 1019, kTabSize = 1043, kMatched = 1021;
const UINT kTextOptionsCommand = 32773;
const UINT kNewCommand = 57600;
const DWORD kPaintMs = 400;

struct Rule {
    const char* find;
    const char* replace;
};

Kyvant::RegKey AppKey()
{
    return Kyvant::RegKey(HKEY_CURRENT_USER, kAppKey);
}

// The Replace page's current plan: the rules, asking each time, with
// backups unless told otherwise.
void StorePlan(const std::vector<Rule>& rules, bool confirm = true)
{
    Kyvant::ReplaceRuleVector vector;
    for (const Rule& r : rules)
        vector.push_back(Kyvant::ReplaceRule(true, Kyvant::ky_S(r.find), Kyvant::ky_S(r.replace),
                                             false, false, false, false, false, confirm, false,
                                             false));
    const Kyvant::ReplacePlan plan(vector, true, false, false, !confirm, false, false,
                                   Kyvant::ky_F(""), Kyvant::ky_S(""), false);
    Kyvant::ky_S stored;
    plan.StoreContents(stored);
    const Kyvant::RegKey key = AppKey();
    ::RegDeleteValueA(key.get(), "ConfigName");
    Kyvant::WriteRegistryString(key.get(), "Config", stored);
}

// The fixture files in a new folder, left as the shell extension leaves an
// Explorer selection for the tool.
std::vector<std::string> SelectFiles(const std::vector<std::string>& texts)
{
    const std::string folder = kytest::NewFolder(kytest::ScratchBase(), "kyrg_e2e_");
    std::vector<std::string> files;
    std::string list;
    for (size_t i = 0; i < texts.size(); ++i) {
        files.push_back(folder + static_cast<char>('a' + i) + ".txt");
        kytest::WriteFile(files.back(), texts[i]);
        list += files.back() + "\n";
    }
    kytest::WriteFile(folder + "selection.txt", list);
    const Kyvant::RegKey handoff(AppKey(), "ShellExArgs");
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    Kyvant::WriteRegistryString(handoff.get(), "PathsFile",
                                Kyvant::ky_S((folder + "selection.txt").c_str()));
    Kyvant::WriteRegistryDWORD(handoff.get(), "TimeLo", now.dwLowDateTime);
    Kyvant::WriteRegistryDWORD(handoff.get(), "TimeHi", now.dwHighDateTime);
    return files;
}

std::string Program(const char* name)
{
    return kytest::ProgramFolder() + name;
}

void Snapshot(HWND window, const char* name)
{
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ::Sleep(kPaintMs);
    kytest::SaveWindowPng(window, name);
}

bool Enabled(HWND frame, int id)
{
    const HWND control = Descendant(frame, id);
    return control != nullptr && ::IsWindowEnabled(control);
}

// The engine's options for the tests' runs: it logs each reply it gets.
class EngineReplyLog {
public:
    EngineReplyLog()
        : path_(kytest::NewFolder(kytest::ScratchBase(), "kyrg_e2e_replies_") + "r.log")
    {
        const std::string options = "\"--test-reply-log=" + path_ + "\"";
        Kyvant::WriteRegistryString(SharedKey().get(), kEngineOptions,
                                    Kyvant::ky_S(options.c_str()));
    }
    ~EngineReplyLog() { ::RegDeleteValueA(SharedKey().get(), kEngineOptions); }
    EngineReplyLog(const EngineReplyLog&) = delete;
    EngineReplyLog& operator=(const EngineReplyLog&) = delete;

    size_t Replies() const
    {
        const std::string text = kytest::ReadFile(path_);
        return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
    }

private:
    static Kyvant::RegKey SharedKey()
    {
        return Kyvant::RegKey(HKEY_CURRENT_USER, "Software\\Kyvant\\Tools\\Shared");
    }
    static constexpr const char* kEngineOptions = "PerlOptions";
    std::string path_;
};

bool TaskRunning(HWND frame)
{
    return Enabled(frame, kStop);
}

// Answers the questions in turn with the buttons given, as a user clicks:
// a click while no question waits only beeps, so each is repeated until
// the engine has the reply. The picture of the first question is taken
// when a name is given. Returns the number of questions answered; the
// task has ended then.
size_t AnswerQuestions(HWND frame, const EngineReplyLog& replies, const std::vector<int>& answers,
                       const char* firstPicture = nullptr)
{
    size_t answered = 0;
    for (int answer : answers) {
        if (answered == 0 && firstPicture != nullptr) {
            WaitFor([frame] { return !TextOf(Descendant(frame, kMatched)).empty(); }, 10000);
            Snapshot(frame, firstPicture);
        }
        const bool got = WaitFor(
            [&] {
                if (!TaskRunning(frame))
                    return true;
                ::SendMessageA(Descendant(frame, answer), BM_CLICK, 0, 0);
                return WaitFor([&] { return replies.Replies() > answered; }, 250);
            },
            30000);
        if (!got || replies.Replies() <= answered)
            break;
        ++answered;
    }
    WaitFor([frame] { return !TaskRunning(frame); });
    return answered;
}

// The task dialog of the process (any process when 0) accepted.
HWND AcceptTaskDialog(DWORD process)
{
    const HWND dialog = FindTop(process, kDialogTitle);
    if (dialog != nullptr)
        ClickButton(Descendant(dialog, IDOK));
    return dialog;
}

HWND WaitForFrame(DWORD process)
{
    return FindTop(process, kFrameTitle);
}

std::string LogOf(HWND frame)
{
    return TextOf(Descendant(frame, kLog));
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The frame closed once no task runs; the program ends.
void Close(HWND frame, const Started& program)
{
    ::PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_NE(-1, program.WaitForExit());
}

// A task file of the tool's settings only (extent 1) whose Replace page
// holds an unnamed plan of the rules, confirming nothing.
std::string ToolTaskFile(const std::vector<Rule>& rules)
{
    Kyvant::ReplaceRuleVector vector;
    for (const Rule& r : rules)
        vector.push_back(Kyvant::ReplaceRule(true, Kyvant::ky_S(r.find), Kyvant::ky_S(r.replace),
                                             false, false, false, false, false, false, false,
                                             false));
    const Kyvant::ReplacePlan plan(vector, true, false, false, true, false, false, Kyvant::ky_F(""),
                                   Kyvant::ky_S(""), false);
    Kyvant::ky_S stored;
    plan.StoreContents(stored);
    auto record = [](int type, const std::string& payload) {
        std::string bytes(1, static_cast<char>(type & 0xFF));
        bytes += static_cast<char>(type >> 8);
        for (int shift = 0; shift < 32; shift += 8)
            bytes += static_cast<char>((payload.size() >> shift) & 0xFF);
        return bytes + payload;
    };
    const std::string header("KSAT\0\0\0\0\1\0\0\0", 12);
    const int kHeader = 0, kEnd = 1, kPlanName = 5000, kPlan = 5001;
    return record(kHeader, header) + record(kPlanName, "") +
           record(kPlan, std::string(stored.c_str(), stored.length())) + record(kEnd, "");
}

std::string LastFileUsed()
{
    Kyvant::ky_S value;
    value.LoadStringA(AppKey().get(), "Last File Used", "<none>");
    return value.c_str();
}

// Each run starts from the built-in text options and no last-used task file.
class KyReplaceGEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        const Kyvant::RegKey key = AppKey();
        for (const char* value : {"TabSize", "WordWrap", "MatchColor", "ReplColor", "SkipColor",
                                  "UseColors", "Last File Used"})
            ::RegDeleteValueA(key.get(), value);
        for (const char* font : {"MainFont", "LogWindowFont"})
            ::RegDeleteKeyA(key.get(), font);
    }
};

} // namespace

TEST_F(KyReplaceGEndToEnd, CancelledTaskDialogEndsWithNoWindowShown)
{
    StorePlan({{"cat", "dog"}});
    SelectFiles({"a cat\n"});
    Started program(Program("KyReplaceG.exe"), "");
    ASSERT_TRUE(program.ok());
    const HWND dialog = FindTop(program.id(), kDialogTitle);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(1u, TopWindows(program.id()).size()) << "the dialog comes before any window";
    Snapshot(dialog, "KyReplaceG_e2e_task_dialog");
    ClickButton(Descendant(dialog, IDCANCEL));
    bool otherShown = false;
    WaitFor([&] {
        for (HWND window : TopWindows(program.id()))
            otherShown = otherShown || window != dialog;
        return program.WaitForExit(0) != -1;
    });
    EXPECT_NE(-1, program.WaitForExit(5000));
    EXPECT_FALSE(otherShown);
}

// Started with a task file (as Explorer starts it for a .kyrep), the
// dialog shows that file's settings, not those of the file last used, which
// is forgotten; accepted, the task runs the starter's plan.
TEST_F(KyReplaceGEndToEnd, TheStarterTaskFileIsTheOneLoaded)
{
    StorePlan({{"cat", "dog"}}, false);
    const std::vector<std::string> files = SelectFiles({"a cat\n"});
    const std::string folder = kytest::NewFolder(kytest::ScratchBase(), "kyrg_e2e_tasks_");
    const std::string starter = folder + "starter.kyrep", last = folder + "last.kyrep";
    kytest::WriteFile(starter, ToolTaskFile({{"cat", "cow"}}));
    kytest::WriteFile(last, ToolTaskFile({{"cat", "pig"}}));
    Kyvant::WriteRegistryString(AppKey().get(), "Last File Used", Kyvant::ky_S(last.c_str()));

    Started program(Program("KyReplaceG.exe"), "", {"KYVANT_LOAD_FILE=" + starter});
    const HWND dialog = FindTop(program.id(), kDialogTitle);
    ASSERT_NE(nullptr, dialog);
    EXPECT_TRUE(WaitFor([] { return LastFileUsed().empty(); })) << LastFileUsed();
    EXPECT_EQ("starter.kyrep - Replace Task", TextOf(dialog));
    Snapshot(dialog, "KyReplaceG_e2e_starter_task_file");
    // OK is taken after the dialog's own start-up work, which it queued first.
    ClickButton(Descendant(dialog, IDOK));
    const HWND frame = WaitForFrame(program.id());
    ASSERT_NE(nullptr, frame);
    ASSERT_TRUE(WaitFor([frame] { return Contains(LogOf(frame), "Made 1 replacement"); }));
    ASSERT_TRUE(WaitFor([frame] { return !TaskRunning(frame); }));
    EXPECT_EQ("a cow\n", kytest::ReadFile(files[0]));
    EXPECT_EQ(starter, LastFileUsed()) << "OK keeps the open file";
    Close(frame, program);
}

// A confirming plan with backups over three files, every question answered
// with a click on Replace.
TEST_F(KyReplaceGEndToEnd, EveryMatchReplacedWithBackups)
{
    StorePlan({{"cat", "dog"}});
    const std::vector<std::string> files =
        SelectFiles({"a cat\n", "the cat sat\r\non the mat\r\n", "cat, cat and cat\n"});
    EngineReplyLog replies;
    Started program(Program("KyReplaceG.exe"), "");
    ASSERT_NE(nullptr, AcceptTaskDialog(program.id()));
    const HWND frame = WaitForFrame(program.id());
    ASSERT_NE(nullptr, frame);
    WaitFor([frame] { return !TextOf(Descendant(frame, kMatched)).empty(); }, 10000);
    EXPECT_TRUE(Contains(TextOf(Descendant(frame, kFileName)), "a.txt"));
    EXPECT_EQ("a cat\n", TextOf(Descendant(frame, kBefore)));
    EXPECT_EQ(5u, AnswerQuestions(frame, replies, std::vector<int>(6, kReplace),
                                  "KyReplaceG_e2e_first_question"));
    EXPECT_EQ("a dog\n", kytest::ReadFile(files[0]));
    EXPECT_EQ("the dog sat\r\non the mat\r\n", kytest::ReadFile(files[1]));
    EXPECT_EQ("dog, dog and dog\n", kytest::ReadFile(files[2]));
    EXPECT_EQ("a cat\n", kytest::ReadFile(files[0] + ".bak"));
    EXPECT_EQ("the cat sat\r\non the mat\r\n", kytest::ReadFile(files[1] + ".bak"));
    EXPECT_EQ("cat, cat and cat\n", kytest::ReadFile(files[2] + ".bak"));
    WaitFor([frame] { return Contains(LogOf(frame), " files."); }, 5000);
    const std::string log = LogOf(frame);
    EXPECT_TRUE(Contains(log, "a.txt: Made 1 replacement.")) << log;
    EXPECT_TRUE(Contains(log, "b.txt: Made 1 replacement.")) << log;
    EXPECT_TRUE(Contains(log, "c.txt: Made 3 replacements.")) << log;
    EXPECT_TRUE(Contains(log, "Made 5 replacements in 3 files.")) << log;
    Snapshot(frame, "KyReplaceG_e2e_done");
    Close(frame, program);
}

// Two rules over three files: in the first some matches replaced and one
// skipped, the second replaced all, the third skipped all (it stays as it
// was, with no backup).
TEST_F(KyReplaceGEndToEnd, AnswersPerMatchPerFileAndSkippedFile)
{
    StorePlan({{"cat", "dog"}, {"red", "blue"}});
    const std::vector<std::string> files =
        SelectFiles({"cat cat cat\n", "red cat\nred hat\n", "a red cat\n"});
    EngineReplyLog replies;
    Started program(Program("KyReplaceG.exe"), "");
    ASSERT_NE(nullptr, AcceptTaskDialog(program.id()));
    const HWND frame = WaitForFrame(program.id());
    ASSERT_NE(nullptr, frame);
    // a.txt: three questions; b.txt: all at the first; c.txt: none at the first.
    EXPECT_EQ(5u, AnswerQuestions(frame, replies,
                                  {kReplace, kSkip, kReplace, kReplaceInFile, kSkipInFile, kSkip}));
    EXPECT_EQ("dog cat dog\n", kytest::ReadFile(files[0]));
    EXPECT_EQ("blue dog\nblue hat\n", kytest::ReadFile(files[1]));
    EXPECT_EQ("a red cat\n", kytest::ReadFile(files[2]));
    EXPECT_TRUE(::GetFileAttributesA((files[0] + ".bak").c_str()) != INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA((files[2] + ".bak").c_str()));
    Close(frame, program);
}

// KyReplace started from a console without arguments starts KyReplaceG,
// whose dialog appears; the replacements run in that same KyReplace.
TEST_F(KyReplaceGEndToEnd, KyReplaceFromAConsoleStartsTheFrontEnd)
{
    StorePlan({{"cat", "dog"}});
    const std::vector<std::string> files = SelectFiles({"one cat\n", "two cats\n"});
    const int before = CountProcesses("KyReplace.exe");
    EngineReplyLog replies;
    Started console(Program("KyReplace.exe"), "");
    ASSERT_TRUE(console.ok());
    ASSERT_NE(nullptr, AcceptTaskDialog(0));
    const HWND frame = WaitForFrame(0);
    ASSERT_NE(nullptr, frame);
    WaitFor([frame] { return !TextOf(Descendant(frame, kMatched)).empty(); }, 10000);
    EXPECT_EQ(before + 1, CountProcesses("KyReplace.exe")) << "no second KyReplace";
    EXPECT_EQ(2u, AnswerQuestions(frame, replies, {kReplace, kReplace, kReplace}));
    EXPECT_EQ(0, console.WaitForExit());
    EXPECT_EQ("one dog\n", kytest::ReadFile(files[0]));
    EXPECT_EQ("two dogs\n", kytest::ReadFile(files[1]));
    DWORD frontEnd = 0;
    ::GetWindowThreadProcessId(frame, &frontEnd);
    ::PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([frame] { return !::IsWindow(frame); }));
}

// The frame comes back where it was left, with the tab size typed into the
// tab-size box the last time.
TEST_F(KyReplaceGEndToEnd, PlacementAndTabSizeKeptBetweenRuns)
{
    StorePlan({{"cat", "dog"}}, false);
    SelectFiles({"a cat\n"});
    const RECT moved = {70, 50, 910, 730};
    {
        Started program(Program("KyReplaceG.exe"), "");
        ASSERT_NE(nullptr, AcceptTaskDialog(program.id()));
        const HWND frame = WaitForFrame(program.id());
        ASSERT_NE(nullptr, frame);
        WaitFor([frame] { return !TaskRunning(frame); });
        ::SetWindowPos(frame, nullptr, moved.left, moved.top, moved.right - moved.left,
                       moved.bottom - moved.top, SWP_NOZORDER | SWP_NOACTIVATE);
        // The fifth item of the tab-size box's list picked.
        const HWND combo = Descendant(frame, kTabSize);
        ASSERT_NE(nullptr, combo);
        ::SendMessageA(combo, CB_SETCURSEL, 4, 0);
        ::SendMessageA(::GetParent(combo), WM_COMMAND, MAKEWPARAM(kTabSize, CBN_SELENDOK),
                       reinterpret_cast<LPARAM>(combo));
        EXPECT_EQ("5", TextOf(combo));
        Close(frame, program);
    }
    EXPECT_EQ(5u, Kyvant::GetRegistryDWORD(AppKey().get(), "TabSize", 0));
    SelectFiles({"a cat\n"});
    Started program(Program("KyReplaceG.exe"), "");
    ASSERT_NE(nullptr, AcceptTaskDialog(program.id()));
    const HWND frame = WaitForFrame(program.id());
    ASSERT_NE(nullptr, frame);
    RECT placed;
    ::GetWindowRect(frame, &placed);
    EXPECT_EQ(moved.left, placed.left);
    EXPECT_EQ(moved.top, placed.top);
    EXPECT_EQ(moved.right, placed.right);
    EXPECT_EQ(moved.bottom, placed.bottom);
    EXPECT_EQ("5", TextOf(Descendant(frame, kTabSize)));
    WaitFor([frame] { return !TaskRunning(frame); });
    Close(frame, program);
    ::RegDeleteValueA(AppKey().get(), "TabSize");
}

// Closing during a task asks "Stop this Replace Task?": Cancel keeps the
// window and the task, OK stops the task and closes the program; the
// file keeps what was answered before.
TEST_F(KyReplaceGEndToEnd, ClosingDuringATaskAsksFirst)
{
    StorePlan({{"cat", "dog"}});
    const std::vector<std::string> files = SelectFiles({"cat cat\n"});
    EngineReplyLog replies;
    Started program(Program("KyReplaceG.exe"), "");
    ASSERT_NE(nullptr, AcceptTaskDialog(program.id()));
    const HWND frame = WaitForFrame(program.id());
    ASSERT_NE(nullptr, frame);
    ASSERT_TRUE(WaitFor([frame] { return !TextOf(Descendant(frame, kMatched)).empty(); }));

    ::PostMessageA(frame, WM_CLOSE, 0, 0);
    HWND box = FindDialogWith(program.id(), "Stop this Replace Task?");
    ASSERT_NE(nullptr, box);
    Snapshot(box, "KyReplaceG_e2e_stop_question");
    ClickButton(Descendant(box, IDCANCEL));
    ASSERT_TRUE(WaitFor([box] { return !::IsWindow(box); }));
    EXPECT_TRUE(::IsWindowVisible(frame));
    EXPECT_TRUE(TaskRunning(frame));

    ::PostMessageA(frame, WM_CLOSE, 0, 0);
    box = FindDialogWith(program.id(), "Stop this Replace Task?");
    ASSERT_NE(nullptr, box);
    ClickButton(Descendant(box, IDOK));
    EXPECT_NE(-1, program.WaitForExit());
    EXPECT_EQ("cat cat\n", kytest::ReadFile(files[0]));
}

// A new task whose dialog is cancelled, with the window closed at once
// (while the start still serves messages): the program ends cleanly.
TEST_F(KyReplaceGEndToEnd, CancelledNewTaskThenClose)
{
    StorePlan({{"cat", "dog"}}, false);
    SelectFiles({"a cat\n"});
    Started program(Program("KyReplaceG.exe"), "");
    ASSERT_NE(nullptr, AcceptTaskDialog(program.id()));
    const HWND frame = WaitForFrame(program.id());
    ASSERT_NE(nullptr, frame);
    ASSERT_TRUE(WaitFor([frame] { return Contains(LogOf(frame), "Made 1 replacement"); }));
    ASSERT_TRUE(WaitFor([frame] { return !TaskRunning(frame); }));

    MenuCommand(frame, kNewCommand);
    const HWND dialog = FindTop(program.id(), kDialogTitle);
    ASSERT_NE(nullptr, dialog);
    ClickButton(Descendant(dialog, IDCANCEL));
    ::PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_GE(program.WaitForExit(), 0) << "the program ended by itself, without a fault";
}

// A shutdown asked while the Text Options dialog is up is refused with a
// message.
TEST_F(KyReplaceGEndToEnd, ShutdownRefusedWhileADialogIsUp)
{
    StorePlan({{"cat", "dog"}}, false);
    SelectFiles({"a cat\n"});
    Started program(Program("KyReplaceG.exe"), "");
    ASSERT_NE(nullptr, AcceptTaskDialog(program.id()));
    const HWND frame = WaitForFrame(program.id());
    ASSERT_NE(nullptr, frame);
    WaitFor([frame] { return !TaskRunning(frame); });
    MenuCommand(frame, kTextOptionsCommand);
    const HWND options = FindTop(program.id(), "Text Options");
    ASSERT_NE(nullptr, options);
    LRESULT answer = TRUE;
    std::thread shutdown(
        [frame, &answer] { answer = ::SendMessageA(frame, WM_QUERYENDSESSION, 0, 0); });
    const HWND box =
        FindDialogWith(program.id(), "Please close this application before shutting down.");
    EXPECT_NE(nullptr, box);
    if (box != nullptr) {
        Snapshot(box, "KyReplaceG_e2e_close_first");
        ClickButton(Descendant(box, IDOK));
    }
    shutdown.join();
    EXPECT_FALSE(answer);
    ClickButton(Descendant(options, IDCANCEL));
    ASSERT_TRUE(WaitFor([options] { return !::IsWindow(options); }));
    Close(frame, program);
}
