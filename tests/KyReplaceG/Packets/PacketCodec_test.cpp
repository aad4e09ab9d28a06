// The packet and reply codec: every packet and reply written and read back
// through a pipe, the 406 checks, the line-count reply's N.
#include "PipeSupport.h"

#include "KyReplace/Gui/Packets/PacketCodes.h"
#include "KyReplace/Gui/Packets/PacketInput.h"
#include "KyReplace/Gui/Packets/QuestionCodec.h"
#include "KyReplace/Gui/Packets/Replies.h"
#include "KyStd/Core/Errors.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

using namespace Kyvant;
using namespace replgtest;

namespace {

enum class Payload { None, Int, Text };

struct PacketCase {
    int code;
    Payload payload;
    int value;
    std::string text;
};

std::string Bytes(const char* data, size_t n)
{
    return std::string(data, n);
}

// Reads back what one PacketOutput wrote.
class RoundTrip {
public:
    explicit RoundTrip(const PacketOutput& out) : pipe_(0x100000), in_(pipe_.ReadEnd())
    {
        out.WriteTo(pipe_.WriteEnd());
        pipe_.CloseWriteEnd();
    }
    PacketInput& in() { return in_; }

private:
    TestPipe pipe_;
    PacketInput in_;
};

} // namespace

TEST(PacketCodec, EveryPacketRoundTrips)
{
    const std::string binary = Bytes("a\0b\x80\xff\r\n", 7);
    const PacketCase cases[] = {
        {kPacketBegin, Payload::Int, 1, ""},
        {kPacketBegin, Payload::Int, 0, ""},
        {kPacketEnd, Payload::None, 0, ""},
        {kPacketAbEnd, Payload::None, 0, ""},
        {kPacketNewFile, Payload::None, 0, ""},
        {kPacketEndFile, Payload::Int, INT_MAX, ""},
        {kPacketEndFile, Payload::Int, -1, ""},
        {kPacketFileName, Payload::Text, 0, "C:\\dir with blanks\\a.txt"},
        {kPacketTextSize, Payload::Int, INT_MIN, ""},
        {kPacketTextPiece, Payload::Text, 0, ""},
        {kPacketTextPiece, Payload::Text, 0, binary},
        {kPacketTextPiece, Payload::Text, 0, std::string(0x18000, 'x') + binary},
        {kPacketTextEnd, Payload::None, 0, ""},
        {kPacketPaused, Payload::None, 0, ""},
    };
    for (const PacketCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.code) + " " + std::to_string(c.text.size()));
        PacketOutput out(c.code);
        if (c.payload == Payload::Int)
            out.Int(c.value);
        else if (c.payload == Payload::Text)
            out.Text(c.text.data(), static_cast<unsigned>(c.text.size()));
        RoundTrip trip(out);
        EXPECT_EQ(c.code, trip.in().ReadInt());
        if (c.payload == Payload::Int) {
            EXPECT_EQ(c.value, trip.in().ReadInt());
        } else if (c.payload == Payload::Text) {
            ky_S text("left over");
            trip.in().ReadText(text);
            EXPECT_EQ(c.text, std::string(text.data(), text.length()));
        }
        EXPECT_THROW(trip.in().ReadInt(), rtl_error) << "nothing more was written";
    }
}

TEST(PacketCodec, QuestionsRoundTripInBothForms)
{
    SingleLineReplPacket window;
    window.ruleNumber = 2;
    window.ruleCount = 3;
    window.lineBase = 41;
    window.lines = {"before\r\n", "say hello\n", "", "last, no end"};
    window.matchLine = 1;
    window.matchStart = 4;
    window.matchLength = 5;
    window.matched = "hel+o";
    window.replacingWith = "$&!";
    window.replacement = "hello!";

    MultiLineReplPacket whole;
    whole.ruleNumber = 1;
    whole.ruleCount = 1;
    whole.matchStart = 1000000;
    whole.matchLength = 0;
    whole.matched = "^";
    whole.replacingWith = "";
    whole.replacement = "";

    for (const ReplPacketBase* packet : {static_cast<const ReplPacketBase*>(&window),
                                         static_cast<const ReplPacketBase*>(&whole)}) {
        const bool single = packet == &window;
        SCOPED_TRACE(single ? "single-line" : "multi-line");
        PacketOutput out;
        WriteQuestion(out, *packet);
        RoundTrip trip(out);
        ASSERT_EQ(kPacketQuestion, trip.in().ReadInt());
        const std::unique_ptr<ReplPacketBase> read = ReadQuestion(trip.in(), single);
        EXPECT_EQ(packet->ruleNumber, read->ruleNumber);
        EXPECT_EQ(packet->ruleCount, read->ruleCount);
        EXPECT_EQ(packet->lineBase, read->lineBase);
        EXPECT_EQ(packet->matchStart, read->matchStart);
        EXPECT_EQ(packet->matchLength, read->matchLength);
        EXPECT_STREQ(packet->matched.c_str(), read->matched.c_str());
        EXPECT_STREQ(packet->replacingWith.c_str(), read->replacingWith.c_str());
        EXPECT_STREQ(packet->replacement.c_str(), read->replacement.c_str());
        const auto* lines = dynamic_cast<const SingleLineReplPacket*>(read.get());
        ASSERT_EQ(single, lines != nullptr);
        if (lines) {
            ASSERT_EQ(window.lines.size(), lines->lines.size());
            for (size_t i = 0; i < window.lines.size(); ++i)
                EXPECT_STREQ(window.lines[i].c_str(), lines->lines[i].c_str()) << i;
            EXPECT_EQ(window.matchLine, lines->matchLine);
        }
    }
}

