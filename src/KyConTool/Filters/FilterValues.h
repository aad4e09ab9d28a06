// The values and operators of the advanced size and time filters: the six
// comparison operators, a file size with the unit it was typed in, and a
// UTC file time with its local-time text form.
#pragma once

#include "KyConTool/KyConToolExport.h"
#include "KyStd/Strings/String.h"

#include <windows.h>

namespace Kyvant {
namespace AdvancedFiltration {

enum Op_t {
    OpGreaterEqual = 0, // ">="
    OpLessEqual = 1,    // "<="
    OpGreater = 2,      // ">"
    OpLess = 3,         // "<"
    OpEqual = 4,        // "="
    OpNotEqual = 5      // "<>" ("!=" for the Indexing Service)
};
constexpr int OpCount = 6;

KYCONTOOL_API const char* GetStringRep(Op_t op);
KYCONTOOL_API const char* GetIndexingServiceStringRep(Op_t op);
// Skips blanks, reads an operator and the blanks behind it; used is the
// offset of the first character after them. False when no operator stands there.
KYCONTOOL_API bool GetOp(const char* text, int& used, Op_t& op);

class KYCONTOOL_API FileSize {
public:
    enum Units { Bytes = 0, KB = 1, MB = 2, GB = 3 };

    FileSize() : bytes_(0), number_(0), units_(Bytes) {}
    FileSize(unsigned long long number, Units units) : FileSize() { SetSize(number, units); }

    // The byte size is number times the unit's factor: "Overflow in scaled
    // file size" when it does not fit in 64 bits.
    void SetSize(unsigned long long number, Units units);
    unsigned long long GetBytes() const { return bytes_; }
    unsigned long long GetNumber() const { return number_; }
    Units GetUnits() const { return units_; }

    static unsigned long long GetUnitsFactor(Units units);
    static const char* GetUnitsStringRep(Units units);

    // The number as typed with its unit ("10KB"); the byte count in decimal.
    ky_S AsString() const;
    ky_S AsStringForIndexingService() const;
    // A decimal number, optional blanks, an optional "KB", "MB" or "GB".
    void Parse(const ky_I& text);

    bool operator==(const FileSize& o) const { return bytes_ == o.bytes_ && units_ == o.units_; }
    bool operator!=(const FileSize& o) const { return !(*this == o); }

private:
    unsigned long long bytes_;
    unsigned long long number_;
    Units units_;
};

class KYCONTOOL_API FileTime {
public:
    FileTime() : value_(0) {}
    explicit FileTime(const FILETIME& utc) : value_(ToValue(utc)) {}
    // Local values are converted to UTC (os_error on failure).
    FileTime(const FILETIME& ft, bool isLocal);
    FileTime(const SYSTEMTIME& st, bool isLocal);

    FILETIME AsFILETIME() const;
    FILETIME AsLocalFILETIME() const;
    unsigned long long GetValue() const { return value_; }

    // Local time as yyyymmddhhmmss; UTC as "yyyy-mm-dd hh:mm:ss".
    ky_S AsString() const;
    ky_S AsStringForIndexingService() const;
    // Fourteen digits yyyymmddhhmmss of local time.
    void Parse(const ky_S& text);

    bool operator==(const FileTime& o) const { return value_ == o.value_; }
    bool operator!=(const FileTime& o) const { return value_ != o.value_; }

    static unsigned long long ToValue(const FILETIME& ft)
    {
        return (static_cast<unsigned long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    }

private:
    unsigned long long value_;
};

} // namespace AdvancedFiltration
} // namespace Kyvant
