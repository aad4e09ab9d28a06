// The application tests' object, a CKyReplaceGApp whose message boxes are
// recorded (and answered by the test when it wants), started once for the
// program through the real start-up: the real Replace Task dialog over a
// stored plan and an Explorer selection of three fixture files, answered in
// the modal loop's idle hook. Helpers drive the frame and its view: tasks
// with a scripted dialog, questions, commands and their update states.
#pragma once

#include "KyReplace/Gui/App/KyReplaceGApp.h"
#include "KyReplace/Gui/Frame/MainFrame.h"
#include "KyReplace/Gui/View/KyReplaceGView.h"

#include <functional>
#include <string>
#include <vector>

namespace apptest {

class AppUnderTest : public CKyReplaceGApp {
public:
    int DoMessageBox(LPCSTR prompt, UINT type, UINT helpId) override;

    std::vector<std::string> boxes;
    // Answers the next boxes instead of OK, while set.
    std::function<int(const std::string& prompt)> answerBox;
};

AppUnderTest& App();

// What the program's start-up did, run once before the first test.
struct StartUp {
    BOOL result = FALSE;
    bool dialogSeen = false;
    std::string dialogTitle;
    bool windowVisibleDuringDialog = true;
    CRect savedPlacement;
    std::vector<std::string> files; // the three fixture files
    std::string folder;
};
const StartUp& StartOnce();

CMainFrame& Frame();
CKyReplaceGView& View();

// The next task dialogs accept this command line (after KyReplace.exe), or
// are cancelled; the number of dialogs shown so far.
void AcceptNext(const std::vector<std::string>& args);
void CancelNext();
int Dialogs();

// Serves messages until done() holds or the time is up.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 60000);
// Pumps until no posted message waits: what was posted before the call has
// been handled, and so has what its handling posted.
bool PumpPosted();
bool WaitForQuestion();
bool WaitForEnd();
// A command as the menu sends it, to the frame.
void Command(UINT id);
// The command's state as its update handlers set it, routed from the frame.
struct UpdateState {
    bool handled = false;
    bool enabled = false;
    int check = -1;
};
UpdateState Update(UINT id);
void Click(UINT id);
// The frame's picture under build/test-artifacts, once its drawing is on the screen.
void Snapshot(const char* name);
std::string PaneText(UINT id);
std::string StatusText();

// Runs the script at an idle of the next modal loop whose window it takes
// (it returns true then); the hook is removed after that.
void OnModalIdle(std::function<bool(CWnd*)> script);
// A task over a copy of each text (files a.txt, b.txt, ... in a new
// folder) with the arguments before "@!"; returns the files.
std::vector<std::string> StartTask(const std::vector<std::string>& texts,
                                   const std::vector<std::string>& args);

// Extra words for the engine while it lives (the shared "PerlOptions").
class EngineOptions {
public:
    explicit EngineOptions(const std::string& words);
    ~EngineOptions();
    EngineOptions(const EngineOptions&) = delete;
    EngineOptions& operator=(const EngineOptions&) = delete;
};

// A fresh folder under the tests' temporary folder with the files written.
std::string Scratch(const char* name);
void WriteFileText(const std::string& path, const std::string& text);
std::string ReadFileText(const std::string& path);
bool Exists(const std::string& path);

} // namespace apptest
