// The query-type letters and the turning of a phrase or terms into the service's query language.
#include "KyConTool/IndexingService/IndexingServiceText.h"

#include "KyDB/Named/PathPlanDB.h"

#include <stdexcept>

namespace Kyvant {
namespace IndexingService {

namespace {

const char s_letters[4] = {PathPlanCodes::s_IndexingServiceQueryCode,
                           PathPlanCodes::s_IndexingServiceQueryPhraseCode,
                           PathPlanCodes::s_IndexingServiceQueryAllTermsCode,
                           PathPlanCodes::s_IndexingServiceQueryAnyTermCode};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

char TextRepFromQueryType(QueryType type)
{
    if (type < QueryTypeQuery || type > QueryTypeAnyTerm)
        throw std::runtime_error("Unknown QueryType");
    return s_letters[type];
}

QueryType QueryTypeFromTextRep(char letter)
{
    QueryType type;
    if (!IsQueryTypeTextRep(letter, &type))
        throw std::runtime_error("Unknown QueryType text code");
    return type;
}

bool IsQueryTypeTextRep(char letter, QueryType* out)
{
    for (int i = 0; i < 4; ++i) {
        if (s_letters[i] == letter) {
            if (out)
                *out = static_cast<QueryType>(i);
            return true;
        }
    }
    return false;
}

ky_I TransformQuery(const ky_I& text, QueryType type)
{
    if (type == QueryTypePhrase)
        return "\"" + text + "\"";
    if (type != QueryTypeAllTerms && type != QueryTypeAnyTerm)
        return text;
    const char* op = type == QueryTypeAllTerms ? " & " : " | ";
    ky_I out;
    const char* p = text.c_str();
    while (*p) {
        while (IsBlank(*p))
            ++p;
        if (!*p)
            break;
        const char* start = p;
        if (*p == '"') {
            ++p;
            while (*p && *p != '"')
                ++p;
            if (*p == '"')
                ++p;
        } else {
            while (*p && !IsBlank(*p))
                ++p;
        }
        if (!out.empty())
            out += op;
        out.append(start, static_cast<unsigned>(p - start));
    }
    return out;
}

} // namespace IndexingService
} // namespace Kyvant
