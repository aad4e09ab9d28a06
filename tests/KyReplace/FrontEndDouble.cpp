// Test double of the Replace front-end, built as KyReplaceG.exe in a folder
// of its own. Started by KyReplace (which it finds through the hand-off
// variables) it shows its task dialog at once; started by a test it starts
// KyReplace.exe itself, naming its own process in KYVANT_KyReplaceG_PROCESS_HDL,
// and shows the dialog when KyReplace asks for it (WM_APP, wParam 4). Then it
// takes KyReplace's pipes, reads and answers the engine's packets, reads the
// log lines KyReplace announces, serves the progress window's messages, and
// logs everything it got, one line each.
//
// Its script (the first argument, else the variable KYTEST_REPLACEG_SCRIPT)
// is a list of ';'-separated items:
//   log=<file>       where the log goes (required)
//   dialog=<d>       accept (default), cancel, refuse (window word 0), die
//                    (exit 5 before the dialog ends)
//   args=<a|b|...>   the accepted command line after argument 0
//   link=<l>         take (default); die: exit 6 once KyReplace's pipes are
//                    there, without taking them; vanish: take them, then exit 7
//   died=1           set the log-window-died event before taking the pipes
//   pause=<p>        hold the file-check mutex and ask the engine to pause
//                    before taking the pipes; on packet 410 let the mutex go
//                    after setting do-quit (quit, as a user's stop does) or
//                    resume (resume)
//   replies=<n,...>  answers to successive questions (the last repeats; 0)
//   lines=<n>        the line count of the single-line reply (5)
//   query=<n>        the answer to progress queries (1, skip)
// Written with the plain Win32 API, independently of the console side but
// for the layout of the two link blocks, which both take from one header.
#include "KyReplace/Console/FrontEnd/ReplaceLinkBlocks.h"
#include "KyStd/Core/HandleWords.h"
#include "common/SplitText.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const UINT kRequest = WM_APP;    // from KyReplace: 0-2 log line, 3 engine, 4 dialog
const UINT kPacket = WM_APP + 1; // from the reader thread: one packet

struct Script {
    std::string dialog = "accept", link = "take", args, pause;
    bool died = false;
    std::vector<int> replies;
    int lines = 5, query = 1;
} g_script;

FILE* g_log = nullptr;
CRITICAL_SECTION g_logLock;
std::string g_prefix;
HWND g_window = nullptr;
HANDLE g_kyReplace = nullptr; // KyReplace's process
bool g_startedHere = false;
Kyvant::ReplaceFrontEndBlock* g_frontEndBlock = nullptr;
HANDLE g_packets = nullptr, g_replies = nullptr, g_logPipe = nullptr;
HANDLE g_engine = nullptr;
HANDLE g_reader = nullptr;
HANDLE g_endFile = nullptr, g_modified = nullptr, g_doQuit = nullptr, g_pause = nullptr;
HANDLE g_resume = nullptr;
HANDLE g_fileCheck = nullptr;
Kyvant::ReplaceToolBlock* g_toolBlock = nullptr;
char* g_progress = nullptr;
size_t g_repliesUsed = 0;

void Log(const std::string& line)
{
    EnterCriticalSection(&g_logLock);
    if (g_log) {
        std::fprintf(g_log, "%s\n", line.c_str());
        std::fflush(g_log);
    }
    LeaveCriticalSection(&g_logLock);
}

std::string Escaped(const std::string& text)
{
    std::string out;
    for (char c : text)
        out += c == '\n' ? "\\n" : c == '\r' ? "\\r" : c == '\t' ? "\\t" : std::string(1, c);
    return out;
}

using kytest::Split;

void ReadScript(const std::string& text)
{
    for (const std::string& item : Split(text, ';')) {
        size_t eq = item.find('=');
        std::string key = item.substr(0, eq);
        std::string value = eq == std::string::npos ? "" : item.substr(eq + 1);
        if (key == "log")
            g_log = std::fopen(value.c_str(), "a");
        else if (key == "dialog")
            g_script.dialog = value;
        else if (key == "link")
            g_script.link = value;
        else if (key == "args")
            g_script.args = value;
        else if (key == "died")
            g_script.died = value == "1";
        else if (key == "pause")
            g_script.pause = value;
        else if (key == "replies")
            for (const std::string& n : Split(value, ','))
                g_script.replies.push_back(std::atoi(n.c_str()));
        else if (key == "lines")
            g_script.lines = std::atoi(value.c_str());
        else if (key == "query")
            g_script.query = std::atoi(value.c_str());
    }
}

