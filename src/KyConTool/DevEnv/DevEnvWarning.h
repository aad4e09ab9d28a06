// Warnings of the development-environment code. They go through the console
// application's Warn; a process without an application object (a GUI option
// page asking for an environment) has nowhere to show them.
#pragma once

namespace Kyvant {
namespace DevEnv {

// Warns through the application object, first merging exit bit 1 when
// nonFatal is set; false when the process has no application object.
bool Warn(const char* text, bool nonFatal);

} // namespace DevEnv
} // namespace Kyvant
