// One replace task of the Replace front-end: the link to KyReplace and,
// through it, to the engine. The job creates the front-end's block and
// event, starts KyReplace (or reuses the one that started this front-end),
// hands back the task dialog's answer, opens KyReplace's named objects and
// pipes, and runs the reader thread that hands the engine's packets to the
// view (Task/PacketReader.h). The view answers with replies on the reply
// pipe and keeps the task's state here.
#pragma once

#include "KyReplace/Console/FrontEnd/ReplaceLinkBlocks.h"
#include "KyReplace/Gui/Task/PipeDescriptor.h"
#include "KyReplace/Gui/Task/ReplaceJobHost.h"
#include "KyReplace/Gui/Task/TextChunks.h"
#include "KyStd/Processes/Process.h"
#include "KyStd/Strings/String.h"
#include "KyStd/Win32/SharedMemory.h"
#include "KyStd/Win32/SyncObjects.h"

#include <afxwin.h>

#include <memory>

namespace Kyvant {

class PacketReader;

class ReplaceJob {
public:
    class KyReplaceProcess;

    // Returns once KyReplace has its pipes in place, the task dialog having
    // run in between (the view passes its end to EndDialog). Failures throw
    // after undoing what was built: std::runtime_error "Unable to
    // initialize KyReplace - Code 3" (a reused KyReplace ended first), "...
    // Code 4" (the one started here ended first), "... Code 5" (it could not
    // be started), "Couldn't create thread."; os_error for a missing named
    // object, rtl_error for a pipe handle.
    explicit ReplaceJob(ReplaceJobHost& view);
    // Stops the reader (its waits end on the abort event), waits for it and
    // then for KyReplace to end, serving sent messages meanwhile.
    ~ReplaceJob();
    ReplaceJob(const ReplaceJob&) = delete;
    ReplaceJob& operator=(const ReplaceJob&) = delete;

    // Names the view's window in the tool block, tells KyReplace to go on
    // and starts the reader.
    void Go();
    // The task dialog has ended, with the process's dialog-failed flag:
    // releases KyReplace through the console hand-off (run unless failed),
    // writes the front-end block's word 1 and sets the dialog-end event.
    void EndDialog();
    // One reply; a failed write is ignored.
    void WriteReply(int code);
    // Reply 800 with the number of lines a Before pane of visibleLines shows.
    void WriteLineCountReply(unsigned visibleLines);

    // Set by the view when the task dialog ends: cancelled or refused.
    static void SetDialogFailed(bool failed);
    static bool DialogFailed();

    // The state the view keeps: single-line from packet 400, finished
    // (401 came, or the engine or KyReplace ended), paused (410 came).
    bool IsSingleLine() const;
    bool IsFinished() const { return finished_; }
    void SetFinished() { finished_ = true; }
    bool IsPaused() const { return paused_; }
    void SetPaused(bool paused) { paused_ = paused; }

    // The engine's process, announced by KyReplace: a handle other than the
    // watched one replaces it, and the old one is closed.
    void WatchProcess(HANDLE process);
    const CRT::Process& WatchedProcess() const { return watched_; }
    const KyReplaceProcess& KyReplace() const { return *kyReplace_; }

    // The end of a file (packet 404): its replacement count into the tool
    // block's word 0, ModifiedTempFile when it is not 0, then EndFile.
    void EndOfFile(int count);

    // The file text of packet 407 for the view's stream.
    TextStream FileTextStream() const;

    const Win32::Event& AbortEvent() const { return abort_; }
    const Win32::Event& DoQuitEvent() const { return doQuit_; }
    const Win32::Event& HasQuitEvent() const { return hasQuit_; }
    const Win32::Event& PauseEvent() const { return pause_; }
    const Win32::Event& ResumeEvent() const { return resume_; }
    const Win32::Mutex& FileCheckMutex() const { return fileCheck_; }
    // The log pipe's read end: log lines of KyReplace.
    int LogDescriptor() const { return logFd_.get(); }

private:
    // Registers the job with its view for as long as it exists, also when
    // its construction fails.
    class ViewLink {
    public:
        ViewLink(ReplaceJobHost& view, ReplaceJob& job);
        ~ViewLink() { view_.SetJobUnderConstruction(nullptr); }
        ReplaceJobHost& view() const { return view_; }

    private:
        ReplaceJobHost& view_;
    };

    static UINT AFX_CDECL ThreadProc(LPVOID job);
    void OpenLinkObjects();
    void OpenToolBlock();
    void CreateReader();
    ReplaceFrontEndBlock& FrontEndBlock();
    ReplaceToolBlock& ToolBlock();

    ViewLink view_;
    const ky_S prefix_;
    Win32::Event abort_;
    Win32::Event frontEndEvent_;
    Win32::SharedMemory frontEndBlock_;
    std::unique_ptr<KyReplaceProcess> kyReplace_;
    CRT::Process watched_;
    bool finished_ = false;
    bool paused_ = false;
    Win32::Event doQuit_;
    Win32::Event hasQuit_;
    Win32::Event pause_;
    Win32::Event resume_;
    Win32::Event endFile_;
    Win32::Event modifiedTempFile_;
    Win32::Event logWindowDied_;
    TextChunks chunks_;
    Win32::Mutex logWindow_;
    Win32::Mutex fileCheck_;
    std::unique_ptr<Win32::SharedMemory> toolBlock_;
    PipeDescriptor packetFd_;
    PipeDescriptor replyFd_;
    PipeDescriptor logFd_;
    std::unique_ptr<PacketReader> reader_;
    std::unique_ptr<CWinThread> thread_;
    bool readerStarted_ = false;
};

} // namespace Kyvant
