// The file-name iterator over a generated tree of 100,000 files in 1,000
// folders, with a mask list, a rejected mask and a size/date filter,
// against the bare FindFirstFileA/FindNextFileA recursion of the
// file-finding benchmark, in the same run. Prints each walk's best time and
// their ratio. Usage: KyConTool_iter_bench [folder] (default: a new folder
// under the temporary folder, removed at the end).
#include "BenchSupport.h"
#include "KyConTool/Args/FileNameIterator.h"
#include "KyStd/Files/FileName.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

using namespace Kyvant;
using namespace KyBench;

namespace {

const int kRounds = 3;

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
    bool own = false;
    const std::string root = PrepareTree(argc, argv, "kyiter_bench_", own);

    std::time_t since = std::time(nullptr) - 365L * 24 * 3600;
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d%H%M%S", std::localtime(&since));
    const std::string item =
        "@p" + root + "\\*.cpp,*.h,*.txt|+|*.obj|S<=4;TM>=" + std::string(stamp);
    std::printf("item: %s\n", item.c_str());

    double bestIter = 1e9, bestBare = 1e9;
    unsigned long accepted = 0, files = 0;
    for (int round = 0; round < kRounds; ++round) {
        double t0 = Now();
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
        RemoveTree(root);
    return 0;
}
