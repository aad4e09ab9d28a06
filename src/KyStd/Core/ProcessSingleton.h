// One object of type X per process, shared by every module: found by the
// name of Tag in the static data manager, created by the first module that
// asks and destroyed when the last module's handle goes.
#pragma once

#include "KyStd/Core/RefCount.h"
#include "KyStd/Core/StaticDataManager.h"

#include <atomic>
#include <typeinfo>

namespace Kyvant {

// Handle to a registered singleton: the last release erases the registration
// and destroys the object under the manager's lock, so no other module can
// find it half-destroyed.
template <class X, class Tag>
class ky_singleton_handle : public ky_handle<X, RefCountedObject<X>> {
    using Base = ky_handle<X, RefCountedObject<X>>;

public:
    using Base::Base;
    ky_singleton_handle(const ky_singleton_handle&) = default;
    ky_singleton_handle& operator=(const ky_singleton_handle& other)
    {
        if (other.holder() != this->holder()) {
            StaticDataManager::Lock lock;
            ky_singleton_handle old(*this);
            Base::operator=(other);
        }
        return *this;
    }
    ~ky_singleton_handle() override
    {
        StaticDataManager::Lock lock;
        RefCountedObject<X>* held = this->holder();
        if (held && held->Count() == 1) {
            StaticDataManager::erase(typeid(Tag));
        }
        this->reset();
    }
};

template <class X, class Tag = X>
class ProcessSingleton {
public:
    // The process's object, created on first use.
    static X& Get() { return *Handle().get(); }

    static const ky_singleton_handle<X, Tag>& Handle()
    {
        ky_singleton_handle<X, Tag>* h = published().load(std::memory_order_acquire);
        if (h)
            return *h;
        StaticDataManager::Lock lock;
        h = published().load(std::memory_order_relaxed);
        if (h)
            return *h;
        static ky_singleton_handle<X, Tag> moduleHandle(Attach());
        published().store(&moduleHandle, std::memory_order_release);
        return moduleHandle;
    }

private:
    static RefCountedObject<X>* Attach()
    {
        auto* object = static_cast<RefCountedObject<X>*>(StaticDataManager::find(typeid(Tag)));
        if (!object) {
            object = new RefCountedObject<X>();
            try {
                StaticDataManager::insert(typeid(Tag), object);
            } catch (...) {
                delete object;
                throw;
            }
        }
        return object;
    }

    static std::atomic<ky_singleton_handle<X, Tag>*>& published()
    {
        static std::atomic<ky_singleton_handle<X, Tag>*> p{nullptr};
        return p;
    }
};

} // namespace Kyvant
