// Process-wide registry of singletons, shared by every module of the process:
// a map from a type's name to an untyped pointer, behind one critical section.
#pragma once

#include "KyStd/KyStdExport.h"

#include <typeinfo>

namespace Kyvant {

class KYSTD_API StaticDataManager {
public:
    // Null when the type was never inserted.
    static void* find(const std::type_info& type);
    // Adds the pair; the name is copied. Callers look up first under Lock.
    static void insert(const std::type_info& type, void* object);
    // Removes the pair; absent names are ignored.
    static void erase(const std::type_info& type);

    // Scoped lock on the manager, for atomic find-or-insert.
    class KYSTD_API Lock {
    public:
        Lock();
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;
    };
};

} // namespace Kyvant
