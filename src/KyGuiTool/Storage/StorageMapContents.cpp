// The contents line of an exported item, per database.
#include "KyGuiTool/Storage/StorageMapContents.h"

namespace Kyvant {

ky_S StorageMapContents<MaskDB>::Store(const MaskDB::mapped_type& value)
{
    return ky_S(value);
}

MaskDB::mapped_type StorageMapContents<MaskDB>::Load(const ky_S& text)
{
    return MaskDB::mapped_type(text);
}

ky_S StorageMapContents<PathPlanDB>::Store(const PathPlanDB::mapped_type& value)
{
    ky_S text;
    value.StoreContents(text);
    return text;
}

PathPlanDB::mapped_type StorageMapContents<PathPlanDB>::Load(const ky_S& text)
{
    PathPlanDB::mapped_type item;
    item.LoadContents(text);
    return item;
}

ky_S StorageMapContents<ReplacePlanDB>::Store(const ReplacePlanDB::mapped_type& value)
{
    ky_S text;
    value.StoreContents(text);
    return text;
}

ReplacePlanDB::mapped_type StorageMapContents<ReplacePlanDB>::Load(const ky_S& text)
{
    ReplacePlanDB::mapped_type plan;
    plan.LoadContents(text);
    return plan;
}

} // namespace Kyvant
