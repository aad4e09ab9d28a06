// One run of the engine: start-up before readiness, the walk over the file list, the exit code.
#include "EngineRun.h"

#include "FileListReader.h"
#include "FileWork.h"
#include "FrontEndChannel.h"
#include "FrontEndJudge.h"
#include "InheritedPipe.h"
#include "KyPerlGlue/PerlConfiguration.h"
#include "KyPerlGlue/RuleSet.h"
#include "KyPerlGlue/ScriptFile.h"
#include "KyStd/Core/HandleTags.h"
#include "KyStd/Processes/PipeIO.h"
#include "KyStd/Win32/SyncObjects.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

namespace Kyvant {
namespace KyPerl {

namespace {

// Packet codes on the packet pipe.
const int kEndNormal = 401;
const int kEndAbnormal = 402;
const int kFileDone = 404;
// The exit code after a fault the tests asked for.
const int kFaultExitCode = 3;

void Complain(const std::string& text)
{
    std::fprintf(stderr, "KyPerl: %s\n", text.c_str());
    std::fflush(stderr);
}

void SendPacket(int fd, int code)
{
    CRT::WritePipe(fd, &code, 4);
}

void SendFileDone(int fd, unsigned long count)
{
    const int packet[2] = {kFileDone, static_cast<int>(count)};
    CRT::WritePipe(fd, packet, sizeof packet);
}

// The items received, one line each, after a line naming the script.
class Trace {
public:
    Trace(const std::string& file, const std::string& scriptName)
        : file_(file.empty() ? nullptr : std::fopen(file.c_str(), "wb"))
    {
        if (file_)
            std::fprintf(file_, "script %s\n", scriptName.c_str());
    }
    ~Trace()
    {
        if (file_)
            std::fclose(file_);
    }
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;

    void Write(const FileListItem& item)
    {
        if (!file_)
            return;
        switch (item.kind) {
        case FileListItem::Heartbeat:
            std::fprintf(file_, "heartbeat\n");
            break;
        case FileListItem::File:
            std::fprintf(file_, "wait %d file %s binary %d temp %s\n", item.waitFlag,
                         item.name.c_str(), item.binary ? 1 : 0,
                         item.isStdin ? "-" : item.tempName.c_str());
            break;
        case FileListItem::Failed:
            std::fprintf(file_, "wait %d failed %s\n", item.waitFlag, item.name.c_str());
            break;
        case FileListItem::End:
            std::fprintf(file_, "wait %d end\n", item.waitFlag);
            break;
        }
        std::fflush(file_);
    }
    // The front-end stopped the run right after this wait flag.
    void Stopped(int waitFlag)
    {
        if (file_) {
            std::fprintf(file_, "wait %d stop\n", waitFlag);
            std::fflush(file_);
        }
    }

private:
    std::FILE* file_;
};

// Seconds spent on files and seconds spent waiting for the next item,
// written at the end when asked for.
class Timing {
public:
    Timing() { QueryPerformanceFrequency(&frequency_); }
    void Mark(double& bucket)
    {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        if (last_.QuadPart != 0)
            bucket += double(now.QuadPart - last_.QuadPart) / double(frequency_.QuadPart);
        last_ = now;
    }
    void Write(const std::string& file, unsigned long files) const
    {
        if (file.empty())
            return;
        if (std::FILE* f = std::fopen(file.c_str(), "wb")) {
            std::fprintf(f, "files %lu work %.6f wait %.6f\n", files, work, wait);
            std::fclose(f);
        }
    }
    double work = 0, wait = 0;

private:
    LARGE_INTEGER frequency_{}, last_{};
};

bool NeedsConfirmation(const PerlGlue::ScriptContents& script)
{
    if (script.options.noConfirm)
        return false;
    for (const PerlGlue::RuleSpec& rule : script.rules)
        if (rule.enabled && !rule.noConfirm)
            return true;
    return false;
}

// The items of the file list until its end or a stop by the front-end.
class ListWalk {
public:
    ListWalk(const EngineSwitches& switches, int listFd, int packetFd,
             const PerlGlue::RuleSet& rules, const PerlGlue::EngineOptions& options,
             FrontEndChannel* frontEnd, FrontEndJudge* judge)
        : switches_(switches), reader_(listFd), packetFd_(packetFd), rules_(rules),
          options_(options), frontEnd_(frontEnd), judge_(judge),
          trace_(switches.traceFile, switches.scriptName)
    {
    }

    // Throws for a broken list, a failing pipe or a lost front-end.
    void Run();

