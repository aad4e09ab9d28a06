// Reading the task link's test switches.
#include "KyStandInTool/TaskLinkSwitches.h"

#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <string>

namespace Kyvant {
namespace StandIn {

namespace {

const char kVariable[] = "KYTEST_TASK_LINK";

unsigned Number(const std::string& word, const std::string& value)
{
    char* end = nullptr;
    const unsigned long number = std::strtoul(value.c_str(), &end, 10);
    if (value.empty() || *end != '\0')
        throw std::runtime_error("Bad task link switch: " + word);
    return static_cast<unsigned>(number);
}

} // namespace

TaskLinkSwitches TaskLinkSwitches::FromEnvironment()
{
    const char* text = std::getenv(kVariable);
    return Parse(text ? text : "");
}

TaskLinkSwitches TaskLinkSwitches::Parse(const char* text)
{
    TaskLinkSwitches switches;
    std::istringstream words(text);
    std::string word;
    while (std::getline(words, word, ',')) {
        if (word.empty())
            continue;
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const std::string value = equals == std::string::npos ? "" : word.substr(equals + 1);
        if (name == "exit-before-ask")
            switches.exitBeforeAsk = true;
        else if (name == "no-process-message")
            switches.noProcessMessage = true;
        else if (name == "ignore-goaway")
            switches.ignoreGoAway = true;
        else if (name == "messages")
            switches.messages = Number(word, value);
        else if (name == "slow")
            switches.slowLines = Number(word, value);
        else if (name == "slow-ms")
            switches.slowMs = Number(word, value);
        else if (name == "bad-number")
            switches.badNumber = true;
        else if (name == "bad-record")
            switches.badRecord = true;
        else if (name == "split-name")
            switches.splitName = true;
        else if (name == "replay" && !value.empty())
            switches.replay = value;
        else if (name == "hold" && !value.empty())
            switches.holdEvent = value;
        else if (name == "linger")
            switches.lingerMs = Number(word, value);
        else if (name == "linger-until" && !value.empty())
            switches.lingerEvent = value;
        else if (name == "keep-stderr")
            switches.keepStderr = true;
        else
            throw std::runtime_error("Unknown task link switch: " + word);
    }
    return switches;
}

} // namespace StandIn
} // namespace Kyvant
