// The advanced filter "I": setting and parsing its query and type, and its texts.
#include "KyConTool/IndexingService/IndexingServiceFilter.h"

#include "KyDB/Named/PathPlanCodes.h"

#include <cctype>
#include <stdexcept>
#include <string>

namespace Kyvant {
namespace AdvancedFiltration {

void IndexingServiceFilter::Clear()
{
    active_ = false;
    type_ = IndexingService::QueryTypeQuery;
    query_.clear();
}

void IndexingServiceFilter::Set(IndexingService::QueryType type, const ky_S& query)
{
    IndexingService::TextRepFromQueryType(type); // refuses an unknown type
    active_ = true;
    type_ = type;
    query_ = query;
}

void IndexingServiceFilter::Parse(const ky_I& text)
{
    const char* p = text.c_str();
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    if (*p) {
        IndexingService::QueryType type;
        char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
        if (!IndexingService::IsQueryTypeTextRep(letter, &type))
            throw std::runtime_error(std::string("Expected [anpq] in: ") + text.c_str());
        ky_S query(p + 1);
        query.EraseEdgeSpaces();
        if (query.empty())
            throw std::runtime_error(std::string("Expected query in: ") + text.c_str());
        type_ = type;
        query_ = query;
    }
    active_ = true;
}

ky_S IndexingServiceFilter::AsString() const
{
    if (!active_)
        return ky_S();
    ky_S out("I");
    if (!query_.empty())
        out += IndexingService::TextRepFromQueryType(type_) + query_;
    return out;
}

ky_S IndexingServiceFilter::AsStringForIndexingService() const
{
    if (!active_ || query_.empty())
        return ky_S();
    ky_I q = IndexingService::TransformQuery(ky_I(query_), type_);
    return q.empty() ? ky_S() : ky_S("(" + q + ")");
}

void IndexingServiceFilter::StoreAsCmdArgs(const output_sequencer<ky_BSB<char>>& out) const
{
    if (active_)
        out.append(ky_S(PathPlanCodes::s_AdvancedSpecifier) + AsString());
}

bool IndexingServiceFilter::operator==(const IndexingServiceFilter& o) const
{
    return active_ == o.active_ && type_ == o.type_ && ky_S(query_) == ky_S(o.query_);
}

} // namespace AdvancedFiltration
} // namespace Kyvant
