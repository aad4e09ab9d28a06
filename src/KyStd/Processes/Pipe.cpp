// The C-runtime pipe: creating it, inheritable ends and their variables, reads, writes, closing.
#include "KyStd/Processes/Pipe.h"

#include "KyStd/Core/Errors.h"
#include "KyStd/Processes/PipeIO.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <stdexcept>

namespace Kyvant {
namespace CRT {

namespace {

// Sets the variable name to value in the runtime's environment (an empty
// value removes it); a pipe end without a name publishes nothing.
void PutEnv(const ky_S& name, const ky_S& value)
{
    if (!name.empty())
        value.PutEnv(name.c_str(), name.length());
}

ky_S Decimal(long value)
{
    char text[24];
    _ltoa(value, text, 10);
    return text;
}

} // namespace

Pipe::Pipe(InheritProperties which, bool binary, unsigned size) : fds_{-1, -1}, binary_(binary)
{
    Create(binary, size);
    if (which == NoneInheritable)
        return;
    try {
        MakeInheritable(which == ReadInheritable ? ReadEnd : WriteEnd, true);
    } catch (...) {
        CloseBoth();
        throw;
    }
}

Pipe::Pipe(const ky_S& fdVarName, const ky_S& osHandleVarName, Side side, bool binary,
           unsigned size)
    : fds_{-1, -1}, binary_(binary)
{
    Create(binary, size);
    try {
        MakeInheritable(fdVarName, osHandleVarName, side, true);
    } catch (...) {
        CloseBoth();
        throw;
    }
}

Pipe::~Pipe()
{
    try {
        CloseBoth();
    } catch (...) {
    }
}

void Pipe::Create(bool binary, unsigned size)
{
    int flags = _O_NOINHERIT | (binary ? _O_BINARY : _O_TEXT);
    if (_pipe(fds_, size, flags) == -1) {
        fds_[0] = fds_[1] = -1;
        throw rtl_error(errno);
    }
}

void Pipe::MakeInheritable(const ky_S& fdVarName, const ky_S& osHandleVarName, Side side,
                           bool inheritable)
{
    Unpublish(side);
    fdVar_[side] = fdVarName;
    osVar_[side] = osHandleVarName;
    MakeInheritable(side, inheritable);
}

void Pipe::MakeInheritable(Side side, bool inheritable)
{
    try {
        int fd = fds_[side];
        intptr_t os = fd == -1 ? -1 : _get_osfhandle(fd);
        if (os == -1)
            throw std::runtime_error("Pipe::MakeInheritable failure.");

        // The duplicate keeps the end's access; the old descriptor then
        // closes the original handle, so no handle value is closed twice.
        HANDLE process = GetCurrentProcess();
        HANDLE dup = nullptr;
        if (!DuplicateHandle(process, reinterpret_cast<HANDLE>(os), process, &dup, 0, inheritable,
                             DUPLICATE_SAME_ACCESS))
            throw os_error();
        fds_[side] = -1;
        if (_close(fd) == -1) {
            int err = errno;
            CloseHandle(dup);
            throw rtl_error(err);
        }
        int flags = (binary_ ? _O_BINARY : _O_TEXT) | (inheritable ? 0 : _O_NOINHERIT);
        int newFd = _open_osfhandle(reinterpret_cast<intptr_t>(dup), flags);
        if (newFd == -1) {
            int err = errno;
            CloseHandle(dup);
            throw rtl_error(err);
        }
        fds_[side] = newFd;

        if (inheritable)
            Publish(side);
        else
            Unpublish(side);
    } catch (...) {
        Unpublish(side);
        throw;
    }
}

void Pipe::Publish(Side side)
{
    int fd = fds_[side];
    if (fd == -1) {
        Unpublish(side);
        return;
    }
    PutEnv(fdVar_[side], Decimal(fd));
    PutEnv(osVar_[side], Decimal(static_cast<long>(_get_osfhandle(fd))));
}

void Pipe::Unpublish(Side side)
{
    PutEnv(fdVar_[side], ky_S());
    PutEnv(osVar_[side], ky_S());
}

void Pipe::Write(const void* data, unsigned n)
{
    WritePipe(fds_[WriteEnd], data, n);
}

int Pipe::Write(const std::nothrow_t&, const void* data, unsigned n)
{
    return WritePipe(std::nothrow, fds_[WriteEnd], data, n);
}

void Pipe::Read(void* buffer, unsigned n)
{
    ReadPipe(fds_[ReadEnd], buffer, n);
}

int Pipe::ReadSome(void* buffer, unsigned n)
{
    return _read(fds_[ReadEnd], buffer, n);
}

void Pipe::CloseBoth()
{
    try {
        CloseImp(ReadEnd);
    } catch (...) {
        CloseImp(WriteEnd);
        throw;
    }
    CloseImp(WriteEnd);
}

void Pipe::CloseImp(Side side)
{
    int fd = fds_[side];
    fds_[side] = -1;
    int result = fd != -1 ? _close(fd) : 0;
    int err = errno;
    Unpublish(side);
    if (result == -1)
        throw rtl_error(err);
}

void Pipe::CancelImp(Side side)
{
    fds_[side] = -1;
    Unpublish(side);
}

} // namespace CRT
} // namespace Kyvant
