// Integers and counted strings read from the packet pipe.
#include "KyReplace/Gui/Packets/PacketInput.h"

#include "KyStd/Processes/PipeIO.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace Kyvant {

namespace {

const unsigned kIntBytes = 4;
const unsigned kPieceBytes = 0x10000;

} // namespace

int PacketInput::ReadInt()
{
    unsigned char b[kIntBytes];
    CRT::ReadPipe(fd_, b, kIntBytes);
    const unsigned long value = b[0] | (b[1] << 8) | (static_cast<unsigned long>(b[2]) << 16) |
                                (static_cast<unsigned long>(b[3]) << 24);
    return static_cast<int>(value);
}

unsigned PacketInput::ReadLength()
{
    const int length = ReadInt();
    if (length < 0)
        throw std::runtime_error("Got a packet string of negative length " +
                                 std::to_string(length) + ".");
    return static_cast<unsigned>(length);
}

void PacketInput::ReadBytes(ky_BSB<char>& text, unsigned n)
{
    if (n == 0)
        return;
    piece_.resize(std::min(n, kPieceBytes));
    text.reserve(text.length() + std::min(n, kPieceBytes));
    while (n > 0) {
        const unsigned step = std::min(n, kPieceBytes);
        CRT::ReadPipe(fd_, piece_.data(), step);
        text.append(piece_.data(), step);
        n -= step;
    }
}

void PacketInput::ReadText(ky_BSB<char>& text, unsigned limit)
{
    const unsigned n = ReadLength();
    if (n > limit)
        throw std::runtime_error("Got a packet string of " + std::to_string(n) +
                                 " bytes, more than the " + std::to_string(limit) + " allowed.");
    text.clear();
    ReadBytes(text, n);
}

} // namespace Kyvant
