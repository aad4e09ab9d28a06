// The editor's registry values and its command line with the line and file placeholders.
#include "KyFind/Gui/Editor/EditorCommand.h"

#include "KyStd/Registry/RegValues.h"
#include "KyStd/Strings/CommandLine.h"

#include <vector>

namespace Kyvant {
namespace FindEditor {

const char kDefaultEditorPath[] = "notepad.exe";

namespace {

const char kPathValue[] = "EditorPath";
const char kOptionsValue[] = "EditorOptions";
const char kLinePlaceholder[] = "%L";
const char kFilePlaceholder[] = "%F";
const size_t kPlaceholderLength = 2;

// A REG_SZ value; false when it is missing or of another type.
bool ReadString(HKEY key, const char* name, std::string& text)
{
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return false;
    std::vector<char> data(size + 1, '\0');
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return false;
    text = data.data();
    return true;
}

} // namespace

void EditorSettings::Load(HKEY appKey)
{
    if (!appKey)
        return;
    ReadString(appKey, kPathValue, path);
    ReadString(appKey, kOptionsValue, options);
}

void EditorSettings::Store(HKEY appKey) const
{
    WriteRegistryString(appKey, kPathValue, path.c_str(), static_cast<DWORD>(path.size() + 1));
    WriteRegistryString(appKey, kOptionsValue, options.c_str(),
                        static_cast<DWORD>(options.size() + 1));
}

std::string BuildEditorCommandLine(const std::string& options, const std::string& file,
                                   unsigned line)
{
    std::string command = options;
    const size_t linePos = command.find(kLinePlaceholder);
    if (linePos != std::string::npos)
        command.replace(linePos, kPlaceholderLength, std::to_string(line));
    const size_t filePos = command.find(kFilePlaceholder);
    if (filePos != std::string::npos) {
        command.replace(filePos, kPlaceholderLength, file);
        return command;
    }
    if (!command.empty())
        command += ' ';
    command += CommandLine::QuoteArg(file.c_str()).c_str();
    return command;
}

} // namespace FindEditor
} // namespace Kyvant
