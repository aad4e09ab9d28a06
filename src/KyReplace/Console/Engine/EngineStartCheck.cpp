// Waiting for the engine's readiness or its quitting, and whether it ended normally.
#include "KyReplace/Console/Engine/EngineStartCheck.h"

#include "KyPerlGlue/PerlEvents.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Win32/Waits.h"

#include <stdexcept>

namespace Kyvant {

void CheckEngineStarted(const Win32::Event& hasQuit)
{
    // Readiness is listed first: an engine that became ready and then quit
    // did start.
    const DWORD result = Win32::WaitForEither(PerlGlue::g_evPerlReady.get(), hasQuit.get());
    if (result == WAIT_OBJECT_0)
        return;
    if (result == WAIT_FAILED)
        throw os_error();
    throw std::runtime_error("Perl didn't start properly.");
}

bool EngineEndedNormally()
{
    return !PerlGlue::g_evPerlNormalExit.empty() &&
           WaitForSingleObject(PerlGlue::g_evPerlNormalExit.get(), 0) == WAIT_OBJECT_0;
}

} // namespace Kyvant
