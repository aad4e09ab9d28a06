// FileRecOrder: the order of found files by one column of the file list,
// ascending or descending; equal records compare equal, so a stable sort
// keeps their order.
#pragma once

#include "KyFind/Gui/FileList/FileListView.h"
#include "KyFind/Gui/Model/FinderModel.h"
#include "FinderLink/ResultList/FileListOrder.h"
#include "KyGuiTool/FileRecords/ShFileRecItem.h"

class FileRecOrder {
public:
    using FileRec = Finder::Model::FileRec;

    FileRecOrder(FileListView::Column column, bool descending);

    // The display fields the column compares (prepared before comparing).
    Kyvant::ShFileRec::Item::Fields NeededFields() const;
    // Negative, zero or positive as a sorts before, with or after b in
    // ascending order.
    int Compare(const FileRec& a, const FileRec& b) const;
    bool operator()(const FileRec& a, const FileRec& b) const
    {
        const int order = Compare(a, b);
        return m_descending ? order > 0 : order < 0;
    }

    // Two file names under the rules of Kyvant::ky_F (letters without case,
    // '/' equal to '\\', separators before every other character), as
    // ky_F::compare orders them.
    int CompareFileNames(const Kyvant::ky_F& a, const Kyvant::ky_F& b) const
    {
        return m_names.Compare(a, b);
    }

private:
    FileListView::Column m_column;
    bool m_descending;
    Kyvant::ShFileRec::Item::Fields m_needed;
    Kyvant::FileListOrder::FileNameOrder m_names;
};
