// Writing packets and replies in the form the engine and the front-end
// exchange them: 32-bit little-endian integers and counted strings, built
// in memory and written whole to a C runtime descriptor.
#pragma once

#include "KyStd/Strings/String.h"

#include <new>
#include <vector>

namespace Kyvant {

class PacketOutput {
public:
    PacketOutput() = default;
    explicit PacketOutput(int code) { Int(code); }

    PacketOutput& Int(int value);
    PacketOutput& Text(const char* data, unsigned n);
    PacketOutput& Text(const ky_BSB<char>& text) { return Text(text.data(), text.length()); }

    const std::vector<char>& Bytes() const { return bytes_; }
    void Clear() { bytes_.clear(); }

    // Every byte goes out, or rtl_error is thrown.
    void WriteTo(int fd) const;
    // False when a write failed.
    bool WriteTo(const std::nothrow_t&, int fd) const;

private:
    std::vector<char> bytes_;
};

} // namespace Kyvant
