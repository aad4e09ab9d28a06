// Parsing a path section into its fields, its tests of names and folders, and its service query.
#include "KyConTool/Args/PathSection.h"

#include "KyConTool/App/KyConApp.h"
#include "KyConTool/Args/FileNameIterator.h"
#include "KyConTool/Args/OptionsList.h"
#include "KyDB/Named/MaskDB.h"
#include "KyDB/Named/PathPlanDB.h"
#include "KyStd/Shell/FolderVariables.h"

#include <list>
#include <stdexcept>
#include <string>

namespace Kyvant {

namespace {

const char s_seps[] = "\\/";

bool IsSep(char c)
{
    return c == '\\' || c == '/';
}

bool EndsWithSep(const ky_BSB<char>& s)
{
    return !s.empty() && IsSep(s[s.length() - 1]);
}

[[noreturn]] void Fail(const char* prefix, const ky_BSB<char>& text)
{
    throw std::runtime_error(std::string(prefix) + text.c_str());
}

ky_S Trimmed(const ky_BSB<char>& text)
{
    ky_S t(text);
    t.EraseEdgeSpaces();
    return t;
}

bool IsSpecialName(const ky_F& mask)
{
    return mask == KyConApp::GetStdinPseudoFileName() ||
           mask == KyConApp::GetStdoutPseudoFileName() ||
           mask == KyConApp::GetStderrPseudoFileName();
}

bool StartsWith(const ky_F& s, const ky_F& prefix)
{
    return s.length() >= prefix.length() &&
           s.compare(0, prefix.length(), prefix.data(), prefix.length()) == 0;
}

bool HasWildcards(const ky_F& s)
{
    return s.find_first_of("*?") != ky_F::npos;
}

// The names of a ','-separated list, trimmed.
std::vector<ky_S> NameList(const ky_BSB<char>& text)
{
    std::vector<ky_S> names;
    for (const ky_S& piece : SplitText(text, PathPlanTexts::s_PrimaryListSeparator, false)) {
        ky_S name = Trimmed(piece);
        if (!name.empty())
            names.push_back(name);
    }
    return names;
}

bool AnyNameMatches(const std::vector<ky_S>& masks, const char* name)
{
    for (const ky_S& mask : masks) {
        if (NameMatcher::Match(ky_F(mask), name))
            return true;
    }
    return false;
}

// Whether a path rule rejects a file in folder (full, ending with a separator).
bool RuleRejects(const ky_F& rule, const ky_F& folder, const char* fileName)
{
    if (rule[0] == ':') {
        std::vector<ky_S> names = NameList(rule.substr(1));
        unsigned start = 0;
        for (unsigned i = 0; i < folder.length(); ++i) {
            if (!IsSep(folder[i]))
                continue;
            if (i > start && AnyNameMatches(names, folder.substr(start, i - start).c_str()))
                return true;
            start = i + 1;
        }
        return false;
    }
    if (rule.length() > folder.length() && StartsWith(rule, folder)) {
        ky_F rest = rule.substr(folder.length());
        char last = rest[rest.length() - 1];
        if (IsSep(last) || last == ':')
            return false; // names folders only
        if (rest.find_first_of(s_seps) != ky_F::npos)
            return false; // deeper than this folder
        return AnyNameMatches(NameList(rest), fileName);
    }
    return rule.length() <= folder.length() && EndsWithSep(rule) && StartsWith(folder, rule);
}

void AddRejectionRule(const ky_S& rawPiece, std::vector<ky_F>& pathRules,
                      std::vector<ky_F>& maskRules)
{
    ky_S piece = Trimmed(rawPiece);
    if (piece.empty())
        return;
    ky_F rule(piece);
    rule.ExpandEnvironmentStringsA();
    Shell::ExpandFolderVariables(rule);
    if (rule[0] == ':') {
        if (rule.find_first_of(s_seps, 1) != ky_F::npos)
            Fail("Unexpected directory separator in rejection specifier: ", piece);
        pathRules.insert(pathRules.begin(), rule);
        return;
    }
    if (rule.find_first_of(s_seps) == ky_F::npos) {
        for (const ky_F& mask : ExpandMasks(rule))
            maskRules.push_back(mask);
        return;
    }
    rule.ToFullPath();
    if (!EndsWithSep(rule)) {
        unsigned sep = rule.find_last_of(s_seps);
        ky_F names;
        for (const ky_F& mask : ExpandMasks(rule.substr(sep + 1))) {
            if (!names.empty())
                names += PathPlanTexts::s_PrimaryListSeparator;
            names += mask;
        }
        rule = rule.substr(0, sep + 1) + names;
    }
    pathRules.insert(pathRules.begin(), rule);
}

ky_S QuotedList(const char* open, const std::vector<ky_F>& names, const char* between)
{
    if (names.empty())
        return ky_S();
    ky_S out(open);
    for (size_t i = 0; i < names.size(); ++i) {
        if (i)
            out += between;
        out += names[i];
    }
    return out + "\")";
}

} // namespace

std::vector<ky_S> SplitText(const ky_BSB<char>& text, char sep, bool keepEmpty)
{
    std::vector<ky_S> out;
    if (text.empty())
        return out;
    unsigned start = 0;
    for (;;) {
        unsigned end = start;
        while (end < text.length() && text[end] != sep)
            ++end;
        if (keepEmpty || end > start)
            out.push_back(ky_S(text.data() + start, end - start));
        if (end >= text.length())
            break;
        start = end + 1;
    }
    return out;
}

std::vector<ky_F> ExpandMasks(const ky_BSB<char>& text)
{
    std::list<ky_BSB<char>> items;
    MaskDB::Instance().Expand(back_insert_sequencer<std::list<ky_BSB<char>>>(items), ky_I(text),
                              true);
    std::vector<ky_F> masks;
    for (const ky_BSB<char>& item : items)
        masks.push_back(ky_F(item));
    return masks;
}

void AddRejectionRules(const ky_BSB<char>& text, std::vector<ky_F>& pathRules,
                       std::vector<ky_F>& maskRules)
{
    for (const ky_S& piece : SplitText(text, PathPlanCodes::s_SecondaryListSeparator, false))
        AddRejectionRule(piece, pathRules, maskRules);
}

PathSection PathSection::Parse(const ky_S& text, const char* spec, unsigned flags,
                               const SearchSettings& settings)
{
    PathSection s;
    s.spec = spec;
    std::vector<ky_S> fields = SplitText(text, PathPlanCodes::s_PathSectionSeparator, true);
    if (fields.empty())
        Fail("Missing argument to: ", s.spec);

    ky_F path(Trimmed(fields[0]));
    if (path.empty())
        Fail("Missing path in: ", s.spec);
    size_t next = 1;
    bool endsWithSep = false;
    ky_S maskText;
    unsigned sep = path.find_last_of(s_seps);
    if (sep == ky_F::npos) {
        maskText = path;
    } else if (sep == path.length() - 1) {
        endsWithSep = true;
        s.folder = path;
        s.masks = settings.masks;
        if (next < fields.size())
            maskText = Trimmed(fields[next++]);
    } else {
        s.folder = path.substr(0, sep + 1);
        maskText = path.substr(sep + 1);
    }
    if (!s.folder.empty()) {
        ky_filename_argv_iterator::DoPathFlags(s.folder, flags);
        s.folder.DirSepTerminateIfNotPathCharTerminated();
    }

    if (!maskText.empty())
        s.masks = ExpandMasks(maskText);
    if (s.masks.empty())
        Fail("Missing file masks in: ", s.spec);
    if (s.masks.size() == 1 && IsSpecialName(s.masks[0])) {
        if (!s.folder.empty())
            Fail("Unexpected path preceding special <filename> in: ", s.spec);
        s.special = true;
    } else if ((flags & ky_filename_argv_iterator::FullLongPaths) && s.folder.empty()) {
        s.folder.ToCurrentDirectory();
        s.folder.DirSepTerminateIfNotPathCharTerminated();
    }

    s.depth = endsWithSep ? settings.depth : 0;
    if (next < fields.size()) {
        // Taken as it stands, as "@d" takes its argument: blanks are no
        // part of a depth number.
        const ky_S& depth = fields[next++];
        if (!depth.empty()) {
            int d = PathPlanDB::TextToMaxRecDepth(ky_I(depth));
            s.depth = d < 1 ? 0 : d;
        }
    }

    s.pathRules = settings.pathRules;
    s.maskRules = settings.maskRules;
    if (next < fields.size()) {
        ky_S rules = Trimmed(fields[next++]);
        if (!rules.empty()) {
            s.pathRules.clear();
            s.maskRules.clear();
            AddRejectionRules(rules, s.pathRules, s.maskRules);
        }
    }

    s.filters = settings.filters;
    if (next < fields.size()) {
        ky_S filters = Trimmed(fields[next++]);
        if (!filters.empty()) {
            s.filters.Clear();
            for (const ky_S& piece :
                 SplitText(filters, PathPlanCodes::s_SecondaryListSeparator, false))
                s.filters.Parse(ky_I(piece));
        }
    }
    if (next < fields.size())
        Fail("Too many fields in: ", s.spec);

    const SettingsStack::Records& records = SettingsStack::All();
    for (auto it = records.begin(); it != records.end(); ++it) {
        if (&*it == &settings || it == records.begin())
            continue;
        s.pathRules.insert(s.pathRules.end(), it->pathRules.begin(), it->pathRules.end());
        s.maskRules.insert(s.maskRules.end(), it->maskRules.begin(), it->maskRules.end());
        if (!it->masks.empty() || it->filters.Active())
            s.outer.push_back({NameMatcher(it->masks, std::vector<ky_F>()), it->filters});
    }

    s.matcher = NameMatcher(s.masks, s.maskRules);
    s.singleLookup = !s.special && s.depth == 0 && s.masks.size() == 1 && !HasWildcards(s.masks[0]);
    return s;
}

bool PathSection::AcceptOuter(const char* name, const FileInfo& entry) const
{
    for (const OuterConstraint& o : outer) {
        if (!o.includes.AcceptIncludes(name) || !o.filters.Accept(entry))
            return false;
    }
    return true;
}

bool PathSection::AcceptListedFile(const ky_F& path) const
{
    if (path.empty())
        return false;
    ky_F full(path);
    try {
        full.ToFullPath();
    } catch (const std::exception&) {
        return false;
    }
    unsigned sep = full.find_last_of(s_seps);
    ky_F folder = sep == ky_F::npos ? ky_F() : full.substr(0, sep + 1);
    ky_F fileName = sep == ky_F::npos ? full : full.substr(sep + 1);
    for (const ky_F& rule : pathRules) {
        if (RuleRejects(rule, folder, fileName.c_str()))
            return false;
    }
    FileInfo entry;
    if (!full.GetInfo(std::nothrow, entry) || entry.IsDirectory())
        return false;
    if (!matcher.Accept(fileName.c_str()) || !filters.Accept(entry))
        return false;
    return outer.empty() || AcceptOuter(fileName.c_str(), entry);
}

bool PathSection::ExcludesFolder(const ky_F& folder) const
{
    if (pathRules.empty())
        return false;
    ky_F full(folder);
    try {
        full.ToFullPath();
    } catch (const std::exception&) {
        return false;
    }
    full.DirSepTerminateIfNotPathCharTerminated();
    for (const ky_F& rule : pathRules) {
        if (rule[0] != ':' && EndsWithSep(rule) && StartsWith(full, rule))
            return true;
    }
    return false;
}

ky_S JoinQueryParts(const std::vector<ky_S>& parts)
{
    ky_S out;
    unsigned count = 0;
    for (const ky_S& part : parts) {
        if (part.empty())
            continue;
        if (count++)
            out += " & ";
        out += part;
    }
    return count > 1 ? "(" + out + ")" : out;
}

ky_S SettingsIndexingServiceQuery(const std::vector<ky_F>& masks,
                                  const std::vector<ky_F>& maskRules,
                                  const AdvancedFiltration::Filters& filters)
{
    return JoinQueryParts({QuotedList("(#filename=\"", masks, "\" | #filename=\""),
                           QuotedList("(!#filename=\"", maskRules, "\" & !#filename=\""),
                           filters.GetIndexingServiceQuery()});
}

ky_S PathSection::IndexingServiceQuery() const
{
    return SettingsIndexingServiceQuery(masks, maskRules, filters);
}

ky_S ScopesIndexingServiceQuery()
{
    std::vector<ky_S> parts;
    for (const SearchSettings& record : SettingsStack::All())
        parts.push_back(
            SettingsIndexingServiceQuery(record.masks, record.maskRules, record.filters));
    return JoinQueryParts(parts);
}

} // namespace Kyvant
