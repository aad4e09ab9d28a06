// Export macro of the database library: what is marked KYDB_API is exported
// from KyDB.dll and imported by the named-database maps and their users.
#pragma once

#ifdef KyDB_BUILD
#define KYDB_API __declspec(dllexport)
#else
#define KYDB_API __declspec(dllimport)
#endif
