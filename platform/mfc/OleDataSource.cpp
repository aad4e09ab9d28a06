// COleDataSource: cached and delay-rendered formats, settable formats, the clipboard and dragging.
#include "AfxOleDataSource.h"

#include "AfxOleException.h"
#include "AfxState.h"
#include "OleFormatEnum.h"

#include <cstring>

IMPLEMENT_DYNAMIC(COleDataSource, CCmdTarget)

namespace {

// The layer's source that is on the clipboard now; cleared when the clipboard lets it go.
COleDataSource* g_pClipboardSource = nullptr;

const LONG kAnyIndex = -1;

FORMATETC DefaultFormat(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc, DWORD tymed)
{
    if (lpFormatEtc != nullptr) {
        FORMATETC fe = *lpFormatEtc;
        fe.cfFormat = cfFormat;
        return fe;
    }
    FORMATETC fe = { cfFormat, nullptr, DVASPECT_CONTENT, kAnyIndex, tymed };
    return fe;
}

bool SameFormat(const FORMATETC& have, const FORMATETC& asked)
{
    return have.cfFormat == asked.cfFormat && have.dwAspect == asked.dwAspect &&
           (have.lindex == asked.lindex || asked.lindex == kAnyIndex) && (have.tymed & asked.tymed) != 0;
}

HGLOBAL CopyGlobal(HGLOBAL hSource)
{
    SIZE_T nSize = ::GlobalSize(hSource);
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, nSize);
    if (hCopy == nullptr)
        return nullptr;
    void* pTo = ::GlobalLock(hCopy);
    const void* pFrom = ::GlobalLock(hSource);
    if (pTo == nullptr || pFrom == nullptr) {
        if (pFrom != nullptr)
            ::GlobalUnlock(hSource);
        if (pTo != nullptr)
            ::GlobalUnlock(hCopy);
        ::GlobalFree(hCopy);
        return nullptr;
    }
    std::memcpy(pTo, pFrom, nSize);
    ::GlobalUnlock(hSource);
    ::GlobalUnlock(hCopy);
    return hCopy;
}

// The caller's own copy of a cached medium.
HRESULT CopyMedium(CLIPFORMAT cfFormat, const STGMEDIUM& from, STGMEDIUM* pTo)
{
    *pTo = STGMEDIUM();
    pTo->tymed = from.tymed;
    switch (from.tymed) {
    case TYMED_HGLOBAL:
        pTo->hGlobal = CopyGlobal(from.hGlobal);
        return pTo->hGlobal ? S_OK : E_OUTOFMEMORY;
    case TYMED_GDI:
    case TYMED_MFPICT:
    case TYMED_ENHMF:
        pTo->hGlobal = static_cast<HGLOBAL>(::OleDuplicateData(from.hGlobal, cfFormat, GMEM_MOVEABLE));
        return pTo->hGlobal ? S_OK : E_OUTOFMEMORY;
    case TYMED_ISTREAM:
    case TYMED_ISTORAGE:
        pTo->pstm = from.pstm;
        if (pTo->pstm != nullptr)
            pTo->pstm->AddRef();
        return S_OK;
    default:
        pTo->tymed = TYMED_NULL;
        return DV_E_TYMED;
    }
}

HRESULT HresultFromCurrentException()
{
    try {
        CException* e = AfxExceptionFromCurrent();
        SCODE sc = COleException::Process(e);
        e->Delete();
        return sc;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace

COleDataSource::COleDataSource() : m_dwRef(1) { m_xDataObject.m_pOwner = this; }

COleDataSource::~COleDataSource()
{
    if (g_pClipboardSource == this)
        g_pClipboardSource = nullptr;
    Empty();
}

DWORD COleDataSource::InternalAddRef() { return static_cast<DWORD>(::InterlockedIncrement(&m_dwRef)); }

DWORD COleDataSource::InternalRelease()
{
    LONG n = ::InterlockedDecrement(&m_dwRef);
    if (n == 0)
        OnFinalRelease();
    return static_cast<DWORD>(n);
}

void COleDataSource::OnFinalRelease() { delete this; }

LPUNKNOWN COleDataSource::GetInterface(REFIID riid)
{
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject))
        return &m_xDataObject;
    return nullptr;
}

COleDataSource::DataItem* COleDataSource::Find(const FORMATETC* lpFormatEtc, DWORD nDataDir)
{
    for (DataItem& item : m_items) {
        if (item.nDataDir == nDataDir && SameFormat(item.formatEtc, *lpFormatEtc))
            return &item;
    }
    return nullptr;
}

