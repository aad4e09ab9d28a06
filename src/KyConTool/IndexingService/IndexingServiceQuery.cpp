// One query run: the command per catalog, its properties, the wait for the open, fetching rows.
#include "KyConTool/IndexingService/IndexingServiceQuery.h"

#include "KyConTool/IndexingService/IndexingServiceQueryFun.h"
#include "KyConTool/IndexingService/IndexingServiceWide.h"
#include "KyStd/Shell/Co.h"

#include <stdexcept>

namespace Kyvant {
namespace IndexingService {

namespace {

const char kDefaultSort[] = "rank[d]";
const char kWholeCatalog[] = "\\";

bool EndsInSeparator(const ky_F& path)
{
    char last = path[path.length() - 1];
    return last == '\\' || last == '/';
}

void AddSeparator(ky_F& path)
{
    if (!path.empty() && !EndsInSeparator(path))
        path += '\\';
}

// Asks from for the interface of Ptr; the result of QueryInterface.
template <class Ptr, class From>
HRESULT Ask(From* from, Ptr& out)
{
    typename Ptr::Interface* raw = nullptr;
    HRESULT hr = from->QueryInterface(Ptr::GetIID(), reinterpret_cast<void**>(&raw));
    if (SUCCEEDED(hr) && raw)
        out.Attach(raw);
    return hr;
}

// Raises a failure with the error information that object left for iid.
void Vet(HRESULT hr, IUnknown* object, const IID& iid)
{
    if (FAILED(hr))
        _com_issue_errorex(hr, object, iid);
}

bool AsInteger(const PROPVARIANT* v, unsigned long long& out)
{
    if (!v)
        return false;
    switch (v->vt) {
    case VT_I8:
        out = static_cast<unsigned long long>(v->hVal.QuadPart);
        return true;
    case VT_UI8:
        out = v->uhVal.QuadPart;
        return true;
    case VT_I4:
    case VT_INT:
        out = static_cast<unsigned long long>(static_cast<long long>(v->lVal));
        return true;
    case VT_UI4:
    case VT_UINT:
        out = v->ulVal;
        return true;
    case VT_I2:
        out = static_cast<unsigned long long>(static_cast<long long>(v->iVal));
        return true;
    case VT_UI2:
        out = v->uiVal;
        return true;
    default:
        return false;
    }
}

bool AsPath(const PROPVARIANT* v, ky_F& out)
{
    if (!v)
        return false;
    if (v->vt == VT_LPWSTR && v->pwszVal)
        FromWide(v->pwszVal, out);
    else if (v->vt == VT_BSTR && v->bstrVal)
        FromWide(v->bstrVal, out);
    else if (v->vt == VT_LPSTR && v->pszVal)
        out = v->pszVal;
    else
        return false;
    return true;
}

DBPROP BoolProperty(DBPROPID id, DBPROPOPTIONS options)
{
    DBPROP p{};
    p.dwPropertyID = id;
    p.dwOptions = options;
    p.dwStatus = DBPROPSTATUS_OK;
    p.colid.eKind = DBKIND_GUID_PROPID;
    p.colid.uGuid.guid = GUID_NULL;
    p.colid.uName.ulPropid = 0;
    VariantInit(&p.vValue);
    p.vValue.vt = VT_BOOL;
    p.vValue.boolVal = VARIANT_TRUE;
    return p;
}

// Releases the rows of a batch and the library's handle array, also when
// reading them failed.
class BatchRows {
public:
    explicit BatchRows(IRowset* rowset) : rowset_(rowset) {}
    ~BatchRows()
    {
        if (count && handles)
            rowset_->ReleaseRows(count, handles, nullptr, nullptr, nullptr);
        if (handles)
            CoTaskMemFree(handles);
    }
    BatchRows(const BatchRows&) = delete;
    BatchRows& operator=(const BatchRows&) = delete;

