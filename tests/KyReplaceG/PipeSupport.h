// An anonymous pipe of the test's own process with both ends as binary
// descriptors, and a writer thread that fills it, for feeding packets to
// the front-end's readers without an engine.
#pragma once

#include "KyReplace/Gui/Packets/PacketOutput.h"
#include "KyStd/Processes/PipeIO.h"

#include <fcntl.h>
#include <io.h>

#include <string>
#include <thread>
#include <vector>

namespace replgtest {

class TestPipe {
public:
    explicit TestPipe(unsigned size = 0x10000) { _pipe(fds_, size, _O_BINARY); }
    ~TestPipe()
    {
        CloseWriteEnd();
        if (fds_[0] >= 0)
            _close(fds_[0]);
    }
    TestPipe(const TestPipe&) = delete;
    TestPipe& operator=(const TestPipe&) = delete;

    int ReadEnd() const { return fds_[0]; }
    int WriteEnd() const { return fds_[1]; }
    void CloseWriteEnd()
    {
        if (fds_[1] >= 0)
            _close(fds_[1]);
        fds_[1] = -1;
    }

private:
    int fds_[2] = {-1, -1};
};

// Writes the bytes on a thread of its own (a pipe holds only so much), then
// closes the write end unless told to keep it open.
class PipeWriter {
public:
    PipeWriter(TestPipe& pipe, std::vector<char> bytes, bool close = true)
        : thread_([&pipe, bytes, close] {
              Kyvant::CRT::WritePipe(std::nothrow, pipe.WriteEnd(), bytes.data(),
                                     static_cast<unsigned>(bytes.size()));
              if (close)
                  pipe.CloseWriteEnd();
          })
    {
    }
    ~PipeWriter() { thread_.join(); }

private:
    std::thread thread_;
};

} // namespace replgtest
