// The automation sequences that open a file at a line in Visual C++ 5/6 and in VS.NET.
#include "KyFind/Gui/Editor/IdeOpening.h"

#include "KyConTool/DevEnv/DispatchCall.h"
#include "KyStd/Shell/Co.h"

#include <objbase.h>
#include <oleauto.h>

namespace Kyvant {
namespace FindEditor {

namespace {

using DevEnv::DispatchPtr;

const CLSID kVcApplicationClass = {
    0xFB7FDAE2, 0x89B8, 0x11CF, {0x9B, 0xE8, 0x00, 0xA0, 0xC9, 0x0A, 0x63, 0x2C}};
const IID kVcApplication = {
    0xEC1D73A1, 0x8CC4, 0x11CF, {0x9B, 0xE9, 0x00, 0xA0, 0xC9, 0x0A, 0x63, 0x2C}};
const IID kVcDocuments = {
    0xFB7FDAE3, 0x89B8, 0x11CF, {0x9B, 0xE8, 0x00, 0xA0, 0xC9, 0x0A, 0x63, 0x2C}};
const IID kVcTextSelection = {
    0x05092F20, 0x833F, 0x11CF, {0xAB, 0x59, 0x00, 0xAA, 0x00, 0xC0, 0x91, 0xA1}};
const IID kDte = {0x04A72314, 0x32E9, 0x48E2, {0x9B, 0x87, 0xA6, 0x36, 0x03, 0x45, 0x4F, 0x3E}};

// VS.NET's program identifiers, the most general first.
const wchar_t* const kDteNames[] = {L"VisualStudio.DTE", L"VisualStudio.DTE.7.1",
                                    L"VisualStudio.DTE.7"};
const wchar_t kTextViewKind[] = L"{7651A703-06E5-11D1-8EBD-00A0C90F26EA}";

// An optional argument left out.
_variant_t Missing()
{
    return _variant_t(static_cast<long>(DISP_E_PARAMNOTFOUND), VT_ERROR);
}

_variant_t Text(const std::string& text)
{
    _bstr_t wide(text.c_str()); // throws _com_error(E_OUTOFMEMORY) when it cannot convert
    return _variant_t(wide);
}

// The object's interface iid as its IDispatch; E_POINTER when it has none.
DispatchPtr Face(IUnknown* object, const IID& iid)
{
    if (!object)
        Co::Throw(E_POINTER);
    IDispatch* face = nullptr;
    Co::Vet(object->QueryInterface(iid, reinterpret_cast<void**>(&face)));
    if (!face)
        Co::Throw(E_POINTER);
    return DispatchPtr(face, false);
}

DispatchPtr Object(IDispatch* object, const wchar_t* member,
                   std::initializer_list<_variant_t> args = {})
{
    DispatchPtr value = DevEnv::GetDispatch(object, member, args);
    if (!value)
        Co::Throw(E_POINTER);
    return value;
}

void PutProperty(IDispatch* object, const wchar_t* member, const _variant_t& value)
{
    DISPID id = 0;
    LPOLESTR name = const_cast<LPOLESTR>(member);
    Co::Vet(object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id));
    VARIANT argument = value;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&argument, &named, 1, 1};
    EXCEPINFO info = {};
    HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params,
                                nullptr, &info, nullptr);
    if (hr == DISP_E_EXCEPTION) {
        if (info.pfnDeferredFillIn)
            info.pfnDeferredFillIn(&info);
        hr = info.scode ? info.scode : hr;
        SysFreeString(info.bstrSource);
        SysFreeString(info.bstrDescription);
        SysFreeString(info.bstrHelpFile);
    }
    Co::Vet(hr);
}

// The running object of the class, or null.
IUnknown* Running(const CLSID& clsid)
{
    IUnknown* object = nullptr;
    if (FAILED(GetActiveObject(clsid, nullptr, &object)))
        return nullptr;
    return object;
}

IUnknown* CreateLocal(const CLSID& clsid)
{
    IUnknown* object = nullptr;
    Co::Vet(CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown,
                             reinterpret_cast<void**>(&object)));
    return object;
}

DevEnv::UnknownPtr Owned(IUnknown* object)
{
    return DevEnv::UnknownPtr(object, false);
}

// The running environment of the first of the names that runs, else a new
// one of the first name, which the user then controls.
DispatchPtr VsNetEnvironment()
{
    for (const wchar_t* name : kDteNames) {
        CLSID clsid;
        if (FAILED(CLSIDFromProgID(name, &clsid)))
            continue;
        if (DevEnv::UnknownPtr running = Owned(Running(clsid)))
            return Face(running, kDte);
    }
    CLSID clsid;
    Co::Vet(CLSIDFromProgID(kDteNames[0], &clsid));
    DispatchPtr dte = Face(Owned(CreateLocal(clsid)), kDte);
    PutProperty(dte, L"UserControl", _variant_t(true));
    return dte;
}

void BringForward(IDispatch* dte)
{
    DispatchPtr window = Object(dte, L"MainWindow");
    const HWND main =
        reinterpret_cast<HWND>(static_cast<LONG_PTR>(DevEnv::GetLong(window, L"HWnd")));
    if (IsIconic(main))
        ShowWindow(main, SW_RESTORE);
    SetForegroundWindow(main);
}

_variant_t Line(unsigned line)
{
    return _variant_t(static_cast<long>(line));
}

} // namespace

void OpenWithVisualCpp(const std::string& file, unsigned line)
{
    DevEnv::UnknownPtr object = Owned(Running(kVcApplicationClass));
    if (!object)
        object = Owned(CreateLocal(kVcApplicationClass));
    DispatchPtr app = Face(object, kVcApplication);
    PutProperty(app, L"Visible", _variant_t(true));
    PutProperty(app, L"Active", _variant_t(true));
    DispatchPtr documents = Face(Object(app, L"Documents"), kVcDocuments);
    DispatchPtr document = Object(documents, L"Open", {Text(file), Missing(), Missing()});
    if (line == 0)
        return;
    DispatchPtr selection = Face(Object(document, L"Selection"), kVcTextSelection);
    DevEnv::Invoke(selection, L"GoToLine", {Line(line)});
}

void OpenWithVsNet(const std::string& file, unsigned line)
{
    DispatchPtr dte = VsNetEnvironment();
    BringForward(dte);
    DispatchPtr operations = Object(dte, L"ItemOperations");
    DevEnv::Invoke(operations, L"OpenFile", {Text(file), _variant_t(kTextViewKind)});
    if (line == 0)
        return;
    DispatchPtr document = Object(Object(dte, L"Documents"), L"Item", {Text(file)});
    DispatchPtr selection = Object(document, L"Selection");
    DevEnv::Invoke(selection, L"GotoLine", {Line(line)});
}

} // namespace FindEditor
} // namespace Kyvant
