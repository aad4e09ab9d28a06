// One stored path plan: root paths or code items, masks, folder depth,
// exception rules and advanced filters, with its stored text form.
#pragma once

#include "KyDB/KyDBExport.h"
#include "KyStd/Containers/List.h"
#include "KyStd/Core/RcPtr.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {

class KYDB_API PathPlanItem {
public:
    using StringList = ky_list<ky_S>;
    using ListPtr = rc_ptr<StringList>;

    PathPlanItem();
    // The lists are copied.
    PathPlanItem(const StringList& paths, const ky_S& masks, const ky_S& depth,
                 const StringList& exceptions, const StringList& advanced);
    // The lists are shared with the caller (a null pointer stands for an empty list).
    PathPlanItem(const ListPtr& paths, const ky_S& masks, const ky_S& depth,
                 const ListPtr& exceptions, const ListPtr& advanced);

    const StringList& Paths() const { return *m_paths; }
    const StringList& Exceptions() const { return *m_exceptions; }
    const ky_S& Masks() const { return m_masks; }
    const ky_S& Depth() const { return m_depth; }
    const StringList& Advanced() const { return *m_advanced; }
    const ListPtr& SharedPaths() const { return m_paths; }
    const ListPtr& SharedExceptions() const { return m_exceptions; }
    const ListPtr& SharedAdvanced() const { return m_advanced; }

    // The record text: paths joined by 0x02, 0x01, masks, 0x01, depth, 0x01,
    // exceptions joined by 0x02, 0x01, advanced filters joined by 0x03.
    void StoreContents(ky_S& out) const;
    // Replaces the item with the one the text describes; missing sections are empty.
    PathPlanItem& LoadContents(const ky_S& text);

    // Depth, masks and the three lists, all case-sensitive.
    bool operator==(const PathPlanItem& other) const;
    bool operator!=(const PathPlanItem& other) const { return !(*this == other); }

private:
    ListPtr m_paths;
    ListPtr m_exceptions;
    ky_S m_masks;
    ky_S m_depth;
    ListPtr m_advanced;
};

} // namespace Kyvant
