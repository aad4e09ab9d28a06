// Helper process of the named-database tests.
//   insert <prefix> <count> <startEvent>  waits for the event, then inserts
//                                         count path plans named prefix + N
//   count                                 exit code: the number of path plans
//   erase <name>                          erases the path plan and its record
//   hold <file> <readyEvent> <endEvent>   holds the file open exclusively
//                                         from readyEvent until endEvent
// Failures print their text and exit with 1000 or more.
#include "KyDB/Named/PathPlanDB.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

using namespace Kyvant;

namespace {

int Insert(const char* prefix, int count, HANDLE start)
{
    if (WaitForSingleObject(start, 60000) != WAIT_OBJECT_0)
        return 1001;
    PathPlanDB& db = PathPlanDB::Instance();
    PathPlanItem::StringList paths;
    paths.push_back(ky_S("C:\\src\\") + prefix);
    const PathPlanItem::StringList none;
    const PathPlanItem plan(paths, "*.cpp", "+", none, none);
    for (int i = 0; i < count; ++i) {
        db.Insert(ky_I((std::string(prefix) + std::to_string(i)).c_str()), plan);
        // A breath between items, as a user's changes have: a writer that
        // relocks at once can outlast the other's lock retries on a slow disk.
        Sleep(1);
    }
    return 0;
}

int Hold(const char* file, HANDLE ready, HANDLE end)
{
    HANDLE h =
        CreateFileA(file, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return 1002;
    SetEvent(ready);
    WaitForSingleObject(end, 60000);
    CloseHandle(h);
    return 0;
}

HANDLE Event(const char* name)
{
    return OpenEventA(SYNCHRONIZE | EVENT_MODIFY_STATE, FALSE, name);
}

} // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 5 && std::strcmp(argv[1], "insert") == 0)
            return Insert(argv[2], std::atoi(argv[3]), Event(argv[4]));
        if (argc == 2 && std::strcmp(argv[1], "count") == 0)
            return static_cast<int>(PathPlanDB::Instance().size());
        if (argc == 3 && std::strcmp(argv[1], "erase") == 0) {
            PathPlanDB::Instance().Erase(ky_I(argv[2]), true);
            return 0;
        }
        if (argc == 5 && std::strcmp(argv[1], "hold") == 0)
            return Hold(argv[2], Event(argv[3]), Event(argv[4]));
        return 1003;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1000;
    }
}