[[noreturn]] void Finish(int code)
{
    if (g_engine) {
        DWORD exitCode = 0;
        WaitForSingleObject(g_engine, 10000);
        GetExitCodeProcess(g_engine, &exitCode);
        Log("engine exit=" + std::to_string(exitCode));
    }
    if (g_startedHere) {
        DWORD exitCode = 0;
        WaitForSingleObject(g_kyReplace, 10000);
        GetExitCodeProcess(g_kyReplace, &exitCode);
        Log("kyreplace exit=" + std::to_string(exitCode));
    }
    Log("end code=" + std::to_string(code));
    if (g_log)
        std::fclose(g_log);
    ExitProcess(static_cast<UINT>(code));
}

std::string Env(const char* name, bool remove)
{
    char value[512];
    DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    std::string result = n > 0 && n < sizeof value ? std::string(value, n) : std::string();
    if (remove)
        SetEnvironmentVariableA(name, nullptr);
    return result;
}

HANDLE OpenNamedEvent(const char* name)
{
    return OpenEventA(EVENT_ALL_ACCESS, FALSE, (g_prefix + name).c_str());
}

void* OpenBlock(const char* name)
{
    HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, (g_prefix + name).c_str());
    return mapping ? MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0) : nullptr;
}

HANDLE HandleFromWord(const DWORD& word)
{
    return Kyvant::HandleFromBlockWord(Kyvant::ReadBlockWord(word));
}

void Put(void* block, unsigned offset, DWORD value)
{
    std::memcpy(static_cast<char*>(block) + offset, &value, sizeof value);
}

bool ReadAll(HANDLE from, void* buffer, DWORD n)
{
    char* p = static_cast<char*>(buffer);
    while (n > 0) {
        DWORD got = 0;
        if (!ReadFile(from, p, n, &got, nullptr) || got == 0)
            return false;
        p += got;
        n -= got;
    }
    return true;
}

void WriteInt(HANDLE to, int value)
{
    DWORD written = 0;
    WriteFile(to, &value, 4, &written, nullptr);
}

// The task dialog: hands the command line and the answer back as a
// front-end's dialog does when it ends.
void RunDialog(const char* from)
{
    Log(std::string("dialog from=") + from);
    if (g_script.dialog == "die")
        Finish(5);
    const bool accepted = g_script.dialog == "accept";
    char* handoff = static_cast<char*>(OpenBlock("KyvantSharedData"));
    HANDLE done = OpenNamedEvent("Kyvant_GuiApp_Done_Event");
    if (!handoff || !done) {
        Log("no hand-off objects");
        Finish(8);
    }
    if (accepted) {
        std::vector<std::string> words{"KyReplace.exe"};
        if (!g_script.args.empty())
            for (const std::string& a : Split(g_script.args, '|'))
                words.push_back(a);
        std::string packed;
        for (const std::string& w : words)
            packed += w + '\0';
        packed += '\0';
        Put(handoff, 8, static_cast<DWORD>(words.size()));
        std::memcpy(handoff + 16, packed.data(), packed.size());
        HANDLE progress = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096,
                                             (g_prefix + "Kyvant_GuiProgress_ShMem").c_str());
        g_progress = static_cast<char*>(MapViewOfFile(progress, FILE_MAP_ALL_ACCESS, 0, 0, 0));
        HANDLE self = nullptr;
        DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), g_kyReplace, &self, 0, FALSE,
                        DUPLICATE_SAME_ACCESS);
        Put(handoff, 4, Kyvant::WindowToWord(g_window));
        Put(handoff, 12, Kyvant::HandleToWord(self));
    }
    Put(handoff, 0, accepted ? 1 : 0);
    SetEvent(done);
    Kyvant::WriteBlockWord(g_frontEndBlock->dialogFailed, accepted ? 0 : 1);
    HANDLE ended = OpenNamedEvent("Kyvant_KyReplace_KyReplaceG_Dlg_Term_Event");
    if (ended)
        SetEvent(ended);
    Log("released run=" + std::to_string(accepted ? 1 : 0));
}

