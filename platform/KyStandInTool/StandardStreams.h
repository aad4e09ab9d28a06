// A task's standard output and error: pointed at the write ends of the
// task's pipes, and ended before the process ends, so that the reader of a
// pipe sees its end: what the C runtime buffers is written, then the
// descriptor is closed. A stream is ended once per connection: ending it
// again does nothing, so that it never closes a descriptor that the number
// was given to meanwhile (the next file opened gets the lowest free one).
#pragma once

#include <windows.h>

namespace Kyvant {
namespace StandIn {

enum class StandardStream { Output, Error };

// The stream writes into the handle from now on (in the C runtime's mode,
// _O_BINARY or _O_TEXT); the handle is the C runtime's, also when this
// fails. Throws rtl_error.
void ConnectStandardStream(StandardStream stream, HANDLE writeEnd, int mode);

// False when the buffered bytes could not be written; the descriptor is
// closed all the same.
bool EndStandardStream(StandardStream stream);

} // namespace StandIn
} // namespace Kyvant
