// The external editor started through the shell, and the shell's results turned into errors.
#include "KyFind/Gui/Editor/EditorLaunch.h"

#include "KyStd/Core/Errors.h"
#include "KyStd/Shell/ShellLaunch.h"

namespace Kyvant {
namespace FindEditor {

namespace {

// ShellExecute succeeded with a result above this.
const unsigned kLastFailure = 32;

struct ShellFailure {
    unsigned code;
    const char* text;
};

const ShellFailure kShellFailures[] = {
    {SE_ERR_SHARE, "The editor could not be started: a sharing violation occurred "
                   "(SE_ERR_SHARE)."},
    {SE_ERR_ASSOCINCOMPLETE, "The editor could not be started: the file name association is "
                             "incomplete or invalid (SE_ERR_ASSOCINCOMPLETE)."},
    {SE_ERR_DDETIMEOUT, "The editor could not be started: the DDE request timed out "
                        "(SE_ERR_DDETIMEOUT)."},
    {SE_ERR_DDEFAIL, "The editor could not be started: the DDE transaction failed "
                     "(SE_ERR_DDEFAIL)."},
    {SE_ERR_DDEBUSY, "The editor could not be started: other DDE transactions were being "
                     "processed (SE_ERR_DDEBUSY)."},
    {SE_ERR_NOASSOC, "The editor could not be started: no application is associated with "
                     "the file (SE_ERR_NOASSOC)."},
    {SE_ERR_DLLNOTFOUND, "The editor could not be started: a library it needs was not found "
                         "(SE_ERR_DLLNOTFOUND)."},
};

} // namespace

ShellStartError::ShellStartError(unsigned code, const std::string& text)
    : std::runtime_error(text), m_code(code)
{
}

void ThrowShellResult(unsigned result)
{
    if (result > kLastFailure)
        return;
    if (result == 0)
        throw os_error(ERROR_NOT_ENOUGH_MEMORY);
    for (const ShellFailure& failure : kShellFailures)
        if (failure.code == result)
            throw ShellStartError(result, failure.text);
    throw os_error(result);
}

void OpenInEditor(HWND owner, const EditorSettings& settings, const std::string& file,
                  unsigned line)
{
    const std::string parameters = BuildEditorCommandLine(settings.options, file, line);
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.hwnd = owner;
    info.lpFile = settings.path.c_str();
    info.lpParameters = parameters.c_str();
    info.nShow = SW_SHOWNORMAL;
    Shell::RunShellExecute(info);
    ThrowShellResult(static_cast<unsigned>(reinterpret_cast<UINT_PTR>(info.hInstApp)));
}

} // namespace FindEditor
} // namespace Kyvant
