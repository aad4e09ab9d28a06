// The correspondent thread: the engine's packets read, counts passed to the feeder, the end noted.
#include "KyReplace/Console/Engine/Correspondent.h"

#include "KyReplace/Console/App/KyReplaceApp.h"
#include "KyReplace/Console/App/ReplaceRun.h"
#include "KyReplace/Console/Engine/EngineStartCheck.h"
#include "KyReplace/Console/FrontEnd/ReplaceNamedObjects.h"
#include "KyStd/Processes/PipeIO.h"

#include <stdexcept>
#include <string>

namespace Kyvant {

namespace {

int ReadInt(int fd)
{
    unsigned char b[4];
    CRT::ReadPipe(fd, b, 4);
    return static_cast<int>(b[0] | (b[1] << 8) | (b[2] << 16) |
                            (static_cast<unsigned>(b[3]) << 24));
}

// Reads packets until the normal end; throws for anything else.
void Correspond(ReplaceRun& run)
{
    CheckEngineStarted(run.objects.hasQuit);
    const int fd = run.packetPipe->GetFd(CRT::Pipe::ReadEnd);
    for (;;) {
        switch (ReadInt(fd)) {
        case 400:
            ReadInt(fd);
            break;
        case 401:
            return;
        case 402:
            throw std::runtime_error("AbEnd");
        case 403:
            break;
        case 404: {
            const int count = ReadInt(fd);
            WriteBlockWord(run.objects.ToolBlock().replacementCount, static_cast<DWORD>(count));
            if (count != 0)
                run.objects.modifiedTempFile.Set();
            run.objects.endFile.Set();
            break;
        }
        default:
            throw std::runtime_error("Received unknown code");
        }
    }
}

void WarnQuietly(CKyReplaceApp& app, const std::string& text)
{
    try {
        app.Warn(text.c_str(), true);
    } catch (...) {
    }
}

} // namespace

unsigned __stdcall CorrespondentThreadProc(void* arg)
{
    ReplaceRun& run = *static_cast<ReplaceRun*>(arg);
    bool normalEnd = false;
    try {
        Correspond(run);
        normalEnd = true;
    } catch (const std::exception& e) {
        WarnQuietly(run.app, std::string("PerlCorrespondentThreadProc exception: ") + e.what());
    } catch (const KyConApp::FatalError&) {
    } catch (...) {
        WarnQuietly(run.app, "PerlCorrespondentThreadProc: Caught unknown exception.");
    }
    try {
        run.packetPipe->CloseImp(CRT::Pipe::ReadEnd);
    } catch (...) {
    }
    if (!normalEnd)
        run.app.ExitCode.Merge(2);
    return normalEnd ? 0 : 1;
}

} // namespace Kyvant
