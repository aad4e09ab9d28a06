// Field specifications, the dictionary and key parts.
#include "KyDB/Engine/IsamSchema.h"

#include <cstdlib>
#include <cstring>

namespace Kyvant {
namespace IsamImpl {

namespace {

// A whole decimal number up to `max`; false for anything else.
bool ParseNumber(const std::string& text, std::uint32_t max, std::uint32_t& value)
{
    if (text.empty() || text.size() > 9)
        return false;
    std::uint32_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + static_cast<std::uint32_t>(c - '0');
    }
    if (v > max)
        return false;
    value = v;
    return true;
}

int FindField(const std::vector<FieldDef>& fields, const std::string& name)
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (SameText(fields[i].spec, name))
            return static_cast<int>(i);
    return -1;
}

} // namespace

FieldDef ParseField(const char* spec)
{
    FieldDef f;
    f.spec = spec;
    const char* comma = std::strrchr(spec, ',');
    if (!comma)
        return f;
    char letter = comma[1];
    if (letter >= 'a' && letter <= 'z')
        letter = static_cast<char>(letter - 32);
    switch (letter) {
    case 'S':
        break;
    case 'C':
        f.type = kFieldStringCase;
        break;
    case 'I':
        f.type = kFieldInt16;
        f.size = f.minSize = 2;
        break;
    case 'U':
        f.type = kFieldUInt16;
        f.size = f.minSize = 2;
        break;
    case 'L':
        f.type = kFieldInt32;
        f.size = f.minSize = 4;
        break;
    case 'F':
        f.type = kFieldFloat;
        f.size = f.minSize = 4;
        break;
    case 'D':
        f.type = kFieldDouble;
        f.size = f.minSize = 8;
        break;
    case 'B': {
        f.type = kFieldBinary;
        std::uint32_t n = 1;
        if (comma[2] == ':') {
            // Missing or 0 gives 1 byte, anything over 32767 gives 32767.
            const char* digits = comma + 3;
            unsigned long long v = 0;
            bool any = false;
            for (; *digits >= '0' && *digits <= '9'; ++digits) {
                any = true;
                if (v < 100000)
                    v = v * 10 + static_cast<unsigned>(*digits - '0');
            }
            if (any)
                n = v == 0
                        ? 1
                        : (v > kMaxRecordLength ? kMaxRecordLength : static_cast<std::uint32_t>(v));
        }
        f.size = f.minSize = n;
        break;
    }
    default:
        f.minSize = 0;
        break;
    }
    return f;
}

std::uint32_t MinRecordLength(const std::vector<FieldDef>& fields)
{
    std::uint32_t total = 2;
    for (const FieldDef& f : fields) {
        total += f.minSize;
        if (total >= 32)
            return 32;
    }
    return total;
}

bool EncodeDictionary(const std::vector<std::string>& specs, std::vector<std::uint8_t>& out)
{
    std::size_t n = 0;
    for (const std::string& s : specs)
        n += s.size() + 1;
    if (n > 0xFFFF || specs.size() > 0xFFFF)
        return false;
    out.assign(4, 0);
    out[0] = static_cast<std::uint8_t>(n);
    out[1] = static_cast<std::uint8_t>(n >> 8);
    out[2] = static_cast<std::uint8_t>(specs.size());
    out[3] = static_cast<std::uint8_t>(specs.size() >> 8);
    for (const std::string& s : specs)
        out.insert(out.end(), s.c_str(), s.c_str() + s.size() + 1);
    return true;
}

bool DecodeDictionary(const std::uint8_t* bytes, std::uint32_t n, std::uint32_t count,
                      std::vector<FieldDef>& fields)
{
    fields.clear();
    std::uint32_t at = 0;
    while (at < n) {
        const void* nul = std::memchr(bytes + at, 0, n - at);
        if (!nul)
            return false;
        auto end = static_cast<std::uint32_t>(static_cast<const std::uint8_t*>(nul) - bytes);
        fields.push_back(ParseField(reinterpret_cast<const char*>(bytes + at)));
        at = end + 1;
    }
    return count > 0 && fields.size() == count;
}

bool ParseKeyPart(const std::vector<FieldDef>& fields, const std::string& text, KeyPart& part)
{
    part = KeyPart();
    // Field names may hold ':' and ',' themselves, so a whole match comes first.
    int whole = FindField(fields, text);
    if (whole >= 0) {
        part.field = whole;
        return true;
    }
    std::size_t colon = text.rfind(':');
    if (colon == std::string::npos)
        return false;
    int field = FindField(fields, text.substr(0, colon));
    if (field < 0)
        return false;
    std::string suffix = text.substr(colon + 1);
    std::size_t comma = suffix.find(',');
    std::uint32_t start = 0, length = 0;
    if (comma == std::string::npos) {
        if (!ParseNumber(suffix, kMaxRecordLength, length))
            return false;
    } else if (!ParseNumber(suffix.substr(0, comma), kMaxRecordLength, start) ||
               !ParseNumber(suffix.substr(comma + 1), kMaxRecordLength, length)) {
        return false;
    }
    part.field = field;
    part.start = start;
    part.length = length;
    part.hasLength = true;
    return true;
}

std::string KeyPartText(const std::vector<FieldDef>& fields, const KeyPart& part)
{
    std::string text = fields[part.field].spec;
    if (part.hasLength) {
        text += ':';
        if (part.start != 0)
            text += std::to_string(part.start) + ',';
        text += std::to_string(part.length);
    }
    return text;
}

bool IsUniqueName(const std::string& name)
{
    for (std::size_t i = 0; i + 1 < name.size(); ++i)
        if (name[i] == ',' && (name[i + 1] == 'U' || name[i + 1] == 'u'))
            return true;
    return false;
}

} // namespace IsamImpl
} // namespace Kyvant
