// Line ends and line bounds of a searched file.
#include "FileText.h"

#include <algorithm>
#include <cstring>

namespace Kyvant {
namespace StandIn {

namespace {

// Drops every CR that comes before a LF, moving the bytes between in place.
void DropCrBeforeLf(std::string& bytes)
{
    char* data = &bytes[0];
    const std::size_t size = bytes.size();
    std::size_t read = 0, write = 0;
    for (;;) {
        const void* cr = size > read ? std::memchr(data + read, '\r', size - read) : nullptr;
        const std::size_t at = cr ? static_cast<const char*>(cr) - data : size;
        const bool dropped = cr && at + 1 < size && data[at + 1] == '\n';
        const std::size_t keep = (cr && !dropped ? at + 1 : at) - read;
        if (write != read && keep)
            std::memmove(data + write, data + read, keep);
        write += keep;
        read = cr ? at + 1 : size;
        if (!cr)
            break;
    }
    bytes.resize(write);
}

} // namespace

FileText::FileText(std::string bytes, bool keepCR, bool countLines)
    : text_(std::move(bytes)), countLines_(countLines)
{
    if (!keepCR && !text_.empty())
        DropCrBeforeLf(text_);
}

std::size_t FileText::EndFrom(std::size_t offset) const
{
    const void* nl = offset < text_.size()
                         ? std::memchr(text_.data() + offset, '\n', text_.size() - offset)
                         : nullptr;
    return nl ? static_cast<const char*>(nl) - text_.data() : text_.size();
}

Line FileText::FirstLine() const
{
    return Line{0, 0, EndFrom(0)};
}

Line FileText::LineAt(std::size_t offset)
{
    const std::size_t size = text_.size();
    if (offset >= size)
        offset = size > 0 && text_[size - 1] == '\n' ? size - 1 : size;
    const char* data = text_.data();
    std::size_t begin = offset;
    while (begin > cursor_.begin && data[begin - 1] != '\n')
        --begin;
    Line line{0, begin, EndFrom(offset)};
    if (countLines_)
        line.number = cursor_.number + static_cast<std::size_t>(
                                           std::count(data + cursor_.begin, data + begin, '\n'));
    cursor_ = line;
    return line;
}

bool FileText::Next(const Line& line, Line& out) const
{
    if (line.end + 1 >= text_.size())
        return false;
    out = Line{line.number + 1, line.end + 1, EndFrom(line.end + 1)};
    return true;
}

bool FileText::Previous(const Line& line, Line& out) const
{
    if (line.begin == 0)
        return false;
    std::size_t begin = line.begin - 1;
    while (begin > 0 && text_[begin - 1] != '\n')
        --begin;
    out = Line{line.number - 1, begin, line.begin - 1};
    return true;
}

} // namespace StandIn
} // namespace Kyvant
