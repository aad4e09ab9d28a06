// Opening documents in the stand-in environments and moving their selections to a line.
#include "devenv/DevEnvOpening.h"

#include <oleauto.h>

namespace DevEnvStandIn {

const IID kVcDocumentsIid = {
    0xFB7FDAE3, 0x89B8, 0x11CF, {0x9B, 0xE8, 0x00, 0xA0, 0xC9, 0x0A, 0x63, 0x2C}};
const IID kVcTextSelectionIid = {
    0x05092F20, 0x833F, 0x11CF, {0xAB, 0x59, 0x00, 0xAA, 0x00, 0xC0, 0x91, 0xA1}};
const wchar_t kTextViewKind[] = L"{7651A703-06E5-11D1-8EBD-00A0C90F26EA}";

namespace {

// The DispObject a member holds, or null; the holder keeps its reference.
DispObject* Held(DispObject* object, const wchar_t* name)
{
    VARIANT v = object->Value(name);
    DispObject* member =
        V_VT(&v) == VT_DISPATCH ? static_cast<DispObject*>(V_DISPATCH(&v)) : nullptr;
    VariantClear(&v);
    return member;
}

VARIANT Flag(bool value)
{
    VARIANT v;
    V_VT(&v) = VT_BOOL;
    V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

HRESULT ReturnObject(DispObject* object, VARIANT* result)
{
    V_VT(result) = VT_DISPATCH;
    V_DISPATCH(result) = object;
    object->AddRef();
    return S_OK;
}

// A selection whose line-moving method (named goToLine) records its first
// argument as "CurrentLine"; the selection is held by its document only.
ComRef<DispObject> LineSelection(const wchar_t* goToLine, const IID* iid)
{
    ComRef<DispObject> selection = DispObject::New();
    DispObject* self = selection.get();
    selection->Set(L"CurrentLine", 0L)
        .Define(goToLine, [self](const std::vector<VARIANT>& args, VARIANT*) {
            VARIANT line;
            VariantInit(&line);
            if (args.empty() ||
                FAILED(VariantChangeType(&line, const_cast<VARIANT*>(&args[0]), 0, VT_I4)))
                return DISP_E_TYPEMISMATCH;
            self->Set(L"CurrentLine", V_I4(&line));
            return S_OK;
        });
    if (iid)
        selection->Answer(*iid);
    return selection;
}

bool TextArgument(const std::vector<VARIANT>& args, size_t i)
{
    return args.size() > i && V_VT(&args[i]) == VT_BSTR;
}

} // namespace

void MakeVcOpenable(DispObject* app)
{
    ComRef<DispObject> documents = DispObject::NewCollection();
    DispObject* list = documents.get();
    documents->Answer(kVcDocumentsIid)
        .KeyMember(L"FullName")
        .Define(L"Open", [list](const std::vector<VARIANT>& args, VARIANT* result) {
            if (!TextArgument(args, 0) || args.size() > 3)
                return DISP_E_TYPEMISMATCH;
            ComRef<DispObject> document = VcDocument(V_BSTR(&args[0]), L"Text");
            document->Set(L"Selection", LineSelection(L"GoToLine", &kVcTextSelectionIid).get());
            list->Add(document.get());
            return ReturnObject(document.get(), result);
        });
    app->Set(L"Visible", Flag(false))
        .Set(L"Active", Flag(false))
        .Set(L"Documents", documents.get());
}

void MakeDteOpenable(DispObject* dte, HWND mainWindow)
{
    ComRef<DispObject> window = DispObject::New();
    window->Set(L"HWnd", static_cast<long>(reinterpret_cast<LONG_PTR>(mainWindow)));
    ComRef<DispObject> documents = DispObject::NewCollection();
    documents->KeyMember(L"FullName");
    DispObject* list = documents.get();
    ComRef<DispObject> operations = DispObject::New();
    DispObject* ops = operations.get();
    operations->Define(L"OpenFile", [list, ops](const std::vector<VARIANT>& args, VARIANT* result) {
        if (!TextArgument(args, 0) || !TextArgument(args, 1))
            return DISP_E_TYPEMISMATCH;
        ops->Set(L"LastViewKind", V_BSTR(&args[1]));
        ComRef<DispObject> document = DteDocument(V_BSTR(&args[0]), true);
        document->Set(L"Selection", LineSelection(L"GotoLine", nullptr).get());
        list->Add(document.get());
        ComRef<DispObject> shown = DispObject::New();
        shown->Set(L"Document", document.get());
        return ReturnObject(shown.get(), result);
    });
    dte->Set(L"UserControl", Flag(false))
        .Set(L"MainWindow", window.get())
        .Set(L"ItemOperations", operations.get())
        .Set(L"Documents", documents.get());
}

DispObject* OpenedDocument(DispObject* environment, const wchar_t* fullName)
{
    DispObject* documents = Held(environment, L"Documents");
    if (!documents)
        return nullptr;
    for (const ComRef<DispObject>& document : documents->Items()) {
        VARIANT name = document->Value(L"FullName");
        const bool same = V_VT(&name) == VT_BSTR && _wcsicmp(V_BSTR(&name), fullName) == 0;
        VariantClear(&name);
        if (same)
            return document.get();
    }
    return nullptr;
}

long SelectedLine(DispObject* document)
{
    DispObject* selection = document ? Held(document, L"Selection") : nullptr;
    if (!selection)
        return 0;
    VARIANT line = selection->Value(L"CurrentLine");
    return V_VT(&line) == VT_I4 ? V_I4(&line) : 0;
}

} // namespace DevEnvStandIn