    bool anyFailed = false;
    Timing timing;
    unsigned long files = 0;

private:
    // False at the end of the list.
    bool Step();

    const EngineSwitches& switches_;
    FileListReader reader_;
    int packetFd_;
    const PerlGlue::RuleSet& rules_;
    const PerlGlue::EngineOptions& options_;
    FrontEndChannel* frontEnd_;
    FrontEndJudge* judge_;
    Trace trace_;
};

void ListWalk::Run()
{
    try {
        while (Step()) {
        }
    } catch (const StopRun&) {
    } catch (const ListEnded&) {
        // A stopped replace program closes the list without its end.
        if (!frontEnd_ || !frontEnd_->StopRequested())
            throw;
    }
}

bool ListWalk::Step()
{
    timing.Mark(timing.work);
    const int waitFlag = reader_.ReadWaitFlag();
    if (frontEnd_) {
        try {
            frontEnd_->CheckPoint(true);
        } catch (const StopRun&) {
            trace_.Stopped(waitFlag);
            throw;
        }
    }
    const FileListItem item = reader_.NextAfter(waitFlag);
    timing.Mark(timing.wait);
    trace_.Write(item);
    switch (item.kind) {
    case FileListItem::End:
        return false;
    case FileListItem::Heartbeat:
        return true;
    case FileListItem::Failed:
        SendFileDone(packetFd_, 0);
        return true;
    case FileListItem::File:
        break;
    }
    if (switches_.abendOnFirstFile)
        throw std::runtime_error("Ending abnormally as the test asked");
    unsigned long count = 0;
    ++files;
    try {
        count = ProcessFile(item, rules_, options_, judge_);
    } catch (const FrontEndError&) {
        throw;
    } catch (const std::runtime_error& e) {
        Complain(e.what());
        anyFailed = true;
    }
    SendFileDone(packetFd_, count);
    return true;
}

} // namespace

int RunEngine(const EngineSwitches& switches)
{
    if (switches.neverReady)
        return 0;

    // Start: everything that can fail does so before readiness.
    std::unique_ptr<PerlGlue::RuleSet> rules;
    PerlGlue::ScriptContents script;
    Win32::Event ready, normalExit;
    int listFd = -1, packetFd = -1;
    std::unique_ptr<FrontEndChannel> frontEnd;
    try {
        script = PerlGlue::ReadScript(switches.scriptName.c_str());
        PerlGlue::ValidateRules(script.rules);
        rules.reset(new PerlGlue::RuleSet(script.rules));
        ready = Win32::Event(KyOpen, script.readyEventName.c_str());
        normalExit = Win32::Event(KyOpen, script.normalExitEventName.c_str());
        listFd = InheritedPipe("KYVANT_PIPE_READ_HDL_OS_HDL", _O_RDONLY);
        packetFd =
            InheritedPipe("KYVANT_PERL_GUI_CONFIRMER_OUTPUT_PIPE_WRITE_HDL_OS_HDL", _O_WRONLY);
        frontEnd = FrontEndChannel::FromEnvironment(packetFd, switches.frontEnd);
        if (!frontEnd && NeedsConfirmation(script))
            throw std::runtime_error(
                "Replace Rule confirmation was requested, but no front-end is there to ask.");
    } catch (const std::exception& e) {
        Complain(e.what());
        return 2;
    }
    ready.Set();

    for (const std::string& line : switches.stderrLines)
        Complain(line);

    std::unique_ptr<FrontEndJudge> judge;
    std::unique_ptr<ListWalk> walk;
    try {
        if (frontEnd) {
            frontEnd->Begin(script.options.lineMode);
            judge.reset(
                new FrontEndJudge(*frontEnd, script.options.lineMode, NeedsConfirmation(script)));
        }
        walk.reset(new ListWalk(switches, listFd, packetFd, *rules, script.options, frontEnd.get(),
                                judge.get()));
        walk->Run();
        SendPacket(packetFd, kEndNormal);
    } catch (const TestFaultSent&) {
        return kFaultExitCode;
    } catch (const std::exception& e) {
        Complain(e.what());
        const int code = kEndAbnormal;
        CRT::WritePipe(std::nothrow, packetFd, &code, 4);
        return 3;
    }
    _close(packetFd);
    walk->timing.Write(switches.timingFile, walk->files);
    if (!switches.stderrTail.empty()) {
        std::fputs(switches.stderrTail.c_str(), stderr);
        std::fflush(stderr);
    }
    normalExit.Set();
    return walk->anyFailed ? 1 : 0;
}

} // namespace KyPerl
} // namespace Kyvant
