// KyDirGSubDialogPage: the values with their defaults, the registry state,
// the task-file records, the arguments, the OK check and the bridge to the
// host.
#include "KyTools/Dir/KyDirGSubDialogPage.h"

#include "KyConTool/IndexingService/IndexingService.h"
#include "KyConTool/IndexingService/IndexingServiceMRU.h"
#include "KyConTool/IndexingService/IndexingServiceText.h"
#include "KyDB/Named/PathPlanDB.h"
#include "KyGui/Adapters/DataExchange.h"
#include "KyGuiTool/TaskFiles/ToolDocFile.h"
#include "KyGuiTool/TaskFiles/ToolDocRecords.h"
#include "KyStd/Registry/RegValues.h"
#include "KyTools/Dir/DirResource.h"
#include "KyTools/Dir/KyDirGAppBridgeBase.h"
#include "KyTools/PageSupport/PageRecords.h"

namespace {

using Kyvant::ky_S;
namespace IndexingService = Kyvant::IndexingService;

const int kToolProxyId = 32005;

// Task-file records, in their write order.
enum DirRecord : int {
    kListFileRecord = 2004,
    kAppendRecord = 2003,
    kFullPathsRecord = 2000,
    kQuoteNamesRecord = 2001,
    kIncludeFoldersRecord = 2002,
    kQueryRecord = 2006,
    kUseIndexingServiceRecord = 2005,
    kQueryModeRecord = 2007,
    kSortColumnRecord = 2008,
    kSortDirectionRecord = 2009,
};

const char kAppendValue[] = "AppendToFile";
const char kQuoteNamesValue[] = "QuoteFileNames";
const char kFullPathsValue[] = "FullPaths";
const char kIncludeFoldersValue[] = "IncludeFolders";
const char kUseIndexingServiceValue[] = "UseIndexingService";
const char kQueryModeValue[] = "Mode";
const char kSortColumnValue[] = "SortOrder";
const char kSortDirectionValue[] = "SortDir";

const int kDefaultFullPaths = 1;
const int kDefaultQueryMode = IndexingService::QueryTypeQuery;
const int kDefaultSortColumn = IndexingService::Sort::Rank;
const int kDefaultSortDirection = IndexingService::Sort::Descending;
const int kLastQueryMode = IndexingService::QueryTypeAnyTerm;
const int kLastSortColumn = IndexingService::Sort::Write;
const int kLastSortDirection = IndexingService::Sort::Descending;

#define KY_DIR_HELP(id) id, (static_cast<DWORD>(id) << 16) | IDD_KY_DIR_PAGE
const DWORD kHelpIds[] = {KY_DIR_HELP(IDC_KY_DIR_LIST_FILE_BUTTON),
                          KY_DIR_HELP(IDC_KY_DIR_LIST_FILE),
                          KY_DIR_HELP(IDC_KY_DIR_APPEND),
                          KY_DIR_HELP(IDC_KY_DIR_QUOTE_NAMES),
                          KY_DIR_HELP(IDC_KY_DIR_INCLUDE_FOLDERS),
                          KY_DIR_HELP(IDC_KY_DIR_FULL_PATHS),
                          KY_DIR_HELP(IDC_KY_DIR_USE_INDEXING_SERVICE),
                          KY_DIR_HELP(IDC_KY_DIR_QUERY_BUTTON),
                          KY_DIR_HELP(IDC_KY_DIR_QUERY),
                          KY_DIR_HELP(IDC_KY_DIR_MODE),
                          KY_DIR_HELP(IDC_KY_DIR_SORT),
                          KY_DIR_HELP(IDC_KY_DIR_ORDER),
                          0,
                          0};
#undef KY_DIR_HELP

// A combo index kept as a number: one outside 0..last is the default.
int InRange(DWORD value, int last, int def)
{
    return value <= static_cast<DWORD>(last) ? static_cast<int>(value) : def;
}

int ReadFlagValue(HKEY key, const char* name, int def)
{
    return Kyvant::GetRegistryDWORD(key, name, static_cast<DWORD>(def)) != 0 ? 1 : 0;
}

int ReadIndexValue(HKEY key, const char* name, int last, int def)
{
    return InRange(Kyvant::GetRegistryDWORD(key, name, static_cast<DWORD>(def)), last, def);
}

// Task-file records count only when their payload has the field's size.
void TakeFlag(const Kyvant::ToolDoc::RecHeader& header, const void* payload, int& flag)
{
    if (header.length == Kyvant::PageRecords::kFlagSize)
        Kyvant::PageRecords::ReadFlag(header, payload, flag);
}

void TakeIndex(const Kyvant::ToolDoc::RecHeader& header, const void* payload, int last, int def,
               int& index)
{
    int value = 0;
    if (header.length == Kyvant::PageRecords::kIntSize &&
        Kyvant::PageRecords::ReadInt(header, payload, value))
        index = InRange(static_cast<DWORD>(value), last, def);
}

ky_S TakeText(const Kyvant::ToolDoc::RecHeader& header, const void* payload)
{
    return payload != nullptr ? ky_S(static_cast<const char*>(payload), header.length) : ky_S();
}

void WriteText(Kyvant::ToolDoc::File& file, int type, const ky_S& text)
{
    file.Write(type, text.c_str(), text.length());
}

} // namespace

