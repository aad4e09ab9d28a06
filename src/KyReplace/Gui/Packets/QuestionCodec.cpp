// Packet 406 read and checked, and written.
#include "KyReplace/Gui/Packets/QuestionCodec.h"

#include "KyReplace/Gui/Packets/PacketCodes.h"

#include <climits>
#include <stdexcept>
#include <string>

namespace Kyvant {

namespace {

[[noreturn]] void Bad(const std::string& what)
{
    throw std::runtime_error("Bad replace question: " + what);
}

std::string Range(int start, int length)
{
    return "the match at " + std::to_string(start) + ", length " + std::to_string(length);
}

// A match range whose start and end are offsets from 0 to limit.
bool Fits(int start, int length, long long limit)
{
    return start >= 0 && length >= 0 && static_cast<long long>(start) + length <= limit;
}

void ReadWindow(PacketInput& in, SingleLineReplPacket& packet)
{
    const int count = in.ReadInt();
    if (count < 1 || count > kMaxWindowLines)
        Bad("the window has " + std::to_string(count) + " lines.");
    packet.lines.resize(static_cast<unsigned>(count));
    for (ky_S& line : packet.lines)
        in.ReadText(line);
    const int first = in.ReadInt();
    if (first < 1 || first > INT_MAX - count)
        Bad("the window starts at line " + std::to_string(first) + ".");
    packet.lineBase = first - 1;
    packet.matchLine = in.ReadInt();
    if (packet.matchLine < 0 || packet.matchLine >= count)
        Bad("the match's line " + std::to_string(packet.matchLine) + " is outside the window of " +
            std::to_string(count) + " lines.");
}

void ReadMatch(PacketInput& in, ReplPacketBase& packet)
{
    packet.matchStart = in.ReadInt();
    packet.matchLength = in.ReadInt();
    in.ReadText(packet.matched);
    in.ReadText(packet.replacingWith);
    in.ReadText(packet.replacement);
}

} // namespace

ReplPacketBase::~ReplPacketBase() {}

std::unique_ptr<ReplPacketBase> ReadQuestion(PacketInput& in, bool singleLine)
{
    std::unique_ptr<ReplPacketBase> packet;
    SingleLineReplPacket* window = nullptr;
    if (singleLine)
        packet.reset(window = new SingleLineReplPacket);
    else
        packet.reset(new MultiLineReplPacket);
    packet->ruleNumber = in.ReadInt();
    packet->ruleCount = in.ReadInt();
    if (window)
        ReadWindow(in, *window);
    ReadMatch(in, *packet);

    if (window) {
        const unsigned lineLength = window->lines[window->matchLine].length();
        if (!Fits(packet->matchStart, packet->matchLength, lineLength))
            Bad(Range(packet->matchStart, packet->matchLength) + ", does not fit its line of " +
                std::to_string(lineLength) + " characters.");
    } else if (!Fits(packet->matchStart, packet->matchLength, INT_MAX)) {
        Bad(Range(packet->matchStart, packet->matchLength) + ", lies outside any text.");
    }
    return packet;
}

void WriteQuestion(PacketOutput& out, const ReplPacketBase& packet)
{
    out.Int(kPacketQuestion).Int(packet.ruleNumber).Int(packet.ruleCount);
    if (const auto* window = dynamic_cast<const SingleLineReplPacket*>(&packet)) {
        out.Int(static_cast<int>(window->lines.size()));
        for (const ky_S& line : window->lines)
            out.Text(line);
        out.Int(packet.lineBase + 1).Int(window->matchLine);
    }
    out.Int(packet.matchStart).Int(packet.matchLength);
    out.Text(packet.matched).Text(packet.replacingWith).Text(packet.replacement);
}

} // namespace Kyvant
