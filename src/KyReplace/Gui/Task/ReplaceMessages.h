// The window messages of a replace task: KyReplace's requests to the view
// (posted, or sent by the job to show the task dialog) and the packets the
// reader thread sends.
#pragma once

#include <windows.h>

namespace Kyvant {

// wParam a ReplaceRequest. Log lines: lParam is the number of bytes (the
// text and its '\n') waiting on the log pipe.
constexpr UINT kReplaceRequestMessage = WM_APP;

enum ReplaceRequest : WPARAM {
    kRequestLogResult = 0,
    kRequestLogWarning = 1,
    kRequestLogFatal = 2,
    kRequestWatchProcess = 3, // lParam: a process handle (the engine's) valid here
    kRequestTaskDialog = 4,
};

// Sent by the reader thread, which waits until the view replies: wParam a
// PacketCode, lParam what Task/PacketReader.h lists for it.
constexpr UINT kPerlPacketMessage = WM_APP + 1;

} // namespace Kyvant
