// Test double of a tool's GUI front-end: takes the console tool's hand-off,
// hands back a scripted command line, serves the progress window's messages
// with scripted answers and logs everything it received, one line each.
//
// Its one argument is a script of ';'-separated items:
//   log=<file>        where the log goes (required)
//   mode=<m>          run (default), cancel, die (exit 5 before the event),
//                     forge-argc, forge-nonul, forge-many (corrupt blocks)
//   args=<a|b|...>    the arguments after argument 0
//   query=<n,n,...>   answers to successive queries (the last one repeats)
//   box=<n,...>       answers to successive message boxes (default 1)
//   exiton=<XX>:<c>   after answering the first message 0x80XX, exit with c
//   env=<n,n,...>     log the inherited value of each variable at start, as
//                     "env <n>=<value>" or "env <n> unset"
// Written with the plain Win32 API, independently of the console side.
#include "common/SplitText.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

FILE* g_log = nullptr;
HANDLE g_console = nullptr;
char* g_progress = nullptr;
std::vector<int> g_queryAnswers, g_boxAnswers;
size_t g_queries = 0, g_boxes = 0;
UINT g_exitOn = 0;
int g_exitCode = 0;

void Log(const std::string& line)
{
    if (g_log) {
        std::fprintf(g_log, "%s\n", line.c_str());
        std::fflush(g_log);
    }
}

using kytest::Split;

std::vector<int> Numbers(const std::string& text)
{
    std::vector<int> n;
    for (const std::string& s : Split(text, ','))
        n.push_back(std::atoi(s.c_str()));
    return n;
}

int Next(const std::vector<int>& answers, size_t& used, int otherwise)
{
    if (answers.empty())
        return otherwise;
    int a = answers[used < answers.size() ? used : answers.size() - 1];
    ++used;
    return a;
}

// The first 40 characters of a text, for the log.
std::string Head(const char* text)
{
    return std::string(text, strnlen(text, 40));
}

