// Walks a generated tree of 100,000 files in 1,000 folders twice per round:
// with FileFinder, a mask list and a size/date filter, and with a bare
// FindFirstFileA/FindNextFileA recursion. Prints each walk's best time and
// their ratio. Usage: KyStd_find_bench [folder] (default: a new folder under
// the temporary folder, removed at the end).
#include "BenchSupport.h"
#include "KyStd/Files/FileFilter.h"
#include "KyStd/Files/FileFinder.h"
#include "KyStd/Files/FileName.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

using namespace Kyvant;
using namespace KyBench;

namespace {

const int kRounds = 3;

// Files by mask list and size/date; every folder is remembered for descent.
class WalkFilter : public FileAndDirFilter {
public:
    WalkFilter(long since)
        : FileAndDirFilter("*.cpp, *.h, *.txt", "*.obj", nullptr, nullptr), since_(since)
    {
    }

    bool Accept(const FileInfo& entry) const override
    {
        if (entry.IsDirectory()) {
            if (!DirFilter::Accept(entry))
                return false;
            folders.push_back(ky_F().ToPath(m_searchDir.c_str(), entry.cFileName));
            return true;
        }
        long written = 0;
        return FileFilter::Accept(entry) && entry.GetSize64() <= 4 &&
               entry.GetLastWriteTime(written) && written >= since_;
    }
    mutable std::vector<ky_F> folders;

private:
    long since_;
};

unsigned long FinderWalk(const ky_F& root, long since)
{
    unsigned long accepted = 0;
    std::vector<ky_F> pending{root};
    WalkFilter filter(since);
    while (!pending.empty()) {
        ky_F folder = pending.back();
        pending.pop_back();
        FileFinder finder(folder, filter);
        if (finder.FindFirst()) {
            do {
                if (finder.Accept() && !filter.GetFileInfo().IsDirectory())
                    ++accepted;
            } while (finder.FindNext());
        }
        pending.insert(pending.end(), filter.folders.begin(), filter.folders.end());
        filter.folders.clear();
    }
    return accepted;
}

} // namespace

int main(int argc, char** argv)
{
    bool own = false;
    const std::string root = PrepareTree(argc, argv, "kyfind_bench_", own);

    long since = static_cast<long>(time(nullptr)) - 365L * 24 * 3600;
    double bestFinder = 1e9, bestBare = 1e9;
    unsigned long accepted = 0, files = 0;
    for (int round = 0; round < kRounds; ++round) {
        double t0 = Now();
        files = BareWalk(root);
        double bare = Now() - t0;
        t0 = Now();
        accepted = FinderWalk(ky_F(root.c_str()), since);
        double finder = Now() - t0;
        bestBare = bare < bestBare ? bare : bestBare;
        bestFinder = finder < bestFinder ? finder : bestFinder;
        std::printf("round %d: bare %.3f s (%lu files), finder %.3f s (%lu accepted)\n", round + 1,
                    bare, files, finder, accepted);
    }
    std::printf("best: bare %.3f s, finder %.3f s, ratio %.2f (goal: at most 1.50)\n", bestBare,
                bestFinder, bestFinder / bestBare);
    if (own)
        RemoveTree(root);
    return 0;
}
