// Reading the engine's packets from a C runtime descriptor: 32-bit
// little-endian integers and counted strings (a 32-bit length, then that
// many bytes, no terminator). The reader is the pipe's only reader, so it
// reads ahead whatever has arrived, up to a buffer's worth. A pipe that
// ends or fails inside an item throws rtl_error (EPIPE for an early end).
#pragma once

#include "KyStd/Strings/String.h"

#include <vector>

namespace Kyvant {

// The longest string a packet may carry, and the longest file name.
constexpr unsigned kMaxPacketText = 0x10000000;
constexpr unsigned kMaxPacketFileName = 0x8000;

class PacketInput {
public:
    explicit PacketInput(int fd);

    int ReadInt();
    // A string's length; a negative one throws std::runtime_error.
    unsigned ReadLength();
    // Appends n bytes as they arrive, so a length the sender never fills
    // costs no memory up front.
    void ReadBytes(ky_BSB<char>& text, unsigned n);
    // A whole string of at most limit bytes in place of text; a longer one
    // throws std::runtime_error before any of it is read.
    void ReadText(ky_BSB<char>& text, unsigned limit = kMaxPacketText);

private:
    // Reads what has arrived into the empty buffer.
    void Fill();

    int fd_;
    std::vector<char> buffer_;
    size_t at_ = 0;
    size_t end_ = 0;
};

} // namespace Kyvant