const char KyDirGSubDialogPage::kListFileHistory[] = "MRUListFiles";
const char KyDirGSubDialogPage::kListFileValue[] = "ListFileName";
const char KyDirGSubDialogPage::kQueryValue[] = "Query";

IMPLEMENT_DYNAMIC(KyDirGSubDialogPage, KySubDialogPage)

BEGIN_MESSAGE_MAP(KyDirGSubDialogPage, KySubDialogPage)
ON_CBN_EDITCHANGE(IDC_KY_DIR_LIST_FILE, OnListFileEditChange)
ON_CBN_SELCHANGE(IDC_KY_DIR_LIST_FILE, OnListFileSelChange)
ON_BN_CLICKED(IDC_KY_DIR_USE_INDEXING_SERVICE, OnIndexingServiceClicked)
ON_CBN_EDITCHANGE(IDC_KY_DIR_QUERY, OnQueryEditChange)
ON_CBN_SELCHANGE(IDC_KY_DIR_QUERY, OnQuerySelChange)
ON_CONTROL_RANGE(BN_CLICKED, IDC_KY_DIR_APPEND, IDC_KY_DIR_INCLUDE_FOLDERS, OnOptionChanged)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_KY_DIR_MODE, IDC_KY_DIR_MODE, OnOptionChanged)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_KY_DIR_SORT, IDC_KY_DIR_SORT, OnOptionChanged)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_KY_DIR_ORDER, IDC_KY_DIR_ORDER, OnOptionChanged)
ON_MESSAGE(KyButtonEditorInvoker::kInvokeMessage, OnInvokeEditor)
END_MESSAGE_MAP()

KyDirGSubDialogPage::KyDirGSubDialogPage(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                                         const Kyvant::RegKey& settings)
    : KySubDialogPage(IDD_KY_DIR_PAGE, Kyvant::ky_I(), kHelpIds, bridge, kToolProxyId),
      m_settings(settings), m_listFileSelecting(false), m_querySelecting(false),
      m_indexingServiceAvailable(IndexingService::Available()),
      m_host(dynamic_cast<Kyvant::KyDirGAppBridgeBase*>(bridge.get())),
      m_queryButton(KyButtonEditorInvoker::kEditText),
      m_listFileButton(KyButtonEditorInvoker::kChooseFile)
{
    ResetToDefaults();
    if (!m_settings.empty()) {
        m_listFiles.reset(new Kyvant::RegMRUReader<ky_S>(m_settings, kListFileHistory));
        m_listFileWriter.reset(new Kyvant::RegMRUWriter<ky_S>(*m_listFiles, kListFileHistorySize));
        ReadSettings();
    }
    if (m_host != nullptr)
        m_host->OnListFileNamed(false);
}

KyDirGSubDialogPage::~KyDirGSubDialogPage() = default;

void KyDirGSubDialogPage::ResetToDefaults()
{
    m_listFile.clear();
    m_quoteNames = 0;
    m_appendToFile = 0;
    m_fullPaths = kDefaultFullPaths;
    m_includeFolders = 0;
    m_sortDirection = kDefaultSortDirection;
    m_sortColumn = kDefaultSortColumn;
    m_query.clear();
    m_useIndexingService = 0;
    m_queryMode = kDefaultQueryMode;
}

