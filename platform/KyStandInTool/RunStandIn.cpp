// Running a stand-in's application object with KyConTool's exit codes.
#include "KyStandInTool/RunStandIn.h"

#include "KyConTool/App/KyConApp.h"
#include "KyStd/Shell/ComError.h"

#include <clocale>
#include <exception>

namespace Kyvant {
namespace StandIn {

int RunStandIn(KyConApp& app, int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    try {
        app.Go(argc, argv);
    } catch (const KyConApp::FatalError&) {
    } catch (const KyConApp::NonFatalError&) {
        app.FatalExit("main: Error: Caught non-fatal exception", true);
    } catch (const _com_error& e) {
        app.FatalExit(e.ErrorMessage(), true);
    } catch (const std::exception& e) {
        app.FatalExit(e.what(), true);
    }
    return app.ExitCode;
}

} // namespace StandIn
} // namespace Kyvant
