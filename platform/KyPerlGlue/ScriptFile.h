// The engine's script: what the replace program's configuration hands to
// the engine program. A text file of tab-separated lines:
//   "KyPerl script 1"
//   "ready" <event name>, "exit" <event name>
//   "options" <plan letters that are set>
//   "rule" <"+" or "-" (enabled), then rule letters> <find> <replacement>
// Tabs, line ends, other control characters and backslashes in the texts
// are written as backslash escapes.
#pragma once

#include "KyPerlGlue/KyPerlGlueExport.h"
#include "KyPerlGlue/RuleSpec.h"

#include <string>
#include <vector>

namespace Kyvant {
namespace PerlGlue {

struct ScriptContents {
    std::string readyEventName;
    std::string normalExitEventName;
    EngineOptions options;
    std::vector<RuleSpec> rules;
};

// Throws std::runtime_error when the file cannot be written completely.
KYPERLGLUE_API void WriteScript(const char* fileName, const ScriptContents& contents);
// Throws std::runtime_error "Damaged engine script ..." for anything unexpected.
KYPERLGLUE_API ScriptContents ReadScript(const char* fileName);

} // namespace PerlGlue
} // namespace Kyvant
