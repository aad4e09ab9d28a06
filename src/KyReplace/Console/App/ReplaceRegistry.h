// The replace engine's settings under HKCU "Software\Kyvant\Tools\Shared":
// PerlAppName (the engine program, default "KyPerl.exe") and PerlOptions
// (words put before the script's name, default none).
#pragma once

#include "KyStd/Strings/String.h"

namespace Kyvant {

ky_S ReadEngineProgramName();
ky_S ReadEngineOptions();

} // namespace Kyvant
