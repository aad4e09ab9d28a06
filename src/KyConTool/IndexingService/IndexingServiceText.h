// Text helpers of the Indexing Service query forms: the query-type letters
// used by "@i" items and the "I" advanced filter, and the turning of a
// phrase or a list of terms into the service's query language.
#pragma once

#include "KyConTool/KyConToolExport.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {
namespace IndexingService {

// How a query text is meant; each has a letter in the path-plan language.
enum QueryType {
    QueryTypeQuery = 0,    // 'q': free query in the service's language
    QueryTypePhrase = 1,   // 'p': the words as one phrase
    QueryTypeAllTerms = 2, // 'a': every term
    QueryTypeAnyTerm = 3   // 'n': any term
};

// The letter of a type; an unknown type: "Unknown QueryType".
KYCONTOOL_API char TextRepFromQueryType(QueryType type);
// The type of a letter (exact case); an unknown letter: "Unknown QueryType text code".
KYCONTOOL_API QueryType QueryTypeFromTextRep(char letter);
// Whether the letter names a type; out (may be null) receives it.
KYCONTOOL_API bool IsQueryTypeTextRep(char letter, QueryType* out = nullptr);

// Phrase: the text in double quotes; all or any terms: the blank-separated
// terms (a term starting with '"' runs to the next '"') joined with " & " or
// " | "; free query: the text unchanged.
KYCONTOOL_API ky_I TransformQuery(const ky_I& text, QueryType type);

} // namespace IndexingService
} // namespace Kyvant
