// The replies of the front-end beyond a bare code: the line-count reply
// (800, then N) that sizes the engine's windows in single-line mode.
#pragma once

#include "KyReplace/Gui/Packets/PacketOutput.h"

namespace Kyvant {

// Windows show at least this many lines.
constexpr int kMinWindowLines = 5;

// N for a Before pane that shows visibleLines lines: the larger of 5 and
// that count, made odd by subtracting 1 when even.
int WindowLineCount(unsigned visibleLines);

// Reply 800 with its N, as one write.
PacketOutput LineCountReply(unsigned visibleLines);

} // namespace Kyvant
