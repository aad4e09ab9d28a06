// Smart pointers of the OLE DB interfaces used by the Indexing Service
// queries (this compiler's COM support does not predefine them).
#pragma once

#include "KyConTool/IndexingServiceOleDb.h"
#include "KyStd/ComError.h"

namespace Kyvant {
namespace IndexingService {

inline const IID& CommandIid()
{
    return IID_ICommand;
}
inline const IID& CommandTreeIid()
{
    return OleDb::kIID_ICommandTree;
}
inline const IID& CommandPropertiesIid()
{
    return IID_ICommandProperties;
}
inline const IID& RowsetIid()
{
    return IID_IRowset;
}
inline const IID& AccessorIid()
{
    return IID_IAccessor;
}
inline const IID& RowsetInfoIid()
{
    return IID_IRowsetInfo;
}
inline const IID& AsynchStatusIid()
{
    return IID_IDBAsynchStatus;
}

using CommandPtr = _com_ptr_t<_com_IIID_getter<ICommand, CommandIid>>;
using CommandTreePtr = _com_ptr_t<_com_IIID_getter<ICommandTree, CommandTreeIid>>;
using CommandPropertiesPtr = _com_ptr_t<_com_IIID_getter<ICommandProperties, CommandPropertiesIid>>;
using RowsetPtr = _com_ptr_t<_com_IIID_getter<IRowset, RowsetIid>>;
using AccessorPtr = _com_ptr_t<_com_IIID_getter<IAccessor, AccessorIid>>;
using RowsetInfoPtr = _com_ptr_t<_com_IIID_getter<IRowsetInfo, RowsetInfoIid>>;
using AsynchStatusPtr = _com_ptr_t<_com_IIID_getter<IDBAsynchStatus, AsynchStatusIid>>;

} // namespace IndexingService
} // namespace Kyvant
