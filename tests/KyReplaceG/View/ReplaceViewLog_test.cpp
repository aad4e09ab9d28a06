// The Replace view's log pane, errors and starts: KyReplace's log lines of each kind read as
// posted (a pipe of the test's own put in place of the job's for the lines it sends), the user's
// place in the log kept, a log past 64K characters, Save Log, reader errors with a new start
// after them, packets without a task, and a refused task dialog.
#include "View/ViewHost.h"

#include "PipeSupport.h"
#include "ReplaceGTestApp.h"
#include "Task/JobSupport.h"
#include "common/WindowPng.h"

#include "KyReplace/Gui/Packets/PacketCodes.h"
#include "KyReplace/Gui/Task/ReplaceJob.h"
#include "KyReplace/Gui/Task/ReplaceMessages.h"
#include "KyReplace/Gui/View/ReplaceViewResource.h"

#include <gtest/gtest.h>

#include <io.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace Kyvant;
using namespace replgtest;

namespace {

const COLORREF kBlue = RGB(0, 0, 0xFF);
const long kRichEditDefaultLimit = 0x10000;

void ForgetTextOptions()
{
    HKEY key = TestApp().GetRegKey().get();
    for (const char* value :
         {"TabSize", "WordWrap", "MatchColor", "ReplColor", "SkipColor", "UseColors"})
        RegDeleteValueA(key, value);
    for (const char* font : {"MainFont", "LogWindowFont"})
        RegDeleteKeyA(key, font);
}

class ReplaceViewLogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "no X display for the view's window";
        TestApp().boxes.clear();
        TestApp().boxTypes.clear();
        TestApp().answerBox = nullptr;
        ForgetTextOptions();
        host.reset(new ReplaceViewHost);
    }

    void TearDown() override { host.reset(); }

    void Engine(const std::string& more = "")
    {
        std::string options = "\"--test-reply-log=" + dir["replies.log"] + "\"";
        if (!more.empty())
            options += " " + more;
        engine.reset();
        engine.reset(new reptest::SharedSetting("PerlOptions", options));
    }

    // A task waiting at its first question, KyReplace idle meanwhile.
    void StartAtQuestion()
    {
        kytest::WriteFile(dir["a.txt"], Fixture("three-cats.txt"));
        Engine();
        host->AcceptNext({"-pcat", "-qdog", "@!", dir["a.txt"]});
        host->InitialUpdate();
        ASSERT_TRUE(host->WaitForQuestion());
    }

    std::string Log() { return host->Text(IDC_KY_REPLACE_LOG); }
    CRichEditCtrl& LogPane() { return host->Pane(IDC_KY_REPLACE_LOG); }

    reptest::Scratch dir;
    std::unique_ptr<reptest::SharedSetting> engine;
    std::unique_ptr<ReplaceViewHost> host;
};

// Puts a pipe of the test's own in place of the job's log pipe while it
// lives; lines are written to it and announced to the view as KyReplace
// announces them (the text's length and its '\n').
class InjectedLog {
public:
    explicit InjectedLog(ReplaceJob& job) : fd_(job.LogDescriptor()), saved_(_dup(fd_))
    {
        _dup2(pipe_.ReadEnd(), fd_);
    }
    ~InjectedLog()
    {
        _dup2(saved_, fd_);
        _close(saved_);
    }
    InjectedLog(const InjectedLog&) = delete;
    InjectedLog& operator=(const InjectedLog&) = delete;

    // Posts the announcement, then writes the line as KyReplace does.
    void Send(HWND view, WPARAM kind, const std::string& text)
    {
        const std::string line = text + "\n";
        ::PostMessageA(view, kReplaceRequestMessage, kind, static_cast<LPARAM>(line.size()));
        CRT::WritePipe(std::nothrow, pipe_.WriteEnd(), line.data(),
                       static_cast<unsigned>(line.size()));
    }

private:
    TestPipe pipe_;
    int fd_;
    int saved_;
};

bool Served(HWND view)
{
    return PumpUntil(
        [view] {
            MSG msg;
            return !::PeekMessageA(&msg, view, kReplaceRequestMessage, kReplaceRequestMessage,
                                   PM_NOREMOVE);
        },
        kJobTimeoutMs);
}

} // namespace

