// The rowset of one command: row fetches, the accessor, properties and the query and open status.
#include "Rowset.h"

#include "KyConTool/IndexingService/IndexingServiceOleDb.h"

#include <cstring>

namespace QueryStandIn {

namespace OleDb = Kyvant::IndexingService::OleDb;

namespace {

const HACCESSOR kAccessor = 1;

PROPVARIANT Value(const std::wstring& text, VARTYPE type)
{
    PROPVARIANT v;
    PropVariantInit(&v);
    if (text.empty())
        return v;
    v.vt = type;
    switch (type) {
    case VT_LPWSTR: {
        size_t bytes = (text.size() + 1) * sizeof(wchar_t);
        v.pwszVal = static_cast<LPWSTR>(CoTaskMemAlloc(bytes));
        std::memcpy(v.pwszVal, text.c_str(), bytes);
        break;
    }
    case VT_I8:
        v.hVal.QuadPart = static_cast<LONGLONG>(ParseNumber(text));
        break;
    case VT_UI4:
        v.ulVal = static_cast<ULONG>(ParseNumber(text));
        break;
    case VT_FILETIME: {
        unsigned long long t = ParseNumber(text);
        v.filetime.dwLowDateTime = static_cast<DWORD>(t);
        v.filetime.dwHighDateTime = static_cast<DWORD>(t >> 32);
        break;
    }
    default:
        v.lVal = static_cast<LONG>(ParseNumber(text));
        break;
    }
    return v;
}

} // namespace

Rowset::Rowset(const std::vector<RowEntry>& rows, const CatalogBehaviour& behaviour, bool asynch)
    : behaviour_(behaviour), asynch_(asynch)
{
    for (const RowEntry& r : rows) {
        rows_.push_back({Value(r.path, VT_LPWSTR), Value(r.size, VT_I8), Value(r.attrib, VT_UI4),
                         Value(r.write, VT_FILETIME), Value(r.rank, VT_I4)});
    }
}

Rowset::~Rowset()
{
    Log("Rowset released rows-held=" + std::to_string(rowsHeld_) +
        " accessors-held=" + std::to_string(accessorRefs_));
    for (auto& row : rows_) {
        for (PROPVARIANT& v : row)
            PropVariantClear(&v);
    }
}

HRESULT Rowset::QueryInterface(REFIID riid, void** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (riid == IID_IUnknown || riid == IID_IRowset)
        *out = static_cast<IRowset*>(this);
    else if (riid == IID_IAccessor)
        *out = static_cast<IAccessor*>(this);
    else if (riid == IID_IRowsetInfo)
        *out = static_cast<IRowsetInfo*>(this);
    else if (riid == IID_IDBAsynchStatus && asynch_)
        *out = static_cast<IDBAsynchStatus*>(this);
    else if (riid == IID_ISupportErrorInfo)
        *out = static_cast<ISupportErrorInfo*>(this);
    if (!*out)
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

HRESULT Rowset::AddRefRows(DBCOUNTITEM, const HROW[], DBREFCOUNT[], DBROWSTATUS[])
{
    return E_NOTIMPL;
}

HRESULT Rowset::GetData(HROW row, HACCESSOR accessor, void* data)
{
    if (accessor != kAccessor || accessorRefs_ == 0)
        return Fail(DB_E_BADACCESSORHANDLE, L"Bad accessor handle", IID_IRowset);
    if (row == 0 || row > rows_.size() || !data)
        return Fail(DB_E_BADROWHANDLE, L"Bad row handle", IID_IRowset);
    for (const DBBINDING& b : bindings_) {
        if (b.iOrdinal < 1 || b.iOrdinal > 5)
            return DB_E_BADORDINAL;
        auto** slot = reinterpret_cast<PROPVARIANT**>(static_cast<BYTE*>(data) + b.obValue);
        *slot = &rows_[row - 1][b.iOrdinal - 1];
    }
    return S_OK;
}

HRESULT Rowset::GetNextRows(HCHAPTER, DBROWOFFSET offset, DBROWCOUNT count, DBCOUNTITEM* obtained,
                            HROW** rows)
{
    if (!obtained || !rows)
        return E_INVALIDARG;
    *obtained = 0;
    if (FAILED(behaviour_.fetchError)) {
        Log("GetNextRows asked=" + std::to_string(count) + " failed");
        return Fail(behaviour_.fetchError, L"The rows could not be fetched", IID_IRowset);
    }
    size_t left = rows_.size() - next_;
    size_t n = count < 0 ? 0 : static_cast<size_t>(count);
    if (offset != 0 || n == 0)
        return E_INVALIDARG;
    if (n > left)
        n = left;
    Log("GetNextRows asked=" + std::to_string(count) + " obtained=" + std::to_string(n));
    if (n > 0) {
        if (!*rows)
            *rows = static_cast<HROW*>(CoTaskMemAlloc(n * sizeof(HROW)));
        if (!*rows)
            return E_OUTOFMEMORY;
        for (size_t i = 0; i < n; ++i)
            (*rows)[i] = next_ + i + 1;
        next_ += n;
        rowsHeld_ += static_cast<long>(n);
    }
    *obtained = n;
    return n < static_cast<size_t>(count) ? DB_S_ENDOFROWSET : S_OK;
}

HRESULT Rowset::ReleaseRows(DBCOUNTITEM count, const HROW[], DBROWOPTIONS[], DBREFCOUNT[],
                            DBROWSTATUS[])
{
    Log("ReleaseRows count=" + std::to_string(count));
    rowsHeld_ -= static_cast<long>(count);
    return S_OK;
}

HRESULT Rowset::RestartPosition(HCHAPTER)
{
    next_ = 0;
    return S_OK;
}

HRESULT Rowset::AddRefAccessor(HACCESSOR, DBREFCOUNT*)
{
    return E_NOTIMPL;
}

HRESULT Rowset::CreateAccessor(DBACCESSORFLAGS flags, DBCOUNTITEM count, const DBBINDING bindings[],
                               DBLENGTH rowSize, HACCESSOR* accessor, DBBINDSTATUS[])
{
    Log("CreateAccessor flags=" + Hex(flags) + " bindings=" + std::to_string(count) +
        " rowsize=" + std::to_string(rowSize));
    if (!accessor || (count && !bindings))
        return E_INVALIDARG;
    bindings_.assign(bindings, bindings + count);
    for (const DBBINDING& b : bindings_) {
        Log("Binding ordinal=" + std::to_string(b.iOrdinal) +
            " offset=" + std::to_string(b.obValue) + " part=" + Hex(b.dwPart) +
            " owner=" + Hex(b.dwMemOwner) + " type=" + Hex(b.wType));
    }
    ++accessorRefs_;
    *accessor = kAccessor;
    return S_OK;
}

HRESULT Rowset::GetBindings(HACCESSOR, DBACCESSORFLAGS*, DBCOUNTITEM*, DBBINDING**)
{
    return E_NOTIMPL;
}

HRESULT Rowset::ReleaseAccessor(HACCESSOR accessor, DBREFCOUNT* refs)
{
    if (accessor != kAccessor || accessorRefs_ == 0)
        return DB_E_BADACCESSORHANDLE;
    --accessorRefs_;
    if (refs)
        *refs = static_cast<DBREFCOUNT>(accessorRefs_);
    return S_OK;
}

HRESULT Rowset::GetProperties(const ULONG setCount, const DBPROPIDSET sets[], ULONG* outCount,
                              DBPROPSET** outSets)
{
    if (!outCount || !outSets)
        return E_INVALIDARG;
    *outCount = 0;
    *outSets = nullptr;
    bool wanted =
        setCount == 1 && sets && sets[0].guidPropertySet == OleDb::kDBPROPSET_MSIDXS_ROWSETEXT &&
        sets[0].cPropertyIDs == 1 && sets[0].rgPropertyIDs[0] == MSIDXSPROP_ROWSETQUERYSTATUS;
    Log(std::string("GetProperties query-status ") + (wanted ? "asked" : "not asked"));
    if (!wanted)
        return DB_E_ERRORSOCCURRED;
    auto* set = static_cast<DBPROPSET*>(CoTaskMemAlloc(sizeof(DBPROPSET)));
    auto* prop = static_cast<DBPROP*>(CoTaskMemAlloc(sizeof(DBPROP)));
    std::memset(prop, 0, sizeof *prop);
    prop->dwPropertyID = MSIDXSPROP_ROWSETQUERYSTATUS;
    prop->dwStatus = DBPROPSTATUS_OK;
    VariantInit(&prop->vValue);
    prop->vValue.vt = VT_I4;
    prop->vValue.lVal = static_cast<LONG>(behaviour_.status);
    set->guidPropertySet = OleDb::kDBPROPSET_MSIDXS_ROWSETEXT;
    set->cProperties = 1;
    set->rgProperties = prop;
    *outCount = 1;
    *outSets = set;
    return S_OK;
}

HRESULT Rowset::GetReferencedRowset(DBORDINAL, REFIID, IUnknown**)
{
    return E_NOTIMPL;
}

HRESULT Rowset::GetSpecification(REFIID, IUnknown**)
{
    return E_NOTIMPL;
}

HRESULT Rowset::Abort(HCHAPTER, DBASYNCHOP)
{
    return E_NOTIMPL;
}

HRESULT Rowset::GetStatus(HCHAPTER, DBASYNCHOP operation, DBCOUNTITEM* progress,
                          DBCOUNTITEM* progressMax, DBASYNCHPHASE* phase, LPOLESTR* statusText)
{
    if (!phase)
        return E_INVALIDARG;
    DBASYNCHPHASE now =
        polls_ < behaviour_.polls ? DBASYNCHPHASE_POPULATION : DBASYNCHPHASE_COMPLETE;
    ++polls_;
    Log("GetStatus operation=" + std::to_string(operation) + " phase=" + std::to_string(now));
    *phase = now;
    if (progress)
        *progress = polls_;
    if (progressMax)
        *progressMax = behaviour_.polls + 1;
    if (statusText)
        *statusText = nullptr;
    return S_OK;
}

HRESULT Rowset::InterfaceSupportsErrorInfo(REFIID riid)
{
    return riid == IID_IRowset || riid == IID_IAccessor || riid == IID_IRowsetInfo ||
                   riid == IID_IDBAsynchStatus
               ? S_OK
               : S_FALSE;
}

} // namespace QueryStandIn
