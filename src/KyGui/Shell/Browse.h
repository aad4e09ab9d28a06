// Kyvant::Shell pickers: computers and folders through the folder browser, files through KyFileDialog.
#pragma once

#include "KyGui/KyGuiExport.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>
#include <shlobj.h>

namespace Kyvant {
namespace Shell {

// The folder browser the pickers call, replaceable so tests can script it.
using BrowseForFolderFunction = LPITEMIDLIST(WINAPI*)(LPBROWSEINFOA info);
KYGUI_API BrowseForFolderFunction SetBrowseForFolderFunction(BrowseForFolderFunction f);

// Each returns true with the choice in the output, or false leaving it untouched.
KYGUI_API bool BrowseComputer(ky_BSB<char>& name, HWND owner, const char* title, UINT flags);
KYGUI_API bool BrowseFolder(ky_BSB<char>& path, HWND owner, const char* title, const char* initialFolder,
                            UINT flags);
KYGUI_API bool BrowseFile(bool open, ky_BSB<char>& path, const char* filter, const char* initialDir,
                          const char* fileName, const char* defaultExtension, DWORD flags, const char* title,
                          CWnd* parent);

// The folder browser's callback of BrowseFolder (lParam: the initial folder or null).
KYGUI_API int CALLBACK BrowseFolderCallback(HWND browser, UINT message, LPARAM lParam, LPARAM data);

// Whether the text names an existing folder.
KYGUI_API bool IsExistingFolder(const char* path);

} // namespace Shell
} // namespace Kyvant
