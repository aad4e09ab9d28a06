// The test program's application object, the front-end's start-up for the
// tests, and the message-serving waits.
#include "FindGTestApp.h"

#include "KyStd/Strings/String.h"

#include <gtest/gtest.h>

CFindGTestApp theApp;

CFindGTestApp::CFindGTestApp() {}

// As the interactive program does before its first task: the finder learns
// from the environment that it runs for a task.
BOOL CFindGTestApp::InitInstance()
{
    PutProcessHandleIntoEnvironment();
    return TRUE;
}

int CFindGTestApp::DoMessageBox(LPCSTR prompt, UINT type, UINT helpId)
{
    m_boxes.push_back(prompt ? prompt : "");
    return m_showBoxes ? CKyFindGApp::DoMessageBox(prompt, type, helpId) : IDOK;
}

namespace {

// Without a window manager, Wine waits for each managed window it hides;
// this program's windows are left unmanaged (read at process start).
void UnmanagedWindowsUnderWine()
{
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string exe(path, n);
    const std::string key =
        "Software\\Wine\\AppDefaults\\" + exe.substr(exe.find_last_of("\\/") + 1) + "\\X11 Driver";
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &handle, nullptr) != ERROR_SUCCESS)
        return;
    static const char kNo[] = "N";
    RegSetValueExA(handle, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(kNo), sizeof kNo);
    RegCloseKey(handle);
}

class FrontEndEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        UnmanagedWindowsUnderWine();
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWNORMAL);
        theApp.InitApplication();
        theApp.InitInstance();
    }
};

const ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new FrontEndEnvironment);

} // namespace

namespace findgtest {

void PumpPending()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (msg.message == WM_QUIT)
            break;
        theApp.PumpMessage();
    }
}

bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        PumpPending();
        if (done())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return done();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void SetVariable(const char* name, const std::string& value)
{
    Kyvant::ky_S(value.c_str()).PutEnv(name, Kyvant::ky_S::npos, true);
}

} // namespace findgtest
