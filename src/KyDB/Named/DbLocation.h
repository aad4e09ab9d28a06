// Where the database files live: the folder named by the registry value
// DBPath when it exists; else the database library's own folder when the
// database file is there; else the user's application-data folder +
// "\Kyvant\Tools", created as needed. The chosen folder is written back.
#pragma once

#include "KyDB/KyDBExport.h"
#include "KyStd/Strings/String.h"

#include <windows.h>

namespace Kyvant {

// Under HKEY_CURRENT_USER.
constexpr const char kSharedSettingsKey[] = "Software\\Kyvant\\Tools\\Shared";
constexpr const char kDbPathValue[] = "DBPath";
// REG_MULTI_SZ: the folders the database library created, outermost first.
constexpr const char kDbCreatedPathsValue[] = "DBCreatedPaths";

// The base path (folder joined with the base name, without extension).
KYDB_API ky_S LocateDatabase(HINSTANCE module, const char* baseName);

// The module handle of the database library.
KYDB_API HINSTANCE GetKyDBModule();

} // namespace Kyvant
