// A program that shows the Advanced Filters sheet under whatever Windows
// version it is told it runs on, and prints what it shows: the version, then
// the active page and each tab's caption. Its arguments are advanced-filter
// texts ("Iqwords") that the shown filters hold.
#include "KyConTool/Filters/AdvancedFilters.h"
#include "KyGuiTool/AdvancedFilters/AdvancedFiltersPropertySheet.h"
#include "KyGuiTool/AdvancedFilters/AdvancedFiltersResource.h"

#include <afxwin.h>

#include <string>

namespace {

void Print(const std::string& line)
{
    const std::string text = line + "\n";
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()),
                &written, nullptr);
}

// Prints what the sheet shows once it is up, then cancels it.
void ShowAndCancel(CWnd* window)
{
    CPropertySheet* sheet = DYNAMIC_DOWNCAST(CPropertySheet, window);
    if (sheet == nullptr)
        return;
    Print("active " + std::to_string(sheet->GetActiveIndex()));
    CTabCtrl* tabs = sheet->GetTabControl();
    for (int i = 0; i < tabs->GetItemCount(); ++i)
        Print("tab " + std::string(static_cast<LPCSTR>(tabs->GetItemText(i))));
    sheet->PressButton(PSBTN_CANCEL);
}

class ProbeApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        OSVERSIONINFOA version = {};
        version.dwOSVersionInfoSize = sizeof version;
        ::GetVersionExA(&version);
        Print("version " + std::to_string(version.dwPlatformId) + " " +
              std::to_string(version.dwMajorVersion) + "." +
              std::to_string(version.dwMinorVersion));
        Kyvant::AdvancedFiltration::Filters filters;
        try {
            for (int i = 1; i < __argc; ++i)
                filters.Parse(Kyvant::ky_I(__argv[i]));
        } catch (const std::exception& e) {
            Print(std::string("bad filter: ") + e.what());
            return FALSE;
        }
        AdvancedFiltersPropertySheet sheet(filters, IDS_KY_ADVANCED_FILTERS);
        AfxSetModalIdleHook(&ShowAndCancel);
        Print("result " + std::to_string(sheet.DoModal()));
        return FALSE;
    }
};

ProbeApp theApp;

} // namespace
