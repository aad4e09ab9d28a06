// The engine's link to the Replace front-end: its events, packets out, replies in, check points.
#include "FrontEndChannel.h"

#include "InheritedPipe.h"
#include "KyStd/Core/HandleTags.h"
#include "KyStd/Processes/PipeIO.h"
#include "KyStd/Win32/SyncObjects.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdlib>
#include <stdexcept>

namespace Kyvant {
namespace KyPerl {

namespace {

const char kReplyPipe[] = "KYVANT_PERL_GUI_CONFIRMER_INPUT_PIPE_READ_HDL_OS_HDL";
const unsigned kTextPiece = 4096;
// A string length no front-end can take.
const long kHugeLength = 0x7FFFFFFF;

std::string Prefixed(const char* name)
{
    const char* prefix = std::getenv("Kyvant_Protocol_Prefix_EnvVar");
    return std::string(prefix ? prefix : "") + name;
}

Win32::Event OpenEvent(const char* name)
{
    return Win32::Event(KyOpen, Prefixed(name).c_str());
}

bool IsSet(const Win32::Event& event)
{
    return WaitForSingleObject(event.get(), 0) == WAIT_OBJECT_0;
}

} // namespace

struct FrontEndChannel::Events {
    Win32::Event doQuit = OpenEvent("Kyvant_KyReplace_Perl_DoQuit_Event");
    Win32::Event hasQuit = OpenEvent("Kyvant_KyReplace_Perl_HasQuit_Event");
    Win32::Event pause = OpenEvent("Kyvant_KyReplace_Perl_Pause_Event");
    Win32::Event resume = OpenEvent("Kyvant_KyReplace_Perl_Resume_Event");
};

Packet& Packet::Int(long value)
{
    const unsigned long v = static_cast<unsigned long>(value);
    for (int shift = 0; shift < 32; shift += 8)
        bytes_.push_back(static_cast<char>((v >> shift) & 0xFF));
    return *this;
}

Packet& Packet::Text(const std::string& text)
{
    Int(static_cast<long>(text.size()));
    return Raw(text);
}

Packet& Packet::Raw(const std::string& bytes)
{
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
}

std::unique_ptr<FrontEndChannel> FrontEndChannel::FromEnvironment(int packetFd,
                                                                  const FrontEndTests& tests)
{
    if (!PipeNamed(kReplyPipe))
        return nullptr;
    std::unique_ptr<Events> events(new Events);
    const int replyFd = InheritedPipe(kReplyPipe, _O_RDONLY);
    return std::unique_ptr<FrontEndChannel>(
        new FrontEndChannel(packetFd, replyFd, std::move(events), tests));
}

FrontEndChannel::FrontEndChannel(int packetFd, int replyFd, std::unique_ptr<Events> events,
                                 const FrontEndTests& tests)
    : packetFd_(packetFd), replyFd_(replyFd), events_(std::move(events)), tests_(tests)
{
    if (!tests_.replyLog.empty())
        replyLog_ = std::fopen(tests_.replyLog.c_str(), "wb");
}

FrontEndChannel::~FrontEndChannel()
{
    _close(replyFd_);
    if (replyLog_)
        std::fclose(replyLog_);
}

void FrontEndChannel::SendFault(const Packet& packet)
{
    Send(packet);
    throw TestFaultSent();
}

void FrontEndChannel::Send(const Packet& packet)
{
    if (CRT::WritePipe(std::nothrow, packetFd_, packet.Bytes().data(),
                       static_cast<unsigned>(packet.Bytes().size())) < 0)
        throw FrontEndError("The front-end takes no more packets");
}

int FrontEndChannel::ReadReply()
{
    unsigned char b[4];
    if (CRT::ReadPipe(std::nothrow, replyFd_, b, 4) != 4)
        throw FrontEndError("The front-end gave no reply");
    const int reply =
        static_cast<int>(b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<unsigned>(b[3]) << 24));
    if (replyLog_) {
        std::fprintf(replyLog_, "%d\n", reply);
        std::fflush(replyLog_);
    }
    return reply;
}

void FrontEndChannel::Begin(bool singleLine)
{
    Send(Packet(400).Int(singleLine ? 1 : 0));
    if (!singleLine)
        return;
    const int code = ReadReply();
    if (code != 800)
        throw FrontEndError("Expected the line-count reply, got " + std::to_string(code));
    const int lines = ReadReply();
    windowLines_ = lines < 1 ? 1 : static_cast<unsigned>(lines) | 1;
}

void FrontEndChannel::FirstFileFaults(const std::string& name)
{
    for (int code : tests_.codes)
        Send(Packet(code));
    if (!tests_.codes.empty())
        throw TestFaultSent();
    if (tests_.pieceFirst)
        SendFault(Packet(408).Text(name));
    if (tests_.hugeString) {
        Packet huge(405);
        huge.Int(kHugeLength);
        SendFault(huge.Raw(name));
    }
}

void FrontEndChannel::BeginFile(const std::string& name)
{
    if (firstFile_) {
        firstFile_ = false;
        FirstFileFaults(name);
    }
    Send(Packet(403));
    Send(Packet(405).Text(name));
}

// Right after the text's size, a file name or a text one byte too long.
void FrontEndChannel::FirstTextFaults(const std::string& text)
{
    if (tests_.nameInText)
        SendFault(Packet(405).Text("in the text"));
    if (tests_.textOverrun)
        SendFault(Packet(408).Text(text + "!"));
}

void FrontEndChannel::FileText(const std::string& text)
{
    Send(Packet(407).Int(static_cast<long>(text.size())));
    if (firstText_) {
        firstText_ = false;
        FirstTextFaults(text);
    }
    for (std::size_t at = 0; at < text.size(); at += kTextPiece)
        Send(Packet(408).Text(text.substr(at, kTextPiece)));
    Send(Packet(409));
}

int FrontEndChannel::Ask(const Packet& question)
{
    Send(question);
    return ReadReply();
}

void FrontEndChannel::CheckPoint(bool betweenItems)
{
    if (IsSet(events_->pause) || (betweenItems && tests_.pausePerItem)) {
        Send(Packet(410));
        const HANDLE handles[3] = {events_->resume.get(), events_->doQuit.get(),
                                   events_->hasQuit.get()};
        const DWORD woken = WaitForMultipleObjects(3, handles, FALSE, INFINITE);
        if (woken == WAIT_OBJECT_0 + 2)
            throw FrontEndError("The replace program quit while the engine was paused");
        if (woken != WAIT_OBJECT_0 && woken != WAIT_OBJECT_0 + 1)
            throw FrontEndError("Waiting to resume failed");
    }
    if (StopRequested())
        throw StopRun();
}

bool FrontEndChannel::StopRequested() const
{
    return IsSet(events_->doQuit);
}

} // namespace KyPerl
} // namespace Kyvant
