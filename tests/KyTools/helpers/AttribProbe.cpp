// A program that shows the Attrib page under whatever Windows version it is
// told it runs on, and prints what the page shows: the version, each row that
// depends on it, and the arguments after a task file asked to compress.
// Its one argument is the settings key under HKEY_CURRENT_USER.
#include "KyGuiTool/TaskFiles/ToolDocRecords.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyTools/Attrib/AttribResource.h"
#include "KyTools/Attrib/KyAttribGSubDialogPage.h"

#include <afxwin.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const int kCompressedRecord = 1004;
const unsigned char kSetState[4] = {0, 0, 0, 0};

void Print(const std::string& line)
{
    const std::string text = line + "\n";
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()),
                &written, nullptr);
}

// "enabled" or "disabled" for the label and the three buttons together, then
// the index of the checked button.
std::string Row(CWnd& page, int label, int firstRadio)
{
    int enabled = page.GetDlgItem(label)->IsWindowEnabled() ? 1 : 0;
    int checked = -1;
    for (int i = 0; i < 3; ++i) {
        enabled += page.GetDlgItem(firstRadio + i)->IsWindowEnabled() ? 1 : 0;
        if (page.IsDlgButtonChecked(firstRadio + i) == BST_CHECKED)
            checked = i;
    }
    const char* state = enabled == 4 ? "enabled" : enabled == 0 ? "disabled" : "mixed";
    return std::string(state) + " " + std::to_string(checked);
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

        if (__argc < 2)
            return FALSE;
        const Kyvant::RegKey key(HKEY_CURRENT_USER, __argv[1]);
        CWnd parent;
        parent.CreateEx(0, AfxRegisterWndClass(0), "Attrib probe", WS_POPUP, 0, 0, 600, 300,
                        nullptr, nullptr);
        KyAttribGSubDialogPage page(Kyvant::rc_ptr<Kyvant::AppBridge>(), key);
        if (!page.CreateGUI(parent, CRect())) {
            Print("no page");
            return FALSE;
        }
        Print("Compressed " +
              Row(page, IDC_KY_ATTRIB_COMPRESSED_LABEL, IDC_KY_ATTRIB_COMPRESSED_SET));
        Print("Encrypted " + Row(page, IDC_KY_ATTRIB_ENCRYPTED_LABEL, IDC_KY_ATTRIB_ENCRYPTED_SET));
        Print("NotContentIndexed " +
              Row(page, IDC_KY_ATTRIB_NOT_INDEXED_LABEL, IDC_KY_ATTRIB_NOT_INDEXED_SET));

        Kyvant::ToolDoc::RecHeader header = {kCompressedRecord, sizeof kSetState};
        unsigned char payload[sizeof kSetState];
        std::copy(kSetState, kSetState + sizeof kSetState, payload);
        page.DocProcessRecord(header, payload);
        page.UpdateData(FALSE);
        page.UpdateData(TRUE);
        std::vector<Kyvant::ky_BSB<char>> args;
        page.UpdateArgv(Kyvant::back_insert_sequencer<std::vector<Kyvant::ky_BSB<char>>>(args));
        std::string line = "argv";
        for (const auto& arg : args)
            line += std::string(" ") + arg.c_str();
        Print(line);
        page.DestroyWindow();
        parent.DestroyWindow();
        return FALSE;
    }
};

ProbeApp theApp;

} // namespace
