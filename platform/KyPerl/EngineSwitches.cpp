// Parsing of the engine's command line into its switches and the script file's name.
#include "EngineSwitches.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace Kyvant {
namespace KyPerl {

namespace {

bool TakeValue(const char* word, const char* name, std::string& value)
{
    const std::size_t n = std::strlen(name);
    if (std::strncmp(word, name, n) != 0 || word[n] != '=')
        return false;
    value = word + n + 1;
    return true;
}

// The front-end faults and the pause, each a bare switch.
bool TakeFlag(const char* word, EngineSwitches& s)
{
    const struct {
        const char* name;
        bool FrontEndTests::*flag;
    } flags[] = {
        {"--test-piece-first", &FrontEndTests::pieceFirst},
        {"--test-huge-string", &FrontEndTests::hugeString},
        {"--test-name-in-text", &FrontEndTests::nameInText},
        {"--test-text-overrun", &FrontEndTests::textOverrun},
        {"--test-bad-window-index", &FrontEndTests::badWindowIndex},
        {"--test-pause-per-file", &FrontEndTests::pausePerItem},
    };
    for (const auto& f : flags) {
        if (std::strcmp(word, f.name) == 0) {
            s.frontEnd.*f.flag = true;
            return true;
        }
    }
    return false;
}

} // namespace

EngineSwitches ParseSwitches(int argc, char** argv)
{
    EngineSwitches s;
    std::string value;
    for (int i = 1; i < argc; ++i) {
        const char* word = argv[i];
        if (std::strncmp(word, "--", 2) != 0) {
            if (!s.scriptName.empty())
                throw std::runtime_error(std::string("More than one script named: ") + word);
            s.scriptName = word;
        } else if (TakeValue(word, "--test-stderr-line", value)) {
            s.stderrLines.push_back(value);
        } else if (TakeValue(word, "--test-stderr-tail", s.stderrTail) ||
                   TakeValue(word, "--test-trace", s.traceFile) ||
                   TakeValue(word, "--test-timing", s.timingFile)) {
        } else if (TakeValue(word, "--test-code", value)) {
            s.frontEnd.codes.push_back(std::atoi(value.c_str()));
        } else if (TakeValue(word, "--test-reply-log", s.frontEnd.replyLog)) {
        } else if (TakeFlag(word, s)) {
        } else if (std::strcmp(word, "--test-abend") == 0) {
            s.abendOnFirstFile = true;
        } else if (std::strcmp(word, "--test-never-ready") == 0) {
            s.neverReady = true;
        } else {
            throw std::runtime_error(std::string("Unknown switch: ") + word);
        }
    }
    if (s.scriptName.empty())
        throw std::runtime_error("No script named");
    return s;
}

} // namespace KyPerl
} // namespace Kyvant
