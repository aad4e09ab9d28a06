// The exception of the database code: "Database error: \"<file>\"; <operation>; <engine text>".
#pragma once

#include "KyDB/KyDBExport.h"

#include <stdexcept>
#include <string>

namespace Kyvant {

struct IsamDatabase;

namespace KyIsam {

class KYDB_API DbError : public std::runtime_error {
public:
    // The open database's record file names the database; null gives "<Unknown DB>".
    DbError(IsamDatabase* db, const std::string& operation);
    DbError(const std::string& fileName, const std::string& operation);
    DbError(const DbError& other);
    DbError& operator=(const DbError& other);
    ~DbError() override;
};

} // namespace KyIsam
} // namespace Kyvant
