// The format enumerator of the layer's data sources: its own copy of the formats and a cursor.
#include "OleFormatEnum.h"

#include <new>

namespace {

class FormatEnum : public IEnumFORMATETC
{
public:
    FormatEnum(const std::vector<FORMATETC>& formats, ULONG nNext) : m_formats(formats), m_nNext(nNext) {}
    virtual ~FormatEnum() = default;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr)
            return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IEnumFORMATETC)) {
            *ppv = static_cast<IEnumFORMATETC*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_nRef)); }
    STDMETHODIMP_(ULONG) Release() override
    {
        LONG n = ::InterlockedDecrement(&m_nRef);
        if (n == 0)
            delete this;
        return static_cast<ULONG>(n);
    }
    STDMETHODIMP Next(ULONG celt, FORMATETC* rgelt, ULONG* pceltFetched) override
    {
        if (rgelt == nullptr || (celt > 1 && pceltFetched == nullptr))
            return E_POINTER;
        ULONG n = 0;
        while (n < celt && m_nNext < m_formats.size())
            rgelt[n++] = m_formats[m_nNext++];  // no target devices: a plain copy
        if (pceltFetched != nullptr)
            *pceltFetched = n;
        return n == celt ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG celt) override
    {
        ULONG left = static_cast<ULONG>(m_formats.size()) - m_nNext;
        ULONG n = celt < left ? celt : left;
        m_nNext += n;
        return n == celt ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override
    {
        m_nNext = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumFORMATETC** ppEnum) override
    {
        if (ppEnum == nullptr)
            return E_POINTER;
        FormatEnum* pClone = new (std::nothrow) FormatEnum(m_formats, m_nNext);
        *ppEnum = pClone;
        return pClone ? S_OK : E_OUTOFMEMORY;
    }

private:
    std::vector<FORMATETC> m_formats;
    ULONG m_nNext;
    LONG m_nRef = 1;
};

}  // namespace

IEnumFORMATETC* AfxCreateFormatEnum(const std::vector<FORMATETC>& formats)
{
    try {
        return new (std::nothrow) FormatEnum(formats, 0);
    } catch (...) {
        return nullptr;  // copying the list ran out of memory
    }
}
