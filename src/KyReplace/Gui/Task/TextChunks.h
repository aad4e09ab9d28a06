// The file text of packets 407 to 409 on its way from the reader thread to
// the view's stream, one piece at a time through one buffer: the reader
// fills it only after GUI-ready, the view reads it only after chunk-ready
// (both events auto reset). An empty buffer after chunk-ready ends the text.
#pragma once

#include "KyStd/Strings/String.h"
#include "KyStd/Win32/SyncObjects.h"

#include <windows.h>

namespace Kyvant {

class TextChunks {
public:
    TextChunks(); // both events clear
    TextChunks(const TextChunks&) = delete;
    TextChunks& operator=(const TextChunks&) = delete;

    // The reader's side.
    enum class GuiWait { Ready, HasQuit, Aborted };
    // A new text (407): an empty buffer, both events clear.
    void Restart();
    // Waits for GUI-ready, or for hasQuit or abort, whichever comes first;
    // a GUI-ready that is set wins.
    GuiWait WaitForGui(HANDLE hasQuit, HANDLE abort) const;
    // Gives GUI-ready back unused (the view still waits for a piece).
    void KeepGuiWaiting() const { guiReady_.Set(); }
    ky_S& Buffer() { return buffer_; }
    void SignalChunk() const { chunkReady_.Set(); }

    // The view's side.
    const ky_S& Buffer() const { return buffer_; }
    void SignalGuiReady() const { guiReady_.Set(); }
    HANDLE ChunkReady() const { return chunkReady_.get(); }

private:
    ky_S buffer_;
    Win32::Event guiReady_;
    Win32::Event chunkReady_;
};

// The view's stream of one file text, for a rich edit's EM_STREAMIN: bytes
// from the buffer, the next piece asked for when it is used up. The text
// breaks off when hasQuit or abort is set instead.
class TextStream {
public:
    TextStream(const TextChunks& chunks, HANDLE hasQuit, HANDLE abort)
        : chunks_(chunks), hasQuit_(hasQuit), abort_(abort)
    {
    }

    // Up to capacity bytes into out: their count, 0 at the end of the text,
    // -1 once it broke off.
    long Read(char* out, long capacity);
    bool BrokeOff() const { return brokeOff_; }

    // An EDITSTREAM callback whose cookie is a TextStream*: 0 with the bytes
    // (none at the end), 1 when the text broke off.
    static DWORD CALLBACK Callback(DWORD_PTR cookie, LPBYTE buffer, LONG capacity, LONG* got);

private:
    const TextChunks& chunks_;
    HANDLE hasQuit_;
    HANDLE abort_;
    unsigned at_ = 0;
    bool ended_ = false;
    bool brokeOff_ = false;
};

} // namespace Kyvant
