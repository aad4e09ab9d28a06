// The Dir front-end's application object: its registry key and task flag.
#include "KyDir/Gui/App/KyDirGApp.h"

#include "KyDir/Gui/Task/TaskLink.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Strings/String.h"

#include <clocale>
#include <stdexcept>
#include <string>

namespace {

const char kAppKey[] = "Software\\Kyvant\\Tools\\KyDirG";

Kyvant::RegKey OpenAppKey()
{
    return Kyvant::RegKey(HKEY_CURRENT_USER, kAppKey, KEY_ALL_ACCESS);
}

} // namespace

// The user's locale groups the counts and sizes the program shows.
CKyDirGApp::CKyDirGApp()
    : KyGuiApp(OpenAppKey(), nullptr), m_dialogAccepted(false), m_listFileNamed(false)
{
    std::setlocale(LC_ALL, "");
}

CKyDirGApp::~CKyDirGApp() {}

CKyDirGApp& CKyDirGApp::Instance()
{
    CKyDirGApp* app = dynamic_cast<CKyDirGApp*>(&KyGuiApp::Instance());
    if (!app)
        throw std::logic_error("CKyDirGApp::Instance: the application object is no CKyDirGApp");
    return *app;
}

BOOL CKyDirGApp::InitInstance()
{
    return FALSE;
}

void CKyDirGApp::PutProcessHandleIntoEnvironment()
{
    HANDLE self = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, 0,
                         TRUE, DUPLICATE_SAME_ACCESS))
        throw Kyvant::os_error();
    const std::string value = std::to_string(reinterpret_cast<UINT_PTR>(self));
    Kyvant::ky_S(value.c_str()).PutEnv(Kyvant::DirTask::kProcessVariable, Kyvant::ky_S::npos, true);
}
