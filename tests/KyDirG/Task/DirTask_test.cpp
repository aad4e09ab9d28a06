// Dir tasks run against the console Dir program through the task link: the
// objects under the Dir names and the tool's question, every folder and file
// of a tree with its details, ranks of an Indexing Service query, a list
// file that takes the listing, a cancelled dialog, the start's failures,
// the tool's messages, records that cross reads and an unknown record.
#include "Task/DirTaskTestSupport.h"

#include "FinderLink/Task/TaskWords.h"
#include "KyConTool/App/ProtocolPrefix.h"
#include "KyConTool/IndexingServiceTestSupport.h"
#include "KyDir/Gui/Task/TaskLink.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Win32/SharedMemory.h"
#include "common/WindowPng.h"

#include <cstdlib>
#include <memory>

using namespace dirgtest;
namespace DirTask = Kyvant::DirTask;
namespace FinderLink = Kyvant::FinderLink;

namespace {

using Items = std::vector<std::string>;

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

using DirTaskTest = TaskTest;

} // namespace

TEST_F(DirTaskTest, TaskListsEveryFolderAndFileWithItsDetailsAndRunsAgain)
{
    const std::string sub = s_root + "sub\\";
    const Items expected = {s_root + "|a.txt|3|20|0|stamped", s_root + "|b.log|5|21|0|stamped",
                            s_root + "|sub|0|10|0|stamped",   sub + "|c.txt|2|20|0|stamped",
                            sub + "|deep|0|10|0|stamped",     sub + "deep\\|d.txt|1|20|0|stamped"};

    std::unique_ptr<Kyvant::Win32::SharedMemory> block;
    frame->m_onAsk = [&] {
        EXPECT_FALSE(PrefixVariableSet()) << "the tool alone inherits the prefix";
        block.reset(new Kyvant::Win32::SharedMemory(Prefixed(DirTask::kBlockName).c_str()));
        EXPECT_EQ(reinterpret_cast<UINT_PTR>(frame->m_hWnd),
                  Word(*block, FinderLink::kFrameWindow));
        EXPECT_NE(0u, Word(*block, FinderLink::kFrontEndProcess));
        EXPECT_TRUE(IsOpenHandle(Word(*block, FinderLink::kResultsPipe)));
        EXPECT_TRUE(IsOpenHandle(Word(*block, FinderLink::kMessagePipe)));
        for (const char* name :
             {DirTask::kDialogEndedName, DirTask::kGoName, DirTask::kGoAwayName}) {
            HANDLE event = OpenEventA(SYNCHRONIZE, FALSE, Prefixed(name).c_str());
            EXPECT_NE(nullptr, event) << name;
            EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(event, 0)) << name;
            CloseHandle(event);
        }
    };

    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        ASSERT_TRUE(RunTask(Accept(Args({"-F", "-f", WholeTree()}))));
        EXPECT_EQ(std::vector<int>(run, FinderLink::kAllRead), frame->m_taskEnds);
        EXPECT_EQ(expected, ListedItems());
        EXPECT_EQ(run, frame->m_asks);
        EXPECT_TRUE(frame->m_ignored.empty()) << "the Dir program announces no process";
        EXPECT_EQ(1u, Word(*block, FinderLink::kDialogResult));
        EXPECT_EQ(1u, Word(*block, FinderLink::kReadersStarted));
        EXPECT_TRUE(frame->m_texts.empty());
        EXPECT_TRUE(theApp.m_boxes.empty());
        EXPECT_TRUE(theApp.GetConProcess().empty()) << "the tool's record is closed";
        EXPECT_FALSE(PrefixVariableSet());
        block.reset(); // the next task makes the block anew under the same name
    }
    EXPECT_EQ((Items{"a.txt 3 20 0", "b.log 5 21 0", "sub 0 10 0", "c.txt 2 20 0", "deep 0 10 0",
                     "d.txt 1 20 0"}),
              frame->ShownRows());
    EXPECT_TRUE(kytest::SaveWindowPng(frame->m_hWnd, "KyDirG-task-listing"));

    // Without "-F" the folders are no items.
    ASSERT_TRUE(RunTask(Accept(Args({WholeTree("*.txt")}))));
    EXPECT_EQ((Items{s_root + "|a.txt|3|20|0|stamped", sub + "|c.txt|2|20|0|stamped",
                     sub + "deep\\|d.txt|1|20|0|stamped"}),
              ListedItems());
}

TEST_F(DirTaskTest, IndexingServiceQueryGivesRanks)
{
    ASSERT_TRUE(istest::InstallStandIns());
    istest::QueryScript script;
    script.Write("catalog|.|Docs|0x0|" + s_root + "\n" + "row|*|Docs|" + s_root +
                 "a.txt|3|0x20|130000000000000000|812\n" + "row|*|Docs|" + s_root +
                 "sub\\c.txt|2|0x20|130000000000000000|64\n");
    ASSERT_TRUE(
        RunTask(Accept(Args({"-f", "@i+", "@iqreport", "@isRank[d]", WholeTree("*.txt")}))));
    EXPECT_EQ(std::vector<int>{FinderLink::kAllRead}, frame->m_taskEnds);
    EXPECT_EQ((Items{"a.txt 3 20 812", "c.txt 2 20 64"}), frame->ShownRows());
    EXPECT_TRUE(kytest::SaveWindowPng(frame->m_hWnd, "KyDirG-task-ranks"));
    EXPECT_TRUE(frame->m_texts.empty());
}

