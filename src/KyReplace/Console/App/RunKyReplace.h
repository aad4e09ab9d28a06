// What main does: the application object and the start-up objects, help
// for a lone "-?", the run, and the mapping of what escapes to messages.
#pragma once

namespace Kyvant {

// The process's exit code: 1 some file skipped or failed, 2 fatal, or both.
int RunKyReplace(int argc, char** argv);

} // namespace Kyvant
