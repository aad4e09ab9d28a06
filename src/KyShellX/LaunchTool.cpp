// Starting the chosen tool beside the shell extension: a front-end directly, anything else through KyStart.
#include "KyShellX/ShellExt.h"

#include "KyShellX/Module.h"
#include "KyShellX/Prompt.h"
#include "KyStd/Core/Errors.h"

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const char kStarter[] = "KyStart.exe";

std::string LaunchFailed(const char* what, const char* why)
{
    return std::string("Failed to launch ") + what + ":\n\n" + why;
}

} // namespace

HRESULT CShellExt::LaunchTool(const Kyvant::ky_F& command, bool console)
{
    Kyvant::ky_F path;
    std::string commandLine;
    try {
        const Kyvant::ky_F executable = console ? Kyvant::ky_F(kStarter) : command;
        commandLine = console ? std::string(kStarter) + " \"" + command.c_str() + "\""
                              : std::string(command.c_str());
        Kyvant::ky_F folder;
        folder.ToModuleDirectory(KyShellX::ModuleHandle());
        path.ToPath(folder.c_str(), executable.c_str());
    } catch (const std::exception& e) {
        KyShellX::Warn(LaunchFailed(command.c_str(), e.what()));
        return E_FAIL;
    }
    std::vector<char> writable;
    try {
        writable.assign(commandLine.begin(), commandLine.end());
        writable.push_back('\0');
    } catch (const std::bad_alloc&) {
        KyShellX::Warn(std::string("Out of memory while launching ") + path.c_str());
        return E_FAIL;
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(path.c_str(), writable.data(), nullptr, nullptr, FALSE,
                        NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup, &process)) {
        const Kyvant::os_error error;
        KyShellX::Warn(LaunchFailed(path.c_str(), error.what()));
        return E_FAIL;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return S_OK;
}
