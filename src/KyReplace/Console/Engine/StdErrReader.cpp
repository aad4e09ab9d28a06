// The thread that reads the engine's standard error and warns one line at a time.
#include "KyReplace/Console/Engine/StdErrReader.h"

#include "KyReplace/Console/App/KyReplaceApp.h"
#include "KyReplace/Console/App/ReplaceRun.h"
#include "KyReplace/Console/Engine/LineSplitter.h"

#include <io.h>

#include <stdexcept>
#include <string>

namespace Kyvant {

unsigned __stdcall StdErrReaderThreadProc(void* arg)
{
    ReplaceRun& run = *static_cast<ReplaceRun*>(arg);
    CKyReplaceApp& app = run.app;
    try {
        LineSplitter lines([&app](const std::string& line) { app.Warn(line.c_str(), true); });
        char buffer[1024];
        int n;
        while ((n = _read(run.stderrReadFd, buffer, sizeof buffer - 1)) > 0)
            lines.Feed(buffer, static_cast<unsigned>(n));
        lines.Finish();
    } catch (const std::exception& e) {
        try {
            app.Warn((std::string("PerlStdErrReader exception: ") + e.what()).c_str(), true);
        } catch (...) {
        }
    } catch (const KyConApp::FatalError&) {
    } catch (...) {
        try {
            app.Warn("PerlStdErrReader: Caught unknown exception.", true);
        } catch (...) {
        }
    }
    return 0;
}

} // namespace Kyvant
