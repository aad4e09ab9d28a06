// The process-wide registry of singletons: its map, its lock, and find, insert and erase.
#include "KyStd/Core/StaticDataManager.h"

#include "KyStd/Containers/Map.h"
#include "KyStd/Core/CritSec.h"
#include "KyStd/Core/Errors.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace Kyvant {

namespace {

struct CStringLess {
    bool operator()(const char* a, const char* b) const { return std::strcmp(a, b) < 0; }
};

struct Registry {
    Win32::CritSec lock;
    ky_map<const char*, void*, CStringLess> map; // owns its key copies; plain heap nodes
};

// Built on first use, since constants of other modules are built at load time
// and already need it; never destroyed, so late module exits can still erase.
Registry& TheRegistry()
{
    alignas(Registry) static unsigned char storage[sizeof(Registry)];
    static Registry* registry = new (storage) Registry;
    return *registry;
}

} // namespace

StaticDataManager::Lock::Lock()
{
    TheRegistry().lock.Enter();
}
StaticDataManager::Lock::~Lock()
{
    TheRegistry().lock.Leave();
}

void* StaticDataManager::find(const std::type_info& type)
{
    Lock lock;
    auto& map = TheRegistry().map;
    auto it = map.find(type.name());
    return it == map.end() ? nullptr : it->second;
}

void StaticDataManager::insert(const std::type_info& type, void* object)
{
    Lock lock;
    auto& map = TheRegistry().map;
    if (map.find(type.name()) != map.end())
        return;
    char* key = xstrdup(type.name());
    try {
        map.insert({key, object});
    } catch (...) {
        std::free(key);
        throw;
    }
}

void StaticDataManager::erase(const std::type_info& type)
{
    Lock lock;
    auto& map = TheRegistry().map;
    auto it = map.find(type.name());
    if (it == map.end())
        return;
    char* key = const_cast<char*>(it->first);
    map.erase(it);
    std::free(key);
}

} // namespace Kyvant
