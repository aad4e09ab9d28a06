// KyBaseDialog's OK and Cancel: the argument vector of the settings, its
// command line, the write into the hand-off block with its size check, and
// the command-line viewer of Shift+OK.
#include "KyGuiTool/Settings/KyBaseDialog.h"

#include "KyConTool/App/ConGuiHandoff.h"
#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyGuiTool/Settings/KyCommandLineViewerDlg.h"
#include "KyGuiTool/Settings/SettingsResource.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Registry/RegValues.h"
#include "KyStd/Strings/CommandLine.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

using namespace Kyvant;
using Kyvant::ToolDoc::FileSearchSettings;
using Kyvant::ToolDoc::ToolSettings;

namespace {

using Argv = std::vector<ky_BSB<char>>;

const char kLineEnd[] = "\r\n";

ky_S CommandLineOf(const Argv& argv)
{
    ky_S line;
    for (const ky_BSB<char>& arg : argv) {
        if (!line.empty())
            line += ' ';
        line += CommandLine::QuoteArg(arg.c_str(), arg.size(), false);
    }
    return line;
}

// What the strings take in the block: each with its NUL, then one more NUL.
unsigned long BytesNeeded(const Argv& argv)
{
    unsigned long bytes = 1;
    for (const ky_BSB<char>& arg : argv)
        bytes += arg.size() + 1;
    return bytes;
}

// Past the room the strings have, the user is told what it would take and
// the operation ends without a further message.
void CheckRoom(unsigned long total, unsigned long needed, unsigned long room)
{
    if (total <= room)
        return;
    CString text;
    text.Format(ky_S().LoadStringA(KyGuiToolModule(), IDS_KY_COMMAND_LINE_TOO_LONG).c_str(), needed,
                room);
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    AfxThrowUserException();
}

} // namespace

Argv KyBaseDialog::GetArgv()
{
    Argv argv{m_consoleProgram};
    const back_insert_sequencer<Argv> sink(argv, false);
    if (m_tool && Includes(ToolSettings))
        m_tool->UpdateArgv(sink);
    if (m_fileSearch && Includes(FileSearchSettings))
        m_fileSearch->UpdateArgv(sink);
    return argv;
}

ky_S KyBaseDialog::GetCommandLine()
{
    return CommandLineOf(GetArgv());
}

// The count first, then the strings one by one, each only when it fits:
// what was written before a string that does not fit stays (the console
// tool reads the block only when it is told to run).
void KyBaseDialog::WriteHandoff(const Argv& argv)
{
    char* block = static_cast<char*>(m_handoff.GetBegin());
    const unsigned long stringsOffset = offsetof(ToolHandoffBlock, args);
    const unsigned long room =
        std::min<unsigned long>(m_handoff.GetSize(), ToolHandoffBlock::kSize) - stringsOffset;
    const unsigned long needed = BytesNeeded(argv);
    const DWORD argc = static_cast<DWORD>(argv.size());
    std::memcpy(block + offsetof(ToolHandoffBlock, argc), &argc, sizeof argc);
    char* strings = block + stringsOffset;
    unsigned long used = 0;
    for (const ky_BSB<char>& arg : argv) {
        CheckRoom(used + arg.size() + 1, needed, room);
        std::memcpy(strings + used, arg.c_str(), arg.size() + 1);
        used += arg.size() + 1;
    }
    CheckRoom(used + 1, needed, room);
    strings[used] = '\0';
}

bool KyBaseDialog::ConfirmInViewer(const Argv& argv)
{
    ky_S arguments;
    for (const ky_BSB<char>& arg : argv) {
        arguments += arg;
        arguments += kLineEnd;
    }
    KyCommandLineViewerDlg viewer(arguments, CommandLineOf(argv), this);
    return viewer.DoModal() == IDOK;
}

void KyBaseDialog::AcceptSettings(bool showViewer)
{
    if (!UpdateData(TRUE) || !AllowOK())
        return;
    if (DocIsFile() && !DocQuerySave(true, false))
        return;
    const Argv argv = GetArgv();
    WriteHandoff(argv);
    if (showViewer && !ConfirmInViewer(argv))
        return;
    SaveState();
    WriteRegistryString(m_appKey.get(), kLastFileValue, m_fileName);
    for (SubDialogBridge* bridge : {m_tool.get(), m_fileSearch.get()}) {
        if (bridge != nullptr && bridge->GetAppBridge())
            bridge->GetAppBridge()->OnOK();
    }
    EndDialog(IDOK);
}

// Shift is read before anything else can change it.
void KyBaseDialog::OnOK()
{
    const bool shift = ::GetKeyState(VK_SHIFT) < 0;
    try {
        AcceptSettings(shift);
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    }
}

void KyBaseDialog::OnCancel()
{
    try {
        if (AllowCancel() && DocQuerySave(true, true))
            EndDialog(IDCANCEL);
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    }
}