// A packet as the reader thread read it: its log line, and for 400 and 404
// its number.
struct PacketRead {
    int code;
    int value;
    std::string line;
};

bool ReadInt(int& value)
{
    return ReadAll(g_packets, &value, 4);
}

bool ReadText(std::string& text)
{
    int n = 0;
    if (!ReadInt(n) || n < 0 || n > (1 << 24))
        return false;
    text.assign(static_cast<size_t>(n), '\0');
    return n == 0 || ReadAll(g_packets, &text[0], static_cast<DWORD>(n));
}

bool ReadQuestion(bool singleLine, std::string& line)
{
    int rule = 0, count = 0, start = 0, length = 0;
    std::string find, with, replacement, window;
    if (!ReadInt(rule) || !ReadInt(count))
        return false;
    line = "406 rule=" + std::to_string(rule) + "/" + std::to_string(count);
    if (singleLine) {
        int n = 0, first = 0, index = 0;
        if (!ReadInt(n) || n < 0 || n > 1000)
            return false;
        for (int i = 0; i < n; ++i) {
            std::string text;
            if (!ReadText(text))
                return false;
            window += (i ? "|" : "") + text;
        }
        if (!ReadInt(first) || !ReadInt(index))
            return false;
        line += " lines=" + std::to_string(n) + " first=" + std::to_string(first) +
                " index=" + std::to_string(index) + " window=" + Escaped(window);
    }
    if (!ReadInt(start) || !ReadInt(length) || !ReadText(find) || !ReadText(with) ||
        !ReadText(replacement))
        return false;
    line += " start=" + std::to_string(start) + " len=" + std::to_string(length) + " find=" + find +
            " with=" + with + " repl=" + replacement;
    return true;
}

// Reads one packet (a file text with all its pieces); false at the end.
bool ReadPacket(bool singleLine, PacketRead& packet)
{
    packet.value = 0;
    if (!ReadInt(packet.code))
        return false;
    packet.line = std::to_string(packet.code);
    switch (packet.code) {
    case 400:
        if (!ReadInt(packet.value))
            return false;
        packet.line += " single=" + std::to_string(packet.value);
        return true;
    case 404:
        if (!ReadInt(packet.value))
            return false;
        packet.line += " count=" + std::to_string(packet.value);
        return true;
    case 405: {
        std::string name;
        if (!ReadText(name))
            return false;
        packet.line += " name=" + name;
        return true;
    }
    case 406:
        return ReadQuestion(singleLine, packet.line);
    case 407: {
        int size = 0, code = 0;
        std::string text, piece;
        if (!ReadInt(size))
            return false;
        while (ReadInt(code) && code == 408 && ReadText(piece))
            text += piece;
        if (code != 409 || static_cast<int>(text.size()) != size)
            return false;
        packet.line += " size=" + std::to_string(size) + " text=" + Escaped(text);
        return true;
    }
    default:
        return true;
    }
}

DWORD WINAPI ReaderThread(void*)
{
    bool singleLine = false;
    PacketRead packet;
    while (ReadPacket(singleLine, packet)) {
        if (packet.code == 400)
            singleLine = packet.value != 0;
        SendMessageA(g_window, kPacket, 0, reinterpret_cast<LPARAM>(&packet));
        if (packet.code == 401 || packet.code == 402)
            return 0;
    }
    Log("packets broken off");
    return 0;
}

int NextReply()
{
    if (g_script.replies.empty())
        return 0;
    size_t at =
        g_repliesUsed < g_script.replies.size() ? g_repliesUsed : g_script.replies.size() - 1;
    ++g_repliesUsed;
    return g_script.replies[at];
}

void OnPacket(const PacketRead& packet)
{
    Log(packet.line);
    switch (packet.code) {
    case 400:
        if (packet.value) {
            WriteInt(g_replies, 800);
            WriteInt(g_replies, g_script.lines);
        }
        break;
    case 404:
        Kyvant::WriteBlockWord(g_toolBlock->replacementCount, static_cast<DWORD>(packet.value));
        if (packet.value)
            SetEvent(g_modified);
        SetEvent(g_endFile);
        break;
    case 406: {
        int reply = NextReply();
        Log("reply " + std::to_string(reply));
        WriteInt(g_replies, reply);
        break;
    }
    case 410:
        if (!g_script.pause.empty()) {
            SetEvent(g_script.pause == "quit" ? g_doQuit : g_resume);
            ReleaseMutex(g_fileCheck);
            Log(g_script.pause);
        }
        break;
    }
}

