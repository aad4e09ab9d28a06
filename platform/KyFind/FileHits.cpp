// Finding the hits of one file: by literals over the whole text, line by
// line through the expressions, or over the whole text through them.
#include "FileHits.h"

namespace Kyvant {
namespace StandIn {

namespace {

const std::size_t npos = LiteralFinder::npos;

// The next occurrence of each literal at or after a rising offset, each
// looked for again only once the offset has passed it.
class LiteralScan {
public:
    LiteralScan(const PatternSet& patterns, const std::string& text, bool wholeWords)
        : patterns_(patterns), text_(text), wholeWords_(wholeWords),
          next_(patterns.LiteralCount(), 0), from_(patterns.LiteralCount(), npos)
    {
    }

    // The earliest occurrence at or after from (the longest of those that
    // start together); npos when none is left.
    std::size_t Next(std::size_t from, std::size_t& length)
    {
        std::size_t best = npos;
        length = 0;
        for (std::size_t k = 0; k < next_.size(); ++k) {
            if (next_[k] != npos && (next_[k] < from || from_[k] > from)) {
                next_[k] = wholeWords_
                               ? patterns_.FindLiteral(k, text_, 0, from, text_.size())
                               : patterns_.Literal(k).Find(text_.data(), from, text_.size());
                from_[k] = from;
            }
            const std::size_t at = next_[k];
            const std::size_t size = patterns_.Literal(k).Length();
            if (at != npos && (at < best || (at == best && size > length))) {
                best = at;
                length = size;
            }
        }
        return best;
    }

private:
    const PatternSet& patterns_;
    const std::string& text_;
    bool wholeWords_;
    std::vector<std::size_t> next_;
    std::vector<std::size_t> from_; // where next_ was looked for from; npos: not yet
};

// Visits each line holding a literal occurrence, in order, until out holds
// limit hits; take(line, at) adds the line's hit, if it has one.
template <class Take>
void ForEachLiteralLine(FileText& file, LiteralScan& scan, std::size_t limit, std::vector<Hit>& out,
                        Take take)
{
    std::size_t from = 0, length = 0;
    while (out.size() < limit) {
        const std::size_t at = scan.Next(from, length);
        if (at == npos)
            break;
        const Line line = file.LineAt(at);
        take(line, at);
        from = line.end + 1;
    }
}

// Plain text, not inverted: the literals' occurrences are the matches, and
// a line is looked at only where one lies. A literal holds no line end, and
// the line end beside a line is no word character, so whole words can be
// judged on the whole text.
void FindLiteralHits(FileText& file, const PatternSet& patterns, bool wholeWords, std::size_t limit,
                     std::vector<Hit>& out)
{
    LiteralScan scan(patterns, file.Text(), wholeWords);
    ForEachLiteralLine(file, scan, limit, out, [&](const Line& line, std::size_t at) {
        out.push_back(Hit{line, line, at});
    });
}

// Expressions with literals, not inverted: only lines holding a literal
// go through the expressions.
void FindSkippingHits(FileText& file, const PatternSet& patterns, std::size_t limit,
                      std::vector<Hit>& out)
{
    const std::string& text = file.Text();
    LiteralScan scan(patterns, text, false);
    ForEachLiteralLine(file, scan, limit, out, [&](const Line& line, std::size_t) {
        MatchSpan span;
        if (patterns.Find(text, line.begin, line.begin, line.end, span))
            out.push_back(Hit{line, line, span.begin});
    });
}

// Every line in turn; a line without any literal cannot match.
void FindEachLineHits(FileText& file, const PatternSet& patterns, bool inverted, std::size_t limit,
                      std::vector<Hit>& out)
{
    const std::string& text = file.Text();
    const bool plain = patterns.AllPlain();
    const bool skip = patterns.AllHaveLiterals();
    Line line = file.FirstLine();
    do {
        MatchSpan span;
        bool found;
        if (plain)
            found = patterns.FindPlain(text, line.begin, line.begin, line.end, span);
        else if (skip && !patterns.AnyLiteral(text, line.begin, line.end))
            found = false;
        else
            found = patterns.Find(text, line.begin, line.begin, line.end, span);
        if (found != inverted)
            out.push_back(Hit{line, line, found ? span.begin : line.begin});
    } while (out.size() < limit && file.Next(line, line));
}

void FindTextHits(FileText& file, const PatternSet& patterns, std::size_t limit,
                  std::vector<Hit>& out)
{
    const std::string& text = file.Text();
    std::size_t from = 0;
    MatchSpan span;
    while (out.size() < limit && from <= text.size() &&
           patterns.Find(text, 0, from, text.size(), span)) {
        if (span.begin >= text.size() && !text.empty() && text.back() == '\n')
            break; // an empty match behind the last line end is on no line
        const Line first = file.LineAt(span.begin);
        const Line last = span.end > span.begin ? file.LineAt(span.end - 1) : first;
        out.push_back(Hit{first, last, span.begin});
        Line next;
        if (!file.Next(last, next))
            break;
        from = next.begin;
    }
}

} // namespace

std::vector<Hit> FindHits(FileText& file, const PatternSet& patterns, const FindOptions& options,
                          std::size_t limit)
{
    std::vector<Hit> hits;
    if (!file.HasLines())
        return hits;
    if (!options.lineMode)
        FindTextHits(file, patterns, limit, hits);
    else if (options.inverted)
        FindEachLineHits(file, patterns, true, limit, hits);
    else if (patterns.AllPlain())
        FindLiteralHits(file, patterns, options.wholeWords, limit, hits);
    else if (patterns.AllHaveLiterals())
        FindSkippingHits(file, patterns, limit, hits);
    else
        FindEachLineHits(file, patterns, false, limit, hits);
    return hits;
}

} // namespace StandIn
} // namespace Kyvant
