// Where a stand-in's results go: standard output in console mode, a pipe in
// the task link, a buffer in tests.
#pragma once

#include <cstddef>
#include <string>

namespace Kyvant {
namespace StandIn {

class ByteSink {
public:
    virtual ~ByteSink() {}
    // Writes all bytes or throws.
    virtual void Write(const void* data, std::size_t size) = 0;
    void Write(const std::string& text) { Write(text.data(), text.size()); }
};

// Standard output, switched to binary mode so that bytes pass unchanged,
// and written in large blocks unless it is a console.
class StdoutSink : public ByteSink {
public:
    StdoutSink();
    ~StdoutSink() override;
    StdoutSink(const StdoutSink&) = delete;
    StdoutSink& operator=(const StdoutSink&) = delete;
    using ByteSink::Write;
    void Write(const void* data, std::size_t size) override;
    // Ends the output: what is buffered is written and standard output is
    // closed (once, see StandardStreams.h), so that a reader of a pipe sees
    // its end now, not when the process has ended. Throws when the last
    // bytes cannot be written.
    void Close();
};

// A growing buffer.
class StringSink : public ByteSink {
public:
    using ByteSink::Write;
    void Write(const void* data, std::size_t size) override
    {
        text_.append(static_cast<const char*>(data), size);
    }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

} // namespace StandIn
} // namespace Kyvant
