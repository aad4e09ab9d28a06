// DirItemOrder: the order of listed items by one column of the Dir list,
// ascending or descending. Folders come before files (after them when
// descending) unless the order is by In Folder; equal items compare equal,
// so a stable sort keeps their order.
#pragma once

#include "KyDir/Gui/FileList/FileListView.h"
#include "FinderLink/ResultList/FileListOrder.h"
#include "KyGuiTool/FileRecords/ShFileRecItem.h"

class DirItemOrder {
public:
    using Item = FileListView::Item;

    DirItemOrder(FileListView::Column column, bool descending);

    // The display fields the order reads (prepared before comparing).
    Kyvant::ShFileRec::Item::Fields NeededFields() const { return m_needed; }
    // Negative, zero or positive as a sorts before, with or after b in
    // ascending order, the folder rule included.
    int Compare(const Item& a, const Item& b) const;
    bool operator()(const Item& a, const Item& b) const
    {
        const int order = Compare(a, b);
        return m_descending ? order > 0 : order < 0;
    }

    // Two file names under the rules of Kyvant::ky_F (letters without case,
    // '/' equal to '\\', separators before every other character).
    int CompareFileNames(const Kyvant::ky_F& a, const Kyvant::ky_F& b) const
    {
        return m_names.Compare(a, b);
    }

private:
    int CompareByColumn(const Item& a, const Item& b) const;

    FileListView::Column m_column;
    bool m_descending;
    Kyvant::ShFileRec::Item::Fields m_needed;
    Kyvant::FileListOrder::FileNameOrder m_names;
};
