// FileListViewBaseT<T>::FileDS: rendering the selection's file list and ID
// lists, keeping rendered blocks, and the drop effects a target writes back.
#pragma once

#include "FinderLink/ResultList/FileListViewBaseT.h"
#include "KyGuiTool/ResultList/HandlerExceptions.h"

namespace Kyvant {

template <class T>
FileListViewBaseT<T>::FileDS::FileDS(FileListViewBaseT& view, bool keepRendered,
                                     bool offerFeedbackFormats)
    : FileDataSource(keepRendered, false, offerFeedbackFormats), m_view(view),
      m_forMove(offerFeedbackFormats), m_performed(0), m_logicalPerformed(0), m_pasteSucceeded(0)
{
}

template <class T>
FileListViewBaseT<T>::FileDS::~FileDS()
{
}

// The block goes to the caller (into the caller's block when one is given);
// with keepRendered a copy is kept for later requests.
template <class T>
BOOL FileListViewBaseT<T>::FileDS::Deliver(HGLOBAL rendered, HGLOBAL* phGlobal, HGLOBAL& kept)
{
    if (m_keepRendered && kept == nullptr)
        kept = CopyGlobalMemory(nullptr, rendered);
    if (*phGlobal == nullptr) {
        *phGlobal = rendered;
        return TRUE;
    }
    const bool copied = CopyGlobalMemory(*phGlobal, rendered) != nullptr;
    ::GlobalFree(rendered);
    return copied ? TRUE : FALSE;
}

template <class T>
BOOL FileListViewBaseT<T>::FileDS::OnRenderHDrop(LPFORMATETC, HGLOBAL* phGlobal)
{
    if (m_keptHDrop != nullptr) {
        const HGLOBAL copy = CopyGlobalMemory(*phGlobal, m_keptHDrop);
        if (copy == nullptr)
            return FALSE;
        *phGlobal = copy;
        return TRUE;
    }
    HGLOBAL rendered = nullptr;
    if (!RenderHDrop(&rendered))
        return FALSE;
    return Deliver(rendered, phGlobal, m_keptHDrop);
}

template <class T>
BOOL FileListViewBaseT<T>::FileDS::RenderHDrop(HGLOBAL* phGlobal)
{
    RowIterators rows;
    std::vector<ky_F> paths;
    m_view.GetSelectedRows(rows, &paths);
    *phGlobal = FileDrop::MakeHDrop(paths);
    m_rendered.swap(rows);
    return TRUE;
}

template <class T>
BOOL FileListViewBaseT<T>::FileDS::OnRenderShellIdList(LPFORMATETC, HGLOBAL* phGlobal)
{
    if (m_keptShellIdList != nullptr) {
        const HGLOBAL copy = CopyGlobalMemory(*phGlobal, m_keptShellIdList);
        if (copy == nullptr)
            return FALSE;
        *phGlobal = copy;
        return TRUE;
    }
    HGLOBAL rendered = nullptr;
    if (!RenderShellIdList(&rendered))
        return FALSE;
    return Deliver(rendered, phGlobal, m_keptShellIdList);
}

// The rows are recorded here too: a drop target may take the ID lists alone.
template <class T>
BOOL FileListViewBaseT<T>::FileDS::RenderShellIdList(HGLOBAL* phGlobal)
{
    RowIterators rows;
    m_view.GetSelectedRows(rows, nullptr);
    m_idLists.Clear();
    for (const RowIterator& row : rows)
        m_idLists.Add(row->GetFolder(), row->GetName());
    *phGlobal = m_idLists.Make();
    m_idLists.Clear();
    m_rendered.swap(rows);
    return TRUE;
}

// The drop effects are kept; any other settable format is taken and
// dropped. A move written back removes the rendered rows once.
template <class T>
BOOL FileListViewBaseT<T>::FileDS::OnSetData(LPFORMATETC lpFormatEtc, LPSTGMEDIUM lpStgMedium,
                                             BOOL bRelease)
{
    ResultList::RunReportingErrors([&] {
        const CLIPFORMAT format = lpFormatEtc->cfFormat;
        DWORD* field = format == GetCfPerformedDropEffect()          ? &m_performed
                       : format == GetCfLogicalPerformedDropEffect() ? &m_logicalPerformed
                       : format == GetCfPasteSucceeded()             ? &m_pasteSucceeded
                                                                     : nullptr;
        DWORD value = 0;
        if (field != nullptr && lpStgMedium->tymed == TYMED_HGLOBAL &&
            FileDrop::ReadDwordBlock(lpStgMedium->hGlobal, value))
            *field = value;
        if (bRelease)
            ::ReleaseStgMedium(lpStgMedium);
        if (field != nullptr && m_forMove && MoveWrittenBack())
            RemoveMovedRows();
    });
    return TRUE;
}

// Removing rows flushes the clipboard, which lets this source go: it is
// held until the removal is over.
template <class T>
void FileListViewBaseT<T>::FileDS::RemoveMovedRows()
{
    if (m_rendered.empty())
        return;
    RowIterators moved;
    moved.swap(m_rendered);
    InternalAddRef();
    try {
        m_view.RemoveRows(moved, true);
    } catch (...) {
        InternalRelease();
        throw;
    }
    InternalRelease();
}

} // namespace Kyvant
