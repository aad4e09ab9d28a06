// COleDropSource: when a drag ends or is cancelled, and its cursors.
#include "AfxOleDataSource.h"

IMPLEMENT_DYNAMIC(COleDropSource, CCmdTarget)

COleDropSource::COleDropSource() { m_xDropSource.m_pOwner = this; }

COleDropSource::~COleDropSource() = default;

IDropSource* COleDropSource::GetIDropSource() { return &m_xDropSource; }

SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (bEscapePressed)
        return DRAGDROP_S_CANCEL;
    if (!(dwKeyState & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)))
        return DRAGDROP_S_DROP;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT) { return DRAGDROP_S_USEDEFAULTCURSORS; }

STDMETHODIMP COleDropSource::XDropSource::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropSource)) {
        *ppv = static_cast<IDropSource*>(this);
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

// The drop source lives as long as the drag that its owner runs: no counting.
STDMETHODIMP_(ULONG) COleDropSource::XDropSource::AddRef() { return 1; }
STDMETHODIMP_(ULONG) COleDropSource::XDropSource::Release() { return 1; }

STDMETHODIMP COleDropSource::XDropSource::QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState)
{
    try {
        return m_pOwner->QueryContinueDrag(fEscapePressed, grfKeyState);
    } catch (...) {
        return DRAGDROP_S_CANCEL;
    }
}

STDMETHODIMP COleDropSource::XDropSource::GiveFeedback(DWORD dwEffect)
{
    try {
        return m_pOwner->GiveFeedback(dwEffect);
    } catch (...) {
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }
}
