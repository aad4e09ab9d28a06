// The external editor's settings ("EditorPath", "EditorOptions" under the
// application key) and the command line made from them for a file and line.
#pragma once

#include <windows.h>

#include <string>

namespace Kyvant {
namespace FindEditor {

// The editor program used when none was configured.
extern const char kDefaultEditorPath[];

struct EditorSettings {
    std::string path = kDefaultEditorPath;
    // The arguments, with "%L" for the line number and "%F" for the file.
    std::string options;

    // Missing or unreadable values keep the defaults.
    void Load(HKEY appKey);
    // Failures throw os_error.
    void Store(HKEY appKey) const;
};

// The arguments with the first "%L" replaced by the line; then the first
// "%F" replaced by the file name as it is, or, without "%F", the quoted
// file name appended (after a space when there are arguments).
std::string BuildEditorCommandLine(const std::string& options, const std::string& file,
                                   unsigned line);

} // namespace FindEditor
} // namespace Kyvant
