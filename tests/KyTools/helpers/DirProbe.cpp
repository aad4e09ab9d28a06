// A program that shows the Dir page under whatever Windows version it is
// told it runs on, prints what the page shows (the version, then the lines
// of DirPageReport.h) and saves the page's state as OK does. Its arguments
// are the settings key under HKEY_CURRENT_USER and, optionally, the name of
// a picture of the page to save.
#include "Dir/DirPageReport.h"

#include "KyStd/Registry/RegKey.h"
#include "common/WindowPng.h"

#include <afxwin.h>

#include <string>

namespace {

const int kUseIndexingServiceRecord = 2005;

void Print(const std::string& line)
{
    const std::string text = line + "\n";
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()),
                &written, nullptr);
}

class ProbeApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        OSVERSIONINFOA version = {};
        version.dwOSVersionInfoSize = sizeof version;
        ::GetVersionExA(&version);
        Print("version " + std::to_string(version.dwMajorVersion) + "." +
              std::to_string(version.dwMinorVersion));
        if (__argc < 2)
            return FALSE;
        const Kyvant::RegKey key(HKEY_CURRENT_USER, __argv[1]);
        CWnd parent;
        parent.CreateEx(0, AfxRegisterWndClass(0, nullptr, ::GetSysColorBrush(COLOR_BTNFACE)),
                        "Dir probe", WS_POPUP | WS_BORDER, 0, 0, 560, 200, nullptr, nullptr);
        KyDirGSubDialogPage page(Kyvant::rc_ptr<Kyvant::AppBridge>(), key);
        if (!page.CreateGUI(parent, CRect())) {
            Print("no page");
            return FALSE;
        }
        for (const std::string& line : dirpage::Describe(page))
            Print(line);
        if (__argc > 2) {
            page.ShowWindow(SW_SHOW);
            parent.ShowWindow(SW_SHOWNOACTIVATE);
            parent.UpdateWindow();
            kytest::SaveWindowPng(parent.m_hWnd, __argv[2]);
        }
        page.SaveState();
        // A task file of a system with the service.
        Kyvant::ToolDoc::RecHeader header = {kUseIndexingServiceRecord, 1};
        char on = 1;
        page.DocProcessRecord(header, &on);
        page.UpdateData(FALSE);
        Print("task file " + dirpage::Arguments(page));
        Print("task file " + dirpage::Records(page));
        page.DestroyWindow();
        parent.DestroyWindow();
        return FALSE;
    }
};

ProbeApp theApp;

} // namespace
