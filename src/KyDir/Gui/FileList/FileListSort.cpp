// FileListView's sort by a column: the shared sort of the shown rows, in
// the Dir order that keeps folders together.
#include "KyDir/Gui/FileList/FileListView.h"

#include "KyDir/Gui/FileList/DirItemOrder.h"

#include <vector>

void FileListView::SortByColumn(int column)
{
    std::vector<int> none;
    SortRowsBy<DirItemOrder>(column, none);
}
