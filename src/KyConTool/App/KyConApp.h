// The application object of every console tool: a tool derives one class,
// constructs one object in main and calls Go. Go runs Main on the command
// line, or in GUI mode first lets the tool's front-end compose it. Messages,
// per-file trouble (Gui* operations) and the exit code all go through here.
#pragma once

#include "KyConTool/Args/FileNameIterator.h"
#include "KyConTool/KyConToolExport.h"
#include "KyStd/Core/CritSec.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Processes/Process.h"
#include "KyStd/Strings/String.h"

#include <windows.h>

#include <memory>

namespace Kyvant {

namespace Win32 {
class Event;
class SharedMemory;
} // namespace Win32

class HandoffArgs;
class ProgressChannel;

class KYCONTOOL_API KyConApp {
public:
    // The process's exit status: bit 1 some file was skipped or a non-fatal
    // error was reported, bit 2 a fatal error. Other threads may merge bits.
    class KYCONTOOL_API ExitCode {
    public:
        ExitCode() : value_(0) {}
        ExitCode(const ExitCode&) = delete;
        ExitCode& operator=(const ExitCode&) = delete;

        void Merge(int bits);
        void Set(int value);
        operator int() const;

    private:
        mutable Win32::CritSec lock_;
        int value_;
    };

    // Thrown by value once the matching exit bit is merged: the run ends, or
    // the current file is skipped.
    struct FatalError {};
    struct NonFatalError {};

    // Checks a file's protected attributes, asks (GUI) or warns and skips
    // (console), and clears the bits of the clear mask when allowed; the
    // cleared bits are put back by Restore or the destructor.
    class KYCONTOOL_API GuiAttribHandler {
    public:
        GuiAttribHandler(const ky_F& file, DWORD checkMask, DWORD clearMask, bool noCheck,
                         bool clearSilently, bool isFolder);
        ~GuiAttribHandler();
        GuiAttribHandler(const GuiAttribHandler&) = delete;
        GuiAttribHandler& operator=(const GuiAttribHandler&) = delete;

        void Restore();
        // Set when the GUI end answered skip; the caller skips the file.
        bool Skip() const { return skip_; }

    private:
        void Clear(DWORD attributes);

        bool restoreNeeded_;
        bool skip_;
        DWORD clearedBits_;
        DWORD checkMask_;
        DWORD clearMask_;
        ky_F file_;
    };

    // Told every item that GuiProcessFoldersAndFiles enumerates.
    class KYCONTOOL_API FileDetailProcessor {
    public:
        virtual ~FileDetailProcessor();
        // details is null when the item has none (a name from a list, a
        // missing file).
        virtual void Process(const ky_F& name, ky_filename_argv_iterator::FileDetails* details,
                             bool isFolder) = 0;
    };

    // Stops the file-name iterators when the front-end has gone.
    class KYCONTOOL_API ArgvIteratorTerminator : public ky_filename_argv_iterator::Terminator {
    public:
        void CheckTerminate() override;
    };

    // Registers the process's one application object; a second one ends
    // the process with exit code 2.
    KyConApp(const ky_F& guiTarget, const ky_S& guiDisplayName);
    virtual ~KyConApp();
    KyConApp(const KyConApp&) = delete;
    KyConApp& operator=(const KyConApp&) = delete;

    static KyConApp& Instance();

    // Pseudo file names of the standard streams, wherever a file is named.
    static const ky_F& GetStdinPseudoFileName();
    static const ky_F& GetStdoutPseudoFileName();
    static const ky_F& GetStderrPseudoFileName();
    // The argument that separates option arguments from file arguments.
    static const ky_S& GetPureShellArgSep();

    // Runs the tool once. Exceptions of Main reach the caller.
    void Go(int argc, char** argv);
    void SetGuiDisplayName(const ky_S& name) { guiDisplayName_ = name; }

    // The tool's work.
    virtual void Main(int argc, char** argv) = 0;
    // Points to the help option, then ends the run (fatal).
    virtual void Usage();
    // Starts the front-end (argv: its program and NULL) and waits until it
    // hands the command line back (true) or gives up (false).
    virtual bool RunGuiTarget(const char* const* argv);

    // Messages: with prefix, "<program name>: " goes first; each ends with a
    // newline and is flushed. Say writes to standard output, the rest to
    // standard error; Warn and SayFatal also show a box in the front-end.
    virtual void Say(const char* text, bool prefix);
    virtual void SayStderr(const char* text, bool prefix);
    virtual void Warn(const char* text, bool prefix);
    virtual void SayFatal(const char* text, bool prefix);
    virtual void Fatal(const char* text, bool prefix);
    virtual void FatalExit(const char* text, bool prefix);
    virtual void FatalUsage(const char* text, bool prefix);

    [[noreturn]] void ThrowFatalError();
    void ThrowFatalErrorIf(bool condition);
    [[noreturn]] void ThrowNonFatalError();

    // Per-file progress and trouble: questions to the front-end in GUI mode,
    // warnings and skips on standard error in console mode.
    bool GuiStartFsObject(const ky_F& name, bool isFolder);
    bool GuiStartFolder(const ky_F& name, bool isFolder);
    void GuiStartFolder(const ky_F& name);
    void GuiStartFile(const ky_F& name);
    // True: go on; false: skip the object.
    bool GuiCheckIfFsObjectExists(const ky_F& name, bool noCheck, bool isFolder);
    // True: process the binary file anyway; false: skip it.
    bool GuiQueryForBinaryFile(const ky_F& name);
    // Reports a Win32 error code (isOsError) or errno for the object and
    // skips it or ends the run.
    [[noreturn]] void GuiQueryError(const ky_F& name, int error, bool isFolder, bool isOsError);
    // Ends the run when the front-end has gone (GUI mode only).
    void GuiCheckTerm();
    // Every file argument from optind on (optind advancing with them),
    // walked with ky_filename_argv_iterator: each item goes to processor.
    void GuiProcessFoldersAndFiles(int argc, char** argv, FileDetailProcessor& processor);

    // The status that the tool's main returns.
    class ExitCode ExitCode;

protected:
    bool guiFlag_;          // progress start messages are sent while set
    bool guiMode_;          // this run is a GUI hand-off
    bool startedByStarter_; // "KYVANT_KYSTARTED" was present
    ky_F guiTarget_;
    ky_S guiDisplayName_;
    ky_F programName_;
    bool guiStopped_; // the front-end stopped or went: no more boxes or summary
    std::unique_ptr<Win32::Event> doneEvent_;
    std::unique_ptr<Win32::SharedMemory> handoffBlock_;
    CRT::Process guiProcess_;
    HWND progressWindow_;

private:
    friend class ProgressChannel;

    void RunHandoff(int argc, char** argv);
    static void RemoveStarterVariables();
    void ShowSummary(bool guiMode);
    void WriteMessage(bool toStdout, const char* text, bool prefix);

    bool goCalled_;
    std::unique_ptr<HandoffArgs> received_;
};

} // namespace Kyvant
