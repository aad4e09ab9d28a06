// COleDataSource: the layer's own IDataObject: cached, delay-rendered and settable formats, clipboard, drag.
#pragma once

#include "AfxCmdTarget.h"

#include <ole2.h>
#include <vector>

typedef DWORD DROPEFFECT;

// The drop source of a drag: the default ends the drag when the button is released, cancels on Escape.
class AFX_API COleDropSource : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDropSource)
public:
    COleDropSource();
    ~COleDropSource() override;

    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect);
    IDropSource* GetIDropSource();

private:
    struct XDropSource : public IDropSource
    {
        COleDropSource* m_pOwner = nullptr;
        STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
        STDMETHODIMP_(ULONG) AddRef() override;
        STDMETHODIMP_(ULONG) Release() override;
        STDMETHODIMP QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState) override;
        STDMETHODIMP GiveFeedback(DWORD dwEffect) override;
    } m_xDropSource;
};

class AFX_API COleDataSource : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDataSource)
public:
    COleDataSource();
    ~COleDataSource() override;

    // The data is the source's from now on (freed with it); a format given again replaces the old data.
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc = nullptr);
    void CacheData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = nullptr);
    // Offered formats whose data OnRenderData (then OnRenderGlobalData) makes when asked.
    void DelayRenderData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    // Formats a receiver may set (IDataObject::SetData), handed to OnSetData.
    void DelaySetData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    void Empty();

    virtual BOOL OnRenderData(LPFORMATETC lpFormatEtc, LPSTGMEDIUM lpStgMedium);
    virtual BOOL OnRenderGlobalData(LPFORMATETC lpFormatEtc, HGLOBAL* phGlobal);
    virtual BOOL OnSetData(LPFORMATETC lpFormatEtc, LPSTGMEDIUM lpStgMedium, BOOL bRelease);

    // The clipboard takes the source over: it deletes the source when it lets it go.
    void SetClipboard();
    // Renders every format of the layer's source on the clipboard and lets it go (the data stays).
    static void PASCAL FlushClipboard();
    // The layer's source now on the clipboard, or null.
    static COleDataSource* PASCAL GetClipboardOwner();
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                          LPCRECT lpRectStartDrag = nullptr, COleDropSource* pDropSource = nullptr);

    // The IDataObject (no reference added) and the reference count it shares with this object.
    LPUNKNOWN GetInterface(REFIID riid);
    IDataObject* GetIDataObject() { return &m_xDataObject; }
    DWORD InternalAddRef();
    DWORD InternalRelease();  // the last release deletes the object
    DWORD ExternalAddRef() { return InternalAddRef(); }
    DWORD ExternalRelease() { return InternalRelease(); }

protected:
    struct DataItem
    {
        FORMATETC formatEtc;
        STGMEDIUM stgMedium;  // TYMED_NULL for delayed rendering
        DWORD nDataDir;       // DATADIR_GET or DATADIR_SET
    };
    std::vector<DataItem> m_items;
    LONG m_dwRef;

    DataItem* Find(const FORMATETC* lpFormatEtc, DWORD nDataDir);
    DataItem& Add(const FORMATETC& formatEtc, DWORD nDataDir);
    virtual void OnFinalRelease();

private:
    struct XDataObject : public IDataObject
    {
        COleDataSource* m_pOwner = nullptr;
        STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
        STDMETHODIMP_(ULONG) AddRef() override;
        STDMETHODIMP_(ULONG) Release() override;
        STDMETHODIMP GetData(FORMATETC* pFormatEtc, STGMEDIUM* pMedium) override;
        STDMETHODIMP GetDataHere(FORMATETC* pFormatEtc, STGMEDIUM* pMedium) override;
        STDMETHODIMP QueryGetData(FORMATETC* pFormatEtc) override;
        STDMETHODIMP GetCanonicalFormatEtc(FORMATETC* pFormatEtcIn, FORMATETC* pFormatEtcOut) override;
        STDMETHODIMP SetData(FORMATETC* pFormatEtc, STGMEDIUM* pMedium, BOOL fRelease) override;
        STDMETHODIMP EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnum) override;
        STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override;
        STDMETHODIMP DUnadvise(DWORD) override;
        STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override;
    } m_xDataObject;

    friend struct XDataObject;
    HRESULT GetDataFor(FORMATETC* pFormatEtc, STGMEDIUM* pMedium);
    HRESULT SetDataFor(FORMATETC* pFormatEtc, STGMEDIUM* pMedium, BOOL fRelease);
};
