// KyDir's listings as text: the names for a list file (full paths with
// "-f", in double quotes with "-q"), and the console listing, which puts
// the modified time, size, attributes and rank before each name.
#pragma once

#include "DirItem.h"
#include "DirOptions.h"

#include <string>

namespace Kyvant {
namespace StandIn {

// The item's name as the listing writes it.
std::string ListedName(const DirItem& item, const DirOptions& options);

// One line of the console listing, without its line end:
// "YYYY-MM-DD HH:MM:SS  SIZE  ATTRS  RANK  NAME", the time local, SIZE
// right-aligned in 14 characters ("<DIR>" for a folder), ATTRS the letters
// "RHSDA" or '-' for each bit that is clear.
std::string ConsoleLine(const DirItem& item, const DirOptions& options);

// Collects the list file's lines (line ends "\r\n").
class ListFileText : public DirItemSink {
public:
    explicit ListFileText(const DirOptions& options) : options_(options) {}
    void Add(const DirItem& item) override;
    const std::string& Text() const { return text_; }

private:
    const DirOptions& options_;
    std::string text_;
};

// Writes the console listing to standard output as it goes.
class ConsoleListing : public DirItemSink {
public:
    explicit ConsoleListing(const DirOptions& options) : options_(options) {}
    void Add(const DirItem& item) override;

private:
    const DirOptions& options_;
};

} // namespace StandIn
} // namespace Kyvant
