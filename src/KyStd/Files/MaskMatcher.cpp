// Include and exclude mask lists: parsed or borrowed, copied, matched, merged into one mask.
#include "KyStd/Files/MaskMatcher.h"

#include "KyStd/Containers/List.h"
#include "KyStd/Files/FileFilter.h"

#include <optional>

namespace Kyvant {

namespace {

using MaskList = ky_list<ky_F>;
using MaskSequencer = forward_input_sequencer<MaskList, ky_cast_converter<ky_F, const char*>>;

// The masks of a list text: split at the list separator, each piece
// trimmed; pieces that are empty or only blanks are dropped.
void ParseMasks(const char* text, MaskList& out)
{
    ky_list<ky_BSB<char>> pieces;
    const char sep = FileFilterBase::s_ListSeparator;
    ky_F(text).Split(back_insert_sequencer<ky_list<ky_BSB<char>>>(pieces), &sep, false, false,
                     ky_F::npos, false, 1);
    for (ky_BSB<char>& piece : pieces) {
        piece.EraseEdgeSpaces();
        if (!piece.empty())
            out.push_back(ky_F(piece));
    }
}

} // namespace

struct MaskMatcher::OwnedLists {
    MaskList includes;
    MaskList excludes;
    bool hasIncludes = false;
    bool hasExcludes = false;
    // Built once the lists are complete: a sequencer keeps the list's ends.
    std::optional<MaskSequencer> includeSeq;
    std::optional<MaskSequencer> excludeSeq;

    OwnedLists(const char* inc, const char* exc)
    {
        if (inc) {
            ParseMasks(inc, includes);
            hasIncludes = true;
        }
        if (exc) {
            ParseMasks(exc, excludes);
            hasExcludes = true;
        }
        Bind();
    }
    OwnedLists(const OwnedLists& o)
        : includes(o.includes), excludes(o.excludes), hasIncludes(o.hasIncludes),
          hasExcludes(o.hasExcludes)
    {
        Bind();
    }
    OwnedLists& operator=(const OwnedLists&) = delete;

    void Bind()
    {
        includeSeq.emplace(includes);
        excludeSeq.emplace(excludes);
    }
};

MaskMatcher::MaskMatcher() : m_includes(nullptr), m_excludes(nullptr), m_owned(nullptr) {}

MaskMatcher::MaskMatcher(const Masks& includes)
    : m_includes(&includes), m_excludes(nullptr), m_owned(nullptr)
{
}

MaskMatcher::MaskMatcher(const Masks& includes, const Masks& excludes)
    : m_includes(&includes), m_excludes(&excludes), m_owned(nullptr)
{
}

MaskMatcher::MaskMatcher(const ky_BSB<char>& includes) : MaskMatcher()
{
    Init(includes.c_str(), nullptr);
}

MaskMatcher::MaskMatcher(const char* includes) : MaskMatcher()
{
    Init(includes, nullptr);
}

MaskMatcher::MaskMatcher(const ky_BSB<char>& includes, const ky_BSB<char>& excludes) : MaskMatcher()
{
    Init(includes.c_str(), excludes.c_str());
}

MaskMatcher::MaskMatcher(const char* includes, const char* excludes) : MaskMatcher()
{
    Init(includes, excludes);
}

MaskMatcher::MaskMatcher(const MaskMatcher& other) : MaskMatcher()
{
    *this = other;
}

MaskMatcher& MaskMatcher::operator=(const MaskMatcher& other)
{
    if (&other == this)
        return *this;
    OwnedLists* owned = other.m_owned ? new OwnedLists(*other.m_owned) : nullptr;
    delete m_owned;
    m_owned = owned;
    if (owned) {
        m_includes = owned->hasIncludes ? &*owned->includeSeq : nullptr;
        m_excludes = owned->hasExcludes ? &*owned->excludeSeq : nullptr;
    } else {
        m_includes = other.m_includes;
        m_excludes = other.m_excludes;
    }
    return *this;
}

MaskMatcher::~MaskMatcher()
{
    delete m_owned;
}

void MaskMatcher::Init(const char* includes, const char* excludes)
{
    OwnedLists* owned = new OwnedLists(includes, excludes);
    delete m_owned;
    m_owned = owned;
    m_includes = owned->hasIncludes ? &*owned->includeSeq : nullptr;
    m_excludes = owned->hasExcludes ? &*owned->excludeSeq : nullptr;
}

bool MaskMatcher::Accept(const char* name) const
{
    if (m_includes) {
        m_includes->rewind();
        if (!m_includes->at_end()) {
            bool matched = false;
            for (; !m_includes->at_end(); m_includes->next()) {
                if (ky_F::Match(m_includes->current(), name)) {
                    matched = true;
                    break;
                }
            }
            if (!matched)
                return false;
        }
    }
    if (m_excludes) {
        for (m_excludes->rewind(); !m_excludes->at_end(); m_excludes->next()) {
            if (ky_F::Match(m_excludes->current(), name)) {
                const_cast<MaskMatcher*>(this)->OnRejected(name);
                return false;
            }
        }
    }
    return true;
}

void MaskMatcher::OnRejected(const char*) {}

ky_F MaskMatcher::GetMergedMask() const
{
    if (m_includes) {
        m_includes->rewind();
        if (!m_includes->at_end()) {
            ky_F only(m_includes->current());
            m_includes->next();
            if (m_includes->at_end())
                return only;
        }
    }
    return ky_F("*");
}

} // namespace Kyvant
