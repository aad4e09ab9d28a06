// Packet 406 on the pipe. Single-line form: rule number, rule count, the
// window (line count, the lines), the number of its first line (from 1),
// the match's line within the window, match start within that line, match
// length, then three strings: matched text, replacing-with text,
// replacement. Multi-line form: rule number, rule count, match start in the
// whole text, match length and the three strings.
#pragma once

#include "KyReplace/Gui/Packets/PacketInput.h"
#include "KyReplace/Gui/Packets/PacketOutput.h"
#include "KyReplace/Gui/Packets/ReplPacket.h"

#include <memory>

namespace Kyvant {

// The most lines a window may hold.
constexpr int kMaxWindowLines = 10000;

// Reads the rest of a 406 packet (its code was read) and checks it before
// anything relies on it: the window's size and first line, the match's
// line inside the window, the match inside its line (single-line) or a
// range the text can hold (multi-line), the string lengths. A packet that
// breaks them throws std::runtime_error "Bad replace question: ...".
std::unique_ptr<ReplPacketBase> ReadQuestion(PacketInput& in, bool singleLine);

// A whole 406 packet, code included, in the form ReadQuestion reads: the
// single-line form for a SingleLineReplPacket.
void WriteQuestion(PacketOutput& out, const ReplPacketBase& packet);

} // namespace Kyvant
