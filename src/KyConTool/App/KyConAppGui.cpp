// Per-file progress and trouble: in GUI mode the front-end is told or asked
// through the progress channel; in console mode a warning goes to standard
// error and the object is skipped.
#include "KyConTool/App/ConGuiHandoff.h"
#include "KyConTool/App/KyConApp.h"
#include "KyConTool/App/ProgressChannel.h"
#include "KyStd/Core/Errors.h"

#include <cstring>

namespace Kyvant {

bool KyConApp::GuiStartFsObject(const ky_F& name, bool isFolder)
{
    if (isFolder)
        GuiStartFolder(name);
    else
        GuiStartFile(name);
    return isFolder;
}

bool KyConApp::GuiStartFolder(const ky_F& name, bool isFolder)
{
    if (isFolder)
        GuiStartFolder(name);
    return isFolder;
}

void KyConApp::GuiStartFolder(const ky_F& name)
{
    if (guiMode_)
        ProgressChannel::StartFolder(*this, name);
}

void KyConApp::GuiStartFile(const ky_F& name)
{
    if (guiMode_)
        ProgressChannel::StartFile(*this, name);
}

bool KyConApp::GuiCheckIfFsObjectExists(const ky_F& name, bool noCheck, bool isFolder)
{
    GuiStartFsObject(name, isFolder);
    if (noCheck)
        return true;
    DWORD attributes;
    const bool exists = name.GetAttributes(attributes);
    const DWORD error = GetLastError();
    if (exists && ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == isFolder)
        return true;
    ExitCode.Merge(1);
    const int kind = exists ? GuiProgress::kNotFileOrFolder : GuiProgress::kSystemError;
    if (guiMode_) {
        if (ProgressChannel::Query(*this, name, kind, exists ? 0 : static_cast<long>(error)) ==
            GuiProgress::kSkip)
            return false;
        guiStopped_ = true;
        ThrowFatalError();
    }
    ky_S text;
    if (exists)
        text = isFolder ? "Not a folder: " : "Not a file: ";
    else
        text = ky_S(os_error(error).what()) + ": ";
    text += name;
    Warn(text.c_str(), true);
    ThrowNonFatalError();
}

bool KyConApp::GuiQueryForBinaryFile(const ky_F& name)
{
    GuiStartFile(name);
    if (guiMode_) {
        const int answer = ProgressChannel::Query(*this, name, GuiProgress::kBinaryFile, 0);
        if (answer == GuiProgress::kSkip) {
            ExitCode.Merge(1);
            return false;
        }
        if (answer == GuiProgress::kProcess)
            return true;
        guiStopped_ = true;
        ThrowFatalError();
    }
    ky_S text("Binary file: ");
    text += name;
    Warn(text.c_str(), true);
    ThrowNonFatalError();
}

void KyConApp::GuiQueryError(const ky_F& name, int error, bool isFolder, bool isOsError)
{
    GuiStartFsObject(name, isFolder);
    if (guiMode_) {
        const int kind = isOsError ? GuiProgress::kSystemError : GuiProgress::kRuntimeError;
        if (ProgressChannel::Query(*this, name, kind, error) != GuiProgress::kSkip) {
            guiStopped_ = true;
            ThrowFatalError();
        }
        ThrowNonFatalError();
    }
    ky_S text(isOsError ? os_error(static_cast<unsigned long>(error)).what()
                        : std::strerror(error));
    text += ": ";
    text += name;
    Warn(text.c_str(), true);
    ThrowNonFatalError();
}

void KyConApp::GuiCheckTerm()
{
    if (guiMode_)
        ProgressChannel::CheckAlive(*this, ProgressChannel::kSiteCheckTerm);
}

} // namespace Kyvant
