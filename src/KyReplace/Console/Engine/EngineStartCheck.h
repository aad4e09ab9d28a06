// Waits until the engine is ready to read file names; when it ends first
// (the has-quit event), throws std::runtime_error "Perl didn't start properly.".
#pragma once

#include "KyStd/Win32/SyncObjects.h"

namespace Kyvant {

void CheckEngineStarted(const Win32::Event& hasQuit);

// True once the engine has set its normal-exit event.
bool EngineEndedNormally();

} // namespace Kyvant
