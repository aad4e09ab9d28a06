// FileListViewBaseT<T>: the records of the rows, from the model the derived
// view supplies, and their files and folders; rows the model does not hold
// have no record and give empty names.
#pragma once

#include "FinderLink/ResultList/FileListViewBaseT.h"

namespace Kyvant {

template <class T>
T* FileListViewBaseT<T>::GetRecord(int row) const
{
    Rows* rows = GetRows();
    if (rows == nullptr || row < 0 || static_cast<unsigned>(row) >= rows->size())
        return nullptr;
    return &rows->at(static_cast<unsigned>(row));
}

template <class T>
typename FileListViewBaseT<T>::RowIterator FileListViewBaseT<T>::GetRowIterator(int row) const
{
    return GetRows()->iterator_at(static_cast<unsigned>(row));
}

template <class T>
void FileListViewBaseT<T>::GetItemFileAndAttributes(ky_F& out, int row, DWORD& attributes)
{
    out.clear();
    attributes = 0;
    if (const T* record = GetRecord(row)) {
        record->PrepForDisplay_imp_1(ShFileRec::Item::AttributeText);
        out = record->GetFullFileName();
        attributes = record->GetAttributes();
    }
}

template <class T>
void FileListViewBaseT<T>::GetItemFile(ky_F& out, int row)
{
    const T* record = GetRecord(row);
    out = record != nullptr ? record->GetFullFileName() : ky_F();
}

template <class T>
void FileListViewBaseT<T>::GetItemFolder(ky_F& out, int row)
{
    const T* record = GetRecord(row);
    out = record != nullptr ? record->GetFolder() : ky_F();
}

} // namespace Kyvant
