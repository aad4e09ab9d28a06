// The two 64-byte shared blocks that link KyReplace with its front-end
// KyReplaceG, word by word; both programs include this header. Each name
// follows the protocol prefix.
#pragma once

#include "KyStd/Win32/HandleWord.h"

#include <windows.h>

namespace Kyvant {

// KyReplace's block, created by KyReplace: the front-end's ends of the
// pipes, then the view's window, then each finished file's count. Handles
// are valid in the front-end's process.
struct ReplaceToolBlock {
    union {
        DWORD packetPipeRead;   // first: the read end of the packet pipe
        DWORD viewWindow;       // then: the Replace view's window, written by the front-end
        DWORD replacementCount; // at the end of each file: the replacements made in it
    };
    DWORD replyPipeWrite; // the write end of the reply pipe
    DWORD logPipeRead;    // the read end of the log pipe
    DWORD unused[13];
};

// The front-end's block, created by KyReplaceG.
struct ReplaceFrontEndBlock {
    DWORD viewWindow;   // the Replace view's window handle; 0: the task is refused
    DWORD dialogFailed; // 0: the task dialog was accepted; 1: cancelled or refused
    DWORD unused[14];
};

constexpr char kReplaceToolBlockName[] = "Kyvant_KyReplace_KyReplaceG_SharedMemory";
constexpr char kReplaceFrontEndBlockName[] = "Kyvant_KyReplaceG_KyReplace_ShMem";
constexpr unsigned kReplaceBlockSize = 64;

static_assert(sizeof(ReplaceToolBlock) == kReplaceBlockSize, "the tool block has 64 bytes");
static_assert(sizeof(ReplaceFrontEndBlock) == kReplaceBlockSize,
              "the front-end block has 64 bytes");

// A word of a block as the other process last wrote it, read whole.
inline DWORD ReadBlockWord(const DWORD& word)
{
    return static_cast<DWORD>(InterlockedCompareExchange(
        reinterpret_cast<volatile LONG*>(const_cast<DWORD*>(&word)), 0, 0));
}

// Writes a word of a block whole.
inline void WriteBlockWord(DWORD& word, DWORD value)
{
    InterlockedExchange(reinterpret_cast<volatile LONG*>(&word), static_cast<LONG>(value));
}

// A window handle as a block word holds it (32 bits on every target system).
inline HWND WindowFromBlockWord(DWORD word)
{
    return Win32::WordToHandle<HWND>(word);
}

} // namespace Kyvant
