// Finding one literal in a text with the Boyer-Moore-Horspool skip table,
// comparing characters through a folding table (the case folding of the
// regular expressions, or none).
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace Kyvant {
namespace StandIn {

// The character each character compares as.
using FoldTable = std::array<unsigned char, 256>;

FoldTable IdentityFold();

class LiteralFinder {
public:
    static constexpr std::size_t npos = std::string::npos;

    // The literal must not be empty.
    LiteralFinder(const std::string& literal, const FoldTable& fold);

    std::size_t Length() const { return folded_.size(); }
    // The first occurrence that starts at or after from and ends by end; npos when none.
    std::size_t Find(const char* text, std::size_t from, std::size_t end) const;

private:
    std::string folded_;
    FoldTable fold_;
    std::array<std::size_t, 256> skip_;
};

} // namespace StandIn
} // namespace Kyvant
