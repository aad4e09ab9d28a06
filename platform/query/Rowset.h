// The rowset of one executed command: rows from the script, read through
// one accessor of variant references, with the query status and the
// asynchronous-open status.
#pragma once

#include "Script.h"
#include "Support.h"

#include <oledb.h>

#include <array>
#include <vector>

namespace QueryStandIn {

class Rowset : public IRowset,
               public IAccessor,
               public IRowsetInfo,
               public IDBAsynchStatus,
               public ISupportErrorInfo,
               private RefCounted {
public:
    Rowset(const std::vector<RowEntry>& rows, const CatalogBehaviour& behaviour, bool asynch);
    ~Rowset() override;

    HRESULT WINAPI QueryInterface(REFIID riid, void** out) override;
    ULONG WINAPI AddRef() override { return AddRefImpl(); }
    ULONG WINAPI Release() override { return ReleaseImpl(); }

    // IRowset
    HRESULT WINAPI AddRefRows(DBCOUNTITEM count, const HROW rows[], DBREFCOUNT refs[],
                              DBROWSTATUS status[]) override;
    HRESULT WINAPI GetData(HROW row, HACCESSOR accessor, void* data) override;
    HRESULT WINAPI GetNextRows(HCHAPTER chapter, DBROWOFFSET offset, DBROWCOUNT count,
                               DBCOUNTITEM* obtained, HROW** rows) override;
    HRESULT WINAPI ReleaseRows(DBCOUNTITEM count, const HROW rows[], DBROWOPTIONS options[],
                               DBREFCOUNT refs[], DBROWSTATUS status[]) override;
    HRESULT WINAPI RestartPosition(HCHAPTER chapter) override;

    // IAccessor
    HRESULT WINAPI AddRefAccessor(HACCESSOR accessor, DBREFCOUNT* refs) override;
    HRESULT WINAPI CreateAccessor(DBACCESSORFLAGS flags, DBCOUNTITEM count,
                                  const DBBINDING bindings[], DBLENGTH rowSize, HACCESSOR* accessor,
                                  DBBINDSTATUS status[]) override;
    HRESULT WINAPI GetBindings(HACCESSOR accessor, DBACCESSORFLAGS* flags, DBCOUNTITEM* count,
                               DBBINDING** bindings) override;
    HRESULT WINAPI ReleaseAccessor(HACCESSOR accessor, DBREFCOUNT* refs) override;

    // IRowsetInfo
    HRESULT WINAPI GetProperties(const ULONG setCount, const DBPROPIDSET sets[], ULONG* outCount,
                                 DBPROPSET** outSets) override;
    HRESULT WINAPI GetReferencedRowset(DBORDINAL ordinal, REFIID riid, IUnknown** rowset) override;
    HRESULT WINAPI GetSpecification(REFIID riid, IUnknown** specification) override;

    // IDBAsynchStatus
    HRESULT WINAPI Abort(HCHAPTER chapter, DBASYNCHOP operation) override;
    HRESULT WINAPI GetStatus(HCHAPTER chapter, DBASYNCHOP operation, DBCOUNTITEM* progress,
                             DBCOUNTITEM* progressMax, DBASYNCHPHASE* phase,
                             LPOLESTR* statusText) override;

    // ISupportErrorInfo
    HRESULT WINAPI InterfaceSupportsErrorInfo(REFIID riid) override;

private:
    std::vector<std::array<PROPVARIANT, 5>> rows_;
    CatalogBehaviour behaviour_;
    bool asynch_;
    size_t next_ = 0;
    unsigned polls_ = 0;
    long rowsHeld_ = 0;
    long accessorRefs_ = 0;
    std::vector<DBBINDING> bindings_;
};

} // namespace QueryStandIn
