// The KyReplace process of a replace job: the one that started this
// front-end (the application's console process), or one started here,
// which then becomes the application's console process. Built on the GUI
// thread inside the job's construction, it returns once KyReplace has set
// the front-end's event, the task dialog having run meanwhile.
#pragma once

#include "KyReplace/Gui/Task/ReplaceJob.h"
#include "KyStd/Strings/String.h"
#include "KyStd/Win32/BasicWaitableHandle.h"

namespace Kyvant {

class ReplaceJob::KyReplaceProcess : public Win32::BasicWaitableHandle<> {
public:
    // Writes the view's window into word 0 of the front-end block. A reused
    // KyReplace is asked for the task dialog at once (WM_APP, wParam 4,
    // sent to the view); a new one asks for it itself while messages are
    // pumped here. Any failure tells the application that its console
    // process is gone and throws.
    KyReplaceProcess(ReplaceJobHost& view, ReplaceFrontEndBlock& block,
                     const Win32::Event& frontEndEvent);
    // Waits for KyReplace to end, serving sent messages meanwhile; then the
    // application's console process is gone.
    ~KyReplaceProcess() override;
    KyReplaceProcess(const KyReplaceProcess&) = delete;
    KyReplaceProcess& operator=(const KyReplaceProcess&) = delete;

    bool StartedHere() const { return startedHere_; }
    // Ends a KyReplace that still runs (it waits for a job that failed
    // before taking its pipes; its engine has not started).
    void Abandon() const;

    // The command line that starts KyReplace, "KyReplace.exe"; tests name
    // another program.
    static void SetCommandLine(const char* commandLine);
    static ky_S CommandLine();

private:
    void AwaitReused(ReplaceJobHost& view, const Win32::Event& frontEndEvent);
    void Start();
    void PumpUntilReady(const Win32::Event& frontEndEvent);

    bool startedHere_ = false;
};

} // namespace Kyvant
