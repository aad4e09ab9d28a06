// Formatting KyFind's result lines and groups.
#include "ResultLines.h"

#include <algorithm>

namespace Kyvant {
namespace StandIn {

namespace {

const char kGroupPrefix[] = "::";
// The second number field's lead-in: the Find front-end reads only the
// number in its parentheses.
const char kPositionTag[] = "x";

void AppendLine(std::string& out, const std::string& fileName, const FileText& file,
                const Line& line, std::size_t position, bool lineNumbers)
{
    out += fileName;
    out += '(';
    out += std::to_string(lineNumbers ? line.number + 1 : 0);
    out += "):";
    out += kPositionTag;
    out += '(';
    out += std::to_string(position);
    out += "):";
    out.append(file.Text(), line.begin, line.end - line.begin);
    out += '\n';
}

// The hit's lines with up to `context` lines before and after.
std::vector<Line> LinesOf(const FileText& file, const Hit& hit, std::size_t context)
{
    std::vector<Line> lines;
    Line line = hit.first;
    for (std::size_t i = 0; i < context && file.Previous(line, line); ++i)
        lines.push_back(line);
    std::reverse(lines.begin(), lines.end());
    line = hit.first;
    lines.push_back(line);
    while (line.begin < hit.last.begin && file.Next(line, line))
        lines.push_back(line);
    for (std::size_t i = 0; i < context && file.Next(line, line); ++i)
        lines.push_back(line);
    return lines;
}

void AppendHit(std::string& out, const std::string& fileName, const FileText& file, const Hit& hit,
               const FindOptions& options)
{
    const std::vector<Line> lines = LinesOf(file, hit, options.context ? kContextLines : 0);
    if (lines.size() > 1)
        out += kGroupPrefix + std::to_string(lines.size()) + '\n';
    for (const Line& line : lines) {
        const std::size_t position = line.begin == hit.first.begin ? hit.position : line.begin;
        AppendLine(out, fileName, file, line, position, options.lineNumbers);
    }
}

} // namespace

std::string FormatHits(const std::string& fileName, const FileText& file,
                       const std::vector<Hit>& hits, const FindOptions& options)
{
    std::string out;
    if (hits.empty())
        return out;
    if (options.namesOnly) {
        AppendLine(out, fileName, file, hits.front().first, hits.front().position,
                   options.lineNumbers);
        return out;
    }
    for (const Hit& hit : hits)
        AppendHit(out, fileName, file, hit, options);
    return out;
}

} // namespace StandIn
} // namespace Kyvant
