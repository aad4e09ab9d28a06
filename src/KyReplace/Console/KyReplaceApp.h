// The console replace program's application object. It turns the command
// line into the engine's configuration, starts the engine with its script,
// and runs the feeder, the engine's correspondent and the engine's
// standard-error reader until the engine ends.
#pragma once

#include "KyConTool/KyConApp.h"
#include "KyStd/CritSec.h"
#include "KyStd/FileName.h"
#include "KyStd/Process.h"
#include "KyStd/String.h"

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
    void Warn(const char* text, bool prefix) override;
    void SayFatal(const char* text, bool prefix) override;

    // The program name for messages given before Go runs.
    void TakeProgramName(const char* argv0);
    // The start-up objects; set before Go.
    void UseNamedObjects(ReplaceNamedObjects* objects) { objects_ = objects; }
    ReplaceNamedObjects& Objects();

    // A result line, written to standard output when toStdout.
    void SayResult(const ky_S& line, bool toStdout);

    // Whether a Replace front-end takes part in this run.
    bool FrontEndAttached() const { return !frontEnd_.empty(); }

    const ky_F& EngineProgram() const { return engineProgram_; }

private:
    ky_F engineProgram_;
    // Where the engine finds the file-list pipe's read end.
    ky_I fileListFdVariable_;
    ky_I fileListOsVariable_;
    ReplaceNamedObjects* objects_;
    CRT::Process frontEnd_;
    // Serialises console output of results, warnings and errors.
    Win32::CritSec outputLock_;
};

} // namespace Kyvant
