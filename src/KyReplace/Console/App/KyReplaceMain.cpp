// CKyReplaceApp::Main: from the command line to the engine's end.
#include "KyConTool/Args/FileNameIterator.h"
#include "KyPerlGlue/PerlConfiguration.h"
#include "KyPerlGlue/ScriptBuilder.h"
#include "KyReplace/Console/App/ArgumentPrescan.h"
#include "KyReplace/Console/App/KyReplaceApp.h"
#include "KyReplace/Console/App/ReplacePlanLookup.h"
#include "KyReplace/Console/App/ReplaceRun.h"
#include "KyReplace/Console/Engine/Correspondent.h"
#include "KyReplace/Console/Engine/EngineLauncher.h"
#include "KyReplace/Console/Engine/EngineStartCheck.h"
#include "KyReplace/Console/Engine/Feeder.h"
#include "KyReplace/Console/Engine/StdErrReader.h"
#include "KyReplace/Console/FrontEnd/FrontEndLink.h"
#include "KyReplace/Console/FrontEnd/ReplaceNamedObjects.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Processes/Pipe.h"
#include "KyStd/Win32/Thread.h"
#include "KyStd/Win32/Waits.h"

#include <memory>
#include <stdexcept>

namespace Kyvant {

namespace {

const char kConfirmationRefused[] = "Stopped due to the following error:\n"
                                    "Replace Rule confirmation was requested but is not supported\n"
                                    "at the command line. To override all confirmation, add -N to\n"
                                    "the front of your KyReplace command line.";

// The packet pipe carries the engine's packets; the reply pipe a
// front-end's answers. Each end is named by a descriptor and an OS handle.
const char kPacketRead[] = "KYVANT_PERL_GUI_CONFIRMER_OUTPUT_PIPE_READ_HDL";
const char kPacketReadOs[] = "KYVANT_PERL_GUI_CONFIRMER_OUTPUT_PIPE_READ_HDL_OS_HDL";
const char kPacketWrite[] = "KYVANT_PERL_GUI_CONFIRMER_OUTPUT_PIPE_WRITE_HDL";
const char kPacketWriteOs[] = "KYVANT_PERL_GUI_CONFIRMER_OUTPUT_PIPE_WRITE_HDL_OS_HDL";
const char kReplyWrite[] = "KYVANT_PERL_GUI_CONFIRMER_INPUT_PIPE_WRITE_HDL";
const char kReplyWriteOs[] = "KYVANT_PERL_GUI_CONFIRMER_INPUT_PIPE_WRITE_HDL_OS_HDL";

// Sets the has-quit event however Main is left, so that no thread keeps
// waiting for an engine that is gone.
class HasQuitOnExit {
public:
    explicit HasQuitOnExit(const Win32::Event& hasQuit) : hasQuit_(hasQuit) {}
    ~HasQuitOnExit()
    {
        try {
            hasQuit_.Set();
        } catch (...) {
        }
    }
    HasQuitOnExit(const HasQuitOnExit&) = delete;
    HasQuitOnExit& operator=(const HasQuitOnExit&) = delete;

private:
    const Win32::Event& hasQuit_;
};

// The worker threads, created suspended. When Main is left early, the
// has-quit event is set and a thread that was let run is given time to end
// before the data it uses goes away.
class Workers {
public:
    explicit Workers(const Win32::Event& hasQuit) : hasQuit_(hasQuit) {}
    ~Workers()
    {
        try {
            hasQuit_.Set();
        } catch (...) {
        }
        for (const Slot& slot : slots_)
            if (slot.running)
                WaitForSingleObject(slot.thread.get(), kGraceMs);
    }
    Workers(const Workers&) = delete;
    Workers& operator=(const Workers&) = delete;

    enum Id { Correspondent, Feeder, StdErrReader, kCount };