std::string Texts(bool two)
{
    const char* first = g_progress;
    size_t n1 = strnlen(first, 4096);
    std::string line = " n1=" + std::to_string(n1) + " t1=" + Head(first);
    if (two && n1 < 4095) {
        const char* second = first + n1 + 1;
        size_t n2 = strnlen(second, 4096 - n1 - 1);
        line += " n2=" + std::to_string(n2) + " t2=" + Head(second);
    }
    return line;
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg < WM_APP + 0xC8 || msg > WM_APP + 0xCE) {
        if (msg == WM_TIMER && WaitForSingleObject(g_console, 0) == WAIT_OBJECT_0) {
            Log("console-gone");
            PostQuitMessage(0);
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    char head[64];
    std::snprintf(head, sizeof head, "%X w=%lu l=%ld", msg, static_cast<unsigned long>(wp),
                  static_cast<long>(lp));
    LRESULT result = 0;
    switch (msg) {
    case WM_APP + 0xC8:
    case WM_APP + 0xC9:
    case WM_APP + 0xCD:
        Log(head + Texts(false));
        break;
    case WM_APP + 0xCA:
        result = Next(g_queryAnswers, g_queries, 2);
        Log(head + Texts(false) + " answer=" + std::to_string(result));
        break;
    case WM_APP + 0xCC:
        result = Next(g_boxAnswers, g_boxes, IDOK);
        Log(head + Texts(true) + " answer=" + std::to_string(result));
        break;
    case WM_APP + 0xCE:
        Log(head + Texts(true));
        break;
    case WM_APP + 0xCB:
        Log(head);
        PostQuitMessage(0);
        break;
    }
    if (msg == g_exitOn) {
        g_exitOn = 0;
        PostQuitMessage(g_exitCode);
    }
    return result;
}

// Reads a variable and removes it from the environment, as a front-end must.
std::string TakeEnv(const char* name, bool& present)
{
    char value[512];
    DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    present = n > 0 && n < sizeof value;
    std::string result = present ? std::string(value, n) : std::string();
    SetEnvironmentVariableA(name, nullptr);
    std::string unset = std::string(name) + "=";
    _putenv(unset.c_str());
    return result;
}

void Put(char* block, unsigned offset, DWORD value)
{
    std::memcpy(block + offset, &value, sizeof value);
}

int Finish(int code)
{
    Log("end code=" + std::to_string(code));
    if (g_log)
        std::fclose(g_log);
    return code;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    std::string mode = "run", args, envNames;
    bool haveArgs = false;
    for (int i = 1; i < __argc; ++i) {
        for (const std::string& item : Split(__argv[i], ';')) {
            size_t eq = item.find('=');
            std::string key = item.substr(0, eq);
            std::string value = eq == std::string::npos ? "" : item.substr(eq + 1);
            if (key == "log")
                g_log = std::fopen(value.c_str(), "a");
            else if (key == "mode")
                mode = value;
            else if (key == "args")
                args = value, haveArgs = true;
            else if (key == "query")
                g_queryAnswers = Numbers(value);
            else if (key == "env")
                envNames = value;
            else if (key == "box")
                g_boxAnswers = Numbers(value);
            else if (key == "exiton" && value.size() > 3) {
                g_exitOn = WM_APP + std::strtoul(value.substr(0, 2).c_str(), nullptr, 16);
                g_exitCode = std::atoi(value.substr(3).c_str());
            }
        }
    }

    bool hasHandle, kyStarted, hasLoadFile;
    std::string handle = TakeEnv("KYVANT_CON_APP_HANDLE", hasHandle);
    TakeEnv("KYVANT_KYSTARTED", kyStarted);
    std::string loadFile = TakeEnv("KYVANT_LOAD_FILE", hasLoadFile);
    bool left =
        getenv("KYVANT_CON_APP_HANDLE") || getenv("KYVANT_KYSTARTED") || getenv("KYVANT_LOAD_FILE");
    char prefix[256] = "";
    GetEnvironmentVariableA("Kyvant_Protocol_Prefix_EnvVar", prefix, sizeof prefix);
    Log("start handle=" + std::string(hasHandle && handle != "0" ? "yes" : "no") +
        " kystarted=" + (kyStarted ? "yes" : "no") + " loadfile=" + loadFile +
        " left=" + (left ? "yes" : "no") + " prefix=" + prefix);
    for (const std::string& name : Split(envNames, ',')) {
        char value[512];
        const DWORD n = GetEnvironmentVariableA(name.c_str(), value, sizeof value);
        Log("env " + name +
            (n > 0 && n < sizeof value ? "=" + std::string(value, n) : std::string(" unset")));
    }
    g_console = reinterpret_cast<HANDLE>(std::strtoul(handle.c_str(), nullptr, 10));
    if (!g_console)
        return Finish(4);
    if (mode == "die")
        return Finish(5);

    std::string blockName = std::string(prefix) + "KyvantSharedData";
    std::string eventName = std::string(prefix) + "Kyvant_GuiApp_Done_Event";
    HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, blockName.c_str());
    HANDLE done = OpenEventA(EVENT_ALL_ACCESS, FALSE, eventName.c_str());
    char* block = mapping ? static_cast<char*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0))
                          : nullptr;
    if (!block || !done) {
        Log("no hand-off objects");
        return Finish(6);
    }
    if (mode == "cancel") {
        Put(block, 0, 0);
        SetEvent(done);
        return Finish(0);
    }

    // The command line, as the settings dialog writes it at OK.
    std::vector<std::string> words{"tool.exe"};
    if (haveArgs && !args.empty())
        for (const std::string& a : Split(args, '|'))
            words.push_back(a);
    std::string packed;
    for (const std::string& w : words)
        packed += w + '\0';
    packed += '\0';
    DWORD argc = static_cast<DWORD>(words.size());
    if (mode == "forge-argc")
        argc = 0x7fffffff;
    if (mode == "forge-many")
        argc = 1, packed = std::string("tool.exe\0a\0b\0\0", 15);
    if (mode == "forge-nonul")
        packed.assign(0x10000 - 16, 'A');
    Put(block, 8, argc);
    std::memcpy(block + 16, packed.data(), packed.size());

    // Release the console with the progress block and window in place.
    std::string progressName = std::string(prefix) + "Kyvant_GuiProgress_ShMem";
    HANDLE progress = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096,
                                         progressName.c_str());
    g_progress = progress
                     ? static_cast<char*>(MapViewOfFile(progress, FILE_MAP_ALL_ACCESS, 0, 0, 0))
                     : nullptr;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = "KyConToolGuiEndDouble";
    RegisterClassA(&wc);
    HWND window = CreateWindowA(wc.lpszClassName, "progress", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                nullptr, nullptr, instance, nullptr);
    HANDLE self = nullptr;
    DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), g_console, &self, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    if (!g_progress || !window || !self) {
        Log("release failed");
        Put(block, 0, 0);
        SetEvent(done);
        return Finish(7);
    }
    Put(block, 4, static_cast<DWORD>(reinterpret_cast<UINT_PTR>(window)));
    Put(block, 12, static_cast<DWORD>(reinterpret_cast<UINT_PTR>(self)));
    Put(block, 0, 1);
    SetEvent(done);
    Log("released");

    SetTimer(window, 1, 100, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DestroyWindow(window);
    return Finish(static_cast<int>(msg.wParam));
}