COleDataSource::DataItem& COleDataSource::Add(const FORMATETC& formatEtc, DWORD nDataDir)
{
    // A format given again replaces what the source had for it.
    for (DataItem& item : m_items) {
        if (item.nDataDir == nDataDir && item.formatEtc.cfFormat == formatEtc.cfFormat &&
            item.formatEtc.dwAspect == formatEtc.dwAspect && item.formatEtc.lindex == formatEtc.lindex) {
            if (item.stgMedium.tymed != TYMED_NULL)
                ::ReleaseStgMedium(&item.stgMedium);
            item.formatEtc = formatEtc;
            item.stgMedium = STGMEDIUM();
            return item;
        }
    }
    DataItem item = { formatEtc, STGMEDIUM(), nDataDir };
    item.formatEtc.ptd = nullptr;  // target devices are not kept
    m_items.push_back(item);
    return m_items.back();
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc)
{
    STGMEDIUM medium = {};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = hGlobal;
    FORMATETC fe = DefaultFormat(cfFormat, lpFormatEtc, TYMED_HGLOBAL);
    fe.tymed = TYMED_HGLOBAL;
    CacheData(cfFormat, &medium, &fe);
}

void COleDataSource::CacheData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc)
{
    if (lpStgMedium == nullptr || lpStgMedium->tymed == TYMED_NULL)
        return;
    FORMATETC fe = DefaultFormat(cfFormat, lpFormatEtc, lpStgMedium->tymed);
    fe.tymed = lpStgMedium->tymed;
    DataItem& item = Add(fe, DATADIR_GET);
    item.stgMedium = *lpStgMedium;
}

void COleDataSource::DelayRenderData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    Add(DefaultFormat(cfFormat, lpFormatEtc, TYMED_HGLOBAL), DATADIR_GET);
}

void COleDataSource::DelaySetData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    Add(DefaultFormat(cfFormat, lpFormatEtc, TYMED_HGLOBAL), DATADIR_SET);
}

void COleDataSource::Empty()
{
    for (DataItem& item : m_items) {
        if (item.stgMedium.tymed != TYMED_NULL)
            ::ReleaseStgMedium(&item.stgMedium);
    }
    m_items.clear();
}

BOOL COleDataSource::OnRenderData(LPFORMATETC lpFormatEtc, LPSTGMEDIUM lpStgMedium)
{
    if (!(lpFormatEtc->tymed & TYMED_HGLOBAL))
        return FALSE;
    HGLOBAL hGlobal = nullptr;
    if (!OnRenderGlobalData(lpFormatEtc, &hGlobal) || hGlobal == nullptr)
        return FALSE;
    lpStgMedium->tymed = TYMED_HGLOBAL;
    lpStgMedium->hGlobal = hGlobal;
    lpStgMedium->pUnkForRelease = nullptr;
    return TRUE;
}

BOOL COleDataSource::OnRenderGlobalData(LPFORMATETC, HGLOBAL*) { return FALSE; }

BOOL COleDataSource::OnSetData(LPFORMATETC, LPSTGMEDIUM, BOOL) { return FALSE; }

HRESULT COleDataSource::GetDataFor(FORMATETC* pFormatEtc, STGMEDIUM* pMedium)
{
    if (pFormatEtc == nullptr || pMedium == nullptr)
        return E_POINTER;
    *pMedium = STGMEDIUM();
    DataItem* pItem = Find(pFormatEtc, DATADIR_GET);
    if (pItem == nullptr)
        return DV_E_FORMATETC;
    if (pItem->stgMedium.tymed != TYMED_NULL)
        return CopyMedium(pItem->formatEtc.cfFormat, pItem->stgMedium, pMedium);
    FORMATETC fe = *pFormatEtc;
    fe.tymed &= pItem->formatEtc.tymed;
    if (!OnRenderData(&fe, pMedium)) {
        *pMedium = STGMEDIUM();
        return DV_E_FORMATETC;
    }
    return S_OK;
}

HRESULT COleDataSource::SetDataFor(FORMATETC* pFormatEtc, STGMEDIUM* pMedium, BOOL fRelease)
{
    if (pFormatEtc == nullptr || pMedium == nullptr)
        return E_POINTER;
    if (Find(pFormatEtc, DATADIR_SET) == nullptr)
        return DV_E_FORMATETC;
    FORMATETC fe = *pFormatEtc;
    return OnSetData(&fe, pMedium, fRelease) ? S_OK : E_FAIL;
}

void COleDataSource::SetClipboard()
{
    HRESULT hr = ::OleSetClipboard(&m_xDataObject);
    if (SUCCEEDED(hr))
        g_pClipboardSource = this;
    // The clipboard holds its own reference now; the creator's goes (on failure the source goes with it).
    InternalRelease();
    if (FAILED(hr))
        AfxThrowOleException(hr);
}

COleDataSource* COleDataSource::GetClipboardOwner()
{
    if (g_pClipboardSource == nullptr)
        return nullptr;
    if (::OleIsCurrentClipboard(&g_pClipboardSource->m_xDataObject) != S_OK)
        return nullptr;
    return g_pClipboardSource;
}

