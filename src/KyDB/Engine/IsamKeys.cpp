// Building records and keys, splitting records, and the key comparison.
#include "KyDB/Engine/IsamKeys.h"

#include <cstring>

namespace Kyvant {
namespace IsamImpl {

namespace {

bool IsString(int type)
{
    return type == kFieldString || type == kFieldStringCase;
}

unsigned Lower(unsigned c)
{
    return c >= 'A' && c <= 'Z' ? c + 32 : c;
}

// Length of a string value inside [p, end): up to its NUL or the end.
std::uint32_t BoundedLength(const std::uint8_t* p, const std::uint8_t* end)
{
    const void* nul = std::memchr(p, 0, static_cast<std::size_t>(end - p));
    return static_cast<std::uint32_t>((nul ? static_cast<const std::uint8_t*>(nul) : end) - p);
}

int Sign(long long v)
{
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

template <class T>
T Load(const std::uint8_t* p)
{
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Floats in a total order: NaN after every number and equal to itself.
template <class T>
int CompareFloat(T a, T b)
{
    bool an = a != a, bn = b != b;
    if (an || bn)
        return an == bn ? 0 : (an ? 1 : -1);
    return a < b ? -1 : (a > b ? 1 : 0);
}

int CompareFixed(int type, const std::uint8_t* a, const std::uint8_t* b, std::uint32_t size)
{
    switch (type) {
    case kFieldInt16:
        return Sign(static_cast<long long>(Load<std::int16_t>(a)) - Load<std::int16_t>(b));
    case kFieldUInt16:
        return Sign(static_cast<long long>(Load<std::uint16_t>(a)) - Load<std::uint16_t>(b));
    case kFieldInt32:
        return Sign(static_cast<long long>(Load<std::int32_t>(a)) - Load<std::int32_t>(b));
    case kFieldFloat:
        return CompareFloat(Load<float>(a), Load<float>(b));
    case kFieldDouble:
        return CompareFloat(Load<double>(a), Load<double>(b));
    default:
        return Sign(std::memcmp(a, b, size));
    }
}

int CompareBytes(const std::uint8_t* a, std::uint32_t al, const std::uint8_t* b, std::uint32_t bl,
                 bool foldCase)
{
    std::uint32_t n = al < bl ? al : bl;
    for (std::uint32_t i = 0; i < n; ++i) {
        unsigned x = foldCase ? Lower(a[i]) : a[i];
        unsigned y = foldCase ? Lower(b[i]) : b[i];
        if (x != y)
            return x < y ? -1 : 1;
    }
    return al < bl ? -1 : (al > bl ? 1 : 0);
}

// Index keys part by part by the field's type; a key that runs out first sorts first.
int CompareParts(const IsamDatabase& db, const IsamIndex& index, const std::uint8_t* a,
                 std::uint32_t al, const std::uint8_t* b, std::uint32_t bl)
{
    std::uint32_t pa = 1, pb = 1;
    for (const KeyPart& part : index.parts) {
        if (pa >= al || pb >= bl)
            return (pa < al) - (pb < bl);
        const FieldDef& f = db.fields[part.field];
        if (IsString(f.type)) {
            std::uint32_t la = BoundedLength(a + pa, a + al), lb = BoundedLength(b + pb, b + bl);
            int c = CompareBytes(a + pa, la, b + pb, lb, f.type == kFieldString);
            if (c != 0)
                return c;
            pa += la + 1;
            pb += lb + 1;
        } else {
            bool fa = al - pa >= f.size, fb = bl - pb >= f.size;
            if (!fa || !fb) {
                int c = CompareBytes(a + pa, al - pa, b + pb, bl - pb, false);
                return c;
            }
            int c = CompareFixed(f.type, a + pa, b + pb, f.size);
            if (c != 0)
                return c;
            pa += f.size;
            pb += f.size;
        }
    }
    bool moreA = pa < al, moreB = pb < bl;
    if (moreA || moreB) // bytes beyond the parts: only in damaged keys
        return CompareBytes(a + (moreA ? pa : al), moreA ? al - pa : 0, b + (moreB ? pb : bl),
                            moreB ? bl - pb : 0, false);
    return 0;
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

} // namespace

int CompareKeys(const std::uint8_t* a, std::uint32_t al, const std::uint8_t* b, std::uint32_t bl,
                void* context)
{
    if (al == 0 || bl == 0)
        return (al > 0) - (bl > 0);
    if (a[0] != b[0])
        return a[0] < b[0] ? -1 : 1;
    // The first byte alone sorts before every longer key of its family.
    if (al == 1 || bl == 1)
        return (al > 1) - (bl > 1);
    const std::uint8_t kind = a[0];
    if (kind == 0) {
        // Index definitions: by name, ignoring case.
        std::uint32_t la = BoundedLength(a + 1, a + al), lb = BoundedLength(b + 1, b + bl);
        return CompareBytes(a + 1, la, b + 1, lb, true);
    }
    if (kind == kFreeByLength || kind == kFreeByPosition)
        return CompareBytes(a + 1, al - 1, b + 1, bl - 1, false);
    const auto* db = static_cast<const IsamDatabase*>(context);
    const IsamIndex* index = db ? db->byNumber[kind] : nullptr;
    if (!index)
        return CompareBytes(a + 1, al - 1, b + 1, bl - 1, false);
    return CompareParts(*db, *index, a, al, b, bl);
}

int BuildRecord(const IsamDatabase& db, const char* const* values, std::vector<std::uint8_t>& out)
{
    out.clear();
    if (!values)
        return Fail(kIsamNullArgument);
    for (std::size_t i = 0; i < db.fields.size(); ++i) {
        const char* v = values[i];
        if (!v)
            return Fail(kIsamNullArgument);
        const FieldDef& f = db.fields[i];
        std::size_t n = IsString(f.type) ? std::strlen(v) + 1 : f.size;
        if (out.size() + n > kMaxRecordLength)
            return Fail(kIsamDataTooLarge);
        out.insert(out.end(), v, v + n);
    }
    return 1;
}

bool SplitRecord(const IsamDatabase& db, std::uint8_t* data, std::uint32_t n, bool truncated,
                 char** fields)
{
    std::uint32_t at = 0;
    for (std::size_t i = 0; i < db.fields.size(); ++i) {
        const FieldDef& f = db.fields[i];
        char* here = reinterpret_cast<char*>(data + at);
        if (IsString(f.type)) {
            const void* nul = std::memchr(data + at, 0, n - at);
            if (nul) {
                fields[i] = here;
                at = static_cast<std::uint32_t>(static_cast<const std::uint8_t*>(nul) - data) + 1;
            } else if (truncated) {
                fields[i] = here; // ends at the NUL added after the data
                at = n;
            } else {
                return false;
            }
        } else if (n - at >= f.size) {
            fields[i] = here;
            at += f.size;
        } else if (truncated) {
            fields[i] = nullptr;
            at = n;
        } else {
            return false;
        }
    }
    return true;
}

int BuildKey(const IsamDatabase& db, const IsamIndex& index, const char* const* values,
             std::vector<std::uint8_t>& key)
{
    key.assign(1, static_cast<std::uint8_t>(index.number));
    if (!values)
        return Fail(kIsamNullArgument);
    for (const KeyPart& part : index.parts) {
        const char* v = values[part.field];
        if (!v)
            return Fail(kIsamNullArgument);
        const FieldDef& f = db.fields[part.field];
        if (IsString(f.type)) {
            std::size_t len = std::strlen(v);
            std::size_t from = part.start < len ? part.start : len;
            std::size_t take = len - from;
            if (part.hasLength && part.length < take)
                take = part.length;
            key.insert(key.end(), v + from, v + from + take);
            key.push_back(0);
        } else {
            key.insert(key.end(), v, v + f.size);
        }
        if (key.size() > KeyBufferSize())
            return Fail(kIsamKeyTooLong);
    }
    return 1;
}

std::vector<std::uint8_t> FreeLengthKey(std::uint32_t length)
{
    std::vector<std::uint8_t> k(1, kFreeByLength);
    PutBigEndian(k, length, 2);
    return k;
}

std::vector<std::uint8_t> FreePositionKey(std::int32_t pos)
{
    std::vector<std::uint8_t> k(1, kFreeByPosition);
    PutBigEndian(k, static_cast<std::uint32_t>(pos), 4);
    return k;
}

std::uint32_t BigEndian(const std::uint8_t* p, std::uint32_t n)
{
    std::uint32_t v = 0;
    for (std::uint32_t i = 0; i < n; ++i)
        v = (v << 8) | p[i];
    return v;
}

} // namespace IsamImpl
} // namespace Kyvant
