// The contents line of an exported item, per database: a mask set's value as
// it is, a path plan's or replace plan's stored text form, and the way back.
#pragma once

#include "KyDB/Named/MaskDB.h"
#include "KyDB/Named/PathPlanDB.h"
#include "KyDB/Named/ReplacePlanDB.h"
#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {

template <class DB>
struct StorageMapContents;

template <>
struct KYGUITOOL_API StorageMapContents<MaskDB> {
    static ky_S Store(const MaskDB::mapped_type& value);
    static MaskDB::mapped_type Load(const ky_S& text);
};

template <>
struct KYGUITOOL_API StorageMapContents<PathPlanDB> {
    static ky_S Store(const PathPlanDB::mapped_type& value);
    static PathPlanDB::mapped_type Load(const ky_S& text);
};

// Load throws "Damaged Replace Plan" for a text that is no replace plan.
template <>
struct KYGUITOOL_API StorageMapContents<ReplacePlanDB> {
    static ky_S Store(const ReplacePlanDB::mapped_type& value);
    static ReplacePlanDB::mapped_type Load(const ky_S& text);
};

} // namespace Kyvant
