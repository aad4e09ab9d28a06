// Warnings of the development-environment code through the console application, when there is one.
#include "KyConTool/DevEnv/DevEnvWarning.h"

#include "KyConTool/App/KyConApp.h"

#include <stdexcept>

namespace Kyvant {
namespace DevEnv {

bool Warn(const char* text, bool nonFatal)
{
    KyConApp* app = nullptr;
    try {
        app = &KyConApp::Instance();
    } catch (const std::logic_error&) {
        return false;
    }
    if (nonFatal)
        app->ExitCode.Merge(1);
    app->Warn(text, true);
    return true;
}

} // namespace DevEnv
} // namespace Kyvant
