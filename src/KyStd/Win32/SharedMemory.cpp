// Creating or opening a named shared block and mapping it whole; the last copy unmaps it.
#include "KyStd/Win32/SharedMemory.h"

#include "KyStd/Core/Errors.h"
#include "KyStd/Win32/ExclusiveCreate.h"

#include <memory>

namespace Kyvant {
namespace Win32 {

namespace {

// Maps the whole of imp's mapping and records the view's size.
void MapWhole(SharedMemory::Imp& imp, DWORD desiredAccess, void* baseAddress)
{
    imp.view = MapViewOfFileEx(imp.handle, desiredAccess, 0, 0, 0, baseAddress);
    if (!imp.view)
        throw os_error();
    MEMORY_BASIC_INFORMATION info;
    if (VirtualQuery(imp.view, &info, sizeof info) == 0)
        throw os_error();
    // The size is counted in 32 bits: a larger block (one a 64-bit process can open under a
    // peer's name) is refused rather than taken cut short.
    if (info.RegionSize != static_cast<unsigned>(info.RegionSize))
        throw os_error(ERROR_ARITHMETIC_OVERFLOW);
    imp.size = static_cast<unsigned>(info.RegionSize);
}

} // namespace

SharedMemory::Imp::~Imp()
{
    if (view)
        UnmapViewOfFile(view);
    if (handle)
        CloseHandle(handle);
}

SharedMemory::SharedMemory(KyCreateT, unsigned size, const char* name, DWORD protect,
                           SECURITY_ATTRIBUTES* sa, DWORD desiredAccess, void* baseAddress)
{
    // The record releases whatever was obtained when a later step fails.
    std::unique_ptr<Imp> imp(new Imp);
    SetLastError(0);
    imp->handle = Detail::CheckExclusiveCreate(
        CreateFileMappingA(INVALID_HANDLE_VALUE, sa, protect, 0, size ? size : 1, name));
    MapWhole(*imp, desiredAccess, baseAddress);
    imp_.reset(imp.release());
}

SharedMemory::SharedMemory(const char* name, DWORD desiredAccess, bool inherit, void* baseAddress)
{
    std::unique_ptr<Imp> imp(new Imp);
    imp->handle = Detail::CheckOpened(OpenFileMappingA(desiredAccess, inherit, name));
    MapWhole(*imp, desiredAccess, baseAddress);
    imp_.reset(imp.release());
}

SharedMemory::~SharedMemory() {}

} // namespace Win32
} // namespace Kyvant
