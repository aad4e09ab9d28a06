// What a result list asks of the shell for its rows' files: deleting
// (to the recycle bin or not) and renaming through SHFileOperation, the
// rule for a new file name, and the properties of several files.
// Header-only, so that every front-end's list view can use it.
#pragma once

#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyGuiTool/ResultList/ResultListResource.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"
#include "KyStd/Win32/OsVersion.h"

#include <windows.h>
#include <objidl.h>
#include <shellapi.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace Kyvant {
namespace FileOps {

// The characters no file name may hold.
const char kBadNameChars[] = ":/\\<>|*?\"";

inline bool HasBadNameChar(const char* name)
{
    return std::strpbrk(name, kBadNameChars) != nullptr;
}

// The refusal of a new name: the library's text, then the characters.
inline std::runtime_error BadNameError()
{
    ky_S text;
    text.LoadStringA(KyGuiToolModule(), IDS_KY_BAD_FILENAME_CHARS);
    text += kBadNameChars;
    return std::runtime_error(text.c_str());
}

// Names each followed by a NUL, then one more NUL, as SHFileOperation reads them.
inline std::string NulSeparated(const std::vector<ky_F>& paths)
{
    std::string list;
    for (const ky_F& path : paths) {
        list.append(path.c_str(), path.length());
        list += '\0';
    }
    list += '\0';
    return list;
}

// True when the shell did the whole operation: no error, nothing aborted.
inline bool RunFileOperation(HWND owner, UINT operation, const std::string& from,
                             const std::string* to, FILEOP_FLAGS flags)
{
    SHFILEOPSTRUCTA op = {};
    op.hwnd = owner;
    op.wFunc = operation;
    op.pFrom = from.c_str();
    op.pTo = to != nullptr ? to->c_str() : nullptr;
    op.fFlags = flags;
    const int result = ::SHFileOperationA(&op);
    return result == 0 && !op.fAnyOperationsAborted;
}

// Deletes the files, to the recycle bin when allowUndo is set.
inline bool DeleteFiles(HWND owner, const std::vector<ky_F>& paths, bool allowUndo)
{
    return RunFileOperation(owner, FO_DELETE, NulSeparated(paths), nullptr,
                            allowUndo ? FOF_ALLOWUNDO : 0);
}

inline bool RenameFile(HWND owner, const ky_F& from, const ky_F& to)
{
    const std::string target = NulSeparated({to});
    return RunFileOperation(owner, FO_RENAME, NulSeparated({from}), &target, FOF_ALLOWUNDO);
}

// The shell's own properties of several files (Windows XP and later, when
// the shell exports it): false when it is not there or failed.
inline bool ShowShellMultiFileProperties(IDataObject* data)
{
    if (!OsVersion::AtLeastXP())
        return false;
    using Function = HRESULT(WINAPI*)(IDataObject*, DWORD);
    const HMODULE shell = ::GetModuleHandleA("shell32.dll");
    const Function function = shell != nullptr
                                  ? reinterpret_cast<Function>(reinterpret_cast<void*>(
                                        ::GetProcAddress(shell, "SHMultiFileProperties")))
                                  : nullptr;
    return function != nullptr && SUCCEEDED(function(data, 0));
}

// The extension with its dot; empty for none or a lone dot.
inline ky_F ExtensionOf(const ky_F& name)
{
    ky_F extension(name);
    extension.ToExtension();
    return extension.length() > 1 ? extension : ky_F();
}

} // namespace FileOps
} // namespace Kyvant
