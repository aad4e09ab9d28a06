// The feeder thread: each file to the engine, waiting for its end, swapping it in and reporting.
#include "KyReplace/Console/Engine/Feeder.h"

#include "KyConTool/App/InOutFile.h"
#include "KyConTool/Args/FileNameIterator.h"
#include "KyReplace/Console/App/KyReplaceApp.h"
#include "KyReplace/Console/App/ReplaceRun.h"
#include "KyReplace/Console/App/ResultText.h"
#include "KyReplace/Console/App/SilentExit.h"
#include "KyReplace/Console/Engine/EngineStartCheck.h"
#include "KyReplace/Console/Engine/FileListWriter.h"
#include "KyReplace/Console/Engine/HeartbeatTerminator.h"
#include "KyReplace/Console/Files/FileSwap.h"
#include "KyReplace/Console/FrontEnd/MutexHold.h"
#include "KyReplace/Console/FrontEnd/ReplaceNamedObjects.h"
#include "KyStd/Core/Errors.h"

#include <cerrno>
#include <memory>

namespace Kyvant {

namespace {

class Feeder {
public:
    explicit Feeder(ReplaceRun& run)
        : run_(run), settings_(run.settings), objects_(run.objects),
          out_(run.fileList->GetFd(CRT::Pipe::WriteEnd))
    {
    }
    unsigned Run();

private:
    void Walk();
    void Feed(const ky_F& name);
    void FeedFailed(const ky_F& name);
    void UseTempFileBeside(const ky_F& name);
    void WaitForFileEnd();
    void Report(const char* error, const ky_S& ending);
    void Finish();
    // Results go to standard output or the front-end's log.
    bool Reporting() const { return settings_.resultsToStdout || run_.app.LogAvailable(); }

