// Loading the shell's icon overlays once (on NT) by asking for a temporary shortcut's overlay.
#include "KyStd/Shell/IconOverlay.h"

#include "KyStd/Core/CritSec.h"
#include "KyStd/Shell/ItemIdList.h"
#include "KyStd/Shell/ShellFolders.h"
#include "KyStd/Win32/OsVersion.h"

#include <cstdio>
#include <memory>

namespace Kyvant {
namespace Shell {

namespace {

// Deletes the temporary file when the attempt ends, however it ends.
class TempFile {
public:
    explicit TempFile(const char* path) : path_(path) {}
    ~TempFile() { DeleteFileA(path_); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

private:
    const char* path_;
};

struct Release {
    void operator()(IUnknown* p) const { p->Release(); }
};

// Creates the first free "kyf3w8u<n>.lnk" (n from 0 to 999) in the temporary
// folder; false when there is none.
bool CreateShortcutFile(char (&folder)[MAX_PATH], char (&name)[MAX_PATH])
{
    DWORD n = GetTempPathA(MAX_PATH, folder);
    if (n == 0 || n >= MAX_PATH)
        return false;
    for (int i = 0; i < 1000; ++i) {
        char path[2 * MAX_PATH];
        std::snprintf(name, MAX_PATH, "kyf3w8u%d.lnk", i);
        std::snprintf(path, sizeof path, "%s%s", folder, name);
        HANDLE h = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                               nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            CloseHandle(h);
            return true;
        }
    }
    return false;
}

void LoadOverlays()
{
    char folder[MAX_PATH];
    char name[MAX_PATH];
    if (!CreateShortcutFile(folder, name))
        return;
    char path[2 * MAX_PATH];
    std::snprintf(path, sizeof path, "%s%s", folder, name);
    TempFile file(path);

    std::unique_ptr<IShellFolder, Release> shellFolder(GetFolder(folder));
    std::unique_ptr<ITEMIDLIST, MallocDeleter> item(GetPidl(shellFolder.get(), name));
    IShellIconOverlay* overlay = nullptr;
    if (SUCCEEDED(shellFolder->QueryInterface(IID_IShellIconOverlay,
                                              reinterpret_cast<void**>(&overlay))) &&
        overlay) {
        int index = 0;
        overlay->GetOverlayIndex(item.get(), &index); // loading is the point, not the index
        overlay->Release();
    }
}

} // namespace

void AddIconOverlayToSystemImageListKludge(bool* isNT4)
{
    static Win32::CritSec lock;
    static bool done = false;
    static bool nt4 = false;

    Win32::CritSecLock hold(lock);
    if (!done) {
        done = true; // once, even when the attempt fails
        const OSVERSIONINFOA& v = OsVersion::Info();
        if (v.dwPlatformId == VER_PLATFORM_WIN32_NT) {
            nt4 = v.dwMajorVersion == 4;
            LoadOverlays();
        }
    }
    if (isNT4)
        *isNT4 = nt4;
}

} // namespace Shell
} // namespace Kyvant
