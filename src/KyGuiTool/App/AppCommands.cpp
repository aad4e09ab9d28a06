// The commands every front-end's application chains to: the Indexing Service
// message, the home page, the About box and the main help topic.
#include "KyGuiTool/App/KyGuiApp.h"

#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGuiTool/App/AppResource.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Shell/ShellLaunch.h"

#include <cstdio>
#include <cstring>

using namespace Kyvant;

BEGIN_MESSAGE_MAP(KyGuiApp, CWinApp)
    ON_COMMAND(ID_KY_INDEXING_SERVICE_MESSAGE, OnDisplayIndexingServiceMessage)
    ON_UPDATE_COMMAND_UI(ID_KY_INDEXING_SERVICE_MESSAGE, OnUpdateIndexingServiceMessage)
    ON_COMMAND(ID_KY_HELP_WEB, OnHelpWeb)
    ON_COMMAND(ID_KY_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_KY_HELP_MAIN, CWinApp::OnHelp)
END_MESSAGE_MAP()

namespace {

const char kHomePage[] = "http://www.kyvant.com/";
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

void KyGuiApp::OnHelpWeb()
{
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.hwnd = AfxGetMainWnd()->GetSafeHwnd();
    info.lpVerb = "open";
    info.lpFile = kHomePage;
    info.nShow = SW_SHOWNORMAL;
    if (!Shell::RunShellExecute(info))
        throw MfcStdException::Create(os_error());
}

void KyGuiApp::OnAppAbout()
{
    const ky_S format = ky_S().LoadStringA(KyGuiToolModule(), IDS_KY_ABOUT_TEXT);
    CString text;
    const CString version = ProgramVersion();
    LPCSTR parts[] = {m_pszAppName ? m_pszAppName : "", version};
    AfxFormatStrings(text, format.c_str(), parts, 2);
    AfxMessageBox(text, MB_OK | MB_ICONINFORMATION);
}
