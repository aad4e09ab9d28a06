// Smart pointers of the OLE DB interfaces used by the Indexing Service
// queries.
#pragma once

#include "KyConTool/DevEnv/ComPtrTypedef.h"
#include "KyConTool/IndexingService/IndexingServiceOleDb.h"

namespace Kyvant {
namespace IndexingService {

KY_COM_PTR(Command, ICommand, IID_ICommand);
KY_COM_PTR(CommandTree, ICommandTree, OleDb::kIID_ICommandTree);
KY_COM_PTR(CommandProperties, ICommandProperties, IID_ICommandProperties);
KY_COM_PTR(Rowset, IRowset, IID_IRowset);
KY_COM_PTR(Accessor, IAccessor, IID_IAccessor);
KY_COM_PTR(RowsetInfo, IRowsetInfo, IID_IRowsetInfo);
KY_COM_PTR(AsynchStatus, IDBAsynchStatus, IID_IDBAsynchStatus);

} // namespace IndexingService
} // namespace Kyvant
