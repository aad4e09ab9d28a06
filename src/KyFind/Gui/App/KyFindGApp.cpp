// The Find front-end's application object: its registry key, locale and task flags.
#include "KyFind/Gui/App/KyFindGApp.h"

#include "KyFind/Gui/Task/TaskLink.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Registry/RegKey.h"
#include "KyStd/Strings/String.h"

#include <clocale>
#include <stdexcept>
#include <string>

namespace {

const char kAppKey[] = "Software\\Kyvant\\Tools\\KyFindG";

Kyvant::RegKey OpenAppKey()
{
    return Kyvant::RegKey(HKEY_CURRENT_USER, kAppKey, KEY_ALL_ACCESS);
}

} // namespace

CKyFindGApp::CKyFindGApp()
    : KyGuiApp(OpenAppKey(), nullptr), m_dialogAccepted(false), m_binaryMode(false)
{
    std::setlocale(LC_ALL, "");
}

CKyFindGApp::~CKyFindGApp() {}

CKyFindGApp& CKyFindGApp::Instance()
{
    CKyFindGApp* app = dynamic_cast<CKyFindGApp*>(&KyGuiApp::Instance());
    if (!app)
        throw std::logic_error("CKyFindGApp::Instance: the application object is no CKyFindGApp");
    return *app;
}

BOOL CKyFindGApp::InitInstance()
{
    return FALSE;
}

void CKyFindGApp::PutProcessHandleIntoEnvironment()
{
    HANDLE self = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, 0,
                         TRUE, DUPLICATE_SAME_ACCESS))
        throw Kyvant::os_error();
    const std::string value = std::to_string(reinterpret_cast<UINT_PTR>(self));
    Kyvant::ky_S(value.c_str())
        .PutEnv(Kyvant::FindTask::kProcessVariable, Kyvant::ky_S::npos, true);
}
