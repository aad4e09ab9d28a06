// What the KyFindG end-to-end cases share: the fixture folder of real files
// they write, the Explorer hand-off that gives the task dialog that folder,
// KyFindG started as a user starts it, its task dialog answered, its frame
// and panes found, and screenshots under build/test-artifacts/KyFindG_e2e/.
#pragma once

#include "common/GuiDriver.h"
#include "common/ProgramFolder.h"
#include "common/TempFolder.h"
#include "common/WholeFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace findge2e {

const char kArtifacts[] = "KyFindG_e2e";
const char kAppKey[] = "Software\\Kyvant\\Tools\\KyFindG";
const char kFrameTitle[] = "KyFindG";
const char kDialogTitle[] = "Find Task";
const int kPatternId = 1000;
const int kFileListPane = 0xE900;
const int kStatusBarId = 0xE801;
const DWORD kStartMs = 30000;
// What the interactive program ends with, however its window was closed;
// only the program started by the console finder ends with 0.
const DWORD kInteractiveExitCode = 1;
// How long a start may take at most: the first start in a new prefix on a
// loaded machine is slow, and the waits end as soon as the program does.
const DWORD kStartLimitMs = 120000;
// The path page's question when the Explorer hand-off has grown old (a
// slow start): the selection is still the one handed over.
const kytest::gui::StartQuestion kStaleHandOff{"so much time has passed", IDYES};

// Writes the fixture: text with CR LF and with LF line ends, a binary file
// and a subfolder; returns the folder with its trailing backslash.
inline std::string WriteFixture(bool withBinary = true)
{
    const std::string folder = kytest::NewFolder(kytest::ScratchBase(), "kyfindg_e2e");
    kytest::WriteFile(folder + "crlf.txt", "first alpha line\r\nno match\r\nalpha and alpha\r\n");
    kytest::WriteFile(folder + "lf.txt", "nothing here\nthe alpha line\n");
    kytest::WriteFile(folder + "none.txt", "no hits at all\n");
    if (withBinary)
        kytest::WriteFile(folder + "data.bin", std::string("\x00\x01alpha\x00\xff", 9));
    CreateDirectoryA((folder + "sub").c_str(), nullptr);
    kytest::WriteFile(folder + "sub\\deep.txt", "deep alpha\n");
    return folder;
}

// The paths the next task dialog's path-plan page takes, as the shell
// extension hands them over.
inline void HandOverPaths(const std::vector<std::string>& paths)
{
    const std::string file = kytest::TempFolder() + "kyfindg_e2e_paths.txt";
    std::string text;
    for (const std::string& path : paths)
        text += path + "\n";
    kytest::WriteFile(file, text);
    HKEY key = nullptr;
    const std::string keyPath = std::string(kAppKey) + "\\ShellExArgs";
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &key, nullptr));
    RegSetValueExA(key, "PathsFile", 0, REG_SZ, reinterpret_cast<const BYTE*>(file.c_str()),
                   static_cast<DWORD>(file.size() + 1));
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    RegSetValueExA(key, "TimeLo", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&now.dwLowDateTime),
                   sizeof(DWORD));
    RegSetValueExA(key, "TimeHi", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&now.dwHighDateTime),
                   sizeof(DWORD));
    RegCloseKey(key);
}

inline std::string ProgramPath(const char* name)
{
    return kytest::ProgramFolder() + name;
}

// The arguments the Shift+OK viewer of the task dialog shows (one a line),
// the program's name left out.
inline std::vector<std::string> ViewerArguments(HWND viewer)
{
    const int kArgumentsId = 24016;
    std::vector<std::string> args;
    std::string line;
    for (char c : kytest::gui::Text(kytest::gui::Control(viewer, kArgumentsId)) + "\n") {
        if (c == '\r')
            continue;
        if (c != '\n') {
            line += c;
            continue;
        }
        if (!line.empty())
            args.push_back(line);
        line.clear();
    }
    if (!args.empty() && args[0].size() > 4 &&
        _stricmp(args[0].c_str() + args[0].size() - 4, ".exe") == 0)
        args.erase(args.begin());
    return args;
}

