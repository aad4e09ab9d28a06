// The writing side of the file-list pipe to the engine. Every int is four
// bytes little-endian; names are counted, not NUL-terminated.
//   wait flag        0 or 1 (1: the file-check mutex was busy)   before every file
//   file record      1, length, name, binary flag
//   temporary name   length, name                                after a file record, not for
//   <STDIN> failed record    -1, length, name, 1 end of list      0, -1, 0 short end        -1, 0
//   after a wait flag heartbeat        1, then 0 once the file-check mutex is free
// Write failures throw rtl_error.
#pragma once

#include "KyStd/Strings/String.h"

#include <vector>

namespace Kyvant {

class FileListWriter {
public:
    explicit FileListWriter(int fd) : fd_(fd) {}

    void WaitFlag(bool waited);
    void FileRecord(const ky_BSB<char>& name, bool binary);
    void TempName(const ky_BSB<char>& name);
    void FailedRecord(const ky_BSB<char>& name);
    void EndOfList();
    void ShortEndOfList();
    void HeartbeatStart();
    void HeartbeatEnd();

private:
    void AddInt(int value);
    void AddText(const ky_BSB<char>& text);
    void Flush();

    int fd_;
    std::vector<char> pending_;
};

} // namespace Kyvant
