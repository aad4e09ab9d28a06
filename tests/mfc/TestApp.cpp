// The test program's application object, the start-up of the layer, and window-driving helpers.
#include "TestApp.h"

#include "SdiIds.h"
#include "TestSdi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

CTestApp theApp;

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
    ON_COMMAND_EX(ID_SDI_ROUTE, OnSdiRoute)
END_MESSAGE_MAP()

BOOL CTestApp::OnSdiRoute(UINT)
{
    g_sdi.route.push_back("app");
    return g_sdi.routeTaker == "app";
}

CTestApp::CTestApp() : CWinApp("Kyvant MFC Test App"), m_showRealBoxes(false) {}

BOOL CTestApp::InitInstance() { return TRUE; }

int CTestApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    m_boxes.push_back({ lpszPrompt ? lpszPrompt : "", nType, nIDPrompt });
    if (m_onBox)
        m_onBox();
    if (m_showRealBoxes)
        return CWinApp::DoMessageBox(lpszPrompt, nType, nIDPrompt);
    return IDOK;
}

namespace {

// Without a window manager, Wine waits two seconds for each managed window it hides. This program's
// windows are left unmanaged instead; Wine reads the setting at process start, so it speeds up the runs
// after the first (the key means nothing to Windows).
void UnmanagedWindowsUnderWine()
{
    char path[MAX_PATH];
    const DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string exe(path, n);
    const std::string key =
        "Software\\Wine\\AppDefaults\\" + exe.substr(exe.find_last_of("\\/") + 1) + "\\X11 Driver";
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hKey,
                          nullptr) != ERROR_SUCCESS)
        return;
    static const char kNo[] = "N";
    ::RegSetValueExA(hKey, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(kNo), sizeof kNo);
    ::RegCloseKey(hKey);
}

class LayerEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        UnmanagedWindowsUnderWine();
        AfxWinInit(::GetModuleHandleA(nullptr), nullptr, ::GetCommandLineA(), SW_SHOWNORMAL);
        theApp.InitApplication();
        theApp.InitInstance();
    }
};

const ::testing::Environment* const g_environment = ::testing::AddGlobalTestEnvironment(new LayerEnvironment);

std::function<void(CWnd*)>& NextModalScript()
{
    static std::function<void(CWnd*)> script;
    return script;
}

void RunModalScript(CWnd* pWnd)
{
    std::function<void(CWnd*)> script;
    script.swap(NextModalScript());
    if (script)
        script(pWnd);
}

class CMainWindow : public CWnd
{
protected:
    void PostNcDestroy() override { delete this; }
};

std::function<void()>& SoonFunction()
{
    static std::function<void()> fn;
    return fn;
}

void CALLBACK SoonTimerProc(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    ::KillTimer(nullptr, idEvent);
    std::function<void()> fn;
    fn.swap(SoonFunction());
    try {
        if (fn)
            fn();
    } catch (...) {
        ADD_FAILURE() << "a timed step threw";
    }
}

// PNG output with stored (uncompressed) deflate blocks.
unsigned long Crc(const unsigned char* p, size_t n, unsigned long crc = 0xFFFFFFFFul)
{
    for (size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320ul & (0ul - (crc & 1)));
    }
    return crc;
}

void PutBig32(std::string& out, unsigned long v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((v >> shift) & 0xFF);
}

void PutChunk(std::string& out, const char* type, const std::string& data)
{
    PutBig32(out, static_cast<unsigned long>(data.size()));
    std::string body = std::string(type, 4) + data;
    out += body;
    PutBig32(out, Crc(reinterpret_cast<const unsigned char*>(body.data()), body.size()) ^ 0xFFFFFFFFul);
}

std::string PngOf(int width, int height, const std::string& rgbRows)
{
    const size_t kMaxStored = 65535;
    std::string ihdr;
    PutBig32(ihdr, static_cast<unsigned long>(width));
    PutBig32(ihdr, static_cast<unsigned long>(height));
    ihdr += std::string("\x08\x02\x00\x00\x00", 5);
    std::string z("\x78\x01", 2);
    unsigned long a = 1, b = 0;
    for (size_t pos = 0; pos < rgbRows.size() || pos == 0; pos += kMaxStored) {
        size_t n = std::min(kMaxStored, rgbRows.size() - pos);
        bool last = pos + n >= rgbRows.size();
        z += static_cast<char>(last ? 1 : 0);
        z += static_cast<char>(n & 0xFF);
        z += static_cast<char>(n >> 8);
        z += static_cast<char>(~n & 0xFF);
        z += static_cast<char>((~n >> 8) & 0xFF);
        z.append(rgbRows, pos, n);
        if (last)
            break;
    }
    for (unsigned char c : rgbRows) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    PutBig32(z, (b << 16) | a);
    std::string png("\x89PNG\r\n\x1a\n", 8);
    PutChunk(png, "IHDR", ihdr);
    PutChunk(png, "IDAT", z);
    PutChunk(png, "IEND", "");
    return png;
}

}  // namespace

void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (msg.message == WM_QUIT)
            break;
        theApp.PumpMessage();
    }
}

void OnNextModalIdle(std::function<void(CWnd*)> script)
{
    NextModalScript() = std::move(script);
    AfxSetModalIdleHook(&RunModalScript);
}

CWnd* CreateMainWindow(LPCSTR title)
{
    CWnd* pWnd = new CMainWindow;
    if (!pWnd->CreateEx(0, AfxRegisterWndClass(0), title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 400, 300, nullptr,
                        nullptr)) {
        return nullptr;
    }
    return pWnd;
}

void RunSoon(std::function<void()> fn, UINT delayMs)
{
    SoonFunction() = std::move(fn);
    ::SetTimer(nullptr, 0, delayMs, &SoonTimerProc);
}

bool SaveWindowPng(HWND hWnd, const char* name)
{
    RECT rect;
    if (!::GetWindowRect(hWnd, &rect))
        return false;
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ::GdiFlush();
    int stride = (width * 3 + 3) & ~3;
    std::string rows;
    for (int y = 0; y < height; ++y) {
        rows += '\0';
        const unsigned char* line = static_cast<const unsigned char*>(bits) + y * stride;
        for (int x = 0; x < width; ++x) {
            rows += static_cast<char>(line[x * 3 + 2]);
            rows += static_cast<char>(line[x * 3 + 1]);
            rows += static_cast<char>(line[x * 3]);
        }
    }
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);

    char folder[MAX_PATH];
    ::GetModuleFileNameA(nullptr, folder, MAX_PATH);
    *std::strrchr(folder, '\\') = '\0';
    std::string dir = std::string(folder) + "\\..\\test-artifacts";
    ::CreateDirectoryA(dir.c_str(), nullptr);
    std::string path = dir + "\\" + name + ".png";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr)
        return false;
    std::string png = PngOf(width, height, rows);
    bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    return std::fclose(f) == 0 && ok;
}
