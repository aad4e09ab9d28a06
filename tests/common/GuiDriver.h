// Driving the suite's windowed programs from outside, as a user would: start
// a program (its output kept in files), find its windows by class and
// title and its controls by id, click, type and press keys, answer and
// record its message boxes ("#32770"), read list views, status bars and
// texts across processes, and keep screenshots under
// build/test-artifacts/<test program>/. Under Xvfb no window manager draws
// title bars; GetWindowText still gives the titles.
#pragma once

#include "common/TempFolder.h"
#include "common/WholeFile.h"
#include "common/WindowPng.h"

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace kytest {
namespace gui {

// Polls the condition every few milliseconds; its last answer.
inline bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (done())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return done();
        Sleep(20);
    }
}

// A program started for a test. Its standard output and error go to files;
// the environment is this process's without the suite's hand-off variables
// and protocol prefix, plus the given "NAME=value" entries. It runs in a job
// of its own, so that ending it ends the programs it started too (a finder
// left behind would hold the test's output open); the destructor ends a
// program still running.
class Program {
public:
    Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program() { Kill(); }

    bool Start(const std::string& path, const std::vector<std::string>& args,
               const std::vector<std::string>& extraEnv = {}, const std::string& cwd = "")
    {
        static int counter = 0;
        const std::string stem = TempFolder() + "kygui_" + std::to_string(GetCurrentProcessId()) +
                                 "_" + std::to_string(++counter);
        outPath_ = stem + ".out";
        errPath_ = stem + ".err";
        std::string command = "\"" + path + "\"";
        for (const std::string& a : args)
            command += " \"" + a + "\"";
        std::string env = Environment(extraEnv);
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        auto open = [&](const std::string& file) {
            return CreateFileA(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               &inherit, CREATE_ALWAYS, 0, nullptr);
        };
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = nullptr;
        startup.hStdOutput = open(outPath_);
        startup.hStdError = open(errPath_);
        PROCESS_INFORMATION info{};
        const bool started =
            CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, CREATE_SUSPENDED, &env[0],
                           cwd.empty() ? nullptr : cwd.c_str(), &startup, &info) != FALSE;
        CloseHandle(startup.hStdOutput);
        CloseHandle(startup.hStdError);
        if (!started)
            return false;
        job_ = CreateJobObjectA(nullptr, nullptr);
        if (job_ && !AssignProcessToJobObject(job_, info.hProcess)) {
            CloseHandle(job_);
            job_ = nullptr;
        }
        ResumeThread(info.hThread);
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        pid_ = info.dwProcessId;
        return true;
    }

    DWORD Pid() const { return pid_; }
    HANDLE Handle() const { return process_; }
    bool Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }
    // The exit code once it ended within the time; STILL_ACTIVE otherwise.
    DWORD Wait(DWORD timeoutMs) const
    {
        DWORD code = STILL_ACTIVE;
        if (process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0)
            GetExitCodeProcess(process_, &code);
        return code;
    }
    // Ends the program and whatever it started that still runs.
    void Kill()
    {
        if (job_) {
            TerminateJobObject(job_, 99);
            CloseHandle(job_);
            job_ = nullptr;
        }
        if (!process_)
            return;
        if (Running()) {
            TerminateProcess(process_, 99);
            WaitForSingleObject(process_, 5000);
        }
        CloseHandle(process_);
        process_ = nullptr;
    }
    std::string Out() const { return ReadFile(outPath_); }
    std::string Err() const { return ReadFile(errPath_); }

private:
    static std::string Environment(const std::vector<std::string>& extra)
    {
        auto nameOf = [](const std::string& v) { return v.substr(0, v.find('=', 1)); };
        std::string env;
        char* block = GetEnvironmentStringsA();
        for (const char* p = block; *p; p += std::strlen(p) + 1) {
            const std::string v(p);
            const std::string name = nameOf(v);
            bool dropped = lstrcmpiA(name.c_str(), "Kyvant_Protocol_Prefix_EnvVar") == 0 ||
                           _strnicmp(name.c_str(), "KYVANT_", 7) == 0;
            for (const std::string& e : extra)
                dropped = dropped || lstrcmpiA(name.c_str(), nameOf(e).c_str()) == 0;
            if (!dropped)
                env += v + '\0';
        }
        FreeEnvironmentStringsA(block);
        for (const std::string& v : extra)
            env += v + '\0';
        env += '\0';
        return env;
    }

    HANDLE process_ = nullptr;
    HANDLE job_ = nullptr;
    DWORD pid_ = 0;
    std::string outPath_, errPath_;
};