TEST(PacketCodec, RepliesRoundTrip)
{
    for (int code : {kReplyReplace, kReplyReplaceAllFiles, kReplyReplaceAllInFile, kReplySkip,
                     kReplySkipAllFiles, kReplySkipAllInFile, kReplyStop, kReplyCancel}) {
        RoundTrip trip{PacketOutput(code)};
        EXPECT_EQ(code, trip.in().ReadInt());
    }
    const struct {
        unsigned visible;
        int lines;
    } counts[] = {{0, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 7}, {8, 7}, {33, 33}, {4000000000u, 9999}};
    for (const auto& c : counts) {
        SCOPED_TRACE(c.visible);
        EXPECT_EQ(c.lines, WindowLineCount(c.visible));
        RoundTrip trip(LineCountReply(c.visible));
        EXPECT_EQ(kReplyLineCount, trip.in().ReadInt());
        EXPECT_EQ(c.lines, trip.in().ReadInt());
    }
}

// Questions that would have the view index past its window or its text.
TEST(PacketCodec, BadQuestionsAreRefusedBeforeUse)
{
    struct Case {
        const char* name;
        bool single;
        int lineCount, firstLine, matchLine, start, length;
        const char* expected;
    };
    const Case cases[] = {
        {"empty window", true, 0, 1, 0, 0, 0, "the window has 0 lines."},
        {"huge window", true, 10001, 1, 0, 0, 0, "the window has 10001 lines."},
        {"line 0", true, 1, 0, 0, 0, 1, "the window starts at line 0."},
        {"lines past the end", true, 2, INT_MAX, 0, 0, 1, "the window starts at line 2147483647."},
        {"index below", true, 2, 1, -1, 0, 1,
         "the match's line -1 is outside the window of 2 lines."},
        {"index past", true, 2, 1, 2, 0, 1, "the match's line 2 is outside the window of 2 lines."},
        {"past its line", true, 2, 1, 1, 3, 2,
         "the match at 3, length 2, does not fit its line of 4 characters."},
        {"negative start", true, 2, 1, 1, -1, 1, "the match at -1, length 1, does not fit"},
        {"negative length", false, 0, 0, 0, 5, -1,
         "the match at 5, length -1, lies outside any text."},
        {"overflow", false, 0, 0, 0, INT_MAX, 1, "the match at 2147483647, length 1, lies outside"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PacketOutput out;
        out.Int(1).Int(1);
        if (c.single) {
            out.Int(c.lineCount);
            for (int i = 0; i < c.lineCount; ++i)
                out.Text(i == 1 ? ky_S("abc\n") : ky_S("x\n"));
            out.Int(c.firstLine).Int(c.matchLine);
        }
        out.Int(c.start).Int(c.length).Text(ky_S("a")).Text(ky_S("b")).Text(ky_S("b"));
        RoundTrip trip(out);
        try {
            ReadQuestion(trip.in(), c.single);
            ADD_FAILURE() << "accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(
                0u, std::string(e.what()).find(std::string("Bad replace question: ") + c.expected))
                << e.what();
        }
    }
}

TEST(PacketCodec, StringLengthsAreCheckedBeforeReading)
{
    const struct {
        int length;
        unsigned limit;
        const char* expected;
    } cases[] = {
        {-1, kMaxPacketText, "Got a packet string of negative length -1."},
        {0x7FFFFFFF, kMaxPacketFileName,
         "Got a packet string of 2147483647 bytes, more than the 32768 allowed."},
        {5, 4, "Got a packet string of 5 bytes, more than the 4 allowed."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        RoundTrip trip{PacketOutput(c.length)};
        ky_S text;
        try {
            trip.in().ReadText(text, c.limit);
            ADD_FAILURE() << "accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(c.expected, e.what());
        }
    }
    // A length the writer never fills: the pipe's end, not a huge buffer.
    RoundTrip trip{PacketOutput(1000000).Int(7)};
    ky_S text;
    EXPECT_THROW(trip.in().ReadText(text), rtl_error);
}
