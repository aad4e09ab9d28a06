// The replace program's application object: its set-up, usage help, and messages copied to the log.
#include "KyReplace/Console/App/KyReplaceApp.h"

#include "KyConTool/App/GetOpt.h"
#include "KyReplace/Console/App/HelpLauncher.h"
#include "KyReplace/Console/App/ReplaceRegistry.h"

#include <stdexcept>

namespace Kyvant {

CKyReplaceApp::CKyReplaceApp()
    : KyConApp("KyReplaceJob.DoesNotExist", "Kyvant Replace"),
      engineProgram_(ReadEngineProgramName()), fileListFdVariable_("KYVANT_PIPE_READ_HDL"),
      fileListOsVariable_("KYVANT_PIPE_READ_HDL_OS_HDL"), objects_(nullptr),
      frontEndWindow_(nullptr), log_(outputLock_)
{
    // Messages reach the user through the Replace front-end's log, not
    // through the progress channel: no start-file messages, no boxes.
    guiFlag_ = false;
    guiStopped_ = true;
}

CKyReplaceApp::~CKyReplaceApp() {}

void CKyReplaceApp::TakeProgramName(const char* argv0)
{
    programName_ = argv0 ? argv0 : "";
    programName_.ToFilePart();
}

ReplaceNamedObjects& CKyReplaceApp::Objects()
{
    if (!objects_)
        throw std::logic_error("CKyReplaceApp: the start-up objects are missing");
    return *objects_;
}

void CKyReplaceApp::Usage()
{
    if (optvalue != '?') {
        KyConApp::Usage();
        return;
    }
    OpenHelp("KyTools.hlp", HELP_CONTEXT, 0x68);
    ThrowFatalError();
}

void CKyReplaceApp::Warn(const char* text, bool prefix)
{
    Win32::CritSecLock lock(outputLock_);
    KyConApp::Warn(text, prefix);
    log_.Send(text, LogKind::Warning);
}

void CKyReplaceApp::SayFatal(const char* text, bool prefix)
{
    Win32::CritSecLock lock(outputLock_);
    KyConApp::SayFatal(text, prefix);
    log_.Send(text, LogKind::Error);
}

void CKyReplaceApp::SayResult(const ky_S& line, bool toStdout)
{
    Win32::CritSecLock lock(outputLock_);
    if (toStdout)
        Say(line.c_str(), true);
    log_.Send(line.c_str(), LogKind::Result);
}

} // namespace Kyvant
