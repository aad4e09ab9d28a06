// Confirmation of matches by the Replace front-end: each match of a rule
// that asks is shown as a question (packet 406) and the reply decides.
// Replies: 0 replace, 1 replace all (all files), 2 replace all in this
// file, 3 skip, 4 skip all (all files), 5 skip all in this file, 6 stop,
// 8 cancel; stop and cancel end the run, leaving the current file as it was.
#pragma once

#include "FrontEndChannel.h"
#include "KyPerlGlue/RuleSet.h"

#include <string>
#include <vector>

namespace Kyvant {
namespace KyPerl {

class FrontEndJudge : public PerlGlue::MatchJudge {
public:
    // singleLine: questions show a window of lines, not the whole text;
    // asks: some rule may ask for confirmation.
    FrontEndJudge(FrontEndChannel& channel, bool singleLine, bool asks)
        : channel_(channel), singleLine_(singleLine), asks_(asks)
    {
    }

    // Announces the file (and, when questions may follow in whole-text
    // mode, sends its text). binary: the file's line bodies keep a '\r'
    // before their '\n', as the rules see them.
    void BeginFile(const std::string& name, const std::string& text, bool binary);
    bool Asks() const { return asks_; }

    bool Replace(const PerlGlue::MatchOffer& offer) override;

private:
    enum class Standing { Ask, Replace, Skip };

    Packet Question(const PerlGlue::MatchOffer& offer) const;

    FrontEndChannel& channel_;
    bool singleLine_;
    bool asks_;
    std::vector<std::string> lines_; // of the current file with their ends, single-line mode
    bool binary_ = false;
    Standing allFiles_ = Standing::Ask;
    Standing thisFile_ = Standing::Ask;
};

} // namespace KyPerl
} // namespace Kyvant
