// One directory entry: the find data that FindFirstFileA/FindNextFileA
// return, with size and time helpers.
#pragma once

#include "KyStd/Win32/TimeConv.h"

#include <windows.h>

#include <cstring>
#include <stdexcept>

namespace Kyvant {

struct FileInfo : WIN32_FIND_DATAA {
    FileInfo() { std::memset(static_cast<WIN32_FIND_DATAA*>(this), 0, sizeof(WIN32_FIND_DATAA)); }

    bool IsDots() const
    {
        return cFileName[0] == '.' &&
               (cFileName[1] == '\0' || (cFileName[1] == '.' && cFileName[2] == '\0'));
    }
    bool IsDirectory() const { return (dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

    // The size when it fits in 32 bits; larger sizes throw.
    unsigned long GetSize() const
    {
        if (nFileSizeHigh != 0)
            throw std::runtime_error("FileInfo::GetSize: File size exceeds 32 bits.");
        return nFileSizeLow;
    }
    unsigned long long GetSize64() const
    {
        return (static_cast<unsigned long long>(nFileSizeHigh) << 32) | nFileSizeLow;
    }

    // The time as a C time value; false when it has none (before 1970 or too late).
    bool GetLastWriteTime(long& t) const { return ToTime(ftLastWriteTime, t); }
    bool GetCreationTime(long& t) const { return ToTime(ftCreationTime, t); }
    bool GetLastAccessTime(long& t) const { return ToTime(ftLastAccessTime, t); }

private:
    static bool ToTime(const FILETIME& ft, long& t)
    {
        t = ConvertTo_time_t(ft);
        return t != -1;
    }
};

} // namespace Kyvant
