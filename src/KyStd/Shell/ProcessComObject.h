// A COM interface pointer shared by every module of the process: obtained on
// first use and registered under the name of Tag in the static data manager.
// It is never released, because modules unload (process detach) after COM may
// already have been uninitialised; the end of the process owns it.
#pragma once

#include "KyStd/Core/StaticDataManager.h"

#include <atomic>
#include <typeinfo>

namespace Kyvant {

template <class I, class Tag>
class ProcessComObject {
public:
    // make() returns the object with one reference or throws. It runs outside
    // the manager's lock (it may load DLLs); when another thread registered an
    // object meanwhile, that one wins and the new one is released.
    template <class Make>
    static I* Get(Make make)
    {
        I* p = cache().load(std::memory_order_acquire);
        if (p)
            return p;
        p = Find();
        if (!p) {
            I* made = make();
            StaticDataManager::Lock lock;
            p = static_cast<I*>(StaticDataManager::find(typeid(Tag)));
            if (p) {
                made->Release();
            } else {
                try {
                    StaticDataManager::insert(typeid(Tag), made);
                } catch (...) {
                    made->Release();
                    throw;
                }
                p = made;
            }
        }
        cache().store(p, std::memory_order_release);
        return p;
    }

private:
    static I* Find()
    {
        StaticDataManager::Lock lock;
        return static_cast<I*>(StaticDataManager::find(typeid(Tag)));
    }
    static std::atomic<I*>& cache()
    {
        static std::atomic<I*> c{nullptr};
        return c;
    }
};

} // namespace Kyvant
