// The console end of the progress channel: writes each text into the
// front-end's progress block and sends the matching window message, after
// checking that the front-end still runs. One object per process, opened by
// the first send in GUI mode; at process exit it posts the done message.
#pragma once

#include "KyConTool/App/ConGuiHandoff.h"
#include "KyStd/Core/CritSec.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Processes/Process.h"
#include "KyStd/Strings/String.h"
#include "KyStd/Win32/SharedMemory.h"

#include <windows.h>

namespace Kyvant {

class KyConApp;

class ProgressChannel {
public:
    // Call sites of the alive check; the number appears in its error text.
    enum Site {
        kSiteCheckTerm = 0,
        kSiteStart = 1,
        kSiteQuery = 2,
        kSiteMessageBox = 3,
        kSiteSummary = 4,
        kSiteDone = 100,
    };

    // Checks that the front-end of app still runs: returns when it does.
    // Gone with exit code 0: the run ends silently (GUI-stopped, fatal);
    // with another code: runtime_error "The progress dialog has failed (code
    // <site>)".
    static void CheckAlive(KyConApp& app, Site site);

    static void StartFolder(KyConApp& app, const ky_F& folder);
    static void StartFile(KyConApp& app, const ky_F& file);
    // Returns the front-end's GuiProgress::QueryResult.
    static int Query(KyConApp& app, const ky_F& path, int kind, long code);
    // Returns the button pressed.
    static int MessageBox(KyConApp& app, const char* text, UINT style);
    static void Summary(KyConApp& app, const char* text);

    ~ProgressChannel();

private:
    explicit ProgressChannel(KyConApp& app);
    ProgressChannel(const ProgressChannel&) = delete;
    ProgressChannel& operator=(const ProgressChannel&) = delete;

    // The process's channel, opened on first use.
    static ProgressChannel& Get(KyConApp& app);
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam, const char* text, const char* caption);
    void StartIfChanged(UINT message, ky_F& last, const ky_F& path);

    bool guiFlag_;
    Win32::SharedMemory block_;
    HWND window_;
    CRT::Process gui_; // kept for the done message after the application object is gone
    ky_F lastFolder_;
    ky_F lastFile_;
};

} // namespace Kyvant
