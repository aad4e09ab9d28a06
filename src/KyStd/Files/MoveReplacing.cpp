// A replacing move: MoveFileExA where it works, else renames that never
// leave the target's name empty without its bytes under another name.
#include "KyStd/Files/MoveReplacing.h"

#include "KyStd/Files/RenameAside.h"
#include "KyStd/Win32/NewerFunctions.h"

#include <windows.h>

namespace Kyvant {

namespace {

bool MoveByRenames(const ky_F& from, const ky_F& to)
{
    ky_F aside;
    if (!RenameAside(to, aside)) {
        if (GetLastError() != ERROR_FILE_NOT_FOUND)
            return false;
        return MoveFileA(from.c_str(), to.c_str()) != 0;
    }
    if (!MoveFileA(from.c_str(), to.c_str())) {
        const DWORD error = GetLastError();
        MoveFileA(aside.c_str(), to.c_str());
        SetLastError(error);
        return false;
    }
    DeleteFileA(aside.c_str());
    return true;
}

} // namespace

bool MoveReplacing(const ky_F& from, const ky_F& to)
{
    const auto moveFileEx = Win32::Newer().moveFileEx;
    if (moveFileEx) {
        if (moveFileEx(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING))
            return true;
        if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED)
            return false;
    }
    return MoveByRenames(from, to);
}

} // namespace Kyvant
