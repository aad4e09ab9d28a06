// The packets and replies as bytes: each written by the front-end's own code
// and held to a fixed hex table, which both widths of the build must give,
// since the engine, KyReplace and the front-end may be built apart.
#include "common/HexBytes.h"
#include "KyReplace/Gui/Packets/PacketCodes.h"
#include "KyReplace/Gui/Packets/PacketOutput.h"
#include "KyReplace/Gui/Packets/QuestionCodec.h"
#include "KyReplace/Gui/Packets/Replies.h"

#include <gtest/gtest.h>

#include <string>

using namespace Kyvant;

namespace {

std::string BytesOf(const PacketOutput& out)
{
    return std::string(out.Bytes().data(), out.Bytes().size());
}

struct BytesCase {
    const char* what;
    PacketOutput out;
    const char* table;
};

MultiLineReplPacket WholeTextQuestion()
{
    MultiLineReplPacket packet;
    packet.ruleNumber = 1;
    packet.ruleCount = 2;
    packet.matchStart = 0x01020304;
    packet.matchLength = 5;
    packet.matched = "hel+o";
    packet.replacingWith = "$&!";
    packet.replacement = "";
    return packet;
}

SingleLineReplPacket WindowQuestion()
{
    SingleLineReplPacket packet;
    packet.ruleNumber = 3;
    packet.ruleCount = 3;
    packet.lines = {"a\r\n", "say hi\n"};
    packet.lineBase = 40;
    packet.matchLine = 1;
    packet.matchStart = 4;
    packet.matchLength = 2;
    packet.matched = "hi";
    packet.replacingWith = "yo";
    packet.replacement = "yo";
    return packet;
}

PacketOutput Question(const ReplPacketBase& packet)
{
    PacketOutput out;
    WriteQuestion(out, packet);
    return out;
}

} // namespace

TEST(PacketBytes, PacketsAndRepliesHaveTheirFixedBytes)
{
    const BytesCase cases[] = {
        {"begin, single-line", PacketOutput(kPacketBegin).Int(1), "90 01 00 00 01 00 00 00"},
        {"end of a file, a negative count", PacketOutput(kPacketEndFile).Int(-2),
         "94 01 00 00 fe ff ff ff"},
        {"file name", PacketOutput(kPacketFileName).Text(ky_S("a.txt")),
         "95 01 00 00 05 00 00 00 'a.txt'"},
        {"text piece with a NUL", PacketOutput(kPacketTextPiece).Text("x\0\xff", 3),
         "98 01 00 00 03 00 00 00 78 00 ff"},
        {"question, whole text", Question(WholeTextQuestion()),
         "96 01 00 00 01 00 00 00 02 00 00 00 04 03 02 01 05 00 00 00\n"
         "05 00 00 00 'hel+o' 03 00 00 00 '$&!' 00 00 00 00"},
        {"question, window of lines", Question(WindowQuestion()),
         "96 01 00 00 03 00 00 00 03 00 00 00\n"
         "02 00 00 00 03 00 00 00 61 0d 0a 07 00 00 00 'say hi' 0a\n"
         "29 00 00 00 01 00 00 00 04 00 00 00 02 00 00 00\n"
         "02 00 00 00 'hi' 02 00 00 00 'yo' 02 00 00 00 'yo'"},
        {"reply: skip", PacketOutput(kReplySkip), "03 00 00 00"},
        {"reply: cancel", PacketOutput(kReplyCancel), "08 00 00 00"},
        {"reply: line count for 8 visible lines", LineCountReply(8), "20 03 00 00 07 00 00 00"},
    };
    for (const BytesCase& c : cases)
        EXPECT_EQ(kytest::HexTable(c.table), kytest::ToHex(BytesOf(c.out))) << c.what;
}