// Lines of each kind are appended; a fatal one also shows in a box. The
// user's selection stays while lines come in; with the caret at the end the
// log follows them. Past 64K characters the log keeps growing, and Save Log
// writes it as the pane holds it.
TEST_F(ReplaceViewLogTest, LogLinesOfEachKind)
{
    StartAtQuestion();
    std::string expected;
    {
        InjectedLog log(*host->view().CurrentJob());
        const HWND view = host->view().m_hWnd;
        log.Send(view, kRequestLogResult, "a.txt: Made 1 replacement.");
        log.Send(view, kRequestLogWarning, "KyPerl: careful now");
        log.Send(view, kRequestLogFatal, "Out of disk space");
        ASSERT_TRUE(Served(view));
        expected = "a.txt: Made 1 replacement.\nKyPerl: careful now\nOut of disk space\n";
        EXPECT_EQ(expected, Log());
        EXPECT_EQ(std::vector<std::string>{"Out of disk space"}, TestApp().boxes);
        EXPECT_EQ(static_cast<UINT>(MB_OK), TestApp().boxTypes.back() & MB_TYPEMASK);

        // The user selects the first word: it stays selected in view.
        LogPane().SetSel(0, 5);
        const int kLines = 200;
        const std::string filler(400, 'x');
        for (int i = 0; i < kLines; ++i) {
            const std::string line = std::to_string(i) + " " + filler;
            log.Send(view, kRequestLogResult, line);
            expected += line + "\n";
            if (i % 50 == 49) {
                ASSERT_TRUE(Served(view));
            }
        }
        ASSERT_TRUE(Served(view));
        CHARRANGE selection;
        LogPane().GetSel(selection);
        EXPECT_EQ(0, selection.cpMin);
        EXPECT_EQ(5, selection.cpMax);
        EXPECT_EQ(0, LogPane().GetFirstVisibleLine());
        EXPECT_GT(LogPane().GetTextLength(), kRichEditDefaultLimit);
        EXPECT_EQ(expected, Log());

        // With the caret on the last line the log follows.
        const long end = LogPane().GetTextLength();
        LogPane().SetSel(end, end);
        log.Send(view, kRequestLogWarning, "the last line");
        expected += "the last line\n";
        ASSERT_TRUE(Served(view));
        EXPECT_GT(LogPane().GetFirstVisibleLine(), kLines / 2) << "scrolled to the end";
        LogPane().GetSel(selection);
        EXPECT_EQ(static_cast<long>(expected.size()), selection.cpMin);
    }
    kytest::SaveWindowPng(host->frame().m_hWnd, "KyReplaceG_view_log");

    ASSERT_TRUE(host->view().SaveLog(dir["saved.log"].c_str()));
    std::string crlf;
    for (char c : expected)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(crlf, kytest::ReadFile(dir["saved.log"])) << "the pane's lines, as a text file";
    EXPECT_EQ(1u, TestApp().boxes.size());

    // A folder that is not there: an error, and nothing written.
    EXPECT_FALSE(host->view().SaveLog(dir["no folder\\saved.log"].c_str()));
    EXPECT_EQ("Error writing log file", TestApp().boxes.back());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(dir["no folder"].c_str()));

    host->Click(IDC_KY_REPLACE_ANSWER_CANCEL);
    ASSERT_TRUE(host->WaitForEnd());
}

// A log line or an engine handle announced with no task is dropped (the
// handle closed), and a packet with no task is a bad state.
TEST_F(ReplaceViewLogTest, RequestsAndPacketsWithoutATask)
{
    host->CancelNext();
    host->InitialUpdate();
    ASSERT_TRUE(host->WaitForEnd());
    ASSERT_FALSE(host->view().TaskRunning());
    EXPECT_TRUE(TestApp().boxes.empty()) << "a refused dialog is no error";

    const HWND view = host->view().m_hWnd;
    ::SendMessageA(view, kReplaceRequestMessage, kRequestLogFatal, 20);
    EXPECT_EQ("", Log());
    HANDLE process = nullptr;
    ::DuplicateHandle(::GetCurrentProcess(), ::GetCurrentProcess(), ::GetCurrentProcess(), &process,
                      0, FALSE, DUPLICATE_SAME_ACCESS);
    ::SendMessageA(view, kReplaceRequestMessage, kRequestWatchProcess,
                   reinterpret_cast<LPARAM>(process));
    DWORD flags = 0;
    EXPECT_FALSE(::GetHandleInformation(process, &flags)) << "closed";

    ::SendMessageA(view, kPerlPacketMessage, kPacketPaused, 0);
    EXPECT_EQ(std::vector<std::string>{"Bad state."}, TestApp().boxes);
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), TestApp().boxTypes.back() & MB_ICONMASK);
    EXPECT_FALSE(host->view().TaskRunning());
}

