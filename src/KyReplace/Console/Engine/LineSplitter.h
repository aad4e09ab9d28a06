// Cuts a byte stream into lines at '\n'. Text after the last '\n' waits
// for the next piece, or goes out as a line of its own at the end.
#pragma once

#include <functional>
#include <string>

namespace Kyvant {

class LineSplitter {
public:
    using Sink = std::function<void(const std::string& line)>;

    explicit LineSplitter(Sink sink) : sink_(std::move(sink)) {}

    void Feed(const char* data, unsigned size)
    {
        for (unsigned i = 0; i < size; ++i) {
            if (data[i] == '\n') {
                const std::string line(std::move(pending_));
                pending_.clear();
                sink_(line);
            } else {
                pending_ += data[i];
            }
        }
    }
    void Finish()
    {
        if (pending_.empty())
            return;
        const std::string line(std::move(pending_));
        pending_.clear();
        sink_(line);
    }

private:
    Sink sink_;
    std::string pending_;
};

} // namespace Kyvant
