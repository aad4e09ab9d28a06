// The stored Explorer context menu: the tool table, the default menu and the
// parts of an entry.
#include "KyGuiTool/ExplorerMenu/ExplorerMenuList.h"

#include <cstring>

namespace Kyvant {
namespace ExplorerMenu {

const char kToolsKey[] = "Software\\Kyvant\\Tools";
const char kListName[] = "ExplorerContextMenu";
const char kSeparator[] = "-";

const std::vector<Tool>& Tools()
{
    static const std::vector<Tool> tools = {
        {"KyAttrib.exe", "Attrib"}, {"KyDirG.exe", "Dir"},         {"KyEOL.exe", "EOL"},
        {"KyFindG.exe", "Find"},    {"KyReplaceG.exe", "Replace"}, {"KyTab.exe", "Tab"},
        {"KyTouch.exe", "Touch"},
    };
    return tools;
}

std::vector<ky_S> DefaultMenu()
{
    return {"&Find|:KyFindG.exe", "&Replace|:KyReplaceG.exe", "&Dir|:KyDirG.exe",
            kSeparator,           "&Attrib|:KyAttrib.exe",    "&Touch|:KyTouch.exe",
            kSeparator,           "&EOL|:KyEOL.exe",          "Ta&b|:KyTab.exe"};
}

ky_S Caption(const char* entry)
{
    const char* bar = std::strchr(entry, kCommandBar);
    return bar != nullptr ? ky_S(entry, static_cast<unsigned>(bar - entry)) : ky_S(entry);
}

ky_S Command(const char* entry)
{
    const char* bar = std::strchr(entry, kCommandBar);
    return bar != nullptr ? ky_S(bar + 1) : ky_S();
}

bool HasCommandBar(const char* entry)
{
    return std::strchr(entry, kCommandBar) != nullptr;
}

bool IsSeparator(const char* entry)
{
    return Caption(entry) == kSeparator;
}

int ToolIndex(const char* command)
{
    if (command[0] != kToolMark)
        return -1;
    const ky_I program(command + 1);
    const std::vector<Tool>& tools = Tools();
    for (size_t i = 0; i < tools.size(); ++i) {
        if (program == tools[i].program)
            return static_cast<int>(i);
    }
    return -1;
}

ky_S ToolCommand(int toolIndex)
{
    return ky_S(1, kToolMark) + Tools().at(static_cast<size_t>(toolIndex)).program;
}

ky_S Entry(const ky_BSB<char>& caption, const ky_BSB<char>& command)
{
    ky_S entry(caption);
    if (!command.empty()) {
        entry += kCommandBar;
        entry += command;
    }
    return entry;
}

} // namespace ExplorerMenu
} // namespace Kyvant
