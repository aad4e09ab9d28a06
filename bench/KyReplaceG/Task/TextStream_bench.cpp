// The file text of packets 407 to 409 on its way to the view: 50 MB
// written to a pipe as 408 pieces of 4 KB and of 64 KB, read by the reader
// thread and served through the chunk buffer to the view's stream callback
// on the window's thread. The baseline, in the same run, copies the same
// bytes in the same pieces through an anonymous pipe from a writer thread
// into a buffer. Prints MB/s of both and the ratio, best of three rounds.
//
// Run: wine build/bin/KyReplaceG_text_bench.exe
#include "BenchSupport.h"

#include "KyReplace/Gui/Packets/PacketCodes.h"
#include "KyReplace/Gui/Packets/PacketOutput.h"
#include "KyReplace/Gui/Task/PacketReader.h"
#include "KyReplace/Gui/Task/ReplaceMessages.h"
#include "KyReplace/Gui/Task/TextChunks.h"
#include "KyStd/Processes/PipeIO.h"
#include "KyStd/Win32/SyncObjects.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace Kyvant;
using KyBench::Now;

const size_t kTextSize = 50 * 1024 * 1024;
const unsigned kPipeSize = 0x10000;
const int kRounds = 3;
const double kMegabyte = 1024.0 * 1024.0;

std::string Text()
{
    std::string text(kTextSize, ' ');
    unsigned seed = 1;
    for (char& c : text) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(' ' + (seed >> 16) % 95);
    }
    return text;
}

struct Pipe {
    int fds[2] = {-1, -1};
    Pipe() { _pipe(fds, kPipeSize, _O_BINARY); }
    ~Pipe()
    {
        CloseWriteEnd();
        _close(fds[0]);
    }
    void CloseWriteEnd()
    {
        if (fds[1] >= 0)
            _close(fds[1]);
        fds[1] = -1;
    }
};

// The view's part: 407 is answered at once and the text streamed through
// the callback; 401 ends the run.
struct ViewSide {
    TextChunks* chunks = nullptr;
    HANDLE hasQuit = nullptr;
    HANDLE abort = nullptr;
    std::vector<char> received;
    size_t size = 0;
    bool done = false;
};

LRESULT CALLBACK ViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    ViewSide* view = reinterpret_cast<ViewSide*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message != kPerlPacketMessage || !view)
        return DefWindowProcA(window, message, wParam, lParam);
    if (wParam == kPacketTextSize) {
        ReplyMessage(0);
        TextStream stream(*view->chunks, view->hasQuit, view->abort);
        view->size = 0;
        LONG got = 0;
        while (TextStream::Callback(reinterpret_cast<DWORD_PTR>(&stream),
                                    reinterpret_cast<LPBYTE>(view->received.data() + view->size),
                                    static_cast<LONG>(view->received.size() - view->size),
                                    &got) == 0 &&
               got > 0)
            view->size += static_cast<size_t>(got);
    } else if (wParam == kPacketEnd || wParam == kPacketAbEnd) {
        view->done = true;
    }
    return 0;
}

HWND CreateViewWindow(ViewSide& view)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ViewProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KyReplaceGBenchView";
    RegisterClassA(&wc);
    HWND window = CreateWindowA(wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                wc.hInstance, nullptr);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&view));
    return window;
}

// Seconds for the text through 407, its pieces and 409 into the callback.
double Packets(const std::string& text, size_t piece, bool& exact)
{
    Pipe pipe;
    TextChunks chunks;
    Win32::Event hasQuit(true), abort(true);
    ViewSide view;
    view.chunks = &chunks;
    view.hasQuit = hasQuit.get();
    view.abort = abort.get();
    view.received.resize(text.size() + 1);
    HWND window = CreateViewWindow(view);
    PacketReader reader(pipe.fds[0], window, chunks, hasQuit.get(), abort.get());

    const double start = Now();
    std::thread writer([&] {
        PacketOutput(kPacketTextSize).Int(static_cast<int>(text.size())).WriteTo(pipe.fds[1]);
        PacketOutput packet;
        for (size_t at = 0; at < text.size(); at += piece) {
            packet.Clear();
            const size_t n = std::min(piece, text.size() - at);
            packet.Int(kPacketTextPiece).Text(text.data() + at, static_cast<unsigned>(n));
            packet.WriteTo(pipe.fds[1]);
        }
        PacketOutput(kPacketTextEnd).Int(kPacketEnd).WriteTo(pipe.fds[1]);
    });
    std::thread readerThread([&] { reader.Run(nullptr); });
    // Sent messages are served while peeking; GetMessage would not return
    // after the last of them.
    MSG msg;
    while (!view.done) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    const double seconds = Now() - start;
    writer.join();
    readerThread.join();
    DestroyWindow(window);
    exact = view.size == text.size() && std::equal(text.begin(), text.end(), view.received.begin());
    return seconds;
}

// Seconds for the same bytes, in the same pieces, copied through a pipe.
double RawCopy(const std::string& text, size_t piece, bool& exact)
{
    Pipe pipe;
    std::vector<char> received(text.size());
    const double start = Now();
    std::thread writer([&] {
        for (size_t at = 0; at < text.size(); at += piece)
            CRT::WritePipe(pipe.fds[1], text.data() + at,
                           static_cast<unsigned>(std::min(piece, text.size() - at)));
        pipe.CloseWriteEnd();
    });
    size_t size = 0;
    std::vector<char> buffer(piece);
    int got;
    while ((got = _read(pipe.fds[0], buffer.data(), static_cast<unsigned>(piece))) > 0) {
        std::copy(buffer.begin(), buffer.begin() + got, received.begin() + size);
        size += static_cast<size_t>(got);
    }
    const double seconds = Now() - start;
    writer.join();
    exact = size == text.size() && std::equal(text.begin(), text.end(), received.begin());
    return seconds;
}

} // namespace

int main()
{
    const std::string text = Text();
    std::printf("%.0f MB of file text, best of %d rounds\n", kTextSize / kMegabyte, kRounds);
    bool allExact = true;
    for (size_t piece : {size_t(4096), size_t(65536)}) {
        double packets = 1e9, raw = 1e9;
        for (int round = 0; round < kRounds; ++round) {
            bool exact = false;
            packets = std::min(packets, Packets(text, piece, exact));
            allExact = allExact && exact;
            raw = std::min(raw, RawCopy(text, piece, exact));
            allExact = allExact && exact;
        }
        const double packetsRate = kTextSize / kMegabyte / packets;
        const double rawRate = kTextSize / kMegabyte / raw;
        std::printf("%6zu-byte pieces: packets to the stream %7.1f MB/s, raw pipe copy %7.1f MB/s, "
                    "ratio %.2f\n",
                    piece, packetsRate, rawRate, packetsRate / rawRate);
    }
    std::printf("text %s\n", allExact ? "byte-exact" : "DIFFERS");
    return allExact ? 0 : 1;
}
