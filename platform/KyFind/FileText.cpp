// Line ends and line starts of a searched file.
#include "FileText.h"

#include <algorithm>

namespace Kyvant {
namespace StandIn {

FileText::FileText(const std::string& bytes, bool keepCR)
{
    text_.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (!keepCR && bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        text_ += bytes[i];
    }
    // A last line without '\n' is a line; a '\n' at the very end starts none.
    if (!text_.empty())
        starts_.push_back(0);
    for (std::size_t i = 0; i < text_.size(); ++i) {
        if (text_[i] == '\n' && i + 1 < text_.size())
            starts_.push_back(i + 1);
    }
}

std::size_t FileText::LineEnd(std::size_t line) const
{
    const std::size_t next = line + 1 < starts_.size() ? starts_[line + 1] : text_.size();
    return next > starts_[line] && text_[next - 1] == '\n' ? next - 1 : next;
}

std::size_t FileText::LineOf(std::size_t offset) const
{
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    return after == starts_.begin() ? 0 : static_cast<std::size_t>(after - starts_.begin()) - 1;
}

std::string FileText::LineText(std::size_t line) const
{
    return text_.substr(starts_[line], LineEnd(line) - starts_[line]);
}

} // namespace StandIn
} // namespace Kyvant
