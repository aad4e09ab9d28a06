// The console side of the link to the Replace front-end once its task
// dialog was accepted: the front-end receives the engine's packet and reply
// channels and the log pipe as handles of its own through the link block,
// answers with its window, and is later told the engine's process.
#pragma once

#include "KyStd/Processes/Pipe.h"
#include "KyStd/Processes/Process.h"

#include <windows.h>

#include <memory>

namespace Kyvant {

class ReplaceNamedObjects;

struct FrontEndConnection {
    HWND window = nullptr;          // the target of the log and engine messages
    std::unique_ptr<CRT::Pipe> log; // only the write end is left open
};

// Hands the packet pipe's read end, the reply pipe's write end and a new log
// pipe's read end to the front-end, then waits until it has taken them; a
// front-end that ends first gives std::runtime_error "Unable to initialize
// KyReplaceG.". Afterwards the reply pipe's read end is published for the
// engine and its write end is no longer inherited. Failures to hand over a
// handle throw os_error.
FrontEndConnection ConnectFrontEnd(ReplaceNamedObjects& objects, CRT::Pipe& packetPipe,
                                   CRT::Pipe& replyPipe, const CRT::Process& frontEnd);

// Gives the front-end a handle of the engine's process to watch (unless it
// has ended).
void AnnounceEngine(const CRT::Process& engine, const CRT::Process& frontEnd, HWND window);

} // namespace Kyvant
