// The advanced time filter "T": conditions on one of a file's three times,
// either typed as yyyymmddhhmmss local times or as "in the last n units",
// which counts back from the start of the current unit.
#pragma once

#include "KyConTool/Filters/FilterConditions.h"
#include "KyConTool/Filters/FilterValues.h"
#include "KyConTool/KyConToolExport.h"
#include "KyStd/Files/FileInfo.h"

namespace Kyvant {
namespace AdvancedFiltration {

enum FileTimeField {
    FileTimeWrite = 0,    // 'M', "@write"
    FileTimeCreation = 1, // 'C', "@create"
    FileTimeAccess = 2,   // 'A', "@access"
    FileTimeNone = 3
};

enum InTheLastTimeUnits {
    InTheLastSeconds = 0, // 'S'
    InTheLastMinutes = 1, // 'I'
    InTheLastHours = 2,   // 'H'
    InTheLastDays = 3,    // 'D'
    InTheLastWeeks = 4,   // 'W'
    InTheLastMonths = 5,  // 'M'
    InTheLastYears = 6,   // 'Y'
    InTheLastNone = 7
};

class KYCONTOOL_API TimeFilter : public Conditions<FileTime> {
public:
    enum Mode { ModeInTheLast = 0, ModeBefore = 1, ModeAfter = 2, ModeBetween = 3, ModeNone = 4 };

    TimeFilter() { TimeFilter::Clear(); }

    void Clear() override;
    ky_S AsString() const override;
    ky_S AsStringForIndexingService() const override;
    void Parse(const ky_I& text) override;
    char GetFilterCode() const override;
    void Append(ky_BSB<char>& out, const FileTime& value) const override;
    FileTime ConvertToValue(const ky_S& text) const override;
    const char* GetIndexingServiceFilterCode() const override;
    void IndexingServiceAppend(ky_BSB<char>& out, const FileTime& value) const override;

    // Each clears the filter first.
    void SetInTheLastTime(FileTimeField field, int n, InTheLastTimeUnits units);
    void SetBeforeTime(FileTimeField field, const FileTime& time);
    void SetAfterTime(FileTimeField field, const FileTime& time);
    void SetBetweenTime(FileTimeField field, const FileTime& from, const FileTime& to);

    FileTimeField GetField() const { return field_; }
    Mode GetMode() const { return mode_; }
    InTheLastTimeUnits GetUnits() const { return units_; }
    int GetCount() const { return n_; }
    // The lower (">=") and upper ("<") bounds.
    const FileTime& GetFromTime() const { return values_[OpGreaterEqual]; }
    const FileTime& GetToTime() const { return values_[OpLess]; }

    bool Accept(const FileInfo& entry) const;

    bool operator==(const TimeFilter& o) const;
    bool operator!=(const TimeFilter& o) const { return !(*this == o); }

private:
    void ParseInTheLast(const char* p, const ky_I& text);

    FileTimeField field_;
    Mode mode_;
    InTheLastTimeUnits units_;
    int n_;
};

} // namespace AdvancedFiltration
} // namespace Kyvant
