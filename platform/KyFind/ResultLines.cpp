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
                std::size_t line, std::size_t position, bool lineNumbers)
{
    out += fileName;
    out += '(';
    out += std::to_string(lineNumbers ? line + 1 : 0);
    out += "):";
    out += kPositionTag;
    out += '(';
    out += std::to_string(position);
    out += "):";
    out += file.LineText(line);
    out += '\n';
}

void AppendHit(std::string& out, const std::string& fileName, const FileText& file,
               const Hit& hit, const FindOptions& options)
{
    const std::size_t context = options.context ? kContextLines : 0;
    const std::size_t first = hit.firstLine >= context ? hit.firstLine - context : 0;
    const std::size_t last = std::min(hit.lastLine + context, file.LineCount() - 1);
    if (last > first)
        out += kGroupPrefix + std::to_string(last - first + 1) + '\n';
    for (std::size_t line = first; line <= last; ++line) {
        const std::size_t position = line == hit.firstLine ? hit.position : file.LineStart(line);
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
        AppendLine(out, fileName, file, hits.front().firstLine, hits.front().position,
                   options.lineNumbers);
        return out;
    }
    for (const Hit& hit : hits)
        AppendHit(out, fileName, file, hit, options);
    return out;
}

} // namespace StandIn
} // namespace Kyvant