    ReplaceRun& run_;
    const ReplaceSettings& settings_;
    ReplaceNamedObjects& objects_;
    FileListWriter out_;
    ky_F currentFile_;
    bool opening_ = false;
    bool anyStdin_ = false;
    ky_F temp_; // the temporary file the engine writes; reused while unchanged
    ky_F tempFolder_;
    unsigned long totalReplacements_ = 0;
    unsigned long changedFiles_ = 0;
};

bool IsBackupName(const ky_F& name)
{
    ky_F extension(name);
    extension.ToExtension(true);
    return extension == "bak";
}

ky_F FolderOf(const ky_F& name)
{
    ky_F folder(name);
    folder.ToPathPart();
    return folder;
}

void Feeder::Walk()
{
    HeartbeatTerminator terminator(out_, objects_);
    const int count = run_.files.argc();
    char** argv = run_.files.argv();
    for (int i = run_.firstFile; i < count; ++i) {
        for (ky_filename_argv_iterator it(count, argv, i, &terminator,
                                          ky_filename_argv_iterator::ExpandVariables |
                                              ky_filename_argv_iterator::FullLongPaths),
             end;
             it != end; ++it)
            Feed(*it);
    }
}

void Feeder::Feed(const ky_F& name)
{
    if (name == settings_.scriptName || (settings_.backups && IsBackupName(name)))
        return;
    currentFile_ = name;

    MutexHold fileCheck(objects_.fileCheckMutex);
    const bool waited = !fileCheck.TryTake();
    out_.WaitFlag(waited);
    if (waited) {
        fileCheck.Wait();
        if (WaitForSingleObject(objects_.doQuit.get(), 0) == WAIT_OBJECT_0)
            throw SilentExit();
    }
    std::unique_ptr<InFile> in;
    opening_ = true;
    try {
        unsigned flags =
            settings_.binaryForced ? InFile::kNoFirstRead : InFile::kNoFirstReadOfStdin;
        if (settings_.relaxedOpening)
            flags |= InFile::kRelaxed;
        in.reset(new InFile(name, flags));
    } catch (const KyConApp::NonFatalError&) {
        opening_ = false;
        fileCheck.Release();
        FeedFailed(name);
        currentFile_.clear();
        return;
    }
    opening_ = false;
    fileCheck.Release();

    const bool isStdin = name == KyConApp::GetStdinPseudoFileName();
    anyStdin_ = anyStdin_ || isStdin;
    out_.FileRecord(name, settings_.binaryForced || (!isStdin && in->IsBinary()));
    if (!isStdin) {
        UseTempFileBeside(name);
        out_.TempName(temp_);
    }
    WaitForFileEnd();

    if (WaitForSingleObject(objects_.modifiedTempFile.get(), 0) == WAIT_OBJECT_0) {
        SwapResult swap;
        if (!isStdin) {
            in->Close();
            swap = SwapIntoPlace(name, temp_, settings_.backups);
            temp_.clear();
        }
        if (Reporting()) {
            const unsigned long count = ReadBlockWord(objects_.ToolBlock().replacementCount);
            totalReplacements_ += count;
            ++changedFiles_;
            run_.app.SayResult(ResultLine(name, count, swap.backedUp ? &swap.backupName : nullptr),
                               settings_.resultsToStdout && !isStdin);
        }
    }
    in.reset();
    currentFile_.clear();
}

// The engine answers a failed-file record like a file (count 0).
void Feeder::FeedFailed(const ky_F& name)
{
    out_.FailedRecord(name);
    WaitForFileEnd();
    objects_.modifiedTempFile.Reset();
    if (settings_.stopOnError) {
        out_.EndOfList();
        run_.app.ThrowFatalError();
    }
}

// One temporary file serves the files of one folder until the engine
// changes one of them.
void Feeder::UseTempFileBeside(const ky_F& name)
{
    const ky_F folder = FolderOf(name);
    if (!temp_.empty() && folder != tempFolder_) {
        DeleteFileA(temp_.c_str());
        temp_.clear();
    }
    if (temp_.empty()) {
        ky_F temp(name);
        temp.ToTempFileName(true);
        temp_ = temp;
        tempFolder_ = folder;
    }
}

void Feeder::WaitForFileEnd()
{
    // The end of the file is listed first: a file the engine finished
    // counts even when the engine ended right after it.
    const HANDLE handles[2] = {objects_.endFile.get(), objects_.hasQuit.get()};
    const DWORD result = WaitForMultipleObjects(2, handles, FALSE, INFINITE);
    if (result == WAIT_OBJECT_0)
        return;
    if (result == WAIT_OBJECT_0 + 1)
        throw rtl_error(errno != 0 ? errno : EPIPE);
    throw os_error();
}

void Feeder::Report(const char* error, const ky_S& ending)
{
    try {
        run_.app.Warn(ErrorReport(currentFile_, error, ending).c_str(), true);
    } catch (...) {
    }
}

unsigned Feeder::Run()
{
    bool complete = false;
    try {
        CheckEngineStarted(objects_.hasQuit);
        Walk();
        out_.EndOfList();
        complete = true;
    } catch (const SilentExit&) {
    } catch (const KyConApp::FatalError&) {
        if (opening_) {
            try {
                out_.ShortEndOfList();
            } catch (...) {
            }
        }
    } catch (const SwapError& e) {
        Report(e.what(), SwapEnding(e));
    } catch (const rtl_error& e) {
        // A broken pipe or a vanished engine is only news when the engine
        // did not end normally.
        if (!EngineEndedNormally())
            Report(e.what(), OriginalUnalteredEnding());
    } catch (const std::exception& e) {
        Report(e.what(), OriginalUnalteredEnding());
    } catch (...) {
        Report("Caught unknown exception", OriginalUnalteredEnding());
    }
    Finish();
    if (!complete)
        run_.app.ExitCode.Merge(2);
    return complete ? 0 : 1;
}

// The total line, also after an error; then the engine's list is closed
// and the temporary file removed.
void Feeder::Finish()
{
    try {
        if (Reporting())
            run_.app.SayResult(TotalLine(totalReplacements_, changedFiles_),
                               settings_.resultsToStdout && !anyStdin_);
    } catch (...) {
    }
    try {
        run_.fileList->CloseImp(CRT::Pipe::WriteEnd);
    } catch (...) {
    }
    if (!temp_.empty())
        DeleteFileA(temp_.c_str());
}

} // namespace

unsigned __stdcall FeederThreadProc(void* arg)
{
    Feeder feeder(*static_cast<ReplaceRun*>(arg));
    return feeder.Run();
}

} // namespace Kyvant
