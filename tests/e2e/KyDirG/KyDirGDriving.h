// What the KyDirG end-to-end cases share: the fixture tree of real files
// with known sizes, times and attributes, the Explorer hand-off that gives
// the task dialog that tree, KyDirG started as a user starts it, its Dir
// Task dialog answered, its frame, list and status bar found, and
// screenshots under build/test-artifacts/KyDirG_e2e/.
#pragma once

#include "common/GuiDriver.h"
#include "common/ProgramFolder.h"
#include "common/TempFolder.h"
#include "common/WholeFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dirge2e {

const char kArtifacts[] = "KyDirG_e2e";
const char kAppKey[] = "Software\\Kyvant\\Tools\\KyDirG";
const char kDialogTitle[] = "Dir Task";
const int kIncludeFoldersId = 1004;
const int kListFileId = 1000;
const int kUseIndexingServiceId = 1021;
const int kCountPane = 2;
const DWORD kStartMs = 30000;
// How long a start may take at most: the first start in a new prefix on a
// loaded machine is slow, and the waits end as soon as the program does.
const DWORD kStartLimitMs = 120000;
// The path page's question when the Explorer hand-off has grown old (a
// slow start): the selection is still the one handed over.
const kytest::gui::StartQuestion kStaleHandOff{"so much time has passed", IDYES};

// Frame commands.
const int kNewCommand = 57600;
const int kStopCommand = 32776;
const int kFindInResultsCommand = 32784;
const int kSaveAsCommand = 32797;

// The fixture's files: name below the tree, size, the size as listed
// (kilobytes rounded up, grouped) and attributes; every file and folder
// gets kFixtureTime as its modified time.
struct FixtureFile {
    const char* name;
    size_t size;
    const char* sizeText;
    DWORD attributes;
};
const FixtureFile kFixtureFiles[] = {
    {"alpha.txt", 3, "1 KB", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE},
    {"big.dat", 1300000, "1,270 KB", FILE_ATTRIBUTE_ARCHIVE},
    {"zeta.log", 2048, "2 KB", FILE_ATTRIBUTE_ARCHIVE},
    {"sub\\inner.txt", 1025, "2 KB", FILE_ATTRIBUTE_ARCHIVE},
};
const char kFixtureFolder[] = "sub";
// 4 March 2021, 05:06 UTC.
const SYSTEMTIME kFixtureTime = {2021, 3, 4, 4, 5, 6, 0, 0};

inline FILETIME FixtureFileTime()
{
    FILETIME time{};
    SystemTimeToFileTime(&kFixtureTime, &time);
    return time;
}

// Sets the modified time of a file or folder.
inline void SetModified(const std::string& path, const FILETIME& time)
{
    HANDLE handle = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return;
    SetFileTime(handle, nullptr, nullptr, &time);
    CloseHandle(handle);
}

// Writes the fixture tree; returns its folder with the trailing backslash.
inline std::string WriteFixture()
{
    const std::string folder = kytest::NewFolder(kytest::ScratchBase(), "kydirg_e2e");
    CreateDirectoryA((folder + kFixtureFolder).c_str(), nullptr);
    const FILETIME time = FixtureFileTime();
    for (const FixtureFile& file : kFixtureFiles) {
        const std::string path = folder + file.name;
        kytest::WriteFile(path, std::string(file.size, 'k'));
        SetModified(path, time);
        SetFileAttributesA(path.c_str(), file.attributes);
    }
    SetModified(folder + kFixtureFolder, time);
    return folder;
}

// The paths the next task dialog's path-plan page takes, as the shell
// extension hands them over.
inline void HandOverPaths(const std::vector<std::string>& paths)
{
    const std::string file = kytest::TempFolder() + "kydirg_e2e_paths.txt";
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

// The Dir page's check box (the page lies over the path-plan pages, so its
// controls come first among the dialog's descendants).
inline void SetCheck(HWND dialog, int id, bool checked)
{
    HWND box = kytest::gui::Control(dialog, id);
    if (box && (kytest::gui::Send(box, BM_GETCHECK, 0, 0) == BST_CHECKED) != checked)
        kytest::gui::Send(box, BM_CLICK, 0, 0);
}

// The program's frame: its shown top-level window with a status bar; null
// when the program ends first or the time passes.
inline HWND WaitForFrame(const kytest::gui::Program& program, DWORD timeoutMs = kStartLimitMs)
{
    using namespace kytest::gui;
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND window : TopWindows(program.Pid()))
                if (ClassOf(window) != "#32770" && ChildOfClass(window, "msctls_statusbar32"))
                    found = window;
            return found != nullptr || !program.Running();
        },
        timeoutMs);
    return found;
}

inline HWND ListOf(HWND frame)
{
    return kytest::gui::ChildOfClass(frame, "SysListView32");
}

inline HWND StatusOf(HWND frame)
{
    return kytest::gui::ChildOfClass(frame, "msctls_statusbar32");
}

// KyDirG started with the fixture handed to its first task dialog, which
// is accepted with folders included; the frame once it shows.
struct Session {
    kytest::gui::Program program;
    HWND dialog = nullptr;
    HWND frame = nullptr;
    HWND list = nullptr;
    HWND status = nullptr;

    bool ShowDialog(const std::vector<std::string>& env = {})
    {
        using namespace kytest::gui;
        if (!program.Start(ProgramPath("KyDirG.exe"), {}, env))
            return false;
        dialog =
            WaitForStartWindow(program, "#32770", kDialogTitle, kStartLimitMs, {kStaleHandOff});
        if (!dialog)
            ADD_FAILURE() << "no task dialog: " << DescribeWindows(program.Pid());
        return dialog != nullptr;
    }
    // The dialog keeps the last task's settings between runs: each case
    // sets the list file (none by default) and the Dir page's Indexing
    // Service choice (off) itself.
    bool Accept(const std::string& listFile = "")
    {
        using namespace kytest::gui;
        SetCheck(dialog, kUseIndexingServiceId, false);
        SetText(Control(dialog, kListFileId), listFile);
        SetCheck(dialog, kIncludeFoldersId, true);
        // The dialog's own OK (a page below may hold a control of id 1).
        Activate(dialog);
        Click(GetDlgItem(dialog, IDOK));
        frame = WaitForFrame(program);
        if (!frame) {
            ADD_FAILURE() << "no frame after the task dialog: " << DescribeWindows(program.Pid());
            return false;
        }
        list = ListOf(frame);
        status = StatusOf(frame);
        return list && status;
    }
    bool Start(const std::vector<std::string>& env = {}) { return ShowDialog(env) && Accept(); }
    // Waits for the task's end: the status pane reads "Ready".
    bool Idle(DWORD timeoutMs = kStartMs)
    {
        return kytest::gui::WaitFor([&] { return kytest::gui::StatusText(status, 0) == "Ready"; },
                                    timeoutMs);
    }
    bool Listed(int rows)
    {
        return kytest::gui::WaitFor(
            [&] { return kytest::gui::ListRowCount(list) == rows && Idle(0); }, kStartMs);
    }
    void Close() { PostMessageA(frame, WM_CLOSE, 0, 0); }
};

// The rows of the fixture as listed: the fixture's files and its folder.
const int kFixtureRows = sizeof kFixtureFiles / sizeof kFixtureFiles[0] + 1;

} // namespace dirge2e
