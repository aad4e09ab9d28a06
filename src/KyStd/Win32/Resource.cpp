// Finding, loading and locking a module's resource.
#include "KyStd/Win32/Resource.h"

#include "KyStd/Core/Errors.h"

namespace Kyvant {
namespace Win32 {

Resource::Resource(HINSTANCE module, const char* name, const char* type) : Resource()
{
    Init(module, name, type);
}

void Resource::Init(HINSTANCE module, const char* name, const char* type)
{
    HRSRC found = FindResourceA(module, name, type);
    if (!found)
        throw os_error();
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded)
        throw os_error();
    const void* data = LockResource(loaded);
    if (!data)
        throw os_error();
    // Fields change only once everything succeeded.
    module_ = module;
    resource_ = found;
    data_ = data;
    size_ = SizeofResource(module, found);
}

} // namespace Win32
} // namespace Kyvant
