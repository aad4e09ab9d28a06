// What main does: the application and start-up objects, help for "-?", the run and its errors.
#include "KyReplace/Console/App/RunKyReplace.h"

#include "KyConTool/App/GetOpt.h"
#include "KyReplace/Console/App/KyReplaceApp.h"
#include "KyReplace/Console/FrontEnd/ReplaceNamedObjects.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Shell/ComError.h"

#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

namespace Kyvant {

namespace {

void ThrowBadAllocation()
{
    throw ky_bad_alloc();
}

} // namespace

int RunKyReplace(int argc, char** argv)
{
    std::set_new_handler(ThrowBadAllocation);
    std::setlocale(LC_ALL, "");

    std::unique_ptr<CKyReplaceApp> app;
    try {
        app.reset(new CKyReplaceApp);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "KyReplace: %s\n", e.what());
        return 2;
    }
    app->TakeProgramName(argc > 0 ? argv[0] : nullptr);

    // The start-up objects are made here rather than before main, so that a
    // failure to make them is reported like any other.
    std::unique_ptr<ReplaceNamedObjects> objects;
    try {
        objects.reset(new ReplaceNamedObjects);
        app->UseNamedObjects(objects.get());
        if (argc == 2 && std::strncmp(argv[1], "-?", 2) == 0) {
            optvalue = '?';
            app->Usage();
        }
        app->Go(argc, argv);
    } catch (const KyConApp::FatalError&) {
    } catch (const KyConApp::NonFatalError&) {
        app->FatalExit("main: Error: Caught non-fatal exception", true);
    } catch (const _com_error& e) {
        app->FatalExit(e.ErrorMessage(), true);
    } catch (const std::exception& e) {
        app->FatalExit(e.what(), true);
    }
    return app->ExitCode;
}

} // namespace Kyvant
