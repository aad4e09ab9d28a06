// A development environment of the tests: loads the add-in through COM,
// connects it as VS.NET or Visual C++ 6 would, with a stand-in application
// object, optionally starts the probe child, then holds the connection
// until the named event is set (or a minute passes) and disconnects.
// Usage: KyAddIn_host <vsnet|vsnet-nodte|vc6|vc6-refuse> <log> <event> <probe|noprobe>
// Writes <log>.1 after connecting and <log>.2 after disconnecting, each
// whole: "vc=...", "vsnet=...", the connection's results and the probe's log.
#include "devenv/DevEnvModel.h"
#include "devenv/Registration.h"
#include "KyAddIn/Interfaces.h"

#include "common/WholeFile.h"

#include <windows.h>

#include <sstream>
#include <string>
#include <vector>

using namespace DevEnvStandIn;

namespace {

const CLSID kConnect = {0x2df49268, 0xe61a, 0x11d3, {0xb2, 0x9c, 0x00, 0xe0, 0x29, 0x1d, 0x26, 0x88}};
const CLSID kConnectVC6 = {
    0x2df4926a, 0xe61a, 0x11d3, {0xb2, 0x9c, 0x00, 0xe0, 0x29, 0x1d, 0x26, 0x88}};
const IID kIConnectVC6 = {
    0x2df4926b, 0xe61a, 0x11d3, {0xb2, 0x9c, 0x00, 0xe0, 0x29, 0x1d, 0x26, 0x88}};
const IID kIDTExtensibility2 = {
    0xB65AD801, 0xABAF, 0x11D0, {0xBB, 0x8B, 0x00, 0xA0, 0xC9, 0x0F, 0x27, 0x44}};
const IID kIDSAddIn = {
    0xC0002F81, 0xAE2E, 0x11CF, {0xAD, 0x07, 0x00, 0xA0, 0xC9, 0x03, 0x49, 0x65}};
const DWORD kHoldMs = 60000;
const long kCookie = 42;

std::string Env(const char* name)
{
    char value[256];
    const DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

// Writes the text whole: beside the name first, then renamed into place.
void WriteWhole(const std::string& path, const std::string& text)
{
    kytest::WriteFile(path + ".part", text);
    DeleteFileA(path.c_str());
    MoveFileA((path + ".part").c_str(), path.c_str());
}

// Waits for the handle while serving calls from other processes.
void PumpUntil(HANDLE handle, DWORD waitMs)
{
    const DWORD end = GetTickCount() + waitMs;
    for (;;) {
        const DWORD now = GetTickCount();
        if (static_cast<LONG>(end - now) <= 0)
            return;
        const DWORD r = MsgWaitForMultipleObjects(1, &handle, FALSE, end - now, QS_ALLINPUT);
        if (r != WAIT_OBJECT_0 + 1)
            return;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

std::string RunProbe(const std::string& log)
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string probe(self);
    probe = probe.substr(0, probe.find_last_of('\\') + 1) + "KyAddIn_probe.exe";
    const std::string command = "\"" + probe + "\" \"" + log + ".probe\"";
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return "probe=not started\n";
    PumpUntil(process.hProcess, kHoldMs);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return kytest::ReadFile(log + ".probe");
}

void RegisterOwnTypes()
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    ITypeLib* types = nullptr;
    if (SUCCEEDED(LoadTypeLibEx(self, REGKIND_REGISTER, &types)))
        types->Release();
}

// The running-object table's service may still be starting in a fresh prefix.
void WaitForRunningObjectTable()
{
    ComRef<DispObject> probe = DispObject::New();
    RunningObject warmUp(probe.get(), kConnect);
}

std::string ConnectVsNet(IUnknown* addIn, DispObject* app, DispObject* addInInst)
{
    KyAddIn::IDTExtensibility2* connect = nullptr;
    addIn->QueryInterface(kIDTExtensibility2, reinterpret_cast<void**>(&connect));
    std::ostringstream out;
    out << "connected=" << std::hex << connect->OnConnection(app, 0, addInInst, nullptr) << "\n";
    connect->Release();
    return out.str();
}

std::string ConnectVc6(IUnknown* addIn, DispObject* app)
{
    KyAddIn::IDSAddIn* connect = nullptr;
    addIn->QueryInterface(kIDSAddIn, reinterpret_cast<void**>(&connect));
    VARIANT_BOOL onConnection = 7;
    const HRESULT hr = connect->OnConnection(app, VARIANT_TRUE, kCookie, &onConnection);
    connect->Release();
    std::ostringstream out;
    out << "connected=" << std::hex << hr << "\nonconnection=" << std::dec << onConnection << "\n";
    return out.str();
}

// SetAddInInfo(instance, dispatch, medium, large, cookie) as the stand-in saw it.
void RecordAddInInfo(DispObject* app, std::string* record)
{
    app->Define(L"SetAddInInfo", [record](const std::vector<VARIANT>& args, VARIANT*) {
        std::ostringstream out;
        if (args.size() != 5)
            return DISP_E_BADPARAMCOUNT;
        HMODULE addIn = GetModuleHandleA("KyAddIn.dll");
        // A long as Visual C++ 6 takes it; a 64-bit number in the 64-bit build.
        const bool instance =
            sizeof(void*) == 4
                ? args[0].vt == VT_I4 && args[0].lVal == reinterpret_cast<LONG_PTR>(addIn)
                : args[0].vt == VT_I8 && args[0].llVal == reinterpret_cast<LONG_PTR>(addIn);
        out << "info_instance=" << (instance ? "module" : "other");
        IUnknown* face = nullptr;
        const bool dual = args[1].vt == VT_DISPATCH && args[1].pdispVal &&
                          SUCCEEDED(args[1].pdispVal->QueryInterface(
                              kIConnectVC6, reinterpret_cast<void**>(&face)));
        if (face)
            face->Release();
        out << " info_dispatch=" << (dual ? "IConnectVC6" : "other") << " info_bitmaps="
            << args[2].lVal << "," << args[3].lVal << " info_cookie=" << args[4].lVal << "\n";
        *record += out.str();
        return S_OK;
    });
}

void Disconnect(IUnknown* addIn, bool vsNet)
{
    if (vsNet) {
        KyAddIn::IDTExtensibility2* connect = nullptr;
        addIn->QueryInterface(kIDTExtensibility2, reinterpret_cast<void**>(&connect));
        connect->OnDisconnection(0, nullptr);
        connect->Release();
    } else {
        KyAddIn::IDSAddIn* connect = nullptr;
        addIn->QueryInterface(kIDSAddIn, reinterpret_cast<void**>(&connect));
        connect->OnDisconnection(VARIANT_TRUE);
        connect->Release();
    }
}

std::string Variables()
{
    return "vc=" + Env("KYVANT_VC_CLSID") + "\nvsnet=" + Env("KYVANT_VSNET_CLSID") + "\n";
}

// The environment's application object as the mode wants it.
ComRef<DispObject> Application(const std::string& mode, bool vsNet, std::string* record)
{
    ComRef<DispObject> app = mode == "vsnet-nodte" ? DispObject::New()
                             : vsNet              ? Dte(L"7.1")
                                                  : VcApplication();
    if (mode == "vc6")
        RecordAddInInfo(app.get(), record);
    else if (mode == "vc6-refuse")
        app->Fail(L"SetAddInInfo", E_ACCESSDENIED, false);
    return app;
}

// Connects, reports, holds until told, disconnects and reports; false when
// the add-in could not be created.
bool Session(const std::string& mode, const std::string& log, HANDLE hold, bool probe)
{
    const bool vsNet = mode.compare(0, 5, "vsnet") == 0;
    IUnknown* addIn = nullptr;
    if (FAILED(CoCreateInstance(vsNet ? kConnect : kConnectVC6, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IUnknown, reinterpret_cast<void**>(&addIn)))) {
        WriteWhole(log + ".1", "created=failed\n");
        return false;
    }
    std::string text;
    {
        ComRef<DispObject> app = Application(mode, vsNet, &text);
        ComRef<DispObject> addInInst = DispObject::New();
        text += vsNet ? ConnectVsNet(addIn, app.get(), addInInst.get())
                      : ConnectVc6(addIn, app.get());
        text += Variables();
        if (probe)
            text += RunProbe(log);
        WriteWhole(log + ".1", text);
        PumpUntil(hold, kHoldMs);
        Disconnect(addIn, vsNet);
        WriteWhole(log + ".2", Variables());
    }
    addIn->Release();
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5)
        return 2;
    CoInitialize(nullptr);
    RegisterOwnTypes();
    WaitForRunningObjectTable();
    HANDLE hold = OpenEventA(SYNCHRONIZE, FALSE, argv[3]);
    const bool done = Session(argv[1], argv[2], hold, std::string(argv[4]) == "probe");
    if (hold)
        CloseHandle(hold);
    CoUninitialize();
    return done ? 0 : 3;
}
