// The reader thread's loop: codes checked against the expected one, packets to the view, text
// pieces.
#include "KyReplace/Gui/Task/PacketReader.h"

#include "KyReplace/Gui/Packets/PacketCodes.h"
#include "KyReplace/Gui/Packets/QuestionCodec.h"
#include "KyReplace/Gui/Task/ReplaceMessages.h"
#include "KyStd/Files/FileName.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace Kyvant {

namespace {

const int kAnyCode = 0;
const char kUnexpected[] = "Got unexpected code - 1.";
const char kUnknown[] = "Got unexpected code - 2.";
const char kOversize[] = "File size guarantee was violated.";
const char kQuitDuringText[] = "The replace engine ended while its file text waited for the view.";
const char kUnknownFailure[] = "KyReplaceG ThreadProc: Caught unknown exception.";

bool AlwaysAccepted(int code)
{
    return code == kPacketEnd || code == kPacketAbEnd;
}

} // namespace

PacketReader::PacketReader(int packetFd, HWND view, TextChunks& chunks, HANDLE hasQuit,
                           HANDLE abort)
    : in_(packetFd), view_(view), chunks_(chunks), hasQuit_(hasQuit), abort_(abort)
{
}

void PacketReader::Run(const StartCheck& start)
{
    try {
        if (WaitForSingleObject(abort_, 0) == WAIT_OBJECT_0 || (start && !start()))
            return;
        ReadPackets();
    } catch (const Aborted&) {
    } catch (const std::exception& e) {
        Fail(e.what());
    } catch (...) {
        Fail(kUnknownFailure);
    }
}

void PacketReader::Fail(const char* text)
{
    // The view's text stream must not wait for a piece that never comes.
    SetEvent(abort_);
    failure_.reset(new std::runtime_error(text));
    Deliver(kPacketAbEnd, reinterpret_cast<LPARAM>(failure_.get()));
}

LRESULT PacketReader::Deliver(int code, LPARAM value)
{
    return SendMessageA(view_, kPerlPacketMessage, static_cast<WPARAM>(code), value);
}

void PacketReader::ReadPackets()
{
    while (ServePacket(ReadCode())) {
    }
}

// The next packet's code, refused where the reader expects another or the
// code is none of the engine's.
int PacketReader::ReadCode()
{
    const int code = in_.ReadInt();
    if (expected_ != kAnyCode && code != expected_ && !AlwaysAccepted(code))
        throw std::runtime_error(kUnexpected);
    if (code < kFirstPacketCode || code > kLastPacketCode)
        throw std::runtime_error(kUnknown);
    return code;
}

// Reads the rest of one packet and hands it to the view; false after the
// task's end.
bool PacketReader::ServePacket(int code)
{
    switch (code) {
    case kPacketBegin: {
        const int flag = in_.ReadInt();
        singleLine_ = flag != 0;
        Deliver(code, flag);
        break;
    }
    case kPacketEnd:
        Deliver(code, 0);
        return false;
    case kPacketAbEnd:
        throw std::runtime_error("AbEnd");
    case kPacketEndFile: {
        int count = in_.ReadInt();
        Deliver(code, reinterpret_cast<LPARAM>(&count));
        break;
    }
    case kPacketFileName: {
        ky_F name;
        in_.ReadText(name, kMaxPacketFileName);
        Deliver(code, reinterpret_cast<LPARAM>(&name));
        break;
    }
    case kPacketQuestion: {
        std::unique_ptr<ReplPacketBase> packet = ReadQuestion(in_, singleLine_);
        Deliver(code, reinterpret_cast<LPARAM>(packet.release()));
        break;
    }
    case kPacketTextSize:
        StartText();
        break;
    case kPacketTextPiece:
        TakePiece();
        break;
    case kPacketTextEnd:
        EndText();
        break;
    default: // 403, 410
        Deliver(code, 0);
        break;
    }
    return true;
}

void PacketReader::StartText()
{
    const int size = in_.ReadInt();
    if (size < 0)
        throw std::runtime_error("Got a file text of negative size " + std::to_string(size) + ".");
    chunks_.Restart();
    size_ = static_cast<unsigned>(size);
    received_ = 0;
    expected_ = size == 0 ? kPacketTextEnd : kPacketTextPiece;
    Deliver(kPacketTextSize, size);
}

void PacketReader::WaitForGui(bool overrun)
{
    switch (chunks_.WaitForGui(hasQuit_, abort_)) {
    case TextChunks::GuiWait::Ready:
        return;
    case TextChunks::GuiWait::HasQuit:
        throw std::runtime_error(overrun ? kOversize : kQuitDuringText);
    case TextChunks::GuiWait::Aborted:
        throw Aborted();
    }
}

void PacketReader::TakePiece()
{
    // Inside an announced text the piece's length, written with its code, is
    // read before the wait: an engine that sends too much and ends at once
    // may end before the view asks for the piece.
    const bool inText = expected_ == kPacketTextPiece;
    unsigned n = inText ? in_.ReadLength() : 0;
    WaitForGui(inText && n > size_ - received_);
    if (!inText)
        n = in_.ReadLength();
    if (n > size_ - received_)
        throw std::runtime_error(kOversize);
    if (n == 0) {
        // An empty buffer would end the view's text: the view waits on.
        chunks_.KeepGuiWaiting();
        return;
    }
    ky_S& buffer = chunks_.Buffer();
    buffer.clear();
    in_.ReadBytes(buffer, n);
    received_ += n;
    if (received_ == size_)
        expected_ = kPacketTextEnd;
    chunks_.SignalChunk();
}

void PacketReader::EndText()
{
    expected_ = kAnyCode;
    WaitForGui();
    chunks_.Buffer().clear();
    chunks_.SignalChunk();
}

} // namespace Kyvant
