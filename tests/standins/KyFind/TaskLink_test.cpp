// The tool's side of the task link, run on a thread of this process while a
// plain window plays the front-end: what each protocol posts, the pipes it
// hands over, the answers it waits for; the test switches' words; and
// standard output closed once at the task's end.
#include "KyStandInTool/TaskLink.h"

#include "KyConTool/App/ProtocolPrefix.h"
#include "KyStandInTool/ByteSink.h"
#include "KyStandInTool/StandardStreams.h"
#include "KyStd/Core/HandleTags.h"
#include "KyStd/Win32/SharedMemory.h"
#include "KyStd/Win32/SyncObjects.h"
#include "common/TempFolder.h"
#include "common/WholeFile.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace Kyvant;
using namespace Kyvant::StandIn;

namespace {

const UINT kAnswerMessage = WM_APP + 0x40; // from the test to its own window

struct Posted {
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Posted> g_posted;

LRESULT CALLBACK FrontEndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP) {
        g_posted.push_back({wParam, lParam});
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The front-end's objects for one protocol, made as the front-end makes them.
class FrontEndSide {
public:
    explicit FrontEndSide(const TaskProtocol& protocol)
        : m_block(KyCreate, 1024, Name(protocol, "ShMem").c_str()),
          m_dialogEnded(true, Name(protocol, "Dlg_Term_Event").c_str(), false),
          m_go(true, Name(protocol, "Go_Event").c_str(), false),
          m_goAway(true, Name(protocol, "GoAway_Event").c_str(), false)
    {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = &FrontEndProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "KyTaskLinkFrontEnd";
        RegisterClassA(&windowClass);
        m_window = CreateWindowA("KyTaskLinkFrontEnd", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &m_self, 0,
                        FALSE, DUPLICATE_SAME_ACCESS);
        Word(kTaskFrameWindow) = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(m_window));
        Word(kTaskFrontEndProcess) = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(m_self));
        g_posted.clear();
    }
    ~FrontEndSide()
    {
        DestroyWindow(m_window);
        CloseHandle(m_self);
    }

    static std::string Name(const TaskProtocol& protocol, const char* role)
    {
        return std::string(GetProtocolPrefix().c_str()) + TaskObjectName(protocol, role);
    }
    volatile DWORD& Word(TaskBlockWord word)
    {
        return *reinterpret_cast<volatile DWORD*>(static_cast<char*>(m_block.GetBegin()) + word);
    }
    // Serves this thread's messages until the tool has posted count of them.
    void WaitForPosts(std::size_t count)
    {
        const DWORD start = GetTickCount();
        while (g_posted.size() < count && GetTickCount() - start < 10000) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
            Sleep(5);
        }
    }
    void Answer(bool accept)
    {
        Word(kTaskDialogResult) = accept ? 1 : 0;
        m_dialogEnded.Set();
    }
    void Go(bool readersRun)
    {
        Word(kTaskReadersStarted) = readersRun ? 1 : 0;
        m_go.Set();
    }

private:
    Win32::SharedMemory m_block;
    Win32::Event m_dialogEnded;
    Win32::Event m_go;
    Win32::Event m_goAway;
    HWND m_window = nullptr;
    HANDLE m_self = nullptr;
};

bool IsOpen(DWORD word)
{
    DWORD flags = 0;
    return GetHandleInformation(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(word)), &flags) != 0;
}

} // namespace

TEST(TaskLink, EachProtocolAsksForTheDialogWithItsMessages)
{
    struct Case {
        const TaskProtocol& protocol;
        std::size_t posts;
        WPARAM ask;
    } const cases[] = {
        {kFindTaskProtocol, 2, 1}, // the process handle first, then the question
        {kDirTaskProtocol, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.protocol.tool);
        FrontEndSide frontEnd(c.protocol);
        TaskLink link(c.protocol, TaskLinkSwitches());
        bool accepted = false;
        std::thread tool([&] { accepted = link.AskForTask() && link.WaitForGo(); });
        frontEnd.WaitForPosts(c.posts);
        ASSERT_EQ(c.posts, g_posted.size());
        EXPECT_EQ(c.ask, g_posted.back().wParam);
        if (c.posts == 2) {
            EXPECT_EQ(0u, g_posted[0].wParam);
            EXPECT_NE(WAIT_FAILED,
                      WaitForSingleObject(reinterpret_cast<HANDLE>(g_posted[0].lParam), 0));
            CloseHandle(reinterpret_cast<HANDLE>(g_posted[0].lParam));
        }
        EXPECT_TRUE(IsOpen(frontEnd.Word(kTaskResultsPipe)));
        EXPECT_TRUE(IsOpen(frontEnd.Word(kTaskMessagePipe)));
        frontEnd.Answer(true);
        frontEnd.Go(true);
        tool.join();
        EXPECT_TRUE(accepted);
        CloseHandle(
            reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(frontEnd.Word(kTaskResultsPipe))));
        CloseHandle(
            reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(frontEnd.Word(kTaskMessagePipe))));
    }
}

