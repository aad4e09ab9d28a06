// Reading a view script from its text.
#include "View/ViewScript.h"

#include "common/SplitText.h"

#include <cstdlib>

namespace replgtest {

ViewScript ViewScript::Parse(const std::string& text)
{
    ViewScript script;
    for (const std::string& item : kytest::Split(text, ';')) {
        const size_t eq = item.find('=');
        const std::string key = item.substr(0, eq);
        const std::string value = eq == std::string::npos ? "" : item.substr(eq + 1);
        if (key == "dialog")
            script.acceptDialog = value != "cancel";
        else if (key == "args")
            script.args = kytest::Split(value, '|');
        else if (key == "replies")
            for (const std::string& n : kytest::Split(value, ','))
                script.replies.push_back(std::atoi(n.c_str()));
        else if (key == "lines")
            script.visibleLines = static_cast<unsigned>(std::atoi(value.c_str()));
        else if (key == "pause")
            script.resumeOnPause = value != "quit";
        else if (key == "text")
            script.collectText = value == "collect";
        else if (key == "stop")
            script.stopAtQuestion = value == "question";
    }
    return script;
}

} // namespace replgtest
