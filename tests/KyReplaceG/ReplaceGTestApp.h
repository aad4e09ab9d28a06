// The KyReplaceG tests' application object, a KyGuiApp as the front-end's
// is, started once for the program: it publishes the front-end's process
// for the KyReplace the jobs start, as the front-end's start-up does, and
// records message boxes instead of showing them.
#pragma once

#include "KyGuiTool/App/KyGuiApp.h"

#include <string>
#include <vector>

namespace replgtest {

class ReplaceGTestApp : public KyGuiApp {
public:
    ReplaceGTestApp();
    BOOL InitInstance() override;
    int DoMessageBox(LPCSTR prompt, UINT type, UINT helpId) override;

    std::vector<std::string> boxes;
};

ReplaceGTestApp& TestApp();

} // namespace replgtest
