// Paths asked of the system: full, short, temporary, current, system,
// Windows and module paths, temporary file names and path searches. Each
// works on a copy and changes the string only when the call succeeded.
#include "KyStd/Core/Errors.h"
#include "KyStd/Core/SystemText.h"
#include "KyStd/Files/FileName.h"

namespace Kyvant {

namespace {

DWORD CallFullPath(void* context, char* buffer, DWORD size)
{
    char* filePart = nullptr;
    return GetFullPathNameA(static_cast<const char*>(context), size, buffer, &filePart);
}

DWORD CallShortPath(void* context, char* buffer, DWORD size)
{
    return GetShortPathNameA(static_cast<const char*>(context), buffer, size);
}

DWORD CallTempPath(void*, char* buffer, DWORD size)
{
    return GetTempPathA(size, buffer);
}

DWORD CallCurrentDirectory(void*, char* buffer, DWORD size)
{
    return GetCurrentDirectoryA(size, buffer);
}

DWORD CallSystemDirectory(void*, char* buffer, DWORD size)
{
    return GetSystemDirectoryA(buffer, size);
}

DWORD CallWindowsDirectory(void*, char* buffer, DWORD size)
{
    return GetWindowsDirectoryA(buffer, size);
}

DWORD CallModuleFileName(void* context, char* buffer, DWORD size)
{
    return GetModuleFileNameA(static_cast<HINSTANCE>(context), buffer, size);
}

struct SearchRequest {
    const char* path;
    const char* name;
};

DWORD CallSearchPath(void* context, char* buffer, DWORD size)
{
    const SearchRequest* r = static_cast<const SearchRequest*>(context);
    char* filePart = nullptr;
    return ::SearchPathA(r->path, r->name, nullptr, size, buffer, &filePart);
}

bool EndsInSep(const ky_F& f)
{
    return !f.empty() && IsDirSep(f[f.length() - 1]);
}

} // namespace

ky_F& ky_F::ToFullPath()
{
    ky_F source(*this);
    if (source.empty())
        source.ToCurrentDirectory();
    ky_F full;
    GetSystemText(CallFullPath, const_cast<char*>(source.c_str()), full);
    // A name given as a folder stays one.
    if (EndsInSep(source) && !EndsInSep(full))
        full.append(1, '\\');
    assign(full);
    return *this;
}

ky_F& ky_F::ToShortPath()
{
    ky_F source(*this);
    GetSystemText(CallShortPath, const_cast<char*>(source.c_str()), *this);
    return *this;
}

bool ky_F::ToShortPath(ky_F& out) const
{
    ky_F source(*this);
    DWORD error = 0;
    return GetSystemText(CallShortPath, const_cast<char*>(source.c_str()), out, error);
}

ky_F& ky_F::ToTempPath()
{
    GetSystemText(CallTempPath, nullptr, *this);
    return *this;
}

ky_F& ky_F::ToCurrentDirectory()
{
    GetSystemText(CallCurrentDirectory, nullptr, *this);
    return *this;
}

ky_F& ky_F::ToSystemDirectory()
{
    GetSystemText(CallSystemDirectory, nullptr, *this);
    return *this;
}

ky_F& ky_F::ToWindowsDirectory()
{
    GetSystemText(CallWindowsDirectory, nullptr, *this);
    return *this;
}

ky_F& ky_F::ToModuleFileName(HINSTANCE module)
{
    GetSystemText(CallModuleFileName, module, *this);
    return *this;
}

ky_F& ky_F::ToModuleDirectory(HINSTANCE module, bool stripSep)
{
    ToModuleFileName(module);
    return ToPathPart(stripSep);
}

ky_F& ky_F::ToTempFileName(bool folderOfFile)
{
    ky_F folder(*this);
    if (folder.empty()) {
        folder.ToTempPath();
    } else {
        folder.ToFullPath();
        if (folderOfFile)
            folder.ToPathPart(false);
    }
    if (!folder.empty() && folder[folder.length() - 1] == '/')
        folder[folder.length() - 1] = '\\';
    folder.DirSepTerminateIfNotPathCharTerminated('\\');
    char name[MAX_PATH];
    if (GetTempFileNameA(folder.c_str(), "kyf", 0, name) == 0)
        throw os_error();
    assign(name);
    return *this;
}

bool ky_F::SearchPathA(const char* searchPath, const char* name)
{
    ky_F source(*this);
    SearchRequest request = {searchPath, name ? name : source.c_str()};
    DWORD error = 0;
    return GetSystemText(CallSearchPath, &request, *this, error);
}

} // namespace Kyvant
