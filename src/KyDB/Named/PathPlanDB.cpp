// The path-plan database: its map with the plan-reference cycle check, the
// stored value conversion, and rendering plans as console arguments.
#include "KyDB/Named/PathPlanDB.h"

#include "KyDB/Named/DbLocation.h"
#include "KyDB/Named/StoredFields.h"
#include "KyStd/Containers/Map.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace Kyvant {

namespace {

const char kPathPlanKey[] = "Software\\Kyvant\\Tools\\Shared\\PathPlanDB";

PathPlanDB* g_instance = nullptr;

using ListTexts = forward_input_sequencer<PathPlanItem::StringList,
                                          static_hierarchy_converter<ky_S, ky_BSB<char>>>;

void AppendCoded(const char* specifier, const ky_BSB<char>& text, const PathPlanDB::Args& out)
{
    ky_BSB<char> arg(specifier);
    arg += text;
    out.append(arg);
}

void AppendEachCoded(const char* specifier, const PathPlanDB::Texts& texts,
                     const PathPlanDB::Args& out)
{
    for (texts.rewind(); !texts.at_end(); texts.next()) {
        const ky_BSB<char> text = texts.current();
        if (!text.empty())
            AppendCoded(specifier, text, out);
    }
}

void AppendFilters(const PathPlanDB::Texts& exceptions, const ky_BSB<char>& masks,
                   const ky_BSB<char>* depth, const PathPlanDB::Texts& advanced,
                   const PathPlanDB::Args& out)
{
    if (depth && !depth->empty())
        AppendCoded(PathPlanCodes::s_MaxRecursionDepthSpecifier, *depth, out);
    if (!masks.empty())
        AppendCoded(PathPlanCodes::s_MasksSpecifier, masks, out);
    AppendEachCoded(PathPlanCodes::s_ExceptionSpecifier, exceptions, out);
    AppendEachCoded(PathPlanCodes::s_AdvancedSpecifier, advanced, out);
}

bool IsPlanReference(const ky_S& path)
{
    return path.length() >= 2 && path[0] == PathPlanCodes::s_EscapeCode &&
           path[1] == PathPlanCodes::s_PathPlanNameCode;
}

} // namespace

void IsamValueCodec<PathPlanItem>::Store(const PathPlanItem& value, ky_S& text)
{
    value.StoreContents(text);
}

void IsamValueCodec<PathPlanItem>::Load(const ky_S& text, PathPlanItem& value)
{
    value.LoadContents(text);
}

void IsamValueCodec<PathPlanItem>::Check(const ky_BSB<char>& name, const PathPlanItem& value)
{
    const char* kind = "Path Plan";
    for (const PathPlanItem::StringList* list : {&value.Paths(), &value.Exceptions()})
        for (const ky_S& s : *list)
            CheckNoSeparators(s, "\x01\x02", kind, name);
    CheckNoSeparators(value.Masks(), "\x01", kind, name);
    CheckNoSeparators(value.Depth(), "\x01", kind, name);
    for (const ky_S& s : value.Advanced())
        CheckNoSeparators(s, "\x03", kind, name);
}

class PathPlanDB::ImpT : public KyIsamMap<ky_I, PathPlanItem> {
    using Base = KyIsamMap<ky_I, PathPlanItem>;

public:
    ImpT(const ky_S& basePath, bool load) : Base(basePath, load)
    {
        if (load)
            LoadAll();
    }

    // Refuses a plan whose "@P" references lead back to a plan on the chain.
    std::pair<iterator, bool> Insert(const value_type& entry, bool write) override
    {
        const PathPlanItem::StringList& paths = entry.second.Paths();
        if (std::any_of(paths.begin(), paths.end(), IsPlanReference)) {
            ky_set<ky_I> names;
            names.insert(entry.first);
            CheckCycles(paths, names);
        }
        return Base::Insert(entry, write);
    }

private:
    void CheckCycles(const PathPlanItem::StringList& paths, ky_set<ky_I>& names) const
    {
        for (const ky_S& path : paths) {
            if (!IsPlanReference(path))
                continue;
            ky_I name(path.substr(2));
            name.EraseEdgeSpaces();
            if (!names.insert(name).second)
                throw std::runtime_error(std::string("Detected cycle in Path Plan: ") +
                                         name.c_str());
            const_iterator plan = find(name);
            if (plan != end())
                CheckCycles(plan->second.Paths(), names);
            names.erase(name);
        }
    }
};

PathPlanDB::PathPlanDB(bool load)
    : NamedDatabase(new ImpT(LocateDatabase(GetKyDBModule(), "KyPathPlan"), load)),
      m_regKey(HKEY_CURRENT_USER, kPathPlanKey)
{
}

PathPlanDB::~PathPlanDB() {}

PathPlanDB& PathPlanDB::Instance()
{
    return Instance(true);
}

PathPlanDB& PathPlanDB::Instance(bool load)
{
    if (!g_instance)
        g_instance = new PathPlanDB(load);
    return *g_instance;
}

void PathPlanDB::Reset()
{
    delete g_instance;
    g_instance = nullptr;
}

void PathPlanDB::StoreAsCmdArgs(const char* name, const Args& out, bool expand)
{
    if (!expand) {
        AppendCoded(s_PathPlanNameSpecifier, ky_BSB<char>(name), out);
        return;
    }
    const_iterator plan = find_load(ky_I(name));
    if (plan == end())
        throw std::runtime_error(std::string("Unknown Path Plan name: ") + name);
    StoreAsCmdArgs(plan->second, out);
}

void PathPlanDB::StoreAsCmdArgs(const Texts& names, const Args& out, bool expand)
{
    for (names.rewind(); !names.at_end(); names.next())
        StoreAsCmdArgs(names.current().c_str(), out, expand);
}

void PathPlanDB::StoreAsCmdArgs(const_iterator plan, const Args& out) const
{
    StoreAsCmdArgs(plan->second, out);
}

void PathPlanDB::StoreAsCmdArgs(const Item& item, const Args& out) const
{
    StoreAsCmdArgs(ListTexts(item.Paths()), ListTexts(item.Exceptions()), item.Masks(),
                   item.Depth(), ListTexts(item.Advanced()), out);
}

void PathPlanDB::StoreAsCmdArgs(const Texts& paths, const Texts& exceptions,
                                const ky_BSB<char>& masks, const ky_BSB<char>& depth,
                                const Texts& advanced, const Args& out) const
{
    AppendFilters(exceptions, masks, &depth, advanced, out);
    for (paths.rewind(); !paths.at_end(); paths.next()) {
        const ky_S path(paths.current());
        if (path.empty())
            continue;
        bool plain = false;
        ValidateForPathList(path, plain);
        if (plain)
            AppendCoded(s_PathSpecifier, path, out);
        else
            out.append(path);
    }
}

void PathPlanDB::StoreFiltersAsCmdArgs(const Texts& exceptions, const ky_BSB<char>& masks,
                                       const ky_BSB<char>& depth, const Texts& advanced,
                                       const Args& out) const
{
    AppendFilters(exceptions, masks, &depth, advanced, out);
}

void PathPlanDB::StoreFiltersAsCmdArgs(const Texts& exceptions, const ky_BSB<char>& masks,
                                       const Texts& advanced, const Args& out) const
{
    AppendFilters(exceptions, masks, nullptr, advanced, out);
}

} // namespace Kyvant
