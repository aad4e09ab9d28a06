// The system's file operations behind FileOps: attributes, temporary files, links, copies, moves.
#include "KyReplace/Console/Files/FileOps.h"
#include "KyStd/Core/Errors.h"

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
    bool MakeTempFile(const ky_F& beside, ky_F& name) override
    {
        try {
            ky_F temp(beside);
            temp.ToTempFileName(true);
            name = temp;
            return true;
        } catch (const os_error& e) {
            SetLastError(e.code());
            return false;
        }
    }
    bool HardLink(const ky_F& existing, const ky_F& link) override
    {
        return CreateHardLinkA(link.c_str(), existing.c_str(), nullptr) != 0;
    }
    bool Copy(const ky_F& from, const ky_F& to, bool overwrite) override
    {
        return CopyFileA(from.c_str(), to.c_str(), overwrite ? FALSE : TRUE) != 0;
    }
    bool MoveReplace(const ky_F& from, const ky_F& to) override
    {
        return MoveFileExA(from.c_str(), to.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
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
