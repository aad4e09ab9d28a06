// Splitting a stand-in's command line at "@!".
#include "KyStandInTool/CommandLine.h"

#include "KyConTool/App/KyConApp.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace Kyvant {
namespace StandIn {

CommandLine::CommandLine(int argc, char** argv, const std::vector<std::string>& longWords)
    : separator_(false)
{
    const char* separator = KyConApp::GetPureShellArgSep().c_str();
    char* program = argc > 0 ? argv[0] : nullptr;
    options_.push_back(program);
    files_.push_back(program);
    int i = 1;
    for (; i < argc; ++i) {
        if (std::strcmp(argv[i], separator) == 0) {
            separator_ = true;
            break;
        }
        if (std::find(longWords.begin(), longWords.end(), argv[i]) != longWords.end())
            longWords_.push_back(argv[i]);
        else
            options_.push_back(argv[i]);
    }
    for (++i; separator_ && i < argc; ++i)
        files_.push_back(argv[i]);
    files_.push_back(nullptr);
    options_.push_back(nullptr);
}

bool CommandLine::Has(const std::string& longWord) const
{
    return std::find(longWords_.begin(), longWords_.end(), longWord) != longWords_.end();
}

void CommandLine::TakeGetoptEnd(int optind)
{
    if (separator_) {
        if (optind < OptionCount())
            throw std::runtime_error(std::string("Unexpected argument before ") +
                                     KyConApp::GetPureShellArgSep().c_str() + ": " +
                                     options_[optind]);
        return;
    }
    // getopt has moved the words that are no options behind them.
    files_.pop_back();
    for (int i = std::max(optind, 1); i < OptionCount(); ++i)
        files_.push_back(options_[i]);
    files_.push_back(nullptr);
}

} // namespace StandIn
} // namespace Kyvant
