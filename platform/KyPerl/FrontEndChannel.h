// The engine's link to the Replace front-end, present when the replace
// program named a reply pipe: packets go out on the packet pipe (4-byte
// little-endian ints; strings as a length and their bytes), each question
// is followed by one reply read from the reply pipe, and the front-end's
// pause, resume and stop events are honoured at the check points.
//   400 single-line flag (single-line: the reply 800 and a line count)
//   403 new file        405 file name
//   406 question        407 text size, 408 text pieces, 409 end of text
//   410 paused, waiting for resume or stop
#pragma once

#include "FrontEndTests.h"

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace Kyvant {
namespace KyPerl {

// Thrown when the front-end asks the engine to stop; the run then ends
// normally after the files finished so far.
struct StopRun {};

// The front-end cannot be reached or broke the protocol: the run ends.
struct FrontEndError : std::runtime_error {
    explicit FrontEndError(const std::string& text) : std::runtime_error(text) {}
};

class Packet {
public:
    explicit Packet(int code) { Int(code); }
    Packet& Int(long value);
    Packet& Text(const std::string& text);
    Packet& Raw(const std::string& bytes); // without a length
    const std::vector<char>& Bytes() const { return bytes_; }

private:
    std::vector<char> bytes_;
};

class FrontEndChannel {
public:
    // Null when no front-end is attached. Missing events or pipes throw
    // std::runtime_error (or os_error). Later failures throw FrontEndError.
    static std::unique_ptr<FrontEndChannel> FromEnvironment(int packetFd,
                                                            const FrontEndTests& tests);
    ~FrontEndChannel();
    FrontEndChannel(const FrontEndChannel&) = delete;
    FrontEndChannel& operator=(const FrontEndChannel&) = delete;

    // Packet 400; in single-line mode also takes the reply 800 and the
    // number of lines a question shows (made odd, at least 1).
    void Begin(bool singleLine);
    unsigned WindowLines() const { return windowLines_; }

    void BeginFile(const std::string& name);
    void FileText(const std::string& text);
    // Sends a question and returns the reply.
    int Ask(const Packet& question);

    // Between file-list items and before each question: pauses while asked
    // to (410), and throws StopRun once asked to stop.
    void CheckPoint(bool betweenItems = false);
    bool StopRequested() const;

    const FrontEndTests& Tests() const { return tests_; }
    // Sends a faulty packet the tests asked for; throws TestFaultSent.
    [[noreturn]] void SendFault(const Packet& packet);

private:
    struct Events;
    FrontEndChannel(int packetFd, int replyFd, std::unique_ptr<Events> events,
                    const FrontEndTests& tests);
    void Send(const Packet& packet);
    int ReadReply();
    void FirstFileFaults(const std::string& name);
    void FirstTextFaults(const std::string& text);

    int packetFd_;
    int replyFd_;
    std::unique_ptr<Events> events_;
    unsigned windowLines_ = 1;
    FrontEndTests tests_;
    std::FILE* replyLog_ = nullptr;
    bool firstFile_ = true;
    bool firstText_ = true;
};

} // namespace KyPerl
} // namespace Kyvant
