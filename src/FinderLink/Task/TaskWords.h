// What every front-end's task link with its console tool shares: the words
// of the 1,024-byte task block, the text message to the frame and the
// results reader's outcomes.
#pragma once

#include <windows.h>

namespace Kyvant {
namespace FinderLink {

const unsigned kBlockSize = 1024;

// Byte offsets of the block's little-endian 32-bit words.
enum BlockWord : unsigned {
    kFrameWindow = 0,     // the frame: target of the tool's messages
    kFrontEndProcess = 4, // inheritable handle of the front-end's process
    kDialogResult = 8,    // 1 accepted, 0 cancelled
    kResultsPipe = 12,    // read end of the results pipe, valid in the front-end
    kMessagePipe = 16,    // read end of the message pipe, valid in the front-end
    kReadersStarted = 20, // 1 once both readers run
};

// wParam: a heap Kyvant::ky_S that the receiver shows and frees.
const UINT kTextMessage = WM_APP + 0xFA;

// The results reader's end, the wParam of the task-end message.
enum ReaderResult : int {
    kAllRead = 1,
    kReadFailed = 0,
    kNotStarted = -1, // the readers-started word was 0
};

} // namespace FinderLink
} // namespace Kyvant
