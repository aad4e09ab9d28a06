// Scoped database lock.
#include "KyDB/Engine/DbLockGuard.h"

#include "KyDB/Engine/DbError.h"
#include "KyDB/Engine/Isam.h"

namespace Kyvant {
namespace KyIsam {

DbLockGuard::DbLockGuard(IsamDatabase* db, int kind, bool lockNow)
    : db_(db), kind_(kind), held_(false)
{
    if (!lockNow)
        return;
    if (IsamLock(db_, kind_) != 1)
        throw DbError(db_, "Lock");
    held_ = true;
}

DbLockGuard::~DbLockGuard()
{
    try {
        Release();
    } catch (...) {
        // A destructor must not throw; the lock goes with the database's close.
    }
}

void DbLockGuard::Release()
{
    if (!held_)
        return;
    held_ = false;
    if (IsamUnlock(db_, kind_) != 1)
        throw DbError(db_, "Unlock");
}

} // namespace KyIsam
} // namespace Kyvant
