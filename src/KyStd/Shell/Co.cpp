// COM initialisation, HRESULT checks and throws, and the process's one task allocator.
#include "KyStd/Shell/Co.h"

#include "KyStd/Shell/ProcessComObject.h"

namespace Kyvant {
namespace Co {

void Vet(long hr)
{
    if (hr < 0)
        _com_raise_error(hr, nullptr);
}

void Throw(long hr)
{
    _com_raise_error(hr, nullptr);
    // _com_raise_error always throws; this keeps the no-return promise even so.
    throw _com_error(hr);
}

Initializer::Initializer()
{
    Vet(CoInitialize(nullptr));
}

Initializer::~Initializer()
{
    CoUninitialize();
}

// Names the allocator's entry in the static data manager.
struct TaskAllocatorTag {};

IMalloc* GetIMalloc()
{
    return ProcessComObject<IMalloc, TaskAllocatorTag>::Get([] {
        IMalloc* p = nullptr;
        Vet(CoGetMalloc(MEMCTX_TASK, &p));
        return p;
    });
}

IMallocDeleter::IMallocDeleter() : malloc_(GetIMalloc()) {}

} // namespace Co
} // namespace Kyvant
