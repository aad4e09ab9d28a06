// Attributes, find data and sizes of the file a name refers to.
#include "KyStd/Core/Errors.h"
#include "KyStd/Files/FileName.h"

namespace Kyvant {

bool ky_F::GetAttributes(DWORD& out) const
{
    DWORD a = GetFileAttributesA(c_str());
    if (a == INVALID_FILE_ATTRIBUTES)
        return false;
    out = a;
    return true;
}

DWORD ky_F::GetAttributes() const
{
    DWORD a = GetFileAttributesA(c_str());
    if (a == INVALID_FILE_ATTRIBUTES)
        throw os_error();
    return a;
}

void ky_F::SetAttributes(DWORD attributes) const
{
    if (!SetFileAttributesA(c_str(), attributes))
        throw os_error();
}

bool ky_F::SetAttributes(const std::nothrow_t&, DWORD attributes) const
{
    return SetFileAttributesA(c_str(), attributes) != FALSE;
}

bool ky_F::Exists() const
{
    DWORD a;
    return GetAttributes(a);
}

bool ky_F::IsFile() const
{
    DWORD a;
    return GetAttributes(a) && (a & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool ky_F::IsDirectory() const
{
    DWORD a;
    return GetAttributes(a) && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool ky_F::GetInfo(const std::nothrow_t&, WIN32_FIND_DATAA& out) const
{
    HANDLE h = FindFirstFileA(c_str(), &out);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    FindClose(h);
    return true;
}

FileInfo& ky_F::GetInfo(FileInfo& out) const
{
    if (!GetInfo(std::nothrow, out))
        throw os_error();
    return out;
}

bool ky_F::GetSize(unsigned& out) const
{
    FileInfo info;
    if (!GetInfo(std::nothrow, info) || info.IsDirectory())
        return false;
    out = info.GetSize();
    return true;
}

bool ky_F::GetSize(unsigned long long& out) const
{
    FileInfo info;
    if (!GetInfo(std::nothrow, info) || info.IsDirectory())
        return false;
    out = info.GetSize64();
    return true;
}

namespace {

// The find data of a file (not a folder); os_error otherwise.
FileInfo FileInfoOf(const ky_F& name)
{
    FileInfo info;
    name.GetInfo(info);
    if (info.IsDirectory())
        throw os_error(ERROR_FILE_NOT_FOUND);
    return info;
}

} // namespace

unsigned ky_F::GetSize() const
{
    return FileInfoOf(*this).GetSize();
}

unsigned long long ky_F::GetSize64() const
{
    return FileInfoOf(*this).GetSize64();
}

} // namespace Kyvant
