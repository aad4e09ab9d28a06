// Confirmation by the Replace front-end: each match's question and what its reply decides.
#include "FrontEndJudge.h"

#include <algorithm>

namespace Kyvant {
namespace KyPerl {

namespace {

// The lines of the text, each with its line end (the last may have none).
std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

// What follows a line's body as the rules see it: "\r\n" or "\n" (only
// "\n" in binary mode, where the '\r' belongs to the body), or nothing.
std::string LineEnd(const std::string& line, bool binary)
{
    const std::size_t n = line.size();
    if (n == 0 || line[n - 1] != '\n')
        return std::string();
    return !binary && n >= 2 && line[n - 2] == '\r' ? "\r\n" : "\n";
}

} // namespace

void FrontEndJudge::BeginFile(const std::string& name, const std::string& text, bool binary)
{
    thisFile_ = Standing::Ask;
    binary_ = binary;
    channel_.BeginFile(name);
    if (!asks_)
        return;
    if (singleLine_)
        lines_ = SplitLines(text);
    else
        channel_.FileText(text);
}

// The window shows the lines around the match's line as they were read, the
// match's own line as it stands now, each with its line end.
Packet FrontEndJudge::Question(const PerlGlue::MatchOffer& offer) const
{
    Packet question(406);
    question.Int(static_cast<long>(offer.rule)).Int(static_cast<long>(offer.ruleCount));
    if (singleLine_) {
        const std::size_t count = std::max<std::size_t>(lines_.size(), offer.line + 1);
        const std::size_t size = std::min<std::size_t>(channel_.WindowLines(), count);
        std::size_t first = offer.line > size / 2 ? offer.line - size / 2 : 0;
        first = std::min(first, count - size);
        question.Int(static_cast<long>(size));
        for (std::size_t i = first; i < first + size; ++i) {
            const std::string read = i < lines_.size() ? lines_[i] : std::string();
            question.Text(i == offer.line ? offer.subject + LineEnd(read, binary_) : read);
        }
        // A broken engine's index lies past the window's last line.
        const std::size_t index = channel_.Tests().badWindowIndex ? size : offer.line - first;
        question.Int(static_cast<long>(first + 1)).Int(static_cast<long>(index));
    }
    question.Int(static_cast<long>(offer.start)).Int(static_cast<long>(offer.length));
    question.Text(offer.spec->find).Text(offer.spec->replace).Text(offer.replacement);
    return question;
}

bool FrontEndJudge::Replace(const PerlGlue::MatchOffer& offer)
{
    const Standing standing = allFiles_ != Standing::Ask ? allFiles_ : thisFile_;
    if (standing != Standing::Ask)
        return standing == Standing::Replace;
    channel_.CheckPoint();
    if (singleLine_ && channel_.Tests().badWindowIndex)
        channel_.SendFault(Question(offer));
    const int reply = channel_.Ask(Question(offer));
    switch (reply) {
    case 0:
        return true;
    case 1:
        allFiles_ = Standing::Replace;
        return true;
    case 2:
        thisFile_ = Standing::Replace;
        return true;
    case 3:
        return false;
    case 4:
        allFiles_ = Standing::Skip;
        return false;
    case 5:
        thisFile_ = Standing::Skip;
        return false;
    case 6:
    case 8:
        throw StopRun();
    }
    throw FrontEndError("Unknown reply from the front-end: " + std::to_string(reply));
}

} // namespace KyPerl
} // namespace Kyvant