    void Create(Id id, Win32::Thread::Proc proc, void* arg)
    {
        slots_[id].thread.Create(proc, arg, CREATE_SUSPENDED);
    }
    void Resume(Id id)
    {
        slots_[id].thread.Resume();
        slots_[id].running = true;
    }
    HANDLE Handle(Id id) const { return slots_[id].thread.get(); }

private:
    static constexpr DWORD kGraceMs = 10000;
    struct Slot {
        Win32::Thread thread;
        bool running = false;
    };
    const Win32::Event& hasQuit_;
    Slot slots_[kCount];
};

void CheckWait(DWORD result)
{
    if (result == WAIT_FAILED)
        throw os_error();
}

} // namespace

void CKyReplaceApp::LinkFrontEnd(CRT::Pipe& packetPipe, CRT::Pipe& replyPipe)
{
    ReplaceNamedObjects& objects = Objects();
    FrontEndConnection link = ConnectFrontEnd(objects, packetPipe, replyPipe, frontEnd_);
    frontEndWindow_ = link.window;
    log_.Attach(std::move(link.log), link.window, frontEnd_, objects.logWindowMutex,
                objects.logWindowDied);
}

void CKyReplaceApp::Main(int argc, char** argv)
{
    ReplaceNamedObjects& objects = Objects();
    const HasQuitOnExit hasQuitOnExit(objects.hasQuit);

    PrescanResult scan;
    try {
        scan = PrescanArguments(argc, argv, LookUpReplacePlan);
    } catch (const UsageError& e) {
        FatalUsage(e.what(), true);
    }
    if (guiMode_)
        scan.stopOnError = false;

    ReplaceRun run(*this, objects);
    run.configuration =
        std::make_shared<PerlGlue::PerlConfiguration>(scan.separator, scan.args.argv());
    const bool frontEnd = FrontEndAttached();
    if (!frontEnd && !run.configuration->GoNonInteractive())
        throw std::runtime_error(kConfirmationRefused);

    PerlGlue::ScriptBuilder script(*run.configuration);
    run.settings.backups = run.configuration->BackupsOn();
    run.settings.binaryForced = run.configuration->BinaryModeForced();
    run.settings.resultsToStdout = run.configuration->ResultsToStdout();
    run.settings.relaxedOpening = run.configuration->RelaxedOpening();
    run.settings.stopOnError = scan.stopOnError;
    run.settings.scriptName = script.ScriptName();
    ky_filename_argv_iterator::DoPathFlags(run.settings.scriptName,
                                           ky_filename_argv_iterator::FullLongPaths);

    if (scan.separator + 1 < scan.args.argc()) {
        run.files = scan.args;
        run.firstFile = scan.separator + 1;
    } else {
        run.files = ArgVector({GetStdinPseudoFileName().c_str()});
        run.firstFile = 0;
    }

    CRT::Pipe packetPipe(kPacketRead, kPacketReadOs, CRT::Pipe::ReadEnd, true);
    CRT::Pipe replyPipe(kReplyWrite, kReplyWriteOs, CRT::Pipe::WriteEnd, true);
    run.packetPipe = &packetPipe;
    if (frontEnd)
        LinkFrontEnd(packetPipe, replyPipe);
    else
        replyPipe.CloseBoth();
    packetPipe.MakeInheritable(kPacketWrite, kPacketWriteOs, CRT::Pipe::WriteEnd, true);
    packetPipe.MakeInheritable(CRT::Pipe::ReadEnd, false);

    run.fileList.reset(
        new CRT::Pipe(fileListFdVariable_, fileListOsVariable_, CRT::Pipe::ReadEnd, true));

    CRT::Pipe stderrPipe(CRT::Pipe::NoneInheritable, false);
    run.stderrReadFd = stderrPipe.GetFd(CRT::Pipe::ReadEnd);
    Workers workers(objects.hasQuit);
    if (!frontEnd)
        workers.Create(Workers::Correspondent, CorrespondentThreadProc, &run);
    workers.Create(Workers::Feeder, FeederThreadProc, &run);
    workers.Create(Workers::StdErrReader, StdErrReaderThreadProc, &run);

    const CRT::Process engine = LaunchEngine(engineProgram_, script.ScriptName(), stderrPipe);
    if (frontEnd)
        AnnounceEngine(engine, frontEnd_, frontEndWindow_);

    workers.Resume(Workers::StdErrReader);
    if (frontEnd) {
        packetPipe.CloseBoth();
        replyPipe.CloseBoth();
    } else {
        packetPipe.CloseImp(CRT::Pipe::WriteEnd);
    }
    run.fileList->CloseImp(CRT::Pipe::ReadEnd);
    workers.Resume(Workers::Feeder);

    // The engine's partner: the correspondent here, or the front-end. A
    // front-end that ends first leaves the engine without answers, and the
    // feeder without its end-of-file events: the run stops.
    HANDLE partner;
    if (frontEnd) {
        partner = frontEnd_.get();
    } else {
        workers.Resume(Workers::Correspondent);
        partner = workers.Handle(Workers::Correspondent);
    }
    const DWORD first = Win32::WaitForEither(engine.get(), partner);
    CheckWait(first);
    if (first == WAIT_OBJECT_0 || frontEnd)
        objects.hasQuit.Set();
    if (frontEnd)
        engine.Wait();
    else
        Win32::WaitAll(engine.get(), partner);

    objects.hasQuit.Set();
    Win32::WaitAll(workers.Handle(Workers::Feeder), workers.Handle(Workers::StdErrReader));

    DWORD engineExit = 1;
    engine.GetExitCode(engineExit);
    if (engineExit != 0 || !EngineEndedNormally())
        ExitCode.Merge(2);
}

} // namespace Kyvant