TEST(TaskLink, CancelledDialogOrNoReadersEndTheTask)
{
    for (bool accept : {false, true}) {
        FrontEndSide frontEnd(kFindTaskProtocol);
        TaskLinkSwitches switches;
        switches.noProcessMessage = true;
        TaskLink link(kFindTaskProtocol, switches);
        bool asked = true, went = true;
        std::thread tool([&] {
            asked = link.AskForTask();
            went = asked && link.WaitForGo();
        });
        frontEnd.WaitForPosts(1);
        EXPECT_EQ(1u, g_posted.size()) << "no process announced";
        frontEnd.Answer(accept);
        frontEnd.Go(false);
        tool.join();
        EXPECT_EQ(accept, asked);
        EXPECT_FALSE(went);
    }
}

TEST(TaskLink, SwitchWords)
{
    const TaskLinkSwitches s = TaskLinkSwitches::Parse(
        "ignore-goaway,messages=3,slow=40,slow-ms=5,bad-number,,split-name,replay=Z:\\r.txt");
    EXPECT_TRUE(s.ignoreGoAway);
    EXPECT_EQ(3u, s.messages);
    EXPECT_EQ(40u, s.slowLines);
    EXPECT_EQ(5u, s.slowMs);
    EXPECT_TRUE(s.badNumber);
    EXPECT_TRUE(s.splitName);
    EXPECT_FALSE(s.badRecord);
    EXPECT_EQ("Z:\\r.txt", s.replay);
    EXPECT_FALSE(s.exitBeforeAsk);
    EXPECT_EQ(0u, s.lingerMs);
    EXPECT_FALSE(s.keepStderr);
    EXPECT_EQ("", s.holdEvent);
    EXPECT_FALSE(s.Lingers());
    const TaskLinkSwitches lingering = TaskLinkSwitches::Parse("linger=60000,keep-stderr");
    EXPECT_EQ(60000u, lingering.lingerMs);
    EXPECT_TRUE(lingering.keepStderr);
    EXPECT_TRUE(lingering.Lingers());
    const TaskLinkSwitches held = TaskLinkSwitches::Parse("slow=4,hold=KyHold,linger-until=KyGo");
    EXPECT_EQ("KyHold", held.holdEvent);
    EXPECT_EQ("KyGo", held.lingerEvent);
    EXPECT_EQ(0u, held.lingerMs);
    EXPECT_TRUE(held.Lingers());
    for (const char* bad : {"slowly", "messages=", "messages=3x", "slow=-1x", "replay=", "linger",
                            "linger=5s", "hold", "hold=", "linger-until="})
        EXPECT_THROW(TaskLinkSwitches::Parse(bad), std::runtime_error) << bad;
}

// Standard output connected to the results, as to the task's pipe: the
// results' sink ends it, a file opened next gets the free descriptor 1, and
// the lingering end of the task leaves that file open: standard output is
// closed once.
TEST(TaskLink, LingeringAfterTheSinkEndedStandardOutputLeavesItsDescriptorAlone)
{
    const std::string folder = kytest::NewFolder(kytest::ScratchBase(), "kytasklink_");
    const std::string results = folder + "results.bin";
    const std::string later = folder + "later.txt";
    std::fflush(stdout);
    const int saved = _dup(1);
    ASSERT_NE(-1, saved);
    const HANDLE resultsFile = CreateFileA(results.c_str(), GENERIC_WRITE, 0, nullptr,
                                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, resultsFile);
    int reused = -1;
    bool stillOpen = false;
    {
        ConnectStandardStream(StandardStream::Output, resultsFile, _O_BINARY);
        StdoutSink sink;
        sink.Write(std::string("records"));
        sink.Close();
        reused =
            _open(later.c_str(), _O_CREAT | _O_TRUNC | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
        TaskLinkSwitches switches;
        switches.lingerMs = 1;
        switches.keepStderr = true;
        TaskLink(kDirTaskProtocol, switches).Linger();
        stillOpen = _write(reused, "x", 1) == 1;
        _close(reused);
    }
    _dup2(saved, 1);
    _close(saved);
    _setmode(1, _O_TEXT);

    EXPECT_EQ(1, reused) << "the lowest free descriptor";
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ("records", kytest::ReadFile(results));
    kytest::RemoveTree(folder);
}