// A named list file takes the listing; the window stays empty.
TEST_F(DirTaskTest, ListFileTakesTheListing)
{
    const std::string list = s_root + "listing.out";
    SetVariable(kSwitchesVariable, "messages=2");
    ASSERT_TRUE(RunTask(Accept(Args({"-f", "-o" + list, WholeTree("*.txt")}))));
    EXPECT_EQ(std::vector<int>{FinderLink::kAllRead}, frame->m_taskEnds);
    EXPECT_EQ(0u, finder.GetModel().GetItemCount());
    EXPECT_EQ(s_root + "a.txt\r\n" + s_root + "sub\\c.txt\r\n" + s_root + "sub\\deep\\d.txt\r\n",
              kytest::ReadFile(list));
    EXPECT_EQ((Items{"KyDir: test message 1", "KyDir: test message 2"}), frame->m_texts);
    DeleteFileA(list.c_str());
}

TEST_F(DirTaskTest, CancelledDialogStartsNoReaderAndIsNoError)
{
    std::unique_ptr<Kyvant::Win32::SharedMemory> block;
    HANDLE go = nullptr;
    frame->m_onAsk = [&] {
        block.reset(new Kyvant::Win32::SharedMemory(Prefixed(DirTask::kBlockName).c_str()));
        go = OpenEventA(SYNCHRONIZE, FALSE, Prefixed(DirTask::kGoName).c_str());
    };
    bool pipesClosed = false;
    frame->m_afterHandBack = [&] {
        pipesClosed = !IsOpenHandle(Word(*block, FinderLink::kResultsPipe)) &&
                      !IsOpenHandle(Word(*block, FinderLink::kMessagePipe));
    };
    TaskFrame::Answer cancel;
    cancel.accept = false;
    EXPECT_FALSE(RunTask(cancel));
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

TEST_F(DirTaskTest, StartFailuresAreShownAndLeaveNothingBehind)
{
    const std::vector<std::string> args = Args({WholeTree("a.txt")});
    const Items listed = {s_root + "|a.txt|3|20|0|stamped"};

    SetVariable(kSwitchesVariable, "exit-before-ask");
    EXPECT_FALSE(RunTask(Accept(args)));
    EXPECT_EQ(Items{"Unable to initialize KyDir - Code 4"}, theApp.m_boxes);
    EXPECT_FALSE(PrefixVariableSet());
    EXPECT_EQ(nullptr, finder.GetCurrentJob());
    SetVariable(kSwitchesVariable, "");
    ASSERT_TRUE(RunTask(Accept(args)));
    EXPECT_EQ(listed, ListedItems());

    theApp.m_boxes.clear();
    {
        HiddenProgram hidden("KyDir.exe");
        ASSERT_TRUE(hidden.Moved());
        EXPECT_FALSE(RunTask(Accept(args)));
    }
    EXPECT_EQ(Items{"Unable to initialize KyDir - Code 5"}, theApp.m_boxes);
    EXPECT_FALSE(PrefixVariableSet());
    EXPECT_TRUE(theApp.GetConProcess().empty());
    EXPECT_EQ(0u, finder.GetModel().GetItemCount()) << "the start discarded the last listing";
    ASSERT_TRUE(RunTask(Accept(args)));
    EXPECT_EQ(listed, ListedItems());
}

// The stand-in sends a details record in two writes and a 20,000-character
// name in pieces of 1,000 before the walk's own records.
TEST_F(DirTaskTest, RecordsThatCrossReadsArriveWhole)
{
    SetVariable(kSwitchesVariable, "split-name");
    ASSERT_TRUE(RunTask(Accept(Args({WholeTree("a.txt")}))));
    EXPECT_EQ(std::vector<int>{FinderLink::kAllRead}, frame->m_taskEnds);
    EXPECT_EQ((Items{"C:\\KySplit\\|" + std::string(20000, 'n') + ".txt|20000|20|0|?",
                     s_root + "|a.txt|3|20|0|stamped"}),
              ListedItems());
    EXPECT_TRUE(frame->m_texts.empty());
}

TEST_F(DirTaskTest, UnknownRecordEndsTheListingWithItsError)
{
    SetVariable(kSwitchesVariable, "bad-record");
    ASSERT_TRUE(RunTask(Accept(Args({WholeTree()}))));
    EXPECT_EQ(std::vector<int>{FinderLink::kReadFailed}, frame->m_taskEnds);
    EXPECT_EQ(Items{"Encountered unexpected record id in pipe"}, frame->m_texts);
    EXPECT_EQ(Items{"C:\\KyBad\\|before.txt|1|20|0|?"}, ListedItems())
        << "the items before it stay";
}
