// Helper process of the two-process tests: one command per run, its result
// as the exit code (0 success, 100 + the engine's error number on failure)
// and a line of details on standard output.
#include "KyDB/Engine/BlockPool.h"
#include "KyDB/Engine/BTree.h"
#include "KyDB/Engine/DbLockGuard.h"
#include "KyDB/Engine/Isam.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace Kyvant;

namespace {

int Finish(int rc, DWORD start)
{
    std::printf("ms=%lu\n", GetTickCount() - start);
    std::fflush(stdout);
    return rc;
}

HANDLE OpenNamedEvent(const char* name)
{
    return OpenEventA(EVENT_MODIFY_STATE | SYNCHRONIZE, FALSE, name);
}

// Sets `ready` and waits (up to a minute) for `release`.
void Handshake(const char* ready, const char* release)
{
    HANDLE r = OpenNamedEvent(ready), g = OpenNamedEvent(release);
    SetEvent(r);
    WaitForSingleObject(g, 60000);
    CloseHandle(r);
    CloseHandle(g);
}

int BtCommand(int argc, char** argv)
{
    std::string cmd = argv[1];
    PoolCreate(1024, 16);
    BTreeHandle* h = BtOpen(argv[2], nullptr, nullptr, true, false);
    if (!h)
        return 100 + CbtError();
    DWORD start = GetTickCount();
    int rc = 0;
    if (cmd == "bt-insert" && argc >= 5) {
        if (BtInsert(h, argv[3], static_cast<std::uint32_t>(std::strlen(argv[3])),
                     std::atoi(argv[4]), false) != 1)
            rc = 100 + CbtError();
    } else if (cmd == "bt-lock" && argc >= 4) {
        if (BtLock(h, std::atoi(argv[3])) != 1)
            rc = 100 + CbtError();
    } else if (cmd == "bt-hold" && argc >= 6) {
        if (BtLock(h, std::atoi(argv[3])) != 1)
            return 100 + CbtError();
        Handshake(argv[4], argv[5]);
    } else {
        rc = 2;
    }
    rc = Finish(rc, start);
    BtCloseAll();
    return rc;
}

int TryLock(char** argv)
{
    HANDLE f = CreateFileA(argv[2], GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return 2;
    DWORD offset = static_cast<DWORD>(std::atol(argv[3])),
          length = static_cast<DWORD>(std::atol(argv[4]));
    int rc = 1;
    if (LockFile(f, offset, 0, length, 0)) {
        UnlockFile(f, offset, 0, length, 0);
        rc = 0;
    }
    CloseHandle(f);
    return rc;
}

int LockHold(char** argv)
{
    HANDLE f = CreateFileA(argv[2], GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return 2;
    DWORD offset = static_cast<DWORD>(std::atol(argv[3])),
          length = static_cast<DWORD>(std::atol(argv[4]));
    if (!LockFile(f, offset, 0, length, 0))
        return 1;
    Handshake(argv[5], argv[6]);
    UnlockFile(f, offset, 0, length, 0);
    CloseHandle(f);
    return 0;
}

DWORD g_start = 0;

int IsamFail(const char* what)
{
    std::printf("%s: %d %s (cbt %d) ms=%lu\n", what, IsamError(), IsamErrorText(IsamError()),
                CbtError(), GetTickCount() - g_start);
    std::fflush(stdout);
    return 100 + IsamError();
}

int IsamCommand(int argc, char** argv)
{
    std::string cmd = argv[1];
    g_start = GetTickCount();
    IsamDatabase* db = IsamOpen(argv[2], true, false);
    if (!db)
        return IsamFail("open");
    IsamIndex* keys = IsamOpenIndex(db, "keys,U");
    if (!keys)
        return IsamFail("index");
    if (cmd == "isam-add" && argc >= 7)
        Handshake(argv[5], argv[6]); // opened; the adds wait for the start signal
    DWORD start = g_start = GetTickCount();
    int rc = 0;
    if (cmd == "isam-add" && argc >= 5) {
        // Adds <count> records "<prefix><n>" = "value <n>".
        int count = std::atoi(argv[4]);
        for (int i = 0; i < count && rc == 0; ++i) {
            std::string key = std::string(argv[3]) + std::to_string(i);
            std::string value = "value " + std::to_string(i);
            const char* values[] = {key.c_str(), value.c_str()};
            if (IsamAddRecord(db, values, keys) != 1)
                rc = IsamFail("add");
        }
    } else if (cmd == "isam-find" && argc >= 5) {
        int count = std::atoi(argv[4]);
        char buffer[256];
        char* fields[2];
        for (int i = 0; i < count && rc == 0; ++i) {
            std::string key = std::string(argv[3]) + std::to_string(i);
            std::string value = "value " + std::to_string(i);
            const char* values[] = {key.c_str(), nullptr};
            if (IsamFind(db, keys, values) != kIsamFound)
                rc = IsamFail(("find " + key).c_str());
            else if (IsamReadRecord(db, keys, buffer, sizeof buffer, fields) != 1 ||
                     key != fields[0] || value != fields[1])
                rc = IsamFail(("read " + key).c_str());
        }
    } else if (cmd == "isam-hold" && argc >= 6) {
        KyIsam::DbLockGuard guard(db, std::atoi(argv[3]));
        Handshake(argv[4], argv[5]);
    } else {
        rc = 2;
    }
    rc = Finish(rc, start);
    IsamClose(db);
    return rc;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    std::string cmd = argv[1];
    try {
        if (cmd.compare(0, 3, "bt-") == 0)
            return BtCommand(argc, argv);
        if (cmd == "try-lock" && argc >= 5)
            return TryLock(argv);
        if (cmd == "lock-hold" && argc >= 7)
            return LockHold(argv);
        if (cmd.compare(0, 5, "isam-") == 0)
            return IsamCommand(argc, argv);
    } catch (const std::exception& e) {
        std::printf("exception: %s\n", e.what());
        return 3;
    }
    return 2;
}
