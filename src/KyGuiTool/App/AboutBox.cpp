// The About box: the application's name and the program's file version.
#include "KyGuiTool/App/AboutBox.h"

#include "KyGuiTool/App/AppResource.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

#include <cstdio>
#include <cstring>

namespace Kyvant {

namespace {

const DWORD kFixedFileInfoSignature = 0xFEEF04BD;

// "a.b.c.d" from the fixed part of the program's version resource; empty
// when it has none.
CString ProgramVersion()
{
    HINSTANCE program = AfxGetInstanceHandle();
    HRSRC found = ::FindResourceA(program, MAKEINTRESOURCEA(VS_VERSION_INFO), RT_VERSION);
    HGLOBAL loaded = found ? ::LoadResource(program, found) : nullptr;
    const BYTE* data = loaded ? static_cast<const BYTE*>(::LockResource(loaded)) : nullptr;
    if (!data)
        return CString();
    const DWORD size = ::SizeofResource(program, found);
    for (DWORD at = 0; at + sizeof(VS_FIXEDFILEINFO) <= size; at += sizeof(DWORD)) {
        VS_FIXEDFILEINFO info;
        std::memcpy(&info, data + at, sizeof info);
        if (info.dwSignature != kFixedFileInfoSignature)
            continue;
        char text[64];
        std::snprintf(text, sizeof text, "%lu.%lu.%lu.%lu",
                      static_cast<unsigned long>(HIWORD(info.dwFileVersionMS)),
                      static_cast<unsigned long>(LOWORD(info.dwFileVersionMS)),
                      static_cast<unsigned long>(HIWORD(info.dwFileVersionLS)),
                      static_cast<unsigned long>(LOWORD(info.dwFileVersionLS)));
        return CString(text);
    }
    return CString();
}

} // namespace

void ShowAboutBox()
{
    const ky_S format = ky_S().LoadStringA(KyGuiToolModule(), IDS_KY_ABOUT_TEXT);
    const char* name = AfxGetAppName();
    CString text;
    const CString version = ProgramVersion();
    LPCSTR parts[] = {name ? name : "", version};
    AfxFormatStrings(text, format.c_str(), parts, 2);
    AfxMessageBox(text, MB_OK | MB_ICONINFORMATION);
}

} // namespace Kyvant
