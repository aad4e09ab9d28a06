// Temporary folders of tests and benchmarks: the system's temporary folder,
// the scratch base on another volume, unique names and removing a tree.
#pragma once

#include <windows.h>

#include <string>

namespace kytest {

// The system's temporary folder, with its trailing backslash.
inline std::string TempFolder()
{
    char temp[MAX_PATH];
    const DWORD n = GetTempPathA(MAX_PATH, temp);
    return std::string(temp, n);
}

// Where scratch trees go: the Unix side's /tmp (drive Z:) when there is one,
// so that they lie on another volume than the system's temporary folder;
// else the temporary folder. With its trailing backslash.
inline std::string ScratchBase()
{
    return GetFileAttributesA("Z:\\tmp") != INVALID_FILE_ATTRIBUTES ? "Z:\\tmp\\" : TempFolder();
}

// A new, empty folder under base named stem + the process id + a number, with
// its trailing backslash. Wine gives each run's processes the same ids, so a
// folder an earlier run could not remove may carry the name: it is skipped,
// never reused.
inline std::string NewFolder(const std::string& base, const std::string& stem)
{
    static unsigned counter = 0;
    for (;;) {
        const std::string path = base + stem + std::to_string(GetCurrentProcessId()) + "_" +
                                 std::to_string(++counter) + "\\";
        if (CreateDirectoryA(path.c_str(), nullptr))
            return path;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            return path;
    }
}

// Deletes the folder (with or without a trailing backslash) and everything
// below it, read-only, hidden and system files included.
inline void RemoveTree(std::string dir)
{
    while (dir.size() > 3 && (dir.back() == '\\' || dir.back() == '/'))
        dir.pop_back();
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = fd.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string child = dir + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
}

} // namespace kytest
