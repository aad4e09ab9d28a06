// Pipe ends named in the environment by their OS handles, opened as C-runtime descriptors.
#include "InheritedPipe.h"

#include "KyStd/Win32/HandleWord.h"

#include <fcntl.h>
#include <io.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace Kyvant {
namespace KyPerl {

bool PipeNamed(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

int InheritedPipe(const char* variable, int mode)
{
    if (!PipeNamed(variable))
        throw std::runtime_error(std::string("Missing environment variable ") + variable);
    const char* value = std::getenv(variable);
    char* end = nullptr;
    const unsigned long handle = std::strtoul(value, &end, 10);
    if (*end || handle == 0)
        throw std::runtime_error(std::string("Bad handle in ") + variable);
    const int fd =
        _open_osfhandle(reinterpret_cast<intptr_t>(Win32::WordToHandle(handle)), mode | _O_BINARY);
    if (fd == -1)
        throw std::runtime_error(std::string("Unusable handle in ") + variable);
    return fd;
}

} // namespace KyPerl
} // namespace Kyvant
