// The administration object's wrapper: creating it for a machine, commands and state questions.
#include "KyConTool/IndexingService/IndexingServiceAdmin.h"

#include "KyConTool/IndexingService/IndexingServiceAdminInterface.h"
#include "KyConTool/IndexingService/IndexingServiceWide.h"
#include "KyStd/Shell/Co.h"

namespace Kyvant {
namespace IndexingService {

Admin::Admin() : admin_(nullptr)
{
    Create();
}

Admin::Admin(const ky_I& machine) : admin_(nullptr), machine_(machine)
{
    Create();
    BSTR name = SysAllocString(ToWide(machine_).c_str());
    if (!name) {
        admin_->Release();
        Co::Throw(E_OUTOFMEMORY);
    }
    HRESULT hr = admin_->put_MachineName(name);
    SysFreeString(name);
    if (FAILED(hr)) {
        // The exception takes the error information before the object goes.
        try {
            Check(hr);
        } catch (...) {
            admin_->Release();
            throw;
        }
    }
}

Admin::~Admin()
{
    if (admin_)
        admin_->Release();
}

void Admin::Create()
{
    CLSID clsid;
    Co::Vet(CLSIDFromProgID(kAdminProgId, &clsid));
    Co::Vet(CoCreateInstance(clsid, nullptr, CLSCTX_SERVER, kIID_IAdminService,
                             reinterpret_cast<void**>(&admin_)));
    if (!admin_)
        Co::Throw(E_NOINTERFACE);
}

void Admin::Check(long hr)
{
    if (FAILED(hr))
        _com_issue_errorex(hr, admin_, kIID_IAdminService);
}

void Admin::Start()
{
    Check(admin_->Start());
}

void Admin::StartPaused()
{
    if (Stopped())
        Start();
    if (!Paused())
        Pause();
}

void Admin::Stop()
{
    Check(admin_->Stop());
}

void Admin::Pause()
{
    Check(admin_->Pause());
}

void Admin::Continue()
{
    Check(admin_->Continue());
}

bool Admin::Running()
{
    VARIANT_BOOL answer = VARIANT_FALSE;
    Check(admin_->IsRunning(&answer));
    return answer != VARIANT_FALSE;
}

bool Admin::Paused()
{
    VARIANT_BOOL answer = VARIANT_FALSE;
    Check(admin_->IsPaused(&answer));
    return answer != VARIANT_FALSE;
}

bool Admin::Stopped()
{
    return !Running() && !Paused();
}

} // namespace IndexingService
} // namespace Kyvant
