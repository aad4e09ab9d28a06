// Deleting the database files and the folders the databases created, when the user agrees.
#pragma once

#include <windows.h>

namespace KyUninst {

enum class DatabaseAnswer { NotAsked, Kept, Deleted, Cancelled };

// Reads "DBCreatedPaths" and, when it names folders, asks the user and
// deletes on Yes.
DatabaseAnswer OfferDatabaseRemoval(HWND owner);

} // namespace KyUninst
