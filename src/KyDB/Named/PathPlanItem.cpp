// Path plan values and their record text.
#include "KyDB/Named/PathPlanItem.h"

#include "KyStd/Containers/Sequencer.h"

#include <vector>

namespace Kyvant {

namespace {

const char kSectionSep = '\x01';
const char kListSep = '\x02';
const char kAdvancedSep = '\x03';

PathPlanItem::ListPtr NewList()
{
    return PathPlanItem::ListPtr(new PathPlanItem::StringList);
}

PathPlanItem::ListPtr SharedOrEmpty(const PathPlanItem::ListPtr& list)
{
    return list ? list : NewList();
}

void Join(const PathPlanItem::StringList& list, char sep, ky_S& out)
{
    bool first = true;
    for (const ky_S& s : list) {
        if (!first)
            out += sep;
        out += s;
        first = false;
    }
}

// The non-empty pieces of the text between separators.
PathPlanItem::ListPtr SplitList(const ky_S& text, char sep)
{
    PathPlanItem::ListPtr list = NewList();
    const char seps[2] = {sep, 0};
    back_insert_sequencer<PathPlanItem::StringList, ky_BSB<char>> out(*list);
    text.Split(out, seps);
    return list;
}

bool SameList(const PathPlanItem::StringList& a, const PathPlanItem::StringList& b)
{
    if (a.size() != b.size())
        return false;
    auto j = b.begin();
    for (auto i = a.begin(); i != a.end(); ++i, ++j)
        if (!(*i == *j))
            return false;
    return true;
}

} // namespace

PathPlanItem::PathPlanItem() : m_paths(NewList()), m_exceptions(NewList()), m_advanced(NewList()) {}

PathPlanItem::PathPlanItem(const StringList& paths, const ky_S& masks, const ky_S& depth,
                           const StringList& exceptions, const StringList& advanced)
    : m_paths(new StringList(paths)), m_exceptions(new StringList(exceptions)), m_masks(masks),
      m_depth(depth), m_advanced(new StringList(advanced))
{
}

PathPlanItem::PathPlanItem(const ListPtr& paths, const ky_S& masks, const ky_S& depth,
                           const ListPtr& exceptions, const ListPtr& advanced)
    : m_paths(SharedOrEmpty(paths)), m_exceptions(SharedOrEmpty(exceptions)), m_masks(masks),
      m_depth(depth), m_advanced(SharedOrEmpty(advanced))
{
}

void PathPlanItem::StoreContents(ky_S& out) const
{
    out.clear();
    out.reserve(512);
    Join(*m_paths, kListSep, out);
    out += kSectionSep;
    out += m_masks;
    out += kSectionSep;
    out += m_depth;
    out += kSectionSep;
    Join(*m_exceptions, kListSep, out);
    out += kSectionSep;
    Join(*m_advanced, kAdvancedSep, out);
}

PathPlanItem& PathPlanItem::LoadContents(const ky_S& text)
{
    // At most five sections; the last keeps any further section separators.
    std::vector<ky_BSB<char>> sections;
    back_insert_sequencer<std::vector<ky_BSB<char>>> out(sections);
    const char seps[2] = {kSectionSep, 0};
    text.Split(out, seps, true, false, 5);
    sections.resize(5);

    PathPlanItem loaded(SplitList(sections[0], kListSep), sections[1], sections[2],
                        SplitList(sections[3], kListSep), SplitList(sections[4], kAdvancedSep));
    *this = loaded;
    return *this;
}

bool PathPlanItem::operator==(const PathPlanItem& other) const
{
    return m_depth == other.m_depth && m_masks == other.m_masks &&
           SameList(*m_paths, *other.m_paths) && SameList(*m_exceptions, *other.m_exceptions) &&
           SameList(*m_advanced, *other.m_advanced);
}

} // namespace Kyvant
