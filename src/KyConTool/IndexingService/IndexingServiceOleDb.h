// The OLE DB and query-library declarations that the Indexing Service code
// needs beyond what the compiler's own headers give: the identifiers of the
// command-tree interface and of the property sets, with names of our own so
// they never collide with a library that may define them one day.
#pragma once

#include <windows.h>
#include <cmdtree.h>
#include <ntquery.h>
#include <oledb.h>
#include <oledberr.h>

namespace Kyvant {
namespace IndexingService {
namespace OleDb {

// ICommandTree.
constexpr IID kIID_ICommandTree = {
    0x0c733a87, 0x2a1c, 0x11ce, {0xad, 0xe5, 0x00, 0xaa, 0x00, 0x44, 0x77, 0x3d}};
// The standard rowset property set (DBPROP_IDBAsynchStatus lives there).
constexpr GUID kDBPROPSET_ROWSET = {
    0xc8b522be, 0x5cf3, 0x11ce, {0xad, 0xe5, 0x00, 0xaa, 0x00, 0x44, 0x77, 0x3d}};
// The service's command extensions: content index and extended types.
constexpr GUID kDBPROPSET_QUERYEXT = DBPROPSET_QUERYEXT;
// The service's rowset extensions: the query status.
constexpr GUID kDBPROPSET_MSIDXS_ROWSETEXT = DBPROPSET_MSIDXS_ROWSETEXT;

// The columns every query asks for, in the order of the row buffer.
constexpr wchar_t kColumns[] = L"path,size,attrib,write,rank";
constexpr unsigned kColumnCount = 5;

// The catalog-state mode that only reads the state, and the state bits that
// make a catalog unusable for queries.
constexpr DWORD kGetCatalogState = 0x10;
constexpr DWORD kCatalogStopped = 0x1;
constexpr DWORD kCatalogNoQuery = 0x8;

// The size of the machine and catalog buffers of the catalog walk.
constexpr ULONG kNameBuffer = 260;

} // namespace OleDb
} // namespace IndexingService
} // namespace Kyvant
