// The KyReplaceG tests' application object, a KyGuiApp as the front-end's
// is, started once for the program: it publishes the front-end's process
// for the KyReplace the jobs start, as the front-end's start-up does, and
// records message boxes instead of showing them, answering OK unless a
// test answers them itself; a test may act at the next idle moments.
#pragma once

#include "KyGuiTool/App/KyGuiApp.h"

#include <functional>
#include <string>
#include <vector>

namespace replgtest {

class ReplaceGTestApp : public KyGuiApp {
public:
    ReplaceGTestApp();
    BOOL InitInstance() override;
    int DoMessageBox(LPCSTR prompt, UINT type, UINT helpId) override;
    // Runs the idle hook first, while one is set.
    BOOL OnIdle(LONG count) override;

    std::vector<std::string> boxes;
    std::vector<UINT> boxTypes;
    // Answers the next boxes instead of OK, while set.
    std::function<int(const std::string& prompt)> answerBox;
    // Called at each idle moment until it returns true.
    std::function<bool()> idleHook;
};

ReplaceGTestApp& TestApp();

} // namespace replgtest
