// Test switches of the task link, read from the variable KYTEST_TASK_LINK
// (the front-end passes no arguments): words separated by commas.
//   exit-before-ask     end at once, without asking for the task dialog
//   no-process-message  do not announce the tool's process handle
//   ignore-goaway       keep going when the front-end asks to go away
//   messages=N          N lines on the message pipe before the work
//   slow=N              N made-up results before the work, one every slow-ms
//                       milliseconds (default 20): the finder's match lines
//                       (four per file, the first two a group), the Dir
//                       program's files
//   hold=NAME           with slow: the last made-up result waits until the
//                       event of that name (the test's) is set
//   bad-number          the finder: a match line whose line number is not a
//                       number
//   bad-record          the Dir program: a record of an unknown id between
//                       two files
//   split-name          the Dir program: a file whose details record and long
//                       name record come in many small writes
//   replay=PATH         the finder: the bytes of the file as results, before
//                       the work
//   linger=MS           after the work, close standard output and standard
//                       error, then stay MS milliseconds before ending
//   linger-until=NAME   as linger, but stay until the event of that name (the
//                       test's) is set
//   keep-stderr         with linger: standard error stays open while it stays
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
    bool badRecord = false;
    bool splitName = false;
    std::string replay;
    std::string holdEvent;
    unsigned lingerMs = 0;
    std::string lingerEvent;
    bool keepStderr = false;

    bool Lingers() const { return lingerMs != 0 || !lingerEvent.empty(); }

    // From the variable; unknown words throw std::runtime_error.
    static TaskLinkSwitches FromEnvironment();
    static TaskLinkSwitches Parse(const char* text);
};

} // namespace StandIn
} // namespace Kyvant
