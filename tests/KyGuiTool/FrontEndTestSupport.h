// Helpers of the tests that run the test front-end in a process of its own:
// its script, programs started with their own variables and captured
// output, the front-end's log, its windows found by process, hold events,
// and the console tool's side of the hand-off played by the test itself.
#pragma once

#include "common/ProgramFolder.h"
#include "common/TempFolder.h"
#include "common/WholeFile.h"
#include "KyConTool/App/ConGuiHandoff.h"
#include "KyStd/Core/HandleWords.h"
#include "TestApp.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace guitest {

using Env = std::vector<std::pair<std::string, std::string>>;

inline bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

inline size_t Count(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// The lines of the log that start with prefix.
inline std::vector<std::string> Lines(const std::string& log, const std::string& prefix)
{
    std::vector<std::string> out;
    size_t start = 0;
    while (start < log.size()) {
        size_t end = log.find('\n', start);
        if (end == std::string::npos)
            end = log.size();
        const std::string line = log.substr(start, end - start);
        if (line.rfind(prefix, 0) == 0)
            out.push_back(line);
        start = end + 1;
    }
    return out;
}

// A name no other run of this process has used: for protocol prefixes,
// events and registry keys.
inline std::string Unique(const std::string& stem)
{
    static unsigned counter = 0;
    return stem + std::to_string(GetCurrentProcessId()) + "r" + std::to_string(++counter) + "_";
}

// A scratch folder of one test, removed with everything in it.
class Scratch {
public:
    Scratch() : path_(kytest::NewFolder(kytest::ScratchBase(), "kygt_")) {}
    ~Scratch() { kytest::RemoveTree(path_); }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    std::string operator[](const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

// The front-end's script: "key=value" lines (FrontEnd/FrontEndScript.h);
// the log goes beside it.
class Script {
public:
    explicit Script(const Scratch& dir, const std::string& name = "frontend")
        : path_(dir[name + ".script"]), log_(dir[name + ".log"])
    {
        lines_.push_back("log=" + log_);
        DeleteFileA(log_.c_str());
    }
    Script& operator()(const std::string& line)
    {
        lines_.push_back(line);
        return *this;
    }
    // Writes the file and gives its path.
    std::string Write() const
    {
        std::string text;
        for (const std::string& line : lines_)
            text += line + "\n";
        kytest::WriteFile(path_, text);
        return path_;
    }
    const std::string& LogPath() const { return log_; }
    std::string Log() const { return kytest::ReadText(log_); }

private:
    std::string path_;
    std::string log_;
    std::vector<std::string> lines_;
};

// A program of the build started with extra variables (replacing the
// hand-off variables, the protocol prefix and the tests' own of this
// process), its output in files; it inherits this process's inheritable
// handles.
class Started {
public:
    Started(const std::string& program, const std::vector<std::string>& args, const Env& env,
            const Scratch& dir)
        : outPath_(dir[Unique("out") + ".txt"]), errPath_(dir[Unique("err") + ".txt"])
    {
        std::string cmd = "\"" + kytest::ProgramFolder() + program + "\"";
        for (const std::string& a : args)
            cmd += " \"" + a + "\"";
        std::string block = EnvBlock(env);
        SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
        out_ = CreateFileA(outPath_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0,
                           nullptr);
        err_ = CreateFileA(errPath_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0,
                           nullptr);
        in_ = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                          OPEN_EXISTING, 0, nullptr);
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdInput = in_;
        si.hStdOutput = out_;
        si.hStdError = err_;
        PROCESS_INFORMATION pi = {};
        if (CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, TRUE, 0, &block[0], nullptr, &si,
                           &pi)) {
            process_ = pi.hProcess;
            CloseHandle(pi.hThread);
        }
    }
    ~Started()
    {
        if (process_) {
            if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT)
                TerminateProcess(process_, 99);
            WaitForSingleObject(process_, 5000);
            CloseHandle(process_);
        }
        for (HANDLE h : {in_, out_, err_})
            CloseHandle(h);
        DeleteFileA(outPath_.c_str());
        DeleteFileA(errPath_.c_str());
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;

    bool Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }
    // The exit code, waiting up to ms; 0xFFFFFFFF when it did not end.
    DWORD Wait(DWORD ms = 60000)
    {
        DWORD code = 0xFFFFFFFF;
        if (process_ && WaitForSingleObject(process_, ms) == WAIT_OBJECT_0)
            GetExitCodeProcess(process_, &code);
        return code;
    }
    void Kill()
    {
        TerminateProcess(process_, 9);
        WaitForSingleObject(process_, 5000);
    }
    HANDLE Handle() const { return process_; }
    std::string Out() const { return kytest::ReadText(outPath_); }
    std::string Err() const { return kytest::ReadText(errPath_); }

private:
    static std::string EnvBlock(const Env& env)
    {
        auto nameOf = [](const std::string& v) { return v.substr(0, v.find('=', 1)); };
        std::vector<std::string> vars;
        char* block = GetEnvironmentStringsA();
        for (const char* p = block; *p; p += std::strlen(p) + 1) {
            const std::string v(p), name = nameOf(v);
            bool drop = _strnicmp(name.c_str(), "KYVANT_", 7) == 0 ||
                        _strnicmp(name.c_str(), "KYTEST_", 7) == 0 ||
                        lstrcmpiA(name.c_str(), "Kyvant_Protocol_Prefix_EnvVar") == 0;
            for (const auto& e : env)
                drop = drop || lstrcmpiA(name.c_str(), e.first.c_str()) == 0;
            if (!drop)
                vars.push_back(v);
        }
        FreeEnvironmentStringsA(block);
        for (const auto& e : env)
            vars.push_back(e.first + "=" + e.second);
        std::sort(vars.begin(), vars.end(), [](const std::string& a, const std::string& b) {
            return lstrcmpiA(a.c_str(), b.c_str()) < 0;
        });
        std::string text;
        for (const std::string& v : vars)
            text += v + '\0';
        return text + '\0';
    }

    std::string outPath_, errPath_;
    HANDLE in_ = nullptr, out_ = nullptr, err_ = nullptr;
    HANDLE process_ = nullptr;
};

