// Find tasks run against the console finder through the task link: the
// objects under the protocol prefix, the results against the finder's own
// console output, the binary-mode byte, a cancelled dialog, the start's
// failures, the finder's messages and a reader error.
#include "Task/TaskTestSupport.h"

#include "FinderLink/Task/TaskWords.h"
#include "KyConTool/App/ProtocolPrefix.h"
#include "KyFind/Gui/Task/TaskLink.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Win32/SharedMemory.h"
#include "common/WindowPng.h"

#include <cerrno>
#include <cstdlib>
#include <memory>

using namespace findgtest;
namespace FindTask = Kyvant::FindTask;
namespace FinderLink = Kyvant::FinderLink;

namespace {

std::string Prefixed(const char* literal)
{
    return std::string(Kyvant::GetProtocolPrefix().c_str()) + literal;
}

DWORD Word(const Kyvant::Win32::SharedMemory& block, unsigned offset)
{
    return *reinterpret_cast<const volatile DWORD*>(static_cast<const char*>(block.GetBegin()) +
                                                    offset);
}

bool PrefixVariableSet()
{
    char value[64];
    return std::getenv(kPrefixVariable) != nullptr ||
           GetEnvironmentVariableA(kPrefixVariable, value, sizeof value) != 0;
}

bool IsOpenHandle(DWORD word)
{
    DWORD flags = 0;
    return GetHandleInformation(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(word)), &flags) != 0;
}

// Hides a program of the build folder for the object's lifetime.
class HiddenProgram {
public:
    explicit HiddenProgram(const std::string& name)
        : m_path(kytest::ProgramFolder() + name), m_hidden(m_path + ".hidden")
    {
        m_moved = MoveFileA(m_path.c_str(), m_hidden.c_str()) != 0;
    }
    ~HiddenProgram()
    {
        if (m_moved)
            MoveFileA(m_hidden.c_str(), m_path.c_str());
    }
    bool Moved() const { return m_moved; }

private:
    std::string m_path;
    std::string m_hidden;
    bool m_moved;
};

using FindTaskTest = TaskTest;

} // namespace

TEST_F(FindTaskTest, TaskGivesTheLinesOfTheConsoleFinderAndRunsAgainUnderTheSameNames)
{
    const std::vector<std::string> args =
        Args({"-inGC", "--kyvant_ide_output", "-ealpha"}, {"a.txt", "sub\\b(1).c", "none.txt"});
    unsigned groups = 0;
    const std::vector<std::string> expected = ConsoleLines(args, &groups);
    ASSERT_GE(expected.size(), 6u);

    std::unique_ptr<Kyvant::Win32::SharedMemory> block;
    frame->m_onAsk = [&] {
        EXPECT_FALSE(PrefixVariableSet()) << "the finder alone inherits the prefix";
        block.reset(new Kyvant::Win32::SharedMemory(Prefixed(FindTask::kBlockName).c_str()));
        EXPECT_EQ(reinterpret_cast<UINT_PTR>(frame->m_hWnd),
                  Word(*block, FinderLink::kFrameWindow));
        EXPECT_NE(0u, Word(*block, FinderLink::kFrontEndProcess));
        EXPECT_TRUE(IsOpenHandle(Word(*block, FinderLink::kResultsPipe)));
        EXPECT_TRUE(IsOpenHandle(Word(*block, FinderLink::kMessagePipe)));
        for (const char* name :
             {FindTask::kDialogEndedName, FindTask::kGoName, FindTask::kGoAwayName}) {
            HANDLE event = OpenEventA(SYNCHRONIZE, FALSE, Prefixed(name).c_str());
            EXPECT_NE(nullptr, event) << name;
            EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(event, 0)) << name;
            CloseHandle(event);
        }
    };

    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        ASSERT_TRUE(RunTask(Accept(args)));
        EXPECT_EQ(std::vector<int>(run, FinderLink::kAllRead), frame->m_taskEnds);
        EXPECT_EQ(expected, ModelLines());
        EXPECT_EQ(groups, finder.GetModel().GetMatchTotal());
        EXPECT_EQ(1u, Word(*block, FinderLink::kDialogResult));
        EXPECT_EQ(1u, Word(*block, FinderLink::kReadersStarted));
        EXPECT_EQ(static_cast<std::size_t>(run), frame->m_announced.size());
        EXPECT_TRUE(frame->m_texts.empty());
        EXPECT_TRUE(theApp.m_boxes.empty());
        EXPECT_TRUE(theApp.GetConProcess().empty()) << "the finder's record is closed";
        EXPECT_FALSE(PrefixVariableSet());
        block.reset(); // the next task makes the block anew under the same name
    }
    EXPECT_EQ((std::vector<std::string>{"a.txt (2)", "b(1).c (2)"}), frame->ShownRows());
    EXPECT_TRUE(kytest::SaveWindowPng(frame->m_hWnd, "KyFindG-task-results"));
}

// CR LF lines as the finder keeps them in binary mode: the readers drop the
// CR unless the task dialog asked for binary mode.
TEST_F(FindTaskTest, BinaryModeByteKeepsTheCarriageReturn)
{
    const std::vector<std::string> args =
        Args({"-naUG", "--kyvant_ide_output", "-ealpha"}, {"crlf.txt"});
    const std::string line = s_root + "crlf.txt(1):x(0):alpha in CR LF";
    ASSERT_TRUE(RunTask(Accept(args, false)));
    EXPECT_EQ(std::vector<std::string>{line}, ModelLines());
    ASSERT_TRUE(RunTask(Accept(args, true)));
    EXPECT_EQ(std::vector<std::string>{line + "\xB7"}, ModelLines());
}

