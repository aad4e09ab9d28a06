#include "EngineRun.h"

#include "FileListReader.h"
#include "FileWork.h"
#include "KyPerlGlue/PerlConfiguration.h"
#include "KyPerlGlue/RuleSet.h"
#include "KyPerlGlue/ScriptFile.h"
#include "KyStd/HandleTags.h"
#include "KyStd/PipeIO.h"
#include "KyStd/SyncObjects.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
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

void Complain(const std::string& text)
{
    std::fprintf(stderr, "KyPerl: %s\n", text.c_str());
    std::fflush(stderr);
}

// A pipe end the replace program made inheritable and named in the
// environment by its OS handle.
int InheritedPipe(const char* variable, int mode)
{
    const char* value = std::getenv(variable);
    if (!value || !*value)
        throw std::runtime_error(std::string("Missing environment variable ") + variable);
    char* end = nullptr;
    const unsigned long handle = std::strtoul(value, &end, 10);
    if (*end || handle == 0)
        throw std::runtime_error(std::string("Bad handle in ") + variable);
    const int fd = _open_osfhandle(static_cast<intptr_t>(handle), mode | _O_BINARY);
    if (fd == -1)
        throw std::runtime_error(std::string("Unusable handle in ") + variable);
    return fd;
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
    try {
        script = PerlGlue::ReadScript(switches.scriptName.c_str());
        PerlGlue::ValidateRules(script.rules);
        rules.reset(new PerlGlue::RuleSet(script.rules));
        if (NeedsConfirmation(script))
            throw std::runtime_error(
                "Replace Rule confirmation was requested, but no front-end is there to ask.");
        ready = Win32::Event(KyOpen, script.readyEventName.c_str());
        normalExit = Win32::Event(KyOpen, script.normalExitEventName.c_str());
        listFd = InheritedPipe("KYVANT_PIPE_READ_HDL_OS_HDL", _O_RDONLY);
        packetFd =
            InheritedPipe("KYVANT_PERL_GUI_CONFIRMER_OUTPUT_PIPE_WRITE_HDL_OS_HDL", _O_WRONLY);
    } catch (const std::exception& e) {
        Complain(e.what());
        return 2;
    }
    ready.Set();

    for (const std::string& line : switches.stderrLines)
        Complain(line);

    bool anyFailed = false;
    Timing timing;
    unsigned long files = 0;
    try {
        Trace trace(switches.traceFile, switches.scriptName);
        FileListReader reader(listFd);
        for (;;) {
            timing.Mark(timing.work);
            const FileListItem item = reader.Next();
            timing.Mark(timing.wait);
            trace.Write(item);
            if (item.kind == FileListItem::End)
                break;
            if (item.kind == FileListItem::Heartbeat)
                continue;
            if (item.kind == FileListItem::Failed) {
                SendFileDone(packetFd, 0);
                continue;
            }
            if (switches.abendOnFirstFile)
                throw std::runtime_error("Ending abnormally as the test asked");
            unsigned long count = 0;
            ++files;
            try {
                count = ProcessFile(item, *rules, script.options);
            } catch (const std::runtime_error& e) {
                Complain(e.what());
                anyFailed = true;
            }
            SendFileDone(packetFd, count);
        }
        SendPacket(packetFd, kEndNormal);
    } catch (const std::exception& e) {
        Complain(e.what());
        const int code = kEndAbnormal;
        CRT::WritePipe(std::nothrow, packetFd, &code, 4);
        return 3;
    }
    _close(packetFd);
    timing.Write(switches.timingFile, files);
    if (!switches.stderrTail.empty()) {
        std::fputs(switches.stderrTail.c_str(), stderr);
        std::fflush(stderr);
    }
    normalExit.Set();
    return anyFailed ? 1 : 0;
}

} // namespace KyPerl
} // namespace Kyvant
