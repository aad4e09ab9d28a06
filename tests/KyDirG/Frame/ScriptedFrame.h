// The Dir frame in the tests: the front-end's own frame whose task dialog
// is answered from a script (the arguments written into the hand-off block
// as the dialog's OK does), or is the real dialog driven from the modal
// loop's first idle moment.
#pragma once

#include "KyDir/Gui/Frame/MainFrame.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class ScriptedFrame : public CMainFrame {
    DECLARE_DYNCREATE(ScriptedFrame)

public:
    struct Answer {
        bool accept = true;
        std::vector<std::string> args; // argv[0] first
        // When set: the real dialog runs and this drives it once it is up.
        std::function<void(CWnd& dialog)> drive;
    };

    static std::deque<Answer>& Answers();
    static int& Asks();
    // What the last real dialog returned.
    static INT_PTR& LastDialogResult();

protected:
    INT_PTR RunTaskDialog() override;
};
