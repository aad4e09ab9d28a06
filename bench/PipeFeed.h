// What the benchmarks of the front-ends' result readers share: bytes fed
// through a real pipe from another thread, and the private memory the
// process has committed.
#pragma once

#include "BenchSupport.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <thread>

namespace KyBench {

// The size of the pipe's buffer and of each write into it.
const unsigned kPipeChunk = 65536;

// Writes the bytes into a new pipe from another thread while read takes
// its read end as a binary descriptor; the seconds read took, or -1 when
// no pipe could be made.
template <class Read>
double ThroughPipe(const std::string& bytes, Read read)
{
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, nullptr, kPipeChunk))
        return -1;
    std::thread writer([&] {
        for (std::size_t at = 0; at < bytes.size(); at += kPipeChunk) {
            const DWORD n =
                static_cast<DWORD>(std::min<std::size_t>(kPipeChunk, bytes.size() - at));
            DWORD written = 0;
            if (!WriteFile(writeEnd, bytes.data() + at, n, &written, nullptr))
                break;
        }
        CloseHandle(writeEnd);
    });
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(readEnd), _O_BINARY);
    const double t0 = Now();
    read(fd);
    const double elapsed = Now() - t0;
    writer.join();
    _close(fd);
    return elapsed;
}

// The private memory the process has committed, in bytes.
inline unsigned long long CommittedPrivate()
{
    unsigned long long total = 0;
    MEMORY_BASIC_INFORMATION info;
    for (const char* at = nullptr; VirtualQuery(at, &info, sizeof info) == sizeof info;
         at = static_cast<const char*>(info.BaseAddress) + info.RegionSize) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE)
            total += info.RegionSize;
        if (static_cast<const char*>(info.BaseAddress) + info.RegionSize < at)
            break;
    }
    return total;
}

} // namespace KyBench
