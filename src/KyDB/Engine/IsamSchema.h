// Field specifications, the record file's dictionary and index key parts.
#pragma once

#include "KyDB/Engine/IsamInternal.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Kyvant {
namespace IsamImpl {

// "name", or "name,T" with T one of S C I U L F D, or "B" with ":size".
FieldDef ParseField(const char* spec);
// 2 plus the minimum sizes of all fields, at most 32.
std::uint32_t MinRecordLength(const std::vector<FieldDef>& fields);

// Dictionary bytes: u16 length N, u16 field count, N bytes of specifications.
// False when the specifications do not fit the 16-bit length.
bool EncodeDictionary(const std::vector<std::string>& specs, std::vector<std::uint8_t>& out);
// Splits N bytes of NUL-terminated specifications; false unless exactly `count` fit.
bool DecodeDictionary(const std::uint8_t* bytes, std::uint32_t n, std::uint32_t count,
                      std::vector<FieldDef>& fields);

// A key part text: a field name, optionally ":length" or ":start,length".
bool ParseKeyPart(const std::vector<FieldDef>& fields, const std::string& text, KeyPart& part);
// The part as stored and listed: the field name with ":length" or ":start,length".
std::string KeyPartText(const std::vector<FieldDef>& fields, const KeyPart& part);
// A comma followed by 'U' or 'u' anywhere in an index name makes it unique.
bool IsUniqueName(const std::string& name);

} // namespace IsamImpl
} // namespace Kyvant
