// PathPlanIndexingServiceSubDialog: its defaults, what it keeps in the
// registry and in task files, and the arguments it gives.
#include "KyGuiTool/IndexingServicePage/PathPlanIndexingServiceSubDialog.h"

#include "KyConTool/IndexingService/IndexingService.h"
#include "KyConTool/IndexingService/IndexingServiceMRU.h"
#include "KyConTool/IndexingService/IndexingServiceText.h"
#include "KyDB/Named/PathPlanDB.h"
#include "KyGuiTool/PathPlans/PathPlanSupport.h"
#include "KyGuiTool/TaskFiles/ToolDocFile.h"
#include "KyStd/Registry/RegValues.h"

#include <cstdint>
#include <vector>

using namespace Kyvant;
using namespace Kyvant::PathPlanSupport;

namespace {

namespace IS = IndexingService;

const int kDefaultQueryType = IS::QueryTypeQuery;
const int kDefaultSortOrder = IS::Sort::Rank;
const int kDefaultSortDirection = IS::Sort::Descending;
const int kLastQueryType = IS::QueryTypeAnyTerm;
const int kLastSortOrder = IS::Sort::Write;
const int kLastSortDirection = IS::Sort::Descending;

const char kEntrySeparator[] = "\n";
// The number records: 32 bits, little-endian.
const unsigned kNumberSize = 4;
const unsigned kBitsPerByte = 8;

using Entries = std::vector<ky_S>;

struct ToInsensitive {
    ky_I operator()(const ky_S& text) const { return ky_I(text); }
};

int InRange(std::uint32_t value, int last, int def)
{
    return value <= static_cast<std::uint32_t>(last) ? static_cast<int>(value) : def;
}

int ReadIndex(const RegKey& key, const char* name, int last, int def)
{
    return InRange(GetRegistryDWORD(key.get(), name, static_cast<DWORD>(def)), last, def);
}

// A shorter record leaves the value as it was.
void TakeIndex(const ToolDoc::RecHeader& header, const void* payload, int last, int def, int& value)
{
    if (header.length < kNumberSize || payload == nullptr)
        return;
    const unsigned char* bytes = static_cast<const unsigned char*>(payload);
    std::uint32_t number = 0;
    for (unsigned i = 0; i < kNumberSize; ++i)
        number |= static_cast<std::uint32_t>(bytes[i]) << (kBitsPerByte * i);
    value = InRange(number, last, def);
}

void WriteIndex(ToolDoc::File& file, int type, int value)
{
    unsigned char bytes[kNumberSize];
    const std::uint32_t number = static_cast<std::uint32_t>(value);
    for (unsigned i = 0; i < kNumberSize; ++i)
        bytes[i] = static_cast<unsigned char>(number >> (kBitsPerByte * i));
    file.Write(type, bytes, kNumberSize);
}

} // namespace

const char PathPlanIndexingServiceSubDialog::kCatalogsList[] = "Catalogs";
const char PathPlanIndexingServiceSubDialog::kQueryValue[] = "IS_Query";
const char PathPlanIndexingServiceSubDialog::kModeValue[] = "IS_Mode";
const char PathPlanIndexingServiceSubDialog::kSortByValue[] = "IS_SortBy";
const char PathPlanIndexingServiceSubDialog::kSortDirectionValue[] = "IS_SortDir";

void PathPlanIndexingServiceSubDialog::ResetSearchParameters()
{
    m_query.clear();
    m_queryType = kDefaultQueryType;
    m_sortOrder = kDefaultSortOrder;
    m_sortDirection = kDefaultSortDirection;
}

void PathPlanIndexingServiceSubDialog::KeepSearchParametersInRange()
{
    m_queryType =
        InRange(static_cast<std::uint32_t>(m_queryType), kLastQueryType, kDefaultQueryType);
    m_sortOrder =
        InRange(static_cast<std::uint32_t>(m_sortOrder), kLastSortOrder, kDefaultSortOrder);
    m_sortDirection = InRange(static_cast<std::uint32_t>(m_sortDirection), kLastSortDirection,
                              kDefaultSortDirection);
}

void PathPlanIndexingServiceSubDialog::SetCatalogs(const ky_BSB<char>& joined)
{
    std::vector<ky_BSB<char>> pieces;
    ky_S(joined).Split(back_insert_sequencer<std::vector<ky_BSB<char>>>(pieces), kEntrySeparator,
                       false);
    std::vector<ky_I> entries;
    for (const ky_BSB<char>& piece : pieces)
        entries.push_back(ky_I(piece));
    if (m_catalogs.m_hWnd != nullptr)
        m_catalogs.SetCatalogs(forward_input_sequencer<std::vector<ky_I>>(entries));
}

void PathPlanIndexingServiceSubDialog::SaveState(RegKey& key)
{
    KyPathPlanSubDialogBase::SaveState(key);
    Entries entries;
    m_catalogs.GetCatalogs(back_insert_sequencer<Entries>(entries));
    StringList list;
    for (const ky_S& entry : entries)
        list.push_back(entry);
    WriteList(key, kCatalogsList, list);
    WriteRegistryString(key.get(), kQueryValue, m_query);
    WriteRegistryDWORD(key.get(), kModeValue, static_cast<DWORD>(m_queryType));
    WriteRegistryDWORD(key.get(), kSortByValue, static_cast<DWORD>(m_sortOrder));
    WriteRegistryDWORD(key.get(), kSortDirectionValue, static_cast<DWORD>(m_sortDirection));
}

