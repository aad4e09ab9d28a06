// The test program's application object: the Dir front-end's own, with its
// message boxes recorded instead of shown, started the way the program
// starts; and waiting helpers that keep serving messages.
#pragma once

#include "KyDir/Gui/App/KyDirGApp.h"

#include <functional>
#include <string>
#include <vector>

class CDirGTestApp : public CKyDirGApp {
public:
    BOOL InitInstance() override;
    int DoMessageBox(LPCSTR prompt, UINT type, UINT helpId) override;

    std::vector<std::string> m_boxes; // every box asked for, in order
    std::vector<int> m_answers;       // the next boxes' answers (IDOK when none is left)
};

extern CDirGTestApp theApp;

namespace dirgtest {

// Serves messages until done() is true or timeoutMs have passed; done()'s
// last answer.
bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs);
// Serves the messages that are waiting now.
void PumpPending();
// Sets (an empty value removes) a variable of this process, for the C
// runtime and for the programs it starts.
void SetVariable(const char* name, const std::string& value);

} // namespace dirgtest
