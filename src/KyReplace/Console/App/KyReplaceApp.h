// The console replace program's application object. It turns the command
// line into the engine's configuration, starts the engine with its script,
// and runs the feeder, the engine's correspondent (or hands the engine's
// channels to the Replace front-end) and the engine's standard-error reader
// until the engine ends. With a front-end, warnings, errors and results
// also go to the front-end's log.
#pragma once

#include "KyConTool/App/KyConApp.h"
#include "KyReplace/Console/FrontEnd/LogSender.h"
#include "KyStd/Core/CritSec.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Processes/Process.h"
#include "KyStd/Strings/String.h"
#include "KyStd/Win32/SharedMemory.h"
#include "KyStd/Win32/SyncObjects.h"

#include <windows.h>

#include <memory>

namespace Kyvant {

class ReplaceNamedObjects;

class CKyReplaceApp : public KyConApp {
public:
    // Reads the engine program's name (registry value PerlAppName).
    CKyReplaceApp();
    ~CKyReplaceApp() override;

    void Main(int argc, char** argv) override;
    // With getopt's optvalue '?': the help file, then a fatal end.
    void Usage() override;
    // Finds or starts the Replace front-end; true when its task dialog was
    // accepted.
    bool RunGuiTarget(const char* const* argv) override;
    // Also to the front-end's log: warnings as kind 1, errors as kind 2.
    void Warn(const char* text, bool prefix) override;
    void SayFatal(const char* text, bool prefix) override;

    // The program name for messages given before Go runs.
    void TakeProgramName(const char* argv0);
    // The start-up objects; set before Go.
    void UseNamedObjects(ReplaceNamedObjects* objects) { objects_ = objects; }
    ReplaceNamedObjects& Objects();

    // A result line, written to standard output when toStdout, and to the
    // front-end's log.
    void SayResult(const ky_S& line, bool toStdout);

    // Whether a Replace front-end takes part in this run.
    bool FrontEndAttached() const { return !frontEnd_.empty(); }
    // Whether lines reach the front-end's log.
    bool LogAvailable() const { return log_.Available(); }

    const ky_F& EngineProgram() const { return engineProgram_; }

private:
    void OpenFrontEndBlock();
    // The link steps of Main with a front-end: see FrontEndLink.h.
    void LinkFrontEnd(CRT::Pipe& packetPipe, CRT::Pipe& replyPipe);

    ky_F engineProgram_;
    // Where the engine finds the file-list pipe's read end.
    ky_I fileListFdVariable_;
    ky_I fileListOsVariable_;
    ReplaceNamedObjects* objects_;
    // Serialises console output of results, warnings and errors and the log
    // sender; the same thread may enter it again.
    Win32::CritSec outputLock_;

    // The front-end: its process, the block it answers the dialog in, the
    // event it sets when the dialog ends, and its window.
    CRT::Process frontEnd_;
    std::unique_ptr<Win32::SharedMemory> frontEndBlock_;
    Win32::Event dialogEnd_;
    HWND frontEndWindow_;
    LogSender log_;
};

} // namespace Kyvant
