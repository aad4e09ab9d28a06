// Helpers of the shell-object edit and path list tests: a host dialog that
// records what its children tell it, scratch files and shortcuts, files
// dropped as Explorer drops them, a scripted folder browser and file dialog,
// and a walk through popup menus and their submenus by keys.
#pragma once

#include "KyGui/Shell/Browse.h"
#include "KyStd/Shell/ShellFolders.h"
#include "TestApp.h"
#include "common/TempFolder.h"

#include <afxwin.h>
#include <dlgs.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace ShellObjTest {

using Strings = std::vector<std::string>;

inline std::string Text(HWND window)
{
    const int length = ::GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    ::GetWindowTextA(window, &text[0], length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

// The edit's selection as [start, end).
inline std::pair<int, int> Selection(HWND edit)
{
    DWORD start = 0, end = 0;
    ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

inline std::string SelectedText(HWND edit)
{
    const std::pair<int, int> sel = Selection(edit);
    return Text(edit).substr(static_cast<size_t>(sel.first),
                             static_cast<size_t>(sel.second - sel.first));
}

// A shown, modeless dialog without controls of its own; the tests put their
// controls into it and read what the controls tell it.
class HostDialog : public CDialog {
public:
    struct Note {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    HostDialog()
    {
        const DWORD style = DS_SETFONT | WS_POPUP | WS_VISIBLE;
        const WORD kWidth = 320, kHeight = 200, kPoints = 8;
        PutDword(style);
        PutDword(0);
        for (WORD w : {WORD(0), WORD(0), WORD(0), kWidth, kHeight, WORD(0), WORD(0)})
            m_template.push_back(w);
        PutText("Host");
        m_template.push_back(kPoints);
        PutText("MS Shell Dlg");
        CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()), nullptr);
    }
    ~HostDialog() override
    {
        if (m_hWnd != nullptr)
            DestroyWindow();
    }

    // A child edit (or edit-like control) of the given style, in the dialog's font.
    bool AddEdit(CEdit& edit, DWORD style, const CRect& rect, UINT id)
    {
        const DWORD base = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
        if (!edit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", base | style, rect, this, id))
            return false;
        edit.SetFont(GetFont());
        return true;
    }

    std::vector<Note> m_notes;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_APP + 0x97 && message <= WM_APP + 0x9C)
            m_notes.push_back({message, wParam, lParam});
        return CDialog::WindowProc(message, wParam, lParam);
    }

private:
    void PutDword(DWORD v)
    {
        m_template.push_back(LOWORD(v));
        m_template.push_back(HIWORD(v));
    }
    void PutText(const char* s)
    {
        for (; *s; ++s)
            m_template.push_back(static_cast<WORD>(*s));
        m_template.push_back(0);
    }

    std::vector<WORD> m_template;
};

// A scratch folder of files and folders, removed with everything in it.
class Scratch {
public:
    Scratch() : m_root(kytest::NewFolder(kytest::TempFolder(), "kyshobj")) {}
    ~Scratch() { kytest::RemoveTree(m_root); }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    // The path of a name inside (no trailing backslash for "").
    std::string Path(const std::string& name = "") const
    {
        return name.empty() ? m_root.substr(0, m_root.size() - 1) : m_root + name;
    }
    std::string File(const std::string& name) const
    {
        const std::string path = Path(name);
        HANDLE h =
            ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ::CloseHandle(h);
        return path;
    }
    std::string Folder(const std::string& name) const
    {
        const std::string path = Path(name);
        ::CreateDirectoryA(path.c_str(), nullptr);
        return path;
    }
    // A shortcut (.lnk) to the target, made by the shell's link object.
    std::string Shortcut(const std::string& name, const std::string& target) const
    {
        ::OleInitialize(nullptr);
        const std::string path = Path(name);
        IShellLinkA* link = nullptr;
        if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkA, reinterpret_cast<void**>(&link))))
            return path;
        link->SetPath(target.c_str());
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            std::wstring wide(path.begin(), path.end());
            file->Save(wide.c_str(), TRUE);
            file->Release();
        }
        link->Release();
        return path;
    }

private:
    std::string m_root;
};

// Sends the window the files as Explorer drops them: WM_DROPFILES with a
// DROPFILES block of ANSI names, which the receiver finishes (frees).
inline void DropFiles(HWND target, const Strings& paths)
{
    size_t bytes = sizeof(DROPFILES) + 1;
    for (const std::string& path : paths)
        bytes += path.size() + 1;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    auto* header = static_cast<DROPFILES*>(::GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = FALSE;
    char* names = reinterpret_cast<char*>(header + 1);
    for (const std::string& path : paths) {
        std::memcpy(names, path.c_str(), path.size() + 1);
        names += path.size() + 1;
    }
    ::GlobalUnlock(block);
    ::SendMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);
}

// The folder browser while the object lives: answers with the given folder
// (empty: Cancel) and records the folder it was asked to start at.
class FolderBrowserScript {
public:
    explicit FolderBrowserScript(const std::string& answer)
        : m_old(Kyvant::Shell::SetBrowseForFolderFunction(&Browse))
    {
        ::OleInitialize(nullptr);
        State() = {answer, "", 0};
    }
    ~FolderBrowserScript() { Kyvant::Shell::SetBrowseForFolderFunction(m_old); }
    FolderBrowserScript(const FolderBrowserScript&) = delete;
    FolderBrowserScript& operator=(const FolderBrowserScript&) = delete;