// The two texts are read when the dialog opens.
void KyDirGSubDialogPage::ReadSettings()
{
    const HKEY key = m_settings.get();
    m_appendToFile = ReadFlagValue(key, kAppendValue, 0);
    m_quoteNames = ReadFlagValue(key, kQuoteNamesValue, 0);
    m_fullPaths = ReadFlagValue(key, kFullPathsValue, kDefaultFullPaths);
    m_includeFolders = ReadFlagValue(key, kIncludeFoldersValue, 0);
    if (!m_indexingServiceAvailable)
        return;
    m_useIndexingService = ReadFlagValue(key, kUseIndexingServiceValue, 0);
    m_queryMode = ReadIndexValue(key, kQueryModeValue, kLastQueryMode, kDefaultQueryMode);
    m_sortColumn = ReadIndexValue(key, kSortColumnValue, kLastSortColumn, kDefaultSortColumn);
    m_sortDirection =
        ReadIndexValue(key, kSortDirectionValue, kLastSortDirection, kDefaultSortDirection);
}

void KyDirGSubDialogPage::WriteSettings()
{
    const HKEY key = m_settings.get();
    Kyvant::WriteRegistryString(key, kListFileValue, m_listFile);
    Kyvant::WriteRegistryDWORD(key, kAppendValue, static_cast<DWORD>(m_appendToFile));
    Kyvant::WriteRegistryDWORD(key, kFullPathsValue, static_cast<DWORD>(m_fullPaths));
    Kyvant::WriteRegistryDWORD(key, kQuoteNamesValue, static_cast<DWORD>(m_quoteNames));
    Kyvant::WriteRegistryDWORD(key, kIncludeFoldersValue, static_cast<DWORD>(m_includeFolders));
    if (!m_indexingServiceAvailable)
        return;
    Kyvant::WriteRegistryDWORD(key, kUseIndexingServiceValue,
                               static_cast<DWORD>(m_useIndexingService));
    if (!m_useIndexingService)
        return;
    IndexingService::QueryMRU::Instance().Add(m_query);
    Kyvant::WriteRegistryString(key, kQueryValue, m_query);
    Kyvant::WriteRegistryDWORD(key, kQueryModeValue, static_cast<DWORD>(m_queryMode));
    Kyvant::WriteRegistryDWORD(key, kSortColumnValue, static_cast<DWORD>(m_sortColumn));
    Kyvant::WriteRegistryDWORD(key, kSortDirectionValue, static_cast<DWORD>(m_sortDirection));
}

void KyDirGSubDialogPage::DoDataExchange(CDataExchange* pDX)
{
    KySubDialogPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KY_DIR_MODE_LABEL, m_modeLabel);
    DDX_Control(pDX, IDC_KY_DIR_QUERY_BUTTON, m_queryButton);
    DDX_Control(pDX, IDC_KY_DIR_MODE, m_modeCombo);
    DDX_Control(pDX, IDC_KY_DIR_LISTING_CAPTION, m_listingCaption);
    DDX_Control(pDX, IDC_KY_DIR_USE_INDEXING_SERVICE, m_useIndexingServiceBox);
    DDX_Control(pDX, IDC_KY_DIR_QUERY, m_queryCombo);
    DDX_Control(pDX, IDC_KY_DIR_SORT, m_sortCombo);
    DDX_Control(pDX, IDC_KY_DIR_ORDER, m_orderCombo);
    DDX_Control(pDX, IDC_KY_DIR_LIST_FILE_BUTTON, m_listFileButton);
    DDX_Control(pDX, IDC_KY_DIR_APPEND, m_appendBox);
    DDX_Control(pDX, IDC_KY_DIR_LIST_FILE, m_listFileCombo);

    DDX_CB_string_exact2(pDX, IDC_KY_DIR_LIST_FILE, m_listFile);
    DDV_string_MaxLength(pDX, m_listFile, kMaxListFileLength);
    DDX_Check(pDX, IDC_KY_DIR_QUOTE_NAMES, m_quoteNames);
    DDX_Check(pDX, IDC_KY_DIR_APPEND, m_appendToFile);
    DDX_Check(pDX, IDC_KY_DIR_FULL_PATHS, m_fullPaths);
    DDX_Check(pDX, IDC_KY_DIR_INCLUDE_FOLDERS, m_includeFolders);
    DDX_Check(pDX, IDC_KY_DIR_USE_INDEXING_SERVICE, m_useIndexingService);
    DDX_CBIndex(pDX, IDC_KY_DIR_ORDER, m_sortDirection);
    DDX_CBIndex(pDX, IDC_KY_DIR_SORT, m_sortColumn);
    DDX_CBIndex(pDX, IDC_KY_DIR_MODE, m_queryMode);
    DDX_CB_string_exact2(pDX, IDC_KY_DIR_QUERY, m_query);
    DDV_string_MaxLength(pDX, m_query, kMaxQueryLength);
}

