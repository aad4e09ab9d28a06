// The user's Explorer context menu as stored: where the list lives, its
// entries (caption, "|", command; or a separator), the standard tools a
// command may name, and the default menu.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Strings/String.h"

#include <vector>

namespace Kyvant {
namespace ExplorerMenu {

// The list is the sequence list kListName under HKCU kToolsKey.
extern KYGUITOOL_API const char kToolsKey[];
extern KYGUITOOL_API const char kListName[];
extern KYGUITOOL_API const char kSeparator[];
const char kCommandBar = '|';
const char kToolMark = ':';

struct Tool {
    const char* program;
    const char* name;
};

// The standard tools, in the order the editor lists them.
KYGUITOOL_API const std::vector<Tool>& Tools();
// The entries Reset loads, in menu order.
KYGUITOOL_API std::vector<ky_S> DefaultMenu();

// The text before the first "|" (the whole text when there is none).
KYGUITOOL_API ky_S Caption(const char* entry);
// The text after the first "|"; empty when there is none.
KYGUITOOL_API ky_S Command(const char* entry);
KYGUITOOL_API bool HasCommandBar(const char* entry);
// "-", or an entry whose caption is "-".
KYGUITOOL_API bool IsSeparator(const char* entry);
// The tool a ":" command names, compared without regard to case; -1 for none.
KYGUITOOL_API int ToolIndex(const char* command);
// ":" and the tool's program.
KYGUITOOL_API ky_S ToolCommand(int toolIndex);
// The caption, and "|" with the command when there is one.
KYGUITOOL_API ky_S Entry(const ky_BSB<char>& caption, const ky_BSB<char>& command);

} // namespace ExplorerMenu
} // namespace Kyvant