TEST_F(FindTaskTest, CancelledDialogStartsNoReaderAndIsNoError)
{
    std::unique_ptr<Kyvant::Win32::SharedMemory> block;
    HANDLE go = nullptr;
    frame->m_onAsk = [&] {
        block.reset(new Kyvant::Win32::SharedMemory(Prefixed(FindTask::kBlockName).c_str()));
        go = OpenEventA(SYNCHRONIZE, FALSE, Prefixed(FindTask::kGoName).c_str());
    };
    bool pipesClosed = false;
    frame->m_afterHandBack = [&] {
        pipesClosed = !IsOpenHandle(Word(*block, FinderLink::kResultsPipe)) &&
                      !IsOpenHandle(Word(*block, FinderLink::kMessagePipe));
    };
    EXPECT_FALSE(RunTask(Cancel()));
    EXPECT_EQ(0u, Word(*block, FinderLink::kDialogResult));
    EXPECT_TRUE(pipesClosed) << "the front-end closes both pipe handles";
    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(go, 0)) << "Go is set";
    EXPECT_EQ(0u, Word(*block, FinderLink::kReadersStarted));
    CloseHandle(go);
    PumpUntil([] { return false; }, 200);
    EXPECT_TRUE(frame->m_taskEnds.empty()) << "no reader ran";
    EXPECT_TRUE(theApp.m_boxes.empty());
    EXPECT_EQ(nullptr, finder.GetCurrentJob());
    EXPECT_FALSE(theApp.GetDialogAccepted());
}

TEST_F(FindTaskTest, StartFailuresAreShownAndLeaveNothingBehind)
{
    const std::vector<std::string> args = Args({"-nG", "--kyvant_ide_output", "-ebeta"}, {"a.txt"});
    const std::vector<std::string> expected = ConsoleLines(args);

    SetVariable(kSwitchesVariable, "exit-before-ask");
    EXPECT_FALSE(RunTask(Accept(args)));
    EXPECT_EQ(std::vector<std::string>{FindTask::kToolEndedError}, theApp.m_boxes);
    EXPECT_FALSE(PrefixVariableSet());
    EXPECT_EQ(nullptr, finder.GetCurrentJob());
    SetVariable(kSwitchesVariable, "");
    frame->m_taskEnds.clear();
    ASSERT_TRUE(RunTask(Accept(args)));
    EXPECT_EQ(expected, ModelLines());

    theApp.m_boxes.clear();
    {
        HiddenProgram hidden("KyFind.exe");
        ASSERT_TRUE(hidden.Moved());
        EXPECT_FALSE(RunTask(Accept(args)));
    }
    EXPECT_EQ(std::vector<std::string>{FindTask::kToolMissingError}, theApp.m_boxes);
    EXPECT_FALSE(PrefixVariableSet());
    EXPECT_TRUE(theApp.GetConProcess().empty());
    ASSERT_TRUE(RunTask(Accept(args)));
    EXPECT_EQ(expected, ModelLines());

    // An object of a task's name that exists already fails the start.
    theApp.m_boxes.clear();
    HANDLE squatter = CreateEventA(nullptr, TRUE, FALSE, Prefixed(FindTask::kGoName).c_str());
    EXPECT_FALSE(RunTask(Accept(args)));
    CloseHandle(squatter);
    EXPECT_EQ(std::vector<std::string>{Kyvant::os_error(ERROR_ALREADY_EXISTS).what()},
              theApp.m_boxes);
    EXPECT_FALSE(PrefixVariableSet());
    ASSERT_TRUE(RunTask(Accept(args)));
    EXPECT_EQ(expected, ModelLines());
}

TEST_F(FindTaskTest, MessageLinesArriveAsTextsInOrder)
{
    SetVariable(kSwitchesVariable, "messages=3");
    const std::string missing = s_root + "missing.txt";
    ASSERT_TRUE(
        RunTask(Accept(Args({"-nG", "--kyvant_ide_output", "-ealpha"}, {"a.txt", "missing.txt"}))));
    ASSERT_EQ(4u, frame->m_texts.size());
    EXPECT_EQ("KyFind: test message 1", frame->m_texts[0]);
    EXPECT_EQ("KyFind: test message 2", frame->m_texts[1]);
    EXPECT_EQ("KyFind: test message 3", frame->m_texts[2]);
    EXPECT_NE(std::string::npos, frame->m_texts[3].find(missing)) << frame->m_texts[3];
    EXPECT_EQ(std::vector<int>{FinderLink::kAllRead}, frame->m_taskEnds);
    EXPECT_EQ(2u, finder.GetModel().GetMatchTotal());
}

TEST_F(FindTaskTest, NonNumericFieldEndsTheResultsReaderWithItsError)
{
    SetVariable(kSwitchesVariable, "bad-number");
    ASSERT_TRUE(RunTask(Accept(Args({"-nG", "--kyvant_ide_output", "-ealpha"}, {"a.txt"}))));
    EXPECT_EQ(std::vector<int>{FinderLink::kReadFailed}, frame->m_taskEnds);
    EXPECT_EQ(std::vector<std::string>{Kyvant::rtl_error(EINVAL).what()}, frame->m_texts);
    EXPECT_EQ(0u, finder.GetModel().GetFileCount());
}

// An end message that comes while another task starts ends nothing.
TEST_F(FindTaskTest, StaleEndMessageDoesNotEndTheNextTask)
{
    const std::vector<std::string> args =
        Args({"-nG", "--kyvant_ide_output", "-ealpha"}, {"a.txt"});
    frame->m_onAsk = [&] {
        frame->PostMessage(FindTask::kTaskEndMessage, FinderLink::kAllRead, 0);
    };
    ASSERT_TRUE(RunTask(Accept(args)));
    EXPECT_EQ(2u, frame->m_taskEnds.size());
    EXPECT_EQ(ConsoleLines(args), ModelLines());
}
