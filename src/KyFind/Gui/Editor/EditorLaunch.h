// Starting the external editor on a file at a line through the shell, and
// the error that names a shell failure without a system error code.
#pragma once

#include "KyFind/Gui/Editor/EditorCommand.h"

#include <windows.h>

#include <stdexcept>
#include <string>

namespace Kyvant {
namespace FindEditor {

// The shell's own failures (SE_ERR_SHARE to SE_ERR_DLLNOTFOUND), whose
// numbers are no system error codes.
class ShellStartError : public std::runtime_error {
public:
    ShellStartError(unsigned code, const std::string& text);
    unsigned code() const noexcept { return m_code; }

private:
    unsigned m_code;
};

// Runs the editor program with the command line for file and line, shown
// normally, owned by owner. A result of 32 or less is thrown: 0 as
// os_error 8 (not enough memory), the shell's own codes as ShellStartError,
// the others as os_error with that code.
void OpenInEditor(HWND owner, const EditorSettings& settings, const std::string& file,
                  unsigned line);

// Throws the error for a failed ShellExecute result; nothing above 32.
void ThrowShellResult(unsigned result);

} // namespace FindEditor
} // namespace Kyvant
