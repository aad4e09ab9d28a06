// Reads the replace program's file-list stream: 4-byte little-endian ints
// and counted strings. Between files come heartbeats (1, 0); each file
// starts with a wait flag (0 or 1), then a file record (1, name, binary
// flag, and the temporary file's name unless the file is "<STDIN>"), a
// failed-file record (-1, name, 1) or the end of the list (-1, 0).
#pragma once

#include <stdexcept>
#include <string>

namespace Kyvant {
namespace KyPerl {

struct FileListItem {
    enum Kind { Heartbeat, File, Failed, End } kind = End;
    int waitFlag = 0;
    std::string name;
    bool binary = false;
    bool isStdin = false;
    std::string tempName; // empty for standard input
};

// The stream ended before its end-of-list item.
struct ListEnded : std::runtime_error {
    ListEnded() : std::runtime_error("The file list ended unexpectedly") {}
};

class FileListReader {
public:
    explicit FileListReader(int fd) : fd_(fd) {}

    // The next item. A stream that ends early throws ListEnded, one that
    // breaks the grammar std::runtime_error.
    FileListItem Next() { return NextAfter(ReadWaitFlag()); }
    // The same in two steps: the wait flag that starts every item, then the
    // rest of the item.
    int ReadWaitFlag();
    FileListItem NextAfter(int waitFlag);

private:
    int ReadInt();
    std::string ReadString();

    int fd_;
};

} // namespace KyPerl
} // namespace Kyvant
