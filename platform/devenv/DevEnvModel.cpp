// Building the automation objects of Visual C++ 6, of the VS.NET DTE and of a project engine.
#include "devenv/DevEnvModel.h"

#include <oleauto.h>

#include <wchar.h>

namespace DevEnvStandIn {

const IID kApplicationIid = {
    0xEC1D73A1, 0x8CC4, 0x11CF, {0x9B, 0xE9, 0x00, 0xA0, 0xC9, 0x0A, 0x63, 0x2C}};
const IID kDteIid = {0x04A72314, 0x32E9, 0x48E2, {0x9B, 0x87, 0xA6, 0x36, 0x03, 0x45, 0x4F, 0x3E}};
const IID kTextDocumentIid = {
    0xCB218890, 0x1382, 0x472B, {0x91, 0x18, 0x78, 0x27, 0x00, 0xC8, 0x81, 0x15}};
const CLSID kEngine70 = {
    0x9F367027, 0x33C6, 0x11D3, {0x8D, 0x52, 0x00, 0xC0, 0x4F, 0x8E, 0xCD, 0xB6}};
const CLSID kEngine71 = {
    0x680CFEFF, 0x11B2, 0x4331, {0xAD, 0x02, 0x9E, 0xAC, 0xE3, 0x51, 0xC7, 0x5F}};

const wchar_t kPhysicalFileKind[] = L"{6BB5F8EE-4483-11D3-8BCF-00C04F8EC28C}";
const wchar_t kSolutionItemKind[] = L"{66A26722-8FB5-11D2-AA7E-00C04F688DDE}";
const wchar_t kMiscItemKind[] = L"{66A2671F-8FB5-11D2-AA7E-00C04F688DDE}";

namespace {

// The DispObject that a member holds (all objects here are DispObjects).
DispObject* Member(DispObject* object, const wchar_t* name)
{
    VARIANT v = object->Value(name);
    DispObject* member =
        V_VT(&v) == VT_DISPATCH ? static_cast<DispObject*>(V_DISPATCH(&v)) : nullptr;
    VariantClear(&v); // the object itself keeps its reference
    return member;
}

VARIANT Flag(bool value)
{
    VARIANT v;
    V_VT(&v) = VT_BOOL;
    V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

ComRef<DispObject> DtePoint(TextPoint point)
{
    ComRef<DispObject> object = DispObject::New();
    object->Set(L"Line", point.line)
        .Set(L"LineCharOffset", point.column)
        .Set(L"AtStartOfLine", Flag(point.column == 1));
    return object;
}

} // namespace

ComRef<DispObject> VcApplication()
{
    ComRef<DispObject> app = DispObject::New();
    app->Answer(kApplicationIid)
        .Set(L"ActiveDocument", static_cast<IDispatch*>(nullptr))
        .Set(L"ActiveProject", static_cast<IDispatch*>(nullptr))
        .Set(L"Documents", DispObject::NewCollection().get())
        .Set(L"Projects", DispObject::NewCollection().get());
    return app;
}

ComRef<DispObject> VcDocument(const wchar_t* fullName, const wchar_t* type)
{
    ComRef<DispObject> doc = DispObject::New();
    doc->Set(L"FullName", fullName).Set(L"Type", type);
    return doc;
}

ComRef<DispObject> VcProject(const wchar_t* fullName)
{
    ComRef<DispObject> project = DispObject::New();
    project->Set(L"FullName", fullName);
    return project;
}

void SetVcDocuments(DispObject* app, const Objects& documents)
{
    app->Set(L"Documents", DispObject::NewCollection(documents).get());
}

void SetVcProjects(DispObject* app, const Objects& projects)
{
    app->Set(L"Projects", DispObject::NewCollection(projects).get());
}

ComRef<DispObject> VcTextSelection(long topLine, long bottomLine, const wchar_t* text)
{
    ComRef<DispObject> selection = DispObject::New();
    selection->Set(L"TopLine", topLine)
        .Set(L"BottomLine", bottomLine)
        .Set(L"CurrentLine", bottomLine)
        .Set(L"Text", text);
    return selection;
}

ComRef<DispObject> SetVcActiveTextDocument(DispObject* app, const wchar_t* fullName,
                                           DispObject* selection)
{
    ComRef<DispObject> document = VcDocument(fullName, L"Text");
    document->Set(L"Selection", selection);
    app->Set(L"ActiveDocument", document.get());
    return document;
}

ComRef<DispObject> Dte(const wchar_t* version)
{
    ComRef<DispObject> dte = DispObject::New();
    dte->Answer(kDteIid)
        .Set(L"Version", version)
        .Set(L"ActiveDocument", static_cast<IDispatch*>(nullptr))
        .Set(L"Documents", DispObject::NewCollection().get())
        .Set(L"SelectedItems", DispObject::NewCollection().get());
    SetSolutionProjects(dte.get(), {});
    SetActiveProjects(dte.get(), {});
    return dte;
}

ComRef<DispObject> DteDocument(const wchar_t* fullName, bool isText)
{
    ComRef<DispObject> object = DispObject::New();
    if (isText)
        object->Answer(kTextDocumentIid);
    ComRef<DispObject> doc = DispObject::New();
    doc->Set(L"FullName", fullName)
        .Define(L"Object", [object](const std::vector<VARIANT>& args, VARIANT* result) {
            if (args.size() != 1)
                return DISP_E_BADPARAMCOUNT;
            V_VT(result) = VT_DISPATCH;
            V_DISPATCH(result) = object.get();
            object->AddRef();
            return S_OK;
        });
    return doc;
}

ComRef<DispObject> Project(const wchar_t* uniqueName, const wchar_t* fullName)
{
    ComRef<DispObject> project = DispObject::New();
    project->Set(L"UniqueName", uniqueName)
        .Set(L"Name", uniqueName)
        .Set(L"FullName", fullName)
        .Set(L"ProjectItems", DispObject::NewCollection().get())
        .Default(L"UniqueName");
    return project;
}

ComRef<DispObject> AddProjectItem(DispObject* parent, DispObject* project, const wchar_t* kind,
                                  const std::vector<std::wstring>& files)
{
    ComRef<DispObject> item = DispObject::New();
    item->Set(L"ContainingProject", project)
        .Set(L"Kind", kind)
        .Set(L"FileCount", static_cast<long>(files.size()))
        .Set(L"ProjectItems", DispObject::NewCollection().get())
        .Define(L"FileNames", [files](const std::vector<VARIANT>& args, VARIANT* result) {
            VARIANT index;
            VariantInit(&index);
            if (args.size() != 1 ||
                FAILED(VariantChangeType(&index, const_cast<VARIANT*>(&args[0]), 0, VT_I4)))
                return DISP_E_TYPEMISMATCH;
            if (V_I4(&index) < 1 || static_cast<size_t>(V_I4(&index)) > files.size())
                return E_INVALIDARG;
            V_VT(result) = VT_BSTR;
            V_BSTR(result) = SysAllocString(files[V_I4(&index) - 1].c_str());
            return S_OK;
        });
    Member(parent, L"ProjectItems")->Add(item.get());
    return item;
}

ComRef<DispObject> SelectedItem(DispObject* projectItem, DispObject* project)
{
    ComRef<DispObject> selected = DispObject::New();
    selected->Set(L"ProjectItem", projectItem).Set(L"Project", project);
    return selected;
}

void SetDocuments(DispObject* dte, const Objects& documents)
{
    dte->Set(L"Documents", DispObject::NewCollection(documents).get());
}

void SetSelectedItems(DispObject* dte, const Objects& items)
{
    dte->Set(L"SelectedItems", DispObject::NewCollection(items).get());
}

void SetSolutionProjects(DispObject* dte, const Objects& projects)
{
    ComRef<DispObject> all = DispObject::NewCollection(projects);
    all->KeyMember(L"UniqueName");
    ComRef<DispObject> solution = DispObject::NewCollection(projects);
    solution->KeyMember(L"UniqueName").Set(L"Projects", all.get());
    dte->Set(L"Solution", solution.get());
}

void SetActiveProjects(DispObject* dte, const Objects& projects)
{
    SAFEARRAYBOUND bound = {static_cast<ULONG>(projects.size()), 0};
    SAFEARRAY* array = SafeArrayCreate(VT_VARIANT, 1, &bound);
    for (LONG i = 0; i < static_cast<LONG>(projects.size()); ++i) {
        VARIANT element;
        V_VT(&element) = VT_DISPATCH;
        V_DISPATCH(&element) = projects[i].get();
        SafeArrayPutElement(array, &i, &element); // copies (adds a reference)
    }
    VARIANT value;
    V_VT(&value) = VT_ARRAY | VT_VARIANT;
    V_ARRAY(&value) = array;
    dte->Set(L"ActiveSolutionProjects", value);
    VariantClear(&value);
}

ComRef<DispObject> DteTextSelection(TextPoint top, TextPoint bottom, const wchar_t* text)
{
    const bool empty = top.line == bottom.line && top.column == bottom.column;
    ComRef<DispObject> selection = DispObject::New();
    selection->Set(L"IsEmpty", Flag(empty))
        .Set(L"TopPoint", DtePoint(top).get())
        .Set(L"BottomPoint", DtePoint(bottom).get())
        .Set(L"Text", text);
    return selection;
}

ComRef<DispObject> SetDteActiveSelection(DispObject* dte, const wchar_t* fullName,
                                         DispObject* selection)
{
    ComRef<DispObject> document = DteDocument(fullName, true);
    document->Set(L"Selection", selection);
    dte->Set(L"ActiveDocument", document.get());
    return document;
}

ComRef<DispObject> ProjectEngine(const wchar_t* installDir)
{
    std::wstring dir = installDir;
    ComRef<DispObject> platform = DispObject::New();
    platform->Set(L"Name", L"Win32")
        .Define(L"Evaluate", [dir](const std::vector<VARIANT>& args, VARIANT* result) {
            if (args.size() != 1 || V_VT(&args[0]) != VT_BSTR)
                return DISP_E_TYPEMISMATCH;
            V_VT(result) = VT_BSTR;
            bool known = _wcsicmp(V_BSTR(&args[0]), L"$(VcInstallDir)") == 0;
            V_BSTR(result) = SysAllocString(known ? dir.c_str() : L"");
            return S_OK;
        });
    ComRef<DispObject> engine = DispObject::New();
    engine->Set(L"Platforms", DispObject::NewCollection({platform}).get());
    return engine;
}

} // namespace DevEnvStandIn
