// Test switches of the task link, read from the variable KYTEST_TASK_LINK
// (the front-end passes no arguments): words separated by commas.
//   exit-before-ask     end at once, without asking for the task dialog
//   no-process-message  do not announce the tool's process handle
//   ignore-goaway       keep going when the front-end asks to go away
//   messages=N          N lines on the message pipe before the work
//   slow=N              N made-up match lines, four per file (the first two
//                       a group), one every slow-ms milliseconds (default 20)
//   bad-number          a match line whose line number is not a number
//   replay=PATH         the bytes of the file as results, before the work
#pragma once

#include <string>

namespace Kyvant {
namespace StandIn {

struct TaskLinkSwitches {
    bool exitBeforeAsk = false;
    bool noProcessMessage = false;
    bool ignoreGoAway = false;
    unsigned messages = 0;
    unsigned slowLines = 0;
    unsigned slowMs = 20;
    bool badNumber = false;
    std::string replay;

    // From the variable; unknown words throw std::runtime_error.
    static TaskLinkSwitches FromEnvironment();
    static TaskLinkSwitches Parse(const char* text);
};

} // namespace StandIn
} // namespace Kyvant
