// The application object's life: registration, Go, messages and exit code.
#include "KyConTool/App/KyConApp.h"

#include "KyConTool/App/ConGuiHandoff.h"
#include "KyConTool/App/ProgressChannel.h"
#include "KyConTool/IndexingService/IndexingServiceStatus.h"
#include "KyStd/Win32/SharedMemory.h"
#include "KyStd/Win32/SyncObjects.h"

#include <cstdio>
#include <cstdlib>

namespace Kyvant {

namespace {

KyConApp* g_instance = nullptr;

const char kStartedVariable[] = "KYVANT_KYSTARTED";

// The warnings of the run's Indexing Service queries; empty when none ran.
ky_S TakeIndexingServiceSummary(bool guiMode)
{
    return IndexingService::GetSummary(guiMode);
}

} // namespace

void KyConApp::ExitCode::Merge(int bits)
{
    Win32::CritSecLock lock(lock_);
    value_ |= bits;
}

void KyConApp::ExitCode::Set(int value)
{
    Win32::CritSecLock lock(lock_);
    value_ = value;
}

KyConApp::ExitCode::operator int() const
{
    Win32::CritSecLock lock(lock_);
    return value_;
}

// The starter program's variables are for this process only, never for the
// processes that the tool starts.
void KyConApp::RemoveStarterVariables()
{
    ky_S().PutEnv(kStartedVariable, ky_S::npos, true);
    ky_S().PutEnv("KYVANT_LOAD_FILE", ky_S::npos, true);
}

KyConApp::KyConApp(const ky_F& guiTarget, const ky_S& guiDisplayName)
    : guiFlag_(true), guiMode_(false), startedByStarter_(std::getenv(kStartedVariable) != nullptr),
      guiTarget_(guiTarget), guiDisplayName_(guiDisplayName), guiStopped_(false),
      progressWindow_(nullptr), goCalled_(false)
{
    if (g_instance)
        FatalExit("Multiple KyConApps", true);
    g_instance = this;
}

KyConApp::~KyConApp()
{
    if (g_instance == this)
        g_instance = nullptr;
}

KyConApp& KyConApp::Instance()
{
    if (!g_instance)
        throw std::logic_error("KyConApp::Instance: no application object");
    return *g_instance;
}

const ky_F& KyConApp::GetStdinPseudoFileName()
{
    static const ky_F name("<STDIN>");
    return name;
}

const ky_F& KyConApp::GetStdoutPseudoFileName()
{
    static const ky_F name("<STDOUT>");
    return name;
}

const ky_F& KyConApp::GetStderrPseudoFileName()
{
    static const ky_F name("<STDERR>");
    return name;
}

const ky_S& KyConApp::GetPureShellArgSep()
{
    // The path-plan language's begin-arguments code.
    static const ky_S separator("@!");
    return separator;
}

void KyConApp::Go(int argc, char** argv)
{
    if (goCalled_)
        Fatal("Multiple calls to KyConApp::Go", true);
    goCalled_ = true;
    programName_ = argc > 0 && argv && argv[0] ? argv[0] : "";
    programName_.ToFilePart();
    guiMode_ = argc <= 1 || startedByStarter_;
    if (guiMode_) {
        RunHandoff(argc, argv);
        return;
    }
    RemoveStarterVariables();
    guiFlag_ = false;
    startedByStarter_ = false;
    Main(argc, argv);
    ShowSummary(false);
}

void KyConApp::ShowSummary(bool guiMode)
{
    ky_S summary = TakeIndexingServiceSummary(guiMode);
    if (summary.empty())
        return;
    if (!guiMode || !guiStopped_)
        SayStderr(summary.c_str(), false);
    if (guiMode && progressWindow_)
        ProgressChannel::Summary(*this, summary.c_str());
}

void KyConApp::WriteMessage(bool toStdout, const char* text, bool prefix)
{
    std::FILE* stream = toStdout ? stdout : stderr;
    if (!text)
        text = "";
    if (prefix)
        std::fprintf(stream, "%s: %s\n", programName_.c_str(), text);
    else
        std::fprintf(stream, "%s\n", text);
    std::fflush(stream);
}

void KyConApp::Usage()
{
    ky_S text("For help, try: ");
    text += programName_;
    text += " -?";
    WriteMessage(false, text.c_str(), false);
    ThrowFatalError();
}

void KyConApp::Say(const char* text, bool prefix)
{
    WriteMessage(true, text, prefix);
}

void KyConApp::SayStderr(const char* text, bool prefix)
{
    WriteMessage(false, text, prefix);
}

void KyConApp::Warn(const char* text, bool prefix)
{
    WriteMessage(false, text, prefix);
    if (!guiStopped_ && guiMode_ && progressWindow_ &&
        ProgressChannel::MessageBox(*this, text ? text : "", MB_OKCANCEL | MB_ICONEXCLAMATION) ==
            IDCANCEL)
        ThrowFatalError();
}

void KyConApp::SayFatal(const char* text, bool prefix)
{
    WriteMessage(false, text, prefix);
    if (!guiStopped_ && guiMode_ && progressWindow_)
        ProgressChannel::MessageBox(*this, text ? text : "", MB_ICONERROR);
}

void KyConApp::Fatal(const char* text, bool prefix)
{
    try {
        SayFatal(text, prefix);
    } catch (...) {
    }
    ThrowFatalError();
}

void KyConApp::FatalExit(const char* text, bool prefix)
{
    try {
        SayFatal(text, prefix);
    } catch (...) {
    }
    ExitCode.Merge(2);
    std::exit(ExitCode);
}

void KyConApp::FatalUsage(const char* text, bool prefix)
{
    try {
        SayFatal(text, prefix);
    } catch (...) {
    }
    Usage();
}

void KyConApp::ThrowFatalError()
{
    ExitCode.Merge(2);
    throw FatalError();
}

void KyConApp::ThrowFatalErrorIf(bool condition)
{
    if (condition)
        ThrowFatalError();
}

void KyConApp::ThrowNonFatalError()
{
    ExitCode.Merge(1);
    throw NonFatalError();
}

} // namespace Kyvant
