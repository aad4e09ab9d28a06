// KyGuiApp's life: the hand-off variables taken at construction, the keys,
// the start-up load file, the console process and what ExitInstance keeps.
#include "KyGuiTool/App/KyGuiApp.h"

#include "KyConTool/App/KyConApp.h"
#include "KyGuiTool/App/AppResource.h"
#include "KyGuiTool/Handoff/ConGuiBridge.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyStd/Registry/RegValues.h"
#include "KyStd/Win32/HandleWord.h"

#include <afxcmn.h>
#include <afxole.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

using namespace Kyvant;

KyGuiApp* KyGuiApp::s_pApp = nullptr;

namespace {

const char kConAppHandleVar[] = "KYVANT_CON_APP_HANDLE";
const char kKyStartedVar[] = "KYVANT_KYSTARTED";
const char kLoadFileVar[] = "KYVANT_LOAD_FILE";
const char kToolOptionsSubkey[] = "KyvantToolOptions";
const char kSharedKeyPath[] = "Software\\Kyvant\\Tools\\Shared";
const char kAltEdFontSubkey[] = "AltEdFont";
const char kAltEdFontFace[] = "Courier New";
const int kAltEdFontTenthsOfPoint = 100;
const int kAltEdFontWeight = FW_NORMAL;
const char kBrowseFolderValue[] = "BrowseFolderPath";
const char kHelpFileName[] = "KyTools.hlp";
const int kSmallIconSize = 16;

// Refuses a second application object before the layer's base registers it
// as the process's application in place of the first one.
const char* FirstAppName(const char* appName)
{
    if (KyGuiApp::s_pApp)
        throw std::runtime_error("Multiple KyGuiApps.");
    return appName;
}

// The console's process handle as the console wrote it: a decimal number.
// Anything else (a number too large included) names no process.
HANDLE ConsoleHandle(const ky_S& text)
{
    if (text.empty() || text.length() > 10)
        return nullptr;
    unsigned long long value = 0;
    for (unsigned i = 0; i < text.length(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return nullptr;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return value > 0xFFFFFFFFull ? nullptr : Win32::WordToHandle(static_cast<DWORD>(value));
}

// Removes a variable from the C runtime's and the process's environment, so
// that no program started later inherits it.
void RemoveVariable(const char* name)
{
    ky_S().PutEnv(name, ky_S::npos, true);
}

} // namespace

KyGuiApp::KyGuiApp(const RegKey& appKey, const char* appName)
    : CWinApp(FirstAppName(appName)), m_appKey(appKey),
      m_toolOptionsKey(appKey, kToolOptionsSubkey, KEY_ALL_ACCESS),
      m_sharedKey(HKEY_CURRENT_USER, kSharedKeyPath, KEY_ALL_ACCESS), m_kyStarted(false),
      m_indexingServiceIcon(nullptr), m_statusBar(nullptr), m_statusIconShown(false)
{
    TakeHandoffVariables();
    m_indexingServiceIcon = static_cast<HICON>(
        ::LoadImageA(KyGuiToolModule(), MAKEINTRESOURCEA(IDI_KY_INDEXING_SERVICE_MESSAGE),
                     IMAGE_ICON, kSmallIconSize, kSmallIconSize, 0));
    m_altEdFont.Load(m_sharedKey, kAltEdFontSubkey, kAltEdFontFace, kAltEdFontTenthsOfPoint,
                     kAltEdFontWeight, false, DEFAULT_CHARSET);
    SetHelpFilePath();
    s_pApp = this;
}

KyGuiApp::~KyGuiApp()
{
    if (m_indexingServiceIcon)
        ::DestroyIcon(m_indexingServiceIcon);
    if (s_pApp == this)
        s_pApp = nullptr;
}

void KyGuiApp::TakeHandoffVariables()
{
    ky_S handle;
    handle.GetEnv(kConAppHandleVar, "0");
    m_conProcess = CRT::Process(reinterpret_cast<UINT_PTR>(ConsoleHandle(handle)));
    m_kyStarted = std::getenv(kKyStartedVar) != nullptr;
    m_startLoadFile.GetEnv(kLoadFileVar, "");
    RemoveVariable(kConAppHandleVar);
    RemoveVariable(kKyStartedVar);
    RemoveVariable(kLoadFileVar);
}

void KyGuiApp::SetHelpFilePath()
{
    ky_F folder;
    folder.ToModuleDirectory(nullptr);
    ky_F path;
    path.ToPath(folder.c_str(), kHelpFileName);
    std::free(const_cast<char*>(m_pszHelpFilePath));
    m_pszHelpFilePath = _strdup(path.c_str());
}

KyGuiApp& KyGuiApp::Instance()
{
    if (!s_pApp)
        throw std::logic_error("KyGuiApp::Instance: there is no application object");
    return *s_pApp;
}

ky_F KyGuiApp::GetAppStartLoadFile()
{
    ky_F file = m_startLoadFile;
    m_startLoadFile.clear();
    return file;
}

void KyGuiApp::ConProcessTerminated()
{
    ConGuiBridge::Reset();
    m_conProcess.init(0, true);
}

ky_S KyGuiApp::GetBrowseFolderPath() const
{
    ky_S path;
    path.LoadStringA(m_sharedKey.get(), kBrowseFolderValue, "");
    return path;
}

void KyGuiApp::SetBrowseFolderPath(const ky_BSB<char>& path)
{
    WriteRegistryString(m_sharedKey.get(), kBrowseFolderValue, path);
}

const ky_S& KyGuiApp::GetPureShellArgSep()
{
    return KyConApp::GetPureShellArgSep();
}

void KyGuiApp::InitRichEdit()
{
    if (!AfxInitRichEdit())
        throw std::runtime_error(
            ky_S().LoadStringA(KyGuiToolModule(), IDS_KY_RICHEDIT_INIT_FAILED).c_str());
}

void KyGuiApp::InitOLE()
{
    if (!AfxOleInit())
        throw std::runtime_error(
            ky_S().LoadStringA(KyGuiToolModule(), IDS_KY_OLE_INIT_FAILED).c_str());
}

int KyGuiApp::ExitInstance()
{
    // ExitInstance may run twice (after the message loop and again when
    // InitInstance then fails): the file goes once.
    if (!m_shellExArgsFile.empty()) {
        ::DeleteFileA(m_shellExArgsFile.c_str());
        m_shellExArgsFile.clear();
    }
    m_altEdFont.Store(m_sharedKey, kAltEdFontSubkey);
    return CWinApp::ExitInstance();
}