void KyDirGSubDialogPage::UpdateArgv(const ArgSink& argv)
{
    if (!m_listFile.empty())
        argv.append(ky_S(m_appendToFile ? "-a" : "-o") + m_listFile);
    if (m_fullPaths)
        argv.append(ky_S("-f"));
    if (m_quoteNames)
        argv.append(ky_S("-q"));
    if (m_includeFolders)
        argv.append(ky_S("-F"));
    if (!UsesIndexingService())
        return;
    const ky_S service(Kyvant::PathPlanDB::s_IndexingServiceSpecifier);
    argv.append(service + Kyvant::PathPlanDB::s_IndexingServiceForceCode);
    if (!m_query.empty())
        argv.append(service +
                    IndexingService::TextRepFromQueryType(
                        static_cast<IndexingService::QueryType>(m_queryMode)) +
                    m_query);
    argv.append(service + Kyvant::PathPlanDB::s_IndexingServiceSortCode +
                IndexingService::Sort::GetSpecification(
                    static_cast<IndexingService::Sort::Order>(m_sortColumn),
                    static_cast<IndexingService::Sort::Direction>(m_sortDirection)));
}

void KyDirGSubDialogPage::SaveState()
{
    if (m_host != nullptr)
        m_host->OnListFileNamed(!m_listFile.empty());
    if (m_settings.empty())
        return;
    m_listFileWriter->Add(m_listFile);
    WriteSettings();
}

bool KyDirGSubDialogPage::AllowOK()
{
    return m_host == nullptr || m_host->QueryAllowOK(UsesIndexingService());
}

bool KyDirGSubDialogPage::UsesIndexingService() const
{
    return m_indexingServiceAvailable && m_useIndexingService != 0;
}

void KyDirGSubDialogPage::DocProcessRecord(Kyvant::ToolDoc::RecHeader& header, void* payload)
{
    switch (header.type) {
    case kListFileRecord:
        m_listFile = TakeText(header, payload);
        break;
    case kAppendRecord:
        TakeFlag(header, payload, m_appendToFile);
        break;
    case kFullPathsRecord:
        TakeFlag(header, payload, m_fullPaths);
        break;
    case kQuoteNamesRecord:
        TakeFlag(header, payload, m_quoteNames);
        break;
    case kIncludeFoldersRecord:
        TakeFlag(header, payload, m_includeFolders);
        break;
    case kQueryRecord:
        m_query = TakeText(header, payload);
        break;
    case kUseIndexingServiceRecord:
        TakeFlag(header, payload, m_useIndexingService);
        break;
    case kQueryModeRecord:
        TakeIndex(header, payload, kLastQueryMode, kDefaultQueryMode, m_queryMode);
        break;
    case kSortColumnRecord:
        TakeIndex(header, payload, kLastSortColumn, kDefaultSortColumn, m_sortColumn);
        break;
    case kSortDirectionRecord:
        TakeIndex(header, payload, kLastSortDirection, kDefaultSortDirection, m_sortDirection);
        break;
    default:
        break;
    }
}

void KyDirGSubDialogPage::DocWriteRecords(Kyvant::ToolDoc::File& file)
{
    WriteText(file, kListFileRecord, m_listFile);
    Kyvant::PageRecords::WriteFlag(file, kAppendRecord, m_appendToFile);
    Kyvant::PageRecords::WriteFlag(file, kFullPathsRecord, m_fullPaths);
    Kyvant::PageRecords::WriteFlag(file, kQuoteNamesRecord, m_quoteNames);
    Kyvant::PageRecords::WriteFlag(file, kIncludeFoldersRecord, m_includeFolders);
    WriteText(file, kQueryRecord, m_query);
    Kyvant::PageRecords::WriteFlag(file, kUseIndexingServiceRecord, m_useIndexingService);
    Kyvant::PageRecords::WriteInt(file, kQueryModeRecord, m_queryMode);
    Kyvant::PageRecords::WriteInt(file, kSortColumnRecord, m_sortColumn);
    Kyvant::PageRecords::WriteInt(file, kSortDirectionRecord, m_sortDirection);
}

void KyDirGSubDialogPage::DocOnNew()
{
    ResetToDefaults();
}

void KyDirGSubDialogPage::DocOnFinishNew()
{
    DocOnFinishLoad(true);
}
