// Driving the windows of another process of the prefix, as a user would:
// started programs, their top-level windows found by title, controls found
// by id, clicks and keys posted to them, texts read back, waits on
// conditions with short polls, and the processes of a program counted.
#pragma once

#include <windows.h>

#include <tlhelp32.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Serves nothing: the windows driven belong to another process.
inline bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 30000)
{
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        ::Sleep(20);
    }
    return true;
}

// A program started with the environment of this process plus the given
// variables; closed and, when still running, ended by the destructor.
class Started {
public:
    Started(const std::string& program, const std::string& arguments,
            const std::vector<std::string>& extraEnv = {})
    {
        std::string env;
        for (const char* p = ::GetEnvironmentStringsA(); *p; p += std::strlen(p) + 1)
            env += std::string(p) + '\0';
        for (const std::string& v : extraEnv)
            env += v + '\0';
        env += '\0';
        std::string line = "\"" + program + "\" " + arguments;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        if (::CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, &env[0], nullptr,
                             &startup, &info_))
            ::CloseHandle(info_.hThread);
        else
            info_ = PROCESS_INFORMATION();
    }
    ~Started()
    {
        if (info_.hProcess == nullptr)
            return;
        if (::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(info_.hProcess, 1);
        ::CloseHandle(info_.hProcess);
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;

    bool ok() const { return info_.hProcess != nullptr; }
    DWORD id() const { return info_.dwProcessId; }
    // The exit code once it ended within the time; -1 when it did not.
    long WaitForExit(DWORD timeoutMs = 30000) const
    {
        if (::WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        ::GetExitCodeProcess(info_.hProcess, &code);
        return static_cast<long>(code);
    }

private:
    PROCESS_INFORMATION info_ = {};
};

inline std::string TextOf(HWND window)
{
    const LRESULT length = ::SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    ::SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(std::strlen(text.c_str()));
    std::string lines;
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            lines += text[i];
    return lines;
}

inline std::string ClassOf(HWND window)
{
    char name[64] = "";
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

namespace detail {

struct TopSearch {
    DWORD process;
    std::vector<HWND> found;
};

inline BOOL CALLBACK AddTop(HWND window, LPARAM param)
{
    TopSearch& s = *reinterpret_cast<TopSearch*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if ((s.process == 0 || owner == s.process) && ::IsWindowVisible(window))
        s.found.push_back(window);
    return TRUE;
}

struct IdSearch {
    int id;
    HWND found;
};

inline BOOL CALLBACK MatchId(HWND window, LPARAM param)
{
    IdSearch& s = *reinterpret_cast<IdSearch*>(param);
    if (::GetDlgCtrlID(window) != s.id)
        return TRUE;
    s.found = window;
    return FALSE;
}

} // namespace detail

// The visible top-level windows of the process (every process when 0).
inline std::vector<HWND> TopWindows(DWORD process)
{
    detail::TopSearch search = {process, {}};
    ::EnumWindows(&detail::AddTop, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A visible top-level window of the process whose title holds the text.
inline HWND FindTop(DWORD process, const std::string& title, DWORD timeoutMs = 30000)
{
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND window : TopWindows(process))
                if (TextOf(window).find(title) != std::string::npos) {
                    found = window;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

namespace detail {

struct TextSearch {
    const std::string* text;
    bool found;
};

inline BOOL CALLBACK HoldsText(HWND window, LPARAM param)
{
    TextSearch& s = *reinterpret_cast<TextSearch*>(param);
    char text[512] = "";
    ::GetWindowTextA(window, text, sizeof text);
    if (std::string(text).find(*s.text) == std::string::npos)
        return TRUE;
    s.found = true;
    return FALSE;
}

} // namespace detail

// A visible dialog (a message box among them) of the process with a
// control whose text holds the text.
inline HWND FindDialogWith(DWORD process, const std::string& text, DWORD timeoutMs = 30000)
{
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND window : TopWindows(process)) {
                detail::TextSearch search = {&text, false};
                if (ClassOf(window) == "#32770")
                    ::EnumChildWindows(window, &detail::HoldsText,
                                       reinterpret_cast<LPARAM>(&search));
                if (search.found) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

// The first descendant with the id.
inline HWND Descendant(HWND parent, int id)
{
    detail::IdSearch search = {id, nullptr};
    ::EnumChildWindows(parent, &detail::MatchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline void ClickButton(HWND button)
{
    ::PostMessageA(button, BM_CLICK, 0, 0);
}

// A command as the frame's menu sends it.
inline void MenuCommand(HWND frame, UINT id)
{
    ::PostMessageA(frame, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

// The running processes of the program file's name.
inline int CountProcesses(const char* exeName)
{
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = ::Process32First(snapshot, &entry); more;
         more = ::Process32Next(snapshot, &entry))
        count += _stricmp(entry.szExeFile, exeName) == 0;
    ::CloseHandle(snapshot);
    return count;
}

} // namespace e2e
