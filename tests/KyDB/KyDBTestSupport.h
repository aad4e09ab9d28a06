// Helpers of the record engine's tests: scratch folders, a file-operation
// table that fails the N-th call of one kind, and the helper process.
#pragma once

#include "KyDB/Engine/FileAccess.h"

#include <cstdint>
#include <string>
#include <vector>

namespace KyDBTest {

// A fresh folder under the system's temporary folder, removed with its files.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    std::string Path(const std::string& name) const { return dir_ + "\\" + name; }

private:
    std::string dir_;
};

std::vector<std::uint8_t> ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Replaces one kind of file operation for its lifetime: the N-th call (from
// 1) fails with ERROR_DISK_FULL, the others go to Win32. Flushes that do not
// fail return at once, so the many small flushes of a test cost nothing.
class Fault {
public:
    enum Kind { Read, Write, Flush, Lock };
    Fault(Kind kind, int failAt);
    ~Fault();
    Fault(const Fault&) = delete;
    Fault& operator=(const Fault&) = delete;
    int Calls() const;
    bool Fired() const;
};

// Flushes return at once without touching the disk while it lives.
class NoFlush {
public:
    NoFlush();
    ~NoFlush();
    NoFlush(const NoFlush&) = delete;
    NoFlush& operator=(const NoFlush&) = delete;
};

// KyDB_peer.exe, started beside the test program; its exit code and output.
class Peer {
public:
    explicit Peer(const std::string& args);
    ~Peer();
    Peer(const Peer&) = delete;
    Peer& operator=(const Peer&) = delete;
    // Waits for the end; the exit code, or -1 on a timeout.
    int Wait(unsigned timeoutMs = 120000);
    const std::string& Output() const { return output_; }

private:
    void* process_ = nullptr;
    void* readEnd_ = nullptr;
    std::string output_;
};

// Runs a peer to its end; returns its exit code.
int RunPeer(const std::string& args, std::string* output = nullptr);

// A named manual-reset event shared with a peer.
class NamedEvent {
public:
    explicit NamedEvent(const std::string& name);
    ~NamedEvent();
    NamedEvent(const NamedEvent&) = delete;
    NamedEvent& operator=(const NamedEvent&) = delete;
    void Set();
    bool Wait(unsigned timeoutMs);

private:
    void* handle_;
};

// A name unique to this process and call, for events and files.
std::string UniqueName(const std::string& stem);

} // namespace KyDBTest