// Waits up to ms for a log line that starts with prefix; the log as it then
// stands.
inline std::string WaitForLine(const Script& script, const std::string& prefix, DWORD ms = 15000)
{
    const DWORD start = GetTickCount();
    for (;;) {
        const std::string log = script.Log();
        if (log.rfind(prefix, 0) == 0 || Has(log, "\n" + prefix) || GetTickCount() - start > ms)
            return log;
        Sleep(20);
    }
}

// Waits up to ms for the count-th log line that starts with prefix.
inline std::string WaitForLines(const Script& script, const std::string& prefix, size_t count,
                                DWORD ms = 15000)
{
    const DWORD start = GetTickCount();
    for (;;) {
        const std::string log = script.Log();
        if (Lines(log, prefix).size() >= count || GetTickCount() - start > ms)
            return log;
        Sleep(20);
    }
}

// The front-end's process, from the pid its log starts with; null when the
// log has none yet.
inline HANDLE OpenFrontEnd(const Script& script)
{
    const std::string log = WaitForLine(script, "start pid=");
    const size_t at = log.find("start pid=");
    if (at == std::string::npos)
        return nullptr;
    const DWORD pid = static_cast<DWORD>(std::stoul(log.substr(at + 10)));
    return OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, pid);
}

// The front-end's exit code once it returned from WinMain within ms: the
// last code its ExitInstance gave; 0xFFFFFFFF when it did not end so.
inline DWORD WaitForFrontEnd(const Script& script, DWORD ms = 15000)
{
    const std::string log = WaitForLine(script, "process end", ms);
    const std::vector<std::string> exits = Lines(log, "exitinstance code=");
    if (!Has(log, "\nprocess end") || exits.empty())
        return 0xFFFFFFFF;
    return static_cast<DWORD>(std::stoul(exits.back().substr(18)));
}

// A top-level window of the process that has a child with the id.
inline HWND FindWindowOf(DWORD pid, int childId)
{
    for (HWND w = FindWindowExA(nullptr, nullptr, nullptr, nullptr); w;
         w = FindWindowExA(nullptr, w, nullptr, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid && GetDlgItem(w, childId))
            return w;
    }
    return nullptr;
}

inline std::string WindowText(HWND w)
{
    char text[8192] = "";
    GetWindowTextA(w, text, sizeof text);
    return text;
}

// Waits up to ms for the window to be visible; the milliseconds it took, or
// ms + 1 when it never showed.
inline DWORD WaitVisible(HWND w, DWORD ms)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start <= ms) {
        if (IsWindowVisible(w))
            return GetTickCount() - start;
        Sleep(20);
    }
    return ms + 1;
}

// A picture of another process's window once it had the time to paint.
inline bool SavePainted(HWND w, const char* name)
{
    DWORD_PTR ignored = 0;
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    Sleep(300);
    SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    return SaveWindowPng(w, name);
}