// A frame in a modal state refuses the task dialog with a beep; the start
// fails quietly and the next one runs.
TEST_F(ReplaceViewLogTest, TaskDialogRefusedWhileModal)
{
    kytest::WriteFile(dir["a.txt"], Fixture("three-cats.txt"));
    Engine();
    host->AcceptNext({"-pcat", "-qdog", "@!", dir["a.txt"]});
    host->frame().BeginModalState();
    host->InitialUpdate();
    ASSERT_TRUE(host->WaitForEnd());
    host->frame().EndModalState();
    EXPECT_EQ(0, host->Dialogs());
    EXPECT_EQ(std::vector<UINT>{0}, host->beepTypes());
    EXPECT_TRUE(TestApp().boxes.empty());
    EXPECT_TRUE(TestApp().GetConProcess().empty());

    host->StartTask();
    ASSERT_TRUE(host->WaitForQuestion());
    EXPECT_EQ(1, host->Dialogs());
    host->Click(IDC_KY_REPLACE_ANSWER_REPLACE_ALL);
    ASSERT_TRUE(host->WaitForEnd());
    EXPECT_EQ("a dog\nthe dog sat\ndog\n", kytest::ReadFile(dir["a.txt"]));
}

// Reader errors end the task with the error's whole text and " (in
// OnPerlPacket)" in an error box; the file stays as it was, and the next
// task runs.
TEST_F(ReplaceViewLogTest, ReaderErrorsEndTheTask)
{
    struct Case {
        const char* option;
        const char* box;
    };
    const Case cases[] = {
        {"--test-code=399", "Got unexpected code - 2. (in OnPerlPacket)"},
        {"--test-never-ready", "Perl didn't start properly. (in OnPerlPacket)"},
        {"--test-text-overrun", "File size guarantee was violated. (in OnPerlPacket)"},
        {"--test-abend", "AbEnd (in OnPerlPacket)"},
    };
    const std::string a = dir["a.txt"];
    bool first = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        kytest::WriteFile(a, Fixture("three-cats.txt"));
        Engine(c.option);
        TestApp().boxes.clear();
        host->AcceptNext({"-pcat", "-qdog", "@!", a});
        if (first)
            host->InitialUpdate();
        else
            host->StartTask();
        first = false;
        ASSERT_TRUE(host->WaitForEnd());
        ASSERT_EQ(std::vector<std::string>{c.box}, TestApp().boxes);
        EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), TestApp().boxTypes.back() & MB_ICONMASK);
        EXPECT_EQ(Fixture("three-cats.txt"), kytest::ReadFile(a));
        EXPECT_FALSE(host->document().IsModified());
        EXPECT_TRUE(TestApp().GetConProcess().empty());
    }
    Engine();
    TestApp().boxes.clear();
    host->StartTask();
    ASSERT_TRUE(host->WaitForQuestion());
    host->Click(IDC_KY_REPLACE_ANSWER_REPLACE_ALL);
    ASSERT_TRUE(host->WaitForEnd());
    EXPECT_EQ("a dog\nthe dog sat\ndog\n", kytest::ReadFile(a));
    EXPECT_TRUE(TestApp().boxes.empty());
}

// In the whole text a match past the first 64K characters is shown, coloured
// and replaced in Before.
TEST_F(ReplaceViewLogTest, MatchPastTheFirst64K)
{
    std::string text;
    for (int i = 0; text.size() < 70000; ++i)
        text += "line " + std::to_string(i) + " of filler text\n";
    const long at = static_cast<long>(text.size()) + 4;
    text += "the cat\n";
    kytest::WriteFile(dir["big.txt"], text);
    Engine();
    host->AcceptNext({"-pcat", "-qdog", "@!", dir["big.txt"]});
    host->InitialUpdate();
    ASSERT_TRUE(host->WaitForQuestion());
    CRichEditCtrl& before = host->Pane(IDC_KY_REPLACE_BEFORE);
    EXPECT_EQ(static_cast<long>(text.size()), before.GetTextLength());
    EXPECT_EQ(kBlue, CharColour(before, at));
    EXPECT_EQ("the dog", host->Text(IDC_KY_REPLACE_AFTER));
    host->Click(IDC_KY_REPLACE_ANSWER_REPLACE);
    CString tail;
    before.SetSel(at - 4, at + 3);
    tail = before.GetSelText();
    EXPECT_STREQ("the dog", static_cast<const char*>(tail));
    ASSERT_TRUE(host->WaitForEnd());
}
