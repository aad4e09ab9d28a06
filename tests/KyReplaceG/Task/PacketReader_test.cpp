// The reader thread's loop against crafted packet streams, with the tests'
// view window taking the packets and streaming the file text: packets in
// order, the text byte-exact, the expected-code rules, failures reaching
// the view as 402 after the abort event, and waits that end.
#include "PipeSupport.h"
#include "ReplaceGTestApp.h"
#include "View/TestReplaceView.h"

#include "KyReplace/Gui/Packets/PacketCodes.h"
#include "KyReplace/Gui/Packets/QuestionCodec.h"
#include "KyReplace/Gui/Task/PacketReader.h"
#include "KyReplace/Gui/Task/TextChunks.h"
#include "KyStd/Win32/SyncObjects.h"
#include "common/WindowPng.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

using namespace Kyvant;
using namespace replgtest;

namespace {

const DWORD kRunTimeoutMs = 20000;
const DWORD kLateEventMs = 300;

// A stream of packets built piece by piece.
struct Stream {
    PacketOutput out;
    Stream& Code(int code)
    {
        out.Int(code);
        return *this;
    }
    Stream& Int(int value)
    {
        out.Int(value);
        return *this;
    }
    Stream& Str(const std::string& text)
    {
        out.Text(text.data(), static_cast<unsigned>(text.size()));
        return *this;
    }
};

enum class Late { None, HasQuit, Abort };

// One reader over one stream: the view takes the packets on this thread.
class ReaderRun {
public:
    explicit ReaderRun(const ViewScript& script = ViewScript())
        : view_(script), hasQuit_(true), abort_(true)
    {
        view_.Create("Replace reader test");
        view_.UseReader([this] { return TextStream(chunks_, hasQuit_.get(), abort_.get()); },
                        abort_.get());
    }

    // Feeds the stream (its end closes the pipe unless keepOpen), sets the
    // late event a moment later, and serves the view until the reader
    // thread ended.
    bool Run(const Stream& stream, Late late = Late::None, bool keepOpen = false)
    {
        TestPipe pipe(0x100000);
        PacketReader reader(pipe.ReadEnd(), view_.m_hWnd, chunks_, hasQuit_.get(), abort_.get());
        std::atomic<bool> done{false};
        std::thread thread([&] {
            reader.Run(nullptr);
            done = true;
        });
        PipeWriter writer(pipe, stream.out.Bytes(), !keepOpen);
        std::thread setter;
        if (late != Late::None)
            setter = std::thread([this, late] {
                Sleep(kLateEventMs);
                (late == Late::HasQuit ? hasQuit_ : abort_).Set();
            });
        const bool ended = PumpUntil([&done] { return done.load(); }, kRunTimeoutMs);
        if (!ended)
            abort_.Set();
        thread.join();
        if (setter.joinable())
            setter.join();
        pipe.CloseWriteEnd();
        PumpUntil([] { return false; }, 0);
        singleLine_ = reader.SingleLine();
        return ended;
    }

    TestReplaceView& view() { return view_; }
    // The engine ended before the reader started.
    void EngineGone() { hasQuit_.Set(); }
    bool Aborted() const { return WaitForSingleObject(abort_.get(), 0) == WAIT_OBJECT_0; }
    bool singleLine_ = false;

private:
    TestReplaceView view_;
    TextChunks chunks_;
    Win32::Event hasQuit_;
    Win32::Event abort_;
};

} // namespace

TEST(PacketReader, PacketsReachTheViewInOrderWithTheTextShown)
{
    ReaderRun run;
    Stream s;
    s.Code(kPacketBegin).Int(1).Code(kPacketNewFile).Code(kPacketFileName).Str("C:\\a b\\x.txt");
    s.Code(kPacketTextSize).Int(23).Code(kPacketTextPiece).Str("first line\n");
    s.Code(kPacketTextPiece).Str("second line\n").Code(kPacketTextEnd);
    s.Code(kPacketEndFile).Int(3).Code(kPacketPaused).Code(kPacketEnd);
    ASSERT_TRUE(run.Run(s));
    EXPECT_EQ("400 single=1\n403\n405 name=C:\\a b\\x.txt\n407 size=23 got=23\n404 count=3\n"
              "410\n401\nended\n",
              run.view().LogText());
    EXPECT_TRUE(run.singleLine_);
    EXPECT_FALSE(run.Aborted());
    // What the pane shows: the bytes as they came, line feeds kept.
    CString shown;
    run.view().TextPane().GetWindowText(shown);
    EXPECT_EQ("first line\nsecond line\n", std::string(static_cast<const char*>(shown)));
    kytest::SaveWindowPng(run.view().m_hWnd, "KyReplaceG_reader_text");
}

TEST(PacketReader, QuestionsInTheAnnouncedMode)
{
    ReaderRun run;
    SingleLineReplPacket window;
    window.ruleNumber = 1;
    window.ruleCount = 2;
    window.lineBase = 9;
    window.lines = {"one\r\n", "say hello\n"};
    window.matchLine = 1;
    window.matchStart = 4;
    window.matchLength = 5;
    window.matched = "hello";
    window.replacingWith = "bye";
    window.replacement = "bye";
    Stream s;
    s.Code(kPacketBegin).Int(1);
    WriteQuestion(s.out, window);
    s.Code(kPacketEnd);
    ASSERT_TRUE(run.Run(s));
    EXPECT_EQ("400 single=1\n406 rule=1/2 base=9 start=4 len=5 window=one\\r\\n|say hello\\n "
              "index=1 matched=hello with=bye repl=bye\nreply 0\n401\nended\n",
              run.view().LogText());
}