// --- Windows and texts --------------------------------------------------

inline std::string ClassOf(HWND window)
{
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

// The window's text (a control's or a title), read through WM_GETTEXT,
// which the system carries across processes.
inline std::string Text(HWND window)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return "";
    std::vector<char> text(length + 2, '\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &got);
    return text.data();
}

// The top-level windows of the process, shown or not, in Z order.
inline std::vector<HWND> TopWindows(DWORD pid, bool visibleOnly = true)
{
    struct Search {
        DWORD pid;
        bool visibleOnly;
        std::vector<HWND> found;
    } search{pid, visibleOnly, {}};
    struct Visit {
        static BOOL CALLBACK Each(HWND window, LPARAM data)
        {
            Search& s = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s.pid && (!s.visibleOnly || IsWindowVisible(window)))
                s.found.push_back(window);
            return TRUE;
        }
    };
    EnumWindows(&Visit::Each, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A shown top-level window of the process whose class (when given) and
// title (when given) match exactly; null when none appears in time.
inline HWND WaitForWindow(DWORD pid, const char* className, const char* title,
                          DWORD timeoutMs = 20000)
{
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND window : TopWindows(pid)) {
                if ((!className || ClassOf(window) == className) &&
                    (!title || Text(window) == title)) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

// The text of a message box's static (id 0xFFFF); empty for another window.
inline std::string BoxTextOf(HWND window);

// A question the program may ask on its way up, and the button that
// answers it.
struct StartQuestion {
    const char* textPart;
    int button;
};

// Waits for the program's shown top-level window with the class and title
// (either may be null) for as long as the program runs, up to the limit;
// a message box whose text holds a question's part is answered on the way
// (a slow start may raise one). Null when the program ended first or the
// limit passed.
inline HWND WaitForStartWindow(const Program& program, const char* className, const char* title,
                               DWORD limitMs, const std::vector<StartQuestion>& questions = {})
{
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND window : TopWindows(program.Pid())) {
                if ((!className || ClassOf(window) == className) &&
                    (!title || Text(window) == title)) {
                    found = window;
                    return true;
                }
                const std::string text = BoxTextOf(window);
                for (const StartQuestion& q : questions) {
                    if (!text.empty() && text.find(q.textPart) != std::string::npos)
                        PostMessageA(window, WM_COMMAND, MAKEWPARAM(q.button, BN_CLICKED), 0);
                }
            }
            return !program.Running();
        },
        limitMs);
    return found;
}

