// The system's file operations behind FileOps: attributes, temporary files, links, copies, moves.
#include "KyReplace/Console/Files/FileOps.h"
#include "KyStd/Files/RenameAside.h"
#include "KyStd/Win32/NewerFunctions.h"
#include "KyStd/Win32/OsVersion.h"

namespace Kyvant {

namespace {

class SystemOps : public FileOps {
public:
    bool GetAttributes(const ky_F& file, DWORD& attributes) override
    {
        return file.GetAttributes(attributes);
    }
    bool SetAttributes(const ky_F& file, DWORD attributes) override
    {
        return SetFileAttributesA(file.c_str(), attributes) != 0;
    }
    bool Rename(const ky_F& from, const ky_F& to) override
    {
        return MoveFileA(from.c_str(), to.c_str()) != 0;
    }
    bool MoveReplace(const ky_F& from, const ky_F& to) override
    {
        const auto moveFileEx = Win32::Newer().moveFileEx;
        if (!moveFileEx) {
            SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
            return false;
        }
        return moveFileEx(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    }
    bool HeldWithoutDeleteShare(const ky_F& file) override
    {
        const HANDLE handle = CreateFileA(file.c_str(), DELETE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, 0, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return GetLastError() == ERROR_SHARING_VIOLATION;
        CloseHandle(handle);
        return false;
    }
    bool HasOneStepReplace() override
    {
        return Win32::Newer().moveFileEx && OsVersion::Info().dwPlatformId == VER_PLATFORM_WIN32_NT;
    }
    bool Link(const ky_F& from, const ky_F& to) override
    {
        const auto createHardLink = Win32::Newer().createHardLink;
        if (!createHardLink) {
            SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
            return false;
        }
        return createHardLink(to.c_str(), from.c_str(), nullptr) != 0;
    }
    bool Copy(const ky_F& from, const ky_F& to) override
    {
        const BOOL failIfExists = TRUE;
        return CopyFileA(from.c_str(), to.c_str(), failIfExists) != 0;
    }
    bool RenameAside(const ky_F& file, ky_F& aside) override
    {
        return Kyvant::RenameAside(file, aside);
    }
    bool Delete(const ky_F& file) override { return DeleteFileA(file.c_str()) != 0; }
};

} // namespace

FileOps& SystemFileOps()
{
    static SystemOps ops;
    return ops;
}

} // namespace Kyvant
