// The CF_HDROP file list of a selection and the OLE data source offering it.
#include "KyGui/Shell/DropFiles.h"

#include <afxole.h>
#include <afxwin.h>
#include <shlobj.h>

#include <cstring>

namespace Kyvant {
namespace Shell {

namespace {

const UINT BlockFlags = GMEM_MOVEABLE | GMEM_DDESHARE;

} // namespace

HGLOBAL MakeDropFilesBlock(const input_sequencer<FsObj>& selection, unsigned listBytes)
{
    const unsigned headerSize = sizeof(DROPFILES);
    HGLOBAL block = ::GlobalAlloc(BlockFlags | GMEM_ZEROINIT, headerSize + listBytes);
    if (block == nullptr)
        AfxThrowMemoryException();
    BYTE* data = static_cast<BYTE*>(::GlobalLock(block));
    reinterpret_cast<DROPFILES*>(data)->pFiles = headerSize;
    char* out = reinterpret_cast<char*>(data + headerSize);
    char* const end = out + listBytes;
    for (selection.rewind(); !selection.at_end(); selection.next()) {
        const FsObj object = selection.current();
        const unsigned length = object.Path().length() + 1;
        if (out + length >= end)
            break;  // never past the block, whatever count was given
        memcpy(out, object.Path().c_str(), length);
        out += length;
    }
    ::GlobalUnlock(block);
    return block;
}

IDataObject* CreateDropFilesDataObject(HGLOBAL block)
{
    COleDataSource* source = new COleDataSource;  // one reference, the caller's
    source->CacheGlobalData(CF_HDROP, block);
    return source->GetIDataObject();
}

} // namespace Shell
} // namespace Kyvant
