// The Indexing Service side of the argument items: "@i" items fill the
// option stack, and path sections that the service searches get their rows
// from an Indexing Service iterator, kept to the section's folder and depth.
#include "KyConTool/Args/ItemHooks.h"
#include "KyConTool/Args/OptionsList.h"
#include "KyConTool/IndexingService/IndexingServiceIterator.h"
#include "KyConTool/IndexingService/IndexingServiceOleDb.h"
#include "KyConTool/IndexingService/IndexingServiceScopeFilter.h"
#include "KyConTool/IndexingService/IndexingServiceStartError.h"
#include "KyDB/Named/PathPlanCodes.h"
#include "KyStd/Shell/Co.h"

#include <stdexcept>

namespace Kyvant {

namespace {

using IndexingService::OptionsList;

const char kDefaultCatalog[] = "System";
const char kDefaultSort[] = "rank[d]";

ky_S Trimmed(const ky_S& text)
{
    ky_S t(text);
    t.EraseEdgeSpaces();
    return t;
}

ky_S SubCodeText(char code)
{
    return ky_S(PathPlanCodes::s_IndexingServiceSpecifier) + code;
}

void RequireNothingAfter(char code, const ky_S& rest)
{
    if (!Trimmed(rest).empty())
        throw std::runtime_error("Extraneous characters following: " +
                                 std::string(SubCodeText(code).c_str()));
}

// Every sub-code but the three switches turns the service on; a force set
// before stays.
void TurnOn()
{
    if (!OptionsList::Top().use)
        OptionsList::SetFlags(true, false);
}

bool HandleItem(const ky_S& argument)
{
    const char code = argument.empty() ? '\0' : argument[0];
    const ky_S rest = argument.substr(1);
    IndexingService::QueryType type;
    switch (code) {
    case PathPlanCodes::s_IndexingServiceForceCode:
        RequireNothingAfter(code, rest);
        OptionsList::SetFlags(true, true);
        return false;
    case PathPlanCodes::s_IndexingServiceAllowCode:
        RequireNothingAfter(code, rest);
        OptionsList::SetFlags(true, false);
        return false;
    case PathPlanCodes::s_IndexingServiceDisableCode:
        RequireNothingAfter(code, rest);
        OptionsList::SetFlags(false, false);
        return false;
    case PathPlanCodes::s_IndexingServiceSearchCatalogCode:
        RequireNothingAfter(code, rest);
        TurnOn();
        if (OptionsList::Top().catalog.empty())
            OptionsList::SetCatalog(kDefaultCatalog);
        return true;
    case PathPlanCodes::s_IndexingServiceSortCode:
        TurnOn();
        OptionsList::SetSort(ky_I(rest));
        return false;
    case PathPlanCodes::s_IndexingServiceMachineCode:
        TurnOn();
        OptionsList::SetMachine(ky_I(rest));
        return false;
    case PathPlanCodes::s_IndexingServiceCatalogCode:
        TurnOn();
        OptionsList::SetCatalog(ky_I(rest));
        return false;
    default:
        if (!IndexingService::IsQueryTypeTextRep(code, &type))
            throw std::runtime_error("Unknown sub-code in: " +
                                     std::string(SubCodeText(code).c_str()));
        TurnOn();
        OptionsList::SetQuery(ky_I(rest), type);
        return false;
    }
}

// COM stays initialised on the searching thread for the rest of the process.
void InitializeCom()
{
    static bool initialized = false;
    if (initialized)
        return;
    HRESULT hr = CoInitialize(nullptr);
    if (FAILED(hr) && hr != RPC_E_CHANGED_MODE)
        Co::Throw(hr);
    initialized = true;
}

class SearchSource : public FileNameSource {
public:
    SearchSource(const ky_filename_indexing_service_iterator& rows,
                 const IndexingService::ScopeFilter& filter)
        : rows_(rows), filter_(filter)
    {
    }

    bool Next(FileNameResult& out) override
    {
        while (!rows_.AtEnd()) {
            FileNameResult row;
            row.name = *rows_;
            row.isFolder = rows_.IsFolder();
            row.hasDetails = true;
            row.details = *rows_.GetFileDetails();
            ++rows_;
            if (filter_.Accept(row.name)) {
                out = row;
                return true;
            }
        }
        return false;
    }

private:
    ky_filename_indexing_service_iterator rows_;
    IndexingService::ScopeFilter filter_;
};

std::unique_ptr<FileNameSource> MakeSearch(const IndexingServiceSearch& search)
{
    InitializeCom();
    try {
        ky_filename_indexing_service_iterator rows(
            search.query, search.force, ISQLANG_V2, GetSystemDefaultLCID(), search.scope,
            search.deep ? QUERY_DEEP : QUERY_SHALLOW, search.sort, search.catalog, search.machine,
            search.terminator);
        return std::unique_ptr<FileNameSource>(
            new SearchSource(rows, IndexingService::ScopeFilter(search.scope, search.depth)));
    } catch (const _com_error& error) {
        IndexingService::StartContext context{
            search.catalog, search.sort.empty() ? ky_I(kDefaultSort) : search.sort, search.scope,
            search.machine, search.query};
        ky_S text;
        if (!IndexingService::StartErrorText(error, context, text))
            throw;
        throw std::runtime_error(text.c_str());
    }
}

const bool s_registered = (SetIndexingServiceHooks(&HandleItem, &MakeSearch), true);

} // namespace

} // namespace Kyvant