void PathPlanIndexingServiceSubDialog::RestoreState(RegKey& key)
{
    const StringList list = ReadList(key, kCatalogsList);
    if (m_catalogs.m_hWnd != nullptr)
        m_catalogs.SetCatalogs(forward_input_sequencer<StringList, ToInsensitive>(list));
    m_query.LoadStringA(key.get(), kQueryValue, "");
    m_queryType = ReadIndex(key, kModeValue, kLastQueryType, kDefaultQueryType);
    m_sortOrder = ReadIndex(key, kSortByValue, kLastSortOrder, kDefaultSortOrder);
    m_sortDirection =
        ReadIndex(key, kSortDirectionValue, kLastSortDirection, kDefaultSortDirection);
    ShowSearchParameters();
    KyPathPlanSubDialogBase::RestoreState(key);
}

void PathPlanIndexingServiceSubDialog::SaveState()
{
    KyPathPlanSubDialogBase::SaveState();
    if (m_useSearchParameters)
        IS::QueryMRU::Instance().Add(m_query);
}

void PathPlanIndexingServiceSubDialog::UpdateArgv(const ArgSink& argv)
{
    KyPathPlanSubDialogBase::UpdateArgv(argv);
    const ky_S service(PathPlanDB::s_IndexingServiceSpecifier);
    if (m_useSearchParameters) {
        argv.append(service + PathPlanDB::s_IndexingServiceForceCode);
        if (!m_query.empty())
            argv.append(service +
                        IS::TextRepFromQueryType(static_cast<IS::QueryType>(m_queryType)) +
                        m_query);
        argv.append(service + PathPlanDB::s_IndexingServiceSortCode +
                    IS::Sort::GetSpecification(static_cast<IS::Sort::Order>(m_sortOrder),
                                               static_cast<IS::Sort::Direction>(m_sortDirection)));
    }
    // The console keeps one catalog at a time: each is searched before the next.
    for (const KyCatalogTreeCtrl::CheckedComputer& computer : m_catalogs.GetCheckedComputers()) {
        argv.append(service + PathPlanDB::s_IndexingServiceMachineCode + ky_S(computer.name));
        for (const ky_I& catalog : computer.catalogs) {
            argv.append(service + PathPlanDB::s_IndexingServiceCatalogCode + ky_S(catalog));
            argv.append(service + PathPlanDB::s_IndexingServiceSearchCatalogCode);
        }
    }
}

void PathPlanIndexingServiceSubDialog::DocProcessRecord(ToolDoc::RecHeader& header, void* payload)
{
    const char* text = payload != nullptr ? static_cast<const char*>(payload) : "";
    const unsigned length = payload != nullptr ? header.length : 0;
    switch (header.type) {
    case CatalogsRecord:
        SetCatalogs(ky_S(text, length));
        break;
    case QueryRecord:
        m_query = ky_S(text, length);
        break;
    case QueryTypeRecord:
        TakeIndex(header, payload, kLastQueryType, kDefaultQueryType, m_queryType);
        break;
    case SortOrderRecord:
        TakeIndex(header, payload, kLastSortOrder, kDefaultSortOrder, m_sortOrder);
        break;
    case SortDirectionRecord:
        TakeIndex(header, payload, kLastSortDirection, kDefaultSortDirection, m_sortDirection);
        break;
    default:
        KyPathPlanSubDialogBase::DocProcessRecord(header, payload);
        break;
    }
}

void PathPlanIndexingServiceSubDialog::DocWriteRecords(ToolDoc::File& file)
{
    Entries entries;
    m_catalogs.GetCatalogs(back_insert_sequencer<Entries>(entries));
    ky_S joined;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i > 0)
            joined += kEntrySeparator;
        joined += entries[i];
    }
    file.Write(CatalogsRecord, joined);
    file.Write(QueryRecord, m_query);
    WriteIndex(file, QueryTypeRecord, m_queryType);
    WriteIndex(file, SortOrderRecord, m_sortOrder);
    WriteIndex(file, SortDirectionRecord, m_sortDirection);
    KyPathPlanSubDialogBase::DocWriteRecords(file);
}

void PathPlanIndexingServiceSubDialog::DocOnNew()
{
    if (m_catalogs.m_hWnd != nullptr)
        m_catalogs.ClearChecks();
    ResetSearchParameters();
    ShowSearchParameters();
    KyPathPlanSubDialogBase::DocOnNew();
}

void PathPlanIndexingServiceSubDialog::DocOnFinishNew()
{
    UpdateMode();
    KyPathPlanSubDialogBase::DocOnFinishNew();
}

// The records read show in the controls, the mode controls following.
void PathPlanIndexingServiceSubDialog::DocOnFinishLoad(bool ok)
{
    ShowSearchParameters();
    KyPathPlanSubDialogBase::DocOnFinishLoad(ok);
}
