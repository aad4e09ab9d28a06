// The file-name iterator over a generated tree of 100,000 files in 1,000
// folders, with a mask list, a rejected mask and a size/date filter,
// against the bare FindFirstFileA/FindNextFileA recursion of the
// file-finding benchmark, in the same run. Prints each walk's best time and
// their ratio. Usage: KyConTool_iter_bench [folder] (default: a new folder
// under the temporary folder, removed at the end).
#include "KyConTool/FileNameIterator.h"
#include "KyStd/FileName.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

using namespace Kyvant;

namespace {

const int kTop = 10;           // top folders
const int kLeaves = 100;       // folders in each top folder
const int kFilesPerLeaf = 100; // 10 x 100 x 100 = 100,000 files in 1,000 folders
const int kRounds = 3;

double Now()
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

const char* const kExtensions[] = {".cpp", ".h", ".txt", ".obj", ".rc"};

void Generate(const std::string& root)
{
    CreateDirectoryA(root.c_str(), nullptr);
    char name[64];
    for (int t = 0; t < kTop; ++t) {
        std::snprintf(name, sizeof name, "\\top%02d", t);
        std::string top = root + name;
        CreateDirectoryA(top.c_str(), nullptr);
        for (int l = 0; l < kLeaves; ++l) {
            std::snprintf(name, sizeof name, "\\leaf%03d", l);
            std::string leaf = top + name;
            CreateDirectoryA(leaf.c_str(), nullptr);
            for (int f = 0; f < kFilesPerLeaf; ++f) {
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

void Remove(const std::string& dir)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string name = fd.cFileName;
            if (name == "." || name == "..")
                continue;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                Remove(dir + "\\" + name);
            else
                DeleteFileA((dir + "\\" + name).c_str());
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
}

// The bare walk of the file-finding benchmark: every file counted.
unsigned long BareWalk(const std::string& dir)
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

// The same selection as the file-finding benchmark's filter, as one item:
// masks, a rejected mask, at most 4 bytes, written within the last year.
unsigned long IteratorWalk(const std::string& item)
{
    const char* argv[] = {item.c_str(), nullptr};
    unsigned long accepted = 0;
    for (ky_filename_argv_iterator it(1, argv, 0, nullptr, 0), end; it != end; ++it)
        ++accepted;
    return accepted;
}

} // namespace

int main(int argc, char** argv)
{
    std::string root;
    bool own = argc < 2;
    if (own) {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        root = std::string(temp) + "kyiter_bench_" + std::to_string(GetCurrentProcessId());
    } else {
        root = argv[1];
    }
    double t0 = Now();
    if (own)
        Generate(root);
    std::printf("tree %s ready in %.1f s\n", root.c_str(), Now() - t0);

    std::time_t since = std::time(nullptr) - 365L * 24 * 3600;
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d%H%M%S", std::localtime(&since));
    const std::string item =
        "@p" + root + "\\*.cpp,*.h,*.txt|+|*.obj|S<=4;TM>=" + std::string(stamp);
    std::printf("item: %s\n", item.c_str());

    double bestIter = 1e9, bestBare = 1e9;
    unsigned long accepted = 0, files = 0;
    for (int round = 0; round < kRounds; ++round) {
        t0 = Now();
        files = BareWalk(root);
        double bare = Now() - t0;
        t0 = Now();
        accepted = IteratorWalk(item);
        double iter = Now() - t0;
        bestBare = bare < bestBare ? bare : bestBare;
        bestIter = iter < bestIter ? iter : bestIter;
        std::printf("round %d: bare %.3f s (%lu files), iterator %.3f s (%lu accepted)\n",
                    round + 1, bare, files, iter, accepted);
    }
    std::printf("best: bare %.3f s, iterator %.3f s, ratio %.2f (goal: at most 1.50)\n", bestBare,
                bestIter, bestIter / bestBare);
    if (own)
        Remove(root);
    return 0;
}
