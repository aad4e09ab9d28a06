// One replace rule and the plan-wide options as the engine receives them.
#pragma once

#include <string>

namespace Kyvant {
namespace PerlGlue {

struct RuleSpec {
    std::string find;
    std::string replace;
    bool enabled = true;
    bool ignoreCase = false;      // i
    bool wholeWords = false;      // w
    bool dotMatchesNL = false;    // s
    bool regEx = false;           // r
    bool legibleRegEx = false;    // x
    bool noConfirm = false;       // n
    bool evalReplacement = false; // e
    bool doubleQuote = false;     // d
};

struct EngineOptions {
    bool relaxedOpening = false;  // A: binary files and protected attributes accepted silently
    bool backups = false;         // B
    bool binaryMode = false;      // I
    bool lineMode = false;        // L
    bool noConfirm = false;       // N
    bool resultsToStdout = false; // V
};

} // namespace PerlGlue
} // namespace Kyvant
