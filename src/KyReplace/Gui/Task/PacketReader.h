// The reader thread's work: reads the engine's packets from the packet
// pipe and hands each to the view by a synchronous message
// (kPerlPacketMessage, wParam the code), so at most one packet is in the
// view at a time. lParam by code:
//   400 the single-line flag     401, 403, 410: 0
//   402 a const std::exception* (the failure, kept by the reader, so it
//       stays valid after the view replied)
//   404 an int* (the replacements made in the file)
//   405 a ky_F* (the file's name)   406 a ReplPacketBase* the view then owns
//   407 the size of the file text, whose pieces (408) and end (409) go
//       through the chunk buffer to the view's stream
// The pointers of 404 and 405 are valid only while the message is handled.
// After 407 only 408 is expected (409 once the pieces reach the size, at
// once for size 0); 401 and 402 are accepted at any time.
#pragma once

#include "KyReplace/Gui/Packets/PacketInput.h"
#include "KyReplace/Gui/Task/TextChunks.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <stdexcept>

namespace Kyvant {

class PacketReader {
public:
    // hasQuit and abort end the waits for the view; the reader sets abort
    // itself when it fails.
    PacketReader(int packetFd, HWND view, TextChunks& chunks, HANDLE hasQuit, HANDLE abort);
    PacketReader(const PacketReader&) = delete;
    PacketReader& operator=(const PacketReader&) = delete;

    // What runs before the first packet; false ends the reader silently.
    using StartCheck = std::function<bool()>;

    // Reads until 401 or a failure, and never throws: a failure (of start
    // too) sets abort, then reaches the view as 402 with the exception. A
    // wait ended by abort ends the reader without a message.
    void Run(const StartCheck& start);

    bool SingleLine() const { return singleLine_; }

private:
    // Thrown when abort ends a wait.
    struct Aborted {};

    void ReadPackets();
    int ReadCode();
    bool ServePacket(int code);
    LRESULT Deliver(int code, LPARAM value);
    void StartText();
    void TakePiece();
    void EndText();
    // Waits until the view takes the next piece; when the engine has ended
    // first, a known overrun is reported as such rather than as the end.
    void WaitForGui(bool overrun = false);
    void Fail(const char* text);

    PacketInput in_;
    HWND view_;
    TextChunks& chunks_;
    HANDLE hasQuit_;
    HANDLE abort_;
    std::atomic<bool> singleLine_{false};
    int expected_ = 0; // 0: any code
    unsigned size_ = 0;
    unsigned received_ = 0;
    std::unique_ptr<std::runtime_error> failure_;
};

} // namespace Kyvant
