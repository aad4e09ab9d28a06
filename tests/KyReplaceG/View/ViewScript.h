// How the tests' view answers a replace task: the task dialog, the
// questions, the pauses; read from "key=value;..." text as the test
// front-end gets it:
//   dialog=accept|cancel   args=<a|b|...>   replies=<n,...>   lines=<n>
//   pause=resume|quit      text=richedit|collect   stop=question
#pragma once

#include <string>
#include <vector>

namespace replgtest {

struct ViewScript {
    bool acceptDialog = true;
    std::vector<std::string> args; // the accepted command line after argument 0
    std::vector<int> replies;      // to successive questions; the last repeats (none: 0)
    unsigned visibleLines = 5;     // the Before pane's lines, for the line-count reply
    bool resumeOnPause = true;     // 410: set Resume, else DoQuit
    bool collectText = false;      // 407's text into a string, not the rich edit
    bool stopAtQuestion = false;   // the first question: reply stop, then end the task at once

    static ViewScript Parse(const std::string& text);
};

} // namespace replgtest
