// The Explorer hand-off: the selection written to a temporary file, named with a time stamp under
// the tool's key.
#include "KyShellX/ShellExt.h"

#include "KyShellX/Prompt.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Registry/RegValues.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

namespace {

const UINT kDropCount = 0xFFFFFFFF;
const char kSaveFailed[] = "An error occurred while saving the file list:\n\n";

// The temporary file while it is written: closed and deleted unless kept.
class TempFile {
public:
    explicit TempFile(const Kyvant::ky_F& name) : name_(name), file_(std::fopen(name.c_str(), "wb"))
    {
        if (!file_) {
            DeleteFileA(name_.c_str());
            throw std::runtime_error("Failed to create tempfile");
        }
    }
    ~TempFile()
    {
        if (file_) {
            std::fclose(file_);
            DeleteFileA(name_.c_str());
        }
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    FILE* get() const { return file_; }
    // Closes the file, deleting it when it could not be written whole.
    void Finish()
    {
        const bool failed = std::ferror(file_) != 0;
        FILE* file = file_;
        file_ = nullptr;
        if ((std::fclose(file) != 0) | failed) {
            DeleteFileA(name_.c_str());
            throw std::runtime_error("Error writing tempfile");
        }
    }

private:
    Kyvant::ky_F name_;
    FILE* file_;
};

Kyvant::ky_F NewTempFileName()
{
    Kyvant::ky_F name;
    try {
        name.ToTempFileName();
    } catch (const std::exception&) {
        throw std::runtime_error("Failed to create tempfile");
    }
    return name;
}

// The dropped name at index; a folder gets a trailing backslash.
Kyvant::ky_F DroppedName(HDROP drop, UINT index)
{
    const UINT length = DragQueryFileA(drop, index, nullptr, 0);
    std::vector<char> buffer(length + 1, '\0');
    if (DragQueryFileA(drop, index, buffer.data(), length + 1) != length)
        throw Kyvant::os_error();
    Kyvant::ky_F name(buffer.data(), length);
    if (name.IsDirectory())
        name.DirSepTerminateIfNotPathCharTerminated('\\');
    return name;
}

// The file and the time stamp under the tool's hand-off key.
void WriteHandOffValues(const Kyvant::ky_S& keyName, const Kyvant::ky_F& fileName)
{
    Kyvant::RegKey key(HKEY_CURRENT_USER, keyName.c_str());
    Kyvant::WriteRegistryString(key.get(), "PathsFile", fileName);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    Kyvant::WriteRegistryDWORD(key.get(), "TimeLo", now.dwLowDateTime);
    Kyvant::WriteRegistryDWORD(key.get(), "TimeHi", now.dwHighDateTime);
}

} // namespace

void CShellExt::WriteSelection(const Kyvant::ky_F& fileName, HDROP drop, UINT count)
{
    TempFile file(fileName);
    for (UINT i = 0; i < count; ++i) {
        const Kyvant::ky_F name = DroppedName(drop, i);
        std::fwrite(name.c_str(), 1, name.length(), file.get());
        std::fputc('\n', file.get());
    }
    file.Finish();
}

HRESULT CShellExt::WriteShellExArgs(const Kyvant::ky_S& keyName)
{
    if (!held_)
        return E_FAIL;
    HRESULT result = E_FAIL;
    HDROP drop = static_cast<HDROP>(medium_.hGlobal);
    const UINT count = DragQueryFileA(drop, kDropCount, nullptr, 0);
    if (count > 0) {
        try {
            const Kyvant::ky_F fileName = NewTempFileName();
            WriteSelection(fileName, drop, count);
            try {
                WriteHandOffValues(keyName, fileName);
            } catch (...) {
                // No tool will ever read the file: it goes.
                DeleteFileA(fileName.c_str());
                throw;
            }
            result = S_OK;
        } catch (const std::exception& e) {
            KyShellX::Warn(std::string(kSaveFailed) + e.what());
        }
    }
    ReleaseSelection();
    return result;
}
