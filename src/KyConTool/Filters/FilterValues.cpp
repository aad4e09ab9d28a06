// The filters' values: comparison operators, sizes with units, file times, and their texts.
#include "KyConTool/Filters/FilterValues.h"

#include "KyStd/Core/Errors.h"
#include "KyStd/Strings/NumberConv.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

namespace Kyvant {
namespace AdvancedFiltration {

namespace {

const char* const s_opText[OpCount] = {">=", "<=", ">", "<", "=", "<>"};
const char* const s_unitText[4] = {"", "KB", "MB", "GB"};
const unsigned long long s_unitFactor[4] = {1ull, 1024ull, 1048576ull, 1073741824ull};

bool IsSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

const char* SkipSpaces(const char* p)
{
    while (IsSpace(*p))
        ++p;
    return p;
}

[[noreturn]] void Fail(const char* prefix, const ky_BSB<char>& text)
{
    throw std::runtime_error(std::string(prefix) + text.c_str());
}

} // namespace

const char* GetStringRep(Op_t op)
{
    return s_opText[op];
}

const char* GetIndexingServiceStringRep(Op_t op)
{
    return op == OpNotEqual ? "!=" : s_opText[op];
}

bool GetOp(const char* text, int& used, Op_t& op)
{
    const char* p = SkipSpaces(text);
    if (p[0] == '<' && p[1] == '>') {
        op = OpNotEqual;
        p += 2;
    } else if (p[0] == '<' && p[1] == '=') {
        op = OpLessEqual;
        p += 2;
    } else if (p[0] == '<') {
        op = OpLess;
        ++p;
    } else if (p[0] == '>' && p[1] == '=') {
        op = OpGreaterEqual;
        p += 2;
    } else if (p[0] == '>') {
        op = OpGreater;
        ++p;
    } else if (p[0] == '=') {
        op = OpEqual;
        ++p;
    } else {
        return false;
    }
    used = static_cast<int>(SkipSpaces(p) - text);
    return true;
}

// FileSize

void FileSize::SetSize(unsigned long long number, Units units)
{
    unsigned long long factor = GetUnitsFactor(units);
    if (number > ULLONG_MAX / factor)
        throw std::runtime_error("Overflow in scaled file size");
    number_ = number;
    units_ = units;
    bytes_ = number * factor;
}

unsigned long long FileSize::GetUnitsFactor(Units units)
{
    if (units < Bytes || units > GB)
        throw std::runtime_error("Unknown file size unit");
    return s_unitFactor[units];
}

const char* FileSize::GetUnitsStringRep(Units units)
{
    if (units < Bytes || units > GB)
        throw std::runtime_error("Unknown file size unit");
    return s_unitText[units];
}

ky_S FileSize::AsString() const
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%llu", number_);
    return ky_S(buf) + s_unitText[units_];
}

ky_S FileSize::AsStringForIndexingService() const
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%llu", bytes_);
    return ky_S(buf);
}

void FileSize::Parse(const ky_I& text)
{
    const char* start = text.c_str();
    const char* p = SkipSpaces(start);
    // A sign is no part of a size: "-1" would wrap around to a huge number.
    if (!std::isdigit(static_cast<unsigned char>(*p)))
        Fail("Expected file size in: ", text);
    char* end = nullptr;
    errno = 0;
    unsigned long long number = strtoui64(p, &end, 10);
    if (errno != 0)
        throw std::runtime_error(std::string(std::strerror(errno)) + ": " + text.c_str());
    if (end == p)
        Fail("Expected file size in: ", text);
    p = SkipSpaces(end);
    Units units = Bytes;
    if (*p) {
        if (!p[1])
            Fail("Unexpected characters following file size in: ", text);
        char a = static_cast<char>(std::toupper(static_cast<unsigned char>(p[0])));
        char b = static_cast<char>(std::toupper(static_cast<unsigned char>(p[1])));
        if (b != 'B' || (a != 'K' && a != 'M' && a != 'G'))
            Fail("Expected file size scale factor in: ", text);
        units = a == 'K' ? KB : (a == 'M' ? MB : GB);
        p = SkipSpaces(p + 2);
        if (*p)
            Fail("Unexpected characters following file size scale factor in: ", text);
    }
    SetSize(number, units);
}

// FileTime

FileTime::FileTime(const FILETIME& ft, bool isLocal)
{
    FILETIME utc = ft;
    if (isLocal && !LocalFileTimeToFileTime(&ft, &utc))
        throw os_error();
    value_ = ToValue(utc);
}

FileTime::FileTime(const SYSTEMTIME& st, bool isLocal)
{
    FILETIME ft;
    if (!SystemTimeToFileTime(&st, &ft))
        throw os_error();
    FILETIME utc = ft;
    if (isLocal && !LocalFileTimeToFileTime(&ft, &utc))
        throw os_error();
    value_ = ToValue(utc);
}

FILETIME FileTime::AsFILETIME() const
{
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(value_);
    ft.dwHighDateTime = static_cast<DWORD>(value_ >> 32);
    return ft;
}

FILETIME FileTime::AsLocalFILETIME() const
{
    FILETIME utc = AsFILETIME();
    FILETIME local;
    if (!FileTimeToLocalFileTime(&utc, &local))
        throw os_error();
    return local;
}

ky_S FileTime::AsString() const
{
    FILETIME local = AsLocalFILETIME();
    SYSTEMTIME st;
    if (!FileTimeToSystemTime(&local, &st))
        throw os_error();
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d%02d%02d%02d", st.wYear, st.wMonth, st.wDay,
                  st.wHour, st.wMinute, st.wSecond);
    return ky_S(buf);
}

ky_S FileTime::AsStringForIndexingService() const
{
    FILETIME utc = AsFILETIME();
    SYSTEMTIME st;
    if (!FileTimeToSystemTime(&utc, &st))
        throw os_error();
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", st.wYear, st.wMonth, st.wDay,
                  st.wHour, st.wMinute, st.wSecond);
    return ky_S(buf);
}

void FileTime::Parse(const ky_S& text)
{
    struct Field {
        unsigned pos, len;
        int low, high;
    };
    static const Field fields[6] = {{0, 4, 1601, 9999}, {4, 2, 1, 12},  {6, 2, 1, 31},
                                    {8, 2, 0, 23},      {10, 2, 0, 59}, {12, 2, 0, 59}};
    int values[6];
    for (int i = 0; i < 6; ++i) {
        const Field& f = fields[i];
        bool ok = text.length() >= f.pos + f.len;
        if (ok) {
            // Digits only: the number parser would also take blanks and signs.
            for (unsigned k = 0; k < f.len && ok; ++k)
                ok = std::isdigit(static_cast<unsigned char>(text[f.pos + k])) != 0;
        }
        if (ok) {
            try {
                values[i] = text.substr(f.pos, f.len).GetInt(10);
            } catch (const std::exception&) {
                ok = false;
            }
        }
        if (!ok || values[i] < f.low || values[i] > f.high)
            throw std::runtime_error(
                "Bad date/time: Expecting 14-digit number of the form yyyymmddhhmmss");
    }
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(values[0]);
    st.wMonth = static_cast<WORD>(values[1]);
    st.wDay = static_cast<WORD>(values[2]);
    st.wHour = static_cast<WORD>(values[3]);
    st.wMinute = static_cast<WORD>(values[4]);
    st.wSecond = static_cast<WORD>(values[5]);
    *this = FileTime(st, true);
}

} // namespace AdvancedFiltration
} // namespace Kyvant