void OnLogLine(WPARAM kind, LPARAM length)
{
    std::string text(static_cast<size_t>(length), '\0');
    if (length <= 0 || !ReadAll(g_logPipe, &text[0], static_cast<DWORD>(length))) {
        Log("log kind=" + std::to_string(kind) + " unreadable");
        return;
    }
    const bool newline = text.back() == '\n';
    text.pop_back();
    Log("log kind=" + std::to_string(kind) + " len=" + std::to_string(length - 1) +
        " text=" + Escaped(text) + " end=" + (newline ? "nl" : "bad"));
}

// The progress window's messages, which KyReplace may send in GUI mode.
LRESULT OnProgress(UINT msg, WPARAM wp, LPARAM lp)
{
    char head[64];
    std::snprintf(head, sizeof head, "progress %X w=%lu l=%ld", msg, static_cast<unsigned long>(wp),
                  static_cast<long>(lp));
    std::string line = head;
    if (g_progress && msg != WM_APP + 0xCB)
        line += " t=" + std::string(g_progress, strnlen(g_progress, 4096));
    LRESULT result = msg == WM_APP + 0xCA ? g_script.query : msg == WM_APP + 0xCC ? IDOK : 0;
    Log(line + " answer=" + std::to_string(result));
    return result;
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == kRequest) {
        if (wp == 4) {
            RunDialog("message");
        } else if (wp == 3) {
            g_engine = reinterpret_cast<HANDLE>(lp);
            const bool usable = WaitForSingleObject(g_engine, 0) != WAIT_FAILED;
            Log(std::string("engine handle=") + (usable ? "ok" : "bad"));
        } else {
            OnLogLine(wp, lp);
        }
        return 0;
    }
    if (msg == kPacket) {
        OnPacket(*reinterpret_cast<const PacketRead*>(lp));
        return 0;
    }
    if (msg >= WM_APP + 0xC8 && msg <= WM_APP + 0xCE)
        return OnProgress(msg, wp, lp);
    if (msg == WM_TIMER && WaitForSingleObject(g_kyReplace, 0) == WAIT_OBJECT_0) {
        KillTimer(hwnd, 1);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void StartKyReplace()
{
    HANDLE self = nullptr;
    DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, 0, TRUE,
                    DUPLICATE_SAME_ACCESS);
    SetEnvironmentVariableA("KYVANT_KyReplaceG_PROCESS_HDL", Kyvant::HandleToDecimal(self).c_str());
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    si.wShowWindow = SW_HIDE;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi = {};
    char command[] = "KyReplace.exe";
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &si, &pi)) {
        Log("cannot start KyReplace");
        Finish(9);
    }
    CloseHandle(pi.hThread);
    g_kyReplace = pi.hProcess;
    g_startedHere = true;
}

