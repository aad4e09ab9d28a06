// Matching bare names against the include and exclude masks of one search.
#include "KyConTool/Args/NameMatcher.h"

#include <cstring>

namespace Kyvant {

NameMatcher::NameMatcher(const std::vector<ky_F>& includes, const std::vector<ky_F>& excludes)
{
    for (const ky_F& m : includes)
        includes_.push_back(Make(m));
    for (const ky_F& m : excludes)
        excludes_.push_back(Make(m));
}

NameMatcher::Mask NameMatcher::Make(const ky_F& text)
{
    Mask m;
    m.text = text;
    m.noDot = text == "*.";
    m.all = text == "*" || text == "*.*";
    return m;
}

bool NameMatcher::Match(const Mask& mask, const char* name)
{
    if (mask.all)
        return true;
    if (mask.noDot)
        return std::strchr(name, '.') == nullptr;
    return ky_F::Match(mask.text.c_str(), name);
}

bool NameMatcher::Match(const ky_F& mask, const char* name)
{
    return Match(Make(mask), name);
}

bool NameMatcher::AcceptIncludes(const char* name) const
{
    if (includes_.empty())
        return true;
    for (const Mask& m : includes_) {
        if (Match(m, name))
            return true;
    }
    return false;
}

bool NameMatcher::Rejects(const char* name) const
{
    for (const Mask& m : excludes_) {
        if (Match(m, name))
            return true;
    }
    return false;
}

bool NameMatcher::Accept(const char* name) const
{
    return AcceptIncludes(name) && !Rejects(name);
}

} // namespace Kyvant
