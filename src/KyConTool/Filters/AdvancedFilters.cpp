// The advanced filters together: judging entries, parsing, storing, and their service query.
#include "KyConTool/Filters/AdvancedFilters.h"

#include "KyConTool/Args/PathSection.h"
#include "KyDB/Named/PathPlanCodes.h"

#include <cctype>
#include <stdexcept>
#include <string>

namespace Kyvant {
namespace AdvancedFiltration {

void Filters::Clear()
{
    size_.Clear();
    time_.Clear();
    attrib_.Clear();
    indexingService_.Clear();
}

bool Filters::Active() const
{
    return size_.HasConditions() || time_.HasConditions() || attrib_.Active() ||
           indexingService_.Active();
}

bool Filters::Accept(const FileInfo& entry) const
{
    return size_.Accept(entry) && time_.Accept(entry) && attrib_.Accept(entry);
}

void Filters::Parse(const ky_I& text)
{
    const char* p = text.c_str();
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    if (!*p)
        throw std::runtime_error("Missing Advanced Filter code");
    ky_I rest(p + 1);
    switch (std::toupper(static_cast<unsigned char>(*p))) {
    case 'A':
        attrib_.Parse(rest);
        break;
    case 'I':
        indexingService_.Parse(rest);
        break;
    case 'S':
        size_.Parse(rest);
        break;
    case 'T':
        time_.Parse(rest);
        break;
    default:
        throw std::runtime_error(std::string("Unknown Advanced Filter code: ") + *p);
    }
}

void Filters::StoreAsStrings(const output_sequencer<ky_BSB<char>>& out) const
{
    const ky_S parts[4] = {time_.AsString(), size_.AsString(), attrib_.AsString(),
                           indexingService_.AsString()};
    for (const ky_S& part : parts) {
        if (!part.empty())
            out.append(part);
    }
}

void Filters::StoreAsCmdArgs(const output_sequencer<ky_BSB<char>>& out) const
{
    const ky_S parts[4] = {time_.AsString(), size_.AsString(), attrib_.AsString(),
                           indexingService_.AsString()};
    for (const ky_S& part : parts) {
        if (!part.empty())
            out.append(ky_S(PathPlanCodes::s_AdvancedSpecifier) + part);
    }
}

ky_S Filters::GetIndexingServiceQuery() const
{
    return JoinQueryParts({time_.AsStringForIndexingService(), size_.AsStringForIndexingService(),
                           attrib_.AsStringForIndexingService(),
                           indexingService_.AsStringForIndexingService()});
}

bool Filters::operator==(const Filters& o) const
{
    return size_ == o.size_ && time_ == o.time_ && attrib_ == o.attrib_ &&
           indexingService_ == o.indexingService_;
}

} // namespace AdvancedFiltration
} // namespace Kyvant
