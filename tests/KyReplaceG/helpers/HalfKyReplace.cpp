// Stands in for a KyReplace that fails the front-end half-way: it sets the
// front-end's event as if its pipes were ready, creates none of its own
// objects, and waits to be ended.
#include <windows.h>

#include <cstdlib>
#include <string>

int main()
{
    const char* prefix = std::getenv("Kyvant_Protocol_Prefix_EnvVar");
    const std::string name =
        std::string(prefix ? prefix : "") + "Kyvant_KyReplaceG_KyReplace_Event";
    HANDLE ready = OpenEventA(EVENT_ALL_ACCESS, FALSE, name.c_str());
    if (!ready)
        return 4;
    SetEvent(ready);
    Sleep(60000);
    return 0;
}
