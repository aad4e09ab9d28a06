// Helpers every benchmark program shares: the line naming the build, a
// high-resolution clock, the program's own folder, the temporary folder and
// recursive folder removal (from tests/common), and the generated file tree
// the file-walking benchmarks time themselves on.
#pragma once

#include "common/ProgramFolder.h"
#include "common/TempFolder.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace KyBench {

// Each benchmark says first which build it measures: the 32-bit one, which
// ships, or the 64-bit one that the tests run on where the host runs no
// 32-bit program. Figures compare only within one build.
inline const bool kBuildAnnounced = [] {
    std::printf("Build: %s\n", sizeof(void*) == 4 ? "32-bit (what ships)"
                                                  : "64-bit (under 64-bit Wine)");
    std::fflush(stdout);
    return true;
}();

// Seconds since an arbitrary start, from the performance counter.
inline double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

using kytest::ProgramFolder;
using kytest::RemoveTree;
using kytest::TempFolder;

// The median of the rounds' values (the mean of the middle two for an even
// count), 0 for none.
inline double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The file-walking tree: kTreeTop folders of kTreeLeaves folders of
// kTreeFilesPerLeaf files each (100,000 files in 1,000 folders), the files
// named by five extensions in turn and 0 to 6 bytes long.
const int kTreeTop = 10;
const int kTreeLeaves = 100;
const int kTreeFilesPerLeaf = 100;

inline void GenerateTree(const std::string& root)
{
    static const char* const kExtensions[] = {".cpp", ".h", ".txt", ".obj", ".rc"};
    CreateDirectoryA(root.c_str(), nullptr);
    char name[64];
    for (int t = 0; t < kTreeTop; ++t) {
        std::snprintf(name, sizeof name, "\\top%02d", t);
        std::string top = root + name;
        CreateDirectoryA(top.c_str(), nullptr);
        for (int l = 0; l < kTreeLeaves; ++l) {
            std::snprintf(name, sizeof name, "\\leaf%03d", l);
            std::string leaf = top + name;
            CreateDirectoryA(leaf.c_str(), nullptr);
            for (int f = 0; f < kTreeFilesPerLeaf; ++f) {
                std::snprintf(name, sizeof name, "\\file%03d%s", f, kExtensions[f % 5]);
                HANDLE h = CreateFileA((leaf + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
                DWORD written;
                WriteFile(h, "0123456789", static_cast<DWORD>(f % 7), &written, nullptr);
                CloseHandle(h);
            }
        }
    }
}

// The tree a file-walking benchmark walks: the folder given as its first
// argument, or else (own set) a tree generated under the temporary folder
// as prefix + the process id, which the caller removes at the end.
inline std::string PrepareTree(int argc, char** argv, const char* prefix, bool& own)
{
    std::string root;
    own = argc < 2;
    if (own) {
        root = TempFolder() + prefix + std::to_string(GetCurrentProcessId());
    } else {
        root = argv[1];
    }
    double t0 = Now();
    if (own)
        GenerateTree(root);
    std::printf("tree %s ready in %.1f s\n", root.c_str(), Now() - t0);
    return root;
}

// The baseline walk: a bare FindFirstFileA/FindNextFileA recursion that
// counts every file below the folder.
inline unsigned long BareWalk(const std::string& dir)
{
    unsigned long files = 0;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    do {
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (std::strcmp(fd.cFileName, ".") != 0 && std::strcmp(fd.cFileName, "..") != 0)
                files += BareWalk(dir + "\\" + fd.cFileName);
        } else {
            ++files;
        }
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    return files;
}

} // namespace KyBench
