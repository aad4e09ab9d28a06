// The script that tells the stand-in what to answer, read from the file
// named by KY_QUERY_SCRIPT at each entry-point call. One item per line,
// fields separated by '|', names compared without case, "*" as a machine
// matches any machine, numbers in decimal or 0x hex:
//   catalog|machine|name|state|scope prefix   state "unreadable": the state query fails
//   locateerr|index|hr[|scope]                LocateCatalogsW fails at that index (for
//                                             that scope alone when one is given)
//   row|machine|catalog|path|size|attrib|write|rank   an empty field is a missing value
//   status|machine|catalog|query status
//   polls|machine|catalog|n                   the open stays in population for n polls
//   execerr|machine|catalog|hr|description    Execute fails
//   fetcherr|machine|catalog|hr               GetNextRows fails
//   texterr|substring|hr                      the query text containing it fails to parse
//   treeerr|hr                                the command refuses the tree
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace QueryStandIn {

struct CatalogEntry {
    std::wstring machine;
    std::wstring name;
    bool readable = true;
    DWORD state = 0;
    std::wstring scopePrefix;
};

struct RowEntry {
    std::wstring machine;
    std::wstring catalog;
    // Empty text: the value is missing.
    std::wstring path, size, attrib, write, rank;
};

struct CatalogBehaviour {
    DWORD status = 0;
    unsigned polls = 0;
    HRESULT executeError = S_OK;
    std::wstring executeDescription;
    HRESULT fetchError = S_OK;
};

struct LocateError {
    ULONG index = 0;
    HRESULT hr = S_OK;
    // Empty: every scope.
    std::wstring scope;
};

struct Script {
    std::vector<CatalogEntry> catalogs;
    std::vector<LocateError> locateErrors;
    std::vector<RowEntry> rows;
    std::wstring textErrorNeedle;
    HRESULT textError = S_OK;
    HRESULT treeError = S_OK;

    static Script Load();
    // The behaviour of one machine's catalog (defaults when the script has none).
    CatalogBehaviour For(const std::wstring& machine, const std::wstring& catalog) const;
    std::vector<RowEntry> RowsFor(const std::wstring& machine, const std::wstring& catalog) const;

private:
    struct Keyed {
        std::wstring machine, catalog, kind;
        std::vector<std::wstring> values;
    };
    std::vector<Keyed> keyed_;
};

// Decimal or 0x hex.
unsigned long long ParseNumber(const std::wstring& text);
bool SameMachine(const std::wstring& pattern, const std::wstring& machine);

} // namespace QueryStandIn
