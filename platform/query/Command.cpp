// The command entry points: making the command for a scope, catalog and
// machine, turning query text into a command tree, and the command object
// that takes the tree and its properties and executes into a rowset.
#include "KyConTool/IndexingService/IndexingServiceOleDb.h"
#include "Rowset.h"
#include "Script.h"
#include "Support.h"

#include <cstring>

using namespace QueryStandIn;
namespace OleDb = Kyvant::IndexingService::OleDb;

namespace {

std::string VariantText(const VARIANT& v)
{
    if (v.vt == VT_BOOL)
        return v.boolVal ? "true" : "false";
    return "vt" + std::to_string(v.vt);
}

std::string SetName(const GUID& g)
{
    if (g == OleDb::kDBPROPSET_QUERYEXT)
        return "QUERYEXT";
    if (g == OleDb::kDBPROPSET_ROWSET)
        return "ROWSET";
    return "other";
}

DBCOMMANDTREE* NewTree(const wchar_t* text)
{
    auto* tree = static_cast<DBCOMMANDTREE*>(CoTaskMemAlloc(sizeof(DBCOMMANDTREE)));
    if (!tree)
        return nullptr;
    std::memset(tree, 0, sizeof *tree);
    tree->op = DBOP_scalar_constant;
    tree->wKind = DBVALUEKIND_WSTR;
    size_t bytes = (std::wcslen(text) + 1) * sizeof(wchar_t);
    tree->value.pwszValue = static_cast<LPOLESTR>(CoTaskMemAlloc(bytes));
    if (!tree->value.pwszValue) {
        CoTaskMemFree(tree);
        return nullptr;
    }
    std::memcpy(tree->value.pwszValue, text, bytes);
    return tree;
}

void DeleteTree(DBCOMMANDTREE* tree)
{
    if (!tree)
        return;
    CoTaskMemFree(tree->value.pwszValue);
    CoTaskMemFree(tree);
}

class Command : public ICommand,
                public ICommandTree,
                public ICommandProperties,
                public ISupportErrorInfo,
                private RefCounted {
public:
    Command(const std::wstring& machine, const std::wstring& catalog)
        : machine_(machine), catalog_(catalog)
    {
    }
    ~Command() override { DeleteTree(tree_); }

    HRESULT WINAPI QueryInterface(REFIID riid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (riid == IID_IUnknown || riid == IID_ICommand)
            *out = static_cast<ICommand*>(this);
        else if (riid == OleDb::kIID_ICommandTree)
            *out = static_cast<ICommandTree*>(this);
        else if (riid == IID_ICommandProperties)
            *out = static_cast<ICommandProperties*>(this);
        else if (riid == IID_ISupportErrorInfo)
            *out = static_cast<ISupportErrorInfo*>(this);
        if (!*out)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG WINAPI AddRef() override { return AddRefImpl(); }
    ULONG WINAPI Release() override { return ReleaseImpl(); }

    // ICommand
    HRESULT WINAPI Cancel() override { return S_OK; }
    HRESULT WINAPI Execute(IUnknown* outer, REFIID riid, DBPARAMS*, DBROWCOUNT*,
                           IUnknown** rowset) override
    {
        Log(std::string("Execute riid=") + (riid == IID_IRowset ? "IRowset" : "other") +
            " machine=" + Narrow(machine_.c_str()) + " catalog=" + Narrow(catalog_.c_str()));
        if (!rowset || outer)
            return E_INVALIDARG;
        *rowset = nullptr;
        if (!tree_)
            return Fail(DB_E_NOCOMMAND, L"No command tree", IID_ICommand);
        Script script = Script::Load();
        CatalogBehaviour behaviour = script.For(machine_, catalog_);
        if (FAILED(behaviour.executeError))
            return Fail(behaviour.executeError, behaviour.executeDescription, IID_ICommand);
        auto* made = new Rowset(script.RowsFor(machine_, catalog_), behaviour, asynch_);
        HRESULT hr = made->QueryInterface(riid, reinterpret_cast<void**>(rowset));
        made->Release();
        return hr;
    }
    HRESULT WINAPI GetDBSession(REFIID, IUnknown** session) override
    {
        if (session)
            *session = nullptr;
        return S_FALSE;
    }

    // ICommandTree
    HRESULT WINAPI FindErrorNodes(const DBCOMMANDTREE*, ULONG* count,
                                  DBCOMMANDTREE*** nodes) override
    {
        if (count)
            *count = 0;
        if (nodes)
            *nodes = nullptr;
        return S_OK;
    }
    HRESULT WINAPI FreeCommandTree(DBCOMMANDTREE** root) override
    {
        Log("FreeCommandTree");
        if (!root)
            return E_INVALIDARG;
        if (*root == tree_)
            tree_ = nullptr;
        DeleteTree(*root);
        *root = nullptr;
        return S_OK;
    }
    HRESULT WINAPI GetCommandTree(DBCOMMANDTREE** root) override
    {
        if (root)
            *root = nullptr;
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetCommandTree(DBCOMMANDTREE** root, DBCOMMANDREUSE, WINBOOL copy) override
    {
        if (!root || !*root)
            return E_INVALIDARG;
        const wchar_t* text = (*root)->value.pwszValue;
        Log("SetCommandTree copy=" + std::to_string(copy) + " query=" + Narrow(text));
        HRESULT refused = Script::Load().treeError;
        if (FAILED(refused))
            return Fail(refused, L"The command tree was refused", OleDb::kIID_ICommandTree);
        DeleteTree(tree_);
        if (copy) {
            tree_ = NewTree(text);
        } else {
            tree_ = *root;
            *root = nullptr;
        }
        return S_OK;
    }

    // ICommandProperties
    HRESULT WINAPI GetProperties(const ULONG, const DBPROPIDSET[], ULONG* count,
                                 DBPROPSET** sets) override
    {
        if (count)
            *count = 0;
        if (sets)
            *sets = nullptr;
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetProperties(ULONG setCount, DBPROPSET sets[]) override
    {
        if (setCount && !sets)
            return E_INVALIDARG;
        for (ULONG s = 0; s < setCount; ++s) {
            for (ULONG p = 0; p < sets[s].cProperties; ++p) {
                DBPROP& prop = sets[s].rgProperties[p];
                Log("SetProperty set=" + SetName(sets[s].guidPropertySet) + " id=" +
                    std::to_string(prop.dwPropertyID) + " value=" + VariantText(prop.vValue) +
                    (prop.dwOptions == DBPROPOPTIONS_REQUIRED ? " required" : " optional"));
                prop.dwStatus = DBPROPSTATUS_OK;
                if (sets[s].guidPropertySet == OleDb::kDBPROPSET_ROWSET &&
                    prop.dwPropertyID == DBPROP_IDBAsynchStatus && prop.vValue.vt == VT_BOOL)
                    asynch_ = prop.vValue.boolVal != VARIANT_FALSE;
            }
        }
        return S_OK;
    }

    // ISupportErrorInfo
    HRESULT WINAPI InterfaceSupportsErrorInfo(REFIID riid) override
    {
        return riid == IID_ICommand || riid == OleDb::kIID_ICommandTree ||
                       riid == IID_ICommandProperties
                   ? S_OK
                   : S_FALSE;
    }

private:
    std::wstring machine_;
    std::wstring catalog_;
    DBCOMMANDTREE* tree_ = nullptr;
    bool asynch_ = false;
};

} // namespace

extern "C" __declspec(dllexport) HRESULT WINAPI
    CIMakeICommand(ICommand** command, ULONG scopes, const DWORD* depths, const WCHAR* const* scope,
                   const WCHAR* const* catalogs, const WCHAR* const* machines)
{
    if (!command || scopes == 0 || !depths || !scope || !catalogs || !machines)
        return E_INVALIDARG;
    *command = nullptr;
    for (ULONG i = 0; i < scopes; ++i) {
        Log("CIMakeICommand scopes=" + std::to_string(scopes) + " scope=" + Narrow(scope[i]) +
            " depth=" + std::to_string(depths[i]) + " catalog=" + Narrow(catalogs[i]) +
            " machine=" + Narrow(machines[i]));
    }
    if (!catalogs[0] || !machines[0])
        return E_INVALIDARG;
    *command = new Command(machines[0], catalogs[0]);
    return S_OK;
}

extern "C" __declspec(dllexport) HRESULT WINAPI
    CITextToFullTreeEx(const WCHAR* restriction, ULONG dialect, const WCHAR* columns,
                       const WCHAR* sortColumns, const WCHAR* groupings, DBCOMMANDTREE** tree,
                       ULONG propertyCount, CIPROPERTYDEF* properties, LCID locale)
{
    Log("CITextToFullTreeEx query=" + Narrow(restriction) + " dialect=" + std::to_string(dialect) +
        " columns=" + Narrow(columns) + " sort=" + Narrow(sortColumns) +
        " groupings=" + Narrow(groupings) + " properties=" + std::to_string(propertyCount) +
        (properties ? "" : "/none") + " locale=" + std::to_string(locale));
    if (!tree || !restriction || !columns)
        return E_INVALIDARG;
    *tree = nullptr;
    Script script = Script::Load();
    if (!script.textErrorNeedle.empty() && std::wcsstr(restriction, script.textErrorNeedle.c_str()))
        return script.textError;
    *tree = NewTree(restriction);
    return *tree ? S_OK : E_OUTOFMEMORY;
}
