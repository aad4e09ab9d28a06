// Writing KyDir's list file.
#include "ListFile.h"

#include "KyStd/Core/Errors.h"
#include "KyStd/Files/MoveReplacing.h"

#include <windows.h>

#include <stdexcept>

namespace Kyvant {
namespace StandIn {

namespace {

const char kTempPrefix[] = "kyd";

[[noreturn]] void Fail(const char* what, const std::string& path)
{
    throw std::runtime_error(std::string(what) + " " + path + ": " +
                             os_error(GetLastError()).what());
}

void WriteAll(HANDLE file, const std::string& text)
{
    DWORD written = 0;
    if (!text.empty() &&
        (!::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
         written != text.size()))
        throw std::runtime_error("short write");
}

std::string FolderOf(const std::string& path)
{
    const std::size_t cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? "." : path.substr(0, cut + 1);
}

void Overwrite(const std::string& path, const std::string& text)
{
    char temp[MAX_PATH];
    if (!GetTempFileNameA(FolderOf(path).c_str(), kTempPrefix, 0, temp))
        Fail("Could not create a temporary file for", path);
    HANDLE file = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    bool ok = file != INVALID_HANDLE_VALUE;
    if (ok) {
        try {
            WriteAll(file, text);
        } catch (const std::runtime_error&) {
            ok = false;
        }
        ok = CloseHandle(file) && ok;
    }
    if (!ok || !MoveReplacing(ky_F(temp), ky_F(path.c_str()))) {
        const DWORD error = GetLastError();
        DeleteFileA(temp);
        SetLastError(error);
        Fail("Could not write the list file", path);
    }
}

void Append(const std::string& path, const std::string& text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        Fail("Could not open the list file", path);
    bool ok = SetFilePointer(file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER;
    try {
        if (ok)
            WriteAll(file, text);
    } catch (const std::runtime_error&) {
        ok = false;
    }
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (!ok) {
        SetLastError(error);
        Fail("Could not append to the list file", path);
    }
}

} // namespace

void WriteListFile(const std::string& path, ListFileMode mode, const std::string& text)
{
    if (mode == ListFileMode::Append)
        Append(path, text);
    else
        Overwrite(path, text);
}

} // namespace StandIn
} // namespace Kyvant
