// Integers and counted strings read from the packet pipe.
#include "KyReplace/Gui/Packets/PacketInput.h"

#include "KyStd/Core/Errors.h"

#include <io.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <string>

namespace Kyvant {

namespace {

const unsigned kIntBytes = 4;
const unsigned kBufferBytes = 0x10000;

} // namespace

PacketInput::PacketInput(int fd) : fd_(fd), buffer_(kBufferBytes) {}

void PacketInput::Fill()
{
    errno = 0;
    const int got = _read(fd_, buffer_.data(), static_cast<unsigned>(buffer_.size()));
    if (got < 0)
        throw rtl_error(errno ? errno : EIO);
    // The writer closed its end inside an item.
    if (got == 0)
        throw rtl_error(EPIPE);
    at_ = 0;
    end_ = static_cast<size_t>(got);
}

int PacketInput::ReadInt()
{
    unsigned char b[kIntBytes];
    for (unsigned i = 0; i < kIntBytes; ++i) {
        if (at_ == end_)
            Fill();
        b[i] = static_cast<unsigned char>(buffer_[at_++]);
    }
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
    while (n > 0) {
        if (at_ == end_)
            Fill();
        const unsigned step = static_cast<unsigned>(std::min<size_t>(n, end_ - at_));
        text.append(buffer_.data() + at_, step);
        at_ += step;
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