    DBCOUNTITEM count = 0;
    HROW* handles = nullptr;

private:
    IRowset* rowset_;
};

} // namespace

Query::Query(const QueryParams& params, ky_filename_argv_iterator::Terminator* terminator)
    : query_(params.query), sort_(params.sort.empty() ? ky_I(kDefaultSort) : params.sort),
      scope_(params.scope), catalog_(params.catalog), machine_(params.machine),
      force_(params.force), dialect_(params.dialect), locale_(params.locale), depth_(params.depth),
      terminator_(terminator)
{
    scope_.StoreAsUNC(uncScope_);
    AddSeparator(scope_);
    AddSeparator(uncScope_);
    if (uncScope_.empty()) {
        scope_ = kWholeCatalog;
        uncScope_ = kWholeCatalog;
    }
    if (!machine_.empty() && catalog_.empty()) {
        catalog_ = "System";
    } else if (machine_.empty() && !catalog_.empty()) {
        if (ky_F::LooksLikeUNC(uncScope_.c_str())) {
            unsigned end = uncScope_.find_first_of("\\/", 2);
            if (end == ky_F::npos || end == 2)
                throw std::runtime_error("Bad UNC path: " + std::string(uncScope_.c_str()));
            machine_.assign(uncScope_, 2, end - 2);
        } else {
            machine_ = ".";
        }
    }
    if (machine_.empty() && catalog_.empty())
        locator_.reset(new CatalogWalk(uncScope_));
}

Query::~Query()
{
    Release();
}

void Query::Release()
{
    if (accessor_ && accessorHandle_)
        accessor_->ReleaseAccessor(accessorHandle_, nullptr);
    accessorHandle_ = 0;
    accessor_ = nullptr;
    rowset_ = nullptr;
}

bool Query::RunNextCatalog()
{
    if (locator_) {
        ky_I machine;
        ky_I catalog;
        if (!locator_->NextUsable(machine, catalog))
            return false;
        machine_ = machine;
        catalog_ = catalog;
    } else {
        if (ran_)
            return false;
        ran_ = true;
    }
    Run();
    return true;
}

void Query::Run()
{
    Release();
    const QueryFun& fun = QueryFun::Instance();

    std::wstring scope = ToWide(uncScope_);
    std::wstring catalog = ToWide(catalog_);
    std::wstring machine = ToWide(machine_);
    const WCHAR* scopes[] = {scope.c_str()};
    const WCHAR* catalogs[] = {catalog.c_str()};
    const WCHAR* machines[] = {machine.c_str()};
    DWORD depths[] = {depth_};
    ICommand* rawCommand = nullptr;
    Co::Vet(fun.MakeICommand(&rawCommand, 1, depths, scopes, catalogs, machines));
    CommandPtr command(rawCommand, false);

    CommandTreePtr tree;
    Co::Vet(Ask(command.GetInterfacePtr(), tree));
    DBCOMMANDTREE* root = nullptr;
    Co::Vet(fun.TextToFullTreeEx(ToWide(query_).c_str(), dialect_, OleDb::kColumns,
                                 ToWide(sort_).c_str(), nullptr, &root, 0, nullptr, locale_));
    HRESULT hr = tree->SetCommandTree(&root, DBCOMMANDREUSE_NONE, FALSE);
    if (FAILED(hr)) {
        if (root)
            tree->FreeCommandTree(&root);
        Vet(hr, tree.GetInterfacePtr(), OleDb::kIID_ICommandTree);
    }

    SetProperties(command.GetInterfacePtr());

    IUnknown* opened = nullptr;
    hr = command->Execute(nullptr, IID_IRowset, nullptr, nullptr, &opened);
    Vet(hr, command.GetInterfacePtr(), IID_ICommand);
    if (!opened)
        Co::Throw(E_NOINTERFACE);
    rowset_.Attach(static_cast<IRowset*>(opened));

    WaitForOpen();

    Co::Vet(Ask(rowset_.GetInterfacePtr(), accessor_));
    DBBINDING bindings[OleDb::kColumnCount] = {};
    for (unsigned i = 0; i < OleDb::kColumnCount; ++i) {
        bindings[i].iOrdinal = i + 1;
        bindings[i].obValue = i * sizeof(PROPVARIANT*);
        bindings[i].dwPart = DBPART_VALUE;
        bindings[i].dwMemOwner = DBMEMOWNER_PROVIDEROWNED;
        bindings[i].eParamIO = DBPARAMIO_NOTPARAM;
        bindings[i].cbMaxLen = sizeof(PROPVARIANT*);
        bindings[i].wType = DBTYPE_VARIANT | DBTYPE_BYREF;
    }
    hr = accessor_->CreateAccessor(DBACCESSOR_ROWDATA, OleDb::kColumnCount, bindings,
                                   OleDb::kColumnCount * sizeof(PROPVARIANT*), &accessorHandle_,
                                   nullptr);
    if (FAILED(hr))
        accessorHandle_ = 0;
    Vet(hr, accessor_.GetInterfacePtr(), IID_IAccessor);
}

void Query::SetProperties(ICommand* command)
{
    CommandPropertiesPtr properties;
    Co::Vet(Ask(command, properties));
    DBPROP extensions[2] = {BoolProperty(DBPROP_USEEXTENDEDDBTYPES, DBPROPOPTIONS_OPTIONAL),
                            BoolProperty(DBPROP_USECONTENTINDEX, DBPROPOPTIONS_OPTIONAL)};
    DBPROP rowset[1] = {BoolProperty(DBPROP_IDBAsynchStatus, DBPROPOPTIONS_REQUIRED)};
    DBPROPSET sets[2];
    sets[0].guidPropertySet = OleDb::kDBPROPSET_QUERYEXT;
    sets[0].cProperties = force_ ? 2 : 1;
    sets[0].rgProperties = extensions;
    sets[1].guidPropertySet = OleDb::kDBPROPSET_ROWSET;
    sets[1].cProperties = 1;
    sets[1].rgProperties = rowset;
    Vet(properties->SetProperties(2, sets), properties.GetInterfacePtr(), IID_ICommandProperties);
}

void Query::WaitForOpen()
{
    AsynchStatusPtr status;
    if (FAILED(Ask(rowset_.GetInterfacePtr(), status)))
        return;
    for (;;) {
        DBCOUNTITEM progress = 0;
        DBCOUNTITEM progressMax = 0;
        DBASYNCHPHASE phase = DBASYNCHPHASE_INITIALIZATION;
        HRESULT hr = status->GetStatus(DB_NULL_HCHAPTER, DBASYNCHOP_OPEN, &progress, &progressMax,
                                       &phase, nullptr);
        Vet(hr, status.GetInterfacePtr(), IID_IDBAsynchStatus);
        if (phase == DBASYNCHPHASE_COMPLETE || phase == DBASYNCHPHASE_CANCELED)
            return;
        Sleep(200);
        if (terminator_)
            terminator_->CheckTerminate();
    }
}

unsigned long Query::ReadStatus()
{
    RowsetInfoPtr info;
    Co::Vet(Ask(rowset_.GetInterfacePtr(), info));
    DBPROPID id = MSIDXSPROP_ROWSETQUERYSTATUS;
    DBPROPIDSET wanted;
    wanted.guidPropertySet = OleDb::kDBPROPSET_MSIDXS_ROWSETEXT;
    wanted.cPropertyIDs = 1;
    wanted.rgPropertyIDs = &id;
    ULONG count = 0;
    DBPROPSET* sets = nullptr;
    HRESULT hr = info->GetProperties(1, &wanted, &count, &sets);
    unsigned long status = 0;
    bool found = false;
    for (ULONG s = 0; s < count && sets; ++s) {
        for (ULONG p = 0; p < sets[s].cProperties; ++p) {
            VARIANT& v = sets[s].rgProperties[p].vValue;
            if (!found && sets[s].rgProperties[p].dwPropertyID == id &&
                (v.vt == VT_I4 || v.vt == VT_UI4)) {
                status = v.ulVal;
                found = true;
            }
            VariantClear(&v);
        }
        CoTaskMemFree(sets[s].rgProperties);
    }
    CoTaskMemFree(sets);
    Vet(hr, info.GetInterfacePtr(), IID_IRowsetInfo);
    return status;
}

unsigned Query::Fetch(std::vector<QueryRow>& rows)
{
    if (!rowset_)
        return 0;
    BatchRows batch(rowset_.GetInterfacePtr());
    HRESULT hr = rowset_->GetNextRows(DB_NULL_HCHAPTER, 0, kBatch, &batch.count, &batch.handles);
    Vet(hr, rowset_.GetInterfacePtr(), IID_IRowset);
    for (DBCOUNTITEM i = 0; i < batch.count; ++i) {
        PROPVARIANT* values[OleDb::kColumnCount] = {};
        hr = rowset_->GetData(batch.handles[i], accessorHandle_, values);
        Vet(hr, rowset_.GetInterfacePtr(), IID_IRowset);
        QueryRow row;
        if (!ReadRow(values, row))
            throw std::runtime_error("Indexing Service returned incomplete data");
        rows.push_back(row);
    }
    return static_cast<unsigned>(batch.count);
}

bool Query::ReadRow(PROPVARIANT* const* values, QueryRow& row) const
{
    unsigned long long attributes = 0;
    unsigned long long rank = 0;
    const PROPVARIANT* write = values[3];
    if (!AsPath(values[0], row.path) || !AsInteger(values[1], row.size) ||
        !AsInteger(values[2], attributes) || !write || write->vt != VT_FILETIME)
        return false;
    row.attributes = static_cast<DWORD>(attributes);
    row.lastWrite = write->filetime;
    row.rank = AsInteger(values[4], rank) ? static_cast<DWORD>(rank) : 0;
    // Paths come back on the drive or share the user gave.
    const unsigned unc = uncScope_.length();
    if (scope_ != kWholeCatalog && scope_ != uncScope_ && row.path.length() > unc &&
        row.path.compare(0, unc, uncScope_) == 0)
        row.path.replace(0, unc, scope_);
    return true;
}

} // namespace IndexingService
} // namespace Kyvant