// Takes KyReplace's pipes and named objects once it has them in place.
void Link()
{
    if (g_script.link == "die") {
        Log("link die");
        Finish(6);
    }
    g_toolBlock = static_cast<Kyvant::ReplaceToolBlock*>(OpenBlock(Kyvant::kReplaceToolBlockName));
    g_endFile = OpenNamedEvent("Kyvant_KyReplace_KyReplaceG_EndFile_Event");
    g_modified = OpenNamedEvent("Kyvant_KyReplace_KyReplaceG_ModifiedTempFile_Event");
    g_doQuit = OpenNamedEvent("Kyvant_KyReplace_Perl_DoQuit_Event");
    g_pause = OpenNamedEvent("Kyvant_KyReplace_Perl_Pause_Event");
    g_resume = OpenNamedEvent("Kyvant_KyReplace_Perl_Resume_Event");
    HANDLE died = OpenNamedEvent("Kyvant_KyReplace_KyReplaceG_LogWindowDied_Event");
    g_fileCheck = OpenMutexA(MUTEX_ALL_ACCESS, FALSE,
                             (g_prefix + "Kyvant_KyReplace_KyReplaceG_FileCheck_Mutex").c_str());
    HANDLE taken = OpenNamedEvent("Kyvant_KyReplace_KyReplaceG_Event");
    if (!g_toolBlock || !g_endFile || !g_modified || !g_doQuit || !g_pause || !g_resume || !died ||
        !g_fileCheck || !taken) {
        Log("missing link objects");
        Finish(10);
    }
    g_packets = HandleFromWord(g_toolBlock->packetPipeRead);
    g_replies = HandleFromWord(g_toolBlock->replyPipeWrite);
    g_logPipe = HandleFromWord(g_toolBlock->logPipeRead);
    if (g_script.died)
        SetEvent(died);
    if (!g_script.pause.empty()) {
        WaitForSingleObject(g_fileCheck, INFINITE);
        SetEvent(g_pause);
    }
    Kyvant::WriteBlockWord(g_toolBlock->viewWindow, Kyvant::WindowToWord(g_window));
    SetEvent(taken);
    Log("linked");
    if (g_script.link == "vanish")
        Finish(7);
    g_reader = CreateThread(nullptr, 0, ReaderThread, nullptr, 0, nullptr);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    InitializeCriticalSection(&g_logLock);
    ReadScript(__argc > 1 ? __argv[1] : Env("KYTEST_REPLACEG_SCRIPT", false));
    const std::string console = Env("KYVANT_CON_APP_HANDLE", true);
    Env("KYVANT_KYSTARTED", true);
    Env("KYVANT_LOAD_FILE", true);
    g_prefix = Env("Kyvant_Protocol_Prefix_EnvVar", false);
    if (g_prefix.empty()) {
        g_prefix = std::to_string(GetCurrentProcessId()) + "_";
        SetEnvironmentVariableA("Kyvant_Protocol_Prefix_EnvVar", g_prefix.c_str());
    }
    Log("start console=" + std::string(console.empty() || console == "0" ? "no" : "yes"));

    WNDCLASSA wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = "KyReplaceGDouble";
    RegisterClassA(&wc);
    g_window = CreateWindowA(wc.lpszClassName, "Replace", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                             nullptr, nullptr, instance, nullptr);
    HANDLE frontEndEvent = CreateEventA(nullptr, FALSE, FALSE,
                                        (g_prefix + "Kyvant_KyReplaceG_KyReplace_Event").c_str());
    HANDLE block = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      sizeof(Kyvant::ReplaceFrontEndBlock),
                                      (g_prefix + Kyvant::kReplaceFrontEndBlockName).c_str());
    g_frontEndBlock = block ? static_cast<Kyvant::ReplaceFrontEndBlock*>(
                                  MapViewOfFile(block, FILE_MAP_ALL_ACCESS, 0, 0, 0))
                            : nullptr;
    if (!g_window || !frontEndEvent || !g_frontEndBlock) {
        Log("cannot set up");
        Finish(4);
    }
    Kyvant::WriteBlockWord(g_frontEndBlock->viewWindow,
                           g_script.dialog == "refuse" ? 0 : Kyvant::WindowToWord(g_window));

    if (!console.empty() && console != "0") {
        g_kyReplace = Kyvant::WordToHandle(std::strtoul(console.c_str(), nullptr, 10));
        RunDialog("self");
    } else {
        StartKyReplace();
    }
    // KyReplace asks for the dialog, hands over its pipes, or ends.
    for (;;) {
        const HANDLE handles[2] = {frontEndEvent, g_kyReplace};
        DWORD woken = MsgWaitForMultipleObjects(2, handles, FALSE, INFINITE, QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0)
            break;
        if (woken == WAIT_OBJECT_0 + 1) {
            Pump();
            Log("kyreplace ended unlinked");
            Finish(0);
        }
        Pump();
    }
    Link();

    SetTimer(g_window, 1, 50, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    // Log lines KyReplace announced before it ended, and the last packets.
    for (int i = 0; i < 200 && WaitForSingleObject(g_reader, 0) == WAIT_TIMEOUT; ++i) {
        MsgWaitForMultipleObjects(1, &g_reader, FALSE, 50, QS_ALLINPUT);
        Pump();
    }
    Pump();
    Finish(0);
}
