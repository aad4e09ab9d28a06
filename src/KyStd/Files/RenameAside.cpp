// Renaming a file to a fresh name beside it, trying names until one is free.
#include "KyStd/Files/RenameAside.h"

#include <windows.h>

#include <cstdio>

namespace Kyvant {

namespace {

const unsigned kNameCount = 0x10000; // four hex digits
const unsigned kNameSize = 16;

bool NameTaken(DWORD error)
{
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
}

// A start that differs between processes and over time; the rename itself
// decides whether a name is free, and a name in use is told at once.
unsigned FirstNumber()
{
    return GetTickCount() ^ (GetCurrentProcessId() << 4);
}

} // namespace

bool RenameAside(const ky_F& file, ky_F& aside)
{
    ky_F folder(file);
    folder.ToPathPart();
    const unsigned first = FirstNumber();
    for (unsigned i = 0; i < kNameCount; ++i) {
        char name[kNameSize];
        std::snprintf(name, sizeof name, "kyf%04X.tmp", (first + i) % kNameCount);
        ky_F candidate(folder);
        candidate += name;
        if (MoveFileA(file.c_str(), candidate.c_str())) {
            aside = candidate;
            return true;
        }
        if (!NameTaken(GetLastError()))
            return false;
    }
    SetLastError(ERROR_FILE_EXISTS);
    return false;
}

} // namespace Kyvant