    std::string StartedAt() const { return State().startedAt; }
    int Calls() const { return State().calls; }

private:
    struct Script {
        std::string answer;
        std::string startedAt;
        int calls;
    };
    static Script& State()
    {
        static Script script;
        return script;
    }
    static LPITEMIDLIST WINAPI Browse(LPBROWSEINFOA info)
    {
        Script& script = State();
        ++script.calls;
        const char* start = reinterpret_cast<const char*>(info->lParam);
        script.startedAt = start != nullptr ? start : "";
        if (script.answer.empty())
            return nullptr;
        return Kyvant::Shell::GetPidl(Kyvant::Shell::GetDesktopFolder(), script.answer.c_str());
    }

    Kyvant::Shell::BrowseForFolderFunction m_old;
};

// Answers the next file dialog: types the names and presses Open, or
// presses Cancel; the dialog's title is kept for the test.
inline void AnswerNextFileDialog(const std::string& names, bool ok, std::string* title = nullptr)
{
    OnNextModalIdle([names, ok, title](CWnd* hook) {
        HWND dialog = ::GetParent(hook->m_hWnd);
        if (title != nullptr)
            *title = Text(dialog);
        if (ok)
            for (int id : {cmb13, edt1})
                if (::GetDlgItem(dialog, id) != nullptr)
                    ::SetDlgItemTextA(dialog, id, names.c_str());
        const int button = ok ? IDOK : IDCANCEL;
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
    });
}

// What one open popup menu showed.
struct MenuShown {
    Strings items;             // "-" for a separator
    std::vector<bool> enabled; // separators count as disabled
    RECT rect = {};
};

// One step of a menu walk: when `depth` menus are open, the newest one is
// read and the keys are sent to it.
struct MenuStep {
    int depth;
    std::vector<UINT> keys;
};

namespace Detail {

struct Walk {
    std::vector<MenuStep> steps;
    size_t next = 0;
    int polls = 0;
    std::vector<MenuShown> shown;
    const char* snapshot = nullptr;
};

inline Walk& CurrentWalk()
{
    static Walk walk;
    return walk;
}

// Menus of this process only: a program of an earlier test that is still
// closing may show one of its own.
inline BOOL CALLBACK CollectMenuWindow(HWND window, LPARAM result)
{
    char name[16] = "";
    ::GetClassNameA(window, name, sizeof name);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process == ::GetCurrentProcessId() && ::IsWindowVisible(window) &&
        lstrcmpA(name, "#32768") == 0)
        reinterpret_cast<std::vector<HWND>*>(result)->push_back(window);
    return TRUE;
}

inline MenuShown Read(HWND popup)
{
    const UINT kGetMenuHandle = 0x01E1; // MN_GETHMENU
    MenuShown shown;
    ::GetWindowRect(popup, &shown.rect);
    HMENU menu = reinterpret_cast<HMENU>(::SendMessageA(popup, kGetMenuHandle, 0, 0));
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        char text[256] = "";
        UINT state = ::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        if ((state & MF_POPUP) != 0)
            state &= 0xFF; // the high byte counts the submenu's items

        ::GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        shown.items.push_back((state & MF_SEPARATOR) ? "-" : text);
        shown.enabled.push_back((state & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR)) == 0);
    }
    return shown;
}

inline void CALLBACK Poll(HWND, UINT, UINT_PTR timer, DWORD)
{
    const int kMaxPolls = 150;
    Walk& walk = CurrentWalk();
    std::vector<HWND> open;
    ::EnumWindows(&CollectMenuWindow, reinterpret_cast<LPARAM>(&open));
    if (walk.next >= walk.steps.size() || ++walk.polls > kMaxPolls) {
        // Ended whether or not a menu was seen, so a menu that never showed
        // as expected cannot leave the test waiting in its tracking loop.
        ::KillTimer(nullptr, timer);
        ::EndMenu();
        return;
    }
    const MenuStep& step = walk.steps[walk.next];
    if (static_cast<int>(open.size()) != step.depth)
        return;
    HWND newest = open.front(); // the topmost: the submenu opened last
    walk.shown.push_back(Read(newest));
    if (walk.snapshot != nullptr && walk.next + 1 == walk.steps.size()) {
        ::RedrawWindow(newest, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        ::Sleep(60);
        SaveWindowPng(::GetDesktopWindow(), walk.snapshot);
    }
    for (UINT key : step.keys)
        ::PostMessageA(newest, WM_KEYDOWN, key, 0);
    ++walk.next;
    walk.polls = 0;
}

} // namespace Detail

// Runs open(), which tracks a popup menu, through the steps; gives what each
// step saw (fewer entries when a step's menu never showed). The commands the
// menu sends are handled before it returns. With a snapshot name the screen
// is saved when the last step's menu shows.
template <class F>
std::vector<MenuShown> WalkMenu(F open, std::vector<MenuStep> steps, const char* snapshot = nullptr)
{
    const UINT kPollMs = 20;
    // The mouse is moved out of the way: a menu that opens under it starts
    // with the item under it highlighted, and the steps count from the top.
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    Detail::CurrentWalk() = Detail::Walk();
    Detail::CurrentWalk().steps = std::move(steps);
    Detail::CurrentWalk().snapshot = snapshot;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, kPollMs, &Detail::Poll);
    open();
    ::KillTimer(nullptr, timer);
    PumpPending();
    return Detail::CurrentWalk().shown;
}

// Keys of a menu walk: `n` times Down.
inline std::vector<UINT> Downs(int n, std::vector<UINT> then = {})
{
    std::vector<UINT> keys(static_cast<size_t>(n), VK_DOWN);
    keys.insert(keys.end(), then.begin(), then.end());
    return keys;
}

} // namespace ShellObjTest
