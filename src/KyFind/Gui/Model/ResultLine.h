// The finder's result lines cut into their fields: "::N" opens a group of N
// lines; a match line is FILE(LINE):tag(POSITION):TEXT, where FILE may hold
// parentheses of its own and the tag is not read.
#pragma once

namespace Kyvant {
namespace FindResults {

// Fields of a match line; the pointers point into the line.
struct MatchLine {
    const char* name = nullptr;
    unsigned nameLength = 0;
    int line = 0;
    int position = 0;
    const char* text = nullptr;
    unsigned textLength = 0;
};

// True for a line that begins with "::"; size is the decimal number after
// it as strtoul reads it (no number: 0).
bool IsGroupLine(const char* text, unsigned length, unsigned long& size);

// True when both number fields are there, each a non-empty text between
// '(' and "):". A field that is not a whole decimal integer throws
// Kyvant::rtl_error (EINVAL, or ERANGE when it does not fit an int).
bool ParseMatchLine(const char* text, unsigned length, MatchLine& out);

} // namespace FindResults
} // namespace Kyvant
