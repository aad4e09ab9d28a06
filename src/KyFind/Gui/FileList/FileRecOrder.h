// FileRecOrder: the order of found files by one column of the file list,
// ascending or descending: the file columns as every result list orders
// them, and Matches by the match count; equal records compare equal, so a
// stable sort keeps their order.
#pragma once

#include "KyFind/Gui/FileList/FileListView.h"
#include "KyFind/Gui/Model/FinderModel.h"
#include "FinderLink/ResultList/FileListOrder.h"

class FileRecOrder : public Kyvant::FileListOrder::ColumnOrder {
public:
    using FileRec = Finder::Model::FileRec;

    // column: an id of FileListView::Column.
    FileRecOrder(int column, bool descending);

    // Negative, zero or positive as a sorts before, with or after b in
    // ascending order.
    int Compare(const FileRec& a, const FileRec& b) const;
    bool operator()(const FileRec& a, const FileRec& b) const { return Before(Compare(a, b)); }

private:
    bool m_byMatches;
};
