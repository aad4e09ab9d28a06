// Kyvant::Shell pickers: BrowseComputer, BrowseFolder with its callback, and BrowseFile.
#include "KyGui/Shell/Browse.h"

#include "KyGui/Shell/KyFileDialog.h"
#include "KyStd/Shell/ComError.h"
#include "KyStd/Shell/ItemIdList.h"
#include "KyStd/Shell/ShellFolders.h"

#include <exception>

namespace Kyvant {
namespace Shell {

namespace {

BrowseForFolderFunction& BrowseFunction()
{
    static BrowseForFolderFunction f = ::SHBrowseForFolderA;
    return f;
}

void FreePidl(LPITEMIDLIST pidl)
{
    if (pidl != nullptr)
        GetShellMalloc()->Free(pidl);
}

bool PathOf(LPCITEMIDLIST pidl, char (&path)[MAX_PATH])
{
    path[0] = '\0';
    return pidl != nullptr && ::SHGetPathFromIDListA(pidl, path) && path[0] != '\0';
}

void SelectInitialFolder(HWND browser, const char* folder)
{
    if (!IsExistingFolder(folder))
        return;
    LPITEMIDLIST pidl = GetPidl(GetDesktopFolder(), folder, browser);
    ::SendMessageA(browser, BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(pidl));
    FreePidl(pidl);
}

void EnableOkForFileSystemItems(HWND browser, LPCITEMIDLIST pidl)
{
    char path[MAX_PATH];
    ::SendMessageA(browser, BFFM_ENABLEOK, 0, PathOf(pidl, path) ? TRUE : FALSE);
}

} // namespace

BrowseForFolderFunction SetBrowseForFolderFunction(BrowseForFolderFunction f)
{
    BrowseForFolderFunction old = BrowseFunction();
    BrowseFunction() = f != nullptr ? f : ::SHBrowseForFolderA;
    return old;
}

bool IsExistingFolder(const char* path)
{
    if (path == nullptr || path[0] == '\0')
        return false;
    const DWORD attributes = ::GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

int CALLBACK BrowseFolderCallback(HWND browser, UINT message, LPARAM lParam, LPARAM data)
{
    try {
        if (message == BFFM_INITIALIZED)
            SelectInitialFolder(browser, reinterpret_cast<const char*>(data));
        else if (message == BFFM_SELCHANGED)
            EnableOkForFileSystemItems(browser, reinterpret_cast<LPCITEMIDLIST>(lParam));
    } catch (CException* e) {
        e->Delete();
    } catch (const std::exception&) {
    } catch (const _com_error&) {
    }
    return 0;
}

bool BrowseComputer(ky_BSB<char>& name, HWND owner, const char* title, UINT flags)
{
    LPITEMIDLIST root = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(owner, CSIDL_NETWORK, &root)))
        root = nullptr;
    char display[MAX_PATH] = {};
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pidlRoot = root;
    info.pszDisplayName = display;
    info.lpszTitle = title;
    info.ulFlags = flags;
    LPITEMIDLIST chosen = BrowseFunction()(&info);
    FreePidl(root);
    if (chosen == nullptr)
        return false;
    FreePidl(chosen);
    name.assign(display);
    return true;
}

bool BrowseFolder(ky_BSB<char>& path, HWND owner, const char* title, const char* initialFolder, UINT flags)
{
    char display[MAX_PATH] = {};
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pszDisplayName = display;
    info.lpszTitle = title;
    info.ulFlags = flags;
    info.lpfn = BrowseFolderCallback;
    info.lParam = reinterpret_cast<LPARAM>(initialFolder);
    LPITEMIDLIST chosen = BrowseFunction()(&info);
    if (chosen == nullptr)
        return false;
    char chosenPath[MAX_PATH];
    const bool found = PathOf(chosen, chosenPath);
    FreePidl(chosen);
    if (!found)
        return false;
    path.assign(chosenPath);
    return true;
}

bool BrowseFile(bool open, ky_BSB<char>& path, const char* filter, const char* initialDir, const char* fileName,
                const char* defaultExtension, DWORD flags, const char* title, CWnd* parent)
{
    KyFileDialog dialog(open ? TRUE : FALSE, defaultExtension, fileName, flags, filter, parent);
    if (IsExistingFolder(initialDir))
        dialog.m_ofn.lpstrInitialDir = initialDir;
    dialog.m_ofn.lpstrTitle = title;
    if (dialog.DoModal() != IDOK)
        return false;
    path.assign(static_cast<LPCSTR>(dialog.GetPathName()));
    return true;
}

} // namespace Shell
} // namespace Kyvant