// An auto-reset event the front-end waits for at its hold points.
class HoldEvent {
public:
    HoldEvent()
        : name_(Unique("kygt_hold")), event_(CreateEventA(nullptr, FALSE, FALSE, name_.c_str()))
    {
    }
    ~HoldEvent() { CloseHandle(event_); }
    HoldEvent(const HoldEvent&) = delete;
    HoldEvent& operator=(const HoldEvent&) = delete;
    const std::string& Name() const { return name_; }
    void Release() { SetEvent(event_); }

private:
    std::string name_;
    HANDLE event_;
};

// The console tool's side of the hand-off, played by the test: the hand-off
// block and done event, this process's handle in KYVANT_CON_APP_HANDLE, the
// front-end started with the script, and the progress channel's messages.
class ConsoleDouble {
public:
    ConsoleDouble(const Scratch& dir, const Script& script, const Env& extra = {})
        : prefix_(Unique("kygt")),
          done_(CreateEventA(nullptr, TRUE, FALSE,
                             (prefix_ + Kyvant::ToolHandoffBlock::kDoneEventName).c_str())),
          mapping_(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      Kyvant::ToolHandoffBlock::kSize,
                                      (prefix_ + Kyvant::ToolHandoffBlock::kName).c_str())),
          block_(static_cast<char*>(MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, 0)))
    {
        DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self_, 0,
                        TRUE, DUPLICATE_SAME_ACCESS);
        Env env = extra;
        env.push_back({"Kyvant_Protocol_Prefix_EnvVar", prefix_});
        env.push_back({"KYVANT_CON_APP_HANDLE", Kyvant::HandleToDecimal(self_)});
        env.push_back({"KYTEST_FRONTEND_SCRIPT", script.Write()});
        frontEnd_.reset(new Started("KyGuiTool_frontend.exe", {}, env, dir));
        const HANDLE waits[2] = {done_, frontEnd_->Handle()};
        released_ = WaitForMultipleObjects(2, waits, FALSE, 15000) == WAIT_OBJECT_0;
        if (released_)
            progress_ = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE,
                                         (prefix_ + Kyvant::GuiProgressBlock::kName).c_str());
        if (progress_)
            text_ = static_cast<char*>(MapViewOfFile(progress_, FILE_MAP_ALL_ACCESS, 0, 0, 0));
    }
    ~ConsoleDouble()
    {
        frontEnd_.reset();
        if (text_)
            UnmapViewOfFile(text_);
        if (progress_)
            CloseHandle(progress_);
        UnmapViewOfFile(block_);
        for (HANDLE h : {mapping_, done_, self_})
            CloseHandle(h);
    }
    ConsoleDouble(const ConsoleDouble&) = delete;
    ConsoleDouble& operator=(const ConsoleDouble&) = delete;

    bool Released() const { return released_; }
    DWORD Word(unsigned offset) const
    {
        DWORD value;
        std::memcpy(&value, block_ + offset, sizeof value);
        return value;
    }
    const char* Strings() const { return block_ + 16; }
    HWND Window() const { return Kyvant::WordToWindow(Word(4)); }
    HANDLE FrontEndHandle() const { return Kyvant::WordToHandle(Word(12)); }
    Started& FrontEnd() { return *frontEnd_; }

    // Writes the text (and the caption behind it) into the progress block
    // and sends the message; the result, or -1 when the window did not
    // answer within 30 s.
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam, const std::string& text = "",
                 const char* caption = nullptr)
    {
        std::memset(text_, 0, Kyvant::GuiProgressBlock::kSize);
        std::memcpy(text_, text.c_str(), std::min<size_t>(text.size() + 1, 4096));
        if (caption && text.size() + 1 < 4096)
            std::memcpy(text_ + text.size() + 1, caption,
                        std::min<size_t>(std::strlen(caption) + 1, 4095 - text.size()));
        return SendRaw(message, wParam, lParam);
    }
    // The block filled to its end without a NUL.
    LRESULT SendUnterminated(UINT message, WPARAM wParam, LPARAM lParam, char fill)
    {
        std::memset(text_, fill, Kyvant::GuiProgressBlock::kSize);
        return SendRaw(message, wParam, lParam);
    }
    LRESULT SendRaw(UINT message, WPARAM wParam, LPARAM lParam)
    {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(Window(), message, wParam, lParam, SMTO_NORMAL, 30000, &result))
            return -1;
        return static_cast<LRESULT>(result);
    }

private:
    std::string prefix_;
    HANDLE done_;
    HANDLE mapping_;
    char* block_;
    HANDLE self_ = nullptr;
    HANDLE progress_ = nullptr;
    char* text_ = nullptr;
    bool released_ = false;
    std::unique_ptr<Started> frontEnd_;
};

} // namespace guitest
