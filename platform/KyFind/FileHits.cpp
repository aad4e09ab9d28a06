// Finding the hits of one file, line by line or over the whole text.
#include "FileHits.h"

namespace Kyvant {
namespace StandIn {

namespace {

void FindLineHits(const FileText& file, const PatternSet& patterns, bool inverted,
                  std::size_t limit, std::vector<Hit>& out)
{
    for (std::size_t line = 0; line < file.LineCount() && out.size() < limit; ++line) {
        const std::size_t begin = file.LineStart(line), end = file.LineEnd(line);
        MatchSpan span;
        const bool found = patterns.Find(file.Text(), begin, begin, end, span);
        if (found != inverted)
            out.push_back(Hit{line, line, found ? span.begin : begin});
    }
}

void FindTextHits(const FileText& file, const PatternSet& patterns, std::size_t limit,
                  std::vector<Hit>& out)
{
    const std::string& text = file.Text();
    std::size_t from = 0;
    MatchSpan span;
    while (out.size() < limit && from <= text.size() &&
           patterns.Find(text, 0, from, text.size(), span)) {
        if (span.begin >= text.size() && !text.empty() && text.back() == '\n')
            break; // an empty match behind the last line end is on no line
        const std::size_t first = file.LineOf(span.begin);
        const std::size_t last = span.end > span.begin ? file.LineOf(span.end - 1) : first;
        out.push_back(Hit{first, last, span.begin});
        if (last + 1 >= file.LineCount())
            break;
        from = file.LineStart(last + 1);
    }
}

} // namespace

std::vector<Hit> FindHits(const FileText& file, const PatternSet& patterns,
                          const FindOptions& options, std::size_t limit)
{
    std::vector<Hit> hits;
    if (file.LineCount() == 0)
        return hits;
    if (options.lineMode)
        FindLineHits(file, patterns, options.inverted, limit, hits);
    else
        FindTextHits(file, patterns, limit, hits);
    return hits;
}

} // namespace StandIn
} // namespace Kyvant
