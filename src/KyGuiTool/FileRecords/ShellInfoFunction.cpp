// The replaceable shell-information call of the file records.
#include "KyGuiTool/FileRecords/ShellInfoFunction.h"

#include <atomic>

namespace Kyvant {
namespace ShFileRec {

namespace {

std::atomic<ShellInfoFunction>& Installed()
{
    static std::atomic<ShellInfoFunction> f(&::SHGetFileInfoA);
    return f;
}

} // namespace

ShellInfoFunction SetShellInfoFunction(ShellInfoFunction f)
{
    return Installed().exchange(f != nullptr ? f : &::SHGetFileInfoA);
}

DWORD_PTR GetShellInfo(LPCSTR path, DWORD attributes, SHFILEINFOA& info, UINT flags)
{
    return Installed().load()(path, attributes, &info, sizeof info, flags);
}

} // namespace ShFileRec
} // namespace Kyvant
