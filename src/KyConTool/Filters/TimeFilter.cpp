// The time filter "T": parsing dates and "in the last n units", its texts, setters and test.
#include "KyConTool/Filters/TimeFilter.h"

#include "KyStd/Win32/TimeConv.h"

#include <cctype>
#include <cstdio>
#include <ctime>
#include <stdexcept>
#include <string>

namespace Kyvant {
namespace AdvancedFiltration {

namespace {

const char s_fieldLetters[3] = {'M', 'C', 'A'};
const char* const s_fieldProperties[3] = {"@write", "@create", "@access"};
const char s_unitLetters[7] = {'S', 'I', 'H', 'D', 'W', 'M', 'Y'};

const char* SkipSpaces(const char* p)
{
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    return p;
}

char Upper(char c)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

[[noreturn]] void Fail(const char* prefix, const ky_I& text)
{
    throw std::runtime_error(std::string(prefix) + text.c_str());
}

} // namespace

void TimeFilter::Clear()
{
    Conditions<FileTime>::Clear();
    field_ = FileTimeNone;
    mode_ = ModeNone;
    units_ = InTheLastNone;
    n_ = 0;
}

ky_S TimeFilter::AsString() const
{
    if (count_ == 0)
        return ky_S();
    ky_S out(1, GetFilterCode());
    if (field_ < FileTimeNone)
        out += s_fieldLetters[field_];
    if (mode_ == ModeInTheLast) {
        char buf[24];
        std::snprintf(buf, sizeof buf, "L%c%d", s_unitLetters[units_], n_);
        out += buf;
    } else {
        AppendConditions(out);
    }
    return out;
}

ky_S TimeFilter::AsStringForIndexingService() const
{
    if (count_ == 0)
        return ky_S();
    if (mode_ != ModeInTheLast)
        return Conditions<FileTime>::AsStringForIndexingService();
    char unit = units_ == InTheLastMinutes ? 'N' : s_unitLetters[units_];
    char buf[32];
    std::snprintf(buf, sizeof buf, " >= -%d%c)", n_ + 2, unit);
    return ky_S("(") + GetIndexingServiceFilterCode() + buf;
}

void TimeFilter::Parse(const ky_I& text)
{
    const char* p = SkipSpaces(text.c_str());
    switch (Upper(*p)) {
    case 'M':
        field_ = FileTimeWrite;
        break;
    case 'C':
        field_ = FileTimeCreation;
        break;
    case 'A':
        field_ = FileTimeAccess;
        break;
    default:
        Fail("Expected [CMA] in: ", text);
    }
    p = SkipSpaces(p + 1);
    if (Upper(*p) == 'L') {
        ParseInTheLast(SkipSpaces(p + 1), text);
        return;
    }
    Conditions<FileTime>::Parse(ky_I(p));
    bool from = set_[OpGreaterEqual], to = set_[OpLess];
    mode_ = from && to ? ModeBetween : (from ? ModeAfter : (to ? ModeBefore : ModeNone));
}

void TimeFilter::ParseInTheLast(const char* p, const ky_I& text)
{
    InTheLastTimeUnits units = InTheLastNone;
    for (int i = 0; i < 7; ++i) {
        if (*p && Upper(*p) == s_unitLetters[i])
            units = static_cast<InTheLastTimeUnits>(i);
    }
    if (units == InTheLastNone)
        Fail("Expected [YWMDHIS] to define the in-the-last units in: ", text);
    ky_S number(p + 1);
    number.EraseBackSpaces();
    int n = number.GetInt(10);
    if (n < 0)
        Fail("Expected positive number for the in-the-last value part of: ", text);

    std::time_t now = std::time(nullptr);
    std::tm tm = *std::localtime(&now);
    switch (units) {
    case InTheLastSeconds:
        tm.tm_sec -= n;
        break;
    case InTheLastMinutes:
        tm.tm_sec = 0;
        tm.tm_min -= n;
        break;
    case InTheLastHours:
        tm.tm_sec = tm.tm_min = 0;
        tm.tm_hour -= n;
        break;
    case InTheLastDays:
        tm.tm_sec = tm.tm_min = tm.tm_hour = 0;
        tm.tm_mday -= n;
        break;
    case InTheLastWeeks:
        tm.tm_sec = tm.tm_min = tm.tm_hour = 0;
        tm.tm_mday -= tm.tm_wday + 7 * n;
        break;
    case InTheLastMonths:
        tm.tm_sec = tm.tm_min = tm.tm_hour = 0;
        tm.tm_mday = 1;
        tm.tm_mon -= n;
        break;
    default:
        tm.tm_sec = tm.tm_min = tm.tm_hour = 0;
        tm.tm_mday = 1;
        tm.tm_mon = 0;
        tm.tm_year -= n;
        break;
    }
    // Let mktime find whether daylight time applies at the computed start,
    // so a start at midnight stays at midnight across a change of season.
    tm.tm_isdst = -1;
    std::time_t start = std::mktime(&tm);
    if (start == static_cast<std::time_t>(-1))
        Fail("The time computed by the in-the-last rule is invalid in: ", text);
    SetCondition(OpGreaterEqual, FileTime(ConvertToFILETIME(static_cast<long>(start))));
    mode_ = ModeInTheLast;
    units_ = units;
    n_ = n;
}

char TimeFilter::GetFilterCode() const
{
    return 'T';
}

void TimeFilter::Append(ky_BSB<char>& out, const FileTime& value) const
{
    out += value.AsString();
}

FileTime TimeFilter::ConvertToValue(const ky_S& text) const
{
    FileTime time;
    time.Parse(text);
    return time;
}

const char* TimeFilter::GetIndexingServiceFilterCode() const
{
    return field_ < FileTimeNone ? s_fieldProperties[field_] : "";
}

void TimeFilter::IndexingServiceAppend(ky_BSB<char>& out, const FileTime& value) const
{
    out += value.AsStringForIndexingService();
}

void TimeFilter::SetInTheLastTime(FileTimeField field, int n, InTheLastTimeUnits units)
{
    Clear();
    if (field < FileTimeWrite || field >= FileTimeNone || units < InTheLastSeconds ||
        units >= InTheLastNone)
        throw std::runtime_error("Bad in-the-last time rule");
    char buf[32];
    std::snprintf(buf, sizeof buf, "%cL%c%d", s_fieldLetters[field], s_unitLetters[units], n);
    Parse(ky_I(buf));
}

void TimeFilter::SetBeforeTime(FileTimeField field, const FileTime& time)
{
    Clear();
    field_ = field;
    mode_ = ModeBefore;
    SetCondition(OpLess, time);
}

void TimeFilter::SetAfterTime(FileTimeField field, const FileTime& time)
{
    Clear();
    field_ = field;
    mode_ = ModeAfter;
    SetCondition(OpGreaterEqual, time);
}

void TimeFilter::SetBetweenTime(FileTimeField field, const FileTime& from, const FileTime& to)
{
    Clear();
    field_ = field;
    mode_ = ModeBetween;
    SetCondition(OpGreaterEqual, from);
    SetCondition(OpLess, to);
}

bool TimeFilter::Accept(const FileInfo& entry) const
{
    if (count_ == 0)
        return true;
    const FILETIME& ft = field_ == FileTimeCreation ? entry.ftCreationTime
                         : field_ == FileTimeAccess ? entry.ftLastAccessTime
                                                    : entry.ftLastWriteTime;
    return Holds<unsigned long long>(FileTime::ToValue(ft),
                                     [](const FileTime& t) { return t.GetValue(); });
}

bool TimeFilter::operator==(const TimeFilter& o) const
{
    return Conditions<FileTime>::operator==(o) && field_ == o.field_ && mode_ == o.mode_ &&
           units_ == o.units_ && (units_ == InTheLastNone || n_ == o.n_);
}

} // namespace AdvancedFiltration
} // namespace Kyvant
