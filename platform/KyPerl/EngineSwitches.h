// The engine's command line: switches, then the script file's name. The
// "--test-..." switches let tests drive the engine's failure paths.
#pragma once

#include "FrontEndTests.h"

#include <string>
#include <vector>

namespace Kyvant {
namespace KyPerl {

struct EngineSwitches {
    std::string scriptName;
    std::vector<std::string> stderrLines; // --test-stderr-line=TEXT: written after readiness
    std::string stderrTail;               // --test-stderr-tail=TEXT: written last, no newline
    std::string traceFile;                // --test-trace=FILE: the file-list items received
    std::string timingFile;               // --test-timing=FILE: time working and waiting
    bool abendOnFirstFile = false;        // --test-abend: ends abnormally at the first file
    bool neverReady = false;              // --test-never-ready: exits before readiness
    FrontEndTests frontEnd;               // FrontEndTests.h
};

// Throws std::runtime_error for an unknown switch or a missing script name.
EngineSwitches ParseSwitches(int argc, char** argv);

} // namespace KyPerl
} // namespace Kyvant