void COleDataSource::FlushClipboard()
{
    if (GetClipboardOwner() != nullptr)
        ::OleFlushClipboard();  // renders every format, then releases (and so deletes) the source
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT, COleDropSource* pDropSource)
{
    COleDropSource defaultSource;
    if (pDropSource == nullptr)
        pDropSource = &defaultSource;
    DWORD dwEffect = DROPEFFECT_NONE;
    InternalAddRef();  // a drop target may hold the data while this runs
    HRESULT hr = ::DoDragDrop(&m_xDataObject, pDropSource->GetIDropSource(), dwEffects, &dwEffect);
    InternalRelease();
    return hr == DRAGDROP_S_DROP ? dwEffect : DROPEFFECT_NONE;
}

STDMETHODIMP COleDataSource::XDataObject::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = m_pOwner->GetInterface(riid);
    if (*ppv == nullptr)
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) COleDataSource::XDataObject::AddRef() { return m_pOwner->InternalAddRef(); }

STDMETHODIMP_(ULONG) COleDataSource::XDataObject::Release()
{
    try {
        return m_pOwner->InternalRelease();
    } catch (...) {
        return 0;  // a destructor that threw: nothing may reach the caller
    }
}

STDMETHODIMP COleDataSource::XDataObject::GetData(FORMATETC* pFormatEtc, STGMEDIUM* pMedium)
{
    try {
        return m_pOwner->GetDataFor(pFormatEtc, pMedium);
    } catch (...) {
        if (pMedium != nullptr)
            *pMedium = STGMEDIUM();
        return HresultFromCurrentException();
    }
}

STDMETHODIMP COleDataSource::XDataObject::GetDataHere(FORMATETC* pFormatEtc, STGMEDIUM* pMedium)
{
    if (pFormatEtc == nullptr || pMedium == nullptr)
        return E_POINTER;
    if (pMedium->tymed != TYMED_HGLOBAL || pMedium->hGlobal == nullptr)
        return DV_E_TYMED;
    STGMEDIUM rendered = {};
    HRESULT hr = GetData(pFormatEtc, &rendered);
    if (FAILED(hr))
        return hr;
    if (rendered.tymed != TYMED_HGLOBAL) {
        ::ReleaseStgMedium(&rendered);
        return DV_E_TYMED;
    }
    SIZE_T nSize = ::GlobalSize(rendered.hGlobal);
    hr = STG_E_MEDIUMFULL;
    if (nSize <= ::GlobalSize(pMedium->hGlobal)) {
        void* pTo = ::GlobalLock(pMedium->hGlobal);
        const void* pFrom = ::GlobalLock(rendered.hGlobal);
        if (pTo != nullptr && pFrom != nullptr) {
            std::memcpy(pTo, pFrom, nSize);
            hr = S_OK;
        } else {
            hr = E_OUTOFMEMORY;
        }
        if (pFrom != nullptr)
            ::GlobalUnlock(rendered.hGlobal);
        if (pTo != nullptr)
            ::GlobalUnlock(pMedium->hGlobal);
    }
    ::ReleaseStgMedium(&rendered);
    return hr;
}

STDMETHODIMP COleDataSource::XDataObject::QueryGetData(FORMATETC* pFormatEtc)
{
    if (pFormatEtc == nullptr)
        return E_POINTER;
    return m_pOwner->Find(pFormatEtc, DATADIR_GET) ? S_OK : DV_E_FORMATETC;
}

STDMETHODIMP COleDataSource::XDataObject::GetCanonicalFormatEtc(FORMATETC* pFormatEtcIn, FORMATETC* pFormatEtcOut)
{
    if (pFormatEtcIn == nullptr || pFormatEtcOut == nullptr)
        return E_POINTER;
    *pFormatEtcOut = *pFormatEtcIn;
    pFormatEtcOut->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP COleDataSource::XDataObject::SetData(FORMATETC* pFormatEtc, STGMEDIUM* pMedium, BOOL fRelease)
{
    try {
        return m_pOwner->SetDataFor(pFormatEtc, pMedium, fRelease);
    } catch (...) {
        return HresultFromCurrentException();
    }
}

STDMETHODIMP COleDataSource::XDataObject::EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnum)
{
    if (ppEnum == nullptr)
        return E_POINTER;
    *ppEnum = nullptr;
    try {
        std::vector<FORMATETC> formats;
        for (const DataItem& item : m_pOwner->m_items) {
            if (item.nDataDir == dwDirection)
                formats.push_back(item.formatEtc);
        }
        *ppEnum = AfxCreateFormatEnum(formats);
        return *ppEnum ? S_OK : E_OUTOFMEMORY;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

STDMETHODIMP COleDataSource::XDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::XDataObject::DUnadvise(DWORD) { return OLE_E_ADVISENOTSUPPORTED; }

STDMETHODIMP COleDataSource::XDataObject::EnumDAdvise(IEnumSTATDATA**) { return OLE_E_ADVISENOTSUPPORTED; }
