// A C runtime descriptor made from a pipe handle that another process put
// into this one, closed with the object.
#pragma once

#include <windows.h>

namespace Kyvant {

// The pipe ends KyReplace hands over: packets, replies, log lines.
constexpr int kPipeEnds = 3;

class PipeDescriptor {
public:
    PipeDescriptor() = default;
    ~PipeDescriptor();
    PipeDescriptor(const PipeDescriptor&) = delete;
    PipeDescriptor& operator=(const PipeDescriptor&) = delete;

    // Takes the handle over in binary mode; a failure closes the handle and
    // throws rtl_error with errno.
    void Adopt(HANDLE handle);
    int get() const { return fd_; }

private:
    int fd_ = -1;
};

// The three pipe ends of the tool block's words 0 to 2: each taken over in
// turn; when one fails, the handles not yet taken are closed as well.
void AdoptPipeEnds(const HANDLE (&handles)[kPipeEnds], PipeDescriptor* (&descriptors)[kPipeEnds]);

} // namespace Kyvant
