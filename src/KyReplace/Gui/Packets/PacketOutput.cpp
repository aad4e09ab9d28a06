// Integers and counted strings encoded for the packet and reply pipes.
#include "KyReplace/Gui/Packets/PacketOutput.h"

#include "KyStd/Processes/PipeIO.h"

namespace Kyvant {

namespace {

const int kByteBits = 8;
const int kIntBits = 32;

} // namespace

PacketOutput& PacketOutput::Int(int value)
{
    const unsigned long v = static_cast<unsigned long>(value);
    for (int shift = 0; shift < kIntBits; shift += kByteBits)
        bytes_.push_back(static_cast<char>((v >> shift) & 0xFF));
    return *this;
}

PacketOutput& PacketOutput::Text(const char* data, unsigned n)
{
    Int(static_cast<int>(n));
    bytes_.insert(bytes_.end(), data, data + n);
    return *this;
}

void PacketOutput::WriteTo(int fd) const
{
    CRT::WritePipe(fd, bytes_.data(), static_cast<unsigned>(bytes_.size()));
}

bool PacketOutput::WriteTo(const std::nothrow_t&, int fd) const
{
    return CRT::WritePipe(std::nothrow, fd, bytes_.data(), static_cast<unsigned>(bytes_.size())) >=
           0;
}

} // namespace Kyvant
