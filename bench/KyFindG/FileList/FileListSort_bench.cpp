// Sorting 200,000 rows of the file list (hosted in a frame) by Name and by
// Matches, the compared fields needing no preparation, against
// std::stable_sort of the same index vector with a trivial comparator in the
// same run. Prints the times and the ratios. Needs a display.
// Usage: KyFindG_filelist_sort_bench
#include "BenchSupport.h"
#include "KyFindG/FileList/FileListHost.h"
#include "KyFind/Gui/Model/FinderModel.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace KyBench;

namespace {

const int kRows = 200000;
const int kRounds = 5;
const unsigned kPermutationStep = 7919; // prime to kRows: a scattered order of names

FindBenchApp theApp;

// Files named in a scattered order, 1 to 5 matches each, in 200 folders.
void FillModel(Finder::Model& model)
{
    char line[160];
    for (int i = 0; i < kRows; ++i) {
        const unsigned name = (static_cast<unsigned>(i) * kPermutationStep) % kRows;
        for (int match = 0; match <= i % 5; ++match) {
            const int length = std::snprintf(line, sizeof line,
                                             "C:\\Work\\folder%03d\\File%06u.cpp(%d):x(0):alpha",
                                             i % 200, name, match + 1);
            model.AddLine(line, static_cast<unsigned>(length));
        }
    }
}

// The model's index vector as it stands: its nodes in row order.
std::vector<const void*> IndexVector(Finder::Model& model)
{
    std::vector<const void*> nodes;
    nodes.reserve(kRows);
    for (int row = 0; row < kRows; ++row)
        nodes.push_back(model.GetFiles().iterator_at(static_cast<unsigned>(row)).node());
    return nodes;
}

double BaselineSort(const std::vector<const void*>& index)
{
    std::vector<const void*> copy(index);
    const double t0 = Now();
    std::stable_sort(copy.begin(), copy.end(), [](const void* a, const void* b) { return a < b; });
    return Now() - t0;
}

double ViewSort(FileListView& view, FileListView::Column column)
{
    const double t0 = Now();
    view.SortByColumn(column);
    return Now() - t0;
}

} // namespace

int main()
{
    StartApp(theApp);
    FileListHost host({"KyFind", "@!"});
    Finder::Model& model = host.GetFinder().GetModel();
    FillModel(model);
    FileListView& view = host.View();
    view.EnableMonitorTimer(true);
    view.SendMessage(WM_TIMER, 1); // one tick lists every row; no task runs, so it stops
    PumpPending();
    std::printf("%d rows listed, %llu matches\n", view.GetListCtrl().GetItemCount(),
                model.GetMatchTotal());

    const FileListView::Column columns[] = {FileListView::Name, FileListView::Matches};
    for (FileListView::Column column : columns) {
        double bestView = 1e9, bestBase = 1e9;
        for (int round = 0; round < kRounds; ++round) {
            const std::vector<const void*> index = IndexVector(model);
            bestBase = std::min(bestBase, BaselineSort(index));
            bestView = std::min(bestView, ViewSort(view, column));
            PumpPending();
        }
        std::printf("%s: view sort %.3f s, stable_sort with a trivial comparator %.4f s, "
                    "ratio %.1f\n",
                    column == FileListView::Name ? "Name" : "Matches", bestView, bestBase,
                    bestView / bestBase);
    }
    return 0;
}
