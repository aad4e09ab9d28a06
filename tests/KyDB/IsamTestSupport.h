// Small helpers of the record layer's tests.
#pragma once

#include "KyDB/Engine/Isam.h"

#include <string>
#include <vector>

namespace KyDBTest {

// A database of fields "key" and "value,C" with the unique index "keys,U".
Kyvant::IsamDatabase* CreateKeyValue(const std::string& base, Kyvant::IsamIndex** keys = nullptr);

int Add(Kyvant::IsamDatabase* db, Kyvant::IsamIndex* index, const std::string& key,
        const std::string& value);
int FindKey(Kyvant::IsamDatabase* db, Kyvant::IsamIndex* index, const std::string& key);

struct Row {
    std::string key, value;
};
// The current record's two fields.
Row ReadRow(Kyvant::IsamDatabase* db, Kyvant::IsamIndex* index);
// Every record in the index's order ("Physical Index": file order).
std::vector<Row> Walk(Kyvant::IsamDatabase* db, Kyvant::IsamIndex* index);

} // namespace KyDBTest
