// Child process of the kernel-object, shared-memory, pipe and process tests.
// With no arguments it exits with 7; otherwise argv[1] names the task:
//   exit N                 exit with N
//   setevent NAME          open the named event and set it
//   readshm NAME TEXT      exit 0 when the named mapping starts with TEXT
//   writepipe FDVAR OSVAR  write through the inherited pipe end named by the
//                          two variables: "fd:" via the descriptor, then
//                          "os:" via the OS handle
//   args ...               print each further argument as <length>:<text>\n
#include "KyStd/Win32/SharedMemory.h"
#include "KyStd/Win32/SyncObjects.h"

#include <windows.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace Kyvant;

namespace {

int WritePipeEnds(const char* fdVar, const char* osVar)
{
    const char* fdText = std::getenv(fdVar);
    const char* osText = std::getenv(osVar);
    if (!fdText || !osText)
        return 20;
    int fd = std::atoi(fdText);
    if (_write(fd, "fd:", 3) != 3)
        return 21;
    HANDLE h = reinterpret_cast<HANDLE>(std::strtoul(osText, nullptr, 10));
    DWORD written = 0;
    if (!WriteFile(h, "os:", 3, &written, nullptr) || written != 3)
        return 22;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 7;
    try {
        const char* task = argv[1];
        if (!std::strcmp(task, "exit") && argc == 3)
            return std::atoi(argv[2]);
        if (!std::strcmp(task, "setevent") && argc == 3) {
            Win32::Event(KyOpen, argv[2]).Set();
            return 0;
        }
        if (!std::strcmp(task, "readshm") && argc == 4) {
            Win32::SharedMemory shm(argv[2]);
            size_t n = std::strlen(argv[3]);
            return shm.GetSize() >= n && !std::memcmp(shm.GetBegin(), argv[3], n) ? 0 : 1;
        }
        if (!std::strcmp(task, "writepipe") && argc == 4)
            return WritePipeEnds(argv[2], argv[3]);
        if (!std::strcmp(task, "args")) {
            for (int i = 2; i < argc; ++i)
                std::printf("%u:%s\n", static_cast<unsigned>(std::strlen(argv[i])), argv[i]);
            return 0;
        }
    } catch (...) {
        return 3;
    }
    return 4;
}
