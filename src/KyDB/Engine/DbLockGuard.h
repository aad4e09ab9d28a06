// Holds a lock on a shared database for a scope: taken at construction,
// given back by Release or, with any failure swallowed, by the destructor.
#pragma once

#include "KyDB/KyDBExport.h"

namespace Kyvant {

struct IsamDatabase;

namespace KyIsam {

class KYDB_API DbLockGuard {
public:
    // With `lockNow`, takes the lock (kind 1 shared, 2 exclusive) and throws
    // DbError with the operation "Lock" when it cannot be had.
    DbLockGuard(IsamDatabase* db, int kind, bool lockNow = true);
    ~DbLockGuard();
    DbLockGuard(const DbLockGuard&) = delete;
    DbLockGuard& operator=(const DbLockGuard&) = delete;

    // Unlocks when held; throws DbError with the operation "Unlock" on failure.
    void Release();
    bool Held() const { return held_; }

private:
    IsamDatabase* db_;
    int kind_;
    bool held_;
};

} // namespace KyIsam
} // namespace Kyvant
