// The test program's application object: the Find front-end's own, with its
// message boxes recorded (shown only when a test asks), started the way the
// program starts; and waiting helpers that keep serving messages.
#pragma once

#include "KyFind/Gui/App/KyFindGApp.h"

#include <functional>
#include <string>
#include <vector>

class CFindGTestApp : public CKyFindGApp {
public:
    CFindGTestApp();
    BOOL InitInstance() override;
    int DoMessageBox(LPCSTR prompt, UINT type, UINT helpId) override;

    std::vector<std::string> m_boxes; // every box asked for, in order
    bool m_showBoxes = false;         // the boxes shown too, for a test that answers them
};

extern CFindGTestApp theApp;

namespace findgtest {

// Serves messages until done() is true or timeoutMs have passed; done()'s
// last answer.
bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs);
// Serves the messages that are waiting now.
void PumpPending();
// Sets (an empty value removes) a variable of this process, for the C
// runtime and for the programs it starts.
void SetVariable(const char* name, const std::string& value);

} // namespace findgtest
