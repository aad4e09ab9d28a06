// Running a chosen menu entry: finding its tool and handing the selection over.
#include "KyShellX/ShellExt.h"

namespace {

const char kToolsKeyPrefix[] = "Software\\Kyvant\\Tools\\";
const char kHandOffSubkey[] = "\\ShellExArgs";
const char kConsoleKeySuffix[] = "G";

// The entry at the position in the list as read; null past its end.
const Kyvant::ky_S* EntryAt(Kyvant::RegSeqReader<Kyvant::ky_S>& reader, unsigned position)
{
    const Kyvant::ky_S* entry = reader.GetFirst();
    for (unsigned i = 0; entry && i < position; ++i)
        entry = reader.GetNext();
    return entry;
}

// The key that carries the hand-off to the row's tool.
Kyvant::ky_S HandOffKey(const KyShellX::ShellTool& row)
{
    Kyvant::ky_F title(row.program);
    title.ToTitlePart();
    Kyvant::ky_S key(kToolsKeyPrefix);
    key.append(title.c_str(), title.length());
    if (row.console)
        key.append(kConsoleKeySuffix, 1);
    key.append(kHandOffSubkey, sizeof kHandOffSubkey - 1);
    return key;
}

} // namespace

// The menu ids are positions in the list that the menu was built from, so
// the offset selects the entry at that position, whatever the value names.
HRESULT CShellExt::RunMenuCommand(const CMINVOKECOMMANDINFO& info)
{
    const UINT_PTR verb = reinterpret_cast<UINT_PTR>(info.lpVerb);
    if (HIWORD(verb) != 0 || !reader_)
        return E_FAIL;
    const Kyvant::ky_S* entry = EntryAt(*reader_, LOWORD(verb));
    if (!entry)
        return E_FAIL;
    const unsigned bar = entry->find("|", 0, 1);
    if (bar == Kyvant::ky_S::npos)
        return E_FAIL;
    Kyvant::ky_F command(entry->substr(bar + 1));
    if (command.length() > 0 && command[0] == ':') {
        command = command.substr(1);
        const KyShellX::ShellTool* row = KyShellX::FindToolByProgram(command.c_str());
        return row ? HandOffAndLaunch(command, *row, row->console) : E_FAIL;
    }
    Kyvant::ky_F extension(command);
    extension.ToExtension(true);
    const KyShellX::ShellTool* row = KyShellX::FindToolByExtension(extension.c_str());
    return row ? HandOffAndLaunch(command, *row, true) : E_FAIL;
}

HRESULT CShellExt::HandOffAndLaunch(const Kyvant::ky_F& command, const KyShellX::ShellTool& row,
                                    bool console)
{
    if (FAILED(WriteShellExArgs(HandOffKey(row))))
        return E_FAIL;
    return LaunchTool(command, console);
}
