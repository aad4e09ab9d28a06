// The names and texts that tell one front-end's task link from another's:
// the task objects (each after the protocol prefix), the console tool it
// starts, the start's errors, the results reader's end message and how the
// message reader reads.
#pragma once

#include <windows.h>

namespace Kyvant {
namespace FinderLink {

struct LinkProtocol {
    const char* blockName;       // "Kyvant_KyFindG_KyFind_ShMem"
    const char* dialogEndedName; // manual-reset events, made clear
    const char* goName;
    const char* goAwayName;
    const char* commandLine;      // the tool, found on the search path
    const char* toolMissingError; // CreateProcess failed
    const char* toolEndedError;   // the tool ended before the dialog did
    UINT taskEndMessage;          // wParam: the results reader's ReaderResult
    unsigned messageReadSize;     // bytes of each read of the message pipe
};

} // namespace FinderLink
} // namespace Kyvant
