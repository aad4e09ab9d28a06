// The CF_HDROP file list of a selection and a small data object offering it.
#include "KyGui/Shell/DropFiles.h"

#include <afxwin.h>
#include <shlobj.h>

#include <cstring>

namespace Kyvant {
namespace Shell {

namespace {

const UINT BlockFlags = GMEM_MOVEABLE | GMEM_DDESHARE;

HGLOBAL CopyBlock(HGLOBAL source)
{
    const SIZE_T size = ::GlobalSize(source);
    HGLOBAL copy = ::GlobalAlloc(BlockFlags, size);
    if (copy == nullptr)
        return nullptr;
    void* from = ::GlobalLock(source);
    void* to = ::GlobalLock(copy);
    memcpy(to, from, size);
    ::GlobalUnlock(copy);
    ::GlobalUnlock(source);
    return copy;
}

bool IsDropFormat(const FORMATETC* format)
{
    return format != nullptr && format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) != 0 &&
           format->dwAspect == DVASPECT_CONTENT;
}

class DropFilesDataObject : public IDataObject {
public:
    explicit DropFilesDataObject(HGLOBAL block) : m_refs(1), m_block(block) {}
    virtual ~DropFilesDataObject() { ::GlobalFree(m_block); }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        if (out == nullptr)
            return E_POINTER;
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IDataObject)
            return E_NOINTERFACE;
        *out = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ::InterlockedIncrement(&m_refs); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG left = ::InterlockedDecrement(&m_refs);
        if (left == 0)
            delete this;
        return left;
    }

    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (medium == nullptr)
            return E_POINTER;
        if (!IsDropFormat(format))
            return DV_E_FORMATETC;
        HGLOBAL copy = CopyBlock(m_block);
        if (copy == nullptr)
            return E_OUTOFMEMORY;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = copy;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC* format) override { return IsDropFormat(format) ? S_OK : DV_E_FORMATETC; }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override
    {
        if (out != nullptr)
            out->ptd = nullptr;
        return DATA_S_SAMEFORMATETC;
    }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC** out) override
    {
        if (out != nullptr)
            *out = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    LONG m_refs;
    HGLOBAL m_block;
};

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
    return new DropFilesDataObject(block);
}

} // namespace Shell
} // namespace Kyvant
