// One run of the engine, from reading its script to its exit code.
#pragma once

#include "EngineSwitches.h"

namespace Kyvant {
namespace KyPerl {

// 0 after a normal end (also one the front-end asked for), 1 when some
// file could not be processed, 2 when the engine could not start, 3 after
// an abnormal end.
int RunEngine(const EngineSwitches& switches);

} // namespace KyPerl
} // namespace Kyvant
