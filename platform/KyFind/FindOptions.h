// What a KyFind command line asks for, read from the option words that the
// Find pattern pages build.
#pragma once

#include <string>
#include <vector>

namespace Kyvant {
namespace StandIn {

class CommandLine;

enum class PatternFlavor { Literal, Basic, Extended, Perl };

struct FindOptions {
    PatternFlavor flavor = PatternFlavor::Basic;
    std::vector<std::string> patterns;
    bool ignoreCase = false;
    bool wholeWords = false;
    bool inverted = false;
    bool lineNumbers = false;
    bool namesOnly = false;
    bool searchBinaryFiles = false; // files with NUL bytes are searched too
    bool keepCR = false;            // CR LF is not a line end of two bytes
    bool context = false;
    bool dotMatchesNewline = false;
    bool legible = false; // blanks and #-comments in the pattern are layout
    bool lineMode = true; // false: a match may span lines
};

// Lines of context around a match when "C" is given.
constexpr int kContextLines = 2;

// The IDE output word of the grep-family pages.
extern const char kIdeOutputWord[];

// Runs getopt over the command line's option words; unknown letters, a
// missing pattern and an engine other than "perl" throw std::runtime_error.
FindOptions ParseFindOptions(CommandLine& commandLine);

} // namespace StandIn
} // namespace Kyvant
