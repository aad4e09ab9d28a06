// Helpers shared by the COM, shell and file-change tests.
#pragma once

#include <comdef.h>
#include <shellapi.h>
#include <windows.h>

#include <memory>
#include <string>

namespace ShellTest {

// The HRESULT that f raises as `_com_error`, or S_OK when it raises nothing.
template <class F>
HRESULT RaisedBy(F f)
{
    try {
        f();
    } catch (const _com_error& e) {
        return e.Error();
    }
    return S_OK;
}

struct ComRelease {
    void operator()(IUnknown* p) const { p->Release(); }
};
template <class I>
using ComPtr = std::unique_ptr<I, ComRelease>;

inline std::string TempPath(const std::string& name)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    return temp + name;
}

inline void WriteFileText(const std::string& path, const char* text)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, text, static_cast<DWORD>(strlen(text)), &written, nullptr);
    CloseHandle(h);
}

// A new folder under the temporary folder, removed with its contents.
class TempFolder {
public:
    explicit TempFolder(const std::string& name)
        : path_(TempPath(name + "-" + std::to_string(GetCurrentProcessId())))
    {
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TempFolder()
    {
        std::string from = path_ + '\0'; // the list ends in a second NUL
        SHFILEOPSTRUCTA op = {};
        op.wFunc = FO_DELETE;
        op.pFrom = from.c_str();
        op.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
        SHFileOperationA(&op);
    }
    const std::string& path() const { return path_; }
    // Creates the sub-folder and gives its path.
    std::string Sub(const std::string& name) const
    {
        std::string p = path_ + "\\" + name;
        CreateDirectoryA(p.c_str(), nullptr);
        return p;
    }

private:
    std::string path_;
};

} // namespace ShellTest
