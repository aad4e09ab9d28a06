// A file's bytes as the Find file view shows them: CR LF made LF unless CR
// is kept, so that an offset in this text is the view's character position.
// Its lines are found on demand, only around the places asked about.
#pragma once

#include <cstddef>
#include <string>

namespace Kyvant {
namespace StandIn {

// One line: where it starts, and where it ends (behind its last character,
// before its '\n'); its number from 0 when the text counts lines.
struct Line {
    std::size_t number = 0;
    std::size_t begin = 0;
    std::size_t end = 0;
};

class FileText {
public:
    // Takes the bytes over and drops the CR of each CR LF in place.
    // countLines: line numbers are wanted (counting costs a pass up to the
    // last line asked for).
    FileText(std::string bytes, bool keepCR, bool countLines);

    const std::string& Text() const { return text_; }
    // An empty file has no line; a '\n' at the very end starts none.
    bool HasLines() const { return !text_.empty(); }
    Line FirstLine() const;
    // The line that holds the offset (its '\n' included; the end of the
    // text: the last line). Offsets asked for must not decrease.
    Line LineAt(std::size_t offset);
    // The neighbouring line; false when there is none.
    bool Next(const Line& line, Line& out) const;
    bool Previous(const Line& line, Line& out) const;

private:
    std::size_t EndFrom(std::size_t offset) const;

    std::string text_;
    bool countLines_;
    Line cursor_; // the line LineAt found last, counted from
};

} // namespace StandIn
} // namespace Kyvant
