// FileListViewBaseT<T>: the selection to the clipboard, into a drag and to
// the properties of several files.
#pragma once

#include "FinderLink/ResultList/FileListViewBaseT.h"
#include "FinderLink/ResultList/FileOperations.h"
#include "KyGui/Shell/MultiSelPropPage.h"
#include "KyStd/Containers/Sequencer.h"

#include <afxwin.h>

#include <comdef.h>

namespace Kyvant {

namespace FileListDetail {

// DROPEFFECT_COPY | DROPEFFECT_LINK: what a paste of copied files may do.
const DWORD kCopyDropEffect = DROPEFFECT_COPY | DROPEFFECT_LINK;
const DWORD kCutDropEffect = DROPEFFECT_MOVE;
const DWORD kDragEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

// Drops the creator's reference of a data source at the end of a scope.
class SourceReference {
public:
    explicit SourceReference(COleDataSource* source) : m_source(source) {}
    ~SourceReference()
    {
        if (m_source != nullptr)
            m_source->InternalRelease();
    }
    SourceReference(const SourceReference&) = delete;
    SourceReference& operator=(const SourceReference&) = delete;
    // The reference is handed on (to the clipboard).
    COleDataSource* Release()
    {
        COleDataSource* source = m_source;
        m_source = nullptr;
        return source;
    }

private:
    COleDataSource* m_source;
};

} // namespace FileListDetail

template <class T>
void FileListViewBaseT<T>::CopyItems(bool copy)
{
    if (GetListCtrl().GetSelectedCount() == 0)
        return;
    FileDS* source = new FileDS(*this, false, !copy);
    FileListDetail::SourceReference reference(source);
    HGLOBAL block = nullptr;
    source->RenderHDrop(&block);
    source->CacheGlobalData(CF_HDROP, block);
    if (copy) {
        source->RenderShellIdList(&block);
        source->CacheGlobalData(FileDataSource::GetCfShellIdList(), block);
    }
    source->CacheGlobalData(FileDataSource::GetCfPreferredDropEffect(),
                            FileDrop::MakeDwordBlock(copy ? FileListDetail::kCopyDropEffect
                                                          : FileListDetail::kCutDropEffect));
    reference.Release()->SetClipboard();
}

// One row: its shell properties. Several: the shell's properties of all of
// them where it has them, else the tool's own summary sheet.
template <class T>
void FileListViewBaseT<T>::ShowItemProperties()
{
    CListCtrl& list = GetListCtrl();
    const int count = static_cast<int>(list.GetSelectedCount());
    if (count < 2) {
        DoItemLaunch(list.GetNextItem(-1, LVNI_SELECTED), true);
        return;
    }
    CWaitCursor wait;
    bool shown = false;
    if (OsVersion::AtLeastXP()) {
        try {
            FileDS* source = new FileDS(*this, false, false);
            FileListDetail::SourceReference reference(source);
            HGLOBAL block = nullptr;
            source->RenderShellIdList(&block);
            source->CacheGlobalData(FileDataSource::GetCfShellIdList(), block);
            shown = FileOps::ShowShellMultiFileProperties(source->GetIDataObject());
        } catch (const _com_error&) {
            shown = false; // the summary sheet below still describes the files
        }
    }
    if (shown)
        return;
    std::vector<Shell::FsObj> selection;
    CreateShellExtensionSelectionVector(selection, -1, count);
    CWnd* frame = GetParentFrame();
    Shell::DoExplorerProperties(forward_input_sequencer<std::vector<Shell::FsObj>>(selection),
                                frame != nullptr ? *frame : static_cast<CWnd&>(*this));
}

// The files go wherever the drop target takes them; a move, reported by
// the drag's result or written back by the target, removes the rows whose
// files are gone.
template <class T>
void FileListViewBaseT<T>::BeginItemDrag(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (GetListCtrl().GetSelectedCount() == 0)
        return;
    FileDS* source = new FileDS(*this, true, true);
    FileListDetail::SourceReference reference(source);
    source->DelayRenderData(CF_HDROP);
    source->DelayRenderData(FileDataSource::GetCfShellIdList());
    const DROPEFFECT effect = source->DoDragDrop(FileListDetail::kDragEffects);
    if ((effect & DROPEFFECT_MOVE) || source->MoveWrittenBack())
        RemoveRows(source->GetRenderedRows(), true);
}

} // namespace Kyvant
