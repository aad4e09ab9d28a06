// Helpers of the record layer's tests.
#include "IsamTestSupport.h"

using namespace Kyvant;

namespace KyDBTest {

IsamDatabase* CreateKeyValue(const std::string& base, IsamIndex** keys)
{
    const char* fields[] = {"key", "value,C", nullptr};
    IsamDatabase* db = IsamCreate(base.c_str(), 0, fields);
    if (!db)
        return nullptr;
    const char* parts[] = {"key", nullptr};
    if (IsamAddIndex(db, "keys,U", parts) != 1)
        return nullptr;
    if (keys)
        *keys = IsamOpenIndex(db, "keys,U");
    return db;
}

int Add(IsamDatabase* db, IsamIndex* index, const std::string& key, const std::string& value)
{
    const char* values[] = {key.c_str(), value.c_str()};
    return IsamAddRecord(db, values, index);
}

int FindKey(IsamDatabase* db, IsamIndex* index, const std::string& key)
{
    const char* values[] = {key.c_str(), nullptr};
    return IsamFind(db, index, values);
}

Row ReadRow(IsamDatabase* db, IsamIndex* index)
{
    std::vector<char> buffer(40000);
    char* fields[2] = {};
    if (IsamReadRecord(db, index, buffer.data(), static_cast<std::uint32_t>(buffer.size()),
                       fields) != 1)
        return {"<error " + std::to_string(IsamError()) + ">", ""};
    return {fields[0], fields[1]};
}

std::vector<Row> Walk(IsamDatabase* db, IsamIndex* index)
{
    std::vector<Row> rows;
    for (int r = IsamFirst(db, index); r == 1; r = IsamNext(db, index))
        rows.push_back(ReadRow(db, index));
    return rows;
}

} // namespace KyDBTest