// Answers the task dialog with the pattern: Shift+OK shows the arguments,
// which are read and confirmed. Empty when something did not appear.
inline std::vector<std::string> AcceptTaskDialog(DWORD pid, HWND dialog, const std::string& pattern)
{
    using namespace kytest::gui;
    SetText(Control(dialog, kPatternId), pattern);
    HWND ok = GetDlgItem(dialog, IDOK);
    if (!PressWithShift(dialog, ok ? ok : Control(dialog, IDOK)))
        return {};
    // The viewer shows while the dialog waits for it (disabled), or the
    // dialog went without it.
    HWND viewer = nullptr;
    WaitFor(
        [&] {
            for (HWND window : TopWindows(pid))
                if (window != dialog && ClassOf(window) == "#32770" && Control(window, 24016))
                    viewer = window;
            return viewer != nullptr || !IsWindow(dialog) || !IsWindowVisible(dialog);
        },
        kStartMs);
    if (!viewer)
        return {};
    Screenshot(viewer, kArtifacts, "01b-arguments");
    const std::vector<std::string> args = ViewerArguments(viewer);
    Click(Control(viewer, IDOK));
    return args;
}

// The frame's file list: the splitter's first pane.
inline HWND FileList(HWND frame)
{
    HWND splitter = kytest::gui::Control(frame, kFileListPane);
    return splitter ? kytest::gui::Control(splitter, kFileListPane) : nullptr;
}

inline HWND StatusBar(HWND frame)
{
    return kytest::gui::Control(frame, kStatusBarId);
}

inline HWND ToolBar(HWND frame)
{
    return kytest::gui::ChildOfClass(frame, "ToolbarWindow32");
}

inline bool ButtonEnabled(HWND frame, int id)
{
    return kytest::gui::Send(ToolBar(frame), TB_ISBUTTONENABLED, id, 0) != 0;
}

// KyFindG started with the fixture handed to its first task dialog, which
// is answered with the pattern; the frame once it shows.
struct Session {
    kytest::gui::Program program;
    HWND frame = nullptr;
    std::vector<std::string> args;

    bool Start(const std::string& pattern, const std::vector<std::string>& env = {})
    {
        using namespace kytest::gui;
        if (!program.Start(ProgramPath("KyFindG.exe"), {}, env))
            return false;
        HWND dialog =
            WaitForStartWindow(program, "#32770", kDialogTitle, kStartLimitMs, {kStaleHandOff});
        if (!dialog) {
            ADD_FAILURE() << "no task dialog: " << DescribeWindows(program.Pid());
            return false;
        }
        args = AcceptTaskDialog(program.Pid(), dialog, pattern);
        frame = WaitForStartWindow(program, nullptr, kFrameTitle, kStartLimitMs);
        if (!frame)
            ADD_FAILURE() << "no frame after the task dialog (arguments "
                          << (args.empty() ? "not " : "")
                          << "seen): " << DescribeWindows(program.Pid());
        return frame != nullptr;
    }
    // Waits for the task's end: the status pane reads "Ready".
    bool Idle(DWORD timeoutMs = kStartMs)
    {
        return kytest::gui::WaitFor(
            [&] { return kytest::gui::StatusText(StatusBar(frame), 0) == "Ready"; }, timeoutMs);
    }
    void Close() { PostMessageA(frame, WM_CLOSE, 0, 0); }
};

// Per file (its full name), the hits of the finder's result lines: a line
// "::N" starts a hit of N lines, any other line is a hit of its own.
inline std::map<std::string, int> HitsOfResultLines(const std::string& out)
{
    std::map<std::string, int> hits;
    int groupLines = 0, skipLines = 0;
    size_t start = 0;
    while (start < out.size()) {
        size_t end = out.find('\n', start);
        if (end == std::string::npos)
            end = out.size();
        const std::string line = out.substr(start, end - start);
        start = end + 1;
        if (line.compare(0, 2, "::") == 0) {
            groupLines = std::atoi(line.c_str() + 2);
            continue;
        }
        const size_t paren = line.find('(');
        if (paren == std::string::npos)
            continue;
        const std::string file = line.substr(0, paren);
        if (skipLines > 0) {
            --skipLines; // the rest of a group counts with its first line
            continue;
        }
        ++hits[file];
        if (groupLines > 0)
            skipLines = groupLines - 1;
        groupLines = 0;
    }
    return hits;
}

} // namespace findge2e
