// DirItemOrder: the order of listed items by one column of the Dir list,
// ascending or descending: the file columns as every result list orders
// them, and Rank numerically. Folders come before files (after them when
// descending) unless the order is by In Folder; equal items compare equal,
// so a stable sort keeps their order.
#pragma once

#include "KyDir/Gui/FileList/FileListView.h"
#include "FinderLink/ResultList/FileListOrder.h"

class DirItemOrder : public Kyvant::FileListOrder::ColumnOrder {
public:
    using Item = FileListView::Item;

    // column: an id of FileListView::Column.
    DirItemOrder(int column, bool descending);

    // Negative, zero or positive as a sorts before, with or after b in
    // ascending order, the folder rule included.
    int Compare(const Item& a, const Item& b) const;
    bool operator()(const Item& a, const Item& b) const { return Before(Compare(a, b)); }

private:
    bool m_byRank;
    bool m_foldersFirst;
};
