// Protected attributes of one file or folder: checked, asked about (GUI) or
// warned about (console), cleared when allowed and restored afterwards.
#include "KyConTool/App/ConGuiHandoff.h"
#include "KyConTool/App/KyConApp.h"
#include "KyConTool/App/ProgressChannel.h"

namespace Kyvant {

namespace {

// "Hidden, Read-only file: <name>": the matched bits in a fixed order.
ky_S AttributeWarning(DWORD matched, bool isFolder, const ky_F& name)
{
    static const struct {
        DWORD bit;
        const char* name;
    } kNames[] = {
        {FILE_ATTRIBUTE_HIDDEN, "Hidden"},       {FILE_ATTRIBUTE_SYSTEM, "System"},
        {FILE_ATTRIBUTE_READONLY, "Read-only"},  {FILE_ATTRIBUTE_COMPRESSED, "Compressed"},
        {FILE_ATTRIBUTE_ENCRYPTED, "Encrypted"},
    };
    ky_S text;
    for (const auto& n : kNames) {
        if (matched & n.bit) {
            if (!text.empty())
                text += ", ";
            text += n.name;
        }
    }
    text += isFolder ? " folder: " : " file: ";
    text += name;
    return text;
}

} // namespace

KyConApp::GuiAttribHandler::GuiAttribHandler(const ky_F& file, DWORD checkMask, DWORD clearMask,
                                             bool noCheck, bool clearSilently, bool isFolder)
    : restoreNeeded_(false), skip_(false), clearedBits_(0), checkMask_(checkMask),
      clearMask_(clearMask), file_(file)
{
    KyConApp& app = KyConApp::Instance();
    app.GuiStartFsObject(file_, isFolder);
    if (noCheck)
        return;
    const DWORD attributes = file_.GetAttributes();
    const DWORD matched = attributes & checkMask_;
    if (matched == 0)
        return;
    if (clearSilently) {
        Clear(attributes);
        return;
    }
    if (!app.guiMode_) {
        app.Warn(AttributeWarning(matched, isFolder, file_).c_str(), true);
        app.ThrowNonFatalError();
    }
    const int answer =
        ProgressChannel::Query(app, file_, GuiProgress::kAttributes, static_cast<long>(matched));
    if (answer == GuiProgress::kSkip) {
        skip_ = true;
    } else if (answer == GuiProgress::kProcess) {
        Clear(attributes);
    } else {
        app.guiStopped_ = true;
        app.ThrowFatalError();
    }
}

KyConApp::GuiAttribHandler::~GuiAttribHandler()
{
    try {
        Restore();
    } catch (...) {
    }
}

void KyConApp::GuiAttribHandler::Clear(DWORD attributes)
{
    if ((attributes & clearMask_) == 0)
        return;
    file_.SetAttributes(attributes & ~clearMask_);
    restoreNeeded_ = true;
    clearedBits_ = attributes & clearMask_;
}

void KyConApp::GuiAttribHandler::Restore()
{
    if (!restoreNeeded_)
        return;
    restoreNeeded_ = false;
    file_.SetAttributes(file_.GetAttributes() | clearedBits_);
}

} // namespace Kyvant
