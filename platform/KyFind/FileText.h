// A file's bytes as the Find file view shows them: CR LF made LF unless CR
// is kept, so that an offset in this text is the view's character position;
// and where its lines start.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace Kyvant {
namespace StandIn {

class FileText {
public:
    FileText(const std::string& bytes, bool keepCR);

    const std::string& Text() const { return text_; }
    std::size_t LineCount() const { return starts_.size(); }
    std::size_t LineStart(std::size_t line) const { return starts_[line]; }
    // Behind the line's last character, before its '\n'.
    std::size_t LineEnd(std::size_t line) const;
    // The line (from 0) that holds the offset.
    std::size_t LineOf(std::size_t offset) const;
    std::string LineText(std::size_t line) const;

private:
    std::string text_;
    std::vector<std::size_t> starts_;
};

} // namespace StandIn
} // namespace Kyvant
