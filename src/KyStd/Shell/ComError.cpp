// The COM support functions KyStd exports: BSTR conversions and raising an error with its info.
#include "KyStd/Shell/ComError.h"

#include <new>

// Narrow text in the ANSI code page to a new BSTR; null stays null. Failure
// raises E_OUTOFMEMORY (or the conversion's error) as `_com_error`.
__declspec(dllexport) BSTR WINAPI _com_util::ConvertStringToBSTR(const char* src)
{
    if (!src)
        return nullptr;
    int n = MultiByteToWideChar(CP_ACP, 0, src, -1, nullptr, 0);
    if (n <= 0)
        _com_issue_error(HRESULT_FROM_WIN32(GetLastError()));
    BSTR out = SysAllocStringLen(nullptr, static_cast<UINT>(n - 1));
    if (!out)
        _com_issue_error(E_OUTOFMEMORY);
    if (MultiByteToWideChar(CP_ACP, 0, src, -1, out, n) == 0) {
        HRESULT hr = HRESULT_FROM_WIN32(GetLastError());
        SysFreeString(out);
        _com_issue_error(hr);
    }
    return out;
}

// A BSTR (which may hold NULs) to narrow text in the ANSI code page,
// allocated with new[] as `_bstr_t` frees it; null stays null.
__declspec(dllexport) char* WINAPI _com_util::ConvertBSTRToString(BSTR src)
{
    if (!src)
        return nullptr;
    int length = static_cast<int>(SysStringLen(src));
    int n =
        length == 0 ? 0 : WideCharToMultiByte(CP_ACP, 0, src, length, nullptr, 0, nullptr, nullptr);
    if (length != 0 && n <= 0)
        _com_issue_error(HRESULT_FROM_WIN32(GetLastError()));
    char* out = new (std::nothrow) char[static_cast<unsigned>(n) + 1];
    if (!out)
        _com_issue_error(E_OUTOFMEMORY);
    if (n != 0 && WideCharToMultiByte(CP_ACP, 0, src, length, out, n, nullptr, nullptr) == 0) {
        HRESULT hr = HRESULT_FROM_WIN32(GetLastError());
        delete[] out;
        _com_issue_error(hr);
    }
    out[n] = '\0';
    return out;
}

// Raises hr with the error information that the object left for interface
// iid, when the object says it supports error information for it.
__declspec(dllexport) void WINAPI _com_issue_errorex(HRESULT hr, IUnknown* object, REFIID iid)
{
    IErrorInfo* info = nullptr;
    if (object) {
        ISupportErrorInfo* support = nullptr;
        if (SUCCEEDED(object->QueryInterface(IID_ISupportErrorInfo,
                                             reinterpret_cast<void**>(&support))) &&
            support) {
            if (support->InterfaceSupportsErrorInfo(iid) == S_OK) {
                if (GetErrorInfo(0, &info) != S_OK)
                    info = nullptr;
            }
            support->Release();
        }
    }
    // The exception takes over the reference that GetErrorInfo gave.
    _com_raise_error(hr, info);
}