// The file text reaches the stream callback byte for byte in 4 KB pieces,
// an empty buffer ending it; empty pieces do not end it early.
TEST(PacketReader, TenMegabytesOfTextArriveByteExact)
{
    ViewScript collect;
    collect.collectText = true;
    ReaderRun run(collect);
    std::string text(10 * 1024 * 1024, '\0');
    unsigned seed = 12345;
    for (char& c : text) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(seed >> 24);
    }
    const size_t kPiece = 4096;
    Stream s;
    s.Code(kPacketTextSize).Int(static_cast<int>(text.size()));
    s.Code(kPacketTextPiece).Str("");
    for (size_t at = 0; at < text.size(); at += kPiece)
        s.Code(kPacketTextPiece).Str(text.substr(at, kPiece));
    s.Code(kPacketTextEnd).Code(kPacketEnd);
    ASSERT_TRUE(run.Run(s));
    EXPECT_EQ("407 size=10485760 got=10485760\n401\nended\n", run.view().LogText());
    EXPECT_TRUE(run.view().LastText() == text) << "the text differs";
}

// What is expected after 407, and the failures that reach the view as 402
// after the abort event is set.
TEST(PacketReader, ExpectedCodesAndFailures)
{
    const std::string kQuit = "The replace engine ended while its file text waited for the view.";
    struct Case {
        const char* name;
        Stream stream;
        Late late;
        std::string log;
    };
    const Case cases[] = {
        {"empty text expects its end at once",
         Stream().Code(kPacketTextSize).Int(0).Code(kPacketTextEnd).Code(kPacketEnd), Late::None,
         "407 size=0 got=0\n401\nended\n"},
        {"402 while a piece is expected",
         Stream().Code(kPacketTextSize).Int(5).Code(kPacketTextPiece).Str("ab").Code(kPacketAbEnd),
         Late::None, "407 size=5 got=2 broke off\n402 AbEnd (aborted)\nended\n"},
        {"402 while the end is expected",
         Stream().Code(kPacketTextSize).Int(2).Code(kPacketTextPiece).Str("ab").Code(kPacketAbEnd),
         Late::None, "407 size=2 got=2 broke off\n402 AbEnd (aborted)\nended\n"},
        {"401 while a piece is expected, taken once the engine is gone",
         Stream().Code(kPacketTextSize).Int(5).Code(kPacketTextPiece).Str("ab").Code(kPacketEnd),
         Late::HasQuit, "407 size=5 got=2 broke off\n401\nended\n"},
        {"code 399", Stream().Code(kPacketBegin).Int(0).Code(399), Late::None,
         "400 single=0\n402 Got unexpected code - 2. (aborted)\nended\n"},
        {"code 411", Stream().Code(411), Late::None,
         "402 Got unexpected code - 2. (aborted)\nended\n"},
        {"405 while a piece is expected",
         Stream().Code(kPacketTextSize).Int(3).Code(kPacketFileName).Str("x"), Late::None,
         "407 size=3 got=0 broke off\n402 Got unexpected code - 1. (aborted)\nended\n"},
        {"405 while the end is expected",
         Stream()
             .Code(kPacketTextSize)
             .Int(1)
             .Code(kPacketTextPiece)
             .Str("a")
             .Code(kPacketFileName),
         Late::None, "407 size=1 got=1 broke off\n402 Got unexpected code - 1. (aborted)\nended\n"},
        {"one byte too many",
         Stream().Code(kPacketTextSize).Int(3).Code(kPacketTextPiece).Str("abcd"), Late::None,
         "407 size=3 got=0 broke off\n402 File size guarantee was violated. (aborted)\nended\n"},
        {"negative size", Stream().Code(kPacketTextSize).Int(-2), Late::None,
         "402 Got a file text of negative size -2. (aborted)\nended\n"},
        {"a piece before any 407 waits until the engine is gone",
         Stream().Code(kPacketTextPiece).Str("abc"), Late::HasQuit,
         "402 " + kQuit + " (aborted)\nended\n"},
        {"a huge file name", Stream().Code(kPacketFileName).Int(0x7FFFFFFF).Str("x"), Late::None,
         "402 Got a packet string of 2147483647 bytes, more than the 32768 allowed. (aborted)\n"
         "ended\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReaderRun run;
        ASSERT_TRUE(run.Run(c.stream, c.late));
        EXPECT_EQ(c.log, run.view().LogText());
        EXPECT_EQ(c.log.find("402") != std::string::npos, run.Aborted());
    }
}

// An engine that sends too much text and ends at once is reported for the
// overrun, however soon its end is seen.
TEST(PacketReader, AnOverrunIsReportedAsSuchWhenTheEngineEndedAtOnce)
{
    for (int round = 0; round < 5; ++round) {
        SCOPED_TRACE(round);
        ReaderRun run;
        run.EngineGone();
        ASSERT_TRUE(
            run.Run(Stream().Code(kPacketTextSize).Int(3).Code(kPacketTextPiece).Str("abcd")));
        EXPECT_NE(std::string::npos,
                  run.view().LogText().find("402 File size guarantee was violated. (aborted)\n"))
            << run.view().LogText();
    }
}

TEST(PacketReader, BrokenPipeAndSilentAbort)
{
    {
        SCOPED_TRACE("the pipe ends inside a packet");
        ReaderRun run;
        ASSERT_TRUE(run.Run(Stream().Code(kPacketEndFile)));
        EXPECT_EQ(0u, run.view().LogText().find("402 ")) << run.view().LogText();
        EXPECT_TRUE(run.Aborted());
    }
    {
        SCOPED_TRACE("the abort event ends a wait for the view without a message");
        ReaderRun run;
        ASSERT_TRUE(run.Run(Stream().Code(kPacketTextPiece).Str("abc"), Late::Abort, true));
        EXPECT_EQ("", run.view().LogText());
    }
}