// The descendant control with the id (the first in depth order); null for
// none.
inline HWND Control(HWND parent, int id)
{
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    struct Visit {
        static BOOL CALLBACK Each(HWND window, LPARAM data)
        {
            Search& s = *reinterpret_cast<Search*>(data);
            if (GetDlgCtrlID(window) != s.id)
                return TRUE;
            s.found = window;
            return FALSE;
        }
    };
    EnumChildWindows(parent, &Visit::Each, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The first descendant of the class; null for none.
inline HWND ChildOfClass(HWND parent, const char* className)
{
    struct Search {
        const char* name;
        HWND found;
    } search{className, nullptr};
    struct Visit {
        static BOOL CALLBACK Each(HWND window, LPARAM data)
        {
            Search& s = *reinterpret_cast<Search*>(data);
            if (ClassOf(window) != s.name)
                return TRUE;
            s.found = window;
            return FALSE;
        }
    };
    EnumChildWindows(parent, &Visit::Each, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// --- Input ----------------------------------------------------------------

// Clicks a button without waiting for what the click starts (a modal box,
// say): the click is posted.
inline void Click(HWND button)
{
    PostMessageA(button, BM_CLICK, 0, 0);
}

// A menu or tool-bar command, posted to the window.
inline void Command(HWND window, UINT id)
{
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

// Replaces the control's text (an edit's, or a combo box's edit).
inline void SetText(HWND control, const std::string& text)
{
    SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
}

// Makes the window the foreground one, so that real key presses reach it;
// asked again while it is not (a busy program may miss the first request).
inline bool Activate(HWND window, DWORD timeoutMs = 10000)
{
    const DWORD kAskAgainMs = 500;
    DWORD asked = GetTickCount() - kAskAgainMs;
    return WaitFor(
        [&] {
            if (GetForegroundWindow() == window)
                return true;
            if (GetTickCount() - asked >= kAskAgainMs) {
                SetForegroundWindow(window);
                asked = GetTickCount();
            }
            return false;
        },
        timeoutMs);
}

// The window that has the keyboard focus in the window's thread; null for
// none.
inline HWND FocusOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

// Gives the dialog's control the focus (as Tab would) and waits until it
// has it.
inline bool FocusControl(HWND dialog, HWND control, DWORD timeoutMs = 5000)
{
    return WaitFor(
        [&] {
            if (FocusOf(dialog) == control)
                return true;
            SendMessageTimeoutA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE,
                                SMTO_ABORTIFHUNG, 5000, nullptr);
            return FocusOf(dialog) == control;
        },
        timeoutMs);
}

// Moves the mouse out of the way (menus opened under it pre-highlight
// items).
inline void ParkMouse()
{
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
}

// A real key press on the keyboard, with Shift and Control held when asked;
// it goes to the window that has the focus.
inline void PressKey(WORD vk, bool shift = false, bool control = false)
{
    std::vector<INPUT> inputs;
    auto key = [&](WORD code, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = code;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    if (control)
        key(VK_CONTROL, false);
    if (shift)
        key(VK_SHIFT, false);
    key(vk, false);
    key(vk, true);
    if (shift)
        key(VK_SHIFT, true);
    if (control)
        key(VK_CONTROL, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Presses the dialog's push button as a user does with Shift held: the
// button gets the focus, then Shift, Enter and their releases go in as real
// key presses. The program takes input in order, so Shift is down by the
// time the button acts (a click posted after a key press could overtake
// it). False when the dialog could not be activated or focused.
inline bool PressWithShift(HWND dialog, HWND button)
{
    if (!button || !Activate(dialog) || !FocusControl(dialog, button))
        return false;
    PressKey(VK_RETURN, true);
    return true;
}

// Types the text into the focused control as real key presses (letters,
// digits, blanks and the punctuation of the keyboard's plain layer).
inline void Type(const std::string& text)
{
    for (char c : text) {
        const SHORT code = VkKeyScanA(c);
        if (code == -1)
            continue;
        PressKey(LOBYTE(code), (HIBYTE(code) & 1) != 0, (HIBYTE(code) & 2) != 0);
    }
}

// A real left click at a point of the window's client area.
inline void ClickAt(HWND window, int x, int y)
{
    POINT point{x, y};
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

// --- Message boxes --------------------------------------------------------

struct Box {
    HWND window = nullptr;
    std::string title, text;
};

// The shown "#32770" window of the process whose static text (id 0xFFFF,
// a message box's) is there; window null when none appears in time.
inline Box WaitForBox(DWORD pid, DWORD timeoutMs = 20000)
{
    const int kMessageTextId = 0xFFFF;
    Box box;
    WaitFor(
        [&] {
            for (HWND window : TopWindows(pid)) {
                if (ClassOf(window) != "#32770")
                    continue;
                if (HWND text = Control(window, kMessageTextId)) {
                    box.window = window;
                    box.title = Text(window);
                    box.text = Text(text);
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return box;
}

inline std::string BoxTextOf(HWND window)
{
    const int kMessageTextId = 0xFFFF;
    if (ClassOf(window) != "#32770")
        return "";
    HWND text = GetDlgItem(window, kMessageTextId);
    return text ? Text(text) : "";
}

// Presses the box's button (IDOK, IDYES, ...) and waits until the box is
// gone; false when it has no such button or stays.
inline bool Answer(const Box& box, int button)
{
    HWND control = Control(box.window, button);
    if (!control)
        return false;
    Click(control);
    return WaitFor([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); }, 10000);
}

// --- Controls of another process ------------------------------------------

// A block of memory in the window's process, for messages whose pointers
// must be valid there.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, size_t size) : size_(size)
    {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        process_ =
            OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_)
            address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBuffer()
    {
        if (address_)
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_)
            CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool Ok() const { return address_ != nullptr; }
    char* At(size_t offset) const { return static_cast<char*>(address_) + offset; }
    bool Write(size_t offset, const void* data, size_t size) const
    {
        return WriteProcessMemory(process_, At(offset), data, size, nullptr) != FALSE;
    }
    bool Read(size_t offset, void* data, size_t size) const
    {
        return ReadProcessMemory(process_, At(offset), data, size, nullptr) != FALSE;
    }
    std::string ReadText(size_t offset, size_t max) const
    {
        std::vector<char> text(max + 1, '\0');
        Read(offset, text.data(), max);
        return text.data();
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    size_t size_;
};

inline LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
    return static_cast<LRESULT>(result);
}

inline int ListColumnCount(HWND list)
{
    HWND header = reinterpret_cast<HWND>(Send(list, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(Send(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
}

inline int ListRowCount(HWND list)
{
    return static_cast<int>(Send(list, LVM_GETITEMCOUNT, 0, 0));
}

// The rows of a list view in its shown order, each its column texts.
inline std::vector<std::vector<std::string>> ReadListView(HWND list)
{
    const size_t kTextMax = 1024;
    std::vector<std::vector<std::string>> rows;
    RemoteBuffer buffer(list, sizeof(LVITEMA) + kTextMax);
    if (!buffer.Ok())
        return rows;
    const int columns = ListColumnCount(list);
    const int count = ListRowCount(list);
    for (int row = 0; row < count; ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < columns; ++column) {
            LVITEMA item{};
            item.iSubItem = column;
            item.pszText = buffer.At(sizeof(LVITEMA));
            item.cchTextMax = static_cast<int>(kTextMax);
            const char nothing = '\0';
            buffer.Write(sizeof(LVITEMA), &nothing, 1);
            buffer.Write(0, &item, sizeof item);
            Send(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(buffer.At(0)));
            cells.push_back(buffer.ReadText(sizeof(LVITEMA), kTextMax));
        }
        rows.push_back(cells);
    }
    return rows;
}

// The first selected row; -1 for none.
inline int ListSelectedRow(HWND list)
{
    return static_cast<int>(Send(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

// The text of a status bar's pane; an owner-drawn pane's text is read from
// the pointer the program keeps as the pane's data.
inline std::string StatusText(HWND bar, int pane)
{
    const size_t kTextMax = 1024;
    const LRESULT info = Send(bar, SB_GETTEXTLENGTHA, pane, 0);
    if (HIWORD(info) & SBT_OWNERDRAW) {
        const LRESULT data = Send(bar, SB_GETTEXTA, pane, 0);
        DWORD pid = 0;
        GetWindowThreadProcessId(bar, &pid);
        HANDLE process = OpenProcess(PROCESS_VM_READ, FALSE, pid);
        // In small pieces, so that a text near the end of its memory page is
        // read too.
        const size_t kPiece = 16;
        std::string text;
        for (size_t at = 0; process && data && at < kTextMax; at += kPiece) {
            char piece[kPiece + 1] = {};
            if (!ReadProcessMemory(process, reinterpret_cast<LPCVOID>(data + at), piece, kPiece,
                                   nullptr))
                break;
            const size_t n = std::strlen(piece);
            text.append(piece, n);
            if (n < kPiece)
                break;
        }
        if (process)
            CloseHandle(process);
        return text;
    }
    const size_t length = LOWORD(info);
    RemoteBuffer buffer(bar, (length < kTextMax ? kTextMax : length) + 1);
    if (!buffer.Ok())
        return "";
    Send(bar, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(buffer.At(0)));
    return buffer.ReadText(0, length);
}

inline int StatusPaneCount(HWND bar)
{
    return static_cast<int>(Send(bar, SB_GETPARTS, 0, 0));
}

// One line per shown top-level window of the process: class, title and
// the texts of its controls (for a failure's report).
inline std::string DescribeWindows(DWORD pid)
{
    struct Texts {
        static BOOL CALLBACK Each(HWND child, LPARAM out)
        {
            const std::string text = Text(child);
            if (!text.empty())
                *reinterpret_cast<std::string*>(out) += " [" + text + "]";
            return TRUE;
        }
    };
    std::string report;
    for (HWND window : TopWindows(pid)) {
        report += ClassOf(window) + " \"" + Text(window) + "\"";
        EnumChildWindows(window, &Texts::Each, reinterpret_cast<LPARAM>(&report));
        report += "\n";
    }
    return report;
}

// --- Screenshots ------------------------------------------------------------

// Saves what the screen shows of the window as
// build/test-artifacts/<folder>/<name>.png; false when it could not.
inline bool Screenshot(HWND window, const std::string& folder, const std::string& name)
{
    char program[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string artifacts(program, n);
    artifacts = artifacts.substr(0, artifacts.find_last_of("\\/")) + "\\..\\test-artifacts";
    CreateDirectoryA(artifacts.c_str(), nullptr);
    CreateDirectoryA((artifacts + "\\" + folder).c_str(), nullptr);
    // Wine puts drawing on the screen when the drawing thread waits.
    Sleep(150);
    return SaveWindowPng(window, (folder + "\\" + name).c_str());
}

} // namespace gui
} // namespace kytest
