// The body of a stand-in's main: runs the application object and turns what
// escapes it into KyConTool's exit codes (2 for a fatal error).
#pragma once

namespace Kyvant {

class KyConApp;

namespace StandIn {

int RunStandIn(KyConApp& app, int argc, char** argv);

} // namespace StandIn
} // namespace Kyvant
