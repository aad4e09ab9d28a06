// The baseline of the engine benchmarks: the engine's file operations are
// recorded through its table during one run, then the same system calls
// (same files, offsets, sizes and order) are made directly and timed.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace KyDBBench {

struct Call {
    enum Kind { Open, Create, Close, Read, Write, Delete, Lock, Unlock, Flush, Size } kind;
    int file = -1; // index of the opened file, in order of opening
    std::string name;
    bool writable = false;
    bool shared = false;
    std::int32_t offset = 0;
    std::uint32_t count = 0;
};

// Records every call through the engine's table while it lives.
class CallRecorder {
public:
    CallRecorder();
    ~CallRecorder();
    CallRecorder(const CallRecorder&) = delete;
    CallRecorder& operator=(const CallRecorder&) = delete;
    std::vector<Call> Take();
};

// Makes the recorded calls directly, with file names moved from folder
// `from` to folder `to`, and returns the seconds each section [first, last)
// of `sections` took (all calls are made, so every file is in the same state).
std::vector<double> Replay(const std::vector<Call>& calls, const std::string& from,
                           const std::string& to,
                           const std::vector<std::pair<std::size_t, std::size_t>>& sections);

// Counts per kind of calls [first, last), for the report.
std::string Summary(const std::vector<Call>& calls, std::size_t first, std::size_t last);

// Calls of all replays so far that the system refused (a sound replay has none
// beyond what the engine saw refused too).
long ReplayFailures();

// Calls recorded so far (while a recorder lives).
std::size_t RecordedCount();

} // namespace KyDBBench
