// A second process that holds a file open for reading in a given share mode
// until told to stop: the tests' stand-in for another program using a file.
//
// Usage: KyReplace_file_holder <file> <none|r|rw|rwd> <ready event> <stop event>
// Sets the ready event once the file is open and closes it when the stop
// event is set. Exit code 0, or 2 when the file could not be opened.
#include <windows.h>

#include <cstring>

namespace {

const int kOpenFailed = 2;
const int kBadUsage = 3;
const DWORD kLongestHoldMs = 120000;

struct ShareWord {
    const char* word;
    DWORD mode;
};

const ShareWord kShareWords[] = {
    {"none", 0},
    {"r", FILE_SHARE_READ},
    {"rw", FILE_SHARE_READ | FILE_SHARE_WRITE},
    {"rwd", FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE},
};

bool ShareMode(const char* word, DWORD& mode)
{
    for (const ShareWord& w : kShareWords) {
        if (std::strcmp(w.word, word) == 0) {
            mode = w.mode;
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    DWORD share = 0;
    if (argc != 5 || !ShareMode(argv[2], share))
        return kBadUsage;
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[3]);
    HANDLE stop = OpenEventA(SYNCHRONIZE, FALSE, argv[4]);
    if (!ready || !stop)
        return kBadUsage;
    HANDLE file = CreateFileA(argv[1], GENERIC_READ, share, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return kOpenFailed;
    SetEvent(ready);
    WaitForSingleObject(stop, kLongestHoldMs);
    CloseHandle(file);
    return 0;
}
